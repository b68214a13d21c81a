#include "league/league.h"

#include <cmath>

namespace zelvano {

int displayedAverage(const League& league, int team, int player) {
    // The average is never negative, so dropping the fraction is the floor (and needs no call).
    return static_cast<int>(1000.0 * BattingAverage(league, team, player));
}

}  // namespace zelvano
