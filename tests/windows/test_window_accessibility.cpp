// Every window as a screen reader meets it, through Qt's accessibility interface: each control
// the keyboard can reach has a name, and Tab goes through the controls in the order they are
// read, top to bottom and left to right.

#include <QAccessible>
#include <QChartView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <memory>

#include "made_up_history.h"
#include "recording_events.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/history_window.h"
#include "windows/information_window.h"
#include "windows/opening_demo_window.h"
#include "windows/registration_wizard_window.h"
#include "windows/results_report_window.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;

namespace {

struct SilentInformationEvents final : InformationEvents {
    void tabSelected(int) override {}
    void teamPressed(int) override {}
    void rosterLineActivated(int) override {}
    void rankingPressed(int) override {}
    void speedChanged(int) override {}
    void autoAdvanceClicked(bool) override {}
    void renameUnlockClicked(bool) override {}
    void teamNameEdited(int, const std::string&) override {}
    void scoutPressed() override {}
    void historyPressed() override {}
    void careerPressed(int, int) override {}
    void closedByUser() override {}
};

struct SilentKeys final : OpeningDemoEvents {
    void keyPressed(int, int) override {}
};

// Every window, filled as the game fills it. They live as long as the test.
struct Windows {
    test::RecordingScoreboardEvents scoreboardEvents;
    test::RecordingBattingOrderEvents battingOrderEvents;
    test::RecordingRegistrationWizardEvents wizardEvents;
    SilentInformationEvents informationEvents;
    SilentKeys keys;
    ScoreboardWindow scoreboard{scoreboardEvents};
    BattingOrderWindow battingOrder{battingOrderEvents};
    RegistrationWizardWindow wizard{wizardEvents};
    ResultsReportWindow report;
    InformationWindow information{informationEvents};
    OpeningDemoWindow demo{keys};

    Windows() {
        scoreboard.setTeamName(1, "アルファ");
        scoreboard.setTeamName(2, "デルタ");
        scoreboard.setInning(1, 1);
        scoreboard.showNextButton();
        for (int index = 0; index < 30; ++index) {
            battingOrder.setPlayerRow(index, "選手" + std::to_string(index + 1), 250);
        }
        battingOrder.showWholeOrderButton("前回と同順");
        battingOrder.setPrompt("1番打者を決定してください。");
        wizard.setTeamLabel("チーム名1");
        wizard.setPlayerLabel("選手名1");
        information.setTeamButtons({"アルファ", "ブラボー", "チャーリー"});
        information.setRosterTitle("アルファ登録選手一覧表");
    }

    std::vector<std::pair<const char*, QWidget*>> all() {
        return {{"scoreboard", &scoreboard},   {"batting order", &battingOrder},
                {"wizard", &wizard},           {"results report", &report},
                {"information", &information}, {"opening demo", &demo}};
    }
};

QString accessibleText(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(text) : QString();
}

// The controls Tab reaches, in the order it reaches them, starting after the window itself. A
// control hidden by itself (the tab bar's scroll buttons while every tab fits) is passed by; one
// on a page that is not shown now is reached once its page is. A part that hands the focus to
// its control (a chart's drawing area) is that control.
std::vector<QWidget*> tabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && window.isAncestorOf(widget) &&
            !widget->isHidden() && widget->focusProxy() == nullptr) {
            chain.push_back(widget);
        }
    }
    return chain;
}

QStringList namesOf(const std::vector<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets) names << widget->objectName();
    return names;
}

QStringList numbered(const QString& name, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) names << name + QString::number(i);
    return names;
}

}  // namespace

class WindowAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Every window and every control the keyboard reaches (buttons, lists, boxes, the tab bar,
    // the slider) has a name to be read by; a window without a title of its own is named too.
    void everyControlHasAName() {
        Windows windows;
        for (const auto& [window, widget] : windows.all()) {
            QVERIFY2(!accessibleText(widget, QAccessible::Name).isEmpty(), window);
            for (QWidget* control : tabChain(*widget)) {
                const QString where = QStringLiteral("%1: %2").arg(window, control->objectName());
                QVERIFY2(!accessibleText(control, QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(where));
            }
        }
    }

    // A button whose caption says little is described: what it does, whose it is.
    void buttonsAreDescribed() {
        Windows windows;
        const std::vector<std::pair<QWidget*, QString>> described{
            {test::control(windows.scoreboard, "nextButton"), QStringLiteral("次の試合に進みます")},
            {test::control(windows.scoreboard, "playersListButton"),
             QStringLiteral("情報ウィンドウを開きます")},
            {test::control(windows.battingOrder, "playerButton4"),
             QStringLiteral("1番打者を決定してください。")},
            {test::control(windows.information, "teamButton1"),
             QStringLiteral("このチームの登録選手一覧を表示します")},
        };
        for (const auto& [control, description] : described) {
            QVERIFY2(accessibleText(control, QAccessible::Description).contains(description),
                     qPrintable(control->objectName()));
        }
        QCOMPARE(
            accessibleText(test::control(windows.battingOrder, "playerButton4"), QAccessible::Name),
            QStringLiteral("5 選手5 打率250"));
        // A list is read as what it shows: which team's roster.
        QCOMPARE(
            accessibleText(test::control(windows.information, "rosterList"), QAccessible::Name),
            QStringLiteral("アルファ登録選手一覧表"));
        QCOMPARE(accessibleText(test::control(windows.wizard, "playerNameEdit"), QAccessible::Name),
                 QStringLiteral("選手名1"));
        // The information window's pages are read by the names of their tabs.
        windows.information.setCurrentTab(2);
        QCOMPARE(accessibleText(test::control(windows.information, "page2")->parentWidget(),
                                QAccessible::Name),
                 QStringLiteral("名球会名簿"));
    }

    // Tab follows the reading order. The wizard's cycle starts from the team name: its entries
    // top to bottom, then "進む" before "戻る", so that Tab from the player name goes on, as
    // Enter does.
    void tabFollowsTheReadingOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("scoreboard")
            << "scoreboard" << QStringList{"nextButton", "playersListButton"};
        QTest::newRow("batting order") << "batting order"
                                       << numbered(QStringLiteral("playerButton"), 30) +
                                              QStringList{"wholeOrderButton", "sortButton"};
        QTest::newRow("results report") << "results report" << QStringList{"mvpList", "okButton"};
        QTest::newRow("information")
            << "information"
            << QStringList{"tabBar", "rosterList", "rosterCareerButton"} +
                   numbered(QStringLiteral("teamButton"), 3) +
                   QStringList{"rankingList", "rankingCareerButton", "historyButton"} +
                   numbered(QStringLiteral("rankingButton"), 5) +
                   QStringList{"hallOfFameList", "autoAdvanceCheck", "speedSlider", "scoutButton",
                               "renameCheck"} +
                   numbered(QStringLiteral("teamNameEdit"), 3) + QStringList{"aboutText"};
    }
    void tabFollowsTheReadingOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        Windows windows;
        for (const auto& [name, widget] : windows.all()) {
            if (window == QLatin1String(name)) {
                widget->show();
                QVERIFY(QTest::qWaitForWindowExposed(widget));
                QCOMPARE(namesOf(tabChain(*widget)).join(u' '), order.join(u' '));
            }
        }
    }

    // The history window, every page shown once: each control Tab reaches has a name, a table's
    // columns are read by their headings, and a chart says what it shows, year by year.
    void theHistoryWindowIsReadToo() {
        auto window =
            std::make_unique<HistoryWindow>(std::make_shared<test::MadeUpHistory>(30), nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
        window->showCareer(7);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("historyTabs"));
        for (int tab = 0; tab < tabs->count(); ++tab) tabs->setCurrentIndex(tab);
        const std::vector<QWidget*> chain = tabChain(*window);
        QVERIFY(chain.size() >= 14);
        for (QWidget* control : chain) {
            QVERIFY2(!accessibleText(control, QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->objectName()));
            if (auto* table = qobject_cast<QTableView*>(control)) {
                const QString heading =
                    table->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
                QVERIFY2(heading != QStringLiteral("1"), qPrintable(control->objectName()));
                QVERIFY2(!accessibleText(control, QAccessible::Description).isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
        for (const char* chart : {"careerChart", "teamChart"}) {
            auto* view = window->findChild<QChartView*>(QString::fromLatin1(chart));
            QVERIFY(std::find(chain.begin(), chain.end(), view) != chain.end());
            const QString said = accessibleText(view, QAccessible::Description);
            QVERIFY2(said.contains(QStringLiteral("1年目から30年目までの30シーズン")) &&
                         said.contains(QStringLiteral("最高")),
                     qPrintable(said));
        }
    }

    // A chart in the focus looks it: the keyboard player sees where Tab went.
    void aChartShowsTheFocus() {
        auto window =
            std::make_unique<HistoryWindow>(std::make_shared<test::MadeUpHistory>(3), nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("historyTabs"));
        tabs->setCurrentIndex(HistoryWindow::TeamChart);
        auto* chart = window->findChild<QChartView*>(QStringLiteral("teamChart"));
        tabs->setFocus();
        QTRY_VERIFY(tabs->hasFocus() || !chart->hasFocus());
        const QImage unfocused = chart->grab().toImage();
        chart->setFocus();
        QTRY_VERIFY(chart->hasFocus());
        QVERIFY(chart->grab().toImage() != unfocused);
    }

    void wizardCycleStartsAtTheTeamName() {
        Windows windows;
        QStringList chain = namesOf(tabChain(windows.wizard));
        // The chain is a cycle; read it from the team name on.
        const qsizetype team = chain.indexOf(QStringLiteral("teamNameEdit"));
        QVERIFY(team >= 0);
        chain = chain.mid(team) + chain.mid(0, team);
        QCOMPARE(chain,
                 (QStringList{"teamNameEdit", "playerNameEdit", "forwardButton", "backButton"}));
    }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "test_window_accessibility.moc"
