#pragma once
// Loading the league at start-up and saving it after every season.
//
//   loadLeague(league, platform);   // or the registration wizard, when there is no league yet
//   ...
//   saveLeague(league, platform);   // the old file stays whole until the new one is complete

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Reads the game speed into GameWait, then the league file. Without a league file the
// registration wizard creates a new league. A damaged or unreadable file is never mistaken for
// a missing one: the player is told which file, which line and what is wrong, the file is left
// untouched, and the program ends (throws ProgramEnded).
void loadLeague(League& league, Platform& platform);

// Writes the league file. When that fails the player is told why and may try again; declining
// ends the program with the last completed season still in the file.
void saveLeague(League& league, Platform& platform);

}  // namespace zelvano
