#include "season/history/game_history_reader.h"

#include <numeric>

#include "season/history/checked_row.h"
#include "season/history/game_history_writer.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

GameEnd endOf(const CheckedRow& row, int column) {
    return static_cast<GameEnd>(
        row.within(column, 0, 2, text::translatedIn("damaged value", "試合の終わり方")));
}

// A side's line score: the innings it batted, adding up to its runs.
std::vector<int> inningsOf(const CheckedRow& row, int column, int runs, int innings) {
    const std::optional<std::vector<int>> line = parseInningRuns(row.text(column));
    if (!line || static_cast<int>(line->size()) > innings ||
        std::accumulate(line->begin(), line->end(), std::int64_t{0}) != runs) {
        throw HistoryDamage(
            row.year(), text::fillIn(text::translatedIn("damaged value",
                                                        "試合のイニングごとの得点が「{1}」です"),
                                     {text::leftChars(row.text(column), 40)}));
    }
    return *line;
}

std::string incompleteOrder(int number) {
    return text::fillIn(text::translatedIn("damaged value", "試合{1}の打順が揃っていません"),
                        {std::to_string(number)});
}

// "value DESC, year" as "b.value DESC, b.year": the order of the picked lines once joined.
std::string ofTheBest(const std::string& order) {
    std::string qualified = "b.";
    for (const char each : order) {
        qualified += each;
        if (each == ' ' && qualified.ends_with(", ")) qualified += "b.";
    }
    return qualified;
}

}  // namespace

std::optional<StoredGame> GameHistoryReader::game(Counter year, int number) const {
    if (year > lastYear_) return std::nullopt;
    SqliteStatement query = db_.prepare(
        "SELECT g.team1, g.team2, g.runs1, g.runs2, g.innings, g.plate_appearances, "
        "g.hits1 IS NOT NULL, coalesce(g.hits1, 0), coalesce(g.hits2, 0), coalesce(g.ended, 0), "
        "coalesce(g.line1, ''), coalesce(g.line2, ''), coalesce(t1.name, ''), "
        "coalesce(t2.name, '') FROM game g "
        "LEFT JOIN season_team t1 ON t1.year = g.year AND t1.team = g.team1 "
        "LEFT JOIN season_team t2 ON t2.year = g.year AND t2.team = g.team2 "
        "WHERE g.year = ? AND g.number = ?");
    query.bind(1, std::int64_t{year}).bind(2, number);
    if (!query.step()) return std::nullopt;
    const CheckedRow row(query, year);
    StoredGame stored;
    stored.year = year;
    GameLine& line = stored.line;
    line.number = number;
    line.team1 = row.team(0, text::translatedIn("damaged value", "先攻チームの番号"));
    line.team2 = row.team(1, text::translatedIn("damaged value", "後攻チームの番号"));
    line.runs1 = row.number(2, text::translatedIn("damaged value", "得点"));
    line.runs2 = row.number(3, text::translatedIn("damaged value", "得点"));
    line.innings = row.number(4, text::translatedIn("damaged value", "回"));
    line.plateAppearances = row.number(5, text::translatedIn("damaged value", "打席数"));
    line.boxed = query.integer(6) != 0;
    stored.teamNames = {row.text(12), row.text(13)};
    if (!line.boxed) return stored;
    line.hits = {row.number(7, text::translatedIn("damaged value", "安打数")),
                 row.number(8, text::translatedIn("damaged value", "安打数"))};
    line.end = endOf(row, 9);
    line.inningRuns = {inningsOf(row, 10, line.runs1, line.innings),
                       inningsOf(row, 11, line.runs2, line.innings)};

    SqliteStatement batters = db_.prepare(
        "SELECT b.side, b.slot, b.player_id, b.team_slot, b.at_bats, b.hits, "
        "coalesce(p.name, '') FROM game_batter b LEFT JOIN player p ON p.id = b.player_id "
        "WHERE b.year = ? AND b.number = ? ORDER BY b.side, b.slot");
    batters.bind(1, std::int64_t{year}).bind(2, number);
    // Whole or damaged: each side's nine slots, once each, in order.
    int expected = 0;
    std::array<Counter, 2> hits{};
    while (batters.step()) {
        const CheckedRow batter(batters, year);
        const int side = static_cast<int>(
            batter.within(0, 1, 2, text::translatedIn("damaged value", "打順の組")));
        const int slot = static_cast<int>(
            batter.within(1, 1, kBattingSlots, text::translatedIn("damaged value", "打順")));
        if (expected == 2 * kBattingSlots || (side - 1) * kBattingSlots + slot - 1 != expected) {
            throw HistoryDamage(year, incompleteOrder(number));
        }
        ++expected;
        const auto s = static_cast<std::size_t>(side - 1), at = static_cast<std::size_t>(slot - 1);
        line.batters[s][at] = {
            batter.id(2, text::translatedIn("damaged value", "選手のID"), true),
            batter.slot(3, text::translatedIn("damaged value", "選手の枠の番号")),
            batter.figure(4, text::translatedIn("damaged value", "打数")),
            batter.figure(5, text::translatedIn("damaged value", "安打数"))};
        hits[s] += line.batters[s][at].hits;
        stored.batters[s][at] = batter.text(6);
    }
    if (expected != 2 * kBattingSlots || hits[0] != line.hits[0] || hits[1] != line.hits[1]) {
        throw HistoryDamage(year, incompleteOrder(number));
    }
    return stored;
}

std::vector<GameLogLine> GameHistoryReader::gameLog(PlayerId id, Counter year) const {
    std::vector<GameLogLine> log;
    if (year > lastYear_) return log;
    SqliteStatement query = db_.prepare(
        "SELECT b.number, b.side, b.slot, b.at_bats, b.hits, g.team1, g.team2, g.runs1, g.runs2 "
        "FROM game_batter b JOIN game g ON g.year = b.year AND g.number = b.number "
        "WHERE b.year = ? AND b.player_id = ? ORDER BY b.number, b.side, b.slot");
    query.bind(1, std::int64_t{year}).bind(2, id);
    while (query.step()) {
        const CheckedRow row(query, year);
        const int number = row.number(0, text::translatedIn("damaged value", "試合の番号"));
        const int side =
            static_cast<int>(row.within(1, 1, 2, text::translatedIn("damaged value", "打順の組")));
        const Counter atBats = row.figure(3, text::translatedIn("damaged value", "打数")),
                      hits = row.figure(4, text::translatedIn("damaged value", "安打数"));
        if (!log.empty() && log.back().number == number) {
            log.back().atBats += atBats;
            log.back().hits += hits;
            continue;
        }
        const int team1 = row.team(5, text::translatedIn("damaged value", "先攻チームの番号")),
                  team2 = row.team(6, text::translatedIn("damaged value", "後攻チームの番号"));
        const int runs1 = row.number(7, text::translatedIn("damaged value", "得点")),
                  runs2 = row.number(8, text::translatedIn("damaged value", "得点"));
        GameLogLine line;
        line.number = number;
        line.team = side == 1 ? team1 : team2;
        line.opponent = side == 1 ? team2 : team1;
        line.slot = static_cast<int>(
            row.within(2, 1, kBattingSlots, text::translatedIn("damaged value", "打順")));
        line.atBats = atBats;
        line.hits = hits;
        line.runsFor = side == 1 ? runs1 : runs2;
        line.runsAgainst = side == 1 ? runs2 : runs1;
        // A tie, which only a game that cannot go on leaves, goes to the side batting second.
        line.won = side == 1 ? runs1 > runs2 : runs1 <= runs2;
        log.push_back(line);
    }
    return log;
}

std::vector<SingleGameMark> GameHistoryReader::marks(const std::string& table, int kind,
                                                     const std::string& order, int limit) const {
    // The few lines asked for are picked first, then joined.
    SqliteStatement query = db_.prepare(
        "SELECT b.year, b.number, b.side, b.value, g.team1, g.team2, g.runs1, g.runs2, "
        "coalesce(t.name, ''), coalesce(m.player_id, 0), coalesce(p.name, '') FROM (SELECT * "
        "FROM " +
        table + " WHERE kind = :kind AND year <= :last ORDER BY " + order +
        " LIMIT :limit) b JOIN game g ON g.year = b.year AND g.number = b.number "
        "LEFT JOIN season_team t ON t.year = b.year AND t.team = "
        "(CASE b.side WHEN 2 THEN g.team2 ELSE g.team1 END) "
        "LEFT JOIN game_batter m ON m.year = b.year AND m.number = b.number AND "
        "m.side = b.side AND m.slot = b.slot "
        "LEFT JOIN player p ON p.id = m.player_id ORDER BY " +
        ofTheBest(order));
    query.bind(":kind", kind).bind(":last", std::int64_t{lastYear_}).bind(":limit", limit);
    std::vector<SingleGameMark> marks;
    while (query.step()) {
        const CheckedRow row = checkedRow(query, 0, lastYear_);
        const int side =
            static_cast<int>(row.within(2, 0, 2, text::translatedIn("damaged value", "記録の組")));
        const int team1 = row.team(4, text::translatedIn("damaged value", "先攻チームの番号")),
                  team2 = row.team(5, text::translatedIn("damaged value", "後攻チームの番号"));
        const int runs1 = row.number(6, text::translatedIn("damaged value", "得点")),
                  runs2 = row.number(7, text::translatedIn("damaged value", "得点"));
        SingleGameMark mark;
        mark.year = row.year();
        mark.number = row.number(1, text::translatedIn("damaged value", "試合の番号"));
        mark.value = row.figure(3, text::translatedIn("damaged value", "記録の値"));
        mark.team = side == 2 ? team2 : team1;
        mark.opponent = side == 2 ? team1 : team2;
        mark.runsFor = side == 2 ? runs2 : runs1;
        mark.runsAgainst = side == 2 ? runs1 : runs2;
        mark.teamName = row.text(8);
        mark.id = row.id(9, text::translatedIn("damaged value", "選手のID"), true);
        mark.name = row.text(10);
        marks.push_back(std::move(mark));
    }
    return marks;
}

GameRecords GameHistoryReader::records() const {
    // The ten best of all time as the commits ranked them; where they hold a season beyond the
    // league's year, which the league file's save did not follow, ranked here from the seasons'
    // best instead.
    SqliteStatement later = db_.prepare("SELECT 1 FROM game_record WHERE year > ? LIMIT 1");
    later.bind(1, std::int64_t{lastYear_});
    const bool ranked = !later.step();
    const auto best = [&](GameBestKind kind) {
        return ranked ? marks("game_record", static_cast<int>(kind), "place", kGameBestPlaces)
                      : marks("game_best", static_cast<int>(kind),
                              "value DESC, year, number, side, slot", kGameBestPlaces);
    };
    GameRecords records;
    records.mostHits = best(GameBestKind::BatterHits);
    records.mostRuns = best(GameBestKind::TeamRuns);
    records.widestWins = best(GameBestKind::Margin);
    records.longestGames = best(GameBestKind::Innings);
    records.noHitters =
        marks("game_best", static_cast<int>(GameBestKind::NoHitter), "year, number, side", -1);
    records.latestShutouts = marks("game_best", static_cast<int>(GameBestKind::Shutout),
                                   "year DESC, number DESC, side", kGameBestPlaces);
    SqliteStatement count =
        db_.prepare("SELECT count(*) FROM game_best WHERE kind = ? AND kind >= 5 AND year <= ?");
    count.bind(1, static_cast<int>(GameBestKind::Shutout)).bind(2, std::int64_t{lastYear_});
    if (count.step()) records.shutoutCount = count.integer(0);
    return records;
}

std::vector<Milestone> GameHistoryReader::milestones(Counter year) const {
    std::vector<Milestone> milestones;
    if (year > lastYear_) return milestones;
    SqliteStatement query = db_.prepare(
        "SELECT game, kind, team, player_id, name, value FROM milestone WHERE year = ? "
        "ORDER BY sequence");
    query.bind(1, std::int64_t{year});
    while (query.step()) {
        const CheckedRow row(query, year);
        Milestone milestone;
        milestone.game = row.number(0, text::translatedIn("damaged value", "試合の番号"));
        const std::string kind = row.text(1);
        bool known = false;
        for (const MilestoneKind each :
             {MilestoneKind::CareerHits, MilestoneKind::HallOfFameLine, MilestoneKind::TitleRun}) {
            if (kind != milestoneWord(each)) continue;
            milestone.kind = each;
            known = true;
        }
        if (!known) {
            throw HistoryDamage(
                year, text::fillIn(text::translatedIn("damaged value", "記録の種類が「{1}」です"),
                                   {text::leftChars(kind, 40)}));
        }
        milestone.team = row.team(2, text::translatedIn("damaged value", "チームの番号"));
        milestone.id = row.id(3, text::translatedIn("damaged value", "選手のID"), true);
        milestone.name = row.text(4);
        milestone.value = row.figure(5, text::translatedIn("damaged value", "記録の値"));
        milestones.push_back(std::move(milestone));
    }
    return milestones;
}

}  // namespace zelvano
