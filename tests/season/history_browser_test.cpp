// The history as the information window leads to it: from a roster line or a ranking line to
// that player's career, and the pages of the history window worked out from twelve seasons.
#include "season/history/history_browser.h"

#include <gtest/gtest.h>

#include "league/league_file.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/season_driver.h"
#include "support/history_checks.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

constexpr int kSeasons = 12;

struct PlayedLeague {
    testing::ScriptedRun run{4};
    LeagueHistory history{":memory:"};

    PlayedLeague() {
        run.files->files["Jbball.jdt"] = leagueFileBytes(testing::testLeague());
        testing::playLikeAManager(run);
        for (int season = 1; season < kSeasons; ++season) run.user.answers.push_back(Answer::Yes);
        run.user.answers.push_back(Answer::No);
        runLeague(run.league, *run.platform, nullptr, &history);
    }
};

TEST(HistoryBrowser, TheWindowLeadsFromARosterOrARankingLineToThatPlayersCareer) {
    PlayedLeague played;
    League& league = played.run.league;
    InformationPresenter window(league, *played.run.platform, &played.history);
    window.openPlayersList();
    HeadlessInformationView& view = *played.run.platform->informationView();

    ASSERT_TRUE(view.pressCareer(4));  // team 1's fifth line
    EXPECT_EQ(view.historyCareer, league.PlayerIds[1][5]);
    ASSERT_TRUE(view.pressTeam(2));
    ASSERT_TRUE(view.pressCareer(0));
    EXPECT_EQ(view.historyCareer, league.PlayerIds[3][1]);

    ASSERT_TRUE(view.selectTab(1));
    ASSERT_TRUE(view.pressRanking(1));  // the most hits
    const int shownBefore = view.historyShown;
    ASSERT_TRUE(view.pressCareer(0));
    ASSERT_EQ(view.historyShown, shownBefore + 1);
    const CareerPage page = view.history->career(view.historyCareer);
    EXPECT_NE(view.rankingLines[0].find(page.title.substr(0, page.title.size() - 9)),
              std::string::npos)
        << page.title << " / " << view.rankingLines[0];
    ASSERT_TRUE(view.pressCareer(-1));  // no line selected: told so, and no window
    EXPECT_EQ(view.historyShown, shownBefore + 1);
    ASSERT_TRUE(view.pressHistory());
    EXPECT_EQ(view.historyCareer, 0);
}

TEST(HistoryBrowser, ThePagesOfTwelveSeasons) {
    PlayedLeague played;
    const League& league = played.run.league;
    const HistoryBrowser browser(league, *played.history.reader());
    EXPECT_EQ(browser.knownSinceText(), "リーグの歴史は、1年目のシーズンから記録しています。");
    const HistoryTable champions = browser.champions();
    ASSERT_EQ(champions.rows.size(), static_cast<std::size_t>(kSeasons));
    EXPECT_EQ(champions.rows[0][0], "1年目");
    // Every team plays eight games a season.
    for (const auto& row : champions.rows) {
        for (int team = 0; team < kTeams; ++team) {
            const std::string& record = row[static_cast<std::size_t>(2 + team)];
            const int wins = std::stoi(record);
            const int losses = std::stoi(record.substr(record.find("勝") + 3));
            EXPECT_EQ(wins + losses, 8) << record;
        }
    }
    const SeasonPage season = browser.season(5);
    EXPECT_EQ(season.title, "5年目のシーズン");
    // The standings read the team average as the rosters do; the report keeps it as printed.
    for (const auto& row : season.standings.rows) {
        EXPECT_EQ(row[3].size(), 4u) << row[3];
        EXPECT_EQ(row[3][0], '.') << row[3];
    }
    EXPECT_EQ(season.games.rows.size(), 12u);
    EXPECT_EQ(season.standings.rows.size(), 3u);
    EXPECT_GE(season.moves.rows.size(), 3u);  // the three trades at least

    for (const auto& row : browser.transactions(2).rows) {
        EXPECT_NE(row[2].find(league.TeamName[2]), std::string::npos) << row[2];
    }
    EXPECT_LT(browser.transactions(2).rows.size(), browser.transactions(0).rows.size());

    // A career page ends with the player's figures in the league (a trade may have brought
    // an empty slot to team 2: the first player it has).
    int slot = 1;
    while (league.PlayerIds[2][slot] == 0) ++slot;
    const CareerPage career = browser.career(league.PlayerIds[2][slot]);
    ASSERT_FALSE(career.seasons.rows.empty());
    const auto& last = career.seasons.rows.back();
    EXPECT_EQ(last[5], std::to_string(league.AtBats[2][slot]));
    EXPECT_EQ(last[6], std::to_string(league.Hits[2][slot]));
    EXPECT_EQ(career.averages.size(), career.seasons.rows.size() - 1);

    for (const auto& series : browser.teamAverages()) {
        ASSERT_EQ(series.size(), static_cast<std::size_t>(kSeasons));
        for (const ChartPoint& point : series) {
            EXPECT_GT(point.second, 0.0);
            EXPECT_LT(point.second, 1.0);
        }
    }
    EXPECT_EQ(browser.records().size(), 4u);
}

}  // namespace
}  // namespace zelvano
