#pragma once
// Reading the history from outside while a game may be writing it (zelvano-sim's show): the
// whole reading sees the history as it stood at one moment, never half a season, and nothing
// beside the file is created or changed, so it works in a folder that cannot be written too.
//
//   std::vector<std::string> passedOver;
//   const bool found = readHistorySnapshot(path, [&](SqliteDatabase& db) {
//       lines = HistoryReader(db, year).seasons();    // start afresh: it may run again
//   }, &passedOver);
//
// A game writing the history keeps its write-ahead log and the log's index beside it; those are
// read under SQLite's own locks. Without the index (a folder copied without it, or one the game
// cannot write), the file and its log are read from a private copy; with neither, the file
// alone. Either of these two readings is taken again when the files changed while it ran.

#include <functional>
#include <string>
#include <vector>

#include "season/history/sqlite_database.h"

namespace zelvano {

// Calls `read` inside one read transaction; it may be called more than once, and only the last
// call's reading counts. False, without calling it, when there is no history at `path` (no file,
// or an empty one). Throws HistoryProblem (history_file.h) when the file is not a regular file
// or would not hold still, and SqliteError for a damaged or foreign file. A log or index that is
// no regular file (a link, a FIFO) is passed over and named in `passedOver`.
bool readHistorySnapshot(const std::string& path, const std::function<void(SqliteDatabase&)>& read,
                         std::vector<std::string>* passedOver = nullptr);

}  // namespace zelvano
