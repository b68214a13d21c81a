#pragma once
// The program's main loop: load the league (or register a new one), play a season of twelve
// games a year until the user declines the next year, then show the hall of fame and say
// goodbye.
//
//   League league;
//   int status = RunLeague(league, platform);   // returns when the program is to end

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"

namespace zelvano {

// Returns the program's exit status: 0 after the goodbye or a confirmed forced quit.
int RunLeague(League& league, Platform& platform, SeasonObserver* observer = nullptr);

}  // namespace zelvano
