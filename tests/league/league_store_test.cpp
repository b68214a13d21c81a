#include "league/league_store.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "league/league_file.h"
#include "platform/folder_file_store.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

using Store = testing::ScriptedRun;

TEST(LoadLeague, ReadsTheGameSpeedAndTheLeague) {
    Store store;
    League saved = testing::testLeague();
    saved.CurrentYear = 12;
    store.files->files["Jbball.jdt"] = leagueFileBytes(saved);
    store.platform->settings().write("ZWait", "20");
    LoadLeague(store.league, *store.platform);
    EXPECT_EQ(store.league.GameWait, 14);
    EXPECT_EQ(store.league.CurrentYear, 12);
    EXPECT_EQ(store.league.TeamName[2], "DEF");
    EXPECT_TRUE(store.user.asked.empty());
}

TEST(LoadLeague, ADamagedLeagueIsReportedLeftAloneAndEndsTheProgram) {
    League saved = testing::testLeague();
    const std::string good = leagueFileBytes(saved);
    const std::string cut = good.substr(0, good.size() / 2);
    std::string letters = good;
    letters.replace(letters.find(" 10 "), 4, " 1O ");
    for (const std::string& bytes : {cut, letters}) {
        Store store;
        store.files->files["Jbball.jdt"] = bytes;
        EXPECT_THROW(LoadLeague(store.league, *store.platform), ProgramEnded);
        ASSERT_EQ(store.user.asked.size(), 1u);
        EXPECT_NE(store.user.asked[0].text.find("Jbball.jdt"), std::string::npos);
        EXPECT_NE(store.user.asked[0].text.find("行目"), std::string::npos);
        EXPECT_EQ(store.platform->wizardViewsCreated, 0);  // never mistaken for a new league
        EXPECT_EQ(store.files->files["Jbball.jdt"], bytes);
    }
}

TEST(SaveLeague, AFailedSaveIsReportedAndMayBeTriedAgain) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        Store store;
        store.files->files["Jbball.jdt"] = "old";
        store.files->failReplaceWith = "ディスクの空き容量が足りません。";
        store.files->replaceFailures = 1;
        store.user.answers = {answer};
        store.league = testing::testLeague();
        if (answer == Answer::Yes) {
            SaveLeague(store.league, *store.platform);
            EXPECT_EQ(store.files->files["Jbball.jdt"], leagueFileBytes(store.league));
        } else {
            EXPECT_THROW(SaveLeague(store.league, *store.platform), ProgramEnded);
            EXPECT_EQ(store.files->files["Jbball.jdt"], "old");
        }
        ASSERT_EQ(store.user.asked.size(), 1u);
        EXPECT_EQ(store.user.asked[0].title, "Zelvano／保存エラー");
        EXPECT_NE(store.user.asked[0].text.find("ディスクの空き容量が足りません。"),
                  std::string::npos);
    }
}

// The program on a folder of the disk, for what the player is told about it.
struct FolderRun {
    testing::TempFolder dir;
    testing::ScriptedUser user;
    HeadlessPlatform platform;
    League league;

    explicit FolderRun(const std::filesystem::path& sub = {}, FileSystemCalls calls = {})
        : platform(user, makeFolderFileStore(dir.folder() / sub, std::move(calls)), 1u) {}

    // The status the program ends with, after one message.
    template <typename Step>
    int endStatus(Step step) {
        try {
            step();
        } catch (const ProgramEnded& ended) {
            EXPECT_EQ(user.asked.size(), 1u);
            return ended.status;
        }
        ADD_FAILURE() << "the program went on";
        return 0;
    }
    bool says(const std::string& part) const {
        return !user.asked.empty() && user.asked.back().text.find(part) != std::string::npos;
    }
};

TEST(LoadLeague, AFolderInUseOrUnusableIsReportedLeftAloneAndEndsTheProgram) {
    {
        FolderRun run;
        auto other = makeFolderFileStore(run.dir.folder());
        ASSERT_EQ(other->lockFolder({}).status, FolderLock::Status::Taken);
        run.dir.put(".Jbball.Jdt.tmp-1-0", "the other program's save");
        EXPECT_EQ(run.endStatus([&] { LoadLeague(run.league, run.platform); }), 1);
        EXPECT_EQ(run.user.asked[0].title, "Zelvano／二重起動");
        EXPECT_TRUE(run.says("「" + run.dir.folder().string() + "」"));
        EXPECT_EQ(run.platform.wizardViewsCreated, 0);
        EXPECT_EQ(run.dir.entries(), (std::vector<std::string>{".Jbball.Jdt.tmp-1-0"}));
    }
    {
        FolderRun run("gone");
        EXPECT_EQ(run.endStatus([&] { LoadLeague(run.league, run.platform); }), 1);
        EXPECT_EQ(run.user.asked[0].title, "Zelvano／起動エラー");
        EXPECT_TRUE(run.says("「" + (run.dir.folder() / "gone").string() + "」"));
        EXPECT_TRUE(run.says("保存先のフォルダーが見つかりません。"));
    }
}

// The messages about the league file give its full path, so the player can find it.
TEST(LoadLeague, ADamagedLeagueIsNamedByItsFullPath) {
    FolderRun run;
    run.dir.put("JBBALL.JDT", " 1 \r\n");
    EXPECT_EQ(run.endStatus([&] { LoadLeague(run.league, run.platform); }), 1);
    EXPECT_TRUE(run.says("「" + (run.dir.folder() / "JBBALL.JDT").string() + "」"));
}

struct FailedSave {
    const char* existing;  // the league file there before, or nullptr for a new league
    const char* savedAs;
    const char* outcome;  // what declining leaves
};

// Declining the retry tells truthfully what is left: the last season's file, or for a new
// league, nothing.
TEST(SaveLeague, AFailedSaveNamesTheFileAndWhatDecliningLeaves) {
    const FailedSave cases[] = {
        {"Jbball.jdt", "Jbball.jdt", "ファイルは前回保存した状態のまま残ります。"},
        {nullptr, "Jbball.Jdt", "登録した新しいリーグは保存されないので"},
    };
    for (const FailedSave& failed : cases) {
        FileSystemCalls calls;
        calls.rename = [](const char*, const char*) {
            errno = EACCES;
            return -1;
        };
        FolderRun run({}, calls);
        if (failed.existing != nullptr) run.dir.put(failed.existing, "old");
        run.user.answers = {Answer::No};
        run.league = testing::testLeague();
        EXPECT_EQ(run.endStatus([&] { SaveLeague(run.league, run.platform); }), 1);
        EXPECT_TRUE(run.says("「" + (run.dir.folder() / failed.savedAs).string() + "」に保存"));
        EXPECT_TRUE(run.says("書き込みの権限がありません。"));
        EXPECT_TRUE(run.says(failed.outcome)) << run.user.asked.back().text;
        EXPECT_EQ(run.says("前回保存"), failed.existing != nullptr);
    }
}

}  // namespace
}  // namespace zelvano
