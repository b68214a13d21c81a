#pragma once
// Writing a league's history: the seasons, each in one transaction with everything it records,
// and the clean-up at start that keeps the history from running ahead of the league file.
//
//   HistoryWriter writer(db);
//   writer.dropAfter(league.CurrentYear);            // at start: the league file's year is the
//   truth writer.write(beginning, {season});               // right before the league file is saved

#include <optional>
#include <vector>

#include "season/history/season_record.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

class HistoryWriter {
public:
    explicit HistoryWriter(SqliteDatabase& db) : db_(db) {}

    // Removes every season, player and roster the history holds beyond `year`.
    void dropAfter(Counter year);
    // The rosters kept for the end of `year`, when there are any.
    std::optional<RosterIds> rosterAt(Counter year);
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
    std::optional<SqliteStatement> season_, mvp_, game_, move_, line_, player_, roster_;
};

}  // namespace zelvano
