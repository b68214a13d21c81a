#pragma once
// The tables of a league's history, and how a file is recognised as one.

#include "season/history/sqlite_database.h"

namespace zelvano {

inline constexpr const char* kHistoryFileName = "history.sqlite";

// Checks, without writing, that the database is a history this program can read: false for an
// empty database (no tables yet). Throws SqliteError: SQLITE_NOTADB for a file that is no
// history of Zelvano's or one of a newer program, and whatever SQLite says of a damaged or
// unreadable file.
bool checkHistorySchema(SqliteDatabase& db);

// Makes the tables in an empty database.
void createHistorySchema(SqliteDatabase& db);

}  // namespace zelvano
