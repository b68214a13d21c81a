// A game nobody sees is told to no board: it must give the very league and box score a game on
// the scoreboard gives, draw for draw.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "game/lineups.h"
#include "game/play_game.h"
#include "league/league_file.h"
#include "season/season_driver.h"
#include "support/persistent_part.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

void expectSameGame(const League& a, const League& b, const std::string& what) {
    EXPECT_EQ(a.AtBats, b.AtBats) << what;
    EXPECT_EQ(a.Hits, b.Hits) << what;
    EXPECT_EQ(a.CurrentGame.Runs, b.CurrentGame.Runs) << what;
    EXPECT_EQ(a.CurrentGame.BatterSlot, b.CurrentGame.BatterSlot) << what;
    EXPECT_EQ(a.CurrentGame.AverageSum, b.CurrentGame.AverageSum) << what;
    EXPECT_EQ(a.CurrentGame.SideTeam, b.CurrentGame.SideTeam) << what;
    EXPECT_EQ(a.CurrentGame.Drawn, b.CurrentGame.Drawn) << what;
    EXPECT_EQ(a.CurrentGame.Inning, b.CurrentGame.Inning) << what;
    EXPECT_EQ(a.CurrentGame.PlateAppearances, b.CurrentGame.PlateAppearances) << what;
    EXPECT_EQ(a.LastWinner, b.LastWinner) << what;
    EXPECT_EQ(a.LastLoser, b.LastLoser) << what;
    EXPECT_EQ(a.CurrentGame.Box.InningRuns, b.CurrentGame.Box.InningRuns) << what;
    EXPECT_EQ(a.CurrentGame.Box.AtBats, b.CurrentGame.Box.AtBats) << what;
    EXPECT_EQ(a.CurrentGame.Box.Hits, b.CurrentGame.Box.Hits) << what;
    EXPECT_EQ(a.CurrentGame.Box.End, b.CurrentGame.Box.End) << what;
}

TEST(SilentBoard, GivesTheLeagueAndBoxAWatchedGameGivesDrawForDraw) {
    struct Case {
        const char* what;
        std::function<void(League&)> shape;
    };
    const Case cases[] = {
        {"a new league", [](League&) {}},
        {"averages far apart",
         [](League& league) {
             for (int player = 1; player <= kPlayers; ++player) {
                 league.AtBats[1][player] = 50 + player;
                 league.Hits[1][player] = player * 2;
                 league.Hits[3][player] = player % 7;
             }
         }},
        {"fewer than nine who can play",
         [](League& league) {
             for (int player = 5; player <= kPlayers; ++player) league.Hits[3][player] = 0;
         }},
        {"nobody can hit",
         [](League& league) {
             for (int player = 1; player <= kPlayers; ++player) {
                 league.Hits[1][player] = 0;
                 league.Hits[3][player] = 0;
             }
         }},
        {"hitters who hardly make an out, at the counters' limit",
         [](League& league) {
             for (int team = 1; team <= kTeams; ++team) {
                 for (int player = 1; player <= kPlayers; ++player) {
                     league.AtBats[team][player] = kCounterLimit - player;
                     league.Hits[team][player] = kCounterLimit - 2 * player;
                 }
             }
         }},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            std::array<League, 2> leagues;
            std::array<std::unique_ptr<HeadlessPlatform>, 2> platforms;
            testing::ScriptedUser user;
            UnattendedScoreboardEvents events;
            for (int board = 0; board < 2; ++board) {
                League& league = leagues[static_cast<std::size_t>(board)];
                league = testing::testLeague(1, 3);
                c.shape(league);
                auto& platform = platforms[static_cast<std::size_t>(board)];
                platform = std::make_unique<HeadlessPlatform>(
                    user, std::make_unique<testing::MemoryFileStore>(), seed);
                platform->gamesWatched = board == 0;
                // Two games in a row, each after its lineups: the generator must carry on
                // from the same place after the first.
                for (int game = 0; game < 2; ++game) {
                    drawLineups(league, platform->random());
                    auto view = playGame(league, *platform, events);
                }
            }
            const std::string what = std::string(c.what) + ", seed " + std::to_string(seed);
            expectSameGame(leagues[1], leagues[0], what);
            EXPECT_EQ(platforms[1]->random().next(), platforms[0]->random().next()) << what;
        }
    }
}

TEST(SilentBoard, IsLeftBlank) {
    League league = testing::testLeague();
    testing::ScriptedUser user;
    HeadlessPlatform platform(user, std::make_unique<testing::MemoryFileStore>(), 3u);
    platform.gamesWatched = false;
    UnattendedScoreboardEvents events;
    auto view = playGame(league, platform, events);
    const HeadlessScoreboardView& board = *platform.scoreboardView();
    EXPECT_TRUE(board.shown);
    EXPECT_EQ(board.names[0], "");
    EXPECT_EQ(board.scoreLine, "");
    EXPECT_EQ(board.standingNames[0], "");
    EXPECT_GT(league.CurrentGame.PlateAppearances, 0);
}

TEST(SilentBoard, WithPausesTheBoardIsToldEverything) {
    League league = testing::testLeague();
    league.GameWait = 1;
    testing::ScriptedUser user;
    HeadlessPlatform platform(user, std::make_unique<testing::MemoryFileStore>(), 3u);
    platform.gamesWatched = false;
    UnattendedScoreboardEvents events;
    auto view = playGame(league, platform, events);
    EXPECT_EQ(platform.scoreboardView()->names[0], league.PlayerName[1][1]);
    EXPECT_EQ(platform.sleptMs, league.CurrentGame.PlateAppearances * 50);
}

// Whole seasons under the sorted best order, with their trades, retirements and rookies.
League seasonsOn(bool watched, int seasons) {
    testing::ScriptedRun run(20261207);
    run.files->files["Jbball.jdt"] = leagueFileBytes(testing::testLeague());
    run.platform->gamesWatched = watched;
    run.user.inputAfterwards = "新人";
    run.user.onAct = [](HeadlessPlatform& p) {
        if (auto* report = p.resultsReportView(); report && report->visible)
            return report->pressOk();
        if (auto* order = p.battingOrderView(); order && !order->closed) {
            if (!order->sortVisible) return order->pressPlayer(0);
            return order->pressSort() && order->pressWholeOrder();
        }
        return p.scoreboardView() != nullptr && p.scoreboardView()->pressNext();
    };
    run.user.answers.assign(static_cast<std::size_t>(seasons - 1), Answer::Yes);
    run.user.answers.push_back(Answer::No);
    EXPECT_EQ(runLeague(run.league, *run.platform), 0);
    return run.league;
}

TEST(SilentBoard, WholeSeasonsEndAsWatchedOnesDo) {
    const League watched = seasonsOn(true, 20);
    const League unwatched = seasonsOn(false, 20);
    EXPECT_EQ(watched.CurrentYear, 20);
    testing::expectSamePersistentPart(unwatched, watched);
}

}  // namespace
}  // namespace zelvano
