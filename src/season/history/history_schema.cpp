#include "season/history/history_schema.h"

#include <array>
#include <string>

#include "season/history/game_history_writer.h"
#include "season/history/season_record.h"

namespace zelvano {

namespace {

// "Zlvh": what tells our history from any other SQLite file of that name.
constexpr std::int64_t kApplicationId = 0x5A6C7668;

// Each table is keyed year first, so that a season's rows are written side by side at the end of
// each table and its commit touches the same few pages whatever the league's age. The indexes by
// player serve a player's career and transactions; the players of a season are the league's
// latest ids, so their entries lie together too. These are the tables of version 2, as it made
// them; every later version changes them by its migration, for a new history too.
constexpr const char* kVersion2Tables = R"sql(
CREATE TABLE beginning (year INTEGER PRIMARY KEY);
CREATE TABLE player (
    id INTEGER PRIMARY KEY, name TEXT NOT NULL, start_year INTEGER NOT NULL,
    start_team INTEGER NOT NULL, start_slot INTEGER NOT NULL, start_hits INTEGER NOT NULL,
    start_at_bats INTEGER NOT NULL, entry_year INTEGER NOT NULL);
CREATE INDEX player_by_start_year ON player (start_year);
CREATE TABLE season (
    year INTEGER PRIMARY KEY, champion INTEGER NOT NULL, champion_line TEXT NOT NULL,
    title_count TEXT NOT NULL, title_run TEXT NOT NULL, titles INTEGER NOT NULL,
    own_run INTEGER NOT NULL);
CREATE TABLE season_team (
    year INTEGER NOT NULL, team INTEGER NOT NULL, name TEXT NOT NULL, marks TEXT NOT NULL,
    wins INTEGER NOT NULL, losses INTEGER NOT NULL, average REAL NOT NULL,
    average_text TEXT NOT NULL,
    PRIMARY KEY (year, team)) WITHOUT ROWID;
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
CREATE INDEX move_by_player ON move (player_id, year);
CREATE INDEX move_by_other ON move (other_id, year);
CREATE INDEX move_hall_of_fame ON move (year, sequence) WHERE kind = 'retire' AND hall_of_fame = 1;
CREATE TABLE player_season (
    year INTEGER NOT NULL, team INTEGER NOT NULL, slot INTEGER NOT NULL,
    player_id INTEGER NOT NULL, hits INTEGER NOT NULL, at_bats INTEGER NOT NULL,
    PRIMARY KEY (year, team, slot)) WITHOUT ROWID;
CREATE INDEX player_season_by_player ON player_season (player_id, year);
CREATE TABLE roster (
    year INTEGER PRIMARY KEY, league_length INTEGER NOT NULL, league_hash INTEGER NOT NULL);
CREATE TABLE season_best (
    year INTEGER NOT NULL, kind INTEGER NOT NULL, team INTEGER NOT NULL, slot INTEGER NOT NULL,
    player_id INTEGER NOT NULL, hits INTEGER NOT NULL, at_bats INTEGER NOT NULL,
    PRIMARY KEY (year, kind, team, slot)) WITHOUT ROWID;
CREATE TABLE player_gap (
    player_id INTEGER NOT NULL, year INTEGER NOT NULL, hits INTEGER NOT NULL,
    at_bats INTEGER NOT NULL,
    PRIMARY KEY (player_id, year)) WITHOUT ROWID;
CREATE TABLE roster_slot (
    year INTEGER NOT NULL, team INTEGER NOT NULL, slot INTEGER NOT NULL,
    player_id INTEGER NOT NULL,
    PRIMARY KEY (year, team, slot)) WITHOUT ROWID;
)sql";

}  // namespace

void fillSeasonBest(SqliteDatabase& db, const std::string& yearCondition) {
    const auto fill = [&](int kind, const char* order, Counter minimumAtBats) {
        db.execute(("INSERT INTO season_best SELECT year, " + std::to_string(kind) +
                    ", team, slot, player_id, hits, at_bats FROM (SELECT *, row_number() OVER "
                    "(PARTITION BY year ORDER BY " +
                    order + ", player_id) AS place FROM player_season WHERE at_bats >= " +
                    std::to_string(minimumAtBats) + yearCondition +
                    ") WHERE place <= " + std::to_string(kSeasonBestPlaces))
                       .c_str());
    };
    fill(kBestAverageKind, kBestAverageOrder, kBestAverageAtBats);
    fill(kMostHitsKind, kMostHitsOrder, 0);
}

namespace {

void setVersion(SqliteDatabase& db, std::int64_t version) {
    db.execute(("PRAGMA user_version = " + std::to_string(version)).c_str());
}

// Version 1 kept one column per team, the roster's ids as one text and the season lines keyed
// by player, so that a season's lines lay scattered over the whole table. Every row is carried
// over as it was; a figure the first version kept only as text is read from it.
void migrateToVersion2(SqliteDatabase& db) {
    // Every table is set aside under its old name and made anew, so that the new tables are
    // exactly those a new history gets.
    db.execute(R"sql(
DROP INDEX player_season_by_year;
ALTER TABLE beginning RENAME TO beginning_v1;
ALTER TABLE player RENAME TO player_v1;
ALTER TABLE season RENAME TO season_v1;
ALTER TABLE mvp RENAME TO mvp_v1;
ALTER TABLE game RENAME TO game_v1;
ALTER TABLE move RENAME TO move_v1;
ALTER TABLE player_season RENAME TO player_season_v1;
ALTER TABLE roster RENAME TO roster_v1;
)sql");
    db.execute(kVersion2Tables);
    db.execute(R"sql(
INSERT INTO beginning SELECT year FROM beginning_v1;
INSERT INTO mvp SELECT year, position, line FROM mvp_v1;
INSERT INTO game SELECT year, number, team1, team2, runs1, runs2, innings, plate_appearances
    FROM game_v1;
INSERT INTO player SELECT id, name, start_year, start_team, start_slot, start_hits,
    start_at_bats, entry_year FROM player_v1;
INSERT INTO move SELECT year, sequence, kind, team, slot, player_id, name, hits, at_bats,
    entry_year, other_team, other_slot, other_id, other_name, other_hits, other_at_bats,
    hall_of_fame FROM move_v1;
INSERT INTO season SELECT year, champion, champion_line, title_count, title_run, titles, own_run
    FROM season_v1;
INSERT INTO season_team
    SELECT year, 1, name1, marks1, wins1, losses1, CAST(average1 AS REAL), average1 FROM season_v1
    UNION ALL
    SELECT year, 2, name2, marks2, wins2, losses2, CAST(average2 AS REAL), average2 FROM season_v1
    UNION ALL
    SELECT year, 3, name3, marks3, wins3, losses3, CAST(average3 AS REAL), average3 FROM season_v1;
INSERT INTO player_season SELECT year, team, slot, player_id, hits, at_bats
    FROM player_season_v1 ORDER BY year, team, slot;
INSERT INTO roster SELECT year, league_length, league_hash FROM roster_v1;
)sql");
    // The ids become rows. A text that does not read as the game wrote it gives no rows, and the
    // year's roster reads as unknown, as it did before.
    SqliteStatement rosters = db.prepare("SELECT year, ids FROM roster_v1 ORDER BY year");
    SqliteStatement slot = db.prepare(
        "INSERT INTO roster_slot (year, team, slot, player_id) VALUES (:year, :team, :slot, :id)");
    while (rosters.step()) {
        std::array<PlayerId, kTeams * kPlayers + 1> ids{};
        if (!parseRosterIds(rosters.text(1), ids)) continue;
        for (std::size_t at = 0; at < ids.size(); ++at) {
            const RosterPlace place = rosterPlace(at);
            slot.bind(":year", rosters.integer(0))
                .bind(":team", place.team)
                .bind(":slot", place.slot)
                .bind(":id", ids[at])
                .run();
        }
    }
    fillSeasonBest(db, "");
    db.execute(R"sql(
DROP TABLE beginning_v1; DROP TABLE mvp_v1; DROP TABLE game_v1; DROP TABLE player_v1;
DROP TABLE move_v1; DROP TABLE season_v1; DROP TABLE player_season_v1; DROP TABLE roster_v1;
)sql");
}

// Version 3 keeps every game's box score: the hits and the line of each side and how the game
// ended beside its runs (empty for the games before), each slot's batter and figures, the best
// single games of each season with the ten best of all time drawn from them, and the milestones.
// The best single games of the seasons before are found from their runs and innings, and the
// longest runs of titles from their champions.
constexpr const char* kVersion3Changes = R"sql(
ALTER TABLE game ADD COLUMN hits1 INTEGER;
ALTER TABLE game ADD COLUMN hits2 INTEGER;
ALTER TABLE game ADD COLUMN ended INTEGER;
ALTER TABLE game ADD COLUMN line1 TEXT;
ALTER TABLE game ADD COLUMN line2 TEXT;
CREATE TABLE game_batter (
    year INTEGER NOT NULL, number INTEGER NOT NULL, side INTEGER NOT NULL, slot INTEGER NOT NULL,
    player_id INTEGER NOT NULL, team_slot INTEGER NOT NULL, at_bats INTEGER NOT NULL,
    hits INTEGER NOT NULL,
    PRIMARY KEY (year, number, side, slot)) WITHOUT ROWID;
CREATE TABLE game_best (
    year INTEGER NOT NULL, kind INTEGER NOT NULL, number INTEGER NOT NULL, side INTEGER NOT NULL,
    slot INTEGER NOT NULL, value INTEGER NOT NULL,
    PRIMARY KEY (year, kind, number, side, slot)) WITHOUT ROWID;
CREATE TABLE milestone (
    year INTEGER NOT NULL, sequence INTEGER NOT NULL, game INTEGER NOT NULL, kind TEXT NOT NULL,
    team INTEGER NOT NULL, player_id INTEGER NOT NULL, name TEXT NOT NULL,
    value INTEGER NOT NULL,
    PRIMARY KEY (year, sequence)) WITHOUT ROWID;
CREATE INDEX milestone_title_run ON milestone (year) WHERE kind = 'title_run';
CREATE INDEX milestone_hall_of_fame ON milestone (player_id) WHERE kind = 'hall_of_fame';
CREATE INDEX game_best_every ON game_best (kind, year, number, side, slot) WHERE kind >= 5;
CREATE TABLE game_record (
    kind INTEGER NOT NULL, place INTEGER NOT NULL, year INTEGER NOT NULL,
    number INTEGER NOT NULL, side INTEGER NOT NULL, slot INTEGER NOT NULL,
    value INTEGER NOT NULL,
    PRIMARY KEY (kind, place)) WITHOUT ROWID;
)sql";

void migrateToVersion3(SqliteDatabase& db) {
    db.execute(kVersion3Changes);
    fillGameBest(db, "1");
    rankGameRecordsAnew(db);
    recordTitleRunsOfThePast(db);
}

struct Migration {
    std::int64_t to;  // the version the migration makes
    void (*run)(SqliteDatabase&);
};

// In order; the last one's version is kHistorySchemaVersion.
constexpr std::array<Migration, 2> kMigrations = {{{2, migrateToVersion2}, {3, migrateToVersion3}}};
static_assert(kMigrations.back().to == kHistorySchemaVersion);

constexpr std::int64_t kFirstVersion = 1;

}  // namespace

HistorySchemaState historySchemaState(SqliteDatabase& db) {
    if (db.single("SELECT count(*) FROM sqlite_master") == 0) return HistorySchemaState::Empty;
    const std::int64_t version = db.single("PRAGMA user_version");
    if (db.single("PRAGMA application_id") != kApplicationId || version < kFirstVersion) {
        throw SqliteError(SQLITE_NOTADB, "not a history of Zelvano");
    }
    if (version > kHistorySchemaVersion) return HistorySchemaState::Newer;
    return version < kHistorySchemaVersion ? HistorySchemaState::Older
                                           : HistorySchemaState::Current;
}

void createHistorySchema(SqliteDatabase& db) {
    SqliteTransaction transaction(db);
    db.execute(kVersion2Tables);
    db.execute(kVersion3Changes);
    db.execute(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    setVersion(db, kHistorySchemaVersion);
    transaction.commit();
}

void migrateHistory(SqliteDatabase& db) {
    for (const Migration& migration : kMigrations) {
        SqliteTransaction transaction(db);
        // Read again inside the transaction: another program may have migrated it meanwhile.
        if (db.single("PRAGMA user_version") >= migration.to) continue;
        migration.run(db);
        setVersion(db, migration.to);
        transaction.commit();
    }
}

}  // namespace zelvano
