#pragma once
// zelvano-sim's views of the games the history kept: a game's box score, a player's games of a
// season, the single-game records and the milestones of seasons. Each prints nothing for what
// the history does not hold.

#include <ostream>

#include "season/history/game_history_reader.h"
#include "season/history/history_reader.h"

namespace zelvano {

void printGame(const GameHistoryReader& games, Counter year, int number, std::ostream& out);
// The player now in `slot` of `team`, in `year` or, for 0, the latest season the history holds.
void printGameLog(const HistoryReader& history, const GameHistoryReader& games, int team, int slot,
                  Counter year, std::ostream& out);
void printGameRecords(const GameHistoryReader& games, std::ostream& out);
// Those of `year`, or of every season for 0.
void printMilestones(const HistoryReader& history, const GameHistoryReader& games, Counter year,
                     std::ostream& out);

}  // namespace zelvano
