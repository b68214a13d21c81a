#include "season/season_driver.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "league/league_file.h"
#include "season/schedule.h"
#include "season/scoreboard_presenter.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

class Recorder final : public SeasonObserver {
public:
    std::vector<std::pair<int, int>> pairings;
    std::vector<std::string> firstGameMarks;
    std::vector<int> years;
    int seasons = 0;
    void gamePlayed(const League& league, int gameNumber) override {
        pairings.emplace_back(league.PairingTeam1, league.PairingTeam2);
        years.push_back(league.CurrentYear);
        if (gameNumber == 1) {
            firstGameMarks = {league.SeasonMarks[1], league.SeasonMarks[2], league.SeasonMarks[3]};
            winnerOfFirst = league.LastWinner;
        }
        for (int team = 1; team <= kTeams; ++team) {
            EXPECT_EQ(league.SeasonMarks[team].size(), 3u * static_cast<std::size_t>(gameNumber));
        }
    }
    void seasonPlayed(const League&, int, const ResultsReport&) override {
        ++seasons;
        if (platform != nullptr && seasons == 1) lineupWindows = platform->battingOrderViewsCreated;
    }
    const HeadlessPlatform* platform = nullptr;
    int lineupWindows = 0;  // batting-order windows of the first season's games
    int winnerOfFirst = 0;
};

// A saved new league in memory, and a user who takes the sorted best order and presses "次へ".
struct LeagueRun : testing::ScriptedRun {
    Recorder recorder;
    std::string savedBefore;

    LeagueRun() : ScriptedRun(7) {
        files->files["Jbball.jdt"] = savedBefore = leagueFileBytes(testing::testLeague());
        recorder.platform = platform.get();
        user.inputAfterwards = "新人";
        user.onAct = [](HeadlessPlatform& p) {
            if (auto* report = p.resultsReportView(); report && report->visible)
                return report->pressOk();
            if (auto* order = p.battingOrderView(); order && !order->closed) {
                if (!order->sortVisible) return order->pressPlayer(0);  // a rookie's slot
                return order->pressSort() && order->pressWholeOrder();
            }
            return p.scoreboardView() != nullptr && p.scoreboardView()->pressNext();
        };
    }
    int run() { return runLeague(league, *platform, &recorder); }
};

TEST(Schedule, SixPairingsOfTwoGamesInTheFixedOrder) {
    League league;
    startSchedule(league);
    std::vector<std::pair<int, int>> pairings;
    while (!scheduleOver(league)) {
        pairings.emplace_back(league.PairingTeam1, league.PairingTeam2);
        stepPairing(league);
    }
    const std::vector<std::pair<int, int>> expected = {{1, 3}, {1, 2}, {2, 3},
                                                       {2, 1}, {3, 2}, {3, 1}};
    EXPECT_EQ(pairings, expected);
}

TEST(SeasonMarks, WinnerLoserAndTheTeamThatDidNotPlay) {
    League league;
    league.LastWinner = 3;
    league.LastLoser = 1;
    appendSeasonMarks(league);
    EXPECT_EQ(league.SeasonMarks[1], "★");
    EXPECT_EQ(league.SeasonMarks[2], "　");
    EXPECT_EQ(league.SeasonMarks[3], "☆");
}

TEST(RunLeague, OneSeasonOfTwelveGamesThenTheYearQuestionAndGoodbye) {
    LeagueRun run;
    run.user.answers = {Answer::No};
    EXPECT_EQ(run.run(), 0);

    const std::vector<std::pair<int, int>> expected = {{1, 3}, {1, 3}, {1, 2}, {1, 2},
                                                       {2, 3}, {2, 3}, {2, 1}, {2, 1},
                                                       {3, 2}, {3, 2}, {3, 1}, {3, 1}};
    EXPECT_EQ(run.recorder.pairings, expected);
    EXPECT_EQ(run.recorder.years, std::vector<int>(12, 1));
    EXPECT_EQ(run.recorder.lineupWindows, 8);  // team 1 plays in four pairings
    EXPECT_EQ(run.platform->scoreboardViewsCreated, 12);
    EXPECT_EQ(run.recorder.seasons, 1);
    const int loser = run.recorder.winnerOfFirst == 1 ? 3 : 1;
    EXPECT_EQ(run.recorder.firstGameMarks[static_cast<std::size_t>(run.recorder.winnerOfFirst - 1)],
              "☆");
    EXPECT_EQ(run.recorder.firstGameMarks[static_cast<std::size_t>(loser - 1)], "★");
    EXPECT_EQ(run.recorder.firstGameMarks[1], "　");

    // The season end's messages, then the question, then (with no hall of fame) the goodbye.
    const auto& asked = run.user.asked;
    ASSERT_GE(asked.size(), 5u);
    EXPECT_EQ(asked[0].title, "Zelvano／トレード交渉");
    const MessageRequest& question = asked[asked.size() - 2];
    EXPECT_EQ(question.text, "2年目に進みますか？");
    EXPECT_EQ(question.title, "Zelvano 2004");
    EXPECT_EQ(question.defaultAnswer, Answer::Yes);
    EXPECT_EQ(asked.back().text, "お疲れ様でした。また遊んでくださいね！");
    EXPECT_EQ(asked.back().title, "Zelvano／終了");

    // The season was saved before the question, with the year and the grown careers.
    League saved;
    ASSERT_TRUE(parseLeagueFile(run.files->files["Jbball.jdt"], saved).ok);
    EXPECT_EQ(saved.CurrentYear, 1);
    EXPECT_EQ(saved.AtBats, run.league.AtBats);
    EXPECT_EQ(saved.Hits, run.league.Hits);
}

TEST(RunLeague, YesPlaysTheNextYear) {
    LeagueRun run;
    run.user.answers = {Answer::Yes, Answer::No};
    run.run();
    EXPECT_EQ(run.recorder.seasons, 2);
    EXPECT_EQ(run.league.CurrentYear, 2);
    EXPECT_EQ(run.user.asked[run.user.asked.size() - 2].text, "3年目に進みますか？");
}

TEST(RunLeague, UnplayableWaitIsReportedNotHung) {
    LeagueRun run;
    run.user.onAct = [](HeadlessPlatform&) { return false; };
    EXPECT_THROW(run.run(), HeadlessStall);
}

}  // namespace
}  // namespace zelvano
