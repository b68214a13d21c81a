#pragma once
// In a year the own team wins the title, one to three rookies join it. Each is named from the
// top of the scouting list "Z02MEM.TXT" or, when the list is missing or used up, by the player;
// the player then picks the own slot he takes, in the batting-order window.
//
//   if (champion == 1) addRookies(league, platform);

#include <string>

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"

namespace zelvano {

// Each rookie, a new player, is told to the observer, when there is one.
void addRookies(League& league, Platform& platform, SeasonObserver* observer = nullptr);

// Takes the first name off the scouting list; empty when there is none. Rookie rookieNumber of
// rookieCount is told about it when a line was taken. The list file keeps the name until the
// league is saved with the rookie (league.SeasonFiles holds what is left of it until then), so a
// season that is never saved takes no name off it.
std::string takeScoutedName(League& league, Platform& platform, int rookieNumber, int rookieCount);

// The own slot 1..30 the player picks for a rookie; any slot can be picked.
int chooseRookieSlot(League& league, Platform& platform);

// A rookie's hits: the whole part of r × 7 + 9, so 9 to 15 (never 16, which single precision
// could round up to for r close to 1).
int rookieHits(float r);

}  // namespace zelvano
