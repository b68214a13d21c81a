#pragma once
// The user's batting order for team 1, picked slot by slot in the batting-order window, or set
// at once by the average sort ("ベスト打順") or the previous order ("前回と同順").
//
//   DrawLineups(league, platform.random());
//   if (league.PairingTeam1 == 1 || league.PairingTeam2 == 1) ChooseOwnLineup(league, platform);

#include <array>

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

void ChooseOwnLineup(League& league, Platform& platform);

// The batting-order window's events: they only report the user's choices through PickedPlayer,
// ChosenOrder and BattingOrder.
class OrderPicker final : public OrderViewEvents {
public:
    OrderPicker(League& league, Platform& platform) : league_(league), platform_(platform) {}
    void attach(OrderView& view) { view_ = &view; }
    void endShortcuts() { shortcutsLive_ = false; }
    void markPicked(int player) { taken_[player] = true; }

    void Command1_Click(int index) override;
    void Label3_DblClick(int index) override { Command1_Click(index); }
    void Command2_Click() override;
    void Command3_Click() override;
    bool Form_QueryUnload() override;

private:
    League& league_;
    Platform& platform_;
    OrderView* view_ = nullptr;
    bool shortcutsLive_ = true;
    std::array<bool, kPlayers + 1> taken_{};  // picked for an earlier slot of this game
};

// The remembered order can be reused when all nine slots hold a player who can play.
bool previousOrderPlayable(const League& league);

}  // namespace zelvano
