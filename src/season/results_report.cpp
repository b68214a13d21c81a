#include "season/results_report.h"

#include <cmath>

#include "text/full_width.h"
#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr int kTitleCountSlot = 4;  // + team: slots 5, 6 and 7
constexpr int kTitleRunSlot = 8;

int countWins(const std::string& marks) {
    static const std::string kWin = text::dataText("☆");
    int wins = 0;
    for (std::size_t at = marks.find(kWin); at != std::string::npos;
         at = marks.find(kWin, at + kWin.size())) {
        ++wins;
    }
    return wins;
}

}  // namespace

int decideChampion(const League& league) {
    int champion = 1;
    int best = 0;
    for (int team = 1; team <= kTeams; ++team) {
        const int wins = countWins(league.SeasonMarks[team]);
        if (wins >= best) {
            best = wins;
            champion = team;
        }
    }
    return champion;
}

double teamAverage(const League& league, int team) {
    double sum = 0;
    for (int player = 1; player <= kPlayers; ++player) {
        // In double precision, so that 3 for 10 counts 300 and not 299.
        sum += std::floor(battingAverage(league, team, player) * 1000.0);
    }
    return sum / 30000.0;
}

std::string teamAverageText(const League& league, int team) {
    return text::generalDecimal(teamAverage(league, team));
}

std::vector<MvpHitter> mvpHitters(const League& league) {
    std::vector<MvpHitter> hitters;
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            const double average = battingAverage(league, team, player);
            if (average > 0.5) {
                hitters.push_back(
                    {league.TeamName[team], league.PlayerName[team][player], average});
            }
        }
    }
    return hitters;
}

std::vector<std::string> mvpLines(const League& league) {
    std::vector<std::string> lines;
    for (const MvpHitter& hitter : mvpHitters(league)) {
        lines.push_back(text::fixedColumn(text::toFullWidth(hitter.team), 10) + "  " +
                        text::fixedColumn(text::toFullWidth(hitter.name), 15) +
                        text::formatNumber(hitter.average, text::dataText("（0.000）")));
    }
    return lines;
}

ResultsReport recordChampionship(League& league, int champion) {
    ResultsReport report;
    report.championName = league.TeamName[champion];
    report.championLine = text::fillIn(text::dataText("優勝：{1}"), {report.championName});
    Counter& titles = league.LeagueRecord[static_cast<std::size_t>(champion + kTitleCountSlot)];
    countUp(titles);
    report.titles = titles;
    report.titleCount = "(" + std::to_string(titles) + text::dataText("回目)");
    Counter& run = league.LeagueRecord[kTitleRunSlot];
    if (champion == 1) {
        countUp(run);
        if (run > 1) {
            report.titleRun = text::fillIn(text::dataText("【{1}年連続】"), {std::to_string(run)});
        }
    } else {
        run = 0;
    }
    report.run = run;
    for (int team = 1; team <= kTeams; ++team) {
        const auto at = static_cast<std::size_t>(team - 1);
        report.teamNames[at] = league.TeamName[team];
        report.teamMeans[at] = teamAverage(league, team);
        report.teamAverages[at] = text::generalDecimal(report.teamMeans[at]);
    }
    report.mvps = mvpHitters(league);
    report.mvpLines = mvpLines(league);
    return report;
}

ResultsReport shownReport(const ResultsReport& report) {
    if (text::japaneseText()) return report;
    ResultsReport shown = report;
    shown.championLine = text::fillIn(text::translated("優勝：{1}"), {report.championName});
    shown.titleCount = text::fillIn(text::translatedCount("({1}回目)", "({1}回目)", report.titles),
                                    {std::to_string(report.titles)});
    shown.titleRun = report.run > 1 ? text::fillIn(text::translated("【{1}年連続】"),
                                                   {std::to_string(report.run)})
                                    : std::string();
    for (std::size_t at = 0; at < shown.teamAverages.size(); ++at) {
        shown.teamAverages[at] = text::baseballAverage(report.teamMeans[at]);
    }
    // Names of any width and the average: no full-width columns to line them up.
    shown.mvpLines.clear();
    for (const MvpHitter& hitter : report.mvps) {
        shown.mvpLines.push_back(hitter.name + " (" + hitter.team + ") " +
                                 text::baseballAverage(hitter.average));
    }
    return shown;
}

}  // namespace zelvano
