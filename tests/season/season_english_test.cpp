// The season's texts in English: what the player reads changes its words and its numbers, what
// the files and the history keep stays Japanese.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "league/league_file.h"
#include "season/hall_of_fame.h"
#include "season/major_league_loan.h"
#include "season/personal_data.h"
#include "season/results_report.h"
#include "season/retirements.h"
#include "season/season_driver.h"
#include "season/trades.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/cp932.h"
#include "text/translation.h"

namespace zelvano {
namespace {

TEST(SeasonInEnglish, PersonalData) {
    const text::ScopedLanguage english("en");
    struct Case {
        Counter hits, atBats, entryYear, year;
        std::string text;
    };
    const std::vector<Case> cases = {
        {102, 340, 0, 5,
         "Ａ０１ joined in year 0 and has gone 102-for-340 in 5 years, batting .300.\n"
         "He qualifies for the Hall of Fame.\nHis average is poor: a weak hitter.\n"
         "He has played here since the league began."},
        {40, 100, 3, 4, "Ａ０１ joined in year 3 and has gone 40-for-100 in 1 year, batting .400."},
        {5001, 10000, 3, 34,
         "Ａ０１ joined in year 3 and has gone 5001-for-10000 in 31 years, batting .500.\n"
         "He qualifies for the Hall of Fame.\nAn outstanding hitter, batting over .500.\n"
         "A star with 1000 hits or more. A veteran."},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague();
        league.CurrentYear = c.year;
        league.Hits[1][1] = c.hits;
        league.AtBats[1][1] = c.atBats;
        league.EntryYear[1][1] = c.entryYear;
        EXPECT_EQ(personalDataText(league, 1, 1), c.text);
    }
}

TEST(SeasonInEnglish, TheReportIsShownInEnglishAndKeptInJapanese) {
    const text::ScopedLanguage english("en");
    League league = testing::testLeague();
    league.PlayerName[1][3] = "Yamada";
    league.Hits[1][3] = 6;
    struct Season {
        std::string titleCount, titleRun, keptCount, keptRun;
    };
    for (const Season& s : {Season{"(first title)", "", "(1回目)", ""},
                            Season{"(2 titles)", "2 in a row", "(2回目)", "【2年連続】"}}) {
        const ResultsReport kept = recordChampionship(league, 1);
        EXPECT_EQ(kept.championLine, "優勝：ABC");
        EXPECT_EQ(kept.titleCount, s.keptCount);
        EXPECT_EQ(kept.titleRun, s.keptRun);
        EXPECT_EQ(kept.teamAverages[0], "0.31");
        EXPECT_EQ(kept.mvpLines.size(), 1u);

        const ResultsReport shown = shownReport(kept);
        EXPECT_EQ(shown.championLine, "Champion: ABC");
        EXPECT_EQ(shown.titleCount, s.titleCount);
        EXPECT_EQ(shown.titleRun, s.titleRun);
        EXPECT_EQ(shown.teamAverages, (std::array<std::string, 3>{".310", ".300", ".300"}));
        EXPECT_EQ(shown.mvpLines, std::vector<std::string>{"Yamada (ABC) .600"});
    }
}

TEST(SeasonInEnglish, MajorLeagueTab) {
    const text::ScopedLanguage english("en");
    League league = testing::testLeague();
    EXPECT_EQ(majorLeagueInformation(league),
              "None of our players is on loan to the major leagues.");
    league.LeagueRecord[0] = 1;
    league.LeagueRecord[1] = 55;
    league.LeagueRecord[2] = 100;
    league.LeagueRecordText[1] = "Suzuki";
    // Before the first season of a run, no news has been drawn.
    EXPECT_EQ(majorLeagueInformation(league),
              "Suzuki, who was batting .550 for us, is on loan to the major leagues.\n");
    league.LoanNews = "連日、チームの連勝に貢献しています。";
    EXPECT_EQ(majorLeagueInformation(league),
              "Suzuki, who was batting .550 for us, is on loan to the major leagues.\n"
              "Day after day, he helps his team win.");
}

TEST(SeasonInEnglish, HallOfFameCountsAndKeepsItsRecordsInJapanese) {
    const text::ScopedLanguage english("en");
    EXPECT_EQ(hallOfFameRecord("Sato", 2, 1000), "Sato(3年度入団)【1000安打】《殿堂入り》\r\n");
    testing::MemoryFileStore files;
    EXPECT_EQ(hallOfFameRoster(files).lines,
              std::vector<std::string>{"No retired player is in the Hall of Fame yet."});
    struct Case {
        std::vector<std::string> names;
        std::string count, lastPageEnd;
    };
    for (const Case& c : {Case{{"Sato"}, "1 member", "\n  1 member in all."},
                          Case{{"Sato", "Ito"}, "2 members", "\n  2 members in all."}}) {
        std::string bytes;
        for (const std::string& name : c.names) bytes += hallOfFameRecord(name, 0, 500);
        files.files["Jbball.Mei"] = *text::encodeCp932(bytes);
        const HallOfFameRoster roster = hallOfFameRoster(files);
        EXPECT_EQ(roster.lines[0], "Sato(1年度入団)【500安打】");  // as the file has it
        EXPECT_EQ(roster.count, c.count);
        const std::vector<std::string> pages = hallOfFamePages(roster.lines);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(pages[0].starts_with("Hall of Fame Members\n1)Sato(")) << pages[0];
        EXPECT_TRUE(pages[0].ends_with(c.lastPageEnd)) << pages[0];
    }
}

struct OffSeason {
    testing::ScriptedUser user;
    std::unique_ptr<HeadlessPlatform> platform;
    League league = testing::testLeague();

    explicit OffSeason(std::vector<float> draws) {
        platform = std::make_unique<HeadlessPlatform>(
            user, std::make_unique<testing::MemoryFileStore>(),
            std::make_unique<testing::ScriptedRandom>(std::move(draws)));
    }
};

TEST(SeasonInEnglish, TradeAndRetirementMessages) {
    const text::ScopedLanguage english("en");
    OffSeason trades({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    makeTrades(trades.league, *trades.platform);
    ASSERT_EQ(trades.user.asked.size(), 3u);
    EXPECT_EQ(trades.user.asked[0].title, "Zelvano - Trades");
    EXPECT_EQ(trades.user.asked[0].text,
              "A trade has been made:\nABC\nＡ０１ (.300) for\nDEF\nＢ０１ (.300)");

    OffSeason retirement({0.9f, 0.0f, 0.5f, 0.1f});
    League& league = retirement.league;
    league.CurrentYear = 7;
    league.Hits[1][1] = 101;
    league.AtBats[1][1] = 335;
    retirePlayers(league, *retirement.platform);
    ASSERT_EQ(retirement.user.asked.size(), 1u);
    EXPECT_EQ(retirement.user.asked[0].title, "Zelvano - Retirement");
    EXPECT_EQ(
        retirement.user.asked[0].text,
        "Ａ０１ has announced his retirement.\nSince joining in year 1, he went 101-for-335 in "
        "7 years, batting .301.\n<< Elected to the Hall of Fame >>");
    EXPECT_EQ(league.SeasonFiles.hallOfFameRecords,
              *text::encodeCp932("Ａ０１(1年度入団)【101安打】\r\n"));
}

// Seasons played in English on a league whose names are all ASCII: every message, and the
// report, holds no character outside ASCII but the hall of fame's records, shown as kept.
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
    const auto onAct = run.user.onAct;
    run.user.onAct = [&](HeadlessPlatform& platform) {
        if (auto* report = platform.resultsReportView(); report && report->visible) {
            shown.push_back(report->championLine + report->titleCount + report->titleRun);
            for (const std::string& line : report->mvpLines) shown.push_back(line);
        }
        return onAct(platform);
    };
    constexpr int kSeasons = 8;
    for (int season = 1; season < kSeasons; ++season) run.user.answers.push_back(Answer::Yes);
    run.user.answers.push_back(Answer::No);
    ASSERT_EQ(runLeague(run.league, *run.platform), 0);

    std::set<std::string> titles;
    for (const MessageRequest& asked : run.user.asked) {
        titles.insert(asked.title);
        shown.push_back(asked.title + "\n" + asked.text);
    }
    for (std::string text : shown) {
        for (const std::string kept : {"年度入団)【", "安打】", "《殿堂入り》"}) {
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
    EXPECT_EQ(run.user.asked.back().text, "Thanks for playing. Come back soon!");
}

}  // namespace
}  // namespace zelvano
