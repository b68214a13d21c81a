#pragma once
// A value in the league's history that the game never writes: a champion outside the three
// teams, a year before the league began, an id beyond the ones given out. SQLite's own check may
// still call such a file sound, so the reader checks each value where it reads it, and a row
// beyond what the game writes is damage of the file, told with the year it belongs to.
//
//   throw HistoryDamage(12, "優勝チームの番号が7です");
//   // what(): 12年目の記録が壊れています（優勝チームの番号が7です）。

#include <cstdint>
#include <string>

#include "season/history/history_file.h"

namespace zelvano {

// A SqliteError with SQLITE_CORRUPT, so that every place that tells a damaged history tells
// this one too; its text is the player's, in Japanese, and historyProblemText gives it whole.
struct HistoryDamage : HistoryProblem {
    HistoryDamage(std::int64_t damagedYear, const std::string& problem)
        : HistoryProblem(SQLITE_CORRUPT, std::to_string(damagedYear) +
                                             "年目の記録が壊れています（" + problem + "）。"),
          year(damagedYear) {}
    std::int64_t year;  // of the row that is damaged
};

}  // namespace zelvano
