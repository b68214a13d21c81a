#include "season/results_report.h"

#include <cmath>

#include "text/full_width.h"
#include "text/number_format.h"

namespace zelvano {

namespace {

constexpr int kTitleCountSlot = 4;  // + team: slots 5, 6 and 7
constexpr int kTitleRunSlot = 8;

int countWins(const std::string& marks) {
    static const std::string kWin = "☆";
    int wins = 0;
    for (std::size_t at = marks.find(kWin); at != std::string::npos;
         at = marks.find(kWin, at + kWin.size())) {
        ++wins;
    }
    return wins;
}

}  // namespace

int DecideChampion(const League& league) {
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

std::string teamAverageText(const League& league, int team) {
    double sum = 0;
    for (int player = 1; player <= kPlayers; ++player) {
        // In double precision, so that 3 for 10 counts 300 and not 299.
        sum += std::floor(BattingAverage(league, team, player) * 1000.0);
    }
    return text::generalDecimal(sum / 30000.0);
}

std::vector<std::string> mvpLines(const League& league) {
    std::vector<std::string> lines;
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            const double average = BattingAverage(league, team, player);
            if (!(average > 0.5)) continue;
            lines.push_back(
                text::fixedColumn(text::toFullWidth(league.TeamName[team]), 10) + "  " +
                text::fixedColumn(text::toFullWidth(league.PlayerName[team][player]), 15) +
                text::formatNumber(average, "（0.000）"));
        }
    }
    return lines;
}

ResultsReport RecordChampionship(League& league, int champion) {
    ResultsReport report;
    report.championLine = "優勝：" + league.TeamName[champion];
    Counter& titles = league.LeagueRecord[static_cast<std::size_t>(champion + kTitleCountSlot)];
    countUp(titles);
    report.titleCount = "(" + std::to_string(titles) + "回目)";
    Counter& run = league.LeagueRecord[kTitleRunSlot];
    if (champion == 1) {
        countUp(run);
        if (run > 1) report.titleRun = "【" + std::to_string(run) + "年連続】";
    } else {
        run = 0;
    }
    for (int team = 1; team <= kTeams; ++team) {
        report.teamNames[static_cast<std::size_t>(team - 1)] = league.TeamName[team];
        report.teamAverages[static_cast<std::size_t>(team - 1)] = teamAverageText(league, team);
    }
    report.mvpLines = mvpLines(league);
    return report;
}

}  // namespace zelvano
