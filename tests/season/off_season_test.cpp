#include <gtest/gtest.h>

#include "season/major_league_loan.h"
#include "season/retirements.h"
#include "season/trades.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

using testing::ScriptedRandom;

// A scripted run whose draws are given.
struct OffSeason {
    testing::ScriptedUser user;
    testing::MemoryFileStore* files = nullptr;
    std::unique_ptr<HeadlessPlatform> platform;
    League league = testing::testLeague();

    explicit OffSeason(std::vector<float> draws) {
        auto store = std::make_unique<testing::MemoryFileStore>();
        files = store.get();
        platform = std::make_unique<HeadlessPlatform>(
            user, std::move(store), std::make_unique<ScriptedRandom>(std::move(draws)));
    }
};

TEST(Draws, WholePartOfTheProductPlusOne) {
    struct Case {
        float r;
        int n, value;
    };
    // 0.79999995 × 5 is just under 4: Int(r × 5 + 1) would give 5.
    for (const Case& c : {Case{0.0f, 30, 1}, Case{0.79999995f, 5, 4}, Case{0.99999994f, 30, 30},
                          Case{0.5f, 3, 2}}) {
        ScriptedRandom random({c.r});
        EXPECT_EQ(drawWholePartPlusOne(random, c.n), c.value) << c.r << " × " << c.n;
    }
}

TEST(MakeTrades, ThreePairsSwapAllFourFieldsWhateverTheSlotHolds) {
    OffSeason run({0.0f, 0.0f, 0.0f, 29.5f / 30, 0.0f, 0.0f});  // slots 1↔1, 1↔30, 1↔1
    League& league = run.league;
    league.PlayerName[1][1].clear();  // an empty slot: no name, no hits, its at-bats kept
    league.Hits[1][1] = 0;
    league.PlayerName[3][30] = "(大リーグ)";
    league.Hits[3][30] = 0;
    league.EntryYear[2][1] = 4;
    MakeTrades(league, *run.platform);

    ASSERT_EQ(run.user.asked.size(), 3u);
    EXPECT_EQ(run.user.asked[0].title, "Zelvano／トレード交渉");
    EXPECT_EQ(run.user.asked[0].text,
              "トレードが行われました。\nABC\n（0）と\nDEF\nＢ０１（0.3）です。");
    EXPECT_EQ(run.user.asked[1].text,
              "トレードが行われました。\nABC\nＢ０１（0.3）と\nGHI\n(大リーグ)（0）です。");
    // Team 2's slot 1 now holds the empty slot, which goes to team 3 for the placeholder.
    EXPECT_EQ(run.user.asked[2].text,
              "トレードが行われました。\nDEF\n（0）と\nGHI\nＣ０１（0.3）です。");
    EXPECT_EQ(league.PlayerName[1][1], "(大リーグ)");
    EXPECT_EQ(league.PlayerName[2][1], "Ｃ０１");
    EXPECT_EQ(league.PlayerName[3][30], "Ｂ０１");
    EXPECT_EQ(league.EntryYear[3][30], 4);
    EXPECT_EQ(league.Hits[3][1], 0);
    EXPECT_EQ(league.AtBats[3][1], 10);
}

TEST(RetirePlayers, MessageEmptiedSlotAndHallOfFameRecord) {
    struct Case {
        Counter hits, atBats;
        std::string average;
        bool enters;
    };
    for (const Case& c :
         {Case{101, 335, "0.301492537313433", true}, Case{100, 250, "0.4", false}}) {
        // Turn 1 goes on (r > .5) and draws slot 1; turns 2 and 3 stop (r ≤ .5).
        OffSeason run({0.9f, 0.0f, 0.5f, 0.1f});
        League& league = run.league;
        league.CurrentYear = 7;
        league.Hits[1][1] = c.hits;
        league.AtBats[1][1] = c.atBats;
        RetirePlayers(league, *run.platform);

        ASSERT_EQ(run.user.asked.size(), 1u);
        EXPECT_EQ(run.user.asked[0].title, "Zelvano／選手引退");
        EXPECT_EQ(run.user.asked[0].text,
                  "Ａ０１は引退を表明しました。\n同選手は、1年度入団以来、7年間、" +
                      std::to_string(c.atBats) + "打数" + std::to_string(c.hits) + "安打、打率 " +
                      c.average + "でした。\n" +
                      (c.enters ? "＜＜名球会に登録されました。＞＞＞" : ""));
        EXPECT_EQ(run.platform->beeps, 1);
        EXPECT_EQ(league.PlayerName[1][1], "");
        EXPECT_EQ(league.Hits[1][1], 0);
        EXPECT_EQ(league.AtBats[1][1], c.atBats);
        // The record waits for the league's save; the file is not touched before it.
        EXPECT_FALSE(run.files->exists("Jbball.Mei"));
        EXPECT_EQ(league.SeasonFiles.hallOfFameRecords,
                  c.enters ? *text::encodeCp932("Ａ０１(1年度入団)【101安打】\r\n") : "");
    }
}

TEST(RetirePlayers, AnEmptySlotRetiresNobody) {
    OffSeason run({0.9f, 0.0f, 0.9f, 0.0f, 0.9f, 0.0f});
    run.league.Hits[1][1] = 0;
    RetirePlayers(run.league, *run.platform);
    EXPECT_TRUE(run.user.asked.empty());
}

TEST(MajorLeagueLoan, TenDrawsAtOrBelowFiveHundredLendNobody) {
    OffSeason run(std::vector<float>(10, 0.0f));
    run.league.Hits[1][1] = 5;  // exactly .500
    ProcessMajorLeagueLoan(run.league, *run.platform);
    EXPECT_FALSE(loanRunning(run.league));
    EXPECT_TRUE(run.user.asked.empty());
    EXPECT_EQ(run.league.PlayerName[1][1], "Ａ０１");
}

TEST(MajorLeagueLoan, LeavesAndComesBackIntoTheFreeSlot) {
    struct Case {
        const char* what;
        std::function<void(League&)> meanwhile;  // between leaving and the return
        int slot;                                // where he comes back; 0: he stays away
    };
    const std::vector<Case> cases = {
        {"back into his own slot", [](League&) {}, 12},
        {"placeholder traded away",
         [](League& l) {
             l.PlayerName[1][12] = "Ｂ０５";
             l.Hits[1][12] = 3;
             l.Hits[1][20] = 0;
             l.Hits[1][25] = 0;
         },
         20},
        {"every own slot has hits",
         [](League& l) {
             l.PlayerName[1][12] = "Ｂ０５";
             l.Hits[1][12] = 3;
         },
         0},
        {"olympic slot first", [](League& l) { l.PlayerName[1][4] = "（五輪代表）"; }, 4},
    };
    for (const Case& c : cases) {
        // Two draws miss (slots 1 and 2 bat .300), the third finds slot 12; a year later the
        // return is drawn (r < .4).
        OffSeason run({0.0f, 1.5f / 30, 11.5f / 30, 0.39f});
        League& league = run.league;
        league.Hits[1][12] = 64;
        league.AtBats[1][12] = 125;
        league.EntryYear[1][12] = 3;
        ProcessMajorLeagueLoan(league, *run.platform);
        ASSERT_TRUE(loanRunning(league)) << c.what;
        EXPECT_EQ(league.PlayerName[1][12], "(大リーグ)");
        EXPECT_EQ(league.Hits[1][12], 0);
        EXPECT_EQ(run.user.asked[0].title, "Zelvano／大リーグ移籍");
        EXPECT_EQ(ShowMajorLeagueInfo(league).substr(0, ShowMajorLeagueInfo(league).find('\n')),
                  "メジャーリーグに、我がチームから、打率0.512の  Ａ１２がレンタル契約で派遣されて"
                  "います。");

        c.meanwhile(league);
        ProcessMajorLeagueLoan(league, *run.platform);
        EXPECT_EQ(loanRunning(league), c.slot == 0) << c.what;
        if (c.slot == 0) continue;
        EXPECT_EQ(run.user.asked.back().text,
                  "Ａ１２がメジャーリーグですばらしい経験をつみ、球団へ復帰しました！");
        EXPECT_EQ(league.PlayerName[1][c.slot], "Ａ１２") << c.what;
        EXPECT_EQ(league.Hits[1][c.slot], 64);
        EXPECT_EQ(league.AtBats[1][c.slot], 125);
        EXPECT_EQ(league.EntryYear[1][c.slot], 3);
        EXPECT_EQ(ShowMajorLeagueInfo(league), "メジャーリーグへは誰も派遣されていません。");
    }
}

TEST(MajorLeagueLoan, FiguresKeptInADamagedFileStillMakeAPlayableSlot) {
    OffSeason run({0.1f});
    League& league = run.league;
    league.LeagueRecord = {1, 7, 0, 0, 0, 0, 0, 0, 0, 0};  // 7 hits in 0 at-bats
    league.LeagueRecordText[1] = "Ａ０９";
    league.PlayerName[1][9] = "(大リーグ)";
    EXPECT_NE(ShowMajorLeagueInfo(league).find("打率0の"), std::string::npos);
    ProcessMajorLeagueLoan(league, *run.platform);
    EXPECT_EQ(league.AtBats[1][9], 1);
    EXPECT_EQ(league.Hits[1][9], 1);
}

TEST(MajorLeagueLoan, NoReturnWithoutTheDraw) {
    OffSeason run({0.4f});
    run.league.LeagueRecord[0] = 1;
    run.league.PlayerName[1][9] = "(大リーグ)";
    ProcessMajorLeagueLoan(run.league, *run.platform);
    EXPECT_TRUE(loanRunning(run.league));
    EXPECT_TRUE(run.user.asked.empty());
}

}  // namespace
}  // namespace zelvano
