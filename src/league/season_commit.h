#pragma once
// A season is saved as one, though it lives in three files: the league file, the hall of fame
// and the scouting list. The league file's year is the truth.
//
// A season end only collects what it changes beside the league file (league.SeasonFiles).
// Saving then writes a journal of those changes with the new year, saves the league file (the
// moment the season counts as saved), writes the hall of fame and the list from the journal and
// removes it. The next start after an interruption finds the journal: when its year is the
// league file's, the season was saved and the journal is carried out; otherwise the season was
// not, and the journal is dropped, so the files are as the last saved season left them.
//
//   std::string problem = writeSeasonJournal(league, files);   // before the league file
//   ... the league file is saved ...
//   carryOutSeasonJournal(league, platform);                   // after it
//   finishInterruptedSeason(league, platform);                 // at start, once the league is read

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Writes the journal of league.SeasonFiles for league.CurrentYear, nothing when there are no
// changes. Returns the empty text on success, otherwise why it failed, in Japanese.
std::string writeSeasonJournal(League& league, FileStore& files);

// Writes the changes into the hall of fame and the list and removes the journal. What cannot be
// written is told to the player and stays in league.SeasonFiles and in the journal, to be tried
// again with the next season's save or at the next start.
void carryOutSeasonJournal(League& league, Platform& platform);

// At start, with the league file read: carries out or drops a journal an interruption left.
void finishInterruptedSeason(League& league, Platform& platform);

}  // namespace zelvano
