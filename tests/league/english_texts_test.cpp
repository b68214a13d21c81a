// The league's texts in English: plain columns where Japanese has full-width ones, and no
// Japanese left but the league's own names.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "folder_store/system_error_text.h"
#include "league/forced_quit.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "league/players_list.h"
#include "league/rankings.h"
#include "league/registration.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/translation.h"

namespace zelvano {
namespace {

bool ascii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

TEST(EnglishLeagueTexts, PlayersListInPlainColumns) {
    const text::ScopedLanguage english("en");
    struct Case {
        const char* what;
        std::string name;
        Counter hits, atBats, entryYear, year;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"founder in year 1", "Ａ０１", 3, 10, 0, 1,
         "Ａ０１                    3/10 (.300), joined in year 1            R"},
        {"hall of fame class, founder", "Taro", 150, 450, 0, 2,
         "Taro                      150/450 (.333), joined in year 1       H O"},
        {"many hits, poor average", "Taro", 120, 414, 2, 5,
         "Taro                      120/414 (.290), joined in year 3     W h  "},
        {"a thousand hits, a name of half-width kana", "ﾔﾏﾀﾞﾀﾛｳｻﾌﾞﾛｳｼﾞﾛｳ", 10000, 19999, 1, 40,
         "ﾔﾏﾀﾞﾀﾛｳｻﾌﾞﾛｳｼﾞﾛｳ          10000/19999 (.500), joined in year 2 S L V"},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague();
        league.CurrentYear = c.year;
        league.PlayerName[2][4] = c.name;
        league.Hits[2][4] = c.hits;
        league.AtBats[2][4] = c.atBats;
        league.EntryYear[2][4] = c.entryYear;
        EXPECT_EQ(playersListLine(league, 2, 4), c.line) << c.what;
    }
    EXPECT_EQ(playersListTitle(testing::testLeague(), 3), "GHI Roster");
}

struct Collected final : RankingSink {
    std::string title;
    std::vector<std::string> lines;
    bool yield() override { return true; }
    void setTitle(const std::string& text) override { title = text; }
    void clear() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
};

TEST(EnglishLeagueTexts, RankingsInPlainColumns) {
    League league = testing::testLeague();
    league.CurrentYear = 1;
    league.Hits[1][5] = 9;
    league.PlayerName[1][5] = "Ruth";
    league.Hits[3][2] = 1;
    league.PlayerName[3][2] = "Yamada Taro";
    struct Case {
        int ranking;
        const char* title;
        std::string first;
    };
    const Case cases[] = {
        {0, "Top 50 Batting Averages", " 1)  ABC           Ruth                      .900"},
        {1, "Top 50 in Hits", " 1)  ABC           Ruth                      9 hits"},
        {2, "Top 50 in Years Played", " 1)  ABC           Ａ０１                    1 year"},
        {3, "Bottom 50 Batting Averages", " 1)  GHI           Yamada Taro               .100"},
        {4, "Top 50 Longest Names", " 1)  GHI           Yamada Taro               11 characters"},
    };
    const text::ScopedLanguage english("en");
    for (const Case& c : cases) {
        Collected sink;
        ASSERT_TRUE(runRanking(league, c.ranking, sink));
        EXPECT_EQ(sink.title, c.title);
        ASSERT_FALSE(sink.lines.empty());
        EXPECT_EQ(sink.lines[0], c.first) << c.title;
    }
}

// The Japanese years as they were: no other test shows them.
TEST(EnglishLeagueTexts, JapaneseYearsStayAsTheyWere) {
    League league = testing::testLeague();
    league.CurrentYear = 12;
    Collected years;
    runRanking(league, 2, years);
    EXPECT_TRUE(years.lines[0].ends_with("  12年")) << years.lines[0];
}

TEST(EnglishLeagueTexts, DamagedLeagueFiles) {
    const text::ScopedLanguage english("en");
    const std::string good = leagueFileBytes(testing::testLeague());
    std::string letters = good;
    letters.replace(letters.find(" 10 "), 4, " 1O ");
    std::string hits = good;
    hits.replace(hits.find(" 3 "), 3, " 11 ");
    struct Case {
        std::string bytes;
        std::string problem;
    };
    const Case cases[] = {
        {good.substr(0, good.find("\r\n") + 2),
         "the file ends too early (it needs 384 lines but has only 1 line)"},
        {letters,
         "the line for the at-bats of team 1, player 1 holds something other than a number"},
        {hits, "the hits of team 1, player 1 are more than the at-bats"},
    };
    for (const Case& c : cases) {
        testing::ScriptedRun store;
        store.files->files["Jbball.jdt"] = c.bytes;
        EXPECT_THROW(loadLeague(store.league, *store.platform), ProgramEnded);
        ASSERT_EQ(store.user.asked.size(), 1u);
        const MessageRequest& told = store.user.asked[0];
        EXPECT_EQ(told.title, "Zelvano - Load Error");
        EXPECT_TRUE(
            told.text.starts_with("Could not read the league's data file \"Jbball.jdt\".\n(line "))
            << told.text;
        EXPECT_NE(told.text.find(": " + c.problem + ")\n\n"), std::string::npos) << told.text;
        EXPECT_TRUE(ascii(told.text)) << told.text;
    }
}

// Whoever does not read Japanese can start a league: every message and label is English.
TEST(EnglishLeagueTexts, RegistrationAndItsMessages) {
    const text::ScopedLanguage english("en");
    testing::ScriptedRun run;
    std::vector<std::string> labels;
    run.user.onAct = [&labels](HeadlessPlatform& platform) {
        HeadlessRegistrationWizardView* view = platform.registrationWizardView();
        if (view == nullptr || view->closed) return false;
        labels.push_back(view->teamLabel + ", " + view->playerLabel);
        // The first entry is pressed on empty, to be refused.
        if (labels.size() > 1 && view->teamText().empty()) view->typeTeam("Team");
        if (labels.size() > 1 && view->playerText().empty()) view->typePlayer("Player");
        view->pressForward();
        return true;
    };
    registerNewLeague(run.league, *run.platform);
    EXPECT_EQ(labels.front(), "Team name 1, Player name 1");
    EXPECT_EQ(labels.back(), "Team name 3, Player name 30");
    ASSERT_EQ(run.user.asked.size(), 3u);
    EXPECT_EQ(run.user.asked[0].title, "Zelvano 2004 Player Registration Wizard");
    EXPECT_EQ(run.user.asked[1].text, "No player name has been entered. Please enter a name.");
    EXPECT_EQ(run.user.asked[2].text,
              "Registration is complete. Thank you for your patience, and enjoy the game!");

    EXPECT_TRUE(confirmForcedQuit(*run.platform));
    EXPECT_EQ(run.user.asked.back().title, "Zelvano2004 - Quit Without Saving");

    run.files->failReplaceWith = systemErrorText(ENOSPC, FileAccess::Write);
    run.files->replaceFailures = 1;
    run.user.answers = {Answer::No};
    EXPECT_THROW(saveLeague(run.league, *run.platform), ProgramEnded);
    EXPECT_EQ(run.user.asked.back().text,
              "Could not save the league's data to \"Jbball.jdt\".\n(There is not enough free "
              "space on the disk.)\n\nRemove the cause, then press Yes to save again.\nPress No "
              "to quit without saving. The file stays as it was last saved.");
    for (const MessageRequest& told : run.user.asked) {
        EXPECT_TRUE(ascii(told.title) && ascii(told.text)) << told.title << ": " << told.text;
    }
}

}  // namespace
}  // namespace zelvano
