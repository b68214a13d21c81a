#pragma once
// The program's main loop: load the league (or register a new one), play a season of twelve
// games a year until the user declines the next year, then say goodbye.
//
//   League league;
//   int status = RunLeague(league, platform);   // returns when the program is to end

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Lets zelvano-sim and the tests follow the league without a window.
class SeasonObserver {
public:
    virtual ~SeasonObserver() = default;
    // After every game, before the wait for "次へ"; gameNumber is 1..12 within the season.
    virtual void gamePlayed(const League& league, int gameNumber) = 0;
    // After the twelfth game's marks; champion is the season's champion team, 0 when none.
    virtual void seasonPlayed(const League& league, int champion) = 0;
};

// Returns the program's exit status: 0 after the goodbye or a confirmed forced quit.
int RunLeague(League& league, Platform& platform, SeasonObserver* observer = nullptr);

}  // namespace zelvano
