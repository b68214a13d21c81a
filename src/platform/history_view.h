#pragma once
// What the history window is given to show: tables of texts and the points of its charts, worked
// out by the logic from the league's history. The window asks for a page when the player turns
// to it and lays it out; it keeps no rule of its own.
//
//   const HistoryTable champions = source.champions();
//   const CareerPage page = source.career(id);

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
    std::vector<std::string> report;  // the results report's lines, as the player saw them
    HistoryTable moves;
};

struct CareerPage {
    std::string title;  // "<name>の歩み"
    HistoryTable seasons;
    std::vector<ChartPoint> averages;  // his average of each season he came to bat
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
    virtual std::vector<RecordsSection> records() const = 0;
    // Each team's average of every recorded season, teams 1..3.
    virtual std::array<std::vector<ChartPoint>, kHistoryTeams> teamAverages() const = 0;
    virtual std::string teamName(int team) const = 0;
};

}  // namespace zelvano
