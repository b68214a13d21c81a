#pragma once
// Opening the history file: for the game, to write it; for a look from outside (zelvano-sim's
// show), to read it without writing or creating anything, even while a game writes it.
//
//   SqliteDatabase db = openHistoryForWriting(path);       // throws SqliteError
//   std::optional<SqliteDatabase> shown = openHistoryForReading(path);

#include <optional>
#include <string>

#include "season/history/sqlite_database.h"

namespace zelvano {

// Opens or creates the history and makes its tables. Throws SqliteError when it cannot be
// written: SQLITE_READONLY for a file or folder without write permission.
SqliteDatabase openHistoryForWriting(const std::string& path);

// Nothing when there is no history there (no file, or an empty one). Throws SqliteError for a
// file that is no history, or is damaged.
std::optional<SqliteDatabase> openHistoryForReading(const std::string& path);

// Why the history could not be opened or written, in the player's words.
std::string historyProblemText(const SqliteError& error);

}  // namespace zelvano
