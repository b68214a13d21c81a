#pragma once
// The off-season's three trades: one player between each pair of teams, every year, drawn at
// random from all thirty slots (an empty slot or the major-league placeholder can be drawn too).

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

void makeTrades(League& league, Platform& platform);

}  // namespace zelvano
