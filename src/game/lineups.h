#pragma once
// The computer's random lineups and the sort the user may ask for.
//
//   drawLineups(league, platform.random());   // both sides of the coming game
//   auto order = sortedByAverage(league);     // team 1's players, best average first

#include <array>

#include "league/league.h"
#include "platform/random_source.h"

namespace zelvano {

// Nine different players with hits for each side, in random order. A team with fewer than nine
// such players still gets a lineup that plays: its players with hits first, the remaining slots
// filled in turn from them again; with none at all, from its empty slots, who always make outs.
void drawLineups(League& league, RandomSource& random);

// A player whose career hits are 0 is away from his team (or an empty slot) and cannot play.
int eligiblePlayerCount(const League& league, int team);

// Fills slots filled+1..9 from slots 1..filled in turn: 1, 2, …, filled, 1, 2, …
void completeOrderFromStart(std::array<int, kBattingSlots + 2>& order, int filled);
void completeOrderFromStart(std::array<int, kBattingSlots + 1>& order, int filled);

// Team 1's player numbers sorted by batting average, best first, by the exchange procedure the
// batting-order window has always used (ties do not simply keep number order). Index 1..30.
std::array<int, kPlayers + 1> sortedByAverage(const League& league);

}  // namespace zelvano
