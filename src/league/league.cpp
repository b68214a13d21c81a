#include "league/league.h"

#include <cmath>

namespace zelvano {

int displayedAverage(const League& league, int team, int player) {
    return static_cast<int>(std::floor(1000.0 * BattingAverage(league, team, player)));
}

}  // namespace zelvano
