// Form2, the batting-order window, on its own: its layout and how greyed rows and the shortcut
// buttons behave towards the mouse and the keyboard.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "recording_events.h"
#include "windows/form2.h"
#include "windows/look.h"

using zelvano::Form2;
using zelvano::test::RecordingOrderEvents;
using zelvano::test::verifyCloseRule;

namespace {

void fillRows(Form2& form) {
    for (int index = 0; index < 30; ++index) {
        form.setPlayerRow(index, "選手" + std::to_string(index + 1), 200 + index);
    }
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingOrderEvents events;
        Form2 form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("打者選考"));
        QCOMPARE(zelvano::background(form), QColor(255, 255, 224));
        QVERIFY(form.autoFillBackground());
        QVERIFY(form.Command3()->isHidden());
        QCOMPARE(form.Command3()->text(), QStringLiteral("前回と同順"));
        QCOMPARE(form.Command2()->text(), QStringLiteral("打順の打率順ソート"));
        QVERIFY(form.Command2()->isEnabled());
        QCOMPARE(form.Label1()->geometry(), QRect(8, 8, 585, 17));        // 120,120,8775,255
        QCOMPARE(form.Label2()->geometry(), QRect(8, 32, 593, 17));       // 120,480,8895,255
        QCOMPARE(form.Label5()->geometry(), QRect(8, 368, 273, 25));      // 120,5520,4095,375
        QCOMPARE(form.Command3()->geometry(), QRect(352, 368, 89, 18));   // 5280,5520,1335,270
        QCOMPARE(form.Command2()->geometry(), QRect(456, 368, 121, 18));  // 6840,5520,1815,270
        QCOMPARE(form.Label1()->font().family(), QStringLiteral("IPAGothic"));
        QCOMPARE(form.Label1()->font().pixelSize(), 13);  // 9.75 pt
        QCOMPARE(form.Label5()->font().family(), QStringLiteral("IPAMincho"));
        QCOMPARE(form.Label5()->font().pixelSize(), 18);   // 13.5 pt
        QCOMPARE(form.Label3(0)->font().pixelSize(), 16);  // 12 pt
        QCOMPARE(zelvano::background(*form.Label3(7)), QColor(255, 255, 255));
        QVERIFY(form.Label3(7)->autoFillBackground());
    }

    // Players 1..15 in the left column, 16..30 in the right, row r at 650 + 300 × r twips.
    void rowLayout() {
        RecordingOrderEvents events;
        Form2 form(events);
        fillRows(form);
        // Player 1: row 1, top 950.
        QCOMPARE(form.Command1(0)->geometry(), QRect(8, 63, 25, 18));
        QCOMPARE(form.Label3(0)->geometry(), QRect(33, 63, 209, 17));
        QCOMPARE(form.Label4(0)->geometry(), QRect(233, 63, 41, 17));
        // Player 15: row 15, top 5150.
        QCOMPARE(form.Command1(14)->geometry().topLeft(), QPoint(8, 343));
        // Player 16: column 2, row 1.
        QCOMPARE(form.Command1(15)->geometry(), QRect(313, 63, 25, 18));
        QCOMPARE(form.Label3(15)->geometry().topLeft(), QPoint(339, 63));
        QCOMPARE(form.Label4(15)->geometry().topLeft(), QPoint(539, 63));
        // Player 30: column 2, row 15.
        QCOMPARE(form.Label4(29)->geometry().topLeft(), QPoint(539, 343));

        QCOMPARE(form.Command1(4)->text(), QStringLiteral("5"));
        QCOMPARE(form.Label3(4)->text(), QStringLiteral("  選手5"));
        QCOMPARE(form.Label4(4)->text(), QStringLiteral("204"));
    }

    void namesArePlainText() {
        RecordingOrderEvents events;
        Form2 form(events);
        form.setPlayerRow(2, "<b>x</b>", 0);
        form.setMatchLine("<i>A</i>対Bの試合です。");
        QCOMPARE(form.Label3(2)->text(), QStringLiteral("  <b>x</b>"));
        for (QLabel* label : form.findChildren<QLabel*>()) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
    }

    // A greyed player can be neither clicked nor double-clicked; the others can.
    void disabledRowsSendNothing() {
        RecordingOrderEvents events;
        Form2 form(events);
        fillRows(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        form.disablePlayer(4, false);
        QVERIFY(!form.Command1(4)->isEnabled());
        QVERIFY(!form.Label3(4)->isEnabled());
        QVERIFY(form.Label4(4)->isEnabled());  // a player without hits still shows his 0
        QTest::mouseClick(form.Command1(4), Qt::LeftButton);
        QTest::mouseDClick(form.Label3(4), Qt::LeftButton);
        QVERIFY(events.clicks.empty());
        QVERIFY(events.doubleClicks.empty());

        QTest::mouseClick(form.Command1(5), Qt::LeftButton);
        QTest::mouseDClick(form.Label3(5), Qt::LeftButton);
        QCOMPARE(events.clicks, std::vector<int>{5});
        QCOMPARE(events.doubleClicks, std::vector<int>{5});

        form.disablePlayer(5, true);  // picked: the average greys too
        QVERIFY(!form.Label4(5)->isEnabled());
        QTest::mouseDClick(form.Label3(5), Qt::LeftButton);
        QCOMPARE(events.doubleClicks, std::vector<int>{5});
        form.closeByProgram();
    }

    void wholeOrderButton() {
        RecordingOrderEvents events;
        Form2 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showWholeOrderButton("ベスト打順");
        QVERIFY(form.Command3()->isVisible());
        QVERIFY(form.Command3()->isEnabled());
        QCOMPARE(form.Command3()->text(), QStringLiteral("ベスト打順"));
        QTest::mouseClick(form.Command3(), Qt::LeftButton);
        QCOMPARE(events.wholeOrders, 1);
        QTest::mouseClick(form.Command2(), Qt::LeftButton);
        QCOMPARE(events.sorts, 1);

        form.disableShortcuts();
        QVERIFY(!form.Command2()->isEnabled());
        QVERIFY(!form.Command3()->isEnabled());
        QTest::mouseClick(form.Command3(), Qt::LeftButton);
        QTest::mouseClick(form.Command2(), Qt::LeftButton);
        QCOMPARE(events.wholeOrders, 1);
        QCOMPARE(events.sorts, 1);
        form.closeByProgram();
    }

    // A suggestion moves the focus to the player's button, unless he has been picked already.
    void focusPlayerSkipsDisabledButtons() {
        RecordingOrderEvents events;
        Form2 form(events);
        fillRows(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayer(2);
        QCOMPARE(QApplication::focusWidget(), form.Command1(2));
        form.disablePlayer(7, true);
        form.focusPlayer(7);
        QCOMPARE(QApplication::focusWidget(), form.Command1(2));
        form.focusPlayer(20);
        QCOMPARE(QApplication::focusWidget(), form.Command1(20));
        form.closeByProgram();
    }

    // The whole window works from the keyboard: Tab walks the players and the shortcuts, Enter
    // and Space press the focused button.
    void keyboard() {
        RecordingOrderEvents events;
        Form2 form(events);
        fillRows(form);
        form.showWholeOrderButton("前回と同順");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayer(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(events.clicks, (std::vector<int>{3, 3}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command1(4));

        form.disablePlayer(29, true);
        form.focusPlayer(28);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command3());  // skips the greyed player 30
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.wholeOrders, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command2());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.sorts, 1);
        form.closeByProgram();
    }

    void userCloseAsksProgramCloseDoesNot() { verifyCloseRule<Form2, RecordingOrderEvents>(); }
};

QTEST_MAIN(Form2Test)
#include "test_form2.moc"
