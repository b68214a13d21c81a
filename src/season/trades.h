#pragma once
// The off-season's three trades: one player between each pair of teams, every year, drawn at
// random from all thirty slots (an empty slot or the major-league placeholder can be drawn too).

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"

namespace zelvano {

// Each trade is told to the observer, when there is one.
void makeTrades(League& league, Platform& platform, SeasonObserver* observer = nullptr);

}  // namespace zelvano
