#pragma once
// A player's career in one message: his figures and the categories he falls into.

#include <string>

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Empty for a player whose average is 0 (an empty slot, the major-league placeholder, a player
// without a hit): nothing is shown for him.
std::string personalDataText(const League& league, int team, int player);

// Shows the personal data of player `player` of the team the information window lists.
void showPersonalData(const League& league, Platform& platform, int player);

}  // namespace zelvano
