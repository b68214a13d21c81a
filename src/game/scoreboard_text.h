#pragma once
// The texts the scoreboard shows while a game is played.

#include <string>

#include "league/league.h"

namespace zelvano {

// "1回表", "10回裏": half 1 is the top, side 1 at bat.
std::string inningText(int inning, int half);
// Before the first run: one character of each team name, "A 0 - 0 D".
std::string openingScoreLine(const League& league);
// From the first run on: two characters of each name, "AB 3 - 1 DE".
std::string scoreLine(const League& league, int runsSide1, int runsSide2);

// The win-loss frame: every team's name and its marks of the season so far, in team order. A
// board nobody watches is spared them.
class GameView;
void ShowStandings(const League& league, GameView& view);

}  // namespace zelvano
