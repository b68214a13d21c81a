// A new league registered by the logic on the real wizard window: the warnings for empty names,
// going back and forward, and Enter, Enter to accept a default name.

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "gui_script.h"
#include "league/registration.h"
#include "platform/qt/qt_platform.h"
#include "support/scripted_user.h"
#include "windows/form4.h"

using namespace zelvano;
using test::clickLater;
using test::GuiScript;
using test::openWindow;

namespace {

const std::string kWizardTitle = "Zelvano 2004　選手登録ウィザード";

// The wizard is up at the given entry.
Form4* at(int team, int player) {
    Form4* form = openWindow<Form4>();
    if (form == nullptr || form->Label1()->text() != QStringLiteral("チーム名%1").arg(team) ||
        form->Label2()->text() != QStringLiteral("選手名%1").arg(player)) {
        return nullptr;
    }
    return form;
}

QString playerName(int team, int player) {
    return QStringLiteral("選手%1-%2").arg(team).arg(player);
}

// Types the entry's names and presses 進む.
void enter(GuiScript& script, int team, int player, const QString& teamName) {
    script.step([=] {
        Form4* form = at(team, player);
        if (form == nullptr) return false;
        form->Text1()->setText(teamName);
        form->Text2()->setText(playerName(team, player));
        clickLater(form->Command1());
        return true;
    });
}

}  // namespace

class WizardOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void registerALeague() {
        auto files = std::make_unique<testing::MemoryFileStore>();
        testing::MemoryFileStore& saved = *files;
        QtPlatform::Parts parts;
        parts.settings = std::make_unique<MemorySettingsStore>();
        parts.files = std::move(files);
        parts.random = std::make_unique<SeededRandom>(1);
        QtPlatform platform(std::move(parts));
        League league;
        GuiScript script;
        std::string firstTitle, warningTitle, lastTitle;

        script.answerMessage(QMessageBox::Ok, {}, &firstTitle);
        // The first entry: empty boxes, the player name has the focus; 戻る stays put.
        script.step([&] {
            Form4* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->Text1()->text(), QString());
            SCRIPT_COMPARE(form->Text2()->text(), QString());
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(form->Text2()));
            clickLater(form->Command2());
            return true;
        });
        // 進む without a player name: a warning, and the focus goes back to the player name.
        script.step([&] {
            Form4* form = at(1, 1);
            if (form == nullptr) return false;
            form->Text1()->setFocus();
            clickLater(form->Command1());
            return true;
        });
        script.answerMessage(QMessageBox::Ok, "選手名が未入力です。名前を登録してください。",
                             &warningTitle);
        script.step([&] {
            Form4* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(form->Text2()));
            form->Text2()->setText(playerName(1, 1));
            clickLater(form->Command1());
            return true;
        });
        // Without a team name: the other warning, the focus on the team name.
        script.answerMessage(QMessageBox::Ok,
                             "チーム名が未入力です。チームの名前を登録してください。");
        script.step([&] {
            Form4* form = at(1, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(form->Text1()));
            form->Text1()->setText(QStringLiteral("タイガース"));
            // Enter in the player name moves to 進む; the second Enter is posted, as a user's
            // key would be, and stores the entry.
            form->Text2()->setFocus();
            QTest::keyClick(form->Text2(), Qt::Key_Return);
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(form->Command1()));
            QPushButton* forward = form->Command1();
            QTimer::singleShot(0, forward, [forward] { QTest::keyClick(forward, Qt::Key_Return); });
            return true;
        });
        // The team name stays for the next player of the same team.
        script.step([&] {
            Form4* form = at(1, 2);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->Text1()->text(), QStringLiteral("タイガース"));
            SCRIPT_COMPARE(form->Text2()->text(), QString());
            return true;
        });
        for (int player = 2; player <= 30; ++player) enter(script, 1, player, "タイガース");
        // Team 2 shows its default name, selected: Enter, Enter accepts it.
        script.step([&] {
            Form4* form = at(2, 1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->Text2()->text(), QStringLiteral("Ｂ０１"));
            SCRIPT_COMPARE(form->Text2()->selectedText(), QStringLiteral("Ｂ０１"));
            SCRIPT_COMPARE(form->Text1()->text(), QString());
            clickLater(form->Command2());  // back to team 1, player 30
            return true;
        });
        script.step([&] {
            Form4* form = at(1, 30);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->Text1()->text(), QStringLiteral("タイガース"));
            SCRIPT_COMPARE(form->Text2()->text(), playerName(1, 30));
            clickLater(form->Command1());
            return true;
        });
        script.step([&] {
            Form4* form = at(2, 1);
            if (form == nullptr) return false;
            form->Text1()->setText(QStringLiteral("ブルー"));
            QTest::keyClick(form->Text2(), Qt::Key_Return);
            QPushButton* forward = form->Command1();
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
        RegisterNewLeague(league, platform);
        QVERIFY(!script.stuck);
        QVERIFY(script.finished());
        QCOMPARE(script.mismatches, std::vector<std::string>{});
        QCOMPARE(firstTitle, kWizardTitle);
        QCOMPARE(warningTitle, std::string("Zelvano2004"));
        QCOMPARE(lastTitle, kWizardTitle);
        QVERIFY(openWindow<Form4>() == nullptr);

        QCOMPARE(league.TeamName[1], std::string("タイガース"));
        QCOMPARE(league.TeamName[2], std::string("ブルー"));
        QCOMPARE(league.TeamName[3], std::string("レッド"));
        QCOMPARE(league.PlayerName[1][1], playerName(1, 1).toStdString());
        QCOMPARE(league.PlayerName[1][30], playerName(1, 30).toStdString());
        QCOMPARE(league.PlayerName[2][1], std::string("Ｂ０１"));
        QCOMPARE(league.PlayerName[2][2], playerName(2, 2).toStdString());
        QCOMPARE(league.PlayerName[3][30], playerName(3, 30).toStdString());
        QVERIFY(saved.exists("Jbball.jdt"));
    }

    // Closing the wizard asks the forced-quit question; Yes ends the program before any save.
    void closeAnsweredYes() {
        auto files = std::make_unique<testing::MemoryFileStore>();
        testing::MemoryFileStore& saved = *files;
        QtPlatform::Parts parts;
        parts.settings = std::make_unique<MemorySettingsStore>();
        parts.files = std::move(files);
        QtPlatform platform(std::move(parts));
        League league;
        GuiScript script;
        script.answerMessage(QMessageBox::Ok);
        script.step([&] {
            Form4* form = at(1, 1);
            if (form == nullptr) return false;
            test::closeLater(form);
            return true;
        });
        script.answerMessage(QMessageBox::Yes, test::kForcedQuitQuestion);
        script.start(platform);
        QCOMPARE(test::endStatusOf([&] { RegisterNewLeague(league, platform); }), 0);
        QVERIFY(!script.stuck);
        QVERIFY(!saved.exists("Jbball.jdt"));
    }
};

QTEST_MAIN(WizardOnQtTest)
#include "test_wizard_on_qt.moc"
