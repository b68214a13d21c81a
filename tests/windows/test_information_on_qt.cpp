// The information window driven by the logic on the real windows: the scoreboard's icon opens
// it, a close in the middle of a ranking leaves nothing behind, and a close gives the keyboard
// back to the scoreboard where the player left it.

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
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

    // Opened from the scoreboard after the game, by a click or from the keyboard, and closed with
    // Esc: the keyboard is back where it was, on "次へ" after a click (so Enter goes on and Space
    // does not open the window again), on the picture button when the player had tabbed to it.
    void closingGivesTheKeyboardBack_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("clicked") << false;
        QTest::newRow("from the keyboard") << true;
    }
    void closingGivesTheKeyboardBack() {
        QFETCH(bool, byKeyboard);
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 3);
        InformationPresenter information(league, platform);
        ScoreboardPresenter events(league, platform, information);
        ScoreboardWindow scoreboard(events);
        scoreboard.show();
        QVERIFY(QTest::qWaitForWindowActive(&scoreboard));
        scoreboard.showNextButton();
        auto* next = control<QPushButton>(scoreboard, "nextButton");
        auto* picture = control<QToolButton>(scoreboard, "playersListButton");
        QCOMPARE(QApplication::focusWidget(), next);

        if (byKeyboard) {
            QTest::keyClick(next, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), picture);
            QTest::keyClick(picture, Qt::Key_Space);
        } else {
            QTest::mouseClick(picture, Qt::LeftButton);
        }
        QPointer<InformationWindow> window = heldInformationWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window.data()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!information.isOpen());
        QTRY_VERIFY(scoreboard.isActiveWindow());
        QWidget* const wasThere = byKeyboard ? static_cast<QWidget*>(picture) : next;
        QCOMPARE(QApplication::focusWidget(), wasThere);
        if (!byKeyboard) {
            QSignalSpy pressed(next, &QPushButton::clicked);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(pressed.count(), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(!information.isOpen());
        }
        scoreboard.closeByProgram();
    }
};

QTEST_MAIN(InformationOnQtTest)
#include "test_information_on_qt.moc"
