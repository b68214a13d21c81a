// Floors to hold the real benchmarks against: the least work a game, a season or a roster list
// can take. BM_FloorGameDraws is a game with everything taken away but its random draws and hit
// comparisons, BM_FloorGameHalves the same draws ended in half-innings, BM_FloorSeasonDraws the
// draws of a whole season; BM_PlayGame and BM_Season (league_bench.cpp) show how far above these
// floors the engine runs.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/random_source.h"
#include "text/full_width.h"

namespace zelvano {
namespace {

// The mean number of plate appearances of a game, over a hundred seasons of zelvano-sim.
constexpr int kPlateAppearancesPerGame = 97;
constexpr int kGamesPerSeason = 12;
// The season end's draws: the year's news, the three trades' six, the loan's ten tries, three
// retirement turns and about two players drawn by them, and about two for the rookies.
constexpr int kSeasonEndDraws = 1 + 6 + 10 + 3 + 2 + 2;

// Nine batters' averages, as the game compares them: in single precision.
constexpr std::array<float, 9> kAverages = {0.31f, 0.27f, 0.29f, 0.33f, 0.25f,
                                            0.28f, 0.30f, 0.26f, 0.24f};

int gameDraws(SeededRandom& random) {
    int hits = 0;
    for (int appearance = 0; appearance < kPlateAppearancesPerGame; ++appearance) {
        hits += random.next() < kAverages[static_cast<std::size_t>(appearance % 9)] ? 1 : 0;
    }
    return hits;
}

// One side's lineup: players 1..30 drawn until nine different ones are in.
std::uint32_t lineupDraws(SeededRandom& random) {
    std::uint32_t drawn = 0;
    for (int slot = 0; slot < 9; ++slot) {
        std::uint32_t player = 0;
        do {
            player = 1u << drawOneTo(random, 30);
        } while ((drawn & player) != 0);
        drawn |= player;
    }
    return drawn;
}

void BM_FloorGameDraws(benchmark::State& state) {
    SeededRandom random(1u);
    for (auto _ : state) benchmark::DoNotOptimize(gameDraws(random));
    state.SetItemsProcessed(state.iterations() * kPlateAppearancesPerGame);
}
BENCHMARK(BM_FloorGameDraws);

// The floor's draws and comparisons played in half-innings, each ended at its third out, and
// nothing else. Where a half-inning ends cannot be foreseen, so the branch that ends it is
// mispredicted about twenty times a game; this is the least a game costs that plays its
// half-innings one after another, whatever else it counts.
int gameDrawsInHalves(SeededRandom& random) {
    int halves = 0;
    int appearance = 0;
    while (appearance < kPlateAppearancesPerGame) {
        int outs = 0;
        while (outs < 3 && appearance < kPlateAppearancesPerGame) {
            const float average = kAverages[static_cast<std::size_t>(appearance % 9)];
            outs += random.next() < average ? 0 : 1;
            ++appearance;
        }
        ++halves;
    }
    return halves;
}

void BM_FloorGameHalves(benchmark::State& state) {
    SeededRandom random(1u);
    for (auto _ : state) benchmark::DoNotOptimize(gameDrawsInHalves(random));
    state.SetItemsProcessed(state.iterations() * kPlateAppearancesPerGame);
}
BENCHMARK(BM_FloorGameHalves);

// A season's draws and comparisons and nothing else: twelve games, each after two lineups drawn,
// and the season end's draws.
void BM_FloorSeasonDraws(benchmark::State& state) {
    SeededRandom random(1u);
    for (auto _ : state) {
        int hits = 0;
        std::uint32_t lineups = 0;
        for (int game = 0; game < kGamesPerSeason; ++game) {
            lineups ^= lineupDraws(random);
            lineups ^= lineupDraws(random);
            hits += gameDraws(random);
        }
        for (int draw = 0; draw < kSeasonEndDraws; ++draw) hits += random.next() < 0.5f ? 1 : 0;
        benchmark::DoNotOptimize(hits);
        benchmark::DoNotOptimize(lineups);
    }
}
BENCHMARK(BM_FloorSeasonDraws)->Unit(benchmark::kMicrosecond);

// One team's lines of the roster list: thirty names made full-width and cut to twelve columns.
void BM_RosterFullWidth(benchmark::State& state) {
    std::vector<std::string> names;
    for (int player = 1; player <= 30; ++player) {
        // Half-width letters, digits and kana, as a player may type them.
        names.push_back(player % 2 ? "Suzuki " + std::to_string(player)
                                   : "ｽｽﾞｷ ｲﾁﾛｰ" + std::to_string(player));
    }
    for (auto _ : state) {
        for (const std::string& name : names) {
            benchmark::DoNotOptimize(text::fixedColumn(text::toFullWidth(name), 12));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(names.size()));
}
BENCHMARK(BM_RosterFullWidth);

}  // namespace
}  // namespace zelvano
