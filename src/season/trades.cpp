#include "season/trades.h"

#include <utility>

#include "text/number_format.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

constexpr std::pair<int, int> kTradePairs[] = {{1, 2}, {1, 3}, {2, 3}};

std::string playerInTrade(const League& league, int team, int player) {
    return text::leftChars(league.PlayerName[team][player], 15) + "（" +
           text::generalDecimal(battingAverage(league, team, player));
}

void swapPlayers(League& league, int teamA, int a, int teamB, int b) {
    std::swap(league.PlayerName[teamA][a], league.PlayerName[teamB][b]);
    std::swap(league.AtBats[teamA][a], league.AtBats[teamB][b]);
    std::swap(league.Hits[teamA][a], league.Hits[teamB][b]);
    std::swap(league.EntryYear[teamA][a], league.EntryYear[teamB][b]);
    std::swap(league.PlayerIds[teamA][a], league.PlayerIds[teamB][b]);
}

}  // namespace

void makeTrades(League& league, Platform& platform, SeasonObserver* observer) {
    for (const auto& [first, second] : kTradePairs) {
        const int a = drawWholePartPlusOne(platform.random(), kPlayers);
        const int b = drawWholePartPlusOne(platform.random(), kPlayers);
        const std::string text = "トレードが行われました。\n" + league.TeamName[first] + "\n" +
                                 playerInTrade(league, first, a) + "）と\n" +
                                 league.TeamName[second] + "\n" + playerInTrade(league, second, b) +
                                 "）です。";
        const Transaction trade{TransactionKind::Trade,       first,  a,
                                snapshotOf(league, first, a), second, b,
                                snapshotOf(league, second, b)};
        swapPlayers(league, first, a, second, b);
        if (observer != nullptr) observer->transactionMade(league, trade);
        platform.message({text, "Zelvano／トレード交渉"});
    }
}

}  // namespace zelvano
