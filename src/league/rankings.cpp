#include "league/rankings.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "league/plain_column.h"
#include "text/full_width.h"
#include "text/number_format.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

constexpr int kSlots = kTeams * kPlayers;
constexpr int kPlacesShown = 50;

// The other languages' columns, in cells of the list's font.
constexpr std::size_t kPlainTeamWidth = 12;
constexpr std::size_t kPlainPlayerWidth = 24;

enum class Filter { None, HasAverage, NonZeroKey };
enum class Figure { Average, Hits, Years, Characters };

struct RankingKind {
    const char* title;
    long long (*key)(const League&, int team, int player);
    bool ascending;
    Filter filter;
    std::size_t teamWidth;
    Figure figure;
    const char* japaneseDigits;  // how Japanese lays out the key's digits
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
    {text::textToTranslate("打率５０傑"), averageKey, false, Filter::None, 6, Figure::Average,
     "###"},
    {text::textToTranslate("安打５０傑"), hitsKey, false, Filter::None, 5, Figure::Hits, "0000"},
    {text::textToTranslate("年数５０傑"), yearsKey, false, Filter::HasAverage, 6, Figure::Years,
     "####"},
    {text::textToTranslate("低打率５０貧"), averageKey, true, Filter::NonZeroKey, 6,
     Figure::Average, "###"},
    {text::textToTranslate("長名５０傑"), nameLengthKey, false, Filter::None, 6, Figure::Characters,
     "###"},
}};

// The key as the list shows it: "打率300", "0123安打" in Japanese, ".300", "123 hits" in English.
std::string figureText(const RankingKind& kind, long long key) {
    const bool japanese = text::japaneseText();
    const double value = static_cast<double>(key);
    if (kind.figure == Figure::Average) {
        // Translators: a batting average in the ranking lists, {1} as ".312".
        return text::fillIn(text::translated("打率{1}"),
                            {japanese ? text::formatNumber(value, kind.japaneseDigits)
                                      : text::baseballAverage(value / 1000.0)});
    }
    const std::string number =
        japanese ? text::formatNumber(value, kind.japaneseDigits) : std::to_string(key);
    const auto count = static_cast<std::uint64_t>(key < 0 ? -key : key);
    switch (kind.figure) {
        case Figure::Hits:
            return text::fillIn(text::translatedCount("{1}安打", "{1}安打", count), {number});
        case Figure::Years:
            return text::fillIn(text::translatedCount("{1}年", "{1}年", count), {number});
        case Figure::Characters:
            // Translators: the length of a player's name, in characters.
            return text::fillIn(text::translatedCount("{1}文字", "{1}文字", count), {number});
        case Figure::Average:
            break;
    }
    return number;
}

// "01)   " in Japanese, " 1)  " in the other languages.
std::string placeText(int place) {
    if (text::japaneseText()) return text::formatNumber(place, "00)   ");
    return plainColumn(std::string(place < 10 ? " " : "") + std::to_string(place) + ")", 5);
}

int teamOf(int slot) { return (slot - 1) / kPlayers + 1; }
int playerOf(int slot) { return (slot - 1) % kPlayers + 1; }

}  // namespace

bool runRanking(const League& league, int index, RankingSink& sink) {
    const RankingKind& kind = kKinds.at(static_cast<std::size_t>(index));
    sink.setTitle(text::translated(kind.title));

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
        const std::string& teamName = league.TeamName[team];
        const std::string& playerName = league.PlayerName[team][player];
        const bool japanese = text::japaneseText();
        sink.addLine(placeText(place) +
                     (japanese ? text::fixedColumn(text::toFullWidth(teamName), kind.teamWidth)
                               : plainColumn(teamName, kPlainTeamWidth)) +
                     "  " +
                     (japanese ? text::fixedColumn(text::toFullWidth(playerName), 19)
                               : plainColumn(playerName, kPlainPlayerWidth)) +
                     "  " + figureText(kind, key[place]));
        sink.addedPlayer(team, player);
    }
    return true;
}

}  // namespace zelvano
