#include "platform/qt/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zelvano {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& path) {
    // One effect at a time: a new sound replaces the one still playing, and asking for a file
    // that is not there only stops it.
    effect_.reset();
    if (!QFileInfo(path).isFile()) return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->play();
}

QString SoundPlayer::source() const {
    return effect_ ? effect_->source().toLocalFile() : QString();
}

}  // namespace zelvano
