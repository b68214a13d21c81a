#pragma once
// A season journal found unusable at start (damaged, or something other than a readable file in
// its place) was moved aside by the league layer, which cannot read the history. Here the saved
// season, with those committed together with it, is completed from what the league's history
// recorded of them: their hall-of-fame members are added to the hall of fame unless it already
// ends with them, and the names their rookies took come off the top of the scouting list. The
// player is told all of it in one message.
//
//   loadLeague(league, platform);
//   history.takeLeague(league, platform);
//   std::optional<HistoryReader> reader = history.reader();
//   completeSeasonFilesFromHistory(league, platform, reader ? &*reader : nullptr);

#include "league/league.h"
#include "platform/platform.h"
#include "season/history/history_reader.h"

namespace zelvano {

// Does nothing unless league.UnusableSeasonJournal is set; clears it. Without a history, or
// when the history holds no season of that year, nothing is changed and the player is told which
// year's hall-of-fame members and rookie names could not be checked, and in which files.
void completeSeasonFilesFromHistory(League& league, Platform& platform,
                                    const HistoryReader* history);

}  // namespace zelvano
