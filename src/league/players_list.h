#pragma once
// The registered-players list: one team's thirty players, a line each, with hits, at-bats,
// average, first season and three mark columns (優劣:名球:履歴).
//
//   for (const std::string& line : playersListLines(league, 2)) list.append(line);

#include <string>
#include <vector>

#include "league/league.h"

namespace zelvano {

std::string playersListTitle(const League& league, int team);  // "…登録選手一覧表"
std::string playersListLine(const League& league, int team, int player);
std::vector<std::string> playersListLines(const League& league, int team);

}  // namespace zelvano
