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

#include "gui_script.h"
#include "platform/qt/qt_platform.h"
#include "season/season_end.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/cp932.h"
#include "windows/form2.h"
#include "windows/form3.h"

using namespace zelvano;
using test::openMessageBox;
using test::openWindow;

namespace {

// What the report window showed, control by control.
struct ShownReport {
    QString label2, label6, label7;
    QStringList label4, label5, list;
    int listPixelSize = 0;
    QString listFamily;
};

// What a rookie's batting-order window looked like.
struct ShownPicker {
    QString caption, label1, label2, label5, firstName;
    bool shortcutsHidden = false;
    bool everyRowEnabled = false;
};

struct ReportCatcher final : SeasonObserver {
    void gamePlayed(const League&, int) override {}
    void seasonPlayed(const League&, int, const ResultsReport& shown) override { report = shown; }
    ResultsReport report;
};

// The player: closes the report with Enter, names the rookies the list does not name, and puts
// rookie k into slot 6 + k (the first by a double-click on the name, the others by the button).
class SeasonEndUser {
public:
    explicit SeasonEndUser(Platform& platform) : platform_(platform) {
        QObject::connect(&ticker_, &QTimer::timeout, [this] { act(); });
        ticker_.start(2);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            stuck = true;
            platform_.requestEnd(99);
            test::dismissModal();
        });
        watchdog_.start(30000);
    }

    std::vector<std::string> seen;  // "report", "rookie", and the texts of the messages
    std::vector<ShownReport> reports;
    std::vector<ShownPicker> pickers;
    int typedNames = 0;
    bool stuck = false;

private:
    void act() {
        if (busy_) return;
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            ++typedNames;
            input->setTextValue(QStringLiteral("新人") + QString::number(typedNames));
            input->accept();
            return;
        }
        if (QMessageBox* box = openMessageBox()) {
            seen.push_back(box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (auto* report = openWindow<Form3>()) {
            // Enter goes to "ＯＫ" once the window has the keyboard.
            if (report->property("handled").toBool() || !report->isActiveWindow()) return;
            report->setProperty("handled", true);
            seen.push_back("report");
            reports.push_back(read(*report));
            SCRIPT_COMPARE(QApplication::focusWidget(), report->Command1());
            later([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
            return;
        }
        if (auto* order = openWindow<Form2>()) {
            if (order->property("handled").toBool()) return;
            order->setProperty("handled", true);
            seen.push_back("rookie");
            pickers.push_back(read(*order));
            const int index = 5 + static_cast<int>(pickers.size());
            QPointer<QLabel> name = order->Label3(index);
            QPointer<QPushButton> button = order->Command1(index);
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

    static ShownReport read(const Form3& form) {
        ShownReport shown{form.Label2()->text(),
                          form.Label6()->text(),
                          form.Label7()->text(),
                          {},
                          {},
                          {},
                          form.List1()->font().pixelSize(),
                          QFontInfo(form.List1()->font()).family()};
        for (int team = 0; team < 3; ++team) {
            shown.label4 << form.Label4(team)->text();
            shown.label5 << form.Label5(team)->text();
        }
        for (int row = 0; row < form.List1()->count(); ++row) {
            shown.list << form.List1()->item(row)->text();
        }
        return shown;
    }

    static ShownPicker read(const Form2& form) {
        ShownPicker shown{form.windowTitle(),
                          form.Label1()->text(),
                          form.Label2()->text(),
                          form.Label5()->text(),
                          form.Label3(0)->text(),
                          form.Command2()->isHidden() && form.Command3()->isHidden(),
                          true};
        for (int index = 0; index < 30; ++index) {
            shown.everyRowEnabled = shown.everyRowEnabled && form.Command1(index)->isEnabled() &&
                                    form.Label3(index)->isEnabled();
        }
        return shown;
    }

    // Acts once the event loop is back, and does nothing else until then.
    void later(std::function<void()> action) {
        busy_ = true;
        QTimer::singleShot(0, &ticker_, [this, action = std::move(action)] {
            busy_ = false;
            action();
        });
    }

    Platform& platform_;
    QTimer ticker_;
    QTimer watchdog_;
    bool busy_ = false;
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
        auto files = std::make_unique<testing::MemoryFileStore>();
        files->files["Z02MEM.TXT"] = *text::encodeCp932("山本一郎\r\n");
        QtPlatform::Parts parts;
        parts.settings = std::make_unique<MemorySettingsStore>();
        parts.files = std::move(files);
        // Every draw near 1: three rookies.
        parts.random = std::make_unique<testing::ScriptedRandom>(std::vector<float>{}, 0.999f);
        QtPlatform platform(std::move(parts));

        League league = testing::testLeague();
        league.CurrentYear = 3;
        league.SeasonMarks = {"", "☆☆☆☆☆☆☆★", "★★☆☆　　　　", "★★★☆☆　　　"};
        league.LeagueRecord[8] = 1;  // champion last year too
        league.Hits[1][2] = 7;       // .700 and .600: two lines in the list
        league.Hits[2][4] = 6;

        SeasonEndUser user(platform);
        ReportCatcher catcher;
        QCOMPARE(ProcessSeasonEnd(league, platform, &catcher), 1);
        QVERIFY(!user.stuck);

        // The report shows what the season end made of the season, in the even-sized column face.
        QCOMPARE(user.reports.size(), std::size_t{1});
        const ShownReport& shown = user.reports.front();
        const ResultsReport& report = catcher.report;
        QCOMPARE(shown.label2, QString::fromStdString(report.championLine));
        QCOMPARE(shown.label6, QString::fromStdString(report.titleCount));
        QCOMPARE(shown.label7, QStringLiteral("【2年連続】"));
        QCOMPARE(shown.label4, toQStrings({report.teamNames.begin(), report.teamNames.end()}));
        QCOMPARE(shown.label5,
                 toQStrings({report.teamAverages.begin(), report.teamAverages.end()}));
        QCOMPARE(shown.list, toQStrings(report.mvpLines));
        QCOMPARE(shown.list.size(), 2);
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
            QCOMPARE(picker.label1, QStringLiteral("新人を登録する番号を登録してください。"));
            QCOMPARE(picker.label2, QStringLiteral("ABCのメンバー表"));
            QCOMPARE(picker.label5, QString());
            QVERIFY(picker.shortcutsHidden);
            QVERIFY(picker.everyRowEnabled);
        }
        QVERIFY(openWindow<Form2>() == nullptr && openWindow<Form3>() == nullptr);

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
