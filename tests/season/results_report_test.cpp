#include "season/results_report.h"

#include <gtest/gtest.h>

#include "support/test_league.h"

namespace zelvano {
namespace {

std::string marksWithWins(int wins) {
    std::string marks;
    for (int game = 0; game < 8; ++game) marks += game < wins ? "☆" : "★";
    return marks;
}

TEST(DecideChampion, MostWinsAndTiesToTheHigherTeam) {
    struct Case {
        int wins1, wins2, wins3, champion;
    };
    for (const Case& c : {Case{4, 4, 4, 3}, Case{5, 5, 2, 2}, Case{0, 0, 0, 3}, Case{6, 1, 5, 1}}) {
        League league;
        league.SeasonMarks = {"", marksWithWins(c.wins1), marksWithWins(c.wins2),
                              marksWithWins(c.wins3)};
        EXPECT_EQ(decideChampion(league), c.champion) << c.wins1 << c.wins2 << c.wins3;
    }
}

TEST(RecordChampionship, TitleCountsAndOnlyTheOwnTeamsRun) {
    struct Season {
        int champion;
        std::string titleCount, titleRun;
        Counter run;
    };
    League league = testing::testLeague();
    for (const Season& s :
         {Season{1, "(1回目)", "", 1}, Season{1, "(2回目)", "【2年連続】", 2},
          Season{2, "(1回目)", "", 0}, Season{2, "(2回目)", "", 0}, Season{1, "(3回目)", "", 1}}) {
        const ResultsReport report = recordChampionship(league, s.champion);
        EXPECT_EQ(report.championLine, "優勝：" + league.TeamName[s.champion]);
        EXPECT_EQ(report.titleCount, s.titleCount);
        EXPECT_EQ(report.titleRun, s.titleRun);
        EXPECT_EQ(league.LeagueRecord[8], s.run);
    }
    EXPECT_EQ(league.LeagueRecord[5], 3);
    EXPECT_EQ(league.LeagueRecord[6], 2);
    EXPECT_EQ(league.LeagueRecord[7], 0);
}

TEST(TeamAverage, MeanOfAveragesCutToThreeDecimals) {
    League league = testing::testLeague();
    EXPECT_EQ(teamAverageText(league, 1), "0.3");  // 3 for 10 counts 300, not 299
    // 28 × 300 + 130 + 0 = 8530; an empty slot keeps its at-bats and counts 0.
    league.Hits[2][1] = 13;
    league.AtBats[2][1] = 100;
    league.Hits[2][2] = 0;
    league.PlayerName[2][2].clear();
    EXPECT_EQ(teamAverageText(league, 2), "0.284333333333333");
}

TEST(MvpLines, AboveFiveHundredInFixedFullWidthColumns) {
    League league = testing::testLeague();
    league.TeamName[1] = "Tigers 2004 Club";  // cut to ten full-width characters
    league.PlayerName[1][3] = "山田";
    league.Hits[1][3] = 5001;
    league.AtBats[1][3] = 10000;
    league.PlayerName[3][30] = "ﾔﾏﾀﾞﾀﾛｳ1234567890XYZ";  // cut to fifteen
    league.Hits[3][30] = 8;
    league.AtBats[3][30] = 15;
    league.Hits[2][5] = 5;  // exactly .500 is not listed
    league.AtBats[2][5] = 10;
    const std::vector<std::string> expected = {
        "Ｔｉｇｅｒｓ　２００  山田　　　　　　　　　　　　　（0.500）",
        "ＧＨＩ　　　　　　　  ヤマダタロウ１２３４５６７８９（0.533）",
    };
    EXPECT_EQ(mvpLines(league), expected);
}

}  // namespace
}  // namespace zelvano
