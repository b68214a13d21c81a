// The games the history keeps: a game reads back as it was played, the single-game records are
// the best of every game kept, the milestones are told once and in order, and an older history
// shows its games without box scores and finds its records and runs of titles from what it kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "season/history/game_history_reader.h"
#include "season/history/history_file.h"
#include "season/history/history_reader.h"
#include "season/history/history_writer.h"
#include "season/history/milestones.h"
#include "support/synthetic_seasons.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::SyntheticLeague;

TEST(Milestones, CareerHitsEveryStepOfOneThreeFive) {
    const struct {
        Counter before, after;
        std::vector<Counter> reached;
    } cases[] = {
        {0, 99, {}},       {99, 100, {100}},    {100, 100, {}},       {99, 300, {100, 300}},
        {499, 501, {500}}, {999, 1000, {1000}}, {2999, 3004, {3000}}, {4999, 10000, {5000, 10000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(careerHitMilestones(c.before, c.after), c.reached) << c.before << ".." << c.after;
    }
}

TEST(Milestones, AGameToldAPlayerInTwoSlotsOnceWithBothHisLines) {
    League league = testing::testLeague();
    league.CurrentGame.SideTeam = {0, 1, 2};
    for (int side = 1; side <= 2; ++side) {
        for (int slot = 1; slot <= kBattingSlots; ++slot) league.BattingOrder[side][slot] = slot;
    }
    league.BattingOrder[1][9] = 1;  // player 1 of team 1 bats first and ninth
    league.PlayerIds[1][1] = 501;
    league.Hits[1][1] = 101;    // two hits in each slot: 97 before the game
    league.AtBats[1][1] = 500;  // .202: short of the hall of fame's line
    league.CurrentGame.Box.Hits[1][1] = league.CurrentGame.Box.Hits[1][9] = 2;
    league.CurrentGame.Box.AtBats[1][1] = league.CurrentGame.Box.AtBats[1][9] = 4;
    league.PlayerIds[2][3] = 502;
    league.Hits[2][3] = 102;  // .340 and past a hundred hits with this game's one
    league.AtBats[2][3] = 300;
    league.CurrentGame.Box.Hits[2][3] = 2;
    league.CurrentGame.Box.AtBats[2][3] = 4;

    std::vector<std::tuple<PlayerId, MilestoneKind, Counter>> told;
    for (const Milestone& each : gameMilestones(league, 7)) {
        EXPECT_EQ(each.game, 7);
        told.emplace_back(each.id, each.kind, each.value);
    }
    const decltype(told) expected = {{501, MilestoneKind::CareerHits, 100},
                                     {502, MilestoneKind::HallOfFameLine, 102}};
    EXPECT_EQ(told, expected);
}

// A history in memory with the seasons of `league` from 1 to `seasons`, changed by `change`.
struct KeptHistory {
    SqliteDatabase db = openHistoryForWriting(":memory:");
    std::vector<SeasonRecord> seasons;

    KeptHistory(int count, const std::function<void(SeasonRecord&)>& change = {}) {
        SyntheticLeague league;
        HistoryWriter writer(db);
        const HistoryBeginning beginning = league.beginning();
        writer.write(&beginning, {});
        for (Counter year = 1; year <= count; ++year) {
            seasons.push_back(league.season(year));
            if (change) change(seasons.back());
            writer.write(nullptr, {seasons.back()});
        }
    }
    GameHistoryReader games() { return {db, static_cast<Counter>(seasons.size())}; }
};

TEST(HistoryGames, AGameReadsBackAsItWasPlayed) {
    KeptHistory history(3, [](SeasonRecord& season) {
        if (season.year != 2) return;
        GameLine& game = season.games[4];  // the fifth: ten innings, side 2 short of the tenth
        game.innings = 10;
        game.inningRuns[0] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 2};
        game.inningRuns[1] = {0, 0, 0, 0, 0, 0, 1, 0, 0};
        game.runs1 = 3;
        game.runs2 = 1;
        game.end = GameEnd::PlateAppearanceLimit;
        game.batters[1][8] = game.batters[1][0];  // the first batter bats ninth too
        game.hits[1] = 0;
        for (const BoxBatter& batter : game.batters[1]) game.hits[1] += batter.hits;
    });
    const GameLine& written = history.seasons[1].games[4];
    const std::optional<StoredGame> read = history.games().game(2, 5);
    ASSERT_TRUE(read.has_value());
    const GameLine& line = read->line;
    EXPECT_TRUE(line.boxed);
    EXPECT_EQ(std::tie(line.team1, line.team2, line.runs1, line.runs2, line.innings, line.hits),
              std::tie(written.team1, written.team2, written.runs1, written.runs2, written.innings,
                       written.hits));
    EXPECT_EQ(line.end, GameEnd::PlateAppearanceLimit);
    EXPECT_EQ(line.inningRuns, written.inningRuns);
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t slot = 0; slot < kBattingSlots; ++slot) {
            const BoxBatter &a = line.batters[side][slot], &b = written.batters[side][slot];
            EXPECT_EQ(std::tie(a.id, a.teamSlot, a.atBats, a.hits),
                      std::tie(b.id, b.teamSlot, b.atBats, b.hits));
            EXPECT_EQ(read->batters[side][slot], "選手" + std::to_string(b.id));
        }
    }
    // The batter in two slots has one line in his game log, with both.
    const BoxBatter& twice = written.batters[1][0];
    const std::vector<GameLogLine> log = history.games().gameLog(twice.id, 2);
    const auto fifth = std::find_if(log.begin(), log.end(),
                                    [](const GameLogLine& each) { return each.number == 5; });
    ASSERT_NE(fifth, log.end());
    EXPECT_EQ(fifth->atBats, 2 * twice.atBats);
    EXPECT_EQ(fifth->hits, 2 * twice.hits);
    EXPECT_EQ(std::tie(fifth->runsFor, fifth->runsAgainst, fifth->won), std::tuple(1, 3, false));
    // Nothing beyond what was played, nor beyond the league's year.
    EXPECT_FALSE(history.games().game(2, 13).has_value());
    EXPECT_FALSE(GameHistoryReader(history.db, 1).game(2, 5).has_value());
}

// (year, game, value) of a record's lines.
using Marks = std::vector<std::tuple<Counter, int, Counter>>;

Marks marksOf(const std::vector<SingleGameMark>& lines) {
    Marks marks;
    for (const SingleGameMark& each : lines) marks.emplace_back(each.year, each.number, each.value);
    return marks;
}

// The ten best of every candidate, as the records rank them: the value, then the earliest.
Marks bestTen(Marks all) {
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return std::get<2>(a) > std::get<2>(b); });
    all.resize(std::min<std::size_t>(all.size(), 10));
    return all;
}

TEST(HistoryGames, TheRecordsAreTheBestOfEveryGameKept) {
    KeptHistory history(60, [](SeasonRecord& season) {
        // Now and then a game with a team held hitless, and long games late in the league.
        GameLine& game = season.games[static_cast<std::size_t>(season.year % 12)];
        if (season.year % 13 == 0) {
            for (BoxBatter& batter : game.batters[0]) batter.hits = 0;
            game.hits[0] = 0;
        }
        game.innings += static_cast<int>(season.year / 20);
        game.inningRuns[0].resize(static_cast<std::size_t>(game.innings));
        game.inningRuns[1].resize(static_cast<std::size_t>(game.innings));
    });
    // Every season's games up to `last`, ranked as the records must rank them.
    const auto expectBestUpTo = [&](Counter last, const GameHistoryReader& games) {
        Marks hits, runs, margins, innings, noHitters;
        std::int64_t shutouts = 0;
        for (const SeasonRecord& season : history.seasons) {
            if (season.year > last) break;
            for (const GameLine& game : season.games) {
                for (const auto& side : game.batters) {
                    for (const BoxBatter& batter : side) {
                        hits.emplace_back(season.year, game.number, batter.hits);
                    }
                }
                runs.emplace_back(season.year, game.number, game.runs1);
                runs.emplace_back(season.year, game.number, game.runs2);
                margins.emplace_back(season.year, game.number, std::abs(game.runs1 - game.runs2));
                innings.emplace_back(season.year, game.number, game.innings);
                for (const int each : game.hits) {
                    if (each == 0) noHitters.emplace_back(season.year, game.number, 0);
                }
                shutouts += (game.runs1 == 0 ? 1 : 0) + (game.runs2 == 0 ? 1 : 0);
            }
        }
        const GameRecords records = games.records();
        EXPECT_EQ(marksOf(records.mostHits), bestTen(hits));
        EXPECT_EQ(marksOf(records.mostRuns), bestTen(runs));
        EXPECT_EQ(marksOf(records.widestWins), bestTen(margins));
        EXPECT_EQ(marksOf(records.longestGames), bestTen(innings));
        EXPECT_EQ(marksOf(records.noHitters), noHitters);
        EXPECT_EQ(records.shutoutCount, shutouts);
        ASSERT_FALSE(records.latestShutouts.empty());
        EXPECT_LE(records.latestShutouts.front().year, last);
    };
    expectBestUpTo(60, history.games());
    // Seasons beyond the league's year are not counted, before and after they are removed.
    expectBestUpTo(40, GameHistoryReader(history.db, 40));
    HistoryWriter(history.db).dropAfter(40);
    expectBestUpTo(40, GameHistoryReader(history.db, 60));
}

TEST(HistoryGames, MilestonesAreToldOnceAndRunsOfTitlesWhenLongerThanAnyBefore) {
    const std::vector<int> champions = {1, 1, 2, 3, 3, 3, 1, 1, 1, 2};
    KeptHistory history(10, [&](SeasonRecord& season) {
        season.champion = champions[static_cast<std::size_t>(season.year - 1)];
        season.milestones.clear();
        // Player 7 steps over the hall of fame's line in years 2 and 5: only the first counts.
        if (season.year == 2 || season.year == 5) {
            season.milestones.push_back({4, MilestoneKind::HallOfFameLine, 1, 7, "選手7", 101});
        }
    });
    std::vector<std::tuple<Counter, MilestoneKind, Counter>> told;
    for (Counter year = 1; year <= 10; ++year) {
        for (const Milestone& each : history.games().milestones(year)) {
            told.emplace_back(year, each.kind, each.value);
        }
    }
    const decltype(told) expected = {{2, MilestoneKind::HallOfFameLine, 101},
                                     {2, MilestoneKind::TitleRun, 2},
                                     {6, MilestoneKind::TitleRun, 3}};
    EXPECT_EQ(told, expected);
}

TEST(HistoryGames, AnOlderHistoryShowsItsGamesWithoutBoxScoresAndFindsItsRecords) {
    const testing::TempFolder folder;
    const fs::path path = folder.folder() / kHistoryFileName;
    fs::copy_file(fs::path(ZELVANO_TEST_DATA) / "history-v1" / kHistoryFileName, path);
    SqliteDatabase db = openHistoryForWriting(path.string());
    const Counter last = static_cast<Counter>(db.single("SELECT max(year) FROM season"));
    const HistoryReader seasons(db, last);
    const GameHistoryReader games(db, last);

    Marks runs;
    std::vector<int> champions;
    for (const StoredSeason& season : seasons.seasons()) {
        champions.push_back(season.champion);
        for (const GameLine& game : seasons.games(season.year)) {
            EXPECT_FALSE(game.boxed);
            runs.emplace_back(season.year, game.number, game.runs1);
            runs.emplace_back(season.year, game.number, game.runs2);
        }
    }
    const std::optional<StoredGame> first = games.game(1, 1);
    ASSERT_TRUE(first.has_value());
    EXPECT_FALSE(first->line.boxed);
    EXPECT_EQ(marksOf(games.records().mostRuns), bestTen(runs));
    EXPECT_TRUE(games.records().mostHits.empty());

    // Each season whose champion ran longer than any before, as the game would have told it.
    std::vector<std::pair<Counter, Counter>> longer, told;
    int run = 0, longest = 1;
    for (std::size_t at = 0; at < champions.size(); ++at) {
        run = at > 0 && champions[at] == champions[at - 1] ? run + 1 : 1;
        if (run > longest) longer.emplace_back(static_cast<Counter>(at + 1), longest = run);
    }
    for (Counter year = 1; year <= last; ++year) {
        for (const Milestone& each : games.milestones(year)) told.emplace_back(year, each.value);
    }
    EXPECT_EQ(told, longer);
}

}  // namespace
}  // namespace zelvano
