#include "season/game_window_events.h"

#include "league/settings_keys.h"
#include "season/forced_quit.h"

namespace zelvano {

void GameWindowEvents::Timer1_Timer() {
    if (autoAdvanceOn(platform_.settings().read(kAutoAdvanceKey))) league_.NextRequested = true;
}

bool GameWindowEvents::Form_QueryUnload() { return ConfirmForcedQuit(platform_); }

}  // namespace zelvano
