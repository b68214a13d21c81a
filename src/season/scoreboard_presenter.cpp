#include "season/scoreboard_presenter.h"

#include "league/settings_keys.h"
#include "season/forced_quit.h"

namespace zelvano {

void ScoreboardPresenter::advanceTimerTicked() {
    if (autoAdvanceOn(platform_.settings().read(kAutoAdvanceKey))) league_.NextRequested = true;
}

bool ScoreboardPresenter::refuseUserClose() { return confirmForcedQuit(platform_); }

}  // namespace zelvano
