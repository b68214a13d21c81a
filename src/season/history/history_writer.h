#pragma once
// Writing a league's history: the seasons, each in one transaction with everything it records,
// and the clean-up at start that keeps the history from running ahead of the league file.
//
//   HistoryWriter writer(db);
//   writer.dropAfter(league.CurrentYear);            // at start: the league file's year is the
//   truth writer.write(beginning, {season});               // right before the league file is saved

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "season/history/game_history_writer.h"
#include "season/history/season_record.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

class HistoryWriter {
public:
    explicit HistoryWriter(SqliteDatabase& db) : db_(db), games_(db) {}

    // Removes every season, player and roster the history holds beyond `year`.
    void dropAfter(Counter year);
    // The latest year before `year` whose rosters the history kept.
    std::optional<Counter> latestRosterBefore(Counter year);
    // Whether a roster of a year after `after` and before `before` names a league file.
    bool savedBetween(Counter after, std::int64_t before);
    // The rosters kept for the end of `year`, when there are any.
    std::optional<RosterIds> rosterAt(Counter year);
    // The latest year the history holds anything of: a season, a roster or a beginning;
    // nothing for an empty history.
    std::optional<std::int64_t> latestYear();
    // The first and the last season it holds; nothing when it holds none.
    std::optional<std::pair<std::int64_t, std::int64_t>> seasonYears();
    // A whole copy of the history, as it stands, in a new file at `path`.
    void copyInto(const std::string& path);
    // Removes everything, in one transaction: the history of a league begins again.
    void clear();
    // The highest player id ever given, 0 for none. Throws HistoryDamage for an id the league
    // never gives out.
    PlayerId highestPlayerId();
    // One transaction: the beginning, when there is one, then the seasons in order. Throws
    // SqliteError, having written nothing.
    void write(const HistoryBeginning* beginning, const std::vector<SeasonRecord>& seasons);

private:
    void writeBeginning(const HistoryBeginning& beginning);
    void writeSeason(const SeasonRecord& season);
    void writeRoster(Counter year, const RosterIds& roster);
    // Each statement is prepared once, at its first use, for every season after.
    SqliteStatement& statement(std::optional<SqliteStatement>& kept, const char* sql);
    void writePlayer(const PlayerStart& start);

    SqliteDatabase& db_;
    GameHistoryWriter games_;
    std::optional<SqliteStatement> season_, team_, mvp_, move_, line_, player_, roster_,
        rosterSlot_;
};

}  // namespace zelvano
