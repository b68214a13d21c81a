// How fast the league runs without pauses: one game, one whole season through the season driver,
// and the league file both ways. zelvano-sim's fast-forward lives on these.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_support.h"
#include "game/lineups.h"
#include "game/play_game.h"
#include "headless/headless_platform.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "league/rankings.h"
#include "league/registration.h"
#include "season/season_driver.h"

namespace zelvano {
namespace {

using namespace bench;

void BM_PlayGame(benchmark::State& state) {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    platform.gamesWatched = false;
    UnattendedScoreboardEvents events;
    League league = newLeague();
    league.PairingTeam1 = 1;
    league.PairingTeam2 = 3;
    // The lineups are drawn once: the benchmark is the game, plate appearance by plate appearance.
    drawLineups(league, platform.random());
    long appearances = 0;
    for (auto _ : state) {
        auto view = playGame(league, platform, events);
        appearances += league.CurrentGame.PlateAppearances;
    }
    state.SetItemsProcessed(appearances);
    state.counters["appearances"] = benchmark::Counter(static_cast<double>(appearances) /
                                                       static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PlayGame);

void BM_Seasons(benchmark::State& state) {
    const int seasons = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BenchUser user(seasons);
        auto files = std::make_unique<MemoryFiles>();
        files->league = leagueFileBytes(newLeague());
        HeadlessPlatform platform(user, std::move(files), 1u);
        platform.gamesWatched = false;
        League league;
        benchmark::DoNotOptimize(runLeague(league, platform));
    }
    state.SetItemsProcessed(state.iterations() * seasons);
}
BENCHMARK(BM_Seasons)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// One season after another of the same league: twelve games with their lineups, the automatic
// manager's orders, and the season end; no file is written.
void BM_Season(benchmark::State& state) {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    platform.gamesWatched = false;
    League league = newLeague();
    SeasonPlayer seasons(league, platform);
    for (auto _ : state) seasons.playSeason();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Season)->Unit(benchmark::kMicrosecond);

// The league saved after a season and loaded at the next start, through the real procedures.
void BM_SaveAndLoadLeague(benchmark::State& state) {
    BenchUser user(1);
    auto files = std::make_unique<MemoryFiles>();
    files->league = leagueFileBytes(newLeague());
    HeadlessPlatform platform(user, std::move(files), 1u);
    League league;
    loadLeague(league, platform);
    for (auto _ : state) {
        saveLeague(league, platform);
        loadLeague(league, platform);
    }
}
BENCHMARK(BM_SaveAndLoadLeague);

// Each of the five rankings of the information window, without its window.
class DroppedRanking final : public RankingSink {
public:
    bool yield() override { return true; }
    void setTitle(const std::string&) override {}
    void clear() override {}
    void addLine(const std::string& line) override { benchmark::DoNotOptimize(line.data()); }
};

void BM_Ranking(benchmark::State& state) {
    const League league = newLeague();
    DroppedRanking sink;
    for (auto _ : state) runRanking(league, static_cast<int>(state.range(0)), sink);
}
BENCHMARK(BM_Ranking)->DenseRange(0, kRankings - 1);

void BM_LeagueFileWrite(benchmark::State& state) {
    const League league = newLeague();
    for (auto _ : state) benchmark::DoNotOptimize(leagueFileBytes(league));
}
BENCHMARK(BM_LeagueFileWrite);

void BM_LeagueFileRead(benchmark::State& state) {
    const std::string bytes = leagueFileBytes(newLeague());
    League league;
    for (auto _ : state) benchmark::DoNotOptimize(parseLeagueFile(bytes, league).ok);
}
BENCHMARK(BM_LeagueFileRead);

}  // namespace
}  // namespace zelvano
