#pragma once
// zelvano-sim's show command: a view of the information window, one line of output per line of
// the view.

#include <ostream>

#include "app/sim_options.h"
#include "league/league.h"
#include "platform/file_store.h"

namespace zelvano {

void printView(const SimOptions& options, League& league, FileStore& files, std::ostream& out);

}  // namespace zelvano
