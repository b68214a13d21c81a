// A new league registered by the logic on the real wizard window: the warnings for empty names,
// going back and forward, and Enter, Enter to accept a default name.

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "league/registration.h"
#include "window_fixture.h"
#include "windows/registration_wizard_window.h"

using namespace zelvano;
using test::clickLater;
using test::control;
using test::GuiScript;
using test::openWindow;

namespace {

const std::string kWizardTitle = "Zelvano 2004　選手登録ウィザード";

QLineEdit* teamName(const RegistrationWizardWindow& window) {
    return control<QLineEdit>(window, "teamNameEdit");
}
QLineEdit* playerName(const RegistrationWizardWindow& window) {
    return control<QLineEdit>(window, "playerNameEdit");
}
QPushButton* forwardButton(const RegistrationWizardWindow& window) {
    return control<QPushButton>(window, "forwardButton");
}
QPushButton* backButton(const RegistrationWizardWindow& window) {
    return control<QPushButton>(window, "backButton");
}

// The wizard is up at the given entry.
RegistrationWizardWindow* at(int team, int player) {
    auto* form = openWindow<RegistrationWizardWindow>();
    if (form == nullptr ||
        control<QLabel>(*form, "teamLabel")->text() != QStringLiteral("チーム名%1").arg(team) ||
        control<QLabel>(*form, "playerLabel")->text() != QStringLiteral("選手名%1").arg(player)) {
        return nullptr;
    }
    return form;
}

QString nameOfPlayer(int team, int player) {
    return QStringLiteral("選手%1-%2").arg(team).arg(player);
}

// Types the entry's names and presses 進む.
void enter(GuiScript& script, int team, int player, const QString& nameOfTeam) {
    script.step([=] {
        RegistrationWizardWindow* form = at(team, player);
        if (form == nullptr) return false;
        teamName(*form)->setText(nameOfTeam);
        playerName(*form)->setText(nameOfPlayer(team, player));
        clickLater(forwardButton(*form));
        return true;
    });
}

}  // namespace

class WizardOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void registerALeague() {
        test::MemoryParts memory = test::memoryParts();
        testing::MemoryFileStore& saved = *memory.files;
        QtPlatform platform(std::move(memory.parts));
        League league;
        GuiScript script;
        std::string firstTitle, warningTitle, lastTitle;

        script.answerMessage(QMessageBox::Ok, {}, &firstTitle);
        // The first entry: empty boxes, the player name has the focus; 戻る stays put.
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(teamName(*form)->text(), QString());
            SCRIPT_COMPARE(playerName(*form)->text(), QString());
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(playerName(*form)));
            clickLater(backButton(*form));
            return true;
        });
        // 進む without a player name: a warning, and the focus goes back to the player name.
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 1);
            if (form == nullptr) return false;
            teamName(*form)->setFocus();
            clickLater(forwardButton(*form));
            return true;
        });
        script.answerMessage(QMessageBox::Ok, "選手名が未入力です。名前を登録してください。",
                             &warningTitle);
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(playerName(*form)));
            playerName(*form)->setText(nameOfPlayer(1, 1));
            clickLater(forwardButton(*form));
            return true;
        });
        // Without a team name: the other warning, the focus on the team name.
        script.answerMessage(QMessageBox::Ok,
                             "チーム名が未入力です。チームの名前を登録してください。");
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(teamName(*form)));
            teamName(*form)->setText(QStringLiteral("タイガース"));
            // Enter in the player name moves to 進む; the second Enter is posted, as a user's
            // key would be, and stores the entry.
            playerName(*form)->setFocus();
            QTest::keyClick(playerName(*form), Qt::Key_Return);
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(forwardButton(*form)));
            QPushButton* forward = forwardButton(*form);
            QTimer::singleShot(0, forward, [forward] { QTest::keyClick(forward, Qt::Key_Return); });
            return true;
        });
        // The team name stays for the next player of the same team.
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 2);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(teamName(*form)->text(), QStringLiteral("タイガース"));
            SCRIPT_COMPARE(playerName(*form)->text(), QString());
            return true;
        });
        for (int player = 2; player <= 30; ++player) enter(script, 1, player, "タイガース");
        // Team 2 shows its default name, selected: Enter, Enter accepts it.
        script.step([&] {
            RegistrationWizardWindow* form = at(2, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(playerName(*form)->text(), QStringLiteral("Ｂ０１"));
            SCRIPT_COMPARE(playerName(*form)->selectedText(), QStringLiteral("Ｂ０１"));
            SCRIPT_COMPARE(teamName(*form)->text(), QString());
            clickLater(backButton(*form));  // back to team 1, player 30
            return true;
        });
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 30);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(teamName(*form)->text(), QStringLiteral("タイガース"));
            SCRIPT_COMPARE(playerName(*form)->text(), nameOfPlayer(1, 30));
            clickLater(forwardButton(*form));
            return true;
        });
        script.step([&] {
            RegistrationWizardWindow* form = at(2, 1);
            if (form == nullptr) return false;
            teamName(*form)->setText(QStringLiteral("ブルー"));
            QTest::keyClick(playerName(*form), Qt::Key_Return);
            QPushButton* forward = forwardButton(*form);
            QTimer::singleShot(0, forward, [forward] { QTest::keyClick(forward, Qt::Key_Return); });
            return true;
        });
        for (int player = 2; player <= 30; ++player) enter(script, 2, player, "ブルー");
        for (int player = 1; player <= 30; ++player) enter(script, 3, player, "レッド");
        script.answerMessage(
            QMessageBox::Ok,
            "登録は無事完了しました。お疲れ様でした。それではゲームをお楽しみください。",
            &lastTitle);

        script.start(platform);
        registerNewLeague(league, platform);
        QVERIFY(!script.stuck);
        QVERIFY(script.finished());
        QCOMPARE(script.mismatches, std::vector<std::string>{});
        QCOMPARE(firstTitle, kWizardTitle);
        QCOMPARE(warningTitle, std::string("Zelvano2004"));
        QCOMPARE(lastTitle, kWizardTitle);
        QVERIFY(openWindow<RegistrationWizardWindow>() == nullptr);

        QCOMPARE(league.TeamName[1], std::string("タイガース"));
        QCOMPARE(league.TeamName[2], std::string("ブルー"));
        QCOMPARE(league.TeamName[3], std::string("レッド"));
        QCOMPARE(league.PlayerName[1][1], nameOfPlayer(1, 1).toStdString());
        QCOMPARE(league.PlayerName[1][30], nameOfPlayer(1, 30).toStdString());
        QCOMPARE(league.PlayerName[2][1], std::string("Ｂ０１"));
        QCOMPARE(league.PlayerName[2][2], nameOfPlayer(2, 2).toStdString());
        QCOMPARE(league.PlayerName[3][30], nameOfPlayer(3, 30).toStdString());
        QVERIFY(saved.exists("Jbball.jdt"));
    }

    // Closing the wizard asks the forced-quit question; Yes ends the program before any save.
    void closeAnsweredYes() {
        test::MemoryParts memory = test::memoryParts();
        testing::MemoryFileStore& saved = *memory.files;
        QtPlatform platform(std::move(memory.parts));
        League league;
        GuiScript script;
        script.answerMessage(QMessageBox::Ok);
        script.step([&] {
            RegistrationWizardWindow* form = at(1, 1);
            if (form == nullptr) return false;
            test::closeLater(form);
            return true;
        });
        script.answerMessage(QMessageBox::Yes, test::kForcedQuitQuestion);
        script.start(platform);
        QCOMPARE(test::endStatusOf([&] { registerNewLeague(league, platform); }), 0);
        QVERIFY(!script.stuck);
        QVERIFY(!saved.exists("Jbball.jdt"));
    }
};

QTEST_MAIN(WizardOnQtTest)
#include "test_wizard_on_qt.moc"
