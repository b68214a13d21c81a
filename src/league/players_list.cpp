#include "league/players_list.h"

#include <array>

#include "league/plain_column.h"
#include "text/full_width.h"
#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

namespace {

// In the other languages the name and the figures are padded to these cells, so that the marks
// stand in columns under their legend.
constexpr std::size_t kPlainNameWidth = 24;
constexpr std::size_t kPlainLineWidth = 62;

// The three marks, each a space and one character; a later rule overwrites an earlier one's mark.
std::string marks(const League& league, int team, int player) {
    // Translators: the three marks at the end of a players list line, each one character wide
    // under the legend of its column; "　" is a column without a mark, as wide as a mark. Merit:
    // 優 an average of .500 or better, × at least 100 hits at under .300. Hits: △ at least 80,
    // ◎ the hall of fame's class, 殿 1000 or more. Career: 長 more than 30 years, 全 a member
    // since the league's first year, 新 a rookie.
    const char* blank = text::translatedIn("players list mark", "　");
    std::array<const char*, 3> shown{blank, blank, blank};
    const double average = battingAverage(league, team, player);
    const Counter hits = league.Hits[team][player];
    const Counter entryYear = league.EntryYear[team][player];
    if (average >= 0.5) shown[0] = text::translatedIn("players list mark", "優");
    if (hits >= 80) shown[1] = text::translatedIn("players list mark", "△");
    if (hits >= 100 && average >= 0.3) shown[1] = text::translatedIn("players list mark", "◎");
    if (hits >= 100 && average < 0.3) shown[0] = text::translatedIn("players list mark", "×");
    if (hits >= 300) shown[1] = text::translatedIn("players list mark", "◎");
    if (hits >= 1000) shown[1] = text::translatedIn("players list mark", "殿");
    if (league.CurrentYear - entryYear > 30)
        shown[2] = text::translatedIn("players list mark", "長");
    if (entryYear == 0) shown[2] = text::translatedIn("players list mark", "全");
    if (league.CurrentYear == entryYear + 1) {
        shown[2] = text::translatedIn("players list mark", "新");
    }
    return std::string(" ") + shown[0] + " " + shown[1] + " " + shown[2];
}

}  // namespace

std::string playersListTitle(const League& league, int team) {
    // Translators: {1} is the team's name.
    return text::fillIn(text::translated("{1}登録選手一覧表"), {league.TeamName[team]});
}

std::string playersListLine(const League& league, int team, int player) {
    // Japanese keeps the original's fixed columns of full-width text and zero-padded figures.
    const bool japanese = text::japaneseText();
    const std::string& name = league.PlayerName[team][player];
    const Counter hits = league.Hits[team][player];
    const Counter atBats = league.AtBats[team][player];
    const double average = battingAverage(league, team, player);
    const Counter joined = league.EntryYear[team][player] + 1;
    const auto figure = [japanese](Counter value) {
        return japanese ? text::formatNumber(value, "0000") : std::to_string(value);
    };
    const std::string line = text::fillIn(
        // Translators: a line of the players list: {1} the player's name, {2} his hits, {3} his
        // at-bats, {4} his batting average (.312), {5} the league year he joined in.
        text::translated("{1}{2}/{3}（打率 {4}）{5}年度入団"),
        {japanese ? text::fixedColumn(text::toFullWidth(name), 12)
                  : plainColumn(name, kPlainNameWidth),
         figure(hits), figure(atBats),
         japanese ? text::formatNumber(average * 1000.0, "0000") : text::baseballAverage(average),
         figure(joined)});
    return (japanese ? line : plainColumn(line, kPlainLineWidth)) + marks(league, team, player);
}

std::vector<std::string> playersListLines(const League& league, int team) {
    std::vector<std::string> lines;
    for (int player = 1; player <= kPlayers; ++player) {
        lines.push_back(playersListLine(league, team, player));
    }
    return lines;
}

}  // namespace zelvano
