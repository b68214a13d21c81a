#pragma once
// Everything between the last game of a season and its saving: the champion and the results
// report, then the off-season in its fixed order: trades, the major-league loan, retirements,
// and rookies in a year the own team wins.
//
//   const int champion = ProcessSeasonEnd(league, platform, observer);
//   SaveLeague(league, platform);

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"

namespace zelvano {

// Returns the champion team.
int ProcessSeasonEnd(League& league, Platform& platform, SeasonObserver* observer = nullptr);

// Shows the report and waits until the player closes it.
void ShowResultsReport(Platform& platform, const ResultsReport& report);

}  // namespace zelvano
