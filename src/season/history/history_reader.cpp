#include "season/history/history_reader.h"

#include <algorithm>
#include <set>

namespace zelvano {

namespace {

Counter counter(const SqliteStatement& row, int column) {
    return static_cast<Counter>(row.integer(column));
}

TransactionKind kindOf(const std::string& word) {
    for (const TransactionKind kind :
         {TransactionKind::Trade, TransactionKind::Loan, TransactionKind::Return,
          TransactionKind::Retire, TransactionKind::Rookie}) {
        if (word == transactionWord(kind)) return kind;
    }
    return TransactionKind::Trade;
}

constexpr const char* kSeasonColumns =
    "SELECT year, champion, marks1, marks2, marks3, wins1, losses1, wins2, losses2, wins3, "
    "losses3, champion_line, title_count, title_run, name1, name2, name3, average1, average2, "
    "average3, titles, own_run FROM season ";

StoredSeason readSeason(const SqliteStatement& row) {
    StoredSeason season;
    season.year = counter(row, 0);
    season.champion = row.number(1);
    for (int team = 0; team < kTeams; ++team) {
        const auto at = static_cast<std::size_t>(team);
        season.marks[at] = row.text(2 + team);
        season.wins[at] = row.number(5 + 2 * team);
        season.losses[at] = row.number(6 + 2 * team);
        season.teamNames[at] = row.text(14 + team);
        season.teamAverages[at] = row.text(17 + team);
    }
    season.championLine = row.text(11);
    season.titleCount = row.text(12);
    season.titleRun = row.text(13);
    season.titles = counter(row, 20);
    season.ownRun = counter(row, 21);
    return season;
}

constexpr const char* kMoveColumns =
    "SELECT year, kind, team, slot, player_id, name, hits, at_bats, entry_year, other_team, "
    "other_slot, other_id, other_name, other_hits, other_at_bats, hall_of_fame FROM move ";

}  // namespace

std::optional<Counter> HistoryReader::knownSince() const {
    SqliteStatement query = db_.prepare("SELECT max(year) FROM beginning WHERE year <= ?");
    query.bind(1, std::int64_t{lastYear_});
    if (!query.step() || query.text(0).empty()) return std::nullopt;
    return counter(query, 0);
}

std::vector<Counter> HistoryReader::missingYears() const {
    SqliteStatement first = db_.prepare("SELECT min(year) FROM beginning WHERE year <= ?");
    first.bind(1, std::int64_t{lastYear_});
    if (!first.step() || first.text(0).empty()) return {};
    const Counter from = counter(first, 0) + 1;
    std::set<Counter> recorded;
    SqliteStatement years = db_.prepare("SELECT year FROM season WHERE year >= ? AND year <= ?");
    years.bind(1, std::int64_t{from}).bind(2, std::int64_t{lastYear_});
    while (years.step()) recorded.insert(counter(years, 0));
    std::vector<Counter> missing;
    for (Counter year = from; year <= lastYear_; ++year) {
        if (!recorded.contains(year)) missing.push_back(year);
    }
    return missing;
}

std::vector<StoredSeason> HistoryReader::seasons() const {
    SqliteStatement query =
        db_.prepare(std::string(kSeasonColumns) + "WHERE year <= ? ORDER BY year");
    query.bind(1, std::int64_t{lastYear_});
    std::vector<StoredSeason> seasons;
    while (query.step()) seasons.push_back(readSeason(query));
    return seasons;
}

std::optional<StoredSeason> HistoryReader::season(Counter year) const {
    if (year > lastYear_) return std::nullopt;
    SqliteStatement query = db_.prepare(std::string(kSeasonColumns) + "WHERE year = ?");
    query.bind(1, std::int64_t{year});
    if (!query.step()) return std::nullopt;
    return readSeason(query);
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
        "SELECT number, team1, team2, runs1, runs2, innings, plate_appearances FROM game "
        "WHERE year = ? ORDER BY number");
    query.bind(1, std::int64_t{year});
    while (query.step()) {
        games.push_back({query.number(0), query.number(1), query.number(2), query.number(3),
                         query.number(4), query.number(5), query.number(6)});
    }
    return games;
}

std::vector<StoredMove> HistoryReader::readMoves(SqliteStatement& query) const {
    std::vector<StoredMove> moves;
    while (query.step()) {
        StoredMove stored;
        stored.year = counter(query, 0);
        Transaction& move = stored.move;
        move.kind = kindOf(query.text(1));
        move.team = query.number(2);
        move.slot = query.number(3);
        move.player = {query.integer(4), query.text(5), counter(query, 6), counter(query, 7),
                       counter(query, 8)};
        move.otherTeam = query.number(9);
        move.otherSlot = query.number(10);
        move.other = {query.integer(11), query.text(12), counter(query, 13), counter(query, 14), 0};
        move.hallOfFame = query.integer(15) != 0;
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
    SqliteStatement query = db_.prepare("SELECT ids FROM roster WHERE year = ?");
    query.bind(1, std::int64_t{lastYear_});
    std::array<PlayerId, kTeams * kPlayers + 1> ids{};
    if (!query.step() || !parseRosterIds(query.text(0), ids)) return 0;
    return ids[static_cast<std::size_t>((team - 1) * kPlayers + slot - 1)];
}

std::optional<Career> HistoryReader::career(PlayerId id) const {
    if (id == 0) return std::nullopt;
    SqliteStatement player = db_.prepare(
        "SELECT name, start_year, start_team, start_slot, start_hits, start_at_bats, entry_year "
        "FROM player WHERE id = ? AND start_year <= ?");
    player.bind(1, id).bind(2, std::int64_t{lastYear_});
    if (!player.step()) return std::nullopt;
    Career career;
    career.start = {
        counter(player, 1),
        player.number(2),
        player.number(3),
        {id, player.text(0), counter(player, 4), counter(player, 5), counter(player, 6)}};
    SqliteStatement seasons = db_.prepare(
        "SELECT year, team, slot, hits, at_bats FROM player_season "
        "WHERE player_id = ? AND year <= ? ORDER BY year");
    seasons.bind(1, id).bind(2, std::int64_t{lastYear_});
    while (seasons.step()) {
        career.seasons.push_back({counter(seasons, 0), seasons.number(1), seasons.number(2),
                                  counter(seasons, 3), counter(seasons, 4)});
    }
    return career;
}

HistoryRecords HistoryReader::records() const {
    HistoryRecords records;
    const auto readBest = [&](const char* order, Counter minimumAtBats) {
        SqliteStatement query =
            db_.prepare(std::string("SELECT s.year, s.team, s.player_id, p.name, s.hits, s.at_bats "
                                    "FROM player_season s JOIN player p ON p.id = s.player_id "
                                    "WHERE s.year <= ?1 AND s.at_bats >= ?2 ORDER BY ") +
                        order + ", s.year, s.player_id LIMIT ?3");
        query.bind(1, std::int64_t{lastYear_})
            .bind(2, std::int64_t{minimumAtBats})
            .bind(3, kRecordPlaces);
        std::vector<SeasonMark> marks;
        while (query.step()) {
            marks.push_back({counter(query, 0), query.number(1), query.integer(2), query.text(3),
                             counter(query, 4), counter(query, 5)});
        }
        return marks;
    };
    // Compared as fractions in whole numbers, so that equal averages tie exactly.
    records.bestAverages =
        readBest("s.hits * 1.0 / s.at_bats DESC, s.at_bats DESC", kQualifyingAtBats);
    records.mostHits = readBest("s.hits DESC", 0);

    // Titles and runs: a run goes on only through consecutive recorded years.
    std::array<TitleRun, kTeams> longest{};
    TitleRun current;
    for (const StoredSeason& season : seasons()) {
        const auto at = static_cast<std::size_t>(season.champion - 1);
        if (season.champion < 1 || season.champion > kTeams) continue;
        ++records.titles[at];
        if (current.team == season.champion && current.to + 1 == season.year) {
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
        "SELECT m.year, m.player_id, m.name, m.hits, m.at_bats, m.team, "
        "(SELECT group_concat(team) FROM (SELECT DISTINCT team FROM player_season "
        " WHERE player_id = m.player_id AND year <= ?1 ORDER BY team)) "
        "FROM move m WHERE m.kind = 'retire' AND m.hall_of_fame = 1 AND m.year <= ?1 "
        "ORDER BY m.year, m.sequence");
    members.bind(1, std::int64_t{lastYear_});
    while (members.step()) {
        HallOfFameMember member{counter(members, 0), members.integer(1),  members.text(2),
                                counter(members, 3), counter(members, 4), {}};
        // The teams he played for, and the one he retired from.
        std::set<int> teams = {members.number(5)};
        for (const char digit : members.text(6)) {
            if (digit >= '1' && digit <= '3') teams.insert(digit - '0');
        }
        member.teams.assign(teams.begin(), teams.end());
        records.hallOfFame.push_back(std::move(member));
    }
    return records;
}

}  // namespace zelvano
