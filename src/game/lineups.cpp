#include "game/lineups.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace zelvano {

int eligiblePlayerCount(const League& league, int team) {
    int count = 0;
    for (int player = 1; player <= kPlayers; ++player) {
        if (league.Hits[team][player] != 0) ++count;
    }
    return count;
}

namespace {

template <std::size_t N>
void completeFromStart(std::array<int, N>& order, int filled) {
    if (filled <= 0) return;
    for (int slot = filled + 1; slot <= kBattingSlots; ++slot) order[slot] = order[slot - filled];
}

// Bit p set for every player p of the team whom `usable` accepts.
template <typename Usable>
std::uint32_t playersWhere(Usable usable) {
    std::uint32_t players = 0;
    for (int player = 1; player <= kPlayers; ++player) {
        players |= (usable(player) ? 1u : 0u) << player;
    }
    return players;
}

// Draws candidates until `count` different players of `open` (bit p: player p may be drawn)
// are in slots 1..count. The draw repeats on a player already drawn or not open; callers make
// sure that enough are open. Who may still be drawn is one word of bits, so the loop touches the
// league only once it is done; Drawn is left as it always was, the players of this side's draw
// at their own numbers.
template <typename Random>
void drawDistinct(League& league, Random& random, int side, int count, std::uint32_t open) {
    // One draw a turn, every candidate written to the slot being filled and the slot moved on
    // only when he was open: whether a draw repeats cannot be foreseen (in a team with few
    // players who can play, most do), so the only branch is the loop's end.
    std::array<int, kBattingSlots + 1> order{};
    int filling = 1;
    while (filling <= count) {
        const int candidate = drawOneTo(random, kPlayers);
        const std::uint32_t taken = open >> candidate & 1u;
        order[static_cast<std::size_t>(filling)] = candidate;
        open &= ~(taken << candidate);
        filling += static_cast<int>(taken);
    }
    auto& drawn = league.CurrentGame.Drawn;
    drawn.fill(0);
    for (int slot = 1; slot <= count; ++slot) {
        const int player = order[static_cast<std::size_t>(slot)];
        league.BattingOrder[side][slot] = player;
        drawn[static_cast<std::size_t>(player)] = player;
    }
}

template <typename Random>
void drawSide(League& league, Random& random, int side) {
    const int team = side == 1 ? league.PairingTeam1 : league.PairingTeam2;
    const auto& hits = league.Hits[team];
    const std::uint32_t canHit = playersWhere([&](int player) { return hits[player] != 0; });
    if (canHit != 0) {
        const int eligible = std::popcount(canHit);
        const int count = eligible < kBattingSlots ? eligible : kBattingSlots;
        drawDistinct(league, random, side, count, canHit);
        completeFromStart(league.BattingOrder[side], count);
        return;
    }
    // Nobody can hit: the empty slots take the field (any slot when none is empty).
    const auto& names = league.PlayerName[team];
    const std::uint32_t empty = playersWhere([&](int player) { return names[player].empty(); });
    const std::uint32_t pool = empty != 0 ? empty : playersWhere([](int) { return true; });
    const int size = std::popcount(pool);
    const int count = size < kBattingSlots ? size : kBattingSlots;
    drawDistinct(league, random, side, count, pool);
    completeFromStart(league.BattingOrder[side], count);
}

}  // namespace

void completeOrderFromStart(std::array<int, kBattingSlots + 2>& order, int filled) {
    completeFromStart(order, filled);
}

void completeOrderFromStart(std::array<int, kBattingSlots + 1>& order, int filled) {
    completeFromStart(order, filled);
}

void drawLineups(League& league, RandomSource& random) {
    withDrawsInlined(random, [&](auto& draws) {
        drawSide(league, draws, 1);
        drawSide(league, draws, 2);
    });
}

std::array<int, kPlayers + 1> sortedByAverage(const League& league) {
    std::array<double, kPlayers + 1> average{};
    std::array<int, kPlayers + 1> number{};
    for (int i = 1; i <= kPlayers; ++i) {
        average[i] = battingAverage(league, 1, i);
        number[i] = i;
    }
    for (int i = 2; i <= kPlayers; ++i) {
        for (int j = 1; j <= kPlayers - 1; ++j) {
            if (average[j] < average[i]) {
                std::swap(average[i], average[j]);
                std::swap(number[i], number[j]);
            }
        }
    }
    return number;
}

}  // namespace zelvano
