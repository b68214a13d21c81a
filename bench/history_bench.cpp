// What the league's history costs a season: its commit, against the league file's save, both on
// the disk (each flushed to it) and in memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_support.h"
#include "folder_store/folder_file_store.h"
#include "history_support.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "season/history/game_history_reader.h"
#include "season/history/history_file.h"
#include "season/history/history_reader.h"
#include "season/history/history_writer.h"
#include "season/history/league_history.h"
#include "season/history/season_recorder.h"
#include "season/season_driver.h"
#include "support/synthetic_seasons.h"

namespace zelvano {
namespace {

using namespace bench;

// One real season as the history records it: played through the season driver.
SeasonRecord playedSeason() {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    League league = newLeague();
    LeagueHistory history(":memory:");
    history.takeLeague(league, platform);
    SeasonRecorder recorder;
    SeasonPlayer seasons(league, platform, &recorder);
    seasons.playSeason();
    return *recorder.finish(league);
}

void commitSeasons(benchmark::State& state, const std::string& path) {
    SeasonRecord season = playedSeason();
    SqliteDatabase db = openHistoryForWriting(path);
    HistoryWriter writer(db);
    for (auto _ : state) {
        ++season.year;
        writer.write(nullptr, {season});
    }
}

void BM_HistoryCommitOnDisk(benchmark::State& state) {
    const ScratchFolder folder;
    commitSeasons(state, (folder.path() / "history.sqlite").string());
}
BENCHMARK(BM_HistoryCommitOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LeagueSaveOnDisk(benchmark::State& state) {
    const ScratchFolder folder;
    BenchUser user(1);
    HeadlessPlatform platform(user, makeFolderFileStore(folder.path()), 1u);
    League league = newLeague();
    for (auto _ : state) saveLeague(league, platform);
}
BENCHMARK(BM_LeagueSaveOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryCommitInMemory(benchmark::State& state) { commitSeasons(state, ":memory:"); }
BENCHMARK(BM_HistoryCommitInMemory)->Unit(benchmark::kMicrosecond);

void BM_LeagueSaveInMemory(benchmark::State& state) {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    League league = newLeague();
    for (auto _ : state) saveLeague(league, platform);
}
BENCHMARK(BM_LeagueSaveInMemory)->Unit(benchmark::kMicrosecond);

// One season's commit on the disk behind a history of range(0) seasons: the same pages at any
// age, so the same time.
void BM_HistoryCommitByAge(benchmark::State& state) {
    const ScratchFolder folder;
    SqliteDatabase db = openHistoryForWriting((folder.path() / "history.sqlite").string());
    testing::SyntheticLeague league;
    const auto seasons = static_cast<int>(state.range(0));
    writeSyntheticHistory(db, league, seasons);
    db.execute("PRAGMA wal_checkpoint(TRUNCATE)");
    HistoryWriter writer(db);
    Counter year = seasons;
    for (auto _ : state) writer.write(nullptr, {league.season(++year)});
}
BENCHMARK(BM_HistoryCommitByAge)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The all-time records of a history of range(0) seasons, as show records reads them.
void BM_HistoryRecords(benchmark::State& state) {
    const ScratchFolder folder;
    SqliteDatabase db = openHistoryForWriting((folder.path() / "history.sqlite").string());
    testing::SyntheticLeague league;
    const auto seasons = static_cast<int>(state.range(0));
    writeSyntheticHistory(db, league, seasons);
    const HistoryReader reader(db, seasons);
    for (auto _ : state) benchmark::DoNotOptimize(reader.records());
}
BENCHMARK(BM_HistoryRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The commit of one played season with its games' box scores and milestones (range(0) = 1)
// beside the same season as a history before box scores kept it (0), in memory.
void BM_HistoryCommitWithGames(benchmark::State& state) {
    SeasonRecord season = playedSeason();
    if (state.range(0) == 0) {
        for (GameLine& game : season.games) game.boxed = false;
        season.milestones.clear();
    }
    SqliteDatabase db = openHistoryForWriting(":memory:");
    HistoryWriter writer(db);
    for (auto _ : state) {
        ++season.year;
        writer.write(nullptr, {season});
    }
}
BENCHMARK(BM_HistoryCommitWithGames)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What a season adds to history.sqlite, with box scores (range(0) = 1) and without: a thousand
// made-up seasons written one commit each, the file's size over them as bytes_per_season.
void BM_HistorySizePerSeason(benchmark::State& state) {
    constexpr int kSeasons = 1000;
    for (auto _ : state) {
        const ScratchFolder folder;
        const auto path = folder.path() / "history.sqlite";
        {
            SqliteDatabase db = openHistoryForWriting(path.string());
            testing::SyntheticLeague league(state.range(0) == 1);
            HistoryWriter writer(db);
            const HistoryBeginning beginning = league.beginning();
            writer.write(&beginning, {});
            for (int year = 1; year <= kSeasons; ++year)
                writer.write(nullptr, {league.season(year)});
        }
        state.counters["bytes_per_season"] =
            static_cast<double>(std::filesystem::file_size(path)) / kSeasons;
    }
}
BENCHMARK(BM_HistorySizePerSeason)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// The single-game records of a history of range(0) seasons.
void BM_HistoryGameRecords(benchmark::State& state) {
    const ScratchFolder folder;
    SqliteDatabase db = openHistoryForWriting((folder.path() / "history.sqlite").string());
    testing::SyntheticLeague league;
    const auto seasons = static_cast<int>(state.range(0));
    writeSyntheticHistory(db, league, seasons);
    const GameHistoryReader reader(db, seasons);
    for (auto _ : state) benchmark::DoNotOptimize(reader.records());
}
BENCHMARK(BM_HistoryGameRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvano
