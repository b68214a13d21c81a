#pragma once
// The opening demo shown at every start: a mascot animation on a small black window while the
// maker's logo is drawn stroke by stroke and the opening sound plays. The call returns when the
// demo is over (5,870 ms of pauses), and nothing shortens it.
//
//   ShowOpeningDemo(platform);   // then load the league

#include "platform/platform.h"

namespace zelvano {

inline constexpr const char* kOpeningSound = "ORDEMO.WAV";
// A name no sound has: asking for it only stops the sound that is playing.
inline constexpr const char* kSilence = "Dummy.wav";

// Demoform's load, its Animation and its unload.
void ShowOpeningDemo(Platform& platform);

// The demo's key handler on its own, for the window's owner: a key with Shift, Ctrl or Alt held
// (or one of these alone) stops the sound.
class DemoKeys final : public DemoViewEvents {
public:
    explicit DemoKeys(Platform& platform) : platform_(platform) {}
    void Form_KeyDown(int keyCode, int shift) override;
    bool NoPlayMode = false;

private:
    Platform& platform_;
};

}  // namespace zelvano
