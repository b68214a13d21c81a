#pragma once
// The fixed schedule of a season: six pairings of two games, (1,3) (1,2) (2,3) (2,1) (3,2) (3,1).

#include <string>

#include "league/league.h"
#include "platform/random_source.h"

namespace zelvano {

inline constexpr int kGamesPerPairing = 2;
inline constexpr int kGamesPerSeason = 12;

// Sets the first pairing of a season.
void startSchedule(League& league);
// Moves to the next pairing; the season is over when PairingTeam1 reaches 4.
void stepPairing(League& league);
inline bool scheduleOver(const League& league) { return league.PairingTeam1 >= 4; }

// Appends "☆" for the winner, "★" for the loser and "　" for the team that did not play.
void appendSeasonMarks(League& league);

// One sentence on how the loaned player is doing, drawn every season; kept in Japanese and
// translated where it is shown.
void drawLoanNews(League& league, RandomSource& random);

}  // namespace zelvano
