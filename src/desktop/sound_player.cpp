#include "desktop/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zelvano {

namespace {

// Qt Multimedia warns on standard error when there is no sound server or output device. The
// game then simply plays nothing, so while a sound is being started its warnings are dropped.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

class QuietMultimedia {
public:
    QuietMultimedia() { previousHandler = qInstallMessageHandler(quietHandler); }
    ~QuietMultimedia() { qInstallMessageHandler(previousHandler); }
    QuietMultimedia(const QuietMultimedia&) = delete;
    QuietMultimedia& operator=(const QuietMultimedia&) = delete;
};

}  // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& path) {
    // One effect at a time: a new sound replaces the one still playing, and asking for a file
    // that is not there only stops it.
    effect_.reset();
    source_.clear();
    if (!QFileInfo(path).isFile()) return;
    source_ = QFileInfo(path).absoluteFilePath();
    const QuietMultimedia quiet;
    // Without an output device there is nothing to play on; asking for it is what warns.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(source_));
    effect_->play();
}

QString SoundPlayer::source() const { return source_; }

}  // namespace zelvano
