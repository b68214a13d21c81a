#pragma once
// The tables of a league's history, and how a file is recognised as one.

#include "season/history/sqlite_database.h"

namespace zelvano {

inline constexpr const char* kHistoryFileName = "history.sqlite";

// Makes the tables in an empty database, or checks that the database is a history this program
// can write. Throws SqliteError: SQLITE_NOTADB for a file that is no history of Zelvano's or one
// of a newer program, and whatever SQLite says of a damaged or unreadable file.
void prepareHistorySchema(SqliteDatabase& db);

// Checks, without writing, that the database is a history this program can read. An empty
// database (no tables) is one with nothing in it: false.
bool checkHistorySchema(SqliteDatabase& db);

}  // namespace zelvano
