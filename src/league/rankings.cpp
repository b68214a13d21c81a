#include "league/rankings.h"

#include <array>
#include <cmath>
#include <utility>

#include "text/full_width.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

constexpr int kSlots = kTeams * kPlayers;
constexpr int kPlacesShown = 50;

enum class Filter { None, HasAverage, NonZeroKey };

struct RankingKind {
    const char* title;
    long long (*key)(const League&, int team, int player);
    bool ascending;
    Filter filter;
    std::size_t teamWidth;
    const char* pattern;
};

long long averageKey(const League& league, int team, int player) {
    // In double precision, so that 0.3 gives 300.
    return static_cast<long long>(std::floor(battingAverage(league, team, player) * 1000.0));
}
long long hitsKey(const League& league, int team, int player) { return league.Hits[team][player]; }
long long yearsKey(const League& league, int team, int player) {
    return league.CurrentYear - league.EntryYear[team][player];
}
long long nameLengthKey(const League& league, int team, int player) {
    return static_cast<long long>(text::charCount(league.PlayerName[team][player]));
}

const std::array<RankingKind, kRankings> kKinds = {{
    {"打率５０傑", averageKey, false, Filter::None, 6, "打率###"},
    {"安打５０傑", hitsKey, false, Filter::None, 5, "0000安打"},
    {"年数５０傑", yearsKey, false, Filter::HasAverage, 6, "####年"},
    {"低打率５０貧", averageKey, true, Filter::NonZeroKey, 6, "打率###"},
    {"長名５０傑", nameLengthKey, false, Filter::None, 6, "###文字"},
}};

int teamOf(int slot) { return (slot - 1) / kPlayers + 1; }
int playerOf(int slot) { return (slot - 1) % kPlayers + 1; }

}  // namespace

bool runRanking(const League& league, int index, RankingSink& sink) {
    const RankingKind& kind = kKinds.at(static_cast<std::size_t>(index));
    sink.setTitle(kind.title);

    std::array<long long, kSlots + 1> key{};
    std::array<int, kSlots + 1> slot{};
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            if (!sink.yield()) return false;
            const int s = (team - 1) * kPlayers + player;
            key[s] = kind.key(league, team, player);
            slot[s] = s;
        }
    }

    // Every i is compared with every j, before and after it alike: equal keys end in the order
    // this leaves them, which is neither slot order nor its reverse.
    for (int i = 2; i <= kSlots; ++i) {
        for (int j = 1; j <= kSlots - 1; ++j) {
            if (!sink.yield()) return false;
            const bool exchange = kind.ascending ? key[j] > key[i] : key[j] < key[i];
            if (exchange) {
                std::swap(key[i], key[j]);
                std::swap(slot[i], slot[j]);
            }
        }
    }

    sink.clear();
    for (int place = 1; place <= kPlacesShown; ++place) {
        if (!sink.yield()) return false;
        const int team = teamOf(slot[place]);
        const int player = playerOf(slot[place]);
        if (kind.filter == Filter::HasAverage && battingAverage(league, team, player) == 0.0) {
            continue;
        }
        if (kind.filter == Filter::NonZeroKey && key[place] == 0) continue;
        sink.addLine(text::formatNumber(place, "00)   ") +
                     text::fixedColumn(text::toFullWidth(league.TeamName[team]), kind.teamWidth) +
                     "  " +
                     text::fixedColumn(text::toFullWidth(league.PlayerName[team][player]), 19) +
                     "  " + text::formatNumber(static_cast<double>(key[place]), kind.pattern));
        sink.addedPlayer(team, player);
    }
    return true;
}

}  // namespace zelvano
