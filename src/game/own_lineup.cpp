#include "game/own_lineup.h"

#include <array>
#include <string>

#include "game/lineups.h"
#include "league/forced_quit.h"
#include "text/translation.h"

namespace zelvano {

namespace {

bool canPlay(const League& league, int player) {
    return player >= 1 && player <= kPlayers && league.Hits[1][player] != 0;
}

int ownSideOf(const League& league) { return league.PairingTeam1 == 1 ? 1 : 2; }

}  // namespace

bool previousOrderPlayable(const League& league) {
    for (int slot = 1; slot <= kBattingSlots; ++slot) {
        if (!canPlay(league, league.ChosenOrder[slot])) return false;
    }
    return true;
}

void BattingOrderPresenter::playerPressed(int index) {
    const int player = index + 1;
    // A pick already waiting to be taken, or a player who cannot play, changes nothing: the
    // window greys such players, this only guards against a second click in the same moment.
    if (league_.PickedPlayer != 0 || !canPlay(league_, player) || taken_[player]) return;
    league_.PickedPlayer = player;
}

void BattingOrderPresenter::sortPressed() {
    if (!shortcutsLive_ || view_ == nullptr) return;
    const auto sorted = sortedByAverage(league_);
    for (int slot = 1; slot <= kBattingSlots; ++slot) league_.ChosenOrder[slot] = sorted[slot];
    // With fewer than nine players who can play, the proposal repeats them from the top.
    const int eligible = eligiblePlayerCount(league_, 1);
    if (eligible > 0 && eligible < kBattingSlots) {
        completeOrderFromStart(league_.ChosenOrder, eligible);
    }
    platform_.beep();
    view_->focusPlayer(league_.ChosenOrder[1] - 1);
    view_->showWholeOrderButton(text::translated("ベスト打順"));
}

void BattingOrderPresenter::wholeOrderPressed() {
    if (!shortcutsLive_ || !previousOrderPlayable(league_)) return;
    league_.OwnSide = ownSideOf(league_);
    for (int slot = 1; slot <= kBattingSlots; ++slot) {
        league_.BattingOrder[league_.OwnSide][slot] = league_.ChosenOrder[slot];
    }
    league_.PickedPlayer = kWholeOrderPicked;
}

bool BattingOrderPresenter::refuseUserClose() { return confirmForcedQuit(platform_); }

void chooseOwnLineup(League& league, Platform& platform) {
    league.OwnSide = ownSideOf(league);
    league.PickedPlayer = 0;
    const int eligible = eligiblePlayerCount(league, 1);
    // Nobody can be picked: the drawn lineup of empty slots plays, as for any team without hits.
    if (eligible == 0) return;

    BattingOrderPresenter picker(league, platform);
    auto view = platform.createBattingOrderView(picker);
    picker.attach(*view);
    view->setMatchLine(
        text::fillIn(text::translated("{1}対{2}の試合です。"),
                     {league.TeamName[league.PairingTeam1], league.TeamName[league.PairingTeam2]}));
    view->setRosterTitle(text::fillIn(text::translated("{1}のメンバー表"), {league.TeamName[1]}));
    for (int player = 1; player <= kPlayers; ++player) {
        platform.yieldOnce();
        view->setPlayerRow(player - 1, league.PlayerName[1][player],
                           displayedAverage(league, 1, player));
        if (league.Hits[1][player] == 0) view->disablePlayer(player - 1, false);
    }
    if (previousOrderPlayable(league)) view->showWholeOrderButton(text::translated("前回と同順"));
    view->show();

    int picked = 0;
    for (int slot = 1; slot <= kBattingSlots; ++slot) {
        view->setPrompt(text::fillIn(text::translated("{1}番打者を決定してください。"),
                                     {std::to_string(slot)}));
        const int remembered = league.ChosenOrder[slot];
        if (canPlay(league, remembered)) view->focusPlayer(remembered - 1);
        platform.waitUntil([&] { return league.PickedPlayer != 0; });
        view->disableShortcuts();
        picker.endShortcuts();
        if (league.PickedPlayer == kWholeOrderPicked) break;

        const int player = league.PickedPlayer;
        league.BattingOrder[league.OwnSide][slot] = player;
        view->disablePlayer(player - 1, true);
        picker.markPicked(player);
        league.ChosenOrder[slot] = player;
        league.PickedPlayer = 0;
        // Once every player who can play is picked, the order completes itself from the top.
        if (++picked == eligible && slot < kBattingSlots) {
            completeOrderFromStart(league.BattingOrder[league.OwnSide], slot);
            completeOrderFromStart(league.ChosenOrder, slot);
            break;
        }
    }
    view->closeByProgram();
}

}  // namespace zelvano
