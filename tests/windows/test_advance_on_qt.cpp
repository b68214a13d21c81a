// After a game: "次へ" and the auto-advance timer on the real scoreboard, with the logic's
// handlers, and the forced-quit question when the user closes the window.

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "season/scoreboard_presenter.h"
#include "window_fixture.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;
using test::control;

namespace {

// Waits as the season driver does after a game, but gives up after the given time.
bool waitForNext(Platform& platform, League& league, int giveUpMs) {
    bool gaveUp = false;
    QTimer::singleShot(giveUpMs, [&] { gaveUp = true; });
    league.NextRequested = false;
    platform.waitUntil([&] { return league.NextRequested || gaveUp; });
    return league.NextRequested;
}

// A scoreboard after its game, as the season driver leaves it: the timer runs and "次へ" has
// the focus.
struct WaitingScoreboard {
    test::MemoryParts memory = test::memoryParts();
    MemorySettingsStore* settings = memory.settings;
    QtPlatform platform{std::move(memory.parts)};
    League league;
    InformationPresenter information{league, platform};
    ScoreboardPresenter events{league, platform, information};
    std::unique_ptr<ScoreboardView> view;
    ScoreboardWindow* form = nullptr;

    explicit WaitingScoreboard(int timerMs = 15000) {
        view = platform.createScoreboardView(events);
        form = dynamic_cast<ScoreboardWindow*>(view.get());
        view->show();
        view->startAdvanceTimer(timerMs);
        view->showNextButton();
    }
    ~WaitingScoreboard() { view->closeByProgram(); }
};

}  // namespace

class AdvanceOnQtTest : public QObject {
    Q_OBJECT

private slots:
    // Only the exact text "ON" lets a tick advance; the timer keeps ticking either way.
    void timerAdvancesOnlyWhenOn_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("advances");
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("OFF") << QStringLiteral("OFF") << false;
        QTest::newRow("lower case") << QStringLiteral("on") << false;
        QTest::newRow("trailing space") << QStringLiteral("ON ") << false;
        QTest::newRow("ON") << QStringLiteral("ON") << true;
    }
    void timerAdvancesOnlyWhenOn() {
        QFETCH(QString, setting);
        QFETCH(bool, advances);
        WaitingScoreboard board(10);
        if (!setting.isNull()) board.settings->write("ZNext", setting.toStdString());
        // A tick that should advance gets plenty of time; one that should not gets twenty-odd
        // ticks.
        QCOMPARE(waitForNext(board.platform, board.league, advances ? 5000 : 300), advances);
        QVERIFY(control<QTimer>(*board.form, "advanceTimer")->isActive());
    }

    // Switching auto-advance on while the window waits takes effect at the next tick.
    void switchingOnWhileWaiting() {
        WaitingScoreboard board(20);
        board.settings->write("ZNext", "OFF");
        QTimer::singleShot(150, [&board] { board.settings->write("ZNext", "ON"); });
        const auto start = std::chrono::steady_clock::now();
        QVERIFY(waitForNext(board.platform, board.league, 5000));
        QVERIFY(std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(150));
    }

    // "次へ" has the focus after the game: Enter alone goes on.
    void enterPressesNext() {
        WaitingScoreboard board;
        QVERIFY(QTest::qWaitForWindowActive(board.form));
        QTimer::singleShot(20,
                           [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QVERIFY(waitForNext(board.platform, board.league, 5000));
    }

    // A user's close asks the forced-quit question, No being the default; No keeps the window
    // and the wait goes on.
    void closeAnsweredNoKeepsWaiting() {
        WaitingScoreboard board;
        ScoreboardWindow* form = board.form;
        League& league = board.league;
        QtPlatform& platform = board.platform;

        test::GuiScript script;
        bool noWasDefault = false;
        std::string title;
        script.step([&] {
            test::closeLater(form);
            return true;
        });
        script.step([&] {
            QMessageBox* box = test::openMessageBox();
            if (box == nullptr) return false;
            noWasDefault = box->defaultButton() == box->button(QMessageBox::No);
            title = box->windowTitle().toStdString();
            box->button(QMessageBox::No)->click();
            return true;
        });
        script.step([&] {
            if (!form->isVisible()) return true;  // the test fails below
            test::clickLater(control<QPushButton>(*form, "nextButton"));
            return true;
        });
        script.start(platform);
        league.NextRequested = false;
        platform.waitUntil([&] { return league.NextRequested; });
        QVERIFY(!script.stuck);
        QVERIFY(noWasDefault);
        QCOMPARE(title, std::string("Zelvano2004／強制終了"));
        QVERIFY(form->isVisible());
    }

    // Yes ends the program: the wait does not return, it ends.
    void closeAnsweredYesEndsTheProgram() {
        WaitingScoreboard board;
        ScoreboardWindow* form = board.form;
        League& league = board.league;
        QtPlatform& platform = board.platform;

        test::GuiScript script;
        script.step([&] {
            test::closeLater(form);
            return true;
        });
        script.answerMessage(QMessageBox::Yes, test::kForcedQuitQuestion);
        script.start(platform);
        QCOMPARE(
            test::endStatusOf([&] { platform.waitUntil([&] { return league.NextRequested; }); }),
            0);
        QVERIFY(script.mismatches.empty());
        QVERIFY(!league.NextRequested);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(AdvanceOnQtTest)
#include "test_advance_on_qt.moc"
