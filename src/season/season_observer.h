#pragma once
// Lets zelvano-sim and the tests follow the league without a window.

#include "league/league.h"
#include "season/results_report.h"

namespace zelvano {

class SeasonObserver {
public:
    virtual ~SeasonObserver() = default;
    // After every game, before the wait for "次へ"; gameNumber is 1..12 within the season.
    virtual void gamePlayed(const League& league, int gameNumber) = 0;
    // At the season end, once the champion is known and the report filled, before the report
    // is shown and before the off-season's trades, loans, retirements and rookies.
    virtual void seasonPlayed(const League& league, int champion, const ResultsReport& report) = 0;
};

}  // namespace zelvano
