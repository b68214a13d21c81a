// After a game: "次へ" and the auto-advance timer on the real scoreboard, with the logic's
// handlers, and the forced-quit question when the user closes the window.

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "gui_script.h"
#include "platform/qt/qt_platform.h"
#include "season/game_window_events.h"
#include "support/scripted_user.h"
#include "windows/form1.h"

using namespace zelvano;

namespace {

QtPlatform::Parts memoryParts(MemorySettingsStore** settings) {
    QtPlatform::Parts parts;
    auto store = std::make_unique<MemorySettingsStore>();
    *settings = store.get();
    parts.settings = std::move(store);
    parts.files = std::make_unique<testing::MemoryFileStore>();
    parts.random = std::make_unique<SeededRandom>(1);
    return parts;
}

// Waits as the season driver does after a game, but gives up after the given time.
bool waitForNext(Platform& platform, League& league, int giveUpMs) {
    bool gaveUp = false;
    QTimer::singleShot(giveUpMs, [&] { gaveUp = true; });
    league.NextRequested = false;
    platform.waitUntil([&] { return league.NextRequested || gaveUp; });
    return league.NextRequested;
}

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
        MemorySettingsStore* settings = nullptr;
        QtPlatform platform(memoryParts(&settings));
        if (!setting.isNull()) settings->write("ZNext", setting.toStdString());
        League league;
        GameWindowEvents events(league, platform);
        const auto view = platform.createGameView(events);
        view->show();
        view->startAdvanceTimer(10);
        view->showNextButton();
        // A tick that should advance gets plenty of time; one that should not gets twenty-odd
        // ticks.
        QCOMPARE(waitForNext(platform, league, advances ? 5000 : 300), advances);
        auto* form = dynamic_cast<Form1*>(view.get());
        QVERIFY(form->Timer1().isActive());
        view->closeByProgram();
    }

    // Switching auto-advance on while the window waits takes effect at the next tick.
    void switchingOnWhileWaiting() {
        MemorySettingsStore* settings = nullptr;
        QtPlatform platform(memoryParts(&settings));
        settings->write("ZNext", "OFF");
        League league;
        GameWindowEvents events(league, platform);
        const auto view = platform.createGameView(events);
        view->show();
        view->startAdvanceTimer(20);
        view->showNextButton();
        QTimer::singleShot(150, [settings] { settings->write("ZNext", "ON"); });
        const auto start = std::chrono::steady_clock::now();
        QVERIFY(waitForNext(platform, league, 5000));
        QVERIFY(std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(150));
        view->closeByProgram();
    }

    // "次へ" has the focus after the game: Enter alone goes on.
    void enterPressesNext() {
        MemorySettingsStore* settings = nullptr;
        QtPlatform platform(memoryParts(&settings));
        League league;
        GameWindowEvents events(league, platform);
        const auto view = platform.createGameView(events);
        auto* form = dynamic_cast<Form1*>(view.get());
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        view->startAdvanceTimer(15000);
        view->showNextButton();
        QTimer::singleShot(20,
                           [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QVERIFY(waitForNext(platform, league, 5000));
        view->closeByProgram();
    }

    // A user's close asks the forced-quit question, No being the default; No keeps the window
    // and the wait goes on.
    void closeAnsweredNoKeepsWaiting() {
        MemorySettingsStore* settings = nullptr;
        QtPlatform platform(memoryParts(&settings));
        League league;
        GameWindowEvents events(league, platform);
        const auto view = platform.createGameView(events);
        auto* form = dynamic_cast<Form1*>(view.get());
        view->show();
        view->startAdvanceTimer(15000);
        view->showNextButton();

        test::GuiScript script;
        bool noWasDefault = false;
        std::string title;
        script.step([&] {
            QTimer::singleShot(0, form, [form] { form->close(); });
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
            test::clickLater(form->Command1());
            return true;
        });
        script.start(platform);
        league.NextRequested = false;
        platform.waitUntil([&] { return league.NextRequested; });
        QVERIFY(!script.stuck);
        QVERIFY(noWasDefault);
        QCOMPARE(title, std::string("Zelvano2004／強制終了"));
        QVERIFY(form->isVisible());
        view->closeByProgram();
    }

    // Yes ends the program: the wait does not return, it ends.
    void closeAnsweredYesEndsTheProgram() {
        MemorySettingsStore* settings = nullptr;
        QtPlatform platform(memoryParts(&settings));
        League league;
        GameWindowEvents events(league, platform);
        const auto view = platform.createGameView(events);
        auto* form = dynamic_cast<Form1*>(view.get());
        view->show();
        view->startAdvanceTimer(15000);
        view->showNextButton();

        test::GuiScript script;
        script.step([&] {
            QTimer::singleShot(0, form, [form] { form->close(); });
            return true;
        });
        script.answerMessage(
            QMessageBox::Yes,
            "強制終了しようとしています。データを保存する前に終了してよろしいのです"
            "か？");
        script.start(platform);
        int status = -1;
        try {
            platform.waitUntil([&] { return league.NextRequested; });
        } catch (const ProgramEnded& ended) {
            status = ended.status;
        }
        QCOMPARE(status, 0);
        QVERIFY(script.mismatches.empty());
        QVERIFY(!league.NextRequested);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(AdvanceOnQtTest)
#include "test_advance_on_qt.moc"
