// A history file changed from outside: every value the game never writes is damage of its year,
// told by the reader and once to the player, and never used as an index, a count or a bound;
// a season beyond the league's year is simply not shown.
#include "season/history/history_damage.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "league/league_file.h"
#include "season/history/game_history_reader.h"
#include "season/history/history_browser.h"
#include "season/history/history_file.h"
#include "season/history/history_schema.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/season_driver.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Three seasons the game wrote to the disk, played once for every case to copy.
struct WrittenHistory {
    TempFolder folder;
    League league;

    WrittenHistory() {
        testing::ScriptedRun run;
        {
            LeagueHistory history((folder.folder() / kHistoryFileName).string());
            run.files->files["Jbball.jdt"] = leagueFileBytes(testing::testLeague());
            testing::playLikeAManager(run);
            run.user.answers = {Answer::Yes, Answer::Yes, Answer::No};
            runLeague(run.league, *run.platform, nullptr, &history);
        }
        league = run.league;
    }

    // A copy of the history in `into`, with `sql` run on it; its path.
    std::string craft(const TempFolder& into, const std::string& sql) const {
        const fs::path path = into.folder() / kHistoryFileName;
        fs::copy_file(folder.folder() / kHistoryFileName, path);
        SqliteDatabase::open(path.string(), SqliteDatabase::Mode::ReadWriteCreate)
            .execute(sql.c_str());
        return path.string();
    }
};

const WrittenHistory& written() {
    static const WrittenHistory history;
    return history;
}

std::vector<PlayerId> playerIds(SqliteDatabase& db) {
    std::vector<PlayerId> ids;
    SqliteStatement query = db.prepare("SELECT id FROM player ORDER BY id");
    while (query.step()) ids.push_back(query.integer(0));
    return ids;
}

// Everything a window or zelvano-sim reads, in the order the window reads it.
void readEverything(const HistoryReader& history, const std::vector<PlayerId>& ids) {
    history.knownSince();
    history.missingYears();
    for (const StoredSeason& season : history.seasons()) {
        history.season(season.year);
        history.games(season.year);
        history.mvpLines(season.year);
        history.moves(season.year);
    }
    history.moves();
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) history.playerAt(team, slot);
    }
    for (const PlayerId id : ids) {
        history.career(id);
        history.movesOf(id);
    }
    history.records();
}

void browseEverything(const HistorySource& browser, const std::vector<PlayerId>& ids) {
    browser.knownSinceText();
    browser.champions();
    for (Counter year = 0; year <= 4; ++year) browser.season(year);
    for (const Counter year : browser.years()) browser.season(year);
    for (int team = 0; team <= kTeams; ++team) browser.transactions(team);
    for (const PlayerId id : ids) browser.career(id);
    browser.records();
    browser.teamAverages();
    for (int team = -1; team <= kTeams + 1; ++team) browser.teamName(team);
}

struct CraftedRow {
    const char* what;
    const char* sql;
    std::optional<std::int64_t> year;  // of the damage; none when the history reads as sound
    const char* problem;
};

const CraftedRow kCraftedRows[] = {
    {"champion 0", "UPDATE season SET champion = 0 WHERE year = 2", 2, "優勝チームの番号が0です"},
    {"champion 7", "UPDATE season SET champion = 7 WHERE year = 2", 2, "優勝チームの番号が7です"},
    {"champion -1", "UPDATE season SET champion = -1 WHERE year = 3", 3,
     "優勝チームの番号が-1です"},
    {"a game's team 4", "UPDATE game SET team2 = 4 WHERE year = 1 AND number = 5", 1,
     "後攻チームの番号が4です"},
    {"a move's team 9", "UPDATE move SET team = 9 WHERE year = 2 AND sequence = 1", 2,
     "チームの番号が9です"},
    {"a beginning two thousand million years back",
     "INSERT INTO beginning (year) VALUES (-2000000000)", -2000000000,
     "記録の始まりの年が-2000000000です"},
    {"a damaged season beyond the league's year",
     "UPDATE season SET year = 9, champion = 7 WHERE year = 3", std::nullopt, ""},
    {"a player id of 2^63-1",
     "UPDATE move SET player_id = 9223372036854775807 WHERE year = 2 AND sequence = 1", 2,
     "選手のIDが9223372036854775807です"},
    {"a negative hit count",
     "UPDATE player_season SET hits = -1 WHERE year = 3 AND player_id = "
     "(SELECT min(player_id) FROM player_season WHERE year = 3)",
     3, "安打数が-1です"},
    {"an unknown transaction kind", "UPDATE move SET kind = 'swap' WHERE year = 1", 1,
     "移籍の種類が「swap」です"},
    {"a long kind, told cut after forty whole characters",
     "UPDATE move SET kind = "
     "'あああああああああああああああああああああああああああああああああああああああああ' WHERE "
     "year = 1",
     1,
     "移籍の種類が「あああああああああああああああああああああああああああああああああああああああ"
     "あ」です"},
};

TEST(HistoryDamage, ARowTheGameNeverWritesIsDamageOfItsYearAndToldOnce) {
    const WrittenHistory& history = written();
    ASSERT_EQ(history.league.CurrentYear, 3);
    for (const CraftedRow& row : kCraftedRows) {
        SCOPED_TRACE(row.what);
        const TempFolder folder;
        SqliteDatabase db = SqliteDatabase::open(history.craft(folder, row.sql),
                                                 SqliteDatabase::Mode::ReadOnlyImmutable);
        const std::vector<PlayerId> ids = playerIds(db);
        const HistoryReader reader(db, history.league.CurrentYear);
        if (row.year) {
            try {
                readEverything(reader, ids);
                ADD_FAILURE() << "read as sound";
            } catch (const HistoryDamage& damage) {
                EXPECT_EQ(damage.year, *row.year);
                EXPECT_EQ(damage.code, SQLITE_CORRUPT);
                EXPECT_EQ(std::string(damage.what()), std::to_string(*row.year) +
                                                          "年目の記録が壊れています（" +
                                                          row.problem + "）。");
            }
        } else {
            EXPECT_NO_THROW(readEverything(reader, ids));
        }

        std::vector<std::string> told;
        const HistoryBrowser browser(history.league, reader,
                                     GameHistoryReader(db, history.league.CurrentYear),
                                     [&](const std::string& problem) { told.push_back(problem); });
        browseEverything(browser, ids);
        ASSERT_EQ(told.size(), row.year ? 1u : 0u) << (told.empty() ? "" : told[0]);
        if (row.year) {
            EXPECT_NE(told[0].find(row.problem), std::string::npos) << told[0];
        }
    }
}

// Everything of the games a window or zelvano-sim reads.
void readEveryGame(const GameHistoryReader& games, const std::vector<PlayerId>& ids,
                   Counter lastYear) {
    for (Counter year = 1; year <= lastYear; ++year) {
        for (int number = 1; number <= 12; ++number) games.game(year, number);
        games.milestones(year);
        for (const PlayerId id : ids) games.gameLog(id, year);
    }
    games.records();
}

const CraftedRow kCraftedGameRows[] = {
    {"an inning line that does not add up",
     "UPDATE game SET line1 = '9 9' WHERE year = 2 AND number = 3", 2,
     "試合のイニングごとの得点が「9 9」です"},
    {"an inning line that is no numbers",
     "UPDATE game SET line2 = '1 x' WHERE year = 1 AND number = 1", 1,
     "試合のイニングごとの得点が「1 x」です"},
    {"a batter missing",
     "DELETE FROM game_batter WHERE year = 1 AND number = 2 AND side = 2 AND slot = 4", 1,
     "試合2の打順が揃っていません"},
    {"a batter's hits that are not his side's",
     "UPDATE game_batter SET hits = hits + 1 WHERE year = 3 AND number = 12 AND side = 1 AND "
     "slot = 1",
     3, "試合12の打順が揃っていません"},
    {"a game that ended a fourth way", "UPDATE game SET ended = 5 WHERE year = 2 AND number = 9", 2,
     "試合の終わり方が5です"},
    {"an unknown milestone", "INSERT INTO milestone VALUES (2, 99, 1, 'perfect', 1, 0, 'x', 1)", 2,
     "記録の種類が「perfect」です"},
    {"a record's side 5",
     "UPDATE game_record SET side = 5, year = 1, number = 1 WHERE kind = 4 AND place = 1", 1,
     "記録の組が5です"},
    {"a game before box scores", "UPDATE game SET hits1 = NULL WHERE year = 2", std::nullopt, ""},
};

TEST(HistoryDamage, AGameRowTheGameNeverWritesIsDamageOfItsYear) {
    const WrittenHistory& history = written();
    for (const CraftedRow& row : kCraftedGameRows) {
        SCOPED_TRACE(row.what);
        const TempFolder folder;
        SqliteDatabase db = SqliteDatabase::open(history.craft(folder, row.sql),
                                                 SqliteDatabase::Mode::ReadOnlyImmutable);
        const GameHistoryReader games(db, history.league.CurrentYear);
        if (!row.year) {
            EXPECT_NO_THROW(readEveryGame(games, playerIds(db), history.league.CurrentYear));
            continue;
        }
        try {
            readEveryGame(games, playerIds(db), history.league.CurrentYear);
            ADD_FAILURE() << "read as sound";
        } catch (const HistoryDamage& damage) {
            EXPECT_EQ(damage.year, *row.year);
            EXPECT_NE(std::string(damage.what()).find(row.problem), std::string::npos)
                << damage.what();
        }
    }
}

// The next id is the highest plus one: an id the league never gives out is damage, not a
// number to count on from.
TEST(HistoryDamage, TheHighestPlayerIdIsOneTheLeagueGivesOut) {
    const struct {
        PlayerId id;
        bool damaged;
    } cases[] = {
        {INT64_MAX, true}, {kPlayerIdLimit + 1, true}, {kPlayerIdLimit, false}, {-5, true}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.id);
        const TempFolder folder;
        SqliteDatabase db = SqliteDatabase::open(
            written().craft(folder, "UPDATE player SET id = " + std::to_string(each.id) +
                                        " WHERE id = (SELECT max(id) FROM player)"),
            SqliteDatabase::Mode::ReadWriteCreate);
        SqliteStatement crafted = db.prepare("SELECT start_year FROM player WHERE id = ?");
        ASSERT_TRUE(crafted.bind(1, each.id).step());
        const std::int64_t startYear = crafted.integer(0);
        HistoryWriter writer(db);
        if (!each.damaged) {
            EXPECT_EQ(writer.highestPlayerId(), kPlayerIdLimit);
            continue;
        }
        try {
            writer.highestPlayerId();
            ADD_FAILURE() << "taken as the highest id";
        } catch (const HistoryDamage& damage) {
            EXPECT_EQ(damage.year, startYear);
            EXPECT_NE(std::string(damage.what()).find(std::to_string(each.id)), std::string::npos);
        }
    }
}

TEST(HistoryDamage, TheWindowShowsWhatItCanAndThePlayerHearsOnceWithThePath) {
    const TempFolder folder;
    const std::string path =
        written().craft(folder, "UPDATE season SET champion = 7 WHERE year = 2");
    testing::ScriptedRun run;
    run.league = written().league;
    LeagueHistory history(path);
    history.takeLeague(run.league, *run.platform);
    ASSERT_TRUE(run.user.asked.empty());
    InformationPresenter window(run.league, *run.platform, &history);
    window.openPlayersList();
    HeadlessInformationView& view = *run.platform->informationView();
    ASSERT_TRUE(view.selectTab(1));
    ASSERT_TRUE(view.pressHistory());
    ASSERT_NE(view.history, nullptr);
    EXPECT_EQ(run.user.asked.size(), 1u);  // as the window opens on the champions
    browseEverything(*view.history, {run.league.PlayerIds[1][1]});
    EXPECT_TRUE(view.history->champions().rows.empty());
    ASSERT_EQ(run.user.asked.size(), 1u);
    const MessageRequest& told = run.user.asked[0];
    EXPECT_EQ(told.title, "Zelvano／リーグの歴史");
    EXPECT_NE(told.text.find("「" + path + "」"), std::string::npos) << told.text;
    EXPECT_NE(told.text.find("2年目の記録が壊れています（優勝チームの番号が7です）。"),
              std::string::npos)
        << told.text;
}

// zelvano-sim reads the same rows: a damaged one is its one line of error, not a walk over two
// thousand million years.
TEST(HistoryDamage, ShowHistoryTellsADamagedRowOnOneLine) {
    const TempFolder folder;
    written().craft(folder, "INSERT INTO beginning (year) VALUES (-2000000000)");
    folder.put("Jbball.Jdt", leagueFileBytes(written().league));
    const fs::path errors =
        folder.folder().parent_path() / (folder.folder().filename().string() + ".err");
    const std::string command = std::string("'") + ZELVANO_SIM + "' --dir '" +
                                folder.folder().string() + "' show history >/dev/null 2>'" +
                                errors.string() + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(errors);
    const std::string printed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    fs::remove(errors);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_EQ(printed, "zelvano-sim: cannot read the history " +
                           (folder.folder() / kHistoryFileName).string() +
                           ": -2000000000年目の記録が壊れています（記録の始まりの年が-"
                           "2000000000です）。\n");
}

}  // namespace
}  // namespace zelvano
