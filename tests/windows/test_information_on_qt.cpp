// The information window driven by the logic on the real windows: the scoreboard's icon opens
// it, and a close in the middle of a ranking leaves nothing behind.

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "season/scoreboard_presenter.h"
#include "support/test_league.h"
#include "window_fixture.h"
#include "windows/information_window.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;
using test::control;
using test::heldInformationWindow;

class InformationOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void iconOpensTheWindowAndARankingSurvivesItsClose() {
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 3);
        InformationPresenter information(league, platform);
        ScoreboardPresenter events(league, platform, information);
        ScoreboardWindow scoreboard(events);
        scoreboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scoreboard));

        QTest::mouseClick(control<QToolButton>(scoreboard, "playersListButton"), Qt::LeftButton);
        QPointer<InformationWindow> window = heldInformationWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(control<QTabBar>(*window, "tabBar")->currentIndex(), 0);
        QCOMPARE(control<QListWidget>(*window, "rosterList")->count(), 30);
        QCOMPARE(control<QPushButton>(*window, "teamButton0")->text().toStdString(),
                 league.TeamName[1]);

        // The close box, pressed while the ranking yields to the event loop.
        window->setCurrentTab(1);
        QTimer::singleShot(0, window.data(), [window] { window->close(); });
        QTest::mouseClick(control<QPushButton>(*window, "rankingButton0"), Qt::LeftButton);
        QVERIFY(!information.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        // Opened again, it starts afresh on the roster.
        QTest::mouseClick(control<QToolButton>(scoreboard, "playersListButton"), Qt::LeftButton);
        QVERIFY(heldInformationWindow() != nullptr);
        QCOMPARE(control<QTabBar>(*heldInformationWindow(), "tabBar")->currentIndex(), 0);
        information.close();
        scoreboard.closeByProgram();
    }
};

QTEST_MAIN(InformationOnQtTest)
#include "test_information_on_qt.moc"
