// Form4, the registration wizard, on its own: its controls, its tab order and its keyboard habits.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "recording_events.h"
#include "windows/form4.h"

using zelvano::Form4;
using zelvano::test::RecordingWizardEvents;
using zelvano::test::verifyCloseRule;

class Form4Test : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingWizardEvents events;
        Form4 form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("Zelvano 2002　選手登録ウィザード"));
        QCOMPARE(form.Command2()->text(), QStringLiteral("＜＜　戻る　(&B)"));
        QCOMPARE(form.Command1()->text(), QStringLiteral("進む　(&F)  ＞＞"));
        QCOMPARE(form.Label1()->geometry(), QRect(8, 8, 73, 25));        // 120,120,1095,375
        QCOMPARE(form.Text1()->geometry(), QRect(88, 8, 353, 25));       // 1320,120,5295,375
        QCOMPARE(form.Text2()->geometry(), QRect(88, 48, 353, 25));      // 1320,720,5295,375
        QCOMPARE(form.Command2()->geometry(), QRect(88, 88, 121, 25));   // 1320,1320,1815,375
        QCOMPARE(form.Command1()->geometry(), QRect(320, 88, 121, 25));  // 4800,1320,1815,375
        QCOMPARE(form.Label1()->textFormat(), Qt::PlainText);
        QCOMPARE(form.Label2()->textFormat(), Qt::PlainText);
    }

    void textsRoundTrip() {
        RecordingWizardEvents events;
        Form4 form(events);
        form.setTeamLabel("チーム名2");
        form.setPlayerLabel("選手名30");
        form.setTeamText("ブルーウェーブ");
        form.setPlayerText("Ｂ０１");
        QCOMPARE(form.Label1()->text(), QStringLiteral("チーム名2"));
        QCOMPARE(form.Label2()->text(), QStringLiteral("選手名30"));
        QCOMPARE(form.teamText(), std::string("ブルーウェーブ"));
        QCOMPARE(form.playerText(), std::string("Ｂ０１"));
        form.setPlayerText("");
        QCOMPARE(form.playerText(), std::string());
    }

    // The player name comes first in the tab order: Text2, 進む, 戻る, Text1.
    void tabOrder() {
        RecordingWizardEvents events;
        Form4 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Text2());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command2());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Text1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Text2());
        form.closeByProgram();
    }

    // Enter in the player name adds nothing and moves to 進む; a second Enter presses it.
    void enterInPlayerNameMovesToForward() {
        RecordingWizardEvents events;
        Form4 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayerText(false);
        QTest::keyClicks(form.Text2(), QStringLiteral("abc"));
        QTest::keyClick(form.Text2(), Qt::Key_Return);
        QCOMPARE(form.Text2()->text(), QStringLiteral("abc"));
        QCOMPARE(QApplication::focusWidget(), form.Command1());
        QCOMPARE(events.forwards, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.forwards, 1);

        form.focusPlayerText(true);
        QTest::keyClick(form.Text2(), Qt::Key_Enter);  // the keypad's Enter too
        QCOMPARE(QApplication::focusWidget(), form.Command1());
        QCOMPARE(events.forwards, 1);
        form.closeByProgram();
    }

    // After an entry the shown name is selected, so typing replaces it.
    void focusWithSelection() {
        RecordingWizardEvents events;
        Form4 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.setPlayerText("Ｂ０１");
        form.focusPlayerText(true);
        QCOMPARE(QApplication::focusWidget(), form.Text2());
        QCOMPARE(form.Text2()->selectedText(), QStringLiteral("Ｂ０１"));
        QTest::keyClicks(form.Text2(), QStringLiteral("Z"));
        QCOMPARE(form.playerText(), std::string("Z"));

        form.setPlayerText("abc");
        form.focusTeamText();
        QCOMPARE(QApplication::focusWidget(), form.Text1());
        form.focusPlayerText(false);
        QCOMPARE(form.Text2()->selectedText(), QString());
        form.closeByProgram();
    }

    // Alt+B and Alt+F press the buttons (a pressed mnemonic shows the click, so it comes a moment
    // later).
    void mnemonics() {
        RecordingWizardEvents events;
        Form4 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(form.windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(events.backs, 1);
        QCOMPARE(events.forwards, 0);
        QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(events.forwards, 1);
        QCOMPARE(events.backs, 1);
        QTest::mouseClick(form.Command2(), Qt::LeftButton);
        QCOMPARE(events.backs, 2);
        form.closeByProgram();
    }

    void userCloseAsksProgramCloseDoesNot() { verifyCloseRule<Form4, RecordingWizardEvents>(); }
};

QTEST_MAIN(Form4Test)
#include "test_form4.moc"
