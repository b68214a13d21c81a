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
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "folder_store/unique_fd.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

// Calls `read` inside one read transaction; it may be called more than once, and only the last
// call's reading counts. False, without calling it, when there is no history at `path` (no file,
// or an empty one). Throws HistoryProblem (history_file.h) when the file is not a regular file
// or would not hold still, and SqliteError for a damaged or foreign file. A log or index that is
// no regular file (a link, a FIFO) is passed over and named in `passedOver`.
bool readHistorySnapshot(const std::string& path, const std::function<void(SqliteDatabase&)>& read,
                         std::vector<std::string>* passedOver = nullptr);

// The history opened for reading, for as long as a program that cannot write it keeps it open
// (the game with a history it may only read): chosen as readHistorySnapshot chooses, and, like
// it, making or changing nothing beside the file. Each read transaction sees one moment.
class ReadOnlyHistory {
public:
    // Nothing when there is no history at `path`. Throws as readHistorySnapshot does.
    static std::optional<ReadOnlyHistory> open(const std::string& path);
    ~ReadOnlyHistory();
    ReadOnlyHistory(ReadOnlyHistory&&) noexcept;
    ReadOnlyHistory& operator=(ReadOnlyHistory&&) noexcept;

    SqliteDatabase& db() { return db_; }

private:
    class PrivateCopy;
    ReadOnlyHistory(UniqueFd lock, std::unique_ptr<PrivateCopy> copy, SqliteDatabase db);
    // Held until the database is closed: closing any descriptor of the file would drop every
    // lock this program holds on it, SQLite's too.
    UniqueFd lock_;
    std::unique_ptr<PrivateCopy> copy_;  // the folder of a private copy, when it reads one
    SqliteDatabase db_;
};

}  // namespace zelvano
