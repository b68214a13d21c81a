#pragma once
// The milestones a game brings its players: a career's hundredth, three hundredth, five hundredth
// and thousandth hit and every 1-3-5 step after, and the first reaching of the hall of fame's
// line by a player who still plays. Found from the box score of the game just played.
//
//   for (const Milestone& reached : gameMilestones(league, 5))
//   season.milestones.push_back(reached);

#include <vector>

#include "league/league.h"
#include "season/history/season_record.h"

namespace zelvano {

// The career hit counts of the milestones above `before` up to and including `after`, lowest
// first: 100, 300, 500, 1000, 3000, 5000, 10000, ...
std::vector<Counter> careerHitMilestones(Counter before, Counter after);

// What league.CurrentGame, just played as game `gameNumber`, brought its batters. The hall of
// fame's line is told each time a player steps over it; whether it is his first time is the
// history's to know.
std::vector<Milestone> gameMilestones(const League& league, int gameNumber);

}  // namespace zelvano
