#include "season/history/history_browser.h"

#include <algorithm>
#include <charconv>

#include "season/history/history_damage.h"
#include "season/history/history_file.h"
#include "season/history/history_game_pages.h"
#include "text/number_format.h"

namespace zelvano {

namespace {

std::string average(Counter hits, Counter atBats) {
    if (atBats <= 0) return "―";
    return text::formatNumber(static_cast<double>(hits) / atBats, ".000");
}

// The report keeps the team average as it was printed (0.377766666666667); a table reads it as
// the rosters do, .378.
std::string tableAverage(const std::string& printed) {
    double value = 0;
    const auto [end, error] =
        std::from_chars(printed.data(), printed.data() + printed.size(), value);
    if (error != std::errc() || end != printed.data() + printed.size()) return printed;
    return text::formatNumber(value, ".000");
}

std::string slotText(int slot) { return std::to_string(slot) + "番"; }

std::string named(const PlayerSnapshot& player) {
    if (player.id == 0 && player.name.empty()) return "（空き）";
    return player.name.empty() ? "（空き）" : player.name;
}

}  // namespace

bool HistoryBrowser::readSafely(const std::function<void()>& reading) const {
    try {
        reading();
        return true;
    } catch (const HistoryDamage& damage) {
        if (!reported_ && report_) report_(damage.what());
        reported_ = true;
    } catch (const SqliteError& error) {
        if (!reported_ && report_) report_(historyProblemText(error));
        reported_ = true;
    }
    return false;
}

std::string HistoryBrowser::teamName(int team) const {
    // Every team number the history gives is checked as it is read; this guards the window's.
    if (team < 1 || team > kTeams) return "";
    return league_.TeamName[static_cast<std::size_t>(team)];
}

const std::vector<StoredSeason>& HistoryBrowser::storedSeasons() const {
    if (!seasons_) {
        seasons_.emplace();
        readSafely([&] { *seasons_ = history_.seasons(); });
    }
    return *seasons_;
}

std::string HistoryBrowser::knownSinceText() const {
    std::optional<Counter> since;
    std::vector<Counter> missing;
    const bool read = readSafely([&] {
        since = history_.knownSince();
        if (since) missing = history_.missingYears();
    });
    if (!read) return "リーグの歴史の記録に壊れているところがあり、一部を読めませんでした。";
    if (!since) return "リーグの歴史は、まだ記録されていません。";
    // The history may have begun more than once (a season it could not keep, then a new
    // beginning); the player wants the first year it knows. Every year after the first beginning
    // is either recorded or missing, and none is before the latest beginning's next year, so the
    // earliest of the three is the first one.
    Counter first = *since + 1;
    if (!missing.empty()) first = std::min(first, missing.front());
    if (!storedSeasons().empty()) first = std::min(first, storedSeasons().front().year);
    std::string text = "リーグの歴史は、" + yearText(first) + "のシーズンから記録しています。";
    if (!missing.empty()) {
        text += "記録のない年：";
        for (std::size_t at = 0; at < missing.size() && at < 10; ++at) {
            text += (at == 0 ? "" : "、") + yearText(missing[at]);
        }
        if (missing.size() > 10) text += "ほか";
    }
    return text;
}

HistoryTable HistoryBrowser::champions() const {
    HistoryTable table;
    table.header = {"年度",
                    "優勝",
                    teamName(1),
                    teamName(2),
                    teamName(3),
                    "優勝回数",
                    teamName(1) + "の連続優勝"};
    for (const StoredSeason& season : storedSeasons()) {
        // The champion is one of the three teams: the reader lets no other number through.
        std::vector<std::string> row = {
            yearText(season.year), season.teamNames[static_cast<std::size_t>(season.champion - 1)]};
        for (std::size_t team = 0; team < kTeams; ++team) {
            row.push_back(std::to_string(season.wins[team]) + "勝" +
                          std::to_string(season.losses[team]) + "敗");
        }
        row.push_back(std::to_string(season.titles) + "回目");
        row.push_back(season.ownRun > 1 ? std::to_string(season.ownRun) + "年連続" : "");
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<Counter> HistoryBrowser::years() const {
    std::vector<Counter> years;
    for (const StoredSeason& season : storedSeasons()) years.push_back(season.year);
    return years;
}

SeasonPage HistoryBrowser::season(Counter year) const {
    SeasonPage page;
    std::optional<StoredSeason> season;
    if (!readSafely([&] { season = history_.season(year); })) {
        page.title = yearText(year) + "のシーズンの記録は壊れていて、読めませんでした。";
        return page;
    }
    if (!season) {
        page.title = yearText(year) + "のシーズンは記録にありません。";
        return page;
    }
    page.title = yearText(year) + "のシーズン";
    // The marks last: they are the widest, and the average stays in sight when they are cut.
    page.standings.header = {"チーム", "勝", "敗", "平均打率", "勝敗"};
    for (std::size_t team = 0; team < kTeams; ++team) {
        page.standings.rows.push_back({season->teamNames[team], std::to_string(season->wins[team]),
                                       std::to_string(season->losses[team]),
                                       tableAverage(season->teamAverages[team]),
                                       season->marks[team]});
    }
    page.games.header = {"試合", "先攻", "得点", "安打", "後攻", "得点", "安打", "回"};
    std::vector<GameLine> games;
    readSafely([&] { games = history_.games(year); });
    for (const GameLine& game : games) {
        // Both sides are teams 1..3: the reader lets no other number through.
        const auto name = [&](int team) {
            return season->teamNames[static_cast<std::size_t>(team - 1)];
        };
        // The hits are known where the game's box score was kept.
        const auto hits = [&](std::size_t side) {
            return game.boxed ? std::to_string(game.hits[side]) : "―";
        };
        page.games.rows.push_back(
            {std::to_string(game.number), name(game.team1), std::to_string(game.runs1), hits(0),
             name(game.team2), std::to_string(game.runs2), hits(1), std::to_string(game.innings)});
        page.gameNumbers.push_back(game.number);
    }
    page.milestones = milestoneLines(year, games);
    page.report = {season->championLine + "  " + season->titleCount + " " + season->titleRun,
                   "各チームの平均打率"};
    for (std::size_t team = 0; team < kTeams; ++team) {
        page.report.push_back("　" + season->teamNames[team] + "　" + season->teamAverages[team]);
    }
    page.report.push_back("今年度のＭＶＰ選手一覧");
    std::vector<std::string> mvpLines;
    readSafely([&] { mvpLines = history_.mvpLines(year); });
    for (const std::string& line : mvpLines) page.report.push_back(line);
    page.moves.header = {"種類", "内容"};
    std::vector<StoredMove> moves;
    readSafely([&] { moves = history_.moves(year); });
    for (const StoredMove& stored : moves) {
        page.moves.rows.push_back(
            {transactionWordJapanese(stored.move.kind), moveText(stored.move)});
    }
    return page;
}

std::vector<std::string> HistoryBrowser::milestoneLines(Counter year,
                                                        const std::vector<GameLine>& games) const {
    std::vector<Milestone> milestones;
    if (!readSafely([&] { milestones = games_.milestones(year); })) {
        return {"このシーズンの記録達成は壊れていて、読めませんでした。"};
    }
    std::vector<std::string> lines;
    for (const Milestone& milestone : milestones) lines.push_back(milestoneText(milestone));
    if (!lines.empty()) return lines;
    const bool boxed =
        std::any_of(games.begin(), games.end(), [](const GameLine& game) { return game.boxed; });
    lines.push_back(boxed
                        ? "このシーズンに新たに達成された記録はありません。"
                        : "記録達成は、試合ごとの記録を残すようになってからのシーズンにあります。");
    return lines;
}

GamePage HistoryBrowser::game(Counter year, int number) const {
    std::optional<StoredGame> stored;
    if (!readSafely([&] { stored = games_.game(year, number); })) {
        GamePage page;
        page.title = gameTitle(year, number) + "の記録は壊れていて、読めませんでした。";
        return page;
    }
    if (!stored) {
        GamePage page;
        page.title = gameTitle(year, number) + "は記録にありません。";
        return page;
    }
    return gamePage(*stored);
}

GameLogPage HistoryBrowser::gameLog(PlayerId id, Counter year) const {
    std::vector<GameLogLine> log;
    std::optional<StoredSeason> season;
    std::vector<GameLine> games;
    GameLogPage page;
    if (!readSafely([&] {
            log = games_.gameLog(id, year);
            season = history_.season(year);
            if (log.empty()) games = history_.games(year);
        })) {
        page.title = yearText(year) + "の試合ごとの成績は、記録が壊れていて読めませんでした。";
        return page;
    }
    if (!season) {
        page.title = yearText(year) + "のシーズンは記録にありません。";
        return page;
    }
    if (log.empty()) {
        const bool boxed = std::any_of(games.begin(), games.end(),
                                       [](const GameLine& game) { return game.boxed; });
        page.title = boxed ? yearText(year) + "には、この選手の出場した試合はありません。"
                           : yearText(year) + "は、試合ごとの記録を残す前のシーズンです。";
        return page;
    }
    return gameLogPage(year, log, season->teamNames);
}

std::string transactionWordJapanese(TransactionKind kind) {
    switch (kind) {
        case TransactionKind::Trade:
            return "トレード";
        case TransactionKind::Loan:
            return "大リーグ移籍";
        case TransactionKind::Return:
            return "大リーグから復帰";
        case TransactionKind::Retire:
            return "引退";
        case TransactionKind::Rookie:
            return "新人入団";
    }
    return "";
}

std::string HistoryBrowser::moveText(const Transaction& move) const {
    const std::string own = teamName(move.team);
    switch (move.kind) {
        case TransactionKind::Trade:
            return own + " " + slotText(move.slot) + "の" + named(move.player) + " ⇔ " +
                   teamName(move.otherTeam) + " " + slotText(move.otherSlot) + "の" +
                   named(move.other);
        case TransactionKind::Loan:
            return own + " " + slotText(move.slot) + "の" + named(move.player) + "（打率" +
                   average(move.player.hits, move.player.atBats) + "）がメジャーリーグへ";
        case TransactionKind::Return:
            return named(move.player) + "が" + own + " " + slotText(move.slot) + "に復帰";
        case TransactionKind::Retire:
            return own + " " + slotText(move.slot) + "の" + named(move.player) + "が引退（" +
                   std::to_string(move.player.atBats) + "打数" + std::to_string(move.player.hits) +
                   "安打、打率" + average(move.player.hits, move.player.atBats) + "）" +
                   (move.hallOfFame ? "　名球会入り" : "");
        case TransactionKind::Rookie:
            return named(move.player) + "が" + own + " " + slotText(move.slot) + "に入団" +
                   (move.other.id != 0 ? "（" + move.other.name + "に代わって）" : "");
    }
    return "";
}

HistoryTable HistoryBrowser::transactions(int team) const {
    HistoryTable table;
    table.header = {"年度", "種類", "内容"};
    std::vector<StoredMove> moves;
    readSafely([&] { moves = history_.moves(0, team); });
    for (const StoredMove& stored : moves) {
        table.rows.push_back({yearText(stored.year), transactionWordJapanese(stored.move.kind),
                              moveText(stored.move)});
    }
    return table;
}

CareerPage HistoryBrowser::career(PlayerId id) const {
    CareerPage page;
    std::optional<Career> career;
    if (!readSafely([&] { career = history_.career(id); })) {
        page.title = "この選手の記録は壊れていて、読めませんでした。";
        return page;
    }
    if (!career) {
        page.title = "この選手の記録は、リーグの歴史にありません。";
        return page;
    }
    const PlayerStart& start = career->start;
    page.title = start.player.name + "の歩み";
    page.seasons.header = {"年度", "チーム",   "打数",     "安打",
                           "打率", "通算打数", "通算安打", "通算打率"};
    Counter hits = start.player.hits, atBats = start.player.atBats;
    page.seasons.rows.push_back(
        {yearText(start.year), start.team >= 1 ? teamName(start.team) : "メジャーリーグ", "", "",
         start.year == 0 ? "リーグ創設時" : "記録の始まり", std::to_string(atBats),
         std::to_string(hits), average(hits, atBats)});
    for (const CareerSeason& season : career->seasons) {
        hits += season.hits;
        atBats += season.atBats;
        if (!season.recorded) {
            // Seasons the history missed: what he gained in them, with no season of its own.
            page.seasons.rows.push_back({"〜" + yearText(season.year), "記録のない年",
                                         std::to_string(season.atBats), std::to_string(season.hits),
                                         "", std::to_string(atBats), std::to_string(hits),
                                         average(hits, atBats)});
            continue;
        }
        page.seasons.rows.push_back({yearText(season.year), teamName(season.team),
                                     std::to_string(season.atBats), std::to_string(season.hits),
                                     average(season.hits, season.atBats), std::to_string(atBats),
                                     std::to_string(hits), average(hits, atBats)});
        page.averages.push_back(
            {season.year, static_cast<double>(season.hits) / static_cast<double>(season.atBats)});
        page.years.push_back(season.year);
    }
    return page;
}

std::vector<RecordsSection> HistoryBrowser::records() const {
    HistoryRecords records;
    readSafely([&] { records = history_.records(); });
    std::vector<RecordsSection> sections;
    const auto marks = [&](const std::string& title, const std::vector<SeasonMark>& list) {
        RecordsSection section{title,
                               {{"順位", "年度", "チーム", "選手", "打数", "安打", "打率"}, {}}};
        int rank = 0;
        for (const SeasonMark& mark : list) {
            section.table.rows.push_back({std::to_string(++rank), yearText(mark.year),
                                          teamName(mark.team), mark.name,
                                          std::to_string(mark.atBats), std::to_string(mark.hits),
                                          average(mark.hits, mark.atBats)});
        }
        sections.push_back(std::move(section));
    };
    marks("シーズン最高打率（" + std::to_string(kQualifyingAtBats) + "打数以上）",
          records.bestAverages);
    marks("シーズン最多安打", records.mostHits);

    RecordsSection titles{"優勝回数と最長連続優勝", {{"チーム", "優勝", "最長連続", "期間"}, {}}};
    for (int team = 1; team <= kTeams; ++team) {
        std::vector<std::string> row = {
            teamName(team),
            std::to_string(records.titles[static_cast<std::size_t>(team - 1)]) + "回", "", ""};
        for (const TitleRun& run : records.longestRuns) {
            if (run.team != team) continue;
            row[2] = std::to_string(run.length) + "年";
            row[3] = yearText(run.from) + "〜" + yearText(run.to);
        }
        titles.table.rows.push_back(std::move(row));
    }
    sections.push_back(std::move(titles));

    RecordsSection members{"チーム別の名球会会員",
                           {{"チーム", "選手", "引退", "打数", "安打"}, {}}};
    for (int team = 1; team <= kTeams; ++team) {
        for (const HallOfFameMember& member : records.hallOfFame) {
            bool played = false;
            for (const int each : member.teams) played = played || each == team;
            if (!played) continue;
            members.table.rows.push_back({teamName(team), member.name, yearText(member.year),
                                          std::to_string(member.atBats),
                                          std::to_string(member.hits)});
        }
    }
    sections.push_back(std::move(members));

    GameRecords games;
    readSafely([&] { games = games_.records(); });
    for (RecordsSection& section :
         singleGameRecords(games, [this](int team) { return teamName(team); })) {
        sections.push_back(std::move(section));
    }
    return sections;
}

std::array<std::vector<ChartPoint>, kTeams> HistoryBrowser::teamAverages() const {
    std::array<std::vector<ChartPoint>, kTeams> series;
    for (const StoredSeason& season : storedSeasons()) {
        for (std::size_t team = 0; team < kTeams; ++team) {
            const std::string& text = season.teamAverages[team];
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            series[team].push_back({season.year, value});
        }
    }
    return series;
}

}  // namespace zelvano
