#include "game/lineups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "support/test_league.h"

namespace zelvano {
namespace {

std::vector<int> lineupOf(const League& league, int side) {
    return {league.BattingOrder[side].begin() + 1, league.BattingOrder[side].end()};
}

TEST(DrawLineups, NineDifferentPlayersWithHitsForBothSides) {
    League league = testing::testLeague(1, 3);
    // Team 3 has only twelve players who can play; the other eighteen are away or empty.
    for (int player = 13; player <= kPlayers; ++player) league.Hits[3][player] = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SeededRandom random(seed);
        DrawLineups(league, random);
        for (int side = 1; side <= 2; ++side) {
            const int team = side == 1 ? 1 : 3;
            const auto lineup = lineupOf(league, side);
            EXPECT_EQ(std::set<int>(lineup.begin(), lineup.end()).size(), 9u) << seed;
            for (int player : lineup) {
                ASSERT_GE(player, 1);
                ASSERT_LE(player, kPlayers);
                EXPECT_NE(league.Hits[team][player], 0) << "seed " << seed << " player " << player;
            }
        }
    }
}

TEST(DrawLineups, ATeamWithFewerThanNineWhoCanPlayStillGetsALineup) {
    struct Case {
        const char* what;
        std::vector<int> canPlay;  // players keeping their hits; all others have none
        std::vector<int> emptySlots;
        std::size_t distinct;  // different players in slots 1..distinct
        bool fromCanPlay;
    };
    const Case cases[] = {
        {"five can play", {2, 7, 11, 20, 30}, {}, 5, true},
        {"one can play", {17}, {}, 1, true},
        {"none can play, four empty slots", {}, {3, 8, 9, 25}, 4, false},
        {"none can play, none empty", {}, {}, 9, false},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague(2, 1);
        for (int player = 1; player <= kPlayers; ++player) league.Hits[1][player] = 0;
        for (int player : c.canPlay) league.Hits[1][player] = 3;
        for (int player : c.emptySlots) league.PlayerName[1][player].clear();
        SeededRandom random(99);
        DrawLineups(league, random);
        const auto lineup = lineupOf(league, 2);
        const std::set<int> head(lineup.begin(), lineup.begin() + static_cast<long>(c.distinct));
        EXPECT_EQ(head.size(), c.distinct) << c.what;
        for (std::size_t slot = c.distinct; slot < 9; ++slot) {
            EXPECT_EQ(lineup[slot], lineup[slot - c.distinct]) << c.what << " slot " << slot + 1;
        }
        const std::vector<int>& pool = c.fromCanPlay ? c.canPlay : c.emptySlots;
        if (!pool.empty()) {
            EXPECT_EQ(head, std::set<int>(pool.begin(), pool.end())) << c.what;
        }
    }
}

TEST(SortByAverage, BestFirstWithTheExchangeProceduresOrderOfTies) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> hitsPer1000;  // player, hits in 1000 at-bats
        int others;
        std::vector<int> expectedHead;
    };
    const Case cases[] = {
        {"3 best, 1 and 2 tied", {{1, 300}, {2, 300}, {3, 400}}, 200, {3, 1, 2, 4, 5, 6}},
        {"5 and 10 tied above the rest", {{5, 300}, {10, 300}}, 250, {5, 10, 3, 4, 1, 6}},
        {"a player without hits comes last", {{1, 0}}, 250, {}},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague();
        for (int player = 1; player <= kPlayers; ++player) {
            league.AtBats[1][player] = 1000;
            league.Hits[1][player] = c.others;
        }
        for (auto [player, hits] : c.hitsPer1000) league.Hits[1][player] = hits;
        const auto sorted = sortedByAverage(league);
        for (std::size_t k = 0; k < c.expectedHead.size(); ++k) {
            EXPECT_EQ(sorted[k + 1], c.expectedHead[k]) << c.what << " place " << k + 1;
        }
        for (int k = 2; k <= kPlayers; ++k) {
            EXPECT_GE(BattingAverage(league, 1, sorted[k - 1]),
                      BattingAverage(league, 1, sorted[k]))
                << c.what;
        }
        if (c.expectedHead.empty()) {
            EXPECT_EQ(sorted[kPlayers], 1);
        }
    }
}

TEST(DrawOneTo, StaysInRangeEvenForTheLargestDraw) {
    class Largest final : public RandomSource {
    public:
        float next() override { return std::nextafter(1.0f, 0.0f); }
    } largest;
    for (int n : {1, 5, 30, 1000, 16777216}) EXPECT_EQ(drawOneTo(largest, n), n);
    SeededRandom random(5);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

}  // namespace
}  // namespace zelvano
