#pragma once
// The logic of the scoreboard: what its "次へ" button, its auto-advance timer, its button that
// opens the information window and its close box do.

#include "league/league.h"
#include "platform/platform.h"
#include "season/information_presenter.h"

namespace zelvano {

class ScoreboardPresenter final : public ScoreboardEvents {
public:
    ScoreboardPresenter(League& league, Platform& platform, InformationPresenter& information)
        : league_(league), platform_(platform), information_(information) {}

    void nextPressed() override { league_.NextRequested = true; }
    // The setting is read at every tick, so switching auto-advance on takes effect at the next.
    void advanceTimerTicked() override;
    // Opens the information window on team 1's roster, during a game or after it.
    void playersListPressed() override { information_.openPlayersList(); }
    bool refuseUserClose() override;

private:
    League& league_;
    Platform& platform_;
    InformationPresenter& information_;
};

}  // namespace zelvano
