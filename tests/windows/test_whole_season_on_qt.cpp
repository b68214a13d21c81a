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

#include "folder_store/folder_file_store.h"
#include "season/season_driver.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/registration_wizard_window.h"
#include "windows/results_report_window.h"
#include "windows/scoreboard_window.h"

using namespace zelvano;
using test::control;
using test::openWindow;

namespace {

// A user who does the obvious thing with whatever is on screen, and notes what he saw. Every
// question the game asks here is the year question: he stops after this year.
class SteadyUser final : public test::DialogClicker {
public:
    int wizardEntries = 0;
    int orderWindows = 0;
    int gamesFinished = 0;
    int reports = 0;
    int rookieSlots = 0;

private:
    void actOnWindows() override {
        if (auto* wizard = openWindow<RegistrationWizardWindow>()) {
            auto* teamName = control<QLineEdit>(*wizard, "teamNameEdit");
            auto* playerName = control<QLineEdit>(*wizard, "playerNameEdit");
            if (teamName->text().isEmpty()) {
                teamName->setText(QStringLiteral("チーム") +
                                  control<QLabel>(*wizard, "teamLabel")->text().right(1));
            }
            if (playerName->text().isEmpty()) {
                playerName->setText(QStringLiteral("選手") +
                                    control<QLabel>(*wizard, "playerLabel")->text().mid(3));
            }
            ++wizardEntries;
            clickLater(control<QPushButton>(*wizard, "forwardButton"));
            return;
        }
        if (auto* report = openWindow<ResultsReportWindow>()) {
            if (!report->property("handled").toBool()) {
                report->setProperty("handled", true);
                ++reports;
                clickLater(control<QPushButton>(*report, "okButton"));
            }
            return;
        }
        if (auto* order = openWindow<BattingOrderWindow>()) {
            // Once per window: its handling ends only when the logic next looks at the pick.
            if (!order->property("handled").toBool()) {
                order->setProperty("handled", true);
                if (control(*order, "sortButton")->isHidden()) {  // a rookie's slot: the last one
                    ++rookieSlots;
                    clickLater(control<QPushButton>(*order, "playerButton", 29));
                    return;
                }
                ++orderWindows;
                control<QPushButton>(*order, "sortButton")->click();  // proposes ベスト打順
                clickLater(control<QPushButton>(*order, "wholeOrderButton"));
            }
            return;
        }
        if (auto* game = openWindow<ScoreboardWindow>()) {
            // Once per window: the logic closes it only after the click has been taken.
            auto* next = control<QPushButton>(*game, "nextButton");
            if (next->isVisible() && !game->property("handled").toBool()) {
                game->setProperty("handled", true);
                ++gamesFinished;
                clickLater(next);
            }
        }
    }

    // Clicks once the event loop is back, and does nothing else until then.
    void clickLater(QAbstractButton* button) {
        // The window may be gone by then: the logic can close it in the same pass of the loop.
        later([button = QPointer<QAbstractButton>(button)] {
            if (button) button->click();
        });
    }
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
    for (const auto& dialog : user.dialogs) {
        if (dialog.title == "Zelvano 2004") text += dialog.text;
    }
    return text;
}

// The league in the folder on disk, the settings in memory.
QtPlatform::Parts partsIn(const QTemporaryDir& folder) {
    QtPlatform::Parts parts = test::memoryParts(std::make_unique<SeededRandom>(2024)).parts;
    parts.files = makeFolderFileStore(folder.path().toStdString());
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
            SteadyUser user;
            user.start(platform, 120000);
            League league;
            QCOMPARE(runLeague(league, platform), 0);
            savedNames = league.PlayerName[1];
            QVERIFY(!user.stuck);
            QCOMPARE(user.wizardEntries, 90);
            QCOMPARE(user.orderWindows, 8);
            QCOMPARE(user.gamesFinished, 12);
            QVERIFY(user.dialogs.size() >= 4);
            QCOMPARE(user.dialogs.front().title, std::string("Zelvano 2004　選手登録ウィザード"));
            QCOMPARE(user.reports, 1);
            // No scouting list: every rookie of a title year is named by the player.
            QCOMPARE(user.typedNames, user.rookieSlots);
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
            SteadyUser user;
            user.start(platform, 120000);
            League league;
            FirstGameNames observer;
            QCOMPARE(runLeague(league, platform, &observer), 0);
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
