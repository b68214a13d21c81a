#pragma once
// The league folder belongs to one program at a time: a second game or zelvano-sim in the same
// folder would save over the first one's seasons.
//
//   takeLeagueFolder(platform);                // the game: loadLeague, after the opening demo
//   files->lockFolder(leagueFolderClaim());    // zelvano-sim, before it reads anything

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
// Where the folder itself cannot be locked (network file systems), this empty file is locked
// instead. It stays in the folder; the lock on it is what counts.
inline constexpr const char* kFolderLockName = ".zelvano-lock";

// The league folder's lock file, and what a save cut short may leave in the folder: a temporary
// of the league file, of the season's journal or of the hall of fame, or the scouting list's
// temporary "Z02mem.$$$".
FolderClaim leagueFolderClaim();

// Takes the league folder for this program and clears the leftovers of earlier saves. When
// another program holds it, or it cannot be taken, the player is told, nothing in the folder is
// touched, and the program ends (throws ProgramEnded{1}).
void takeLeagueFolder(Platform& platform);

}  // namespace zelvano
