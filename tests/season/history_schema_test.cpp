// The history's shape over the program's versions, and what its queries cost: a first-version
// file is carried forward once and shows exactly what the first version showed; a newer
// program's file is never changed; a season's commit touches the same few pages at any age; no
// query the game makes reads a whole table where an index fits.
#include "season/history/history_schema.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "season/history/game_history_reader.h"
#include "season/history/history_damage.h"
#include "season/history/history_file.h"
#include "season/history/history_reader.h"
#include "season/history/history_snapshot.h"
#include "season/history/history_writer.h"
#include "support/synthetic_seasons.h"
#include "support/temp_folder.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::SyntheticLeague;
using testing::TempFolder;

const fs::path kFirstVersion = fs::path(ZELVANO_TEST_DATA) / "history-v1";

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string shown(const fs::path& folder, const std::string& view) {
    const std::string command =
        std::string("'") + ZELVANO_SIM + "' --dir '" + folder.string() + "' show " + view;
    std::string printed;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return "(not run)";
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        printed.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) printed += "(failed)";
    return printed;
}

// The first version's league folder, copied where it may be changed.
void copyFirstVersion(const TempFolder& folder) {
    for (const char* name : {"Jbball.Jdt", "JBBall.Mei", "history.sqlite"}) {
        fs::copy_file(kFirstVersion / name, folder.folder() / name);
    }
}

std::int64_t versionOf(const fs::path& path) {
    SqliteDatabase db =
        SqliteDatabase::open(path.string(), SqliteDatabase::Mode::ReadOnlyImmutable);
    return db.single("PRAGMA user_version");
}

// What the first version's program printed of its history, kept beside the file; show records
// has since gained the records of single games, which its old games give without box scores.
const std::vector<std::string> kViews = {"history",    "transactions", "transactions 14", "records",
                                         "career 1 1", "career 2 5",   "career 3 12"};

std::string expected(const std::string& view) {
    std::string name = "show-" + view + ".txt";
    std::replace(name.begin(), name.end(), ' ', '-');
    return bytesOf(kFirstVersion / name);
}

TEST(HistorySchema, AFirstVersionHistoryIsReadAsItWasWithoutBeingChanged) {
    const TempFolder folder;
    copyFirstVersion(folder);
    for (const std::string& view : kViews) {
        EXPECT_EQ(shown(folder.folder(), view), expected(view)) << view;
    }
    EXPECT_EQ(bytesOf(folder.folder() / "history.sqlite"),
              bytesOf(kFirstVersion / "history.sqlite"));
    EXPECT_EQ(folder.entries().size(), 3u);
}

TEST(HistorySchema, AFirstVersionHistoryIsMigratedOnceAndShowsWhatItShowedBefore) {
    const TempFolder folder;
    copyFirstVersion(folder);
    const fs::path path = folder.folder() / "history.sqlite";
    openHistoryForWriting(path.string());
    EXPECT_EQ(versionOf(path), kHistorySchemaVersion);
    const std::string migrated = bytesOf(path);
    {
        SqliteDatabase again = openHistoryForWriting(path.string());
        EXPECT_EQ(historySchemaState(again), HistorySchemaState::Current);
    }
    EXPECT_EQ(bytesOf(path), migrated) << "a second open changed the history";
    for (const std::string& view : kViews) {
        EXPECT_EQ(shown(folder.folder(), view), expected(view)) << view;
    }
}

TEST(HistorySchema, AMigratedRosterGivesTheSamePlayersAsTheFirstVersionsText) {
    const TempFolder folder;
    copyFirstVersion(folder);
    const fs::path path = folder.folder() / "history.sqlite";
    std::optional<RosterIds> before;
    {
        SqliteDatabase original =
            SqliteDatabase::open(path.string(), SqliteDatabase::Mode::ReadOnlyImmutable);
        SqliteStatement query =
            original.prepare("SELECT ids FROM roster WHERE year = (SELECT max(year) FROM roster)");
        ASSERT_TRUE(query.step());
        before.emplace();
        ASSERT_TRUE(parseRosterIds(query.text(0), before->ids));
    }
    SqliteDatabase db = openHistoryForWriting(path.string());
    HistoryWriter writer(db);
    const std::optional<RosterIds> after = writer.rosterAt(30);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->ids, before->ids);
    EXPECT_EQ(HistoryReader(db, 30).playerAt(2, 5), before->ids[34]);
}

// A history of a program that knows more: a later version, with a table this one has never seen.
void makeNewer(const fs::path& path) {
    SqliteDatabase db = openHistoryForWriting(path.string());
    SyntheticLeague league;
    HistoryWriter writer(db);
    const HistoryBeginning beginning = league.beginning();
    writer.write(&beginning, {league.season(1), league.season(2)});
    db.execute(("CREATE TABLE coming_soon (year INTEGER); PRAGMA user_version = " +
                std::to_string(kHistorySchemaVersion + 1))
                   .c_str());
}

TEST(HistorySchema, ANewerProgramsHistoryIsToldAndNeverChanged) {
    const TempFolder folder;
    const fs::path path = folder.folder() / "history.sqlite";
    makeNewer(path);
    const std::string before = bytesOf(path);
    try {
        openHistoryForWriting(path.string());
        FAIL() << "a newer history was opened for writing";
    } catch (const HistoryProblem& problem) {
        EXPECT_EQ(problem.code, SQLITE_READONLY);
        EXPECT_NE(std::string(problem.what()).find("より新しいZelvano"), std::string::npos);
        EXPECT_NE(std::string(problem.what()).find(path.string()), std::string::npos);
    }
    EXPECT_EQ(bytesOf(path), before);
    // Read as far as this program understands it.
    std::vector<StoredSeason> seasons;
    EXPECT_TRUE(readHistorySnapshot(
        path.string(), [&](SqliteDatabase& db) { seasons = HistoryReader(db, 2).seasons(); }));
    EXPECT_EQ(seasons.size(), 2u);
    EXPECT_EQ(bytesOf(path), before);
}

TEST(HistorySchema, ATeamRowMissingOrOutsideTheThreeIsDamageOfItsYear) {
    struct Case {
        const char* what;
        const char* sql;
        const char* told;
    } const cases[] = {
        {"a team missing", "DELETE FROM season_team WHERE year = 2 AND team = 2",
         "2年目の記録が壊れています（チーム2の成績がありません）。"},
        {"a fourth team",
         "INSERT INTO season_team SELECT year, 4, name, marks, wins, losses, "
         "average, average_text FROM season_team WHERE year = 1 AND team = 3",
         "1年目の記録が壊れています（チームの番号が4です）。"},
        {"a team 0", "UPDATE season_team SET team = 0 WHERE year = 2 AND team = 1",
         "2年目の記録が壊れています（チームの番号が0です）。"},
    };
    for (const Case& c : cases) {
        SqliteDatabase db = openHistoryForWriting(":memory:");
        SyntheticLeague league;
        const HistoryBeginning beginning = league.beginning();
        HistoryWriter(db).write(&beginning, {league.season(1), league.season(2)});
        db.execute(c.sql);
        try {
            HistoryReader(db, 2).seasons();
            ADD_FAILURE() << c.what << ": not told";
        } catch (const HistoryDamage& damage) {
            EXPECT_STREQ(damage.what(), c.told) << c.what;
        }
    }
}

// The pages five seasons' commits add to the write-ahead log, a history of `seasons` seasons
// behind them.
std::int64_t pagesOfFiveSeasons(int seasons) {
    const TempFolder folder;
    const fs::path path = folder.folder() / "history.sqlite";
    SqliteDatabase db = openHistoryForWriting(path.string());
    db.execute("PRAGMA wal_autocheckpoint = 0");
    SyntheticLeague league;
    HistoryWriter writer(db);
    const HistoryBeginning beginning = league.beginning();
    writer.write(&beginning, {});
    for (int year = 1; year <= seasons; ++year) writer.write(nullptr, {league.season(year)});
    db.execute("PRAGMA wal_checkpoint(TRUNCATE)");
    for (int year = seasons + 1; year <= seasons + 5; ++year) {
        writer.write(nullptr, {league.season(year)});
    }
    const auto page = static_cast<std::int64_t>(db.single("PRAGMA page_size"));
    return (static_cast<std::int64_t>(fs::file_size(path.string() + "-wal")) - 32) / (page + 24);
}

TEST(HistoryCost, ASeasonsCommitTouchesTheSamePagesAtAnyAge) {
    // Five seasons each, so that a page split here or there does not decide. The first
    // version's season lines, keyed by player, touched more pages the older the league.
    const std::int64_t young = pagesOfFiveSeasons(30);
    const std::int64_t old = pagesOfFiveSeasons(500);
    EXPECT_LE(old * 2, young * 3) << "young " << young << ", old " << old;
    EXPECT_LE(old, 5 * 50);  // of which the box scores take about five
}

// A history in memory of `seasons` made-up seasons.
SqliteDatabase historyInMemory(int seasons) {
    SqliteDatabase db = openHistoryForWriting(":memory:");
    SyntheticLeague league;
    HistoryWriter writer(db);
    const HistoryBeginning beginning = league.beginning();
    writer.write(&beginning, {});
    for (int year = 1; year <= seasons; ++year) writer.write(nullptr, {league.season(year)});
    return db;
}

// Every query the reader and the writer make, with how SQLite runs it on a history of some age.
TEST(HistoryCost, NoQueryReadsAWholeTableOrSortsWhatAnIndexOrders) {
    SqliteDatabase db = historyInMemory(40);
    HistoryWriter writer(db);
    std::vector<std::string> queries;
    db.logStatements(&queries);
    const HistoryReader reader(db, 40);
    reader.knownSince();
    reader.missingYears();
    reader.seasons();
    reader.season(7);
    reader.mvpLines(7);
    reader.games(7);
    reader.moves();
    reader.moves(7);
    reader.moves(7, 2);
    reader.movesOf(reader.playerAt(2, 5));
    reader.career(reader.playerAt(1, 1));
    reader.records();
    writer.rosterAt(40);
    writer.latestYear();
    writer.seasonYears();
    writer.highestPlayerId();
    writer.dropAfter(40);
    const GameHistoryReader games(db, 40);
    games.game(7, 3);
    games.gameLog(reader.playerAt(1, 1), 7);
    games.records();
    games.milestones(8);
    db.logStatements(nullptr);

    // Sorting is allowed only for the few lines picked from a scan that reads every line it
    // ranks anyway, and for a player's transactions gathered from two indexes.
    const auto mayUseTempTree = [](const std::string& sql) {
        return sql.find("LIMIT ?3") != std::string::npos ||
               sql.find("LIMIT :limit") != std::string::npos ||
               sql.find("player_id = ?2 OR other_id = ?2") != std::string::npos;
    };
    std::set<std::string> looked;
    for (const std::string& sql : queries) {
        if (!looked.insert(sql).second) continue;
        if (sql.rfind("SELECT", 0) != 0 && sql.rfind("DELETE", 0) != 0) continue;
        SqliteStatement plan = db.prepare("EXPLAIN QUERY PLAN " + sql);
        std::string steps;
        while (plan.step()) steps += plan.text(3) + "\n";
        SCOPED_TRACE(sql + "\n" + steps);
        for (const std::string table :
             {"season", "season_team", "mvp", "game", "game_batter", "game_best", "milestone",
              "move", "player_season", "player", "roster", "beginning"}) {
            // SQLite says SCAN for a table read whole; a table read through a key is a SEARCH.
            // (The forty all-time best single games are read whole.)
            for (const char* end : {" ", "\n"}) {
                EXPECT_EQ(steps.find("SCAN " + table + end), std::string::npos) << table;
            }
        }
        if (!mayUseTempTree(sql)) {
            EXPECT_EQ(steps.find("TEMP B-TREE"), std::string::npos);
        }
    }
    EXPECT_GE(looked.size(), 20u);
}

TEST(HistoryCost, TheRecordsAreThoseTheWholeJoinGives) {
    SqliteDatabase db = historyInMemory(60);
    const HistoryRecords before = HistoryReader(db, 60).records();
    // The best line's player is gone: the next best takes its place, as the join gave it.
    db.execute(("DELETE FROM player WHERE id = " + std::to_string(before.mostHits[0].id)).c_str());
    const HistoryRecords after = HistoryReader(db, 60).records();
    ASSERT_EQ(after.mostHits.size(), before.mostHits.size());
    for (std::size_t at = 0; at < after.mostHits.size(); ++at) {
        EXPECT_NE(after.mostHits[at].id, before.mostHits[0].id);
    }
    EXPECT_EQ(after.mostHits[0].hits, before.mostHits[1].hits);
}

}  // namespace
}  // namespace zelvano
