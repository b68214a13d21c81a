#pragma once
// A value in the league's history that the game never writes: a champion outside the three
// teams, a year before the league began, an id beyond the ones given out. SQLite's own check may
// still call such a file sound, so the reader checks each value where it reads it, and a row
// beyond what the game writes is damage of the file, told with the year it belongs to.
//
//   throw HistoryDamage(12, "優勝チームの番号が7です");
//   // what(): 12年目の記録が壊れています（優勝チームの番号が7です）。
//   // in English: The record of year 12 is damaged (the champion's team number is 7).

#include <cstdint>
#include <string>

#include "season/history/history_file.h"
#include "text/translation.h"

namespace zelvano {

// A SqliteError with SQLITE_CORRUPT, so that every place that tells a damaged history tells
// this one too; its text is the player's, in the game's language, and historyProblemText gives
// it whole. `problem` is in the player's words too.
struct HistoryDamage : HistoryProblem {
    HistoryDamage(std::int64_t damagedYear, const std::string& problem)
        : HistoryProblem(SQLITE_CORRUPT,
                         text::fillIn(text::translated("{1}年目の記録が壊れています（{2}）。"),
                                      {std::to_string(damagedYear), problem})),
          year(damagedYear) {}
    std::int64_t year;  // of the row that is damaged
};

// What is wrong with a value the game never writes: "チームの番号が7です", in English "the team
// number is 7"; `what` is already in the player's words.
inline std::string unexpectedValue(const char* what, std::int64_t value) {
    return text::fillIn(text::translatedIn("damaged value", "{1}が{2}です"),
                        {what, std::to_string(value)});
}

}  // namespace zelvano
