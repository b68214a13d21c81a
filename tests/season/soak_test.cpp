// The soak: one league played season after season (a thousand; ZELVANO_SOAK_SEASONS sets another
// number, the "soak" test label runs ten thousand) by a manager who takes the sorted best order
// and by one who picks at random. After every season the league keeps its rules, exactly three
// trades were made, the saved file gives back the league in memory, and the league's history ends
// with this season and adds up to every player's career, its games to every season line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>

#include "league/league_file.h"
#include "season/history/league_history.h"
#include "season/season_driver.h"
#include "support/history_checks.h"
#include "support/persistent_part.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

int soakSeasons() {
    const char* wanted = std::getenv("ZELVANO_SOAK_SEASONS");
    return wanted != nullptr && std::atoi(wanted) > 1 ? std::atoi(wanted) : 1000;
}

void expectLeagueRules(const League& league) {
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            ASSERT_GE(league.AtBats[team][player], 1) << team << "/" << player;
            ASSERT_GE(league.Hits[team][player], 0);
            ASSERT_LE(league.Hits[team][player], league.AtBats[team][player]);
            ASSERT_LE(league.EntryYear[team][player], league.CurrentYear);
        }
        ASSERT_EQ(league.SeasonMarks[team].size(), 12u * 3u);  // twelve 3-byte marks
    }
    // At most one player away; a placeholder never has hits; the figures kept for the player
    // away can make a playable slot again.
    ASSERT_TRUE(league.LeagueRecord[0] == 0 || league.LeagueRecord[0] == 1);
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            if (league.PlayerName[team][player] == "(大リーグ)") {
                ASSERT_EQ(league.Hits[team][player], 0);
            }
        }
    }
    if (league.LeagueRecord[0] == 1) {
        ASSERT_GE(league.LeagueRecord[2], 1);
        ASSERT_GE(league.LeagueRecord[1], 0);
        ASSERT_LE(league.LeagueRecord[1], league.LeagueRecord[2]);
        ASSERT_FALSE(league.LeagueRecordText[1].empty());
    }
}

void expectSavedAsInMemory(const std::string& bytes, const League& league) {
    League saved;
    ASSERT_TRUE(parseLeagueFile(bytes, saved).ok);
    testing::expectSamePersistentPart(saved, league);
}

class Soak : public ::testing::TestWithParam<bool> {};

TEST_P(Soak, TheLeagueKeepsItsRulesSeasonAfterSeason) {
    const bool randomOrder = GetParam();
    const int kSeasons = soakSeasons();
    testing::ScriptedRun run(11);
    run.files->files["Jbball.jdt"] = leagueFileBytes(testing::testLeague());
    run.user.inputAfterwards = "新人";
    std::mt19937 picks(5);
    run.user.onAct = [&](HeadlessPlatform& p) {
        if (auto* report = p.resultsReportView(); report && report->visible)
            return report->pressOk();
        HeadlessBattingOrderView* order = p.battingOrderView();
        if (order != nullptr && !order->closed) {
            if (randomOrder || !order->sortVisible) {
                std::vector<int> open;
                for (int index = 0; index < kPlayers; ++index) {
                    if (order->buttonEnabled[static_cast<std::size_t>(index)]) {
                        open.push_back(index);
                    }
                }
                if (open.empty()) return false;
                return order->pressPlayer(open[picks() % open.size()]);
            }
            return order->pressSort() && order->pressWholeOrder();
        }
        return p.scoreboardView() != nullptr && p.scoreboardView()->pressNext();
    };

    LeagueHistory history(":memory:");
    int seasons = 0;
    int tradesThisSeason = 0;
    std::map<std::string, int> titles;
    run.platform->onDialog = [&](const std::string& kind, const std::string& title,
                                 const std::string&, const std::string&) {
        ++titles[title];
        if (title == "Zelvano／トレード交渉") ++tradesThisSeason;
        if (kind != "question") return;
        // The season is saved by the time the year is asked about.
        expectLeagueRules(run.league);
        expectSavedAsInMemory(run.files->files["Jbball.jdt"], run.league);
        ASSERT_EQ(tradesThisSeason, 3) << "season " << run.league.CurrentYear;
        testing::expectHistoryAddsUp(*history.reader(), run.league);
        testing::expectBoxScoresAddUp(*history.reader(), *history.gameReader(),
                                      run.league.CurrentYear);
        tradesThisSeason = 0;
        // The next question takes the answer queued now; until then the default is yes.
        if (++seasons == kSeasons - 1) run.user.answers.push_back(Answer::No);
    };
    EXPECT_EQ(runLeague(run.league, *run.platform, nullptr, &history), 0);
    EXPECT_EQ(seasons, kSeasons);
    EXPECT_EQ(titles["Zelvano／トレード交渉"], 3 * kSeasons);
    for (const char* title : {"Zelvano／選手引退", "Zelvano／大リーグ移籍", "Zelvano／大リーグ",
                              "Zelvano／新人登録", "Zelvano／名球会会員一覧"}) {
        EXPECT_GT(titles[title], 0) << title;
    }
}

INSTANTIATE_TEST_SUITE_P(SortedAndRandomManagers, Soak, ::testing::Bool());

}  // namespace
}  // namespace zelvano
