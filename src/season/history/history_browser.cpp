#include "season/history/history_browser.h"

#include <algorithm>
#include <charconv>

#include "season/history/history_damage.h"
#include "season/history/history_file.h"
#include "season/history/history_game_pages.h"
#include "text/full_width.h"
#include "text/number_format.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

std::string average(Counter hits, Counter atBats) {
    if (atBats <= 0) return text::translatedIn("no average", "―");
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

std::string named(const PlayerSnapshot& player) {
    return player.name.empty() ? text::translated("（空き）") : player.name;
}

// Full-width letters, digits and spaces as plain ones: what the Japanese report lays out in
// full-width columns reads in plain text elsewhere.
std::string narrowed(std::u32string_view wide) {
    std::u32string plain;
    for (const char32_t each : wide) {
        if (each >= U'\uFF01' && each <= U'\uFF5E') {
            plain += static_cast<char32_t>(each - 0xFEE0);
        } else {
            plain += each == U'\u3000' ? U' ' : each;
        }
    }
    while (!plain.empty() && plain.back() == U' ') plain.pop_back();
    return text::fromCodePoints(plain);
}

// An MVP line of the report as recorded (the team and the player in full-width columns of 10
// and 15 characters, two spaces between, then the average in full-width brackets), in the
// language shown; the line as it stands when it is not laid out so.
std::string mvpLineShown(const std::string& line, const std::array<std::string, kTeams>& teams) {
    constexpr std::size_t kTeamWidth = 10, kPlayerWidth = 15;
    const std::u32string chars = text::toCodePoints(line);
    constexpr std::size_t kAverageAt = kTeamWidth + 2 + kPlayerWidth;
    if (chars.size() < kAverageAt + 3 || chars.compare(kTeamWidth, 2, U"  ") != 0 ||
        chars[kAverageAt] != U'\uFF08' || chars.back() != U'\uFF09') {
        return line;
    }
    const std::string digits = text::fromCodePoints(
        std::u32string_view(chars).substr(kAverageAt + 1, chars.size() - kAverageAt - 2));
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return line;
    const std::u32string_view teamColumn = std::u32string_view(chars).substr(0, kTeamWidth);
    std::string team = narrowed(teamColumn);
    for (const std::string& name : teams) {
        if (text::toCodePoints(text::fixedColumn(text::toFullWidth(name), kTeamWidth)) ==
            teamColumn) {
            team = name;
        }
    }
    // Translators: an MVP line of a season's report: the team, the player and his average.
    const char* pattern = text::translated("{1}  {2}（{3}）");
    return text::fillIn(
        pattern, {team, narrowed(std::u32string_view(chars).substr(kTeamWidth + 2, kPlayerWidth)),
                  text::baseballAverage(value)});
}

// The report's first line: in Japanese as it was printed; in another language made anew from
// the same figures, since the printed one is Japanese.
std::string reportHeadline(const StoredSeason& season) {
    if (text::japaneseText()) {
        return season.championLine + "  " + season.titleCount + " " + season.titleRun;
    }
    const std::string champion = season.teamNames[static_cast<std::size_t>(season.champion - 1)];
    const auto titles = static_cast<std::uint64_t>(std::max<Counter>(season.titles, 0));
    if (season.ownRun > 1) {
        // Translators: the season's champion, its count of titles and the own team's run of
        // titles; Japanese shows the line the season's report printed.
        const char* pattern = text::translatedCount("優勝：{1}  ({2}回目) 【{3}年連続】",
                                                    "優勝：{1}  ({2}回目) 【{3}年連続】", titles);
        return text::fillIn(
            pattern, {champion, std::to_string(season.titles), std::to_string(season.ownRun)});
    }
    // Translators: the season's champion and its count of titles; Japanese shows the line the
    // season's report printed.
    const char* pattern =
        text::translatedCount("優勝：{1}  ({2}回目)", "優勝：{1}  ({2}回目)", titles);
    return text::fillIn(pattern, {champion, std::to_string(season.titles)});
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
    if (!read) {
        return text::translated(
            "リーグの歴史の記録に壊れているところがあり、一部を読めませんでした。");
    }
    if (!since) return text::translated("リーグの歴史は、まだ記録されていません。");
    // The history may have begun more than once (a season it could not keep, then a new
    // beginning); the player wants the first year it knows. Every year after the first beginning
    // is either recorded or missing, and none is before the latest beginning's next year, so the
    // earliest of the three is the first one.
    Counter first = *since + 1;
    if (!missing.empty()) first = std::min(first, missing.front());
    if (!storedSeasons().empty()) first = std::min(first, storedSeasons().front().year);
    const std::string firstYear = std::to_string(first);
    if (missing.empty()) {
        return text::fillIn(
            text::translated("リーグの歴史は、{1}年目のシーズンから記録しています。"), {firstYear});
    }
    std::string years;
    for (std::size_t at = 0; at < missing.size() && at < 10; ++at) {
        if (at > 0) years += text::translatedIn("list of years", "、");
        years += yearText(missing[at]);
    }
    if (missing.size() > 10) {
        years = text::fillIn(text::translatedIn("list of years", "{1}ほか"), {years});
    }
    return text::fillIn(
        text::translated("リーグの歴史は、{1}年目のシーズンから記録しています。記録のない年：{2}"),
        {firstYear, years});
}

HistoryTable HistoryBrowser::champions() const {
    HistoryTable table;
    table.header = {
        text::translatedIn("history column", "年度"),
        text::translatedIn("champion column", "優勝"),
        teamName(1),
        teamName(2),
        teamName(3),
        text::translatedIn("history column", "優勝回数"),
        text::fillIn(text::translatedIn("history column", "{1}の連続優勝"), {teamName(1)})};
    for (const StoredSeason& season : storedSeasons()) {
        // The champion is one of the three teams: the reader lets no other number through.
        std::vector<std::string> row = {
            yearText(season.year), season.teamNames[static_cast<std::size_t>(season.champion - 1)]};
        for (std::size_t team = 0; team < kTeams; ++team) {
            row.push_back(winsAndLosses(season.wins[team], season.losses[team]));
        }
        row.push_back(text::fillIn(text::translatedIn("title count column", "{1}回目"),
                                   {std::to_string(season.titles)}));
        row.push_back(season.ownRun > 1
                          ? text::fillIn(text::translatedIn("title run column", "{1}年連続"),
                                         {std::to_string(season.ownRun)})
                          : "");
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
        page.title = text::fillIn(
            text::translated("{1}年目のシーズンの記録は壊れていて、読めませんでした。"),
            {std::to_string(year)});
        return page;
    }
    if (!season) {
        page.title = text::fillIn(text::translated("{1}年目のシーズンは記録にありません。"),
                                  {std::to_string(year)});
        return page;
    }
    page.title = text::fillIn(text::translated("{1}年目のシーズン"), {std::to_string(year)});
    // The marks last: they are the widest, and the average stays in sight when they are cut.
    page.standings.header = {text::translatedIn("history column", "チーム"),
                             text::translatedIn("history column", "勝"),
                             text::translatedIn("history column", "敗"),
                             text::translatedIn("history column", "平均打率"),
                             text::translatedIn("history column", "勝敗")};
    for (std::size_t team = 0; team < kTeams; ++team) {
        page.standings.rows.push_back({season->teamNames[team], std::to_string(season->wins[team]),
                                       std::to_string(season->losses[team]),
                                       tableAverage(season->teamAverages[team]),
                                       season->marks[team]});
    }
    page.games.header = {
        text::translatedIn("history column", "試合"), text::translatedIn("history column", "先攻"),
        text::translatedIn("history column", "得点"), text::translatedIn("history column", "安打"),
        text::translatedIn("history column", "後攻"), text::translatedIn("history column", "得点"),
        text::translatedIn("history column", "安打"), text::translatedIn("history column", "回")};
    std::vector<GameLine> games;
    readSafely([&] { games = history_.games(year); });
    for (const GameLine& game : games) {
        // Both sides are teams 1..3: the reader lets no other number through.
        const auto name = [&](int team) {
            return season->teamNames[static_cast<std::size_t>(team - 1)];
        };
        // The hits are known where the game's box score was kept.
        const auto hits = [&](std::size_t side) {
            return game.boxed ? std::to_string(game.hits[side])
                              : std::string(text::translatedIn("no figure", "―"));
        };
        page.games.rows.push_back(
            {std::to_string(game.number), name(game.team1), std::to_string(game.runs1), hits(0),
             name(game.team2), std::to_string(game.runs2), hits(1), std::to_string(game.innings)});
        page.gameNumbers.push_back(game.number);
    }
    page.milestones = milestoneLines(year, games);
    page.report = {reportHeadline(*season), text::translated("各チームの平均打率")};
    for (std::size_t team = 0; team < kTeams; ++team) {
        // The report as it was printed in Japanese; its average as the tables read it elsewhere.
        const std::string& printed = season->teamAverages[team];
        page.report.push_back(text::fillIn(
            text::translatedIn("season report", "　{1}　{2}"),
            {season->teamNames[team], text::japaneseText() ? printed : tableAverage(printed)}));
    }
    page.report.push_back(text::translated("今年度のＭＶＰ選手一覧"));
    std::vector<std::string> mvpLines;
    readSafely([&] { mvpLines = history_.mvpLines(year); });
    for (const std::string& line : mvpLines) {
        page.report.push_back(text::japaneseText() ? line : mvpLineShown(line, season->teamNames));
    }
    page.moves.header = {text::translatedIn("history column", "種類"),
                         text::translatedIn("history column", "内容")};
    std::vector<StoredMove> moves;
    readSafely([&] { moves = history_.moves(year); });
    for (const StoredMove& stored : moves) {
        page.moves.rows.push_back({transactionKindText(stored.move.kind), moveText(stored.move)});
    }
    return page;
}

std::vector<std::string> HistoryBrowser::milestoneLines(Counter year,
                                                        const std::vector<GameLine>& games) const {
    std::vector<Milestone> milestones;
    if (!readSafely([&] { milestones = games_.milestones(year); })) {
        return {text::translated("このシーズンの記録達成は壊れていて、読めませんでした。")};
    }
    std::vector<std::string> lines;
    for (const Milestone& milestone : milestones) lines.push_back(milestoneText(milestone));
    if (!lines.empty()) return lines;
    const bool boxed =
        std::any_of(games.begin(), games.end(), [](const GameLine& game) { return game.boxed; });
    lines.push_back(
        boxed ? text::translated("このシーズンに新たに達成された記録はありません。")
              : text::translated(
                    "記録達成は、試合ごとの記録を残すようになってからのシーズンにあります。"));
    return lines;
}

GamePage HistoryBrowser::game(Counter year, int number) const {
    std::optional<StoredGame> stored;
    if (!readSafely([&] { stored = games_.game(year, number); })) {
        GamePage page;
        page.title = text::fillIn(
            text::translated("{1}年目 第{2}試合の記録は壊れていて、読めませんでした。"),
            {std::to_string(year), std::to_string(number)});
        return page;
    }
    if (!stored) {
        GamePage page;
        page.title = text::fillIn(text::translated("{1}年目 第{2}試合は記録にありません。"),
                                  {std::to_string(year), std::to_string(number)});
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
        page.title = text::fillIn(
            text::translated("{1}年目の試合ごとの成績は、記録が壊れていて読めませんでした。"),
            {std::to_string(year)});
        return page;
    }
    if (!season) {
        page.title = text::fillIn(text::translated("{1}年目のシーズンは記録にありません。"),
                                  {std::to_string(year)});
        return page;
    }
    if (log.empty()) {
        const bool boxed = std::any_of(games.begin(), games.end(),
                                       [](const GameLine& game) { return game.boxed; });
        page.title = text::fillIn(
            boxed ? text::translated("{1}年目には、この選手の出場した試合はありません。")
                  : text::translated("{1}年目は、試合ごとの記録を残す前のシーズンです。"),
            {std::to_string(year)});
        return page;
    }
    return gameLogPage(year, log, season->teamNames);
}

std::string transactionKindText(TransactionKind kind) {
    switch (kind) {
        case TransactionKind::Trade:
            return text::translatedIn("transaction kind", "トレード");
        case TransactionKind::Loan:
            return text::translatedIn("transaction kind", "大リーグ移籍");
        case TransactionKind::Return:
            return text::translatedIn("transaction kind", "大リーグから復帰");
        case TransactionKind::Retire:
            return text::translatedIn("transaction kind", "引退");
        case TransactionKind::Rookie:
            return text::translatedIn("transaction kind", "新人入団");
    }
    return "";
}

std::string HistoryBrowser::moveText(const Transaction& move) const {
    const std::string own = teamName(move.team);
    const std::string slot = std::to_string(move.slot);
    const std::string player = named(move.player);
    const std::string playerAverage = average(move.player.hits, move.player.atBats);
    switch (move.kind) {
        case TransactionKind::Trade:
            return text::fillIn(text::translated("{1} {2}番の{3} ⇔ {4} {5}番の{6}"),
                                {own, slot, player, teamName(move.otherTeam),
                                 std::to_string(move.otherSlot), named(move.other)});
        case TransactionKind::Loan:
            return text::fillIn(text::translated("{1} {2}番の{3}（打率{4}）がメジャーリーグへ"),
                                {own, slot, player, playerAverage});
        case TransactionKind::Return:
            return text::fillIn(text::translated("{1}が{2} {3}番に復帰"), {player, own, slot});
        case TransactionKind::Retire:
            return text::fillIn(
                move.hallOfFame
                    ? text::translated(
                          "{1} {2}番の{3}が引退（{4}打数{5}安打、打率{6}）　名球会入り")
                    : text::translated("{1} {2}番の{3}が引退（{4}打数{5}安打、打率{6}）"),
                {own, slot, player, std::to_string(move.player.atBats),
                 std::to_string(move.player.hits), playerAverage});
        case TransactionKind::Rookie:
            if (move.other.id == 0) {
                return text::fillIn(text::translated("{1}が{2} {3}番に入団"), {player, own, slot});
            }
            return text::fillIn(text::translated("{1}が{2} {3}番に入団（{4}に代わって）"),
                                {player, own, slot, move.other.name});
    }
    return "";
}

HistoryTable HistoryBrowser::transactions(int team) const {
    HistoryTable table;
    table.header = {text::translatedIn("history column", "年度"),
                    text::translatedIn("history column", "種類"),
                    text::translatedIn("history column", "内容")};
    std::vector<StoredMove> moves;
    readSafely([&] { moves = history_.moves(0, team); });
    for (const StoredMove& stored : moves) {
        table.rows.push_back(
            {yearText(stored.year), transactionKindText(stored.move.kind), moveText(stored.move)});
    }
    return table;
}

CareerPage HistoryBrowser::career(PlayerId id) const {
    CareerPage page;
    std::optional<Career> career;
    if (!readSafely([&] { career = history_.career(id); })) {
        page.title = text::translated("この選手の記録は壊れていて、読めませんでした。");
        return page;
    }
    if (!career) {
        page.title = text::translated("この選手の記録は、リーグの歴史にありません。");
        return page;
    }
    const PlayerStart& start = career->start;
    page.title = text::fillIn(text::translated("{1}の歩み"), {start.player.name});
    page.seasons.header = {text::translatedIn("history column", "年度"),
                           text::translatedIn("history column", "チーム"),
                           text::translatedIn("history column", "打数"),
                           text::translatedIn("history column", "安打"),
                           text::translatedIn("history column", "打率"),
                           text::translatedIn("history column", "通算打数"),
                           text::translatedIn("history column", "通算安打"),
                           text::translatedIn("history column", "通算打率")};
    Counter hits = start.player.hits, atBats = start.player.atBats;
    page.seasons.rows.push_back(
        {yearText(start.year),
         start.team >= 1 ? teamName(start.team) : text::translated("メジャーリーグ"), "", "",
         start.year == 0 ? text::translated("リーグ創設時") : text::translated("記録の始まり"),
         std::to_string(atBats), std::to_string(hits), average(hits, atBats)});
    for (const CareerSeason& season : career->seasons) {
        hits += season.hits;
        atBats += season.atBats;
        if (!season.recorded) {
            // Seasons the history missed: what he gained in them, with no season of its own.
            page.seasons.rows.push_back(
                {text::fillIn(text::translatedIn("year column", "〜{1}年目"),
                              {std::to_string(season.year)}),
                 text::translated("記録のない年"), std::to_string(season.atBats),
                 std::to_string(season.hits), "", std::to_string(atBats), std::to_string(hits),
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
                               {{text::translatedIn("history column", "順位"),
                                 text::translatedIn("history column", "年度"),
                                 text::translatedIn("history column", "チーム"),
                                 text::translatedIn("history column", "選手"),
                                 text::translatedIn("history column", "打数"),
                                 text::translatedIn("history column", "安打"),
                                 text::translatedIn("history column", "打率")},
                                {}}};
        int rank = 0;
        for (const SeasonMark& mark : list) {
            section.table.rows.push_back({std::to_string(++rank), yearText(mark.year),
                                          teamName(mark.team), mark.name,
                                          std::to_string(mark.atBats), std::to_string(mark.hits),
                                          average(mark.hits, mark.atBats)});
        }
        sections.push_back(std::move(section));
    };
    marks(text::fillIn(text::translated("シーズン最高打率（{1}打数以上）"),
                       {std::to_string(kQualifyingAtBats)}),
          records.bestAverages);
    marks(text::translated("シーズン最多安打"), records.mostHits);

    RecordsSection titles{text::translated("優勝回数と最長連続優勝"),
                          {{text::translatedIn("history column", "チーム"),
                            text::translatedIn("title count column", "優勝"),
                            text::translatedIn("history column", "最長連続"),
                            text::translatedIn("history column", "期間")},
                           {}}};
    for (int team = 1; team <= kTeams; ++team) {
        std::vector<std::string> row = {
            teamName(team),
            text::fillIn(text::translatedIn("title count column", "{1}回"),
                         {std::to_string(records.titles[static_cast<std::size_t>(team - 1)])}),
            "", ""};
        for (const TitleRun& run : records.longestRuns) {
            if (run.team != team) continue;
            row[2] = text::fillIn(text::translatedIn("title run column", "{1}年"),
                                  {std::to_string(run.length)});
            row[3] = text::fillIn(text::translatedIn("years column", "{1}年目〜{2}年目"),
                                  {std::to_string(run.from), std::to_string(run.to)});
        }
        titles.table.rows.push_back(std::move(row));
    }
    sections.push_back(std::move(titles));

    RecordsSection members{text::translated("チーム別の名球会会員"),
                           {{text::translatedIn("history column", "チーム"),
                             text::translatedIn("history column", "選手"),
                             text::translatedIn("history column", "引退"),
                             text::translatedIn("history column", "打数"),
                             text::translatedIn("history column", "安打")},
                            {}}};
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
