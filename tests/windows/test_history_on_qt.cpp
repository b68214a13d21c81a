// The history window on the real windows: reached from a roster line of the information window,
// it shows that player's career with its chart, the champions lead to a season's page, the
// transaction log filters by team, the team chart has a line a team, and Esc closes it.

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineSeries>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "league/league_file.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/season_driver.h"
#include "support/test_league.h"
#include "window_fixture.h"
#include "windows/history_window.h"

using namespace zelvano;
using zelvano::test::control;

namespace {

constexpr int kSeasons = 12;

// The history window opened from that information window, or null.
HistoryWindow* historyWindowOf(const InformationWindow& window) {
    return dynamic_cast<HistoryWindow*>(
        window.findChild<QWidget*>(QStringLiteral("historyWindow")));
}

}  // namespace

class HistoryOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void fromARosterLineToTheCareerAndThroughThePages() {
        zelvano::testing::ScriptedRun played(8);
        played.files->files["Jbball.jdt"] = leagueFileBytes(zelvano::testing::testLeague());
        zelvano::testing::playLikeAManager(played);
        for (int season = 1; season < kSeasons; ++season) {
            played.user.answers.push_back(Answer::Yes);
        }
        played.user.answers.push_back(Answer::No);
        LeagueHistory history(":memory:");
        QCOMPARE(runLeague(played.league, *played.platform, nullptr, &history), 0);
        League& league = played.league;

        auto memory = test::memoryParts();
        QtPlatform platform(std::move(memory.parts));
        InformationPresenter information(league, platform, &history);
        information.openPlayersList();
        QPointer<InformationWindow> window = test::heldInformationWindow();
        QVERIFY(window);

        // A player of team 1, picked on the rosters (retirements leave empty slots).
        int slot = 1;
        while (league.PlayerIds[1][slot] == 0) ++slot;
        control<QListWidget>(*window, "rosterList")->setCurrentRow(slot - 1);
        QTest::mouseClick(control<QPushButton>(*window, "rosterCareerButton"), Qt::LeftButton);
        QPointer<HistoryWindow> shown = historyWindowOf(*window);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown.data()));
        auto* tabs = shown->findChild<QTabWidget*>(QStringLiteral("historyTabs"));
        QCOMPARE(tabs->currentIndex(), int(HistoryWindow::Career));
        const std::optional<Career> career = history.reader()->career(league.PlayerIds[1][slot]);
        QVERIFY(career.has_value());
        auto* careerTable = shown->findChild<QTableWidget*>(QStringLiteral("careerTable"));
        QCOMPARE(careerTable->rowCount(), static_cast<int>(career->seasons.size()) + 1);
        // The last row's career figures are the league's.
        const int last = careerTable->rowCount() - 1;
        QCOMPARE(careerTable->item(last, 5)->text().toStdString(),
                 std::to_string(league.AtBats[1][slot]));
        auto* careerChart = shown->findChild<QChartView*>(QStringLiteral("careerChart"));
        QCOMPARE(careerChart->chart()->series().size(), 1);
        QVERIFY(careerChart->focusPolicy() & Qt::TabFocus);

        // A champion's row leads to its season, with the Enter key.
        tabs->setCurrentIndex(HistoryWindow::Champions);
        auto* champions = shown->findChild<QTableWidget*>(QStringLiteral("championsTable"));
        QCOMPARE(champions->rowCount(), kSeasons);
        champions->setFocus();
        champions->setCurrentCell(2, 0);
        QTest::keyClick(champions, Qt::Key_Return);
        QCOMPARE(tabs->currentIndex(), int(HistoryWindow::Season));
        QCOMPARE(shown->findChild<QComboBox*>(QStringLiteral("seasonYear"))->currentText(),
                 QStringLiteral("3年目"));
        QCOMPARE(shown->findChild<QTableWidget*>(QStringLiteral("gamesTable"))->rowCount(), 12);

        // The transaction log of team 2 holds only moves that name it.
        auto* team = shown->findChild<QComboBox*>(QStringLiteral("moveTeam"));
        auto* moves = shown->findChild<QTableWidget*>(QStringLiteral("movesTable"));
        const int all = moves->rowCount();
        team->setCurrentIndex(2);
        QVERIFY(moves->rowCount() > 0 && moves->rowCount() < all);
        for (int row = 0; row < moves->rowCount(); ++row) {
            QVERIFY(
                moves->item(row, 2)->text().contains(QString::fromStdString(league.TeamName[2])));
        }

        auto* teamChart = shown->findChild<QChartView*>(QStringLiteral("teamChart"));
        QCOMPARE(teamChart->chart()->series().size(), kTeams);
        for (QAbstractSeries* series : teamChart->chart()->series()) {
            QCOMPARE(static_cast<QLineSeries*>(series)->count(), kSeasons);
        }

        // From the rankings: the most hits' first line, and the window comes again.
        window->setCurrentTab(1);
        QTest::mouseClick(control<QPushButton>(*window, "rankingButton1"), Qt::LeftButton);
        control<QListWidget>(*window, "rankingList")->setCurrentRow(0);
        QTest::mouseClick(control<QPushButton>(*window, "rankingCareerButton"), Qt::LeftButton);
        QCOMPARE(historyWindowOf(*window), shown.data());
        QCOMPARE(tabs->currentIndex(), int(HistoryWindow::Career));

        QTest::keyClick(shown.data(), Qt::Key_Escape);
        QTRY_VERIFY(!shown);
        information.close();
    }
};

QTEST_MAIN(HistoryOnQtTest)
#include "test_history_on_qt.moc"
