#pragma once
// A small league for tests: teams "ABC", "DEF", "GHI", every player 3 hits in 10 at-bats, and
// both sides batting players 1..9 in order.

#include "league/league.h"
#include "league/registration.h"

namespace zelvano::testing {

inline League testLeague(int team1 = 1, int team2 = 3) {
    League league;
    setUpNewLeague(league);
    league.TeamName = {"", "ABC", "DEF", "GHI"};
    for (int player = 1; player <= kPlayers; ++player) {
        league.PlayerName[1][player] = defaultPlayerName(1, player);
    }
    league.PairingTeam1 = team1;
    league.PairingTeam2 = team2;
    for (int side = 1; side <= 2; ++side) {
        for (int slot = 1; slot <= kBattingSlots; ++slot) league.BattingOrder[side][slot] = slot;
    }
    return league;
}

}  // namespace zelvano::testing
