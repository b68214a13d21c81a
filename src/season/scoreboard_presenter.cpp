#include "season/scoreboard_presenter.h"

#include "league/forced_quit.h"
#include "league/settings_keys.h"

namespace zelvano {

void ScoreboardPresenter::advanceTimerTicked() {
    if (autoAdvanceOn(platform_.settings().read(kAutoAdvanceKey))) league_.NextRequested = true;
}

bool ScoreboardPresenter::refuseUserClose() { return confirmForcedQuit(platform_); }

}  // namespace zelvano
