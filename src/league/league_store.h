#pragma once
// Loading the league at start-up and saving it after every season.
//
//   loadLeague(league, platform);   // or the registration wizard, when there is no league yet
//   ...
//   saveLeague(league, platform);   // the old file stays whole until the new one is complete

#include <string>

#include "league/league.h"
#include "league/season_files.h"
#include "platform/platform.h"

namespace zelvano {

// Reads the game speed into GameWait, then the league file. Without a league file the
// registration wizard creates a new league. A damaged or unreadable file is never mistaken for
// a missing one: the player is told which file, which line and what is wrong, the file is left
// untouched, and the program ends (throws ProgramEnded).
void loadLeague(League& league, Platform& platform);

// The league file as a season's save writes it, made once: the history keeps its fingerprint to
// know the file again at the next start. A league its file cannot hold (a name that slipped past
// the name rule) has no bytes, only the reason, and the fingerprint of nothing.
struct LeagueFileToSave {
    std::string bytes;
    FileFingerprint fingerprint;
    std::string fault;  // in Japanese
};
LeagueFileToSave leagueFileToSave(const League& league);

// Writes the league file, with what the season changed beside it (season_commit.h). When that
// fails the player is told why and may try again; declining ends the program with the last
// completed season still in the file.
void saveLeague(League& league, Platform& platform, const LeagueFileToSave& file);
void saveLeague(League& league, Platform& platform);

}  // namespace zelvano
