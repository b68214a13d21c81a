#pragma once
// What the history window is given to show: tables of texts and the points of its charts, worked
// out by the logic from the league's history. The window asks for a page when the player turns
// to it and lays it out; it keeps no rule of its own.
//
//   const HistoryTable champions = source.champions();
//   const CareerPage page = source.career(id);
//   const GamePage game = source.game(7, 3);

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/counter.h"

namespace zelvano {

// The league's three teams, numbered 1..3 in every page.
inline constexpr int kHistoryTeams = 3;

struct HistoryTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// One point of a chart: the year and an average.
using ChartPoint = std::pair<Counter, double>;

struct SeasonPage {
    std::string title;  // "7年目のシーズン"
    HistoryTable standings;
    HistoryTable games;
    std::vector<int> gameNumbers;         // the game of each row of `games`, to open its page
    std::vector<std::string> milestones;  // 記録達成: what the season reached, a line each
    std::vector<std::string> report;      // the results report's lines, as the player saw them
    HistoryTable moves;
};

// One side's batting line in a game. Each row's batter has his id beside it, so that the window
// can open his career; 0 for a row that is no batter's (the totals).
struct BattingLine {
    std::string title;  // "先攻　<team>"
    HistoryTable table;
    std::vector<PlayerId> ids;
};

struct GamePage {
    std::string title;   // "7年目 第3試合"
    std::string result;  // the final score and the winner
    // Laid out like a scoreboard: the header names the innings, the runs and the hits; the rows
    // are the side batting first and the side batting second.
    HistoryTable lineScore;
    std::array<BattingLine, 2> batting;  // batting first, batting second
    std::vector<std::string> notes;      // how the game ended, or why its box score is missing
};

struct CareerPage {
    std::string title;  // "<name>の歩み"
    HistoryTable seasons;
    std::vector<ChartPoint> averages;  // his average of each season he came to bat
    std::vector<Counter> years;        // the recorded seasons he played, for his games
};

// A player's games of one season.
struct GameLogPage {
    std::string title;  // "7年目の試合ごとの成績", or why there is none
    HistoryTable games;
    std::vector<int> gameNumbers;  // the game of each row, 0 for the totals
};

struct RecordsSection {
    std::string title;
    HistoryTable table;
};

// A source never throws: a history it cannot read wholly gives the pages what it could read, and
// the source itself sees that the player hears of the rest.
class HistorySource {
public:
    virtual ~HistorySource() = default;
    // From which year the history knows the league, and which years it misses.
    virtual std::string knownSinceText() const = 0;
    // A row a year: the year, the champion, each team's wins and losses, the own team's run.
    virtual HistoryTable champions() const = 0;
    virtual std::vector<Counter> years() const = 0;
    virtual SeasonPage season(Counter year) const = 0;
    // Every transaction, or those that concern `team` (1..3).
    virtual HistoryTable transactions(int team) const = 0;
    virtual CareerPage career(PlayerId id) const = 0;
    // One game with its box score, as the player opens it from a season's page.
    virtual GamePage game(Counter year, int number) const = 0;
    // A player's games of a season, asked for when the player picks the year.
    virtual GameLogPage gameLog(PlayerId id, Counter year) const = 0;
    virtual std::vector<RecordsSection> records() const = 0;
    // Each team's average of every recorded season, teams 1..3.
    virtual std::array<std::vector<ChartPoint>, kHistoryTeams> teamAverages() const = 0;
    virtual std::string teamName(int team) const = 0;
};

}  // namespace zelvano
