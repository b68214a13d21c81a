#include "season/history/history_schema.h"

namespace zelvano {

namespace {

// "Zlvh": what tells our history from any other SQLite file of that name.
constexpr std::int64_t kApplicationId = 0x5A6C7668;
constexpr std::int64_t kSchemaVersion = 1;

constexpr const char* kTables = R"sql(
CREATE TABLE beginning (year INTEGER PRIMARY KEY);
CREATE TABLE player (
    id INTEGER PRIMARY KEY, name TEXT NOT NULL, start_year INTEGER NOT NULL,
    start_team INTEGER NOT NULL, start_slot INTEGER NOT NULL, start_hits INTEGER NOT NULL,
    start_at_bats INTEGER NOT NULL, entry_year INTEGER NOT NULL);
CREATE TABLE season (
    year INTEGER PRIMARY KEY, champion INTEGER NOT NULL,
    marks1 TEXT NOT NULL, marks2 TEXT NOT NULL, marks3 TEXT NOT NULL,
    wins1 INTEGER NOT NULL, losses1 INTEGER NOT NULL, wins2 INTEGER NOT NULL,
    losses2 INTEGER NOT NULL, wins3 INTEGER NOT NULL, losses3 INTEGER NOT NULL,
    champion_line TEXT NOT NULL, title_count TEXT NOT NULL, title_run TEXT NOT NULL,
    name1 TEXT NOT NULL, name2 TEXT NOT NULL, name3 TEXT NOT NULL,
    average1 TEXT NOT NULL, average2 TEXT NOT NULL, average3 TEXT NOT NULL,
    titles INTEGER NOT NULL, own_run INTEGER NOT NULL);
CREATE TABLE mvp (
    year INTEGER NOT NULL, position INTEGER NOT NULL, line TEXT NOT NULL,
    PRIMARY KEY (year, position)) WITHOUT ROWID;
CREATE TABLE game (
    year INTEGER NOT NULL, number INTEGER NOT NULL, team1 INTEGER NOT NULL,
    team2 INTEGER NOT NULL, runs1 INTEGER NOT NULL, runs2 INTEGER NOT NULL,
    innings INTEGER NOT NULL, plate_appearances INTEGER NOT NULL,
    PRIMARY KEY (year, number)) WITHOUT ROWID;
CREATE TABLE move (
    year INTEGER NOT NULL, sequence INTEGER NOT NULL, kind TEXT NOT NULL,
    team INTEGER NOT NULL, slot INTEGER NOT NULL, player_id INTEGER NOT NULL,
    name TEXT NOT NULL, hits INTEGER NOT NULL, at_bats INTEGER NOT NULL,
    entry_year INTEGER NOT NULL, other_team INTEGER NOT NULL, other_slot INTEGER NOT NULL,
    other_id INTEGER NOT NULL, other_name TEXT NOT NULL, other_hits INTEGER NOT NULL,
    other_at_bats INTEGER NOT NULL, hall_of_fame INTEGER NOT NULL,
    PRIMARY KEY (year, sequence)) WITHOUT ROWID;
CREATE TABLE player_season (
    player_id INTEGER NOT NULL, year INTEGER NOT NULL, team INTEGER NOT NULL,
    slot INTEGER NOT NULL, hits INTEGER NOT NULL, at_bats INTEGER NOT NULL,
    PRIMARY KEY (player_id, year)) WITHOUT ROWID;
CREATE INDEX player_season_by_year ON player_season (year);
CREATE TABLE roster (
    year INTEGER PRIMARY KEY, league_length INTEGER NOT NULL, league_hash INTEGER NOT NULL,
    ids TEXT NOT NULL);
)sql";

bool isEmpty(SqliteDatabase& db) { return db.single("SELECT count(*) FROM sqlite_master") == 0; }

void checkOurs(SqliteDatabase& db) {
    if (db.single("PRAGMA application_id") != kApplicationId) {
        throw SqliteError(SQLITE_NOTADB, "not a history of Zelvano");
    }
    if (db.single("PRAGMA user_version") > kSchemaVersion) {
        throw SqliteError(SQLITE_NOTADB, "a history of a newer Zelvano");
    }
}

}  // namespace

void createHistorySchema(SqliteDatabase& db) {
    SqliteTransaction transaction(db);
    db.execute(kTables);
    db.execute(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    db.execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    transaction.commit();
}

bool checkHistorySchema(SqliteDatabase& db) {
    if (isEmpty(db)) return false;
    checkOurs(db);
    return true;
}

}  // namespace zelvano
