// The registration wizard on its own: its controls, its tab order and its keyboard habits.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "recording_events.h"
#include "window_fixture.h"
#include "windows/registration_wizard_window.h"

using zelvano::RegistrationWizardWindow;
using zelvano::test::control;
using zelvano::test::RecordingRegistrationWizardEvents;
using zelvano::test::verifyCloseRule;

namespace {

QLabel* label(const RegistrationWizardWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
QLineEdit* edit(const RegistrationWizardWindow& window, const char* name) {
    return control<QLineEdit>(window, name);
}
QPushButton* button(const RegistrationWizardWindow& window, const char* name) {
    return control<QPushButton>(window, name);
}

}  // namespace

class RegistrationWizardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("Zelvano 2002　選手登録ウィザード"));
        QCOMPARE(button(form, "backButton")->text(), QStringLiteral("＜＜　戻る　(&B)"));
        QCOMPARE(button(form, "forwardButton")->text(), QStringLiteral("進む　(&F)  ＞＞"));
        QCOMPARE(label(form, "teamLabel")->geometry(), QRect(8, 8, 73, 25));  // 120,120,1095,375
        QCOMPARE(edit(form, "teamNameEdit")->geometry(),
                 QRect(88, 8, 353, 25));  // 1320,120,5295,375
        QCOMPARE(edit(form, "playerNameEdit")->geometry(),
                 QRect(88, 48, 353, 25));  // 1320,720,5295,375
        QCOMPARE(button(form, "backButton")->geometry(),
                 QRect(88, 88, 121, 25));  // 1320,1320,1815,375
        QCOMPARE(button(form, "forwardButton")->geometry(),
                 QRect(320, 88, 121, 25));  // 4800,1320,1815,375
        QCOMPARE(label(form, "teamLabel")->textFormat(), Qt::PlainText);
        QCOMPARE(label(form, "playerLabel")->textFormat(), Qt::PlainText);
    }

    void textsRoundTrip() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        form.setTeamLabel("チーム名2");
        form.setPlayerLabel("選手名30");
        form.setTeamText("ブルーウェーブ");
        form.setPlayerText("Ｂ０１");
        QCOMPARE(label(form, "teamLabel")->text(), QStringLiteral("チーム名2"));
        QCOMPARE(label(form, "playerLabel")->text(), QStringLiteral("選手名30"));
        QCOMPARE(form.teamText(), std::string("ブルーウェーブ"));
        QCOMPARE(form.playerText(), std::string("Ｂ０１"));
        form.setPlayerText("");
        QCOMPARE(form.playerText(), std::string());
    }

    // The player name comes first in the tab order: the player name, 進む, 戻る, the team name.
    void tabOrder() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), edit(form, "playerNameEdit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(form, "forwardButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(form, "backButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit(form, "teamNameEdit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit(form, "playerNameEdit"));
        form.closeByProgram();
    }

    // Enter in the player name adds nothing and moves to 進む; a second Enter presses it.
    void enterInPlayerNameMovesToForward() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayerText(false);
        QTest::keyClicks(edit(form, "playerNameEdit"), QStringLiteral("abc"));
        QTest::keyClick(edit(form, "playerNameEdit"), Qt::Key_Return);
        QCOMPARE(edit(form, "playerNameEdit")->text(), QStringLiteral("abc"));
        QCOMPARE(QApplication::focusWidget(), button(form, "forwardButton"));
        QCOMPARE(events.forwards, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.forwards, 1);

        form.focusPlayerText(true);
        QTest::keyClick(edit(form, "playerNameEdit"), Qt::Key_Enter);  // the keypad's Enter too
        QCOMPARE(QApplication::focusWidget(), button(form, "forwardButton"));
        QCOMPARE(events.forwards, 1);
        form.closeByProgram();
    }

    // After an entry the shown name is selected, so typing replaces it.
    void focusWithSelection() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.setPlayerText("Ｂ０１");
        form.focusPlayerText(true);
        QCOMPARE(QApplication::focusWidget(), edit(form, "playerNameEdit"));
        QCOMPARE(edit(form, "playerNameEdit")->selectedText(), QStringLiteral("Ｂ０１"));
        QTest::keyClicks(edit(form, "playerNameEdit"), QStringLiteral("Z"));
        QCOMPARE(form.playerText(), std::string("Z"));

        form.setPlayerText("abc");
        form.focusTeamText();
        QCOMPARE(QApplication::focusWidget(), edit(form, "teamNameEdit"));
        form.focusPlayerText(false);
        QCOMPARE(edit(form, "playerNameEdit")->selectedText(), QString());
        form.closeByProgram();
    }

    // Alt+B and Alt+F press the buttons (a pressed mnemonic shows the click, so it comes a moment
    // later).
    void mnemonics() {
        RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(form.windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(events.backs, 1);
        QCOMPARE(events.forwards, 0);
        QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(events.forwards, 1);
        QCOMPARE(events.backs, 1);
        QTest::mouseClick(button(form, "backButton"), Qt::LeftButton);
        QCOMPARE(events.backs, 2);
        form.closeByProgram();
    }

    void userCloseAsksProgramCloseDoesNot() {
        verifyCloseRule<RegistrationWizardWindow, RecordingRegistrationWizardEvents>();
    }
};

QTEST_MAIN(RegistrationWizardWindowTest)
#include "test_registration_wizard_window.moc"
