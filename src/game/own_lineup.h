#pragma once
// The user's batting order for team 1, picked slot by slot in the batting-order window, or set
// at once by the average sort ("ベスト打順") or the previous order ("前回と同順").
//
//   drawLineups(league, platform.random());
//   if (league.PairingTeam1 == 1 || league.PairingTeam2 == 1) chooseOwnLineup(league, platform);

#include <array>

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

void chooseOwnLineup(League& league, Platform& platform);

// The logic of the batting-order window: its buttons only report the user's choices, through
// PickedPlayer, ChosenOrder and BattingOrder; chooseOwnLineup acts on them.
class BattingOrderPresenter final : public BattingOrderEvents {
public:
    BattingOrderPresenter(League& league, Platform& platform)
        : league_(league), platform_(platform) {}
    void attach(BattingOrderView& view) { view_ = &view; }
    void endShortcuts() { shortcutsLive_ = false; }
    void markPicked(int player) { taken_[player] = true; }

    void playerPressed(int index) override;
    void playerNameDoubleClicked(int index) override { playerPressed(index); }
    void sortPressed() override;
    void wholeOrderPressed() override;
    bool refuseUserClose() override;

private:
    League& league_;
    Platform& platform_;
    BattingOrderView* view_ = nullptr;
    bool shortcutsLive_ = true;
    std::array<bool, kPlayers + 1> taken_{};  // picked for an earlier slot of this game
};

// The remembered order can be reused when all nine slots hold a player who can play.
bool previousOrderPlayable(const League& league);

}  // namespace zelvano
