#pragma once
// zelvano-sim's views of the league's history: show history, transactions, career, records, and
// the views of its games (sim_games.h).
// They only read: nothing beside the history is created or changed, a reading that a game's
// writing overlapped is taken again, and a missing history prints nothing.

#include <ostream>
#include <string>

#include "app/sim_options.h"
#include "league/league.h"

namespace zelvano {

// `leagueYear` is the league file's: nothing beyond it is shown. Throws SqliteError for a
// history that cannot be read.
void printHistoryView(const SimOptions& options, const std::string& path, Counter leagueYear,
                      std::ostream& out);

}  // namespace zelvano
