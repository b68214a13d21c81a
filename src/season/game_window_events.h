#pragma once
// What the scoreboard's button, timer and close box do.

#include "league/league.h"
#include "platform/platform.h"
#include "season/information_window.h"

namespace zelvano {

class GameWindowEvents final : public GameViewEvents {
public:
    GameWindowEvents(League& league, Platform& platform, InformationWindow& information)
        : league_(league), platform_(platform), information_(information) {}

    void Command1_Click() override { league_.NextRequested = true; }
    // The setting is read at every tick, so switching auto-advance on takes effect at the next.
    void Timer1_Timer() override;
    // Opens the information window on team 1's roster, during a game or after it.
    void PicIcons_Click() override { information_.OpenPlayersList(); }
    bool Form_QueryUnload() override;

private:
    League& league_;
    Platform& platform_;
    InformationWindow& information_;
};

}  // namespace zelvano
