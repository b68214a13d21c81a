// The history window on the real windows: reached from a roster line of the information window,
// it shows that player's career with its chart, the champions lead to a season's page, the
// transaction log filters by team, the team chart has a line a team, and Esc closes it. A game
// opens from a season's page or a player's games by the keyboard, and a batter opens his career.

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "league/league_file.h"
#include "made_up_history.h"
#include "season/history/history_browser.h"
#include "season/history/history_snapshot.h"
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

int rows(const QTableView& table) { return table.model()->rowCount(); }

QString cell(const QTableView& table, int row, int column) {
    return table.model()->index(row, column).data().toString();
}

// A history window of its own on a made-up history, shown and active.
struct ShownHistory {
    std::shared_ptr<test::MadeUpHistory> history;
    std::unique_ptr<HistoryWindow> window;
    QTabWidget* tabs = nullptr;

    explicit ShownHistory(Counter seasons, std::string longName = "ゼルバーノ")
        : history(std::make_shared<test::MadeUpHistory>(seasons, std::move(longName))),
          window(std::make_unique<HistoryWindow>(history, nullptr)) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
        window->show();
        window->activateWindow();
        tabs = window->findChild<QTabWidget*>(QStringLiteral("historyTabs"));
    }
    template <typename Control>
    Control* find(const char* name) const {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }
};

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
        auto* careerTable = shown->findChild<QTableView*>(QStringLiteral("careerTable"));
        QCOMPARE(rows(*careerTable), static_cast<int>(career->seasons.size()) + 1);
        // The last row's career figures are the league's.
        const int last = rows(*careerTable) - 1;
        QCOMPARE(cell(*careerTable, last, 5).toStdString(), std::to_string(league.AtBats[1][slot]));
        auto* careerChart = shown->findChild<QChartView*>(QStringLiteral("careerChart"));
        QCOMPARE(careerChart->chart()->series().size(), 1);
        QVERIFY(careerChart->focusPolicy() & Qt::TabFocus);

        // A champion's row leads to its season, with the Enter key.
        tabs->setCurrentIndex(HistoryWindow::Champions);
        auto* champions = shown->findChild<QTableView*>(QStringLiteral("championsTable"));
        QCOMPARE(rows(*champions), kSeasons);
        champions->setFocus();
        champions->setCurrentIndex(champions->model()->index(2, 0));
        QTest::keyClick(champions, Qt::Key_Return);
        QCOMPARE(tabs->currentIndex(), int(HistoryWindow::Season));
        QCOMPARE(shown->findChild<QComboBox*>(QStringLiteral("seasonYear"))->currentText(),
                 QStringLiteral("3年目"));
        QCOMPARE(rows(*shown->findChild<QTableView*>(QStringLiteral("gamesTable"))), 12);

        // The transaction log of team 2 holds only moves that name it.
        auto* team = shown->findChild<QComboBox*>(QStringLiteral("moveTeam"));
        auto* moves = shown->findChild<QTableView*>(QStringLiteral("movesTable"));
        tabs->setCurrentIndex(HistoryWindow::Moves);
        const int all = rows(*moves);
        team->setCurrentIndex(2);
        QVERIFY(rows(*moves) > 0 && rows(*moves) < all);
        for (int row = 0; row < rows(*moves); ++row) {
            QVERIFY(cell(*moves, row, 2).contains(QString::fromStdString(league.TeamName[2])));
        }
        // The contents column fills the table whatever team is shown.
        QVERIFY(moves->horizontalHeader()->stretchLastSection());

        tabs->setCurrentIndex(HistoryWindow::TeamChart);
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

    // From the season's games to a game by the keyboard, from a batter to his career, and back;
    // a year of his career gives his games, and a game among them opens in turn.
    void aGameOpensByTheKeyboardAndABatterOpensHisCareer() {
        ShownHistory shown(30);
        QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
        std::map<std::string, int>& asked = shown.history->asked;
        auto* pages = shown.find<QStackedWidget>("historyPages");
        auto* gamePage = shown.find<QWidget>("gamePage");
        const auto focused = [] { return QApplication::focusWidget(); };
        shown.tabs->setCurrentIndex(HistoryWindow::Season);
        auto* games = shown.find<QTableView>("gamesTable");
        games->setFocus();
        games->setCurrentIndex(games->model()->index(1, 0));
        QTest::keyClick(games, Qt::Key_Return);
        QCOMPARE(pages->currentWidget(), gamePage);
        QCOMPARE(shown.find<QLabel>("gameTitle")->text(), QStringLiteral("30年目 第2試合"));
        for (auto* control : gamePage->findChildren<QWidget*>()) {
            if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus)) {
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
        }
        // Back to the row it was opened from; 「試合の詳細」 opens it again.
        QTest::keyClick(focused(), Qt::Key_Backspace);
        QCOMPARE(pages->currentWidget(), shown.tabs);
        QCOMPARE(focused(), games);
        auto* details = shown.find<QPushButton>("gameDetailsButton");
        details->setFocus();
        QTest::keyClick(details, Qt::Key_Space);
        QCOMPARE(pages->currentWidget(), gamePage);
        QCOMPARE(asked["game"], 2);

        // The third batter of the side batting first.
        auto* batting = shown.find<QTableView>("battingTable0");
        QCOMPARE(focused(), batting);
        batting->setCurrentIndex(batting->model()->index(2, 1));
        QTest::keyClick(batting, Qt::Key_Return);
        QCOMPARE(pages->currentWidget(), shown.tabs);
        QCOMPARE(shown.tabs->currentIndex(), int(HistoryWindow::Career));
        QCOMPARE(shown.find<QLabel>("careerTitle")->text(), QStringLiteral("選手3003の歩み"));

        QCOMPARE(asked["gameLog"], 0);  // until a year is picked
        shown.find<QComboBox>("gameLogYear")->setCurrentIndex(4);
        QCOMPARE(asked["gameLog"], 1);
        auto* log = shown.find<QTableView>("gameLogTable");
        log->setFocus();
        log->setCurrentIndex(log->model()->index(0, 0));
        QTest::keyClick(log, Qt::Key_Return);
        QCOMPARE(shown.find<QLabel>("gameTitle")->text(), QStringLiteral("5年目 第2試合"));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QCOMPARE(pages->currentWidget(), shown.tabs);
        QCOMPARE(shown.tabs->currentIndex(), int(HistoryWindow::Career));
        QVERIFY(shown.window->isVisible());
    }

    // Not a check: the pictures of the history window for a person to look at, made only when
    // ZELVANO_HISTORY_SHOTS names a league folder (`zelvano-sim --dir D new`, `play N`); one
    // PNG a page beside it, at the window's default size.
    void picturesOfALeaguesHistory() {
        const QByteArray folder = qgetenv("ZELVANO_HISTORY_SHOTS");
        if (folder.isEmpty()) QSKIP("ZELVANO_HISTORY_SHOTS names no league folder");
        const std::string dir = folder.toStdString();
        std::ifstream file(dir + "/Jbball.Jdt", std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        League league;
        QVERIFY(parseLeagueFile(bytes.str(), league).ok);
        QVERIFY(readHistorySnapshot(dir + "/history.sqlite", [&](SqliteDatabase& db) {
            auto browser =
                std::make_shared<HistoryBrowser>(league, HistoryReader(db, league.CurrentYear),
                                                 GameHistoryReader(db, league.CurrentYear));
            HistoryWindow window(browser, nullptr);
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("historyTabs"));
            // The ids are the history's: the league file keeps none.
            window.showCareer(HistoryReader(db, league.CurrentYear).playerAt(1, 1));
            const QString shots = QString::fromStdString(dir);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QTest::qWait(50);
                window.grab().save(shots + QStringLiteral("/history-tab%1.png").arg(tab));
            }
            tabs->setCurrentIndex(HistoryWindow::Career);
            window.findChild<QComboBox*>(QStringLiteral("gameLogYear"))->setCurrentIndex(0);
            QTest::qWait(50);
            window.grab().save(shots + QStringLiteral("/history-game-log.png"));
            window.showGame(league.CurrentYear, 1);
            QTest::qWait(50);
            window.grab().save(shots + QStringLiteral("/history-game.png"));
        }));
    }

    // The keys of a tabbed dialog change the page from any control, the year and team boxes too.
    void tabKeysTurnThePageFromAnyControl_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier, back = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab in the year box")
            << int(HistoryWindow::Season) << "seasonYear" << int(Qt::Key_Tab) << ctrl
            << int(HistoryWindow::Moves);
        QTest::newRow("Ctrl+PgUp in the year box")
            << int(HistoryWindow::Season) << "seasonYear" << int(Qt::Key_PageUp) << ctrl
            << int(HistoryWindow::Champions);
        QTest::newRow("Ctrl+Tab in the team box")
            << int(HistoryWindow::Moves) << "moveTeam" << int(Qt::Key_Tab) << ctrl
            << int(HistoryWindow::Career);
        QTest::newRow("Ctrl+Shift+Tab in the team box")
            << int(HistoryWindow::Moves) << "moveTeam" << int(Qt::Key_Backtab) << back
            << int(HistoryWindow::Season);
        QTest::newRow("Ctrl+PgDn in the log")
            << int(HistoryWindow::Moves) << "movesTable" << int(Qt::Key_PageDown) << ctrl
            << int(HistoryWindow::Career);
        QTest::newRow("Ctrl+Tab on the last page, round to the first")
            << int(HistoryWindow::TeamChart) << "teamChart" << int(Qt::Key_Tab) << ctrl
            << int(HistoryWindow::Champions);
    }
    void tabKeysTurnThePageFromAnyControl() {
        QFETCH(int, from);
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        ShownHistory shown(30);
        QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
        shown.tabs->setCurrentIndex(from);
        auto* control = shown.window->findChild<QWidget*>(focused);
        QVERIFY(control);
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
        QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shown.tabs->currentIndex(), to);
    }

    // Opening reads the first page only; every other page is read once, when first shown.
    void eachPageIsReadWhenFirstShown() {
        ShownHistory shown(30);
        std::map<std::string, int>& asked = shown.history->asked;
        QCOMPARE(asked["champions"], 1);
        for (const char* later : {"season", "transactions", "records", "teamAverages", "career"}) {
            QVERIFY2(asked[later] == 0, later);
        }
        for (int round = 0; round < 2; ++round) {
            for (int tab = 0; tab < shown.tabs->count(); ++tab) shown.tabs->setCurrentIndex(tab);
        }
        QCOMPARE(asked["champions"], 1);
        QCOMPARE(asked["transactions"], 1);
        QCOMPARE(asked["records"], 1);
        QCOMPARE(asked["teamAverages"], 1);
        QCOMPARE(asked["years"], 1);
        QCOMPARE(asked["career"], 0);  // no player picked yet
        // A newer source is read again, page by page.
        shown.window->setSource(shown.history);
        QCOMPARE(asked["teamAverages"], 2);  // the page shown
        QCOMPARE(asked["transactions"], 1);
    }

    // At ten thousand seasons a year is shown whole, the contents fill the table, and a long
    // report line ends in "…" with the whole line in its tool tip.
    void longHistoriesAndLongNamesStayReadable() {
        const std::string longName = "ゼルバーノ・スーパースターズ・オブ・ザ・ロングネーム東京";
        ShownHistory shown(10026, longName);
        for (const char* name : {"championsTable", "movesTable"}) {
            shown.tabs->setCurrentIndex(name[0] == 'c' ? 0 : int(HistoryWindow::Moves));
            auto* table = shown.find<QTableView>(name);
            const int last = rows(*table) - 1;
            QCOMPARE(cell(*table, last, 0), QStringLiteral("10026年目"));
            QVERIFY2(table->columnWidth(0) >
                         table->fontMetrics().horizontalAdvance(QStringLiteral("10026年目")),
                     name);
            QVERIFY2(table->horizontalHeader()->stretchLastSection(), name);
        }
        shown.find<QComboBox>("moveTeam")->setCurrentIndex(1);
        auto* moves = shown.find<QTableView>("movesTable");
        QVERIFY(moves->horizontalHeader()->stretchLastSection());
        QCOMPARE(rows(*moves), 10026);

        shown.tabs->setCurrentIndex(HistoryWindow::Season);
        auto* report = shown.find<QTableView>("reportList");
        const QModelIndex line = report->model()->index(0, 0);
        QVERIFY(line.data().toString().contains(QString::fromStdString(longName)));
        QCOMPARE(line.data(Qt::ToolTipRole), line.data());
        QVERIFY(!report->wordWrap());
        QCOMPARE(report->textElideMode(), Qt::ElideRight);
    }
};

QTEST_MAIN(HistoryOnQtTest)
#include "test_history_on_qt.moc"
