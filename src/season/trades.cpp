#include "season/trades.h"

#include <utility>

#include "text/number_format.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

constexpr std::pair<int, int> kTradePairs[] = {{1, 2}, {1, 3}, {2, 3}};

std::string averageInTrade(const League& league, int team, int player) {
    const double average = battingAverage(league, team, player);
    return text::japaneseText() ? text::generalDecimal(average) : text::baseballAverage(average);
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
        const std::string text = text::fillIn(
            text::translated("トレードが行われました。\n{1}\n{2}（{3}）と\n{4}\n{5}（{6}）です。"),
            {league.TeamName[first], text::leftChars(league.PlayerName[first][a], 15),
             averageInTrade(league, first, a), league.TeamName[second],
             text::leftChars(league.PlayerName[second][b], 15), averageInTrade(league, second, b)});
        const Transaction trade{TransactionKind::Trade,       first,  a,
                                snapshotOf(league, first, a), second, b,
                                snapshotOf(league, second, b)};
        swapPlayers(league, first, a, second, b);
        if (observer != nullptr) observer->transactionMade(league, trade);
        platform.message({text, text::translated("Zelvano／トレード交渉")});
    }
}

}  // namespace zelvano
