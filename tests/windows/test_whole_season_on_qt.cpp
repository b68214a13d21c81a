// The whole program on the real windows: a new league registered in the wizard, a first season
// of twelve games with the batting order set before each own game, the year question, the
// goodbye; then a second start that loads the saved league.

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui_script.h"
#include "platform/qt/qt_platform.h"
#include "season/season_driver.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"

using namespace zelvano;
using test::openMessageBox;
using test::openWindow;

namespace {

struct Dialog {
    std::string title;
    std::string text;
};

// A user who does the obvious thing with whatever is on screen, and notes what he saw.
class SteadyUser {
public:
    explicit SteadyUser(Platform& platform) : platform_(platform) {
        QObject::connect(&ticker_, &QTimer::timeout, [this] { act(); });
        ticker_.start(1);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            stuck = true;
            qWarning("stuck: %d entries, %d orders, %d games, %d dialogs, busy %d, modal %p",
                     wizardEntries, orderWindows, gamesFinished, int(dialogs.size()), int(busy_),
                     static_cast<void*>(QApplication::activeModalWidget()));
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible())
                    qWarning("visible: %s %s", w->metaObject()->className(),
                             qPrintable(w->windowTitle()));
            }
            platform_.requestEnd(99);
            test::dismissModal();
        });
        watchdog_.start(120000);
    }

    std::vector<Dialog> dialogs;
    int wizardEntries = 0;
    int orderWindows = 0;
    int gamesFinished = 0;
    int reports = 0;
    int rookieNames = 0;
    int rookieSlots = 0;
    bool stuck = false;

private:
    void act() {
        if (busy_) return;
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            ++rookieNames;
            input->setTextValue(QStringLiteral("新人") + QString::number(rookieNames));
            input->accept();
            return;
        }
        if (QMessageBox* box = openMessageBox()) {
            dialogs.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            // Every question the game asks here is the year question: stop after this year.
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr) button = box->button(QMessageBox::No);
            button->click();
            return;
        }
        if (auto* wizard = openWindow<Form4>()) {
            if (wizard->Text1()->text().isEmpty()) {
                wizard->Text1()->setText(QStringLiteral("チーム") +
                                         wizard->Label1()->text().right(1));
            }
            if (wizard->Text2()->text().isEmpty()) {
                wizard->Text2()->setText(QStringLiteral("選手") + wizard->Label2()->text().mid(3));
            }
            ++wizardEntries;
            later(wizard->Command1());
            return;
        }
        if (auto* report = openWindow<Form3>()) {
            if (!report->property("handled").toBool()) {
                report->setProperty("handled", true);
                ++reports;
                later(report->Command1());
            }
            return;
        }
        if (auto* order = openWindow<Form2>()) {
            // Once per window: its handling ends only when the logic next looks at the pick.
            if (!order->property("handled").toBool()) {
                order->setProperty("handled", true);
                if (order->Command2()->isHidden()) {  // a rookie's slot: the last one
                    ++rookieSlots;
                    later(order->Command1(29));
                    return;
                }
                ++orderWindows;
                order->Command2()->click();  // the sort proposes ベスト打順
                later(order->Command3());
            }
            return;
        }
        if (auto* game = openWindow<Form1>()) {
            // Once per window: the logic closes it only after the click has been taken.
            if (game->Command1()->isVisible() && !game->property("handled").toBool()) {
                game->setProperty("handled", true);
                ++gamesFinished;
                later(game->Command1());
            }
        }
    }

    // Clicks once the event loop is back, and does nothing else until then.
    void later(QAbstractButton* button) {
        busy_ = true;
        // The window may be gone by then: the logic can close it in the same pass of the loop.
        QTimer::singleShot(0, &ticker_, [this, button = QPointer<QAbstractButton>(button)] {
            busy_ = false;
            if (button) button->click();
        });
    }

    Platform& platform_;
    QTimer ticker_;
    QTimer watchdog_;
    bool busy_ = false;
};

// The own team's names as they stand at the first game of a start.
struct FirstGameNames final : SeasonObserver {
    void gamePlayed(const League& league, int gameNumber) override {
        if (gameNumber == 1) names = league.PlayerName[1];
    }
    void seasonPlayed(const League&, int, const ResultsReport&) override {}
    std::array<std::string, kPlayers + 1> names;
};

// The text of the year question, the one message titled "Zelvano 2004".
std::string yearQuestionOf(const SteadyUser& user) {
    std::string text;
    for (const Dialog& dialog : user.dialogs) {
        if (dialog.title == "Zelvano 2004") text += dialog.text;
    }
    return text;
}

QtPlatform::Parts partsIn(const QTemporaryDir& folder) {
    QtPlatform::Parts parts;
    parts.settings = std::make_unique<MemorySettingsStore>();
    parts.files = makeFolderFileStore(folder.path().toStdString());
    parts.random = std::make_unique<SeededRandom>(2024);
    return parts;
}

}  // namespace

class WholeSeasonOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void newLeagueThenASecondStart() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        std::array<std::string, kPlayers + 1> savedNames;
        {
            QtPlatform platform(partsIn(folder));
            SteadyUser user(platform);
            League league;
            QCOMPARE(RunLeague(league, platform), 0);
            savedNames = league.PlayerName[1];
            QVERIFY(!user.stuck);
            QCOMPARE(user.wizardEntries, 90);
            QCOMPARE(user.orderWindows, 8);
            QCOMPARE(user.gamesFinished, 12);
            QVERIFY(user.dialogs.size() >= 4);
            QCOMPARE(user.dialogs.front().title, std::string("Zelvano 2004　選手登録ウィザード"));
            QCOMPARE(user.reports, 1);
            // No scouting list: every rookie of a title year is named by the player.
            QCOMPARE(user.rookieNames, user.rookieSlots);
            QCOMPARE(yearQuestionOf(user), std::string("2年目に進みますか？"));
            QCOMPARE(user.dialogs.back().title, std::string("Zelvano／終了"));
            QCOMPARE(user.dialogs.back().text,
                     std::string("お疲れ様でした。また遊んでくださいね！"));
            QCOMPARE(league.CurrentYear, 1);
            int marks = 0;
            for (int team = 1; team <= 3; ++team) {
                QCOMPARE(league.SeasonMarks[team].size(),
                         std::size_t{12 * 3});  // 12 marks of 3 bytes
                marks += static_cast<int>(league.SeasonMarks[team].size());
            }
            QVERIFY(marks > 0);
        }
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Jbball.jdt"))) ||
                QFile::exists(folder.filePath(QStringLiteral("Jbball.Jdt"))));
        {
            QtPlatform platform(partsIn(folder));
            SteadyUser user(platform);
            League league;
            FirstGameNames observer;
            QCOMPARE(RunLeague(league, platform, &observer), 0);
            QVERIFY(!user.stuck);
            QCOMPARE(user.wizardEntries, 0);
            QCOMPARE(league.TeamName[1], std::string("チーム1"));
            // The own team as the season end of the first start left it.
            QVERIFY(savedNames == observer.names);
            QCOMPARE(league.CurrentYear, 2);
            QCOMPARE(user.reports, 1);
            QCOMPARE(yearQuestionOf(user), std::string("3年目に進みますか？"));
        }
    }
};

QTEST_MAIN(WholeSeasonOnQtTest)
#include "test_whole_season_on_qt.moc"
