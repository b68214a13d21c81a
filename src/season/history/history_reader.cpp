#include "season/history/history_reader.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "season/history/checked_row.h"
#include "season/history/history_damage.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

TransactionKind kindOf(const CheckedRow& row, int column) {
    const std::string word = row.text(column);
    for (const TransactionKind kind :
         {TransactionKind::Trade, TransactionKind::Loan, TransactionKind::Return,
          TransactionKind::Retire, TransactionKind::Rookie}) {
        if (word == transactionWord(kind)) return kind;
    }
    throw HistoryDamage(row.year(),
                        text::fillIn(text::translatedIn("damaged value", "移籍の種類が「{1}」です"),
                                     {text::leftChars(word, 40)}));
}

// A season line of a player: written only for a season he came to bat in.
CareerSeason readCareerSeason(const SqliteStatement& query, Counter lastYear) {
    const CheckedRow row = checkedRow(query, 0, lastYear);
    return {row.year(), row.team(1, text::translatedIn("damaged value", "チームの番号")),
            row.slot(2, text::translatedIn("damaged value", "選手の枠の番号")),
            row.figure(3, text::translatedIn("damaged value", "安打数")),
            row.figure(4, text::translatedIn("damaged value", "打数"), 1)};
}

// A season and its three teams, one row for each team in order.
constexpr const char* kSeasonColumns =
    "SELECT s.year, s.champion, s.champion_line, s.title_count, s.title_run, s.titles, "
    "s.own_run, t.team, t.name, t.marks, t.wins, t.losses, t.average_text FROM season s "
    "LEFT JOIN season_team t ON t.year = s.year ";

// Reads the season whose first row `query` stands on, and steps past its rows. False when the
// query has no more rows after them.
bool readSeason(SqliteStatement& query, Counter lastYear, StoredSeason& season) {
    const CheckedRow row = checkedRow(query, 0, lastYear);
    season = {};
    season.year = row.year();
    season.champion = row.team(1, text::translatedIn("damaged value", "優勝チームの番号"));
    season.championLine = row.text(2);
    season.titleCount = row.text(3);
    season.titleRun = row.text(4);
    season.titles = row.leagueValue(5, text::translatedIn("damaged value", "優勝回数"));
    season.ownRun = row.leagueValue(6, text::translatedIn("damaged value", "連続優勝の年数"));
    bool more = true;
    for (int team = 1; team <= kTeams; ++team) {
        const bool ofThisYear = more && query.integer(0) == season.year;
        // A team beyond the three is damage; one of them missing too.
        if (ofThisYear) row.team(7, text::translatedIn("damaged value", "チームの番号"));
        if (!ofThisYear || query.integer(7) != team) {
            throw HistoryDamage(
                season.year,
                text::fillIn(text::translatedIn("damaged value", "チーム{1}の成績がありません"),
                             {std::to_string(team)}));
        }
        const auto at = static_cast<std::size_t>(team - 1);
        season.teamNames[at] = row.text(8);
        season.marks[at] = row.text(9);
        season.wins[at] = row.figure(10, text::translatedIn("damaged value", "勝ち数"));
        season.losses[at] = row.figure(11, text::translatedIn("damaged value", "負け数"));
        season.teamAverages[at] = row.text(12);
        more = query.step();
    }
    if (more && query.integer(0) == season.year)
        row.team(7, text::translatedIn("damaged value", "チームの番号"));
    return more;
}

constexpr const char* kMoveColumns =
    "SELECT year, kind, team, slot, player_id, name, hits, at_bats, entry_year, other_team, "
    "other_slot, other_id, other_name, other_hits, other_at_bats, hall_of_fame FROM move ";

}  // namespace

std::optional<Counter> HistoryReader::knownSince() const {
    SqliteStatement query = db_.prepare("SELECT max(year) FROM beginning WHERE year <= ?");
    query.bind(1, std::int64_t{lastYear_});
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return checkedRow(query, 0, lastYear_, text::translatedIn("damaged value", "記録の始まりの年"))
        .year();
}

std::vector<Counter> HistoryReader::missingYears() const {
    SqliteStatement first = db_.prepare("SELECT min(year) FROM beginning WHERE year <= ?");
    first.bind(1, std::int64_t{lastYear_});
    if (!first.step() || first.text(0).empty()) return {};
    // Checked to lie within 0..lastYear, the years looked at are no more than the league's.
    const std::int64_t from =
        checkedRow(first, 0, lastYear_, text::translatedIn("damaged value", "記録の始まりの年"))
            .year() +
        1;
    std::set<std::int64_t> recorded;
    SqliteStatement years = db_.prepare("SELECT year FROM season WHERE year >= ? AND year <= ?");
    years.bind(1, from).bind(2, std::int64_t{lastYear_});
    while (years.step()) recorded.insert(years.integer(0));
    std::vector<Counter> missing;
    for (std::int64_t year = from; year <= lastYear_; ++year) {
        if (!recorded.contains(year)) missing.push_back(static_cast<Counter>(year));
    }
    return missing;
}

Counter HistoryReader::firstCommittedWith(Counter year) const {
    static_assert(kNoLeagueFile == FileFingerprint{0, 0});
    SqliteStatement query = db_.prepare(
        "SELECT max(year) FROM roster WHERE year >= 0 AND year < ? AND (league_length != 0 OR "
        "league_hash != 0)");
    query.bind(1, std::int64_t{year});
    if (!query.step() || query.text(0).empty()) return year;
    return static_cast<Counter>(query.integer(0) + 1);
}

std::vector<StoredSeason> HistoryReader::seasons() const {
    SqliteStatement query =
        db_.prepare(std::string(kSeasonColumns) + "WHERE s.year <= ? ORDER BY s.year, t.team");
    query.bind(1, std::int64_t{lastYear_});
    std::vector<StoredSeason> seasons;
    for (bool more = query.step(); more;) {
        StoredSeason season;
        more = readSeason(query, lastYear_, season);
        seasons.push_back(std::move(season));
    }
    return seasons;
}

std::optional<StoredSeason> HistoryReader::season(Counter year) const {
    if (year > lastYear_) return std::nullopt;
    SqliteStatement query =
        db_.prepare(std::string(kSeasonColumns) + "WHERE s.year = ? ORDER BY t.team");
    query.bind(1, std::int64_t{year});
    if (!query.step()) return std::nullopt;
    StoredSeason season;
    readSeason(query, lastYear_, season);
    return season;
}

std::vector<std::string> HistoryReader::mvpLines(Counter year) const {
    std::vector<std::string> lines;
    if (year > lastYear_) return lines;
    SqliteStatement query = db_.prepare("SELECT line FROM mvp WHERE year = ? ORDER BY position");
    query.bind(1, std::int64_t{year});
    while (query.step()) lines.push_back(query.text(0));
    return lines;
}

std::vector<GameLine> HistoryReader::games(Counter year) const {
    std::vector<GameLine> games;
    if (year > lastYear_) return games;
    SqliteStatement query = db_.prepare(
        "SELECT number, team1, team2, runs1, runs2, innings, plate_appearances, "
        "hits1 IS NOT NULL, coalesce(hits1, 0), coalesce(hits2, 0) FROM game "
        "WHERE year = ? ORDER BY number");
    query.bind(1, std::int64_t{year});
    while (query.step()) {
        const CheckedRow row(query, year);
        GameLine game;
        game.number = row.number(0, text::translatedIn("damaged value", "試合の番号"));
        game.team1 = row.team(1, text::translatedIn("damaged value", "先攻チームの番号"));
        game.team2 = row.team(2, text::translatedIn("damaged value", "後攻チームの番号"));
        game.runs1 = row.number(3, text::translatedIn("damaged value", "得点"));
        game.runs2 = row.number(4, text::translatedIn("damaged value", "得点"));
        game.innings = row.number(5, text::translatedIn("damaged value", "回"));
        game.plateAppearances = row.number(6, text::translatedIn("damaged value", "打席数"));
        // The hits of each side, where the game's box score was kept.
        game.boxed = query.integer(7) != 0;
        game.hits = {row.number(8, text::translatedIn("damaged value", "安打数")),
                     row.number(9, text::translatedIn("damaged value", "安打数"))};
        games.push_back(std::move(game));
    }
    return games;
}

std::vector<StoredMove> HistoryReader::readMoves(SqliteStatement& query) const {
    std::vector<StoredMove> moves;
    while (query.step()) {
        const CheckedRow row = checkedRow(query, 0, lastYear_);
        StoredMove stored;
        stored.year = row.year();
        Transaction& move = stored.move;
        move.kind = kindOf(row, 1);
        move.team = row.team(2, text::translatedIn("damaged value", "チームの番号"));
        move.slot = row.slot(3, text::translatedIn("damaged value", "選手の枠の番号"));
        // An empty slot traded or replaced has no player: id 0. A loan has no other side.
        move.player = {row.id(4, text::translatedIn("damaged value", "選手のID"), true),
                       row.text(5), row.figure(6, text::translatedIn("damaged value", "安打数")),
                       row.figure(7, text::translatedIn("damaged value", "打数")),
                       row.leagueValue(8, text::translatedIn("damaged value", "入団年"))};
        move.otherTeam = row.team(9, text::translatedIn("damaged value", "相手チームの番号"), true);
        move.otherSlot = row.slot(10, text::translatedIn("damaged value", "相手の枠の番号"), true);
        move.other = {row.id(11, text::translatedIn("damaged value", "相手の選手のID"), true),
                      row.text(12), row.figure(13, text::translatedIn("damaged value", "安打数")),
                      row.figure(14, text::translatedIn("damaged value", "打数")), 0};
        move.hallOfFame =
            row.within(15, 0, 1, text::translatedIn("damaged value", "名球会入りの印")) != 0;
        moves.push_back(std::move(stored));
    }
    return moves;
}

std::vector<StoredMove> HistoryReader::moves(Counter year, int team) const {
    // One year is looked up by its key, not found by a scan of every year.
    SqliteStatement query =
        db_.prepare(std::string(kMoveColumns) +
                    (year != 0 ? "WHERE year = ?2 AND year <= ?1 " : "WHERE year <= ?1 ") +
                    "AND (?3 = 0 OR team = ?3 OR (kind = 'trade' AND other_team = ?3)) ORDER BY "
                    "year, sequence");
    query.bind(1, std::int64_t{lastYear_}).bind(3, team);
    if (year != 0) query.bind(2, std::int64_t{year});
    return readMoves(query);
}

std::vector<StoredMove> HistoryReader::movesOf(PlayerId id) const {
    SqliteStatement query = db_.prepare(
        std::string(kMoveColumns) +
        "WHERE year <= ?1 AND (player_id = ?2 OR other_id = ?2) ORDER BY year, sequence");
    query.bind(1, std::int64_t{lastYear_}).bind(2, id);
    return readMoves(query);
}

PlayerId HistoryReader::playerAt(int team, int slot) const {
    if (team < 1 || team > kTeams || slot < 1 || slot > kPlayers) return 0;
    SqliteStatement query =
        db_.prepare("SELECT player_id FROM roster_slot WHERE year = ? AND team = ? AND slot = ?");
    query.bind(1, std::int64_t{lastYear_}).bind(2, team).bind(3, slot);
    if (!query.step()) return 0;
    const PlayerId id = query.integer(0);
    if (id < 0 || id > kPlayerIdLimit) {
        throw HistoryDamage(lastYear_,
                            unexpectedValue(text::translatedIn("damaged value", "選手のID"), id));
    }
    return id;
}

std::optional<Career> HistoryReader::career(PlayerId id) const {
    if (id == 0) return std::nullopt;
    SqliteStatement player = db_.prepare(
        "SELECT name, start_year, start_team, start_slot, start_hits, start_at_bats, entry_year "
        "FROM player WHERE id = ? AND start_year <= ?");
    player.bind(1, id).bind(2, std::int64_t{lastYear_});
    if (!player.step()) return std::nullopt;
    const CheckedRow start = checkedRow(player, 1, lastYear_);
    Career career;
    // A player away in the major leagues when the history began stands in no team's slot.
    career.start = {
        start.year(),
        start.team(2, text::translatedIn("damaged value", "チームの番号"), true),
        start.slot(3, text::translatedIn("damaged value", "選手の枠の番号"), true),
        {id, start.text(0), start.figure(4, text::translatedIn("damaged value", "安打数")),
         start.figure(5, text::translatedIn("damaged value", "打数")),
         start.leagueValue(6, text::translatedIn("damaged value", "入団年"))}};
    SqliteStatement seasons = db_.prepare(
        "SELECT year, team, slot, hits, at_bats FROM player_season "
        "WHERE player_id = ? AND year <= ? ORDER BY year");
    seasons.bind(1, id).bind(2, std::int64_t{lastYear_});
    while (seasons.step()) career.seasons.push_back(readCareerSeason(seasons, lastYear_));
    // The figures of the seasons the history missed, each where it knew him again.
    SqliteStatement gaps = db_.prepare(
        "SELECT year, hits, at_bats FROM player_gap WHERE player_id = ? AND year <= ? ORDER BY "
        "year");
    gaps.bind(1, id).bind(2, std::int64_t{lastYear_});
    while (gaps.step()) {
        const CheckedRow gap = checkedRow(gaps, 0, lastYear_);
        const CareerSeason missed{gap.year(),
                                  0,
                                  0,
                                  gap.figure(1, text::translatedIn("damaged value", "安打数")),
                                  gap.figure(2, text::translatedIn("damaged value", "打数")),
                                  false};
        const auto at = std::upper_bound(
            career.seasons.begin(), career.seasons.end(), missed.year,
            [](Counter year, const CareerSeason& season) { return year < season.year; });
        career.seasons.insert(at, missed);
    }
    return career;
}

HistoryRecords HistoryReader::records() const {
    HistoryRecords records;
    const auto readBest = [&](const char* order, Counter minimumAtBats, int kind) {
        // The best lines are picked from each season's best alone, and only those few are
        // looked up for their player's name.
        const std::string best =
            std::string(
                "SELECT s.year, s.team, s.player_id, p.name, s.hits, s.at_bats, p.id "
                "FROM (SELECT * FROM season_best s WHERE s.year <= ?1 AND "
                "s.at_bats >= ?2 AND s.kind = ") +
            std::to_string(kind) + " ORDER BY " + order +
            ", s.year, s.player_id LIMIT ?3) s LEFT JOIN player p ON p.id = s.player_id "
            "ORDER BY " +
            order + ", s.year, s.player_id";
        // A line without its player (a damaged file) counts for nothing, and the next best
        // takes its place, as the whole join gives it.
        const std::string whole =
            std::string(
                "SELECT s.year, s.team, s.player_id, p.name, s.hits, s.at_bats, p.id "
                "FROM player_season s JOIN player p ON p.id = s.player_id "
                "WHERE s.year <= ?1 AND s.at_bats >= ?2 ORDER BY ") +
            order + ", s.year, s.player_id LIMIT ?3";
        std::vector<SeasonMark> marks;
        for (const std::string& sql : {best, whole}) {
            SqliteStatement query = db_.prepare(sql);
            query.bind(1, std::int64_t{lastYear_})
                .bind(2, std::int64_t{minimumAtBats})
                .bind(3, kRecordPlaces);
            marks.clear();
            bool orphan = false;
            while (query.step()) {
                const CheckedRow row = checkedRow(query, 0, lastYear_);
                if (query.text(6).empty()) {
                    orphan = true;
                    continue;
                }
                marks.push_back(
                    {row.year(), row.team(1, text::translatedIn("damaged value", "チームの番号")),
                     row.id(2, text::translatedIn("damaged value", "選手のID")), row.text(3),
                     row.figure(4, text::translatedIn("damaged value", "安打数")),
                     row.figure(5, text::translatedIn("damaged value", "打数"), 1)});
            }
            if (!orphan) break;
        }
        return marks;
    };
    // Compared as fractions in whole numbers, so that equal averages tie exactly.
    records.bestAverages = readBest("s.hits * 1.0 / s.at_bats DESC, s.at_bats DESC",
                                    kQualifyingAtBats, kBestAverageKind);
    records.mostHits = readBest("s.hits DESC", 0, kMostHitsKind);

    // Titles and runs: a run goes on only through consecutive recorded years.
    std::array<TitleRun, kTeams> longest{};
    TitleRun current;
    for (const StoredSeason& season : seasons()) {
        const auto at = static_cast<std::size_t>(season.champion - 1);  // checked as read
        ++records.titles[at];
        if (current.team == season.champion && std::int64_t{current.to} + 1 == season.year) {
            ++current.length;
            current.to = season.year;
        } else {
            current = {season.champion, 1, season.year, season.year};
        }
        if (current.length > longest[at].length) longest[at] = current;
    }
    for (const TitleRun& run : longest) {
        if (run.length > 0) records.longestRuns.push_back(run);
    }
    std::stable_sort(records.longestRuns.begin(), records.longestRuns.end(),
                     [](const TitleRun& a, const TitleRun& b) { return a.length > b.length; });

    SqliteStatement members = db_.prepare(
        "SELECT year, player_id, name, hits, at_bats, team FROM move "
        "WHERE kind = 'retire' AND hall_of_fame = 1 AND year <= ? ORDER BY year, sequence");
    members.bind(1, std::int64_t{lastYear_});
    // The teams he played a recorded season for, read from the index by player alone: it holds
    // the year and the team, and the lines themselves need not be looked up.
    SqliteStatement played =
        db_.prepare("SELECT year, team FROM player_season WHERE player_id = ? AND year <= ?");
    while (members.step()) {
        const CheckedRow row = checkedRow(members, 0, lastYear_);
        HallOfFameMember member{row.year(),
                                row.id(1, text::translatedIn("damaged value", "選手のID")),
                                row.text(2),
                                row.figure(3, text::translatedIn("damaged value", "安打数")),
                                row.figure(4, text::translatedIn("damaged value", "打数")),
                                {}};
        std::set<int> teams = {row.team(5, text::translatedIn("damaged value", "チームの番号"))};
        played.reset();
        played.bind(1, member.id).bind(2, std::int64_t{lastYear_});
        while (played.step()) {
            teams.insert(checkedRow(played, 0, lastYear_)
                             .team(1, text::translatedIn("damaged value", "チームの番号")));
        }
        member.teams.assign(teams.begin(), teams.end());
        records.hallOfFame.push_back(std::move(member));
    }
    return records;
}

}  // namespace zelvano
