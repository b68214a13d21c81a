#include "season/season_end.h"

#include "season/major_league_loan.h"
#include "season/retirements.h"
#include "season/rookies.h"
#include "season/trades.h"

namespace zelvano {

void ShowResultsReport(Platform& platform, const ResultsReport& report) {
    auto view = platform.createReportView();
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

int ProcessSeasonEnd(League& league, Platform& platform, SeasonObserver* observer,
                     InformationWindow* information) {
    if (information != nullptr) information->close();
    const int champion = DecideChampion(league);
    const ResultsReport report = RecordChampionship(league, champion);
    if (observer != nullptr) observer->seasonPlayed(league, champion, report);
    ShowResultsReport(platform, report);

    MakeTrades(league, platform, observer);
    ProcessMajorLeagueLoan(league, platform, observer);
    RetirePlayers(league, platform, observer);
    if (champion == 1) AddRookies(league, platform, observer);
    return champion;
}

}  // namespace zelvano
