// The league's history in English: its pages in plain digits with ".312" averages and English
// headings where the Japanese lays out its own, the report it kept in Japanese told anew, and
// its messages in whole English sentences; nothing Japanese left but the league's names.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "folder_store/folder_file_store.h"
#include "season/history/history_browser.h"
#include "season/history/history_damage.h"
#include "season/history/history_file.h"
#include "season/history/history_game_pages.h"
#include "season/history/history_writer.h"
#include "season/history/league_history.h"
#include "season/results_report.h"
#include "support/scripted_user.h"
#include "support/synthetic_seasons.h"
#include "support/temp_folder.h"
#include "support/test_league.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {
namespace {

// Kana, kanji, Japanese punctuation and the full-width forms, once the league's own names (the
// made-up seasons' "選手12" and "チーム3", the report's "山田") are taken out.
bool hasJapanese(const std::string& shown) {
    static const std::regex kNames("選手[0-9]*|チーム[1-3]|山田");
    for (const char32_t each : text::toCodePoints(std::regex_replace(shown, kNames, ""))) {
        if ((each >= 0x3000 && each <= 0x30FF) || (each >= 0x4E00 && each <= 0x9FFF) ||
            (each >= 0xFF00 && each <= 0xFFEF) || each == 0x2015) {
            return true;
        }
    }
    return false;
}

void expectEnglish(const HistoryTable& table) {
    for (const std::string& heading : table.header) EXPECT_FALSE(hasJapanese(heading)) << heading;
    for (const auto& row : table.rows) {
        for (const std::string& cell : row) EXPECT_FALSE(hasJapanese(cell)) << cell;
    }
}

void expectEnglish(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) EXPECT_FALSE(hasJapanese(line)) << line;
}

// Ten made-up seasons, the first kept before box scores, the tenth with a hall of famer; every
// season's report as the game prints it, with two hitters above .500.
struct EnglishHistory {
    SqliteDatabase db = openHistoryForWriting(":memory:");
    League league = testing::testLeague();
    std::vector<SeasonRecord> seasons;
    std::vector<std::string> told;

    EnglishHistory() {
        League hitters = testing::testLeague();
        hitters.TeamName[1] = "Mountaineers";  // cut to ten characters in the printed report
        hitters.PlayerName[1][4] = "Ace";
        hitters.Hits[1][4] = 9;
        hitters.PlayerName[3][7] = "山田";
        hitters.Hits[3][7] = 6;
        testing::SyntheticLeague made;
        const HistoryBeginning beginning = made.beginning();
        for (Counter year = 1; year <= 10; ++year) {
            SeasonRecord season = made.season(year);
            season.report.teamNames = {"Mountaineers", "DEF", "GHI"};
            season.report.mvpLines = mvpLines(hitters);
            seasons.push_back(std::move(season));
        }
        for (GameLine& game : seasons[0].games) game.boxed = false;
        seasons[5].titles = 4;  // year 6: team 1's fourth title, its third in a row
        seasons[5].titleRun = 3;
        HistoryWriter(db).write(&beginning, seasons);
    }
    HistoryBrowser browser() {
        return HistoryBrowser(league, HistoryReader(db, 10), GameHistoryReader(db, 10),
                              [this](const std::string& problem) { told.push_back(problem); });
    }
};

TEST(HistoryInEnglish, ThePagesInPlainDigitsWithTheReportToldAnew) {
    EnglishHistory history;
    const text::ScopedLanguage english("en");
    const HistoryBrowser browser = history.browser();
    EXPECT_EQ(browser.knownSinceText(), "The league's history goes back to the season of year 1.");

    const HistoryTable champions = browser.champions();
    EXPECT_EQ(champions.header[0], "Year");
    EXPECT_EQ(champions.header[6], "ABC title run");
    const SeasonRecord& first = history.seasons[0];
    EXPECT_EQ(champions.rows[0][0], "1");
    EXPECT_EQ(champions.rows[0][2],
              std::to_string(first.wins[0]) + "-" + std::to_string(first.losses[0]));
    EXPECT_EQ(champions.rows[5][6], "3 in a row");
    expectEnglish(champions);

    const struct {
        Counter year;
        const char* title;
        const char* headline;
        std::string average;       // every team's, printed as 0.2106
        const char* visitorsHits;  // of the third game
    } pages[] = {
        {1, "Year 1 season", "Champion: DEF (first title)", ".210", "—"},
        {3, "Year 3 season", "Champion: Mountaineers (first title)", ".210", nullptr},
        {6, "Year 6 season", "Champion: Mountaineers (4 titles, 3 in a row)", ".211", nullptr},
    };
    for (const auto& c : pages) {
        SCOPED_TRACE(c.title);
        const SeasonPage page = browser.season(c.year);
        EXPECT_EQ(page.title, c.title);
        // The report as printed, its figures in plain digits and its MVPs with their own names.
        const std::vector<std::string> report = {c.headline,
                                                 "Team batting averages",
                                                 "  Mountaineers  " + c.average,
                                                 "  DEF  " + c.average,
                                                 "  GHI  " + c.average,
                                                 "This season's MVPs",
                                                 "Ace (Mountaineers) .900",
                                                 "山田 (GHI) .600"};
        EXPECT_EQ(page.report, report);
        EXPECT_EQ(page.games.header[1], "Visitors");
        if (c.visitorsHits != nullptr) {
            EXPECT_EQ(page.games.rows[2][3], c.visitorsHits);
        }
        expectEnglish(page.standings);
        expectEnglish(page.games);
        expectEnglish(page.moves);
        expectEnglish(page.milestones);
        expectEnglish(page.report);
    }
    EXPECT_EQ(browser.season(4).milestones,
              std::vector<std::string>{"Game 3: 選手 reached 100 career hits"});
    EXPECT_EQ(browser.season(11).title, "The history has no record of the year 11 season.");

    // Every kind of move, one sentence each.
    const HistoryTable moves = browser.transactions(0);
    expectEnglish(moves);
    const std::regex kinds[] = {
        std::regex("選手[0-9]+ \\((ABC|DEF|GHI) No\\. [0-9]+\\) traded for 選手[0-9]+ \\("
                   "(ABC|DEF|GHI) No\\. [0-9]+\\)"),
        std::regex("選手[0-9]+ \\((ABC|DEF|GHI) No\\. [0-9]+\\) retired with [0-9]+/[0-9]+ "
                   "\\(\\.[0-9]{3}\\)( and entered the Hall of Fame)?"),
        std::regex("選手[0-9]+ joined (ABC|DEF|GHI) as No\\. [0-9]+, replacing 選手[0-9]+"),
    };
    bool hallOfFame = false;
    for (const auto& row : moves.rows) {
        EXPECT_TRUE(
            std::any_of(std::begin(kinds), std::end(kinds),
                        [&](const std::regex& kind) { return std::regex_match(row[2], kind); }))
            << row[1] << ": " << row[2];
        hallOfFame = hallOfFame || row[2].ends_with("and entered the Hall of Fame");
    }
    EXPECT_TRUE(hallOfFame);

    const PlayerId regular = history.seasons[2].games[1].batters[1][0].id;
    const CareerPage career = browser.career(regular);
    EXPECT_EQ(career.title, "選手" + std::to_string(regular) + "'s career");
    EXPECT_EQ(career.seasons.rows[0][4], "League founded");
    expectEnglish(career.seasons);
    const GameLogPage log = browser.gameLog(regular, 3);
    EXPECT_EQ(log.title, "Game log, year 3");
    EXPECT_EQ(log.games.rows[0][2], "1");
    EXPECT_TRUE(log.games.rows[0][6] == "W" || log.games.rows[0][6] == "L");
    expectEnglish(log.games);

    const std::vector<RecordsSection> records = browser.records();
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[0].title,
              "Best season batting averages (" + std::to_string(kQualifyingAtBats) + "+ at-bats)");
    ASSERT_FALSE(records[1].table.rows.empty());
    EXPECT_EQ(records[1].table.rows[0][6].front(), '.');
    for (const RecordsSection& section : records) {
        EXPECT_FALSE(hasJapanese(section.title)) << section.title;
        expectEnglish(section.table);
    }
    EXPECT_TRUE(history.told.empty());
}

// Japanese shows the report's lines as they were printed.
TEST(HistoryInEnglish, JapaneseShowsTheReportAsPrinted) {
    EnglishHistory history;
    const SeasonPage page = history.browser().season(6);
    const std::vector<std::string>& printed = history.seasons[5].report.mvpLines;
    ASSERT_EQ(page.report.size(), 8u);
    EXPECT_EQ(page.report[0], "優勝：チーム1  (1回目) ");
    EXPECT_EQ(std::vector<std::string>(page.report.end() - 2, page.report.end()), printed);
}

TEST(HistoryInEnglish, AGamesPageTellsHowItEnded) {
    const text::ScopedLanguage english("en");
    const auto stored = [](GameEnd end, int runs1, int runs2, int innings) {
        StoredGame game{7, {}, {"Aces", "Bears"}, {}};
        game.line = {3, 1, 2, runs1, runs2, innings, 70, true, {}, end, {}, {}};
        game.line.inningRuns = {std::vector<int>(static_cast<std::size_t>(innings), 0),
                                std::vector<int>(static_cast<std::size_t>(innings), 0)};
        if (runs2 > runs1) game.line.inningRuns[1].pop_back();
        game.line.inningRuns[0][0] = runs1;
        game.line.inningRuns[1][0] = runs2;
        return game;
    };
    const std::string tie = "A game that ends tied goes to the home team.";
    const struct {
        StoredGame game;
        const char* result;
        const char* lastInning;  // of the side batting second
        std::vector<std::string> notes;
    } cases[] = {
        {stored(GameEnd::Decided, 1, 2, 9), "Aces 1 - 2 Bears (9 innings), Bears won", "X", {}},
        {stored(GameEnd::PlateAppearanceLimit, 40, 40, 9),
         "Aces 40 - 40 Bears (9 innings), Bears won",
         "0",
         {"The game was called when it reached the limit of 10000 plate appearances.", tie}},
        {stored(GameEnd::NobodyCanHit, 0, 0, 1),
         "Aces 0 - 0 Bears (1 inning), Bears won",
         "0",
         {"The game was called, tied after 1 inning, with no batter left on either side able to "
          "get a hit.",
          tie}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const GamePage page = gamePage(c.game);
        EXPECT_EQ(page.title, "Year 7, game 3");
        EXPECT_EQ(page.result, c.result);
        const auto innings = static_cast<std::size_t>(c.game.line.innings);
        EXPECT_EQ(page.lineScore.header.back(), "H");
        EXPECT_EQ(page.lineScore.rows[1][innings], c.lastInning);
        EXPECT_EQ(page.notes, c.notes);
        EXPECT_EQ(page.batting[0].title, "Visitors: Aces");
        EXPECT_EQ(page.batting[1].table.rows[0][0], "1");
        EXPECT_EQ(page.batting[1].table.rows.back()[0], "Total");
    }
}

TEST(HistoryInEnglish, MilestonesAndDamageInThePlayersWords) {
    const text::ScopedLanguage english("en");
    const struct {
        std::string shown;
        const char* expected;
    } cases[] = {
        {milestoneText({5, MilestoneKind::CareerHits, 1, 9, "Ace", 300}),
         "Game 5: Ace reached 300 career hits"},
        {milestoneText({0, MilestoneKind::HallOfFameLine, 1, 9, "", 1500}),
         "(name not recorded) reached the Hall of Fame mark (1500 hits)"},
        {milestoneText({0, MilestoneKind::TitleRun, 2, 0, "Bears", 7}),
         "Bears: 7 titles in a row (a league record)"},
        {HistoryDamage(12,
                       unexpectedValue(text::translatedIn("damaged value", "優勝チームの番号"), 7))
             .what(),
         "The record of year 12 is damaged (the champion's team number is 7)."},
        {historyProblemText(SqliteError(SQLITE_FULL, "disk")), "The disk is full."},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected);

    // A damaged row read through the pages.
    EnglishHistory history;
    history.db.execute("UPDATE season SET champion = 7 WHERE year = 2");
    EXPECT_EQ(history.browser().season(2).title,
              "The record of the year 2 season is damaged and could not be read.");
    EXPECT_EQ(history.told, std::vector<std::string>{"The record of year 2 is damaged (the "
                                                     "champion's team number is 7)."});
}

TEST(HistoryInEnglish, ThePlayerIsToldOfTheHistoryInEnglish) {
    const text::ScopedLanguage english("en");
    const testing::TempFolder folder;
    const std::string path = (folder.folder() / "history.sqlite").string();
    const struct {
        const char* name;
        std::string bytes;  // in history.sqlite beforehand; nothing for none
        std::string told;
    } cases[] = {
        {"new", "",
         "This league's history has not been recorded yet.\nFrom the season of year 13 on, the "
         "champions, games, trades, players' records and more will be recorded in \"" +
             path + "\"."},
        {"damaged", std::string(5000, 'x'),
         "Could not open the league history \"" + path +
             "\".\n(The file is damaged, or it is not a Zelvano league history.)\n\nThe history "
             "will not be recorded this time. You can play the seasons as usual, and the "
             "league's data is saved. The years not recorded will be missing from the history."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& name : historyFileNames(path)) std::filesystem::remove(name);
        if (!c.bytes.empty()) folder.put("history.sqlite", c.bytes);
        testing::ScriptedUser user;
        HeadlessPlatform platform(user, makeFolderFileStore(folder.folder()), 3u);
        League league = testing::testLeague();
        league.CurrentYear = 12;
        LeagueHistory(path).takeLeague(league, platform);
        ASSERT_EQ(user.asked.size(), 1u);
        EXPECT_EQ(user.asked[0].title, "Zelvano - League History");
        EXPECT_EQ(user.asked[0].text, c.told);
    }
}

}  // namespace
}  // namespace zelvano
