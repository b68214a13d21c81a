// The history as the information window leads to it: from a roster line or a ranking line to
// that player's career, the pages of the history window worked out from twelve seasons, and the
// pages of single games: a game's box score, a player's games of a season, a season's milestones
// and the records of single games.
#include "season/history/history_browser.h"

#include <gtest/gtest.h>

#include "league/league_file.h"
#include "season/history/history_file.h"
#include "season/history/history_game_pages.h"
#include "season/history/history_writer.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/season_driver.h"
#include "support/history_checks.h"
#include "support/scripted_user.h"
#include "support/synthetic_seasons.h"
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
    const HistoryBrowser browser(league, *played.history.reader(), *played.history.gameReader());
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
    EXPECT_EQ(browser.records().size(), 10u);
}

// Four seasons written in a moment: the first as a history kept it before box scores, the
// fourth with a player's hundredth hit in its third game.
struct GameHistory {
    SqliteDatabase db = openHistoryForWriting(":memory:");
    League league = testing::testLeague();
    std::vector<SeasonRecord> seasons;
    std::vector<std::string> told;

    GameHistory() {
        testing::SyntheticLeague made;
        const HistoryBeginning beginning = made.beginning();
        for (Counter year = 1; year <= 4; ++year) seasons.push_back(made.season(year));
        for (GameLine& game : seasons[0].games) game.boxed = false;
        seasons[0].milestones.clear();
        HistoryWriter(db).write(&beginning, seasons);
    }
    HistoryBrowser browser() {
        return HistoryBrowser(league, HistoryReader(db, 4), GameHistoryReader(db, 4),
                              [this](const std::string& problem) { told.push_back(problem); });
    }
    const GameLine& game(Counter year, int number) const {
        return seasons[static_cast<std::size_t>(year - 1)]
            .games[static_cast<std::size_t>(number - 1)];
    }
};

TEST(HistoryBrowser, AGamesPageFromTheHistory) {
    GameHistory history;
    const HistoryBrowser browser = history.browser();
    const struct {
        Counter year;
        int number;
        const char* title;
        const char* note;
    } cases[] = {
        {3, 5, "3年目 第5試合", ""},
        {1, 5, "1年目 第5試合",
         "この試合は、試合ごとの記録を残す前のものです。得点と回数のみ記録されています。"},
        {9, 1, "9年目 第1試合は記録にありません。", ""},
        {3, 13, "3年目 第13試合は記録にありません。", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const GamePage page = browser.game(c.year, c.number);
        EXPECT_EQ(page.title, c.title);
        EXPECT_EQ(page.notes.empty() ? "" : page.notes[0], c.note);
        if (page.lineScore.rows.empty()) continue;
        const GameLine& line = history.game(c.year, c.number);
        // The runs under 計, then the hits where they were kept.
        const HistoryTable& score = page.lineScore;
        const std::size_t total = line.boxed ? score.header.size() - 2 : 1;
        EXPECT_EQ(score.header[total], "計");
        EXPECT_EQ(score.rows[1][total], std::to_string(line.runs2));
        for (std::size_t side = 0; side < 2; ++side) {
            const BattingLine& batting = page.batting[side];
            ASSERT_EQ(batting.ids.size(), line.boxed ? 10u : 0u);
            if (!line.boxed) continue;
            EXPECT_EQ(score.rows[side].back(), std::to_string(line.hits[side]));
            EXPECT_EQ(batting.ids[8], line.batters[side][8].id);
            EXPECT_EQ(batting.table.rows[8][1], "選手" + std::to_string(batting.ids[8]));
            EXPECT_EQ(batting.ids.back(), 0);  // the totals open no career
        }
    }
    EXPECT_TRUE(history.told.empty());
}

// How a game ended, as its page tells it: a half inning the side batting second never needed, the
// plate-appearance limit, nobody left who can hit, and a tie going to the side batting second.
TEST(HistoryBrowser, AGamesPageTellsHowItEnded) {
    const auto stored = [](GameEnd end, int runs1, int runs2, int innings) {
        StoredGame game{7, {}, {"Ａ", "Ｂ"}, {}};
        game.line = {3, 1, 2, runs1, runs2, innings, 70, true, {}, end, {}, {}};
        // Ahead after the top of the last inning, the side batting second never bats it.
        game.line.inningRuns = {std::vector<int>(static_cast<std::size_t>(innings), 0),
                                std::vector<int>(static_cast<std::size_t>(innings), 0)};
        if (runs2 > runs1) game.line.inningRuns[1].pop_back();
        game.line.inningRuns[0][0] = runs1;
        game.line.inningRuns[1][0] = runs2;
        return game;
    };
    const std::string tie = "同点で終わった試合は、後攻の勝ちです。";
    const struct {
        StoredGame game;
        const char* result;
        const char* lastInning;  // of the side batting second
        std::vector<std::string> notes;
    } cases[] = {
        {stored(GameEnd::Decided, 1, 2, 9), "Ａ 1 - 2 Ｂ（9回）　Ｂの勝ち", "×", {}},
        {stored(GameEnd::Decided, 4, 3, 11), "Ａ 4 - 3 Ｂ（11回）　Ａの勝ち", "0", {}},
        {stored(GameEnd::PlateAppearanceLimit, 40, 40, 9),
         "Ａ 40 - 40 Ｂ（9回）　Ｂの勝ち",
         "0",
         {"打席数が上限の10000に達したため、試合をそこで打ち切りました。", tie}},
        {stored(GameEnd::NobodyCanHit, 0, 0, 10),
         "Ａ 0 - 0 Ｂ（10回）　Ｂの勝ち",
         "0",
         {"同点のまま、両チームとも安打を打てる打者がいなくなったため、10回で試合を打ち切りました"
          "。",
          tie}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const GamePage page = gamePage(c.game);
        EXPECT_EQ(page.title, "7年目 第3試合");
        EXPECT_EQ(page.result, c.result);
        const auto innings = static_cast<std::size_t>(c.game.line.innings);
        ASSERT_EQ(page.lineScore.header.size(), innings + 3);
        EXPECT_EQ(page.lineScore.header[innings], std::to_string(innings));
        EXPECT_EQ(page.lineScore.rows[1][innings], c.lastInning);
        EXPECT_EQ(page.notes, c.notes);
    }
}

TEST(HistoryBrowser, ASeasonsHitsAndMilestonesAndAPlayersGames) {
    GameHistory history;
    const HistoryBrowser browser = history.browser();
    const struct {
        Counter year;
        bool hitsKnown;
        std::string milestone;
    } seasons[] = {
        {1, false, "記録達成は、試合ごとの記録を残すようになってからのシーズンにあります。"},
        {3, true, "このシーズンに新たに達成された記録はありません。"},
        {4, true, "第3試合　選手　通算100安打"},
    };
    for (const auto& c : seasons) {
        SCOPED_TRACE(c.year);
        const SeasonPage page = browser.season(c.year);
        ASSERT_EQ(page.gameNumbers.size(), 12u);
        EXPECT_EQ(page.gameNumbers[4], 5);
        EXPECT_EQ(page.games.rows[2][3],
                  c.hitsKnown ? std::to_string(history.game(c.year, 3).hits[0]) : "―");
        EXPECT_EQ(page.milestones, std::vector<std::string>{c.milestone});
    }

    // Team 1's first batter bats in its eight games of the season; its twentieth in none.
    const PlayerId regular = history.game(3, 2).batters[1][0].id, bench = regular + 19;
    ASSERT_EQ(history.game(3, 2).team2, 1);
    const struct {
        PlayerId id;
        Counter year;
        std::string title;
        std::size_t rows;  // the games and their totals
    } logs[] = {
        {regular, 3, "3年目の試合ごとの成績", 9},
        {regular, 1, "1年目は、試合ごとの記録を残す前のシーズンです。", 0},
        {bench, 3, "3年目には、この選手の出場した試合はありません。", 0},
        {regular, 9, "9年目のシーズンは記録にありません。", 0},
    };
    for (const auto& c : logs) {
        SCOPED_TRACE(c.title);
        const GameLogPage page = browser.gameLog(c.id, c.year);
        EXPECT_EQ(page.title, c.title);
        ASSERT_EQ(page.games.rows.size(), c.rows);
        ASSERT_EQ(page.gameNumbers.size(), c.rows);
    }
    const GameLogPage log = browser.gameLog(regular, 3);
    const GameLine& second = history.game(3, 2);
    EXPECT_EQ(log.gameNumbers[0], 2);
    EXPECT_EQ(log.games.rows[0],
              (std::vector<std::string>{
                  "2", "チーム" + std::to_string(second.team1), "1番", "4",
                  std::to_string(second.batters[1][0].hits),
                  std::to_string(second.runs2) + " - " + std::to_string(second.runs1),
                  second.runs2 >= second.runs1 ? "勝" : "敗"}));
    EXPECT_EQ(log.games.rows.back()[3], "32");  // four at-bats a game
    EXPECT_EQ(log.gameNumbers.back(), 0);       // the totals open no game
}

TEST(HistoryBrowser, TheRecordsOfSingleGames) {
    GameHistory history;
    const std::vector<RecordsSection> sections = history.browser().records();
    ASSERT_EQ(sections.size(), 10u);
    std::int64_t shutouts = 0;
    for (const SeasonRecord& season : history.seasons) {
        for (const GameLine& game : season.games) shutouts += (game.runs1 == 0) + (game.runs2 == 0);
    }
    EXPECT_EQ(sections[4].title, "1試合最多安打");
    EXPECT_EQ(sections[9].title, "最近の完封（通算" + std::to_string(shutouts) + "試合）");
    // The most hits in a game, the best first, each with the batter's name.
    const HistoryTable& hits = sections[4].table;
    ASSERT_EQ(hits.rows.size(), static_cast<std::size_t>(kGameBestPlaces));
    EXPECT_GE(std::stoi(hits.rows.front()[5]), std::stoi(hits.rows.back()[5]));
    EXPECT_EQ(hits.rows.front()[4].rfind("選手", 0), 0u);
    EXPECT_TRUE(history.told.empty());
}

// A damaged row of a game is told once, however often its pages are opened, and the pages show
// what could be read.
TEST(HistoryBrowser, ADamagedGameIsToldOnce) {
    const std::string unreadable = "4年目 第3試合の記録は壊れていて、読めませんでした。";
    const struct {
        const char* sql;
        const char* problem;
        std::string gameTitle;
        std::vector<std::string> milestones;
    } cases[] = {
        {"UPDATE game SET line1 = '9 9 9' WHERE year = 4 AND number = 3",
         "試合のイニングごとの得点が「9 9 9」です",
         unreadable,
         {"第3試合　選手　通算100安打"}},
        {"DELETE FROM game_batter WHERE year = 4 AND number = 3 AND side = 1 AND slot = 4",
         "試合3の打順が揃っていません",
         unreadable,
         {"第3試合　選手　通算100安打"}},
        {"UPDATE milestone SET kind = 'x' WHERE year = 4",
         "記録の種類が「x」です",
         "4年目 第3試合",
         {"このシーズンの記録達成は壊れていて、読めませんでした。"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        GameHistory history;
        history.db.execute(c.sql);
        const HistoryBrowser browser = history.browser();
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(browser.game(4, 3).title, c.gameTitle);
            EXPECT_EQ(browser.game(4, 2).title, "4年目 第2試合");
            const SeasonPage season = browser.season(4);
            EXPECT_EQ(season.games.rows.size(), 12u);
            EXPECT_EQ(season.milestones, c.milestones);
        }
        EXPECT_EQ(history.told, std::vector<std::string>{"4年目の記録が壊れています（" +
                                                         std::string(c.problem) + "）。"});
    }
}

}  // namespace
}  // namespace zelvano
