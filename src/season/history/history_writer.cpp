#include "season/history/history_writer.h"

#include "season/history/history_damage.h"

namespace zelvano {

void HistoryWriter::dropAfter(Counter year) {
    SqliteTransaction transaction(db_);
    for (const char* sql :
         {"DELETE FROM season WHERE year > ?", "DELETE FROM mvp WHERE year > ?",
          "DELETE FROM game WHERE year > ?", "DELETE FROM move WHERE year > ?",
          "DELETE FROM player_season WHERE year > ?", "DELETE FROM roster WHERE year > ?",
          "DELETE FROM player WHERE start_year > ?", "DELETE FROM beginning WHERE year > ?"}) {
        db_.prepare(sql).bind(1, std::int64_t{year}).run();
    }
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
    SqliteStatement query = db_.prepare("SELECT min(year), max(year) FROM season");
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return std::pair{query.integer(0), query.integer(1)};
}

void HistoryWriter::copyInto(const std::string& path) {
    // A plain name, not a URI: SQLite creates it new, and refuses one that holds anything.
    db_.prepare("VACUUM INTO ?").bind(1, path).run();
}

void HistoryWriter::clear() {
    SqliteTransaction transaction(db_);
    for (const char* sql : {"DELETE FROM season", "DELETE FROM mvp", "DELETE FROM game",
                            "DELETE FROM move", "DELETE FROM player_season", "DELETE FROM roster",
                            "DELETE FROM player", "DELETE FROM beginning"}) {
        db_.execute(sql);
    }
    transaction.commit();
}

std::optional<RosterIds> HistoryWriter::rosterAt(Counter year) {
    SqliteStatement query =
        db_.prepare("SELECT league_length, league_hash, ids FROM roster WHERE year = ?");
    query.bind(1, std::int64_t{year});
    if (!query.step()) return std::nullopt;
    RosterIds roster;
    roster.league = {static_cast<std::uint64_t>(query.integer(0)),
                     static_cast<std::uint64_t>(query.integer(1))};
    if (!parseRosterIds(query.text(2), roster.ids)) return std::nullopt;
    return roster;
}

PlayerId HistoryWriter::highestPlayerId() {
    // The next id is this one plus one: an id the league never gives out would run it past the
    // edge of 64 bits, or hand out ids that are already taken.
    SqliteStatement outside =
        db_.prepare("SELECT id, start_year FROM player WHERE id < 1 OR id > ? LIMIT 1");
    outside.bind(1, kPlayerIdLimit);
    if (outside.step()) {
        throw HistoryDamage(outside.integer(1),
                            "選手のIDが" + std::to_string(outside.integer(0)) + "です");
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
    writeRoster(beginning.year, beginning.roster);
}

void HistoryWriter::writePlayer(const PlayerStart& start) {
    statement(player_,
              "INSERT OR REPLACE INTO player (id, name, start_year, start_team, start_slot, "
              "start_hits, start_at_bats, entry_year) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, start.player.id)
        .bind(2, start.player.name)
        .bind(3, std::int64_t{start.year})
        .bind(4, start.team)
        .bind(5, start.slot)
        .bind(6, std::int64_t{start.player.hits})
        .bind(7, std::int64_t{start.player.atBats})
        .bind(8, std::int64_t{start.player.entryYear})
        .run();
}

void HistoryWriter::writeRoster(Counter year, const RosterIds& roster) {
    statement(roster_,
              "INSERT OR REPLACE INTO roster (year, league_length, league_hash, ids) "
              "VALUES (?, ?, ?, ?)")
        .bind(1, std::int64_t{year})
        .bind(2, static_cast<std::int64_t>(roster.league.length))
        .bind(3, static_cast<std::int64_t>(roster.league.hash))
        .bind(4, rosterIdsText(roster.ids))
        .run();
}

SqliteStatement& HistoryWriter::statement(std::optional<SqliteStatement>& kept, const char* sql) {
    if (!kept) kept.emplace(db_.prepare(sql));
    return *kept;
}

void HistoryWriter::writeSeason(const SeasonRecord& season) {
    const std::int64_t year = season.year;
    const ResultsReport& report = season.report;
    SqliteStatement& row = statement(
        season_,
        "INSERT OR REPLACE INTO season (year, champion, marks1, marks2, marks3, wins1, losses1, "
        "wins2, losses2, wins3, losses3, champion_line, title_count, title_run, name1, name2, "
        "name3, average1, average2, average3, titles, own_run) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    row.bind(1, year).bind(2, season.champion);
    for (int team = 0; team < kTeams; ++team) {
        const auto at = static_cast<std::size_t>(team);
        row.bind(3 + team, season.marks[at])
            .bind(6 + 2 * team, season.wins[at])
            .bind(7 + 2 * team, season.losses[at])
            .bind(15 + team, report.teamNames[at])
            .bind(18 + team, report.teamAverages[at]);
    }
    row.bind(12, report.championLine)
        .bind(13, report.titleCount)
        .bind(14, report.titleRun)
        .bind(21, std::int64_t{season.titles})
        .bind(22, std::int64_t{season.titleRun})
        .run();

    SqliteStatement& mvp =
        statement(mvp_, "INSERT INTO mvp (year, position, line) VALUES (?, ?, ?)");
    for (std::size_t at = 0; at < report.mvpLines.size(); ++at) {
        mvp.bind(1, year).bind(2, static_cast<std::int64_t>(at + 1)).bind(3, report.mvpLines[at]);
        mvp.run();
    }

    SqliteStatement& game = statement(
        game_,
        "INSERT INTO game (year, number, team1, team2, runs1, runs2, innings, plate_appearances) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const GameLine& line : season.games) {
        game.bind(1, year)
            .bind(2, line.number)
            .bind(3, line.team1)
            .bind(4, line.team2)
            .bind(5, line.runs1)
            .bind(6, line.runs2)
            .bind(7, line.innings)
            .bind(8, line.plateAppearances)
            .run();
    }

    SqliteStatement& move = statement(
        move_,
        "INSERT INTO move (year, sequence, kind, team, slot, player_id, name, hits, at_bats, "
        "entry_year, other_team, other_slot, other_id, other_name, other_hits, other_at_bats, "
        "hall_of_fame) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t sequence = 0;
    for (const Transaction& each : season.moves) {
        move.bind(1, year)
            .bind(2, ++sequence)
            .bind(3, transactionWord(each.kind))
            .bind(4, each.team)
            .bind(5, each.slot)
            .bind(6, each.player.id)
            .bind(7, each.player.name)
            .bind(8, std::int64_t{each.player.hits})
            .bind(9, std::int64_t{each.player.atBats})
            .bind(10, std::int64_t{each.player.entryYear})
            .bind(11, each.otherTeam)
            .bind(12, each.otherSlot)
            .bind(13, each.other.id)
            .bind(14, each.other.name)
            .bind(15, std::int64_t{each.other.hits})
            .bind(16, std::int64_t{each.other.atBats})
            .bind(17, each.hallOfFame ? 1 : 0)
            .run();
    }

    SqliteStatement& line =
        statement(line_,
                  "INSERT INTO player_season (player_id, year, team, slot, hits, at_bats) "
                  "VALUES (?, ?, ?, ?, ?, ?)");
    for (const SeasonLine& each : season.lines) {
        line.bind(1, each.id)
            .bind(2, year)
            .bind(3, each.team)
            .bind(4, each.slot)
            .bind(5, std::int64_t{each.hits})
            .bind(6, std::int64_t{each.atBats})
            .run();
    }

    for (const PlayerStart& start : season.newPlayers) writePlayer(start);
    writeRoster(season.year, season.roster);
}

}  // namespace zelvano
