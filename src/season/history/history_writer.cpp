#include "season/history/history_writer.h"

#include "season/history/history_damage.h"
#include "season/history/history_schema.h"
#include "text/translation.h"

namespace zelvano {

void HistoryWriter::dropAfter(Counter year) {
    SqliteTransaction transaction(db_);
    for (const char* sql :
         {"DELETE FROM season WHERE year > ?", "DELETE FROM season_team WHERE year > ?",
          "DELETE FROM mvp WHERE year > ?", "DELETE FROM game WHERE year > ?",
          "DELETE FROM game_batter WHERE year > ?", "DELETE FROM game_best WHERE year > ?",
          "DELETE FROM milestone WHERE year > ?", "DELETE FROM move WHERE year > ?",
          "DELETE FROM player_season WHERE year > ?", "DELETE FROM season_best WHERE year > ?",
          "DELETE FROM roster WHERE year > ?", "DELETE FROM roster_slot WHERE year > ?",
          "DELETE FROM player WHERE start_year > ?", "DELETE FROM player_gap WHERE year > ?",
          "DELETE FROM beginning WHERE year > ?"}) {
        db_.prepare(sql).bind(1, std::int64_t{year}).run();
    }
    rankGameRecordsAfterRemoving(db_, year);
    transaction.commit();
}

std::optional<std::int64_t> HistoryWriter::latestYear() {
    SqliteStatement query = db_.prepare(
        "SELECT max(year) FROM (SELECT max(year) AS year FROM season UNION ALL SELECT max(year) "
        "FROM roster UNION ALL SELECT max(year) FROM beginning)");
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return query.integer(0);
}

std::optional<std::pair<std::int64_t, std::int64_t>> HistoryWriter::seasonYears() {
    // Each from its end of the key: min and max together would read every season.
    SqliteStatement query =
        db_.prepare("SELECT (SELECT min(year) FROM season), (SELECT max(year) FROM season)");
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return std::pair{query.integer(0), query.integer(1)};
}

void HistoryWriter::copyInto(const std::string& path) {
    // A plain name, not a URI: SQLite creates it new, and refuses one that holds anything.
    db_.prepare("VACUUM INTO ?").bind(1, path).run();
}

void HistoryWriter::clear() {
    SqliteTransaction transaction(db_);
    for (const char* sql :
         {"DELETE FROM season", "DELETE FROM season_team", "DELETE FROM mvp", "DELETE FROM game",
          "DELETE FROM game_batter", "DELETE FROM game_best", "DELETE FROM game_record",
          "DELETE FROM milestone", "DELETE FROM move", "DELETE FROM player_season",
          "DELETE FROM season_best", "DELETE FROM roster", "DELETE FROM roster_slot",
          "DELETE FROM player", "DELETE FROM player_gap", "DELETE FROM beginning"}) {
        db_.execute(sql);
    }
    transaction.commit();
}

std::optional<Counter> HistoryWriter::latestRosterBefore(Counter year) {
    SqliteStatement query =
        db_.prepare("SELECT max(year) FROM roster WHERE year < ? AND year >= 0");
    query.bind(1, std::int64_t{year});
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return static_cast<Counter>(query.integer(0));
}

std::optional<RosterIds> HistoryWriter::rosterAt(Counter year) {
    SqliteStatement fingerprint =
        db_.prepare("SELECT league_length, league_hash FROM roster WHERE year = ?");
    fingerprint.bind(1, std::int64_t{year});
    if (!fingerprint.step()) return std::nullopt;
    RosterIds roster;
    roster.league = {static_cast<std::uint64_t>(fingerprint.integer(0)),
                     static_cast<std::uint64_t>(fingerprint.integer(1))};
    SqliteStatement slots = db_.prepare(
        "SELECT team, slot, player_id FROM roster_slot WHERE year = ? ORDER BY team, slot");
    slots.bind(1, std::int64_t{year});
    // Whole or not at all: a roster that lacks a place, or has one the game never writes, is
    // as unknown as none, and the history begins the league's players again.
    std::size_t count = 0;
    std::array<bool, kTeams * kPlayers + 1> seen{};
    while (slots.step()) {
        const int team = slots.number(0), slot = slots.number(1);
        const bool away = team == 0 && slot == 0;
        const bool placed = team >= 1 && team <= kTeams && slot >= 1 && slot <= kPlayers;
        if (!away && !placed) return std::nullopt;
        const auto at = away ? static_cast<std::size_t>(kTeams * kPlayers)
                             : static_cast<std::size_t>((team - 1) * kPlayers + slot - 1);
        if (seen[at]) return std::nullopt;
        seen[at] = true;
        roster.ids[at] = slots.integer(2);
        ++count;
    }
    if (count != roster.ids.size()) return std::nullopt;
    return roster;
}

PlayerId HistoryWriter::highestPlayerId() {
    // The next id is this one plus one: an id the league never gives out would run it past the
    // edge of 64 bits, or hand out ids that are already taken.
    SqliteStatement outside =
        db_.prepare("SELECT id, start_year FROM player WHERE id < 1 OR id > ? LIMIT 1");
    outside.bind(1, kPlayerIdLimit);
    if (outside.step()) {
        throw HistoryDamage(
            outside.integer(1),
            unexpectedValue(text::translatedIn("damaged value", "選手のID"), outside.integer(0)));
    }
    return db_.single("SELECT coalesce(max(id), 0) FROM player");
}

void HistoryWriter::write(const HistoryBeginning* beginning,
                          const std::vector<SeasonRecord>& seasons) {
    SqliteTransaction transaction(db_);
    if (beginning != nullptr) writeBeginning(*beginning);
    for (const SeasonRecord& season : seasons) writeSeason(season);
    transaction.commit();
}

void HistoryWriter::writeBeginning(const HistoryBeginning& beginning) {
    db_.prepare("INSERT OR REPLACE INTO beginning (year) VALUES (?)")
        .bind(1, std::int64_t{beginning.year})
        .run();
    for (const PlayerStart& start : beginning.players) writePlayer(start);
    for (const PlayerGap& gap : beginning.gaps) {
        db_.prepare(
               "INSERT OR REPLACE INTO player_gap (player_id, year, hits, at_bats) "
               "VALUES (:id, :year, :hits, :at_bats)")
            .bind(":id", gap.id)
            .bind(":year", std::int64_t{gap.year})
            .bind(":hits", std::int64_t{gap.hits})
            .bind(":at_bats", std::int64_t{gap.atBats})
            .run();
    }
    writeRoster(beginning.year, beginning.roster);
}

void HistoryWriter::writePlayer(const PlayerStart& start) {
    statement(player_,
              "INSERT OR REPLACE INTO player (id, name, start_year, start_team, start_slot, "
              "start_hits, start_at_bats, entry_year) VALUES (:id, :name, :year, :team, :slot, "
              ":hits, :at_bats, :entry_year)")
        .bind(":id", start.player.id)
        .bind(":name", start.player.name)
        .bind(":year", std::int64_t{start.year})
        .bind(":team", start.team)
        .bind(":slot", start.slot)
        .bind(":hits", std::int64_t{start.player.hits})
        .bind(":at_bats", std::int64_t{start.player.atBats})
        .bind(":entry_year", std::int64_t{start.player.entryYear})
        .run();
}

void HistoryWriter::writeRoster(Counter year, const RosterIds& roster) {
    statement(roster_,
              "INSERT OR REPLACE INTO roster (year, league_length, league_hash) "
              "VALUES (:year, :length, :hash)")
        .bind(":year", std::int64_t{year})
        .bind(":length", static_cast<std::int64_t>(roster.league.length))
        .bind(":hash", static_cast<std::int64_t>(roster.league.hash))
        .run();
    SqliteStatement& slot =
        statement(rosterSlot_,
                  "INSERT OR REPLACE INTO roster_slot (year, team, slot, player_id) "
                  "VALUES (:year, :team, :slot, :id)");
    // Every place is written, the empty ones as 0, so that a year's roster is whole or missing.
    for (std::size_t at = 0; at < roster.ids.size(); ++at) {
        const RosterPlace place = rosterPlace(at);
        slot.bind(":year", std::int64_t{year})
            .bind(":team", place.team)
            .bind(":slot", place.slot)
            .bind(":id", roster.ids[at])
            .run();
    }
}

SqliteStatement& HistoryWriter::statement(std::optional<SqliteStatement>& kept, const char* sql) {
    if (!kept) kept.emplace(db_.prepare(sql));
    return *kept;
}

void HistoryWriter::writeSeason(const SeasonRecord& season) {
    const std::int64_t year = season.year;
    const ResultsReport& report = season.report;
    statement(season_,
              "INSERT OR REPLACE INTO season (year, champion, champion_line, title_count, "
              "title_run, titles, own_run) VALUES (:year, :champion, :champion_line, "
              ":title_count, :title_run, :titles, :own_run)")
        .bind(":year", year)
        .bind(":champion", season.champion)
        .bind(":champion_line", report.championLine)
        .bind(":title_count", report.titleCount)
        .bind(":title_run", report.titleRun)
        .bind(":titles", std::int64_t{season.titles})
        .bind(":own_run", std::int64_t{season.titleRun})
        .run();

    // The average is kept as the report showed it, and as a number beside it for queries.
    SqliteStatement& team = statement(
        team_,
        "INSERT OR REPLACE INTO season_team (year, team, name, marks, wins, losses, average, "
        "average_text) VALUES (:year, :team, :name, :marks, :wins, :losses, "
        "CAST(:average AS REAL), :average)");
    for (int number = 1; number <= kTeams; ++number) {
        const auto at = static_cast<std::size_t>(number - 1);
        team.bind(":year", year)
            .bind(":team", number)
            .bind(":name", report.teamNames[at])
            .bind(":marks", season.marks[at])
            .bind(":wins", season.wins[at])
            .bind(":losses", season.losses[at])
            .bind(":average", report.teamAverages[at])
            .run();
    }

    SqliteStatement& mvp =
        statement(mvp_, "INSERT INTO mvp (year, position, line) VALUES (:year, :position, :line)");
    for (std::size_t at = 0; at < report.mvpLines.size(); ++at) {
        mvp.bind(":year", year)
            .bind(":position", static_cast<std::int64_t>(at + 1))
            .bind(":line", report.mvpLines[at])
            .run();
    }

    games_.write(season);

    SqliteStatement& move = statement(
        move_,
        "INSERT INTO move (year, sequence, kind, team, slot, player_id, name, hits, at_bats, "
        "entry_year, other_team, other_slot, other_id, other_name, other_hits, other_at_bats, "
        "hall_of_fame) VALUES (:year, :sequence, :kind, :team, :slot, :player_id, :name, :hits, "
        ":at_bats, :entry_year, :other_team, :other_slot, :other_id, :other_name, :other_hits, "
        ":other_at_bats, :hall_of_fame)");
    std::int64_t sequence = 0;
    for (const Transaction& each : season.moves) {
        move.bind(":year", year)
            .bind(":sequence", ++sequence)
            .bind(":kind", transactionWord(each.kind))
            .bind(":team", each.team)
            .bind(":slot", each.slot)
            .bind(":player_id", each.player.id)
            .bind(":name", each.player.name)
            .bind(":hits", std::int64_t{each.player.hits})
            .bind(":at_bats", std::int64_t{each.player.atBats})
            .bind(":entry_year", std::int64_t{each.player.entryYear})
            .bind(":other_team", each.otherTeam)
            .bind(":other_slot", each.otherSlot)
            .bind(":other_id", each.other.id)
            .bind(":other_name", each.other.name)
            .bind(":other_hits", std::int64_t{each.other.hits})
            .bind(":other_at_bats", std::int64_t{each.other.atBats})
            .bind(":hall_of_fame", each.hallOfFame ? 1 : 0)
            .run();
    }

    SqliteStatement& line =
        statement(line_,
                  "INSERT INTO player_season (year, team, slot, player_id, hits, at_bats) "
                  "VALUES (:year, :team, :slot, :player_id, :hits, :at_bats)");
    for (const SeasonLine& each : season.lines) {
        line.bind(":year", year)
            .bind(":team", each.team)
            .bind(":slot", each.slot)
            .bind(":player_id", each.id)
            .bind(":hits", std::int64_t{each.hits})
            .bind(":at_bats", std::int64_t{each.atBats})
            .run();
    }

    fillSeasonBest(db_, " AND year = " + std::to_string(year));

    for (const PlayerStart& start : season.newPlayers) writePlayer(start);
    writeRoster(season.year, season.roster);
}

}  // namespace zelvano
