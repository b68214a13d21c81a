#pragma once
// One game, plate appearance by plate appearance, on a new scoreboard window. Every plate
// appearance is one draw against the batter's career average; the fourth and every later hit of
// a half-inning scores a run. The window is left on screen showing the final state, and
// league.CurrentGame.Box what it showed. Where nobody sees the games (Platform::showsGames), a
// game without pauses tells its board nothing: the same draws, the same league, the same box.
//
//   drawLineups(league, platform.random());
//   auto window = playGame(league, platform, events);
//   // league.LastWinner, league.LastLoser, league.CurrentGame hold the result

#include <memory>

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Far beyond any real game (about a hundred plate appearances), and still reached in a moment.
inline constexpr int kPlateAppearanceLimit = 10'000;

std::unique_ptr<ScoreboardView> playGame(League& league, Platform& platform,
                                         ScoreboardEvents& events);

// A hit when r < H ÷ A, where A already counts this plate appearance: compared in single
// precision, so a batter with 3 hits in 10 at-bats hits with probability 3/11.
float hitChance(Counter hits, Counter atBatsIncludingThisOne);
bool isHit(float r, Counter hits, Counter atBatsIncludingThisOne);

// Index of a batter's name and average labels: side 1 on the left (0..8), side 2 on the right.
constexpr int batterLabelIndex(int side, int slot) { return (side - 1) * kBattingSlots + slot - 1; }

}  // namespace zelvano
