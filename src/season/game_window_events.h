#pragma once
// What the scoreboard's button, timer and close box do.

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

class GameWindowEvents final : public GameViewEvents {
public:
    GameWindowEvents(League& league, Platform& platform) : league_(league), platform_(platform) {}

    void Command1_Click() override { league_.NextRequested = true; }
    // The setting is read at every tick, so switching auto-advance on takes effect at the next.
    void Timer1_Timer() override;
    // The registered-players list is not part of the game yet; the icon does nothing.
    void PicIcons_Click() override {}
    bool Form_QueryUnload() override;

private:
    League& league_;
    Platform& platform_;
};

}  // namespace zelvano
