#include "game/lineups.h"

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

// Draws candidates until `count` different players that `usable` accepts are in slots 1..count.
// The draw repeats on a player already drawn or not usable; callers make sure that enough exist.
// Who may still be drawn is one word of bits, so the loop touches the league only once it is
// done; Drawn is left as it always was, the players of this side's draw at their own numbers.
template <typename Random, typename Usable>
void drawDistinct(League& league, Random& random, int side, int count, Usable usable) {
    std::uint32_t open = 0;  // bit p: player p may be drawn
    for (int player = 1; player <= kPlayers; ++player) {
        if (usable(player)) open |= 1u << player;
    }
    std::array<int, kBattingSlots + 1> order{};
    for (int slot = 1; slot <= count; ++slot) {
        int candidate = 0;
        do {
            candidate = drawOneTo(random, kPlayers);
        } while ((open >> candidate & 1u) == 0);
        open &= ~(1u << candidate);
        order[static_cast<std::size_t>(slot)] = candidate;
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
    const int eligible = eligiblePlayerCount(league, team);
    if (eligible > 0) {
        const int count = eligible < kBattingSlots ? eligible : kBattingSlots;
        drawDistinct(league, random, side, count,
                     [&](int player) { return league.Hits[team][player] != 0; });
        completeFromStart(league.BattingOrder[side], count);
        return;
    }
    // Nobody can hit: the empty slots take the field (any slot when none is empty).
    int empty = 0;
    for (int player = 1; player <= kPlayers; ++player) {
        if (league.PlayerName[team][player].empty()) ++empty;
    }
    const bool emptyOnly = empty > 0;
    const int pool = emptyOnly ? empty : kPlayers;
    const int count = pool < kBattingSlots ? pool : kBattingSlots;
    drawDistinct(league, random, side, count,
                 [&](int player) { return !emptyOnly || league.PlayerName[team][player].empty(); });
    completeFromStart(league.BattingOrder[side], count);
}

}  // namespace

void completeOrderFromStart(std::array<int, kBattingSlots + 2>& order, int filled) {
    completeFromStart(order, filled);
}

void completeOrderFromStart(std::array<int, kBattingSlots + 1>& order, int filled) {
    completeFromStart(order, filled);
}

void DrawLineups(League& league, RandomSource& random) {
    withDrawsInlined(random, [&](auto& draws) {
        drawSide(league, draws, 1);
        drawSide(league, draws, 2);
    });
}

std::array<int, kPlayers + 1> sortedByAverage(const League& league) {
    std::array<double, kPlayers + 1> average{};
    std::array<int, kPlayers + 1> number{};
    for (int i = 1; i <= kPlayers; ++i) {
        average[i] = BattingAverage(league, 1, i);
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
