// The season's texts in English: what the player reads changes its words and its numbers, what
// the files and the history keep stays Japanese.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "league/league_file.h"
#include "season/major_league_loan.h"
#include "season/personal_data.h"
#include "season/results_report.h"
#include "season/season_driver.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/translation.h"

namespace zelvano {
namespace {

TEST(SeasonInEnglish, PersonalDataAndTheMajorLeagueTab) {
    const text::ScopedLanguage english("en");
    League league = testing::testLeague();
    league.CurrentYear = 4;
    league.EntryYear[1][1] = 3;
    EXPECT_EQ(personalDataText(league, 1, 1),
              "Ａ０１ joined in year 3 and has gone 3-for-10 in 1 year, batting .300.\n"
              "His average is poor: a weak hitter.");
    league.CurrentYear = 34;
    league.Hits[1][1] = 5001;
    league.AtBats[1][1] = 10000;
    EXPECT_EQ(personalDataText(league, 1, 1),
              "Ａ０１ joined in year 3 and has gone 5001-for-10000 in 31 years, batting .500.\n"
              "He qualifies for the Hall of Fame.\nAn outstanding hitter, batting over .500.\n"
              "A star with 1000 hits or more. A veteran.");

    EXPECT_EQ(majorLeagueInformation(league),
              "None of our players is on loan to the major leagues.");
    league.LeagueRecord = {1, 55, 100};
    league.LeagueRecordText[1] = "Suzuki";
    // Before the first season of a run no news is drawn: the catalogue's header is no news.
    EXPECT_EQ(majorLeagueInformation(league),
              "Suzuki, who was batting .550 for us, is on loan to the major leagues.\n");
    league.LoanNews = "連日、チームの連勝に貢献しています。";
    EXPECT_TRUE(
        majorLeagueInformation(league).ends_with(".\nDay after day, he helps his team win."));
}

TEST(SeasonInEnglish, TheReportIsShownInEnglishAndKeptInJapanese) {
    const text::ScopedLanguage english("en");
    League league = testing::testLeague();
    league.PlayerName[1][3] = "Yamada";
    league.Hits[1][3] = 6;
    recordChampionship(league, 1);
    const ResultsReport kept = recordChampionship(league, 1);
    EXPECT_EQ(kept.championLine + kept.titleCount + kept.titleRun, "優勝：ABC(2回目)【2年連続】");
    const ResultsReport shown = shownReport(kept);
    EXPECT_EQ(shown.championLine + shown.titleCount + shown.titleRun,
              "Champion: ABC(2 titles)2 in a row");
    EXPECT_EQ(shown.teamAverages, (std::array<std::string, 3>{".310", ".300", ".300"}));
    EXPECT_EQ(shown.mvpLines, std::vector<std::string>{"Yamada (ABC) .600"});
}

// Seasons played in English on a league whose names are all ASCII: every message, the report and
// the batting order hold no character outside ASCII but the hall of fame's records, as kept.
TEST(SeasonInEnglish, SeasonsLeaveNoJapaneseInWhatThePlayerReads) {
    const text::ScopedLanguage english("en");
    League league = testing::testLeague();
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            league.PlayerName[team][player] = "P" + std::to_string(team * 100 + player);
        }
    }
    testing::ScriptedRun run(12);  // a seed whose seasons bring every kind of message
    run.files->files["Jbball.jdt"] = leagueFileBytes(league);
    testing::playLikeAManager(run);
    run.user.inputAfterwards = "Rookie";
    std::vector<std::string> shown;
    run.user.onAct = [&, manager = run.user.onAct](HeadlessPlatform& platform) {
        if (auto* report = platform.resultsReportView(); report && report->visible) {
            shown.push_back(report->championLine + report->titleCount + report->titleRun);
            shown.insert(shown.end(), report->mvpLines.begin(), report->mvpLines.end());
        }
        if (auto* order = platform.battingOrderView(); order && !order->closed) {
            shown.push_back(order->caption + order->matchLine + order->rosterTitle + order->prompt +
                            order->wholeOrderCaption);
        }
        return manager(platform);
    };
    run.user.answers.assign(7, Answer::Yes);
    run.user.answers.push_back(Answer::No);
    ASSERT_EQ(runLeague(run.league, *run.platform), 0);

    std::set<std::string> titles;
    for (const MessageRequest& asked : run.user.asked) {
        titles.insert(asked.title);
        shown.push_back(asked.title + "\n" + asked.text);
    }
    for (std::string text : shown) {
        for (const std::string kept : {"年度入団)【", "安打】"}) {
            for (auto at = text.find(kept); at != std::string::npos; at = text.find(kept)) {
                text.erase(at, kept.size());
            }
        }
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << text;
    }
    for (const char* title :
         {"Zelvano - Trades", "Zelvano - Off to the Majors", "Zelvano - Major Leagues",
          "Zelvano - Retirement", "Zelvano - Hall of Fame Members", "Zelvano - Goodbye"}) {
        EXPECT_TRUE(titles.count(title)) << title;
    }
}

}  // namespace
}  // namespace zelvano
