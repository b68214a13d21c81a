#pragma once
// Reading the games the history kept: a game's box score, a player's games of a season, the
// records of single games and the milestones of a season. Like HistoryReader, nothing beyond the
// league file's year is shown, and every value is checked as it is read (HistoryDamage).
//
//   GameHistoryReader games(db, league.CurrentYear);
//   if (std::optional<StoredGame> game = games.game(30, 7); game && game->line.boxed) ...

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "season/history/season_record.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

struct StoredGame {
    Counter year = 0;
    GameLine line;                                                  // with its box, if kept
    std::array<std::string, 2> teamNames;                           // [side - 1], of that year
    std::array<std::array<std::string, kBattingSlots>, 2> batters;  // names, [side - 1][slot - 1]
};

// A player's line in one game of his season.
struct GameLogLine {
    int number = 0;  // the game of the season
    int team = 0;
    int opponent = 0;
    int slot = 0;  // where he batted; the first, should he have batted in two
    Counter atBats = 0;
    Counter hits = 0;
    int runsFor = 0;
    int runsAgainst = 0;
    bool won = false;
};

// One line of a single-game record: the game, the team it speaks of and, for a batter's
// record, the batter.
struct SingleGameMark {
    Counter year = 0;
    int number = 0;
    int team = 0;
    std::string teamName;  // of that year
    int opponent = 0;
    PlayerId id = 0;
    std::string name;
    Counter value = 0;  // hits, runs, the margin or the innings
    int runsFor = 0, runsAgainst = 0;
};

struct GameRecords {
    std::vector<SingleGameMark> mostHits;        // by a batter in a game
    std::vector<SingleGameMark> mostRuns;        // by a team in a game
    std::vector<SingleGameMark> widestWins;      // the winner, by its margin
    std::vector<SingleGameMark> longestGames;    // the team batting first, by innings
    std::vector<SingleGameMark> noHitters;       // every game a team had no hit, that team
    std::int64_t shutoutCount = 0;               // games in which a team scored no run
    std::vector<SingleGameMark> latestShutouts;  // the team held scoreless, latest first
};

class GameHistoryReader {
public:
    GameHistoryReader(SqliteDatabase& db, Counter lastYear) : db_(db), lastYear_(lastYear) {}

    std::optional<StoredGame> game(Counter year, int number) const;
    // In the order of the games; a player who batted in two slots of one game has one line.
    std::vector<GameLogLine> gameLog(PlayerId id, Counter year) const;
    GameRecords records() const;
    std::vector<Milestone> milestones(Counter year) const;

private:
    // The lines of `kind` in `table` (game_best or game_record), the first `limit` by `order`.
    std::vector<SingleGameMark> marks(const std::string& table, int kind, const std::string& order,
                                      int limit) const;

    SqliteDatabase& db_;
    Counter lastYear_;
};

}  // namespace zelvano
