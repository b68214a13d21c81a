#pragma once
// One row of the history as the game wrote it. Each value is checked against what the game ever
// writes before anything uses it, so that a damaged or crafted file is told as damage of the
// row's year and never indexes a table, overflows a counter or sends a loop on for ever.
//
//   const CheckedRow row = checkedRow(query, 0, lastYear);
//   const int team = row.team(1, text::translatedIn("damaged value", "チームの番号"));
//   // throws HistoryDamage outside 1..3
//
// `what` names the value in the player's words: the reader's, translated where it is read.

#include <cstdint>
#include <string>

#include "league/league.h"
#include "season/history/history_damage.h"
#include "season/history/sqlite_database.h"
#include "text/translation.h"

namespace zelvano {

class CheckedRow {
public:
    CheckedRow(const SqliteStatement& row, std::int64_t year) : row_(row), year_(year) {}

    std::int64_t within(int column, std::int64_t low, std::int64_t high, const char* what) const {
        const std::int64_t value = row_.integer(column);
        if (value < low || value > high) throw HistoryDamage(year_, unexpectedValue(what, value));
        return value;
    }
    // Teams 1..3; 0 only where the game writes it for none (the major leagues, no other side).
    int team(int column, const char* what, bool orNone = false) const {
        return static_cast<int>(within(column, orNone ? 0 : 1, kTeams, what));
    }
    int slot(int column, const char* what, bool orNone = false) const {
        return static_cast<int>(within(column, orNone ? 0 : 1, kPlayers, what));
    }
    PlayerId id(int column, const char* what, bool orNone = false) const {
        return within(column, orNone ? 0 : 1, kPlayerIdLimit, what);
    }
    // Hits, at-bats, wins and the like: never below 0 nor beyond what a league file may hold.
    Counter figure(int column, const char* what, Counter lowest = 0) const {
        return static_cast<Counter>(within(column, lowest, kCounterLimit, what));
    }
    // A value copied from the league file (an entry year, a title count), which allows either
    // side of zero.
    Counter leagueValue(int column, const char* what) const {
        return static_cast<Counter>(within(column, -kCounterLimit, kCounterLimit, what));
    }
    int number(int column, const char* what) const {
        return static_cast<int>(within(column, 0, kCounterLimit, what));
    }
    std::string text(int column) const { return row_.text(column); }
    Counter year() const { return static_cast<Counter>(year_); }

private:
    const SqliteStatement& row_;
    std::int64_t year_;
};

// The row's year, read from `column`: within 0..lastYear, as every query asks no further.
// `what` names the year when it is not simply the row's.
inline CheckedRow checkedRow(const SqliteStatement& row, int column, Counter lastYear,
                             const char* what = nullptr) {
    const std::int64_t year = row.integer(column);
    if (year < 0 || year > lastYear) {
        throw HistoryDamage(
            year, unexpectedValue(
                      what != nullptr ? what : text::translatedIn("damaged value", "年"), year));
    }
    return {row, year};
}

}  // namespace zelvano
