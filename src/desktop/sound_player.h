#pragma once
// Plays a wave file in the background: the call returns at once and the sound goes on while the
// program does. A missing file or a machine without sound output plays nothing, silently, as
// the optional opening sound has always been treated; a missing file also stops the sound that
// is playing. Nothing ever waits for a sound to end: without an output device it never does.

#include <QString>
#include <memory>

class QSoundEffect;

namespace zelvano {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    void play(const QString& path);
    // The file asked for last, empty when it was not found; it plays only where there is an
    // output device.
    QString source() const;

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString source_;
};

}  // namespace zelvano
