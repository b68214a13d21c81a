// The season end on the real windows: the results report as the logic fills it, closed with
// Enter on "ＯＫ", then the rookies of a title year, each placed in the batting-order window in
// its rookie configuration.

#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "season/season_end.h"
#include "support/test_league.h"
#include "text/cp932.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/results_report_window.h"

using namespace zelvano;
using test::control;
using test::openWindow;

namespace {

// What the report window showed, control by control.
struct ShownReport {
    QString champion, titleCount, titleRun;
    QStringList teamNames, teamAverages, mvpLines;
    int listPixelSize = 0;
    QString listFamily;
};

// What a rookie's batting-order window looked like.
struct ShownPicker {
    QString caption, matchLine, rosterTitle, prompt, firstName;
    bool shortcutsHidden = false;
    bool everyRowEnabled = false;
};

struct ReportCatcher final : SeasonObserver {
    void gamePlayed(const League&, int) override {}
    void seasonPlayed(const League&, int, const ResultsReport& shown) override { report = shown; }
    ResultsReport report;
};

QString textOf(const QWidget& window, const char* name) {
    return control<QLabel>(window, name)->text();
}
QString textOf(const QWidget& window, const char* name, int index) {
    return control<QLabel>(window, name, index)->text();
}

// The player: closes the report with Enter, names the rookies the list does not name, and puts
// rookie k into slot 6 + k (the first by a double-click on the name, the others by the button).
class SeasonEndUser final : public test::DialogClicker {
public:
    std::vector<std::string> seen;  // "report", "rookie", and the texts of the messages
    std::vector<ShownReport> reports;
    std::vector<ShownPicker> pickers;

private:
    void dialogShown(const Dialog& dialog) override { seen.push_back(dialog.text); }

    void actOnWindows() override {
        if (auto* report = openWindow<ResultsReportWindow>()) {
            // Enter goes to "ＯＫ" once the window has the keyboard.
            if (report->property("handled").toBool() || !report->isActiveWindow()) return;
            report->setProperty("handled", true);
            seen.push_back("report");
            reports.push_back(read(*report));
            SCRIPT_COMPARE(QApplication::focusWidget(),
                           static_cast<QWidget*>(control<QPushButton>(*report, "okButton")));
            later([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
            return;
        }
        if (auto* order = openWindow<BattingOrderWindow>()) {
            if (order->property("handled").toBool()) return;
            order->setProperty("handled", true);
            seen.push_back("rookie");
            pickers.push_back(read(*order));
            const int index = 5 + static_cast<int>(pickers.size());
            QPointer<QLabel> name = control<QLabel>(*order, "playerNameLabel", index);
            QPointer<QPushButton> button = control<QPushButton>(*order, "playerButton", index);
            if (pickers.size() == 1) {
                later([name] {
                    if (name) QTest::mouseDClick(name, Qt::LeftButton);
                });
            } else {
                later([button] {
                    if (button) button->click();
                });
            }
        }
    }

    static ShownReport read(const ResultsReportWindow& window) {
        const QListWidget* list = control<QListWidget>(window, "mvpList");
        ShownReport shown{textOf(window, "championLabel"),
                          textOf(window, "titleCountLabel"),
                          textOf(window, "titleRunLabel"),
                          {},
                          {},
                          {},
                          list->font().pixelSize(),
                          QFontInfo(list->font()).family()};
        for (int team = 0; team < 3; ++team) {
            shown.teamNames << textOf(window, "teamNameLabel", team);
            shown.teamAverages << textOf(window, "teamAverageLabel", team);
        }
        for (int row = 0; row < list->count(); ++row) shown.mvpLines << list->item(row)->text();
        return shown;
    }

    static ShownPicker read(const BattingOrderWindow& window) {
        ShownPicker shown{window.windowTitle(),
                          textOf(window, "matchLabel"),
                          textOf(window, "rosterTitleLabel"),
                          textOf(window, "promptLabel"),
                          textOf(window, "playerNameLabel", 0),
                          control(window, "sortButton")->isHidden() &&
                              control(window, "wholeOrderButton")->isHidden(),
                          true};
        for (int index = 0; index < 30; ++index) {
            shown.everyRowEnabled = shown.everyRowEnabled &&
                                    control(window, "playerButton", index)->isEnabled() &&
                                    control(window, "playerNameLabel", index)->isEnabled();
        }
        return shown;
    }
};

QStringList toQStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
}

}  // namespace

class SeasonEndOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void titleYearWithRookies() {
        // Every draw near 1: three rookies.
        test::MemoryParts memory = test::memoryParts(
            std::make_unique<testing::ScriptedRandom>(std::vector<float>{}, 0.999f));
        memory.files->files["Z02MEM.TXT"] = *text::encodeCp932("山本一郎\r\n");
        QtPlatform platform(std::move(memory.parts));

        League league = testing::testLeague();
        league.CurrentYear = 3;
        league.SeasonMarks = {"", "☆☆☆☆☆☆☆★", "★★☆☆　　　　", "★★★☆☆　　　"};
        league.LeagueRecord[8] = 1;  // champion last year too
        league.Hits[1][2] = 7;       // .700 and .600: two lines in the list
        league.Hits[2][4] = 6;

        SeasonEndUser user;
        user.start(platform);
        ReportCatcher catcher;
        QCOMPARE(processSeasonEnd(league, platform, &catcher), 1);
        QVERIFY(!user.stuck);

        // The report shows what the season end made of the season, in the even-sized column face.
        QCOMPARE(user.reports.size(), std::size_t{1});
        const ShownReport& shown = user.reports.front();
        const ResultsReport& report = catcher.report;
        QCOMPARE(shown.champion, QString::fromStdString(report.championLine));
        QCOMPARE(shown.titleCount, QString::fromStdString(report.titleCount));
        QCOMPARE(shown.titleRun, QStringLiteral("【2年連続】"));
        QCOMPARE(shown.teamNames, toQStrings({report.teamNames.begin(), report.teamNames.end()}));
        QCOMPARE(shown.teamAverages,
                 toQStrings({report.teamAverages.begin(), report.teamAverages.end()}));
        QCOMPARE(shown.mvpLines, toQStrings(report.mvpLines));
        QCOMPARE(shown.mvpLines.size(), 2);
        QCOMPARE(shown.listFamily, QStringLiteral("IPAMincho"));
        QCOMPARE(shown.listPixelSize % 2, 0);

        // The rookies come after the report is closed, one window each, the first named from
        // the list and the others by the player.
        const std::size_t rookies = user.pickers.size();
        QCOMPARE(rookies, std::size_t{3});
        QCOMPARE(user.seen.front(), std::string("report"));
        QCOMPARE(user.typedNames, static_cast<int>(rookies) - 1);
        const std::string told =
            "新人が入りました。1/" + std::to_string(rookies) + "人めを自動登録しました。";
        QVERIFY(std::find(user.seen.begin(), user.seen.end(), told) != user.seen.end());
        for (const ShownPicker& picker : user.pickers) {
            QCOMPARE(picker.caption, QStringLiteral("Zelvano／新人登録"));
            QCOMPARE(picker.matchLine, QStringLiteral("新人を登録する番号を登録してください。"));
            QCOMPARE(picker.rosterTitle, QStringLiteral("ABCのメンバー表"));
            QCOMPARE(picker.prompt, QString());
            QVERIFY(picker.shortcutsHidden);
            QVERIFY(picker.everyRowEnabled);
        }
        QVERIFY(openWindow<BattingOrderWindow>() == nullptr &&
                openWindow<ResultsReportWindow>() == nullptr);

        // Rookie k stands in slot 6 + k.
        for (int k = 1; k <= static_cast<int>(rookies); ++k) {
            const int slot = 6 + k;
            QCOMPARE(league.PlayerName[1][slot],
                     k == 1 ? std::string("山本一郎") : "新人" + std::to_string(k - 1));
            QCOMPARE(league.AtBats[1][slot], Counter{30});
            QCOMPARE(league.EntryYear[1][slot], Counter{3});
        }
    }
};

QTEST_MAIN(SeasonEndOnQtTest)
#include "test_season_end_on_qt.moc"
