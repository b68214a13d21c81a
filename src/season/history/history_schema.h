#pragma once
// The tables of a league's history, how a file is recognised as one, and how a file of an older
// program is brought forward. `PRAGMA user_version` is the history's version: each version after
// the first has one migration, run in its own transaction, so a file of any older version is
// carried forward a step at a time and never left between two.
//
//   switch (historySchemaState(db)) {
//       case HistorySchemaState::Empty: createHistorySchema(db); break;
//       case HistorySchemaState::Older: migrateHistory(db); break;
//       ...
//   }

#include <cstdint>
#include <string>

#include "season/history/sqlite_database.h"

namespace zelvano {

inline constexpr const char* kHistoryFileName = "history.sqlite";

// The version this program writes.
inline constexpr std::int64_t kHistorySchemaVersion = 3;

enum class HistorySchemaState {
    Empty,    // no tables yet
    Current,  // written by this program's version
    Older,    // an older program's history: migrateHistory brings it forward
    Newer,    // a newer program's: its tables may hold what this one knows nothing of
};

// Reads, without writing, what the database holds. Throws SqliteError: SQLITE_NOTADB for a file
// that is no history of Zelvano's, and whatever SQLite says of a damaged or unreadable file.
HistorySchemaState historySchemaState(SqliteDatabase& db);

// Each season keeps its best lines of each kind the all-time records rank, so that the records
// read a few lines a season instead of every line: a line among the ten best of all time is
// among the ten best of its season, as fewer than ten lines of any season rank above it.
inline constexpr int kSeasonBestPlaces = 10;
inline constexpr int kBestAverageKind = 0;
inline constexpr int kMostHitsKind = 1;
// Averages compared as fractions, so that equal ones tie exactly; then the longer season.
inline constexpr const char* kBestAverageOrder = "hits * 1.0 / at_bats DESC, at_bats DESC";
inline constexpr const char* kMostHitsOrder = "hits DESC";
// A season's average counts among the best from this many at-bats: like the professional
// leagues' 3.1 plate appearances a game, over a team's eight games.
inline constexpr std::int32_t kBestAverageAtBats = 25;

// Keeps the best lines of every season of player_season that meets `yearCondition` (SQL that
// follows "WHERE at_bats >= n", as " AND year = 7"; empty for every season).
void fillSeasonBest(SqliteDatabase& db, const std::string& yearCondition);

// Makes the tables of the present version in an empty database.
void createHistorySchema(SqliteDatabase& db);

// Brings an older history to the present version, one migration per transaction. Throws
// SqliteError, the migration under way rolled back; the ones before it stay done.
void migrateHistory(SqliteDatabase& db);

}  // namespace zelvano
