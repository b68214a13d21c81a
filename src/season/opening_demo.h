#pragma once
// The opening demo shown at every start: a mascot animation on a small black window while the
// maker's logo is drawn stroke by stroke and the opening sound plays. The call returns when the
// demo is over (5,870 ms of pauses), and nothing shortens it.
//
//   showOpeningDemo(platform);   // then load the league

#include "platform/platform.h"

namespace zelvano {

inline constexpr const char* kOpeningSound = "ORDEMO.WAV";
// A name no sound has: asking for it only stops the sound that is playing.
inline constexpr const char* kSilence = "Dummy.wav";

// Opens the demo window, runs the animation and closes the window.
void showOpeningDemo(Platform& platform);

// The demo's key handler on its own, for the window's owner: a key with Shift, Ctrl or Alt held
// (or one of these alone) stops the sound.
class OpeningDemoKeys final : public OpeningDemoEvents {
public:
    explicit OpeningDemoKeys(Platform& platform) : platform_(platform) {}
    void keyPressed(int keyCode, int modifiers) override;
    bool silenced = false;

private:
    Platform& platform_;
};

}  // namespace zelvano
