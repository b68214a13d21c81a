// The whole-number bound must decide every draw as isHit decides it. isHit only grows less true
// as r grows, so a bound is right exactly when the draw just below it hits and the draw at it
// does not.
#include "game/hit_threshold.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "game/play_game.h"
#include "league/league.h"

namespace zelvano {
namespace {

constexpr std::uint32_t kDraws = 1u << 24;

float drawOf(std::uint32_t bits) { return static_cast<float>(bits) * (1.0f / 16777216.0f); }

// Empty when the bound agrees with isHit on every one of the 2^24 draws.
std::string disagreement(Counter hits, Counter atBats) {
    const std::uint32_t below = hitThreshold(hits, atBats);
    if (below > kDraws) return "bound past the last draw";
    if (below > 0 && !isHit(drawOf(below - 1), hits, atBats)) return "the draw below misses";
    if (below < kDraws && isHit(drawOf(below), hits, atBats)) return "the draw at it hits";
    return {};
}

TEST(HitThreshold, DecidesEveryDrawAsTheFloatComparisonDoes) {
    struct Case {
        Counter hits;
        Counter atBats;
    };
    const Case cases[] = {
        {0, 1},                              // never a hit
        {1, 1},                              // always: p = 1
        {1, 2},                              // chances exact in binary, which a draw can equal
        {3, 8},                              // likewise
        {3, 11},                             // chances that round
        {2, 3},                              // likewise
        {1, kCounterLimit},                  // the smallest chance there is
        {kCounterLimit - 1, kCounterLimit},  // the largest below 1
        {kCounterLimit / 3, kCounterLimit},  // large counters, rounded
        {4'194'305, 8'388'609},              // near 1/2, where the floats lie close together
    };
    for (const Case& c : cases) {
        EXPECT_EQ(disagreement(c.hits, c.atBats), "") << c.hits << "/" << c.atBats;
    }
    // Every chance of a small career, and careers near the counter limit.
    for (Counter atBats = 1; atBats <= 600; ++atBats) {
        for (Counter hits = 0; hits <= atBats; ++hits) {
            ASSERT_EQ(disagreement(hits, atBats), "") << hits << "/" << atBats;
        }
    }
    for (Counter atBats = kCounterLimit - 300; atBats <= kCounterLimit + 1; ++atBats) {
        for (Counter hits : {atBats / 7, atBats / 3, atBats - atBats / 4, atBats - 1}) {
            ASSERT_EQ(disagreement(hits, atBats), "") << hits << "/" << atBats;
        }
    }
}

}  // namespace
}  // namespace zelvano
