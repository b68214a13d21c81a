#pragma once
// The question a close of the scoreboard, the batting-order window or the registration wizard
// asks: whether to quit at once, without saving the season in progress.
//
//   bool refuseUserClose() override { return confirmForcedQuit(platform_); }

#include "platform/platform.h"

namespace zelvano {

// Yes ends the program without saving (the next yield or wait ends it); No returns true, so the
// window stays open and the game goes on where it was.
bool confirmForcedQuit(Platform& platform);

}  // namespace zelvano
