#pragma once
// Up to three own players retire every off-season; the best of them enter the hall of fame.

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"

namespace zelvano {

// Three turns; each goes on with a chance just under one half and draws an own slot. A slot
// without hits (empty, or the major-league placeholder) retires nobody. Each retirement is told
// to the observer, when there is one.
void retirePlayers(League& league, Platform& platform, SeasonObserver* observer = nullptr);

}  // namespace zelvano
