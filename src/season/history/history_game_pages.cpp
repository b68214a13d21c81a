#include "season/history/history_game_pages.h"

#include <algorithm>

#include "game/play_game.h"

namespace zelvano {

namespace {

std::string number(std::int64_t value) { return std::to_string(value); }

std::string gameText(int number) { return "第" + std::to_string(number) + "試合"; }

std::string scoreText(int runsFor, int runsAgainst) {
    return std::to_string(runsFor) + " - " + std::to_string(runsAgainst);
}

std::string nameOr(const std::string& name, const std::string& otherwise) {
    return name.empty() ? otherwise : name;
}

const std::array<std::string, 2> kSideWords{"先攻", "後攻"};

// What a game's end gives the player to know beyond its score.
std::vector<std::string> endNotes(const GameLine& line) {
    std::vector<std::string> notes;
    const bool tied = line.runs1 == line.runs2;
    switch (line.end) {
        case GameEnd::Decided:
            break;
        case GameEnd::PlateAppearanceLimit:
            notes.push_back("打席数が上限の" + number(kPlateAppearanceLimit) +
                            "に達したため、試合をそこで打ち切りました。");
            break;
        case GameEnd::NobodyCanHit:
            notes.push_back("同点のまま、両チームとも安打を打てる打者がいなくなったため、" +
                            number(line.innings) + "回で試合を打ち切りました。");
            break;
    }
    if (tied) notes.push_back("同点で終わった試合は、後攻の勝ちです。");
    return notes;
}

BattingLine battingLine(const StoredGame& game, std::size_t side, const std::string& team) {
    BattingLine line;
    line.title = kSideWords[side] + "　" + team;
    line.table.header = {"打順", "選手", "打数", "安打"};
    Counter atBats = 0, hits = 0;
    for (std::size_t slot = 0; slot < kBattingSlots; ++slot) {
        const BoxBatter& batter = game.line.batters[side][slot];
        line.table.rows.push_back({std::to_string(slot + 1) + "番",
                                   nameOr(game.batters[side][slot], "（名前の記録なし）"),
                                   number(batter.atBats), number(batter.hits)});
        line.ids.push_back(batter.id);
        atBats += batter.atBats;
        hits += batter.hits;
    }
    line.table.rows.push_back({"計", "", number(atBats), number(hits)});
    line.ids.push_back(0);
    return line;
}

}  // namespace

std::string yearText(Counter year) { return std::to_string(year) + "年目"; }

std::string gameTitle(Counter year, int number) { return yearText(year) + " " + gameText(number); }

GamePage gamePage(const StoredGame& game) {
    const GameLine& line = game.line;
    const std::array<std::string, 2> teams{
        nameOr(game.teamNames[0], "チーム" + std::to_string(line.team1)),
        nameOr(game.teamNames[1], "チーム" + std::to_string(line.team2))};
    const std::array<int, 2> runs{line.runs1, line.runs2};
    GamePage page;
    page.title = gameTitle(game.year, line.number);
    // A tie, which only a game that cannot go on leaves, goes to the side batting second.
    const std::string& winner = line.runs1 > line.runs2 ? teams[0] : teams[1];
    page.result = teams[0] + " " + scoreText(line.runs1, line.runs2) + " " + teams[1] + "（" +
                  number(line.innings) + "回）　" + winner + "の勝ち";
    if (!line.boxed) {
        page.lineScore.header = {"チーム", "計"};
        for (std::size_t side = 0; side < 2; ++side) {
            page.lineScore.rows.push_back({teams[side], number(runs[side])});
        }
        page.notes.push_back(
            "この試合は、試合ごとの記録を残す前のものです。得点と回数のみ記録されています。");
        return page;
    }
    // The side batting second misses the last inning's half it never needed: "×".
    const std::size_t innings = std::max({static_cast<std::size_t>(std::max(line.innings, 0)),
                                          line.inningRuns[0].size(), line.inningRuns[1].size()});
    page.lineScore.header = {"チーム"};
    for (std::size_t inning = 1; inning <= innings; ++inning) {
        page.lineScore.header.push_back(std::to_string(inning));
    }
    page.lineScore.header.push_back("計");
    page.lineScore.header.push_back("安");
    for (std::size_t side = 0; side < 2; ++side) {
        std::vector<std::string> row{teams[side]};
        const std::vector<int>& inningRuns = line.inningRuns[side];
        for (std::size_t inning = 0; inning < innings; ++inning) {
            row.push_back(inning < inningRuns.size() ? number(inningRuns[inning]) : "×");
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
    page.title = yearText(year) + "の試合ごとの成績";
    page.games.header = {"試合", "相手", "打順", "打数", "安打", "スコア", "勝敗"};
    Counter atBats = 0, hits = 0;
    int wins = 0;
    for (const GameLogLine& game : log) {
        // The reader lets no team outside 1..3 through.
        page.games.rows.push_back(
            {std::to_string(game.number), teamNames[static_cast<std::size_t>(game.opponent - 1)],
             std::to_string(game.slot) + "番", number(game.atBats), number(game.hits),
             scoreText(game.runsFor, game.runsAgainst), game.won ? "勝" : "敗"});
        page.gameNumbers.push_back(game.number);
        atBats += game.atBats;
        hits += game.hits;
        wins += game.won ? 1 : 0;
    }
    page.games.rows.push_back(
        {"計", "", "", number(atBats), number(hits), "",
         std::to_string(wins) + "勝" + std::to_string(static_cast<int>(log.size()) - wins) + "敗"});
    page.gameNumbers.push_back(0);
    return page;
}

std::string milestoneText(const Milestone& milestone) {
    const std::string name = nameOr(milestone.name, "（名前の記録なし）");
    const std::string game = milestone.game > 0 ? gameText(milestone.game) + "　" : "";
    switch (milestone.kind) {
        case MilestoneKind::CareerHits:
            return game + name + "　通算" + number(milestone.value) + "安打";
        case MilestoneKind::HallOfFameLine:
            return game + name + "　名球会の基準に到達（" + number(milestone.value) + "安打）";
        case MilestoneKind::TitleRun:
            return name + "　" + number(milestone.value) + "年連続優勝（リーグ最長記録）";
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
        RecordsSection made{std::move(title), {{"年度", "試合"}, {}}};
        if (ranked) made.table.header.insert(made.table.header.begin(), "順位");
        for (std::string& column : columns) made.table.header.push_back(std::move(column));
        int rank = 0;
        for (const SingleGameMark& mark : marks) {
            std::vector<std::string> row;
            if (ranked) row.push_back(std::to_string(++rank));
            row.push_back(yearText(mark.year));
            row.push_back(gameText(mark.number));
            for (std::string& figure : figures(mark)) row.push_back(std::move(figure));
            made.table.rows.push_back(std::move(row));
        }
        sections.push_back(std::move(made));
    };
    const auto score = [](const SingleGameMark& mark) {
        return scoreText(mark.runsFor, mark.runsAgainst);
    };
    section("1試合最多安打", {"チーム", "選手", "安打"}, records.mostHits, true,
            [&](const SingleGameMark& mark) -> std::vector<std::string> {
                return {teamName(mark.team), nameOr(mark.name, "（名前の記録なし）"),
                        number(mark.value)};
            });
    section(
        "1試合最多得点", {"チーム", "得点", "相手", "スコア"}, records.mostRuns, true,
        [&](const SingleGameMark& mark) -> std::vector<std::string> {
            return {teamName(mark.team), number(mark.value), teamName(mark.opponent), score(mark)};
        });
    section("最大得点差の勝利", {"勝ったチーム", "得点差", "相手", "スコア"}, records.widestWins,
            true, [&](const SingleGameMark& mark) -> std::vector<std::string> {
                return {teamName(mark.team), number(mark.value) + "点", teamName(mark.opponent),
                        score(mark)};
            });
    section("最長試合", {"回", "先攻", "後攻", "スコア"}, records.longestGames, true,
            [&](const SingleGameMark& mark) -> std::vector<std::string> {
                return {number(mark.value) + "回", teamName(mark.team), teamName(mark.opponent),
                        score(mark)};
            });
    const auto heldTo = [&](const SingleGameMark& mark) -> std::vector<std::string> {
        return {teamName(mark.team), teamName(mark.opponent), score(mark)};
    };
    section("無安打試合（" + number(static_cast<std::int64_t>(records.noHitters.size())) + "試合）",
            {"安打のなかったチーム", "相手", "スコア"}, records.noHitters, false, heldTo);
    // Every game a team was held scoreless is counted; the latest few are listed.
    section("最近の完封（通算" + number(records.shutoutCount) + "試合）",
            {"完封されたチーム", "相手", "スコア"}, records.latestShutouts, false, heldTo);
    return sections;
}

}  // namespace zelvano
