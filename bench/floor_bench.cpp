// Floors to hold the real benchmarks against: the least work a game or a roster list can take.
// BM_FloorGameDraws is a game with everything taken away but its random draws and hit
// comparisons; BM_PlayGame (league_bench.cpp) shows how far above that floor the engine runs.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "platform/random_source.h"
#include "text/full_width.h"

namespace zelvano {
namespace {

// The mean number of plate appearances of a game, over a hundred seasons of zelvano-sim.
constexpr int kPlateAppearancesPerGame = 97;

void BM_FloorGameDraws(benchmark::State& state) {
    SeededRandom random(1u);
    // Nine batters' averages, as the game compares them: in single precision.
    const std::array<float, 9> averages = {0.31f, 0.27f, 0.29f, 0.33f, 0.25f,
                                           0.28f, 0.30f, 0.26f, 0.24f};
    for (auto _ : state) {
        int hits = 0;
        for (int appearance = 0; appearance < kPlateAppearancesPerGame; ++appearance) {
            hits += random.next() < averages[static_cast<std::size_t>(appearance % 9)] ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * kPlateAppearancesPerGame);
}
BENCHMARK(BM_FloorGameDraws);

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
