// The history beside a league that is played, saved, interrupted and opened again: it never runs
// ahead of the league file, a forced quit records nothing, an old league's history begins with
// the next season, a history that cannot be written is told and the league plays and saves on,
// and after two hundred seasons every career adds up.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <map>
#include <set>

#include "folder_store/folder_file_store.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "season/history/history_file.h"
#include "season/history/history_snapshot.h"
#include "season/history/league_history.h"
#include "season/history/season_files_repair.h"
#include "season/season_driver.h"
#include "support/history_checks.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr const char* kTitle = "Zelvano／リーグの歴史";

// The seasons the history holds, read as it is on disk, beyond any league year.
std::vector<Counter> yearsOnDisk(const fs::path& path) {
    std::vector<Counter> years;
    readHistorySnapshot(path.string(), [&](SqliteDatabase& db) {
        years.clear();
        for (const StoredSeason& season : HistoryReader(db, kCounterLimit).seasons()) {
            years.push_back(season.year);
        }
    });
    return years;
}

std::vector<std::string> historyMessages(const testing::ScriptedUser& user) {
    std::vector<std::string> texts;
    for (const MessageRequest& request : user.asked) {
        if (request.title == kTitle) texts.push_back(request.text);
    }
    return texts;
}

// One run of the game on a league in memory, its history in `folder`: plays `seasons` seasons.
struct GameRun {
    testing::ScriptedRun run;
    LeagueHistory history;
    int status = -1;

    GameRun(const TempFolder& folder, const League& league, int seasons)
        : history((folder.folder() / "history.sqlite").string()) {
        run.files->files["Jbball.jdt"] = leagueFileBytes(league);
        testing::playLikeAManager(run);
        for (int season = 1; season < seasons; ++season) run.user.answers.push_back(Answer::Yes);
        run.user.answers.push_back(Answer::No);
    }
    CommitPacing* pacing = nullptr;  // every season when none
    int play() { return status = runLeague(run.league, *run.platform, nullptr, &history, pacing); }
};

TEST(HistoryRun, ASeasonWhoseSaveFailedIsNeverShownAndGoneAtTheNextStart) {
    const TempFolder folder;
    const fs::path path = folder.folder() / "history.sqlite";
    {
        GameRun first(folder, testing::testLeague(), 1);
        first.run.files->failReplaceWith = "ディスクがいっぱいです。";
        first.run.files->failOnly = "Jbball.jdt";
        first.run.files->replaceFailures = 1000;
        first.run.user.answers = {Answer::No};  // no retry: the program ends unsaved
        EXPECT_EQ(first.play(), 1);
        EXPECT_EQ(yearsOnDisk(path), (std::vector<Counter>{1}));  // committed before the save
    }
    // The league file's year is 0: nothing is shown, and the next start removes the season.
    EXPECT_TRUE(readHistorySnapshot(path.string(), [](SqliteDatabase& db) {
        EXPECT_TRUE(HistoryReader(db, 0).seasons().empty());
    }));
    GameRun second(folder, testing::testLeague(), 1);
    EXPECT_EQ(second.play(), 0);
    // Year 1 again, once, as this run played it.
    EXPECT_EQ(yearsOnDisk(path), (std::vector<Counter>{1}));
    // The first run's moves went with its season: three trades, not six.
    int trades = 0;
    for (const StoredMove& stored : second.history.reader()->moves(1)) {
        trades += stored.move.kind == TransactionKind::Trade ? 1 : 0;
    }
    EXPECT_EQ(trades, 3);
    testing::expectHistoryAddsUp(*second.history.reader(), second.run.league);
}

// Team 1 hits almost always and the rivals never: it wins the title and gets rookies, and its
// players retire into the hall of fame.
League winningLeague() {
    League league = testing::testLeague();
    for (int player = 1; player <= kPlayers; ++player) {
        league.Hits[1][player] = 999;
        league.AtBats[1][player] = 1000;
        league.Hits[2][player] = league.Hits[3][player] = 0;
    }
    return league;
}

TEST(HistoryRun, AForcedQuitInTheSeasonEndRecordsNothing) {
    const TempFolder folder;
    GameRun run(folder, winningLeague(), 1);
    const auto manage = run.run.user.onAct;
    bool quitAsked = false;
    run.run.user.onAct = [&](HeadlessPlatform& p) {
        HeadlessBattingOrderView* order = p.battingOrderView();
        if (order != nullptr && !order->closed && order->caption == "Zelvano／新人登録") {
            quitAsked = true;
            run.run.user.answers = {Answer::Yes};  // yes, quit without saving
            return order->closeByUser() || true;
        }
        return manage(p);
    };
    EXPECT_EQ(run.play(), 0);
    EXPECT_TRUE(quitAsked);
    EXPECT_TRUE(yearsOnDisk(folder.folder() / "history.sqlite").empty());
}

Counter leagueYear(const std::map<std::string, std::string>& files) {
    League league;
    EXPECT_TRUE(parseLeagueFile(files.at("Jbball.jdt"), league).ok);
    return league.CurrentYear;
}

// The start of a program on `files`, as runLeague makes it, up to the first season; the messages
// of the journal it found unusable.
std::vector<std::string> startOn(testing::MemoryFileStore& files, const fs::path* history) {
    testing::ScriptedRun start;
    start.files->files = files.files;
    loadLeague(start.league, *start.platform);
    std::optional<LeagueHistory> kept;
    std::optional<HistoryReader> reader;
    if (history != nullptr) {
        kept.emplace(history->string());
        kept->takeLeague(start.league, *start.platform);
        if (const std::optional<HistoryReader> opened = kept->reader()) reader.emplace(*opened);
    }
    completeSeasonFilesFromHistory(start.league, *start.platform, reader ? &*reader : nullptr);
    files.files = start.files->files;
    std::vector<std::string> told;
    for (const MessageRequest& request : start.user.asked) {
        if (request.title == "Zelvano／データ読込エラー") told.push_back(request.text);
    }
    return told;
}

TEST(HistoryRun, ADamagedJournalOfASavedSeasonIsCompletedFromTheHistory) {
    const TempFolder folder;
    const fs::path history = folder.folder() / "history.sqlite";
    std::string hallBefore = *text::encodeCp932("Ａ(1年度入団)【400安打】\r\n");
    std::string listBefore;
    for (int name = 1; name <= 20; ++name) {
        listBefore += *text::encodeCp932("スカウト" + std::to_string(name)) + "\r\n";
    }
    // Seasons are played until one both makes members and takes names; its files before and
    // after its save are what a stop in between would leave and what it should have left.
    std::map<std::string, std::string> saved;
    saved["Jbball.jdt"] = leagueFileBytes(winningLeague());
    saved["Jbball.Mei"] = hallBefore;
    saved["Z02MEM.TXT"] = listBefore;
    for (int season = 0; season < 10; ++season) {
        hallBefore = saved["Jbball.Mei"];
        listBefore = saved["Z02MEM.TXT"];
        GameRun played(folder, winningLeague(), 1);
        played.run.files->files = saved;
        ASSERT_EQ(played.play(), 0);
        saved = played.run.files->files;
        if (saved["Jbball.Mei"] != hallBefore && saved["Z02MEM.TXT"] != listBefore) break;
    }
    const std::string hallAfter = saved["Jbball.Mei"];
    const std::string listAfter = saved["Z02MEM.TXT"];
    ASSERT_NE(hallAfter, hallBefore);
    ASSERT_NE(listAfter, listBefore);
    const std::string year = std::to_string(leagueYear(saved)) + "年目";

    struct Case {
        const char* what;
        bool hallWritten, listWritten;  // before the stop
        bool withHistory;
        const char* told;
    };
    const Case cases[] = {
        {"stopped before the hall of fame", false, false, true, "人を書き加えました"},
        {"stopped before the list", true, false, true, "すでに載っていました"},
        {"stopped before the journal's removal", true, true, true, "ありませんでした"},
        {"without the history", false, false, false, "確かめられませんでした"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::MemoryFileStore files;
        files.files = saved;
        files.files["Jbball.Mei"] = c.hallWritten ? hallAfter : hallBefore;
        files.files["Z02MEM.TXT"] = c.listWritten ? listAfter : listBefore;
        files.files[".zelvano-season"] = "Zelvano season journal 2\nyear 3\nhalloffame - 4";
        const std::vector<std::string> told = startOn(files, c.withHistory ? &history : nullptr);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_NE(told[0].find(c.told), std::string::npos) << told[0];
        EXPECT_NE(told[0].find("「.zelvano-season.damaged-"), std::string::npos) << told[0];
        EXPECT_FALSE(files.exists(".zelvano-season"));
        if (c.withHistory) {
            EXPECT_EQ(files.files["Jbball.Mei"], hallAfter);
            EXPECT_EQ(files.files["Z02MEM.TXT"], listAfter);
        } else {
            // Nothing is guessed: the player learns which year and which files to look at.
            EXPECT_NE(told[0].find(year), std::string::npos);
            EXPECT_NE(told[0].find("「Jbball.Mei」"), std::string::npos);
            EXPECT_NE(told[0].find("「Z02MEM.TXT」"), std::string::npos);
            EXPECT_EQ(files.files["Jbball.Mei"], hallBefore);
            EXPECT_EQ(files.files["Z02MEM.TXT"], listBefore);
        }
        // The next start finds nothing more to do.
        const auto once = files.files;
        EXPECT_TRUE(startOn(files, c.withHistory ? &history : nullptr).empty());
        EXPECT_EQ(files.files, once);
    }
}

TEST(HistoryRun, AnOldLeagueBeginsItsHistoryWithTheNextSeasonAndSaysSo) {
    const TempFolder folder;
    League league = testing::testLeague();
    league.CurrentYear = 12;
    league.Hits[1][4] = 77;
    league.AtBats[1][4] = 200;
    GameRun run(folder, league, 2);
    EXPECT_EQ(run.play(), 0);
    const std::vector<std::string> told = historyMessages(run.run.user);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("13年目のシーズンから"), std::string::npos) << told[0];
    EXPECT_NE(told[0].find((folder.folder() / "history.sqlite").string()), std::string::npos);
    HistoryReader history = *run.history.reader();
    EXPECT_EQ(history.knownSince(), 12);
    EXPECT_TRUE(history.missingYears().empty());
    // The player who had 77 hits in 200 at-bats brought them as his start in year 12.
    int found = 0;
    for (PlayerId id = 1; id < run.run.league.NextPlayerId; ++id) {
        const std::optional<Career> career = history.career(id);
        if (career && career->start.player.hits == 77 && career->start.player.atBats == 200) {
            EXPECT_EQ(career->start.year, 12);
            ++found;
        }
    }
    EXPECT_EQ(found, 1);
    testing::expectHistoryAddsUp(history, run.run.league);

    // The next start knows everybody again, and says nothing more.
    GameRun again(folder, run.run.league, 1);
    EXPECT_EQ(again.play(), 0);
    EXPECT_TRUE(historyMessages(again.run.user).empty());
    testing::expectHistoryAddsUp(*again.history.reader(), again.run.league);
}

struct UnusableHistory {
    const char* name;
    std::string bytes;  // what lies in history.sqlite
};

std::string foreignDatabase() {
    const TempFolder scratch;
    const fs::path path = scratch.folder() / "other.sqlite";
    {
        SqliteDatabase db =
            SqliteDatabase::open(path.string(), SqliteDatabase::Mode::ReadWriteCreate);
        db.execute("CREATE TABLE recipes (name TEXT); INSERT INTO recipes VALUES ('curry')");
    }
    return scratch.contents("other.sqlite");
}

class HistoryThatCannotBeUsed : public ::testing::TestWithParam<UnusableHistory> {};

TEST_P(HistoryThatCannotBeUsed, IsToldWithItsPathLeftAloneAndTheLeagueIsSaved) {
    const TempFolder folder;
    folder.put("history.sqlite", GetParam().bytes);
    GameRun run(folder, testing::testLeague(), 2);
    EXPECT_EQ(run.play(), 0);
    const std::vector<std::string> told = historyMessages(run.run.user);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find((folder.folder() / "history.sqlite").string()), std::string::npos);
    EXPECT_NE(told[0].find("Zelvanoのリーグの歴史ではない"), std::string::npos) << told[0];
    EXPECT_TRUE(folder.contents("history.sqlite") == GetParam().bytes) << "the file was changed";
    League saved;
    ASSERT_TRUE(parseLeagueFile(run.run.files->files["Jbball.jdt"], saved).ok);
    EXPECT_EQ(saved.CurrentYear, 2);
}

INSTANTIATE_TEST_SUITE_P(Files, HistoryThatCannotBeUsed,
                         ::testing::Values(UnusableHistory{"Damaged", std::string(5000, 'x')},
                                           UnusableHistory{"Foreign", foreignDatabase()}),
                         [](const auto& each) { return std::string(each.param.name); });

// Plays one season on the folder's own files and tells what the player was told of the history.
// As root, whom permissions do not stop, it plays as the unprivileged user "nobody".
int playOneSeasonReadOnly(const TempFolder& folder) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        constexpr id_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
        testing::ScriptedUser user;
        auto platform =
            std::make_unique<HeadlessPlatform>(user, makeFolderFileStore(folder.folder()), 3u);
        testing::ScriptedRun manager;  // only for its manner of play
        testing::playLikeAManager(manager);
        user.onAct = manager.user.onAct;
        user.inputAfterwards = "新人";
        user.answers = {Answer::No};
        League league;
        LeagueHistory history;
        if (runLeague(league, *platform, nullptr, &history) != 0) ::_exit(3);
        // The history it could not write is still shown, its players known by their ids.
        const std::optional<HistoryReader> shown = history.reader();
        if (!shown || shown->seasons().size() != 1 || !shown->career(league.PlayerIds[2][1])) {
            ::_exit(5);
        }
        int told = 0;
        for (const MessageRequest& request : user.asked) {
            told += request.title == kTitle &&
                    request.text.find((folder.folder() / "history.sqlite").string()) !=
                        std::string::npos &&
                    request.text.find("書き込みが許されていない") != std::string::npos &&
                    request.text.find("これまでの歴史は「リーグの歴史」で見られます") !=
                        std::string::npos;
        }
        ::_exit(told == 1 ? 0 : 4);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(HistoryRun, AReadOnlyHistoryIsShownToldOnceAndTheSeasonIsMissingFromIt) {
    const TempFolder folder;
    folder.put("Jbball.Jdt", leagueFileBytes(testing::testLeague()));
    {
        GameRun first(folder, testing::testLeague(), 1);
        // Its own league file is in memory; the history is the folder's.
        EXPECT_EQ(first.play(), 0);
        folder.put("Jbball.Jdt", first.run.files->files["Jbball.jdt"]);
    }
    fs::permissions(folder.folder(), fs::perms::all);
    fs::permissions(folder.folder() / "Jbball.Jdt", fs::perms::all);
    fs::permissions(folder.folder() / "history.sqlite",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(playOneSeasonReadOnly(folder), 0);
    League saved;
    ASSERT_TRUE(parseLeagueFile(folder.contents("Jbball.Jdt"), saved).ok);
    EXPECT_EQ(saved.CurrentYear, 2);  // the league played and saved on
    EXPECT_TRUE(
        readHistorySnapshot((folder.folder() / "history.sqlite").string(), [&](SqliteDatabase& db) {
            HistoryReader history(db, saved.CurrentYear);
            EXPECT_EQ(history.seasons().size(), 1u);
            EXPECT_EQ(history.missingYears(), (std::vector<Counter>{2}));
        }));
}

TEST(HistoryRun, AfterTwoHundredSeasonsEveryCareerAddsUp) {
    testing::ScriptedRun run(21);
    run.files->files["Jbball.jdt"] = leagueFileBytes(testing::testLeague());
    testing::playLikeAManager(run);
    for (int season = 1; season < 200; ++season) run.user.answers.push_back(Answer::Yes);
    run.user.answers.push_back(Answer::No);
    LeagueHistory history(":memory:");
    ASSERT_EQ(runLeague(run.league, *run.platform, nullptr, &history), 0);
    ASSERT_EQ(run.league.CurrentYear, 200);
    HistoryReader reader = *history.reader();
    EXPECT_EQ(reader.seasons().size(), 200u);
    testing::expectHistoryAddsUp(reader, run.league, 1);
    // Every kind of move happened, so every kind was followed.
    std::set<TransactionKind> kinds;
    for (const StoredMove& stored : reader.moves()) kinds.insert(stored.move.kind);
    EXPECT_EQ(kinds.size(), 5u);
}

// A history that does not belong to the league file is kept whole beside it, never cut down: a
// league registered in this run (even one whose first file is the old league's first), a league
// file the history never saw, an older copy of the league's file. Only the one season a failed
// save leaves beyond the league file goes, as it is played again.
TEST(HistoryRun, AnotherLeaguesHistoryIsSetAsideWholeNeverDeleted) {
    struct Case {
        const char* what;
        std::function<League(const std::string& yearOne)> league;  // the next start's
        std::vector<Counter> kept;  // the history's years after the next start's season
    };
    const auto parsed = [](const std::string& bytes) {
        League league;
        EXPECT_TRUE(parseLeagueFile(bytes, league).ok);
        return league;
    };
    const Case cases[] = {
        {"a league registered in this run",
         [](const std::string&) {
             League league = testing::testLeague();
             league.RegisteredThisRun = true;
             return league;
         },
         {1}},
        {"a league file the history never saw",
         [&](const std::string& yearOne) {
             League league = parsed(yearOne);
             league.TeamName[2] = "XYZ";
             return league;
         },
         {2}},
        {"an older copy of the league file",
         [&](const std::string& yearOne) { return parsed(yearOne); },
         {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        std::string yearOne;
        {
            GameRun first(folder, testing::testLeague(), 1);
            ASSERT_EQ(first.play(), 0);
            yearOne = first.run.files->files["Jbball.jdt"];
            GameRun more(folder, parsed(yearOne), 2);
            ASSERT_EQ(more.play(), 0);
        }
        const League league = c.league(yearOne);
        GameRun next(folder, league, 1);
        next.run.league.RegisteredThisRun = league.RegisteredThisRun;
        ASSERT_EQ(next.play(), 0);
        EXPECT_EQ(yearsOnDisk(folder.folder() / "history.sqlite"), c.kept);

        std::vector<std::string> aside;
        for (const std::string& name : folder.entries()) {
            if (name.starts_with("history-years-1-3-set-aside-")) aside.push_back(name);
        }
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(yearsOnDisk(folder.folder() / aside[0]), (std::vector<Counter>{1, 2, 3}));
        const std::vector<std::string> told = historyMessages(next.run.user);
        ASSERT_FALSE(told.empty());
        EXPECT_NE(told[0].find((folder.folder() / aside[0]).string()), std::string::npos)
            << told[0];
    }
}

// A season the history could not record: a player his slot still holds (same name and entry
// year, figures that only grew) stays himself, with what he gained in it kept as a gap; the
// others begin anew; every career still adds up, and the player is told what happened.
TEST(HistoryRun, APlayerHisSlotStillHoldsKeepsHisIdentityAcrossAMissingSeason) {
    const TempFolder folder;
    std::string yearTwo;
    PerPlayer<PlayerId> before{};
    {
        GameRun first(folder, testing::testLeague(), 2);
        ASSERT_EQ(first.play(), 0);
        yearTwo = first.run.files->files["Jbball.jdt"];
        before = first.run.league.PlayerIds;
    }
    // Season 3 is played with no history at all.
    League yearThree;
    {
        testing::ScriptedRun unrecorded(5);
        unrecorded.files->files["Jbball.jdt"] = yearTwo;
        testing::playLikeAManager(unrecorded);
        unrecorded.user.answers = {Answer::No};
        ASSERT_EQ(runLeague(unrecorded.league, *unrecorded.platform, nullptr, nullptr), 0);
        ASSERT_TRUE(parseLeagueFile(unrecorded.files->files["Jbball.jdt"], yearThree).ok);
    }
    League yearTwoLeague;
    ASSERT_TRUE(parseLeagueFile(yearTwo, yearTwoLeague).ok);
    GameRun next(folder, yearThree, 1);
    ASSERT_EQ(next.play(), 0);
    const League& league = next.run.league;

    int kept = 0;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            const bool stayed =
                yearThree.PlayerName[team][slot] == yearTwoLeague.PlayerName[team][slot] &&
                !yearThree.PlayerName[team][slot].empty();
            if (!stayed) continue;
            // Whoever still stands where he stood keeps the id he had; season 4's moves may
            // have taken him elsewhere since.
            const auto& ids = league.PlayerIds;
            bool found = false;
            for (int t = 1; t <= kTeams; ++t) {
                for (int s = 1; s <= kPlayers; ++s)
                    found = found || ids[t][s] == before[team][slot];
            }
            kept += found ? 1 : 0;
        }
    }
    EXPECT_GT(kept, 60);
    const HistoryReader history = *next.history.reader();
    testing::expectHistoryAddsUp(history, league);
    // Those who kept their identity carry season 3 as a gap, between their recorded seasons.
    int withGap = 0;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            const std::optional<Career> career = history.career(league.PlayerIds[team][slot]);
            if (!career) continue;
            for (const CareerSeason& season : career->seasons) {
                EXPECT_EQ(season.year == 3, !season.recorded);
                withGap += season.recorded ? 0 : 1;
            }
        }
    }
    EXPECT_GT(withGap, 50);
    const std::vector<std::string> told = historyMessages(next.run.user);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("3年目のシーズンの記録がありません"), std::string::npos) << told[0];
    EXPECT_NE(told[0].find("これまでの歩みに続けて記録します"), std::string::npos) << told[0];
    EXPECT_EQ(told[0].find("Zelvanoで遊んだ"), std::string::npos);
}

// Commits after every n-th season, and after the last.
class EveryNth final : public CommitPacing {
public:
    explicit EveryNth(int n) : n_(n) {}
    bool commitNow(const League& /*league*/) override { return ++played_ % n_ == 0; }
    void committed(const League& league) override { commits.push_back(league.CurrentYear); }
    std::vector<Counter> commits;  // each one's last season

private:
    int n_, played_ = 0;
};

std::string scoutingList() {
    std::string list;
    for (int name = 1; name <= 300; ++name) {
        list += *text::encodeCp932("スカウト" + std::to_string(name)) + "\r\n";
    }
    return list;
}

// Every row of the history but the league file a roster names: of the seasons committed
// together, only the last one's was saved.
std::string historyRows(const fs::path& path) {
    std::string rows;
    readHistorySnapshot(path.string(), [&](SqliteDatabase& db) {
        rows.clear();
        SqliteStatement tables = db.prepare(
            "SELECT name, (SELECT group_concat('quote(' || name || ')', '||'',''||') FROM "
            "pragma_table_info(t.name) WHERE name NOT LIKE 'league%') FROM sqlite_master AS t "
            "WHERE type = 'table'");
        while (tables.step()) {
            SqliteStatement each =
                db.prepare("SELECT " + tables.text(1) + " FROM " + tables.text(0) + " ORDER BY 1");
            while (each.step()) rows += tables.text(0) + ' ' + each.text(0) + '\n';
        }
    });
    return rows;
}

TEST(HistoryRun, SeasonsCommittedTogetherLeaveWhatACommitOfEachLeaves) {
    const std::pair<int, std::vector<Counter>> cases[] = {
        {1, {1, 2, 3, 4, 5, 6, 7, 8}}, {3, {3, 6, 8}}, {INT_MAX, {8}}};
    std::optional<std::pair<std::map<std::string, std::string>, std::string>> first;
    for (const auto& [every, commits] : cases) {
        SCOPED_TRACE(every);
        const TempFolder folder;
        GameRun run(folder, winningLeague(), 8);
        run.run.files->files["Z02MEM.TXT"] = scoutingList();
        EveryNth pacing(every);
        run.pacing = &pacing;
        ASSERT_EQ(run.play(), 0);
        EXPECT_EQ(pacing.commits, commits);
        const auto left =
            std::pair(run.run.files->files, historyRows(folder.folder() / "history.sqlite"));
        if (!first) first = left;
        EXPECT_EQ(left, *first);
        // The next start knows the league file the last commit saved, and says nothing.
        GameRun next(folder, run.run.league, 1);
        ASSERT_EQ(next.play(), 0);
        EXPECT_TRUE(historyMessages(next.run.user).empty());
    }
}

// A commit of several seasons whose save failed leaves them all beyond the league file; a league
// file older than a later commit's is a copy, and the later years are set aside.
TEST(HistoryRun, TheSeasonsOfACommitWhoseSaveFailedAreDroppedNotSetAside) {
    for (const bool saveFails : {true, false}) {
        SCOPED_TRACE(saveFails);
        const TempFolder folder;
        GameRun first(folder, testing::testLeague(), 2);
        ASSERT_EQ(first.play(), 0);
        League yearTwo;
        ASSERT_TRUE(parseLeagueFile(first.run.files->files["Jbball.jdt"], yearTwo).ok);
        GameRun more(folder, yearTwo, 10);
        EveryNth pacing(5);  // years 3 to 7, then 8 to 12
        more.pacing = &pacing;
        if (saveFails) {
            more.run.files->failReplaceWith = "ディスクがいっぱいです。";
            more.run.files->replaceFailures = 1000;
            more.run.user.answers = {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes,
                                     Answer::No};  // no retry of the save
        }
        EXPECT_EQ(more.play(), saveFails ? 1 : 0);
        GameRun next(folder, yearTwo, 1);
        ASSERT_EQ(next.play(), 0);
        EXPECT_EQ(yearsOnDisk(folder.folder() / "history.sqlite"), (std::vector<Counter>{1, 2, 3}));
        EXPECT_EQ(historyMessages(next.run.user).size(), saveFails ? 0u : 1u);
    }
}

TEST(HistoryRun, ADamagedJournalOfSeveralSeasonsIsCompletedFromTheHistory) {
    const TempFolder folder;
    GameRun run(folder, winningLeague(), 6);
    run.run.files->files["Z02MEM.TXT"] = scoutingList();
    EveryNth pacing(INT_MAX);
    run.pacing = &pacing;
    ASSERT_EQ(run.play(), 0);
    // Members and rookies came in more than the last season.
    std::set<Counter> members, rookies;
    for (const StoredMove& stored : run.history.reader()->moves()) {
        if (stored.move.hallOfFame) members.insert(stored.year);
        if (stored.move.kind == TransactionKind::Rookie) rookies.insert(stored.year);
    }
    ASSERT_GE(std::min(members.size(), rookies.size()), 2u);

    // Stopped after the league file's save, before the hall of fame and the list.
    testing::MemoryFileStore files;
    files.files = run.run.files->files;
    files.files.erase("Jbball.Mei");
    files.files["Z02MEM.TXT"] = scoutingList();
    files.files[".zelvano-season"] = "Zelvano season journal 2\nyear 6";
    const fs::path history = folder.folder() / "history.sqlite";
    const std::vector<std::string> told = startOn(files, &history);
    EXPECT_EQ(files.files["Jbball.Mei"], run.run.files->files["Jbball.Mei"]);
    EXPECT_EQ(files.files["Z02MEM.TXT"], run.run.files->files["Z02MEM.TXT"]);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("1年目から6年目までのシーズン"), std::string::npos) << told[0];
}

}  // namespace
}  // namespace zelvano
