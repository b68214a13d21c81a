#pragma once
#include "platform/platform.h"

namespace zelvano {

// Asked when the user closes the game, batting-order or wizard window. Yes ends the program
// without saving; No returns true, so the window stays open and the game goes on where it was.
bool confirmForcedQuit(Platform& platform);

}  // namespace zelvano
