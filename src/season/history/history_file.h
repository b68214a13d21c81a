#pragma once
// Opening the history file for the game, to write it. The file and the three SQLite keeps beside
// it (the rollback journal, the write-ahead log and its index) are taken only as regular files in
// the league folder: a link could lead SQLite to create, change or delete files elsewhere, and a
// FIFO in the journal's place would hold the game at its open for ever.
//
//   checkHistoryFiles(path);                           // throws HistoryProblem
//   SqliteDatabase db = openHistoryForWriting(path);   // throws SqliteError
//
// Reading it from outside, while a game may write it, is history_snapshot.h.

#include <array>
#include <string>

#include "season/history/sqlite_database.h"

namespace zelvano {

// A problem with the history that is told in the player's words, as they stand in what().
struct HistoryProblem : SqliteError {
    HistoryProblem(int result, const std::string& words) : SqliteError(result, words) {}
};

// The history file and, beside it, the names SQLite gives its rollback journal, write-ahead log
// and the log's index, in that order.
std::array<std::string, 4> historyFileNames(const std::string& path);

enum class HistoryFileKind { Missing, Regular, Other };
// What stands at `path`, without following a link: a link of any kind is Other.
HistoryFileKind historyFileKind(const std::string& path);

// Throws HistoryProblem (SQLITE_CANTOPEN), naming the file in full, when any of the four names
// holds anything but a regular file: a link, a folder, a FIFO, a device.
void checkHistoryFiles(const std::string& path);

// Opens or creates the history and makes its tables; an older program's history is migrated to
// this version. Throws SqliteError when it cannot be written: SQLITE_READONLY for a file or
// folder without write permission, HistoryProblem for a name taken by something that is no
// regular file, and HistoryProblem (SQLITE_READONLY) for a newer program's history, which is
// left unchanged.
SqliteDatabase openHistoryForWriting(const std::string& path);

// Why the history could not be opened or written, in the player's words.
std::string historyProblemText(const SqliteError& error);

// Makes the folder's new and removed names durable; a failure leaves them as the system keeps
// them, which is no worse than before.
void syncFolderOf(const std::string& path);

}  // namespace zelvano
