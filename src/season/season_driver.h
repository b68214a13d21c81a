#pragma once
// The program's main loop: load the league (or register a new one), play a season of twelve
// games a year until the user declines the next year, then show the hall of fame and say
// goodbye.
//
//   League league;
//   int status = runLeague(league, platform);   // returns when the program is to end

#include "league/league.h"
#include "platform/platform.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/scoreboard_presenter.h"
#include "season/season_observer.h"

namespace zelvano {

// One year of the league: the year and its news, the twelve games with their lineups, and the
// season end. runLeague saves it and asks about the next year; a benchmark plays it alone.
class SeasonPlayer {
public:
    SeasonPlayer(League& league, Platform& platform, SeasonObserver* observer = nullptr,
                 LeagueHistory* history = nullptr);
    void playSeason();

private:
    void playOneGame(int gameNumber);

    League& league_;
    Platform& platform_;
    SeasonObserver* observer_;
    InformationPresenter
        information_;  // opened from the scoreboard's icon, closed by the season end
    ScoreboardPresenter events_;
};

// When the seasons played are committed: the league file with the hall of fame and the list,
// and the history, each commit ending at a season. The game commits every season, before the
// year question; zelvano-sim about once a second, since each commit waits for the disk. Seasons
// not committed yet stay in memory and go with a later one, and always with the last.
class CommitPacing {
public:
    virtual ~CommitPacing() = default;
    // Asked after every season, before the year question.
    virtual bool commitNow(const League& /*league*/) { return true; }
    // Once the seasons up to the league's year are in the files.
    virtual void committed(const League& /*league*/) {}
};

// Returns the program's exit status: 0 after the goodbye or a confirmed forced quit. With a
// history, every season is recorded in it before the league file is saved. Without a pacing,
// every season is committed.
int runLeague(League& league, Platform& platform, SeasonObserver* observer = nullptr,
              LeagueHistory* history = nullptr, CommitPacing* pacing = nullptr);

}  // namespace zelvano
