#include "league/league_store.h"

#include <gtest/gtest.h>

#include "league/league_file.h"
#include "support/scripted_user.h"
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

}  // namespace
}  // namespace zelvano
