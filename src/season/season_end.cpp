#include "season/season_end.h"

#include "season/major_league_loan.h"
#include "season/retirements.h"
#include "season/rookies.h"
#include "season/trades.h"

namespace zelvano {

void showResultsReport(Platform& platform, const ResultsReport& kept) {
    const ResultsReport report = shownReport(kept);
    auto view = platform.createResultsReportView();
    view->setChampionLine(report.championLine);
    view->setTitleCount(report.titleCount);
    view->setTitleRun(report.titleRun);
    for (int team = 1; team <= kTeams; ++team) {
        const auto index = static_cast<std::size_t>(team - 1);
        view->setTeamAverage(team, report.teamNames[index], report.teamAverages[index]);
    }
    for (const std::string& line : report.mvpLines) view->addMvpLine(line);
    view->show();
    platform.waitUntil([&] { return !view->isVisible(); });
}

int processSeasonEnd(League& league, Platform& platform, SeasonObserver* observer,
                     InformationPresenter* information) {
    if (information != nullptr) information->close();
    const int champion = decideChampion(league);
    const ResultsReport report = recordChampionship(league, champion);
    if (observer != nullptr) observer->seasonPlayed(league, champion, report);
    showResultsReport(platform, report);

    makeTrades(league, platform, observer);
    processMajorLeagueLoan(league, platform, observer);
    retirePlayers(league, platform, observer);
    if (champion == 1) addRookies(league, platform, observer);
    return champion;
}

}  // namespace zelvano
