#pragma once
// Writing the games of a season into the history: each game's line score and batting lines, the
// season's best single games for the all-time records, and the milestones its games reached.
// Part of the season's one transaction.
//
//   GameHistoryWriter games(db);
//   games.write(season);   // after the season's row, before its transaction ends

#include <optional>
#include <string>

#include "season/history/season_record.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

// The single-game records each season keeps its best games for: the ten best of the first four
// kinds, every game of the last two.
enum class GameBestKind : int {
    BatterHits = 1,  // side and slot of the batter, his hits
    TeamRuns = 2,    // the side, its runs
    Margin = 3,      // the winning side, its margin
    Innings = 4,     // the game's innings
    NoHitter = 5,    // the side without a hit
    Shutout = 6,     // the side without a run, the other side's runs
};
inline constexpr int kGameBestPlaces = 10;

// Keeps the best games of every season whose rows meet `where` (SQL, as "year = 7" or "1").
void fillGameBest(SqliteDatabase& db, const std::string& where);

// The ten best of all time of each of the first four kinds are kept apart, so that the records
// read forty rows rather than every season's best. Ranked anew from every season's best, for a
// history whose seasons were removed or brought forward.
void rankGameRecordsAnew(SqliteDatabase& db);
// Ranks the seasons after `year` anew when the ten best hold a game of one of them.
void rankGameRecordsAfterRemoving(SqliteDatabase& db, Counter year);

// For a history that kept no milestones yet: each season whose champion made the longest run of
// titles the history had seen, told as the milestone the game would have told.
void recordTitleRunsOfThePast(SqliteDatabase& db);

// The word a milestone's kind is kept as.
const char* milestoneWord(MilestoneKind kind);

// "0 1 0 3", the runs of each inning, and back.
std::string inningRunsText(const std::vector<int>& runs);
std::optional<std::vector<int>> parseInningRuns(const std::string& text);

class GameHistoryWriter {
public:
    explicit GameHistoryWriter(SqliteDatabase& db) : db_(db) {}
    void write(const SeasonRecord& season);

private:
    void writeGame(Counter year, const GameLine& game);
    void writeMilestones(const SeasonRecord& season);
    // Merges the season's best games into the ten best of all time.
    void rankGameRecords(Counter year);
    // The champion's run of titles ending with `year`, within the seasons the history holds.
    int titleRunEndingIn(Counter year, int champion);
    SqliteStatement& statement(std::optional<SqliteStatement>& kept, const char* sql);

    SqliteDatabase& db_;
    std::optional<SqliteStatement> game_, batter_, milestone_, reachedBefore_, ranked_, placed_;
};

}  // namespace zelvano
