#pragma once
// One season of the league as its history keeps it, collected in memory while the season is
// played and written at its end in one transaction; and what the history notes when it begins to
// know a league's players.

#include <array>
#include <string>
#include <vector>

#include "league/league.h"
#include "season/results_report.h"
#include "season/transaction.h"

namespace zelvano {

// Where a player stood at the end of a year, with his figures, so that the next start can tell
// that the league file is still the one the history knows. Team 0, slot 0 is the player away in
// the major leagues.
struct RosterEntry {
    int team = 0;
    int slot = 0;
    PlayerSnapshot player;
};

// The figures a player brought when the history first saw him, at the end of `year`.
struct PlayerStart {
    Counter year = 0;
    int team = 0;
    int slot = 0;
    PlayerSnapshot player;
};

// A player's hits and at-bats within one season, for the team he played it for.
struct SeasonLine {
    PlayerId id = 0;
    int team = 0;
    int slot = 0;
    Counter hits = 0;
    Counter atBats = 0;
};

struct GameLine {
    int number = 0;  // 1..12 within the season
    int team1 = 0;   // side 1, batting first
    int team2 = 0;
    int runs1 = 0;
    int runs2 = 0;
    int innings = 0;
    int plateAppearances = 0;
};

struct SeasonRecord {
    Counter year = 0;
    int champion = 0;
    std::array<std::string, kTeams> marks;  // the season marks of teams 1..3
    std::array<int, kTeams> wins{};
    std::array<int, kTeams> losses{};
    ResultsReport report;
    Counter titles = 0;    // the champion's title count, this one included
    Counter titleRun = 0;  // the own team's run of titles after the season
    std::vector<GameLine> games;
    std::vector<SeasonLine> lines;
    std::vector<Transaction> moves;
    std::vector<PlayerStart> newPlayers;  // the rookies
    std::vector<RosterEntry> roster;      // at the end of the season, as the league is saved
};

// The history knows the league's players from the season after `year`: their figures then and
// the rosters they stood in.
struct HistoryBeginning {
    Counter year = 0;
    std::vector<PlayerStart> players;
    std::vector<RosterEntry> roster;
};

// The league's rosters as they stand: every slot (an id of 0 where it holds no player) and the
// player away, when a loan runs.
std::vector<RosterEntry> rosterOf(const League& league);

}  // namespace zelvano
