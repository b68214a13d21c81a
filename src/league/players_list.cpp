#include "league/players_list.h"

#include <array>

#include "text/full_width.h"
#include "text/number_format.h"

namespace zelvano {

namespace {

// The three marks, each starting blank; a later rule overwrites an earlier one's mark.
std::string marks(const League& league, int team, int player) {
    std::array<std::string, 3> mark{" 　", " 　", " 　"};
    const double average = battingAverage(league, team, player);
    const Counter hits = league.Hits[team][player];
    const Counter entryYear = league.EntryYear[team][player];
    if (average >= 0.5) mark[0] = " 優";
    if (hits >= 80) mark[1] = " △";
    if (hits >= 100 && average >= 0.3) mark[1] = " ◎";
    if (hits >= 100 && average < 0.3) mark[0] = " ×";
    if (hits >= 300) mark[1] = " ◎";
    if (hits >= 1000) mark[1] = " 殿";
    if (league.CurrentYear - entryYear > 30) mark[2] = " 長";
    if (entryYear == 0) mark[2] = " 全";
    if (league.CurrentYear == entryYear + 1) mark[2] = " 新";
    return mark[0] + mark[1] + mark[2];
}

}  // namespace

std::string playersListTitle(const League& league, int team) {
    return league.TeamName[team] + "登録選手一覧表";
}

std::string playersListLine(const League& league, int team, int player) {
    return text::fixedColumn(text::toFullWidth(league.PlayerName[team][player]), 12) +
           text::formatNumber(league.Hits[team][player], "0000") + "/" +
           text::formatNumber(league.AtBats[team][player], "0000") +
           text::formatNumber(battingAverage(league, team, player) * 1000.0, "（打率 0000）") +
           text::formatNumber(league.EntryYear[team][player] + 1, "0000年度入団") +
           marks(league, team, player);
}

std::vector<std::string> playersListLines(const League& league, int team) {
    std::vector<std::string> lines;
    for (int player = 1; player <= kPlayers; ++player) {
        lines.push_back(playersListLine(league, team, player));
    }
    return lines;
}

}  // namespace zelvano
