#pragma once
#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

// Everything between the last game of a season and its saving. Returns the champion team, or 0
// while the league has no season-end processing.
int ProcessSeasonEnd(League& league, Platform& platform);

}  // namespace zelvano
