#include "season/history/history_game_pages.h"

#include <algorithm>

#include "game/play_game.h"
#include "text/translation.h"

namespace zelvano {

namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

// A game in the records' column of games: "第3試合", in English the number alone.
std::string gameCell(int number) {
    return text::fillIn(text::translatedIn("game column", "第{1}試合"), {std::to_string(number)});
}

std::string scoreText(int runsFor, int runsAgainst) {
    return std::to_string(runsFor) + " - " + std::to_string(runsAgainst);
}

std::string nameOr(const std::string& name, const std::string& otherwise) {
    return name.empty() ? otherwise : name;
}

std::string noName() { return text::translated("（名前の記録なし）"); }

// A slot of the batting order in its column: "3番", in English the number alone.
std::string orderCell(std::int64_t slot) {
    return text::fillIn(text::translatedIn("batting order column", "{1}番"), {number(slot)});
}

// What a game's end gives the player to know beyond its score.
std::vector<std::string> endNotes(const GameLine& line) {
    std::vector<std::string> notes;
    const bool tied = line.runs1 == line.runs2;
    switch (line.end) {
        case GameEnd::Decided:
            break;
        case GameEnd::PlateAppearanceLimit:
            notes.push_back(text::fillIn(
                text::translated("打席数が上限の{1}に達したため、試合をそこで打ち切りました。"),
                {number(kPlateAppearanceLimit)}));
            break;
        case GameEnd::NobodyCanHit:
            notes.push_back(text::fillIn(
                text::translatedCount("同点のまま、両チームとも安打を打てる打者がいなくなったため、"
                                      "{1}回で試合を打ち切りました。",
                                      "同点のまま、両チームとも安打を打てる打者がいなくなったため、"
                                      "{1}回で試合を打ち切りました。",
                                      static_cast<std::uint64_t>(std::max(line.innings, 0))),
                {number(line.innings)}));
            break;
    }
    if (tied) notes.push_back(text::translated("同点で終わった試合は、後攻の勝ちです。"));
    return notes;
}

BattingLine battingLine(const StoredGame& game, std::size_t side, const std::string& team) {
    BattingLine line;
    line.title = text::fillIn(
        side == 0 ? text::translated("先攻　{1}") : text::translated("後攻　{1}"), {team});
    line.table.header = {
        text::translatedIn("history column", "打順"), text::translatedIn("history column", "選手"),
        text::translatedIn("history column", "打数"), text::translatedIn("history column", "安打")};
    Counter atBats = 0, hits = 0;
    for (std::size_t slot = 0; slot < kBattingSlots; ++slot) {
        const BoxBatter& batter = game.line.batters[side][slot];
        line.table.rows.push_back({orderCell(static_cast<std::int64_t>(slot + 1)),
                                   nameOr(game.batters[side][slot], noName()),
                                   number(batter.atBats), number(batter.hits)});
        line.ids.push_back(batter.id);
        atBats += batter.atBats;
        hits += batter.hits;
    }
    line.table.rows.push_back(
        {text::translatedIn("total row", "計"), "", number(atBats), number(hits)});
    line.ids.push_back(0);
    return line;
}

}  // namespace

std::string yearText(Counter year) {
    return text::fillIn(text::translatedIn("year column", "{1}年目"), {std::to_string(year)});
}

std::string gameTitle(Counter year, int number) {
    return text::fillIn(text::translated("{1}年目 第{2}試合"),
                        {std::to_string(year), std::to_string(number)});
}

std::string winsAndLosses(Counter wins, Counter losses) {
    return text::fillIn(text::translatedIn("won-lost record", "{1}勝{2}敗"),
                        {std::to_string(wins), std::to_string(losses)});
}

GamePage gamePage(const StoredGame& game) {
    const GameLine& line = game.line;
    const std::array<std::string, 2> teams{
        nameOr(game.teamNames[0],
               text::fillIn(text::translated("チーム{1}"), {std::to_string(line.team1)})),
        nameOr(game.teamNames[1],
               text::fillIn(text::translated("チーム{1}"), {std::to_string(line.team2)}))};
    const std::array<int, 2> runs{line.runs1, line.runs2};
    GamePage page;
    page.title = gameTitle(game.year, line.number);
    // A tie, which only a game that cannot go on leaves, goes to the side batting second.
    const std::string& winner = line.runs1 > line.runs2 ? teams[0] : teams[1];
    page.result = text::fillIn(
        text::translatedCount("{1} {2} {3}（{4}回）　{5}の勝ち", "{1} {2} {3}（{4}回）　{5}の勝ち",
                              static_cast<std::uint64_t>(std::max(line.innings, 0))),
        {teams[0], scoreText(line.runs1, line.runs2), teams[1], number(line.innings), winner});
    if (!line.boxed) {
        page.lineScore.header = {text::translatedIn("history column", "チーム"),
                                 text::translatedIn("line score runs", "計")};
        for (std::size_t side = 0; side < 2; ++side) {
            page.lineScore.rows.push_back({teams[side], number(runs[side])});
        }
        page.notes.push_back(text::translated(
            "この試合は、試合ごとの記録を残す前のものです。得点と回数のみ記録されています。"));
        return page;
    }
    // The side batting second misses the last inning's half it never needed: "×".
    const std::size_t innings = std::max({static_cast<std::size_t>(std::max(line.innings, 0)),
                                          line.inningRuns[0].size(), line.inningRuns[1].size()});
    page.lineScore.header = {text::translatedIn("history column", "チーム")};
    for (std::size_t inning = 1; inning <= innings; ++inning) {
        page.lineScore.header.push_back(std::to_string(inning));
    }
    page.lineScore.header.push_back(text::translatedIn("line score runs", "計"));
    page.lineScore.header.push_back(text::translatedIn("line score hits", "安"));
    for (std::size_t side = 0; side < 2; ++side) {
        std::vector<std::string> row{teams[side]};
        const std::vector<int>& inningRuns = line.inningRuns[side];
        for (std::size_t inning = 0; inning < innings; ++inning) {
            row.push_back(inning < inningRuns.size() ? number(inningRuns[inning])
                                                     : text::translatedIn("line score", "×"));
        }
        row.push_back(number(runs[side]));
        row.push_back(number(line.hits[side]));
        page.lineScore.rows.push_back(std::move(row));
        page.batting[side] = battingLine(game, side, teams[side]);
    }
    page.notes = endNotes(line);
    return page;
}

GameLogPage gameLogPage(Counter year, const std::vector<GameLogLine>& log,
                        const std::array<std::string, kTeams>& teamNames) {
    GameLogPage page;
    page.title = text::fillIn(text::translated("{1}年目の試合ごとの成績"), {std::to_string(year)});
    page.games.header = {text::translatedIn("history column", "試合"),
                         text::translatedIn("history column", "相手"),
                         text::translatedIn("history column", "打順"),
                         text::translatedIn("history column", "打数"),
                         text::translatedIn("history column", "安打"),
                         text::translatedIn("history column", "スコア"),
                         text::translatedIn("history column", "勝敗")};
    Counter atBats = 0, hits = 0;
    int wins = 0;
    for (const GameLogLine& game : log) {
        // The reader lets no team outside 1..3 through.
        page.games.rows.push_back({std::to_string(game.number),
                                   teamNames[static_cast<std::size_t>(game.opponent - 1)],
                                   orderCell(game.slot), number(game.atBats), number(game.hits),
                                   scoreText(game.runsFor, game.runsAgainst),
                                   game.won ? text::translatedIn("game result", "勝")
                                            : text::translatedIn("game result", "敗")});
        page.gameNumbers.push_back(game.number);
        atBats += game.atBats;
        hits += game.hits;
        wins += game.won ? 1 : 0;
    }
    page.games.rows.push_back({text::translatedIn("total row", "計"), "", "", number(atBats),
                               number(hits), "",
                               winsAndLosses(wins, static_cast<Counter>(log.size()) - wins)});
    page.gameNumbers.push_back(0);
    return page;
}

std::string milestoneText(const Milestone& milestone) {
    const std::string name = nameOr(milestone.name, noName());
    const std::string game = std::to_string(milestone.game);
    const std::string value = number(milestone.value);
    const bool inGame = milestone.game > 0;
    switch (milestone.kind) {
        case MilestoneKind::CareerHits:
            return inGame ? text::fillIn(text::translated("第{1}試合　{2}　通算{3}安打"),
                                         {game, name, value})
                          : text::fillIn(text::translated("{1}　通算{2}安打"), {name, value});
        case MilestoneKind::HallOfFameLine:
            return inGame ? text::fillIn(
                                text::translated("第{1}試合　{2}　名球会の基準に到達（{3}安打）"),
                                {game, name, value})
                          : text::fillIn(text::translated("{1}　名球会の基準に到達（{2}安打）"),
                                         {name, value});
        case MilestoneKind::TitleRun:
            return text::fillIn(text::translated("{1}　{2}年連続優勝（リーグ最長記録）"),
                                {name, value});
    }
    return "";
}

std::vector<RecordsSection> singleGameRecords(const GameRecords& records,
                                              const std::function<std::string(int)>& teamName) {
    std::vector<RecordsSection> sections;
    // Each line: its rank when ranked, the year and the game, then the columns of the record.
    const auto section = [&](std::string title, std::vector<std::string> columns,
                             const std::vector<SingleGameMark>& marks, bool ranked,
                             const auto& figures) {
        RecordsSection made{std::move(title),
                            {{text::translatedIn("history column", "年度"),
                              text::translatedIn("history column", "試合")},
                             {}}};
        if (ranked) {
            made.table.header.insert(made.table.header.begin(),
                                     text::translatedIn("history column", "順位"));
        }
        for (std::string& column : columns) made.table.header.push_back(std::move(column));
        int rank = 0;
        for (const SingleGameMark& mark : marks) {
            std::vector<std::string> row;
            if (ranked) row.push_back(std::to_string(++rank));
            row.push_back(yearText(mark.year));
            row.push_back(gameCell(mark.number));
            for (std::string& figure : figures(mark)) row.push_back(std::move(figure));
            made.table.rows.push_back(std::move(row));
        }
        sections.push_back(std::move(made));
    };
    const auto score = [](const SingleGameMark& mark) {
        return scoreText(mark.runsFor, mark.runsAgainst);
    };
    section(text::translated("1試合最多安打"),
            {text::translatedIn("history column", "チーム"),
             text::translatedIn("history column", "選手"),
             text::translatedIn("history column", "安打")},
            records.mostHits, true, [&](const SingleGameMark& mark) -> std::vector<std::string> {
                return {teamName(mark.team), nameOr(mark.name, noName()), number(mark.value)};
            });
    section(
        text::translated("1試合最多得点"),
        {text::translatedIn("history column", "チーム"),
         text::translatedIn("history column", "得点"), text::translatedIn("history column", "相手"),
         text::translatedIn("history column", "スコア")},
        records.mostRuns, true, [&](const SingleGameMark& mark) -> std::vector<std::string> {
            return {teamName(mark.team), number(mark.value), teamName(mark.opponent), score(mark)};
        });
    section(text::translated("最大得点差の勝利"),
            {text::translatedIn("history column", "勝ったチーム"),
             text::translatedIn("history column", "得点差"),
             text::translatedIn("history column", "相手"),
             text::translatedIn("history column", "スコア")},
            records.widestWins, true, [&](const SingleGameMark& mark) -> std::vector<std::string> {
                return {
                    teamName(mark.team),
                    text::fillIn(text::translatedIn("runs column", "{1}点"), {number(mark.value)}),
                    teamName(mark.opponent), score(mark)};
            });
    section(
        text::translated("最長試合"),
        {text::translatedIn("history column", "回"), text::translatedIn("history column", "先攻"),
         text::translatedIn("history column", "後攻"),
         text::translatedIn("history column", "スコア")},
        records.longestGames, true, [&](const SingleGameMark& mark) -> std::vector<std::string> {
            return {
                text::fillIn(text::translatedIn("innings column", "{1}回"), {number(mark.value)}),
                teamName(mark.team), teamName(mark.opponent), score(mark)};
        });
    const auto heldTo = [&](const SingleGameMark& mark) -> std::vector<std::string> {
        return {teamName(mark.team), teamName(mark.opponent), score(mark)};
    };
    section(text::fillIn(text::translated("無安打試合（{1}試合）"),
                         {number(static_cast<std::int64_t>(records.noHitters.size()))}),
            {text::translatedIn("history column", "安打のなかったチーム"),
             text::translatedIn("history column", "相手"),
             text::translatedIn("history column", "スコア")},
            records.noHitters, false, heldTo);
    // Every game a team was held scoreless is counted; the latest few are listed.
    section(
        text::fillIn(text::translated("最近の完封（通算{1}試合）"), {number(records.shutoutCount)}),
        {text::translatedIn("history column", "完封されたチーム"),
         text::translatedIn("history column", "相手"),
         text::translatedIn("history column", "スコア")},
        records.latestShutouts, false, heldTo);
    return sections;
}

}  // namespace zelvano
