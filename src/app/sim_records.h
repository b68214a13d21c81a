#pragma once
// zelvano-sim's records: one a line, the kind first, fields separated by TAB, UTF-8. `play`
// prints the season as it is played; `show history` prints the same records from the history.

#include <array>
#include <ostream>
#include <string>

#include "season/results_report.h"

namespace zelvano {

// A text as one field: a line break becomes "\n", a TAB a space.
std::string tsvField(const std::string& text);

void printSeasonRecord(std::ostream& out, long long year, int champion,
                       const std::array<std::string, 3>& marks);
void printReportRecord(std::ostream& out, const std::string& championLine,
                       const std::string& titleCount, const std::string& titleRun,
                       const std::array<std::string, 3>& teamAverages);

}  // namespace zelvano
