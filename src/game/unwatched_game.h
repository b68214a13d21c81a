#pragma once
// A game nobody watches and nobody waits for, played on the program's own generator: the draws,
// the comparisons and the counting, with each lineup's figures held in the game's own arrays
// and written back to the league once it is over. The result is the league any other board
// gives, draw for draw.
//
//   if (!playUnwatchedGame(league, seeded)) { /* play it the general way */ }

#include "league/league.h"
#include "platform/random_source.h"

namespace zelvano {

// Plays the game of league.BattingOrder between the pairing's teams into league.CurrentGame,
// the career figures and the winner. Returns false, having drawn and changed nothing, for
// figures out of the ordinary (a batter without an at-bat or with more hits than at-bats, or
// one whom a game could take to the counter limit), which the general game counts.
bool playUnwatchedGame(League& league, SeededRandom& random);

}  // namespace zelvano
