#pragma once
// Everything between the last game of a season and its saving: the champion and the results
// report, then the off-season in its fixed order: trades, the major-league loan, retirements,
// and rookies in a year the own team wins.
//
//   const int champion = processSeasonEnd(league, platform, observer);
//   saveLeague(league, platform);

#include "league/league.h"
#include "platform/platform.h"
#include "season/information_presenter.h"
#include "season/season_observer.h"

namespace zelvano {

// Closes the information window first, when one is given and open. Returns the champion team.
int processSeasonEnd(League& league, Platform& platform, SeasonObserver* observer = nullptr,
                     InformationPresenter* information = nullptr);

// Shows the report in the game's language and waits until the player closes it.
void showResultsReport(Platform& platform, const ResultsReport& report);

}  // namespace zelvano
