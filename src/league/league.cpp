#include "league/league.h"

namespace zelvano {

int displayedAverage(const League& league, int team, int player) {
    return displayedAverage(league.Hits[team][player], league.AtBats[team][player]);
}

}  // namespace zelvano
