#include "season/history/game_history_writer.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <vector>

namespace zelvano {

const char* milestoneWord(MilestoneKind kind) {
    switch (kind) {
        case MilestoneKind::CareerHits:
            return "hits";
        case MilestoneKind::HallOfFameLine:
            return "hall_of_fame";
        case MilestoneKind::TitleRun:
            return "title_run";
    }
    return "hits";
}

namespace {

// The best `kGameBestPlaces` of each season among `candidates` (year, number, side, slot,
// value), in the order the all-time records rank them, so that the ten best of all time are
// among the seasons' ten best.
std::string bestOfEachSeason(GameBestKind kind, const std::string& candidates) {
    return "INSERT INTO game_best SELECT year, " + std::to_string(static_cast<int>(kind)) +
           ", number, side, slot, value FROM (SELECT *, row_number() OVER (PARTITION BY year "
           "ORDER BY value DESC, number, side, slot) AS place FROM (" +
           candidates + ")) WHERE place <= " + std::to_string(kGameBestPlaces);
}

std::string everyOne(GameBestKind kind, const std::string& candidates) {
    return "INSERT INTO game_best SELECT year, " + std::to_string(static_cast<int>(kind)) +
           ", number, side, slot, value FROM (" + candidates + ")";
}

}  // namespace

void fillGameBest(SqliteDatabase& db, const std::string& where) {
    const std::string games = " FROM game WHERE (" + where + ")";
    db.execute(bestOfEachSeason(GameBestKind::BatterHits,
                                "SELECT year, number, side, slot, hits AS value FROM game_batter "
                                "WHERE (" +
                                    where + ")")
                   .c_str());
    db.execute(bestOfEachSeason(GameBestKind::TeamRuns,
                                "SELECT year, number, 1 AS side, 0 AS slot, runs1 AS value" +
                                    games + " UNION ALL SELECT year, number, 2, 0, runs2" + games)
                   .c_str());
    db.execute(bestOfEachSeason(GameBestKind::Margin,
                                "SELECT year, number, CASE WHEN runs1 > runs2 THEN 1 ELSE 2 END "
                                "AS side, 0 AS slot, abs(runs1 - runs2) AS value" +
                                    games)
                   .c_str());
    db.execute(
        bestOfEachSeason(GameBestKind::Innings,
                         "SELECT year, number, 0 AS side, 0 AS slot, innings AS value" + games)
            .c_str());
    db.execute(everyOne(GameBestKind::NoHitter,
                        "SELECT year, number, 1 AS side, 0 AS slot, 0 AS value" + games +
                            " AND hits1 = 0 UNION ALL SELECT year, number, 2, 0, 0" + games +
                            " AND hits2 = 0")
                   .c_str());
    db.execute(everyOne(GameBestKind::Shutout,
                        "SELECT year, number, 1 AS side, 0 AS slot, runs2 AS value" + games +
                            " AND runs1 = 0 UNION ALL SELECT year, number, 2, 0, runs1" + games +
                            " AND runs2 = 0")
                   .c_str());
}

void rankGameRecordsAnew(SqliteDatabase& db) {
    db.execute("DELETE FROM game_record");
    db.execute(
        ("INSERT INTO game_record SELECT kind, place, year, number, side, slot, value FROM "
         "(SELECT *, row_number() OVER (PARTITION BY kind ORDER BY value DESC, year, number, "
         "side, slot) AS place FROM game_best WHERE kind <= " +
         std::to_string(static_cast<int>(GameBestKind::Innings)) +
         ") WHERE place <= " + std::to_string(kGameBestPlaces))
            .c_str());
}

void rankGameRecordsAfterRemoving(SqliteDatabase& db, Counter year) {
    SqliteStatement later = db.prepare("SELECT 1 FROM game_record WHERE year > ? LIMIT 1");
    later.bind(1, std::int64_t{year});
    if (later.step()) rankGameRecordsAnew(db);
}

void recordTitleRunsOfThePast(SqliteDatabase& db) {
    SqliteStatement champions = db.prepare(
        "SELECT s.year, s.champion, coalesce(t.name, '') FROM season s LEFT JOIN season_team t "
        "ON t.year = s.year AND t.team = s.champion ORDER BY s.year");
    SqliteStatement insert = db.prepare(
        "INSERT INTO milestone (year, sequence, game, kind, team, player_id, name, value) "
        "VALUES (:year, 1, 0, 'title_run', :team, 0, :name, :run)");
    std::int64_t lastYear = 0, lastChampion = 0, run = 0, longest = 1;
    while (champions.step()) {
        const std::int64_t year = champions.integer(0), champion = champions.integer(1);
        run = year == lastYear + 1 && champion == lastChampion ? run + 1 : 1;
        lastYear = year;
        lastChampion = champion;
        if (run <= longest) continue;
        longest = run;
        insert.bind(":year", year)
            .bind(":team", champion)
            .bind(":name", champions.text(2))
            .bind(":run", run)
            .run();
    }
}

std::string inningRunsText(const std::vector<int>& runs) {
    std::string text;
    for (const int each : runs) {
        if (!text.empty()) text += ' ';
        text += std::to_string(each);
    }
    return text;
}

std::optional<std::vector<int>> parseInningRuns(const std::string& text) {
    std::vector<int> runs;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at != end) {
        if (!runs.empty() && *at++ != ' ') return std::nullopt;
        int value = -1;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || value < 0) return std::nullopt;
        runs.push_back(value);
        at = next;
    }
    return runs;
}

SqliteStatement& GameHistoryWriter::statement(std::optional<SqliteStatement>& kept,
                                              const char* sql) {
    if (!kept) kept.emplace(db_.prepare(sql));
    return *kept;
}

void GameHistoryWriter::write(const SeasonRecord& season) {
    for (const GameLine& game : season.games) writeGame(season.year, game);
    fillGameBest(db_, "year = " + std::to_string(season.year));
    rankGameRecords(season.year);
    writeMilestones(season);
}

void GameHistoryWriter::rankGameRecords(Counter year) {
    struct Line {
        std::int64_t year, number, side, slot, value;
        auto key() const { return std::tuple(-value, year, number, side, slot); }
    };
    SqliteStatement& ranked = statement(
        ranked_,
        "SELECT year, number, side, slot, value FROM game_record WHERE kind = :kind UNION ALL "
        "SELECT year, number, side, slot, value FROM game_best WHERE year = :year AND "
        "kind = :kind");
    SqliteStatement& placed = statement(
        placed_,
        "INSERT OR REPLACE INTO game_record (kind, place, year, number, side, slot, value) "
        "VALUES (:kind, :place, :year, :number, :side, :slot, :value)");
    for (int kind = static_cast<int>(GameBestKind::BatterHits);
         kind <= static_cast<int>(GameBestKind::Innings); ++kind) {
        std::vector<Line> lines;
        ranked.bind(":kind", kind).bind(":year", std::int64_t{year});
        while (ranked.step()) {
            lines.push_back({ranked.integer(0), ranked.integer(1), ranked.integer(2),
                             ranked.integer(3), ranked.integer(4)});
        }
        ranked.reset();
        std::stable_sort(lines.begin(), lines.end(),
                         [](const Line& a, const Line& b) { return a.key() < b.key(); });
        // The places the season takes, and every place after them, are written again.
        const std::size_t kept = std::min(lines.size(), static_cast<std::size_t>(kGameBestPlaces));
        for (std::size_t place = 0; place < kept; ++place) {
            const Line& line = lines[place];
            if (line.year != year && std::none_of(lines.begin(), lines.begin() + place,
                                                  [&](const Line& l) { return l.year == year; })) {
                continue;  // still where it was
            }
            placed.bind(":kind", kind)
                .bind(":place", static_cast<std::int64_t>(place + 1))
                .bind(":year", line.year)
                .bind(":number", line.number)
                .bind(":side", line.side)
                .bind(":slot", line.slot)
                .bind(":value", line.value)
                .run();
        }
    }
}

void GameHistoryWriter::writeGame(Counter year, const GameLine& game) {
    SqliteStatement& row = statement(
        game_,
        "INSERT INTO game (year, number, team1, team2, runs1, runs2, innings, plate_appearances, "
        "hits1, hits2, ended, line1, line2) VALUES (:year, :number, :team1, :team2, :runs1, "
        ":runs2, :innings, :plate_appearances, :hits1, :hits2, :ended, :line1, :line2)");
    row.bind(":year", std::int64_t{year})
        .bind(":number", game.number)
        .bind(":team1", game.team1)
        .bind(":team2", game.team2)
        .bind(":runs1", game.runs1)
        .bind(":runs2", game.runs2)
        .bind(":innings", game.innings)
        .bind(":plate_appearances", game.plateAppearances);
    if (!game.boxed) {
        // As a history before box scores kept it.
        for (const char* column : {":hits1", ":hits2", ":ended", ":line1", ":line2"}) {
            row.bind(column, nullptr);
        }
        row.run();
        return;
    }
    row.bind(":hits1", game.hits[0])
        .bind(":hits2", game.hits[1])
        .bind(":ended", static_cast<int>(game.end))
        .bind(":line1", inningRunsText(game.inningRuns[0]))
        .bind(":line2", inningRunsText(game.inningRuns[1]))
        .run();
    SqliteStatement& batter =
        statement(batter_,
                  "INSERT INTO game_batter (year, number, side, slot, player_id, team_slot, "
                  "at_bats, hits) VALUES (:year, :number, :side, :slot, :id, :team_slot, "
                  ":at_bats, :hits)");
    for (int side = 1; side <= kLineupSides; ++side) {
        for (int slot = 1; slot <= kBattingSlots; ++slot) {
            const BoxBatter& each = game.batters[static_cast<std::size_t>(side - 1)]
                                                [static_cast<std::size_t>(slot - 1)];
            batter.bind(":year", std::int64_t{year})
                .bind(":number", game.number)
                .bind(":side", side)
                .bind(":slot", slot)
                .bind(":id", each.id)
                .bind(":team_slot", each.teamSlot)
                .bind(":at_bats", std::int64_t{each.atBats})
                .bind(":hits", std::int64_t{each.hits})
                .run();
        }
    }
}

int GameHistoryWriter::titleRunEndingIn(Counter year, int champion) {
    SqliteStatement before =
        db_.prepare("SELECT year, champion FROM season WHERE year < ? ORDER BY year DESC");
    before.bind(1, std::int64_t{year});
    int run = 1;
    for (std::int64_t expected = year - 1;
         before.step() && before.integer(0) == expected && before.integer(1) == champion;
         --expected) {
        ++run;
    }
    return run;
}

void GameHistoryWriter::writeMilestones(const SeasonRecord& season) {
    SqliteStatement& insert = statement(
        milestone_,
        "INSERT INTO milestone (year, sequence, game, kind, team, player_id, name, value) "
        "VALUES (:year, :sequence, :game, :kind, :team, :id, :name, :value)");
    SqliteStatement& reachedBefore = statement(
        reachedBefore_, "SELECT 1 FROM milestone WHERE kind = 'hall_of_fame' AND player_id = ?");
    std::int64_t sequence = 0;
    const auto write = [&](const Milestone& milestone) {
        insert.bind(":year", std::int64_t{season.year})
            .bind(":sequence", ++sequence)
            .bind(":game", milestone.game)
            .bind(":kind", milestoneWord(milestone.kind))
            .bind(":team", milestone.team)
            .bind(":id", milestone.id)
            .bind(":name", milestone.name)
            .bind(":value", std::int64_t{milestone.value})
            .run();
    };
    for (const Milestone& milestone : season.milestones) {
        if (milestone.kind == MilestoneKind::HallOfFameLine) {
            // Only the first time: a player whose average falls back below the line and rises
            // again has reached nothing new.
            reachedBefore.bind(1, milestone.id);
            const bool before = reachedBefore.step();
            reachedBefore.reset();
            if (before) continue;
        }
        write(milestone);
    }
    if (season.champion < 1 || season.champion > kTeams) return;
    const int run = titleRunEndingIn(season.year, season.champion);
    const std::int64_t longest =
        db_.single("SELECT coalesce(max(value), 1) FROM milestone WHERE kind = 'title_run'");
    if (run <= longest) return;
    Milestone titles;
    titles.game = season.games.empty() ? 0 : season.games.back().number;
    titles.kind = MilestoneKind::TitleRun;
    titles.team = season.champion;
    titles.name = season.report.teamNames[static_cast<std::size_t>(season.champion - 1)];
    titles.value = run;
    write(titles);
}

}  // namespace zelvano
