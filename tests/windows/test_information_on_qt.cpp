// The information window driven by the logic on the real windows: the scoreboard's icon opens
// it, a close in the middle of a ranking leaves nothing behind, and a close gives the keyboard
// back to the scoreboard where the player left it; with no editor that opens the scouting list,
// the player is told where it is.

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "folder_store/folder_file_store.h"
#include "season/scoreboard_presenter.h"
#include "support/test_league.h"
#include "window_fixture.h"
#include "windows/information_window.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;
using test::control;
using test::heldInformationWindow;

namespace {

// The scoreboard after a game, whose picture button opens the information window.
struct ScoreboardBeside {
    QtPlatform platform{test::memoryParts().parts};
    League league = testing::testLeague(1, 3);
    InformationPresenter information{league, platform};
    ScoreboardPresenter events{league, platform, information};
    ScoreboardWindow scoreboard{events};
};

}  // namespace

class InformationOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void iconOpensTheWindowAndARankingSurvivesItsClose() {
        ScoreboardBeside beside;
        auto& [platform, league, information, events, scoreboard] = beside;
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
        ScoreboardBeside beside;
        auto& [platform, league, information, events, scoreboard] = beside;
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

    // Every editor of the machine fails on the list (here scripts put first on PATH in place of
    // the real ones): once the last has failed, and the window went on meanwhile, the player is
    // told the list's full path.
    void scoutingListWithoutAnEditor() {
        QTemporaryDir bin, leagueFolder;
        QVERIFY(bin.isValid() && leagueFolder.isValid());
        const QString tried = bin.filePath(QStringLiteral("tried"));
        for (const char* editor : {"xdg-open", "mousepad", "gedit"}) {
            QFile script(bin.filePath(QString::fromLatin1(editor)));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(
                QStringLiteral("#!/bin/sh\necho \"$@\" >>'%1'\nexit 4\n").arg(tried).toUtf8());
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        qunsetenv("VISUAL");
        qunsetenv("EDITOR");

        QtPlatform::Parts parts = test::memoryParts().parts;
        parts.files = makeFolderFileStore(leagueFolder.path().toStdString());
        const std::string list = parts.files->resolve("Z02MEM.TXT").string();
        QtPlatform platform(std::move(parts));
        League league = testing::testLeague(1, 3);
        InformationPresenter information(league, platform);
        information.openPlayersList();
        InformationWindow* window = heldInformationWindow();
        QVERIFY(window != nullptr);
        window->setCurrentTab(4);

        test::GuiScript script;
        script.answerMessage(QMessageBox::Ok);  // what the list is for
        std::string told;
        script.handleDialog<QMessageBox>([&told](QMessageBox& box) {
            told = box.text().toStdString();
            box.button(QMessageBox::Ok)->click();
        });
        script.start(platform);
        test::clickLater(control<QPushButton>(*window, "scoutButton"));
        QTRY_VERIFY_WITH_TIMEOUT(script.finished() || script.stuck, 20000);
        qputenv("PATH", path);

        QVERIFY(!script.stuck);
        QVERIFY(told.starts_with("テキストエディターを起動できませんでした。"));
        QVERIFY(told.find("「" + list + "」") != std::string::npos);
        QFile log(tried);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString file = QString::fromStdString(list);
        QCOMPARE(QString::fromUtf8(log.readAll()), file + '\n' + file + '\n' + file + '\n');
        information.close();
    }
};

QTEST_MAIN(InformationOnQtTest)
#include "test_information_on_qt.moc"
