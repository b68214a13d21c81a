#pragma once
// The league folder belongs to one program at a time: a second game or zelvano-sim in the same
// folder would save over the first one's seasons.
//
//   TakeLeagueFolder(platform);                          // the game, first thing at start-up
//   files->lockFolder(leagueFolderLeftovers());          // zelvano-sim, before it reads anything

#include "platform/file_store.h"
#include "platform/platform.h"

namespace zelvano {

// The files beside the league file. Each name is matched without regard to case; the second
// spelling is the one a file is created under when it is missing.
inline constexpr const char* kHallOfFameFileName = "Jbball.Mei";
inline constexpr const char* kHallOfFameAppendName = "JBBall.Mei";
inline constexpr const char* kScoutingListName = "Z02MEM.TXT";
// The list is rewritten through this file and then renamed over it.
inline constexpr const char* kScoutingListTemporary = "Z02mem.$$$";
// What a season end writes beside the league file, recorded before the league is saved, so that
// the next start can finish it (see season_commit.h).
inline constexpr const char* kSeasonJournalName = ".zelvano-season";

// What a save cut short may leave in the league folder: a temporary of the league file, or the
// scouting list's temporary "Z02mem.$$$".
Leftovers leagueFolderLeftovers();

// Takes the league folder for this program and clears the leftovers of earlier saves. When
// another program holds it, or it cannot be taken, the player is told, nothing in the folder is
// touched, and the program ends (throws ProgramEnded{1}).
void TakeLeagueFolder(Platform& platform);

}  // namespace zelvano
