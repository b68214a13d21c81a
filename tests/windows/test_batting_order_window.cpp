// The batting-order window on its own: its layout and how greyed rows and the shortcut
// buttons behave towards the mouse and the keyboard.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "batting_order_controls.h"
#include "recording_events.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/look.h"

using zelvano::BattingOrderWindow;
using zelvano::test::control;
using zelvano::test::label;
using zelvano::test::playerButton;
using zelvano::test::RecordingBattingOrderEvents;
using zelvano::test::sortButton;
using zelvano::test::verifyCloseRule;
using zelvano::test::wholeOrderButtonOf;

namespace {

void fillRows(BattingOrderWindow& form) {
    for (int index = 0; index < 30; ++index) {
        form.setPlayerRow(index, "選手" + std::to_string(index + 1), 200 + index);
    }
}

}  // namespace

class BattingOrderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("打者選考"));
        QCOMPARE(zelvano::background(form), QColor(255, 255, 224));
        QVERIFY(form.autoFillBackground());
        QVERIFY(wholeOrderButtonOf(form)->isHidden());
        QCOMPARE(wholeOrderButtonOf(form)->text(), QStringLiteral("前回と同順"));
        QCOMPARE(sortButton(form)->text(), QStringLiteral("打順の打率順ソート"));
        QVERIFY(sortButton(form)->isEnabled());
        QCOMPARE(label(form, "matchLabel")->geometry(), QRect(8, 8, 585, 17));  // 120,120,8775,255
        QCOMPARE(label(form, "rosterTitleLabel")->geometry(),
                 QRect(8, 32, 593, 17));  // 120,480,8895,255
        QCOMPARE(label(form, "promptLabel")->geometry(),
                 QRect(8, 368, 273, 25));  // 120,5520,4095,375
        QCOMPARE(wholeOrderButtonOf(form)->geometry(),
                 QRect(352, 368, 89, 18));                                 // 5280,5520,1335,270
        QCOMPARE(sortButton(form)->geometry(), QRect(456, 368, 121, 18));  // 6840,5520,1815,270
        QCOMPARE(label(form, "matchLabel")->font().family(), QStringLiteral("IPAGothic"));
        QCOMPARE(label(form, "matchLabel")->font().pixelSize(), 13);  // 9.75 pt
        QCOMPARE(label(form, "promptLabel")->font().family(), QStringLiteral("IPAMincho"));
        QCOMPARE(label(form, "promptLabel")->font().pixelSize(), 18);         // 13.5 pt
        QCOMPARE(label(form, "playerNameLabel", 0)->font().pixelSize(), 16);  // 12 pt
        QCOMPARE(zelvano::background(*label(form, "playerNameLabel", 7)), QColor(255, 255, 255));
        QVERIFY(label(form, "playerNameLabel", 7)->autoFillBackground());
    }

    // Players 1..15 in the left column, 16..30 in the right, row r at 650 + 300 × r twips.
    void rowLayout() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        fillRows(form);
        // Player 1: row 1, top 950.
        QCOMPARE(playerButton(form, 0)->geometry(), QRect(8, 63, 25, 18));
        // The name ends 4 pixels before the average (500 to 3440 twips).
        QCOMPARE(label(form, "playerNameLabel", 0)->geometry(), QRect(33, 63, 196, 17));
        QCOMPARE(label(form, "playerAverageLabel", 0)->geometry(), QRect(233, 63, 41, 17));
        // Player 15: row 15, top 5150.
        QCOMPARE(playerButton(form, 14)->geometry().topLeft(), QPoint(8, 343));
        // Player 16: column 2, row 1.
        QCOMPARE(playerButton(form, 15)->geometry(), QRect(313, 63, 25, 18));
        QCOMPARE(label(form, "playerNameLabel", 15)->geometry().topLeft(), QPoint(339, 63));
        QCOMPARE(label(form, "playerAverageLabel", 15)->geometry().topLeft(), QPoint(539, 63));
        // Player 30: column 2, row 15.
        QCOMPARE(label(form, "playerAverageLabel", 29)->geometry().topLeft(), QPoint(539, 343));

        QCOMPARE(playerButton(form, 4)->text(), QStringLiteral("5"));
        QCOMPARE(label(form, "playerNameLabel", 4)->text(), QStringLiteral("  選手5"));
        QCOMPARE(label(form, "playerAverageLabel", 4)->text(), QStringLiteral("204"));
    }

    // A name of twenty full-width characters is wider than its place: it is cut where it must
    // be, with "…", and never runs into the average, which stays whole; the tool tip and a
    // screen reader have the whole name. Whether the window asks for the batting order or for a
    // rookie's slot.
    void longNamesStopBeforeTheirAverage_data() {
        QTest::addColumn<bool>("rookieSlot");
        QTest::newRow("batting order") << false;
        QTest::newRow("rookie's slot") << true;
    }
    void longNamesStopBeforeTheirAverage() {
        QFETCH(bool, rookieSlot);
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        if (rookieSlot) form.hideShortcuts();
        const QString longName = QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水");
        QCOMPARE(longName.size(), 20);
        for (int index = 0; index < 30; ++index) {
            form.setPlayerRow(index, index % 2 == 0 ? longName.toStdString() : "山田", 287 + index);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int index = 0; index < 30; ++index) {
            const QLabel* name = label(form, "playerNameLabel", index);
            const QLabel* average = label(form, "playerAverageLabel", index);
            QVERIFY(!name->geometry().intersects(average->geometry()));
            QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <=
                    name->contentsRect().width());
            QCOMPARE(average->text(), QString::number(287 + index));
            QVERIFY(average->fontMetrics().horizontalAdvance(average->text()) <= average->width());
            if (index % 2 == 0) {
                QVERIFY(name->text().endsWith(QChar(0x2026)));
                QVERIFY(longName.startsWith(name->text().trimmed().chopped(1)));
                QCOMPARE(name->toolTip(), longName);
                QCOMPARE(name->accessibleName(), longName);
            } else {
                QCOMPARE(name->text(), QStringLiteral("  山田"));
                QCOMPARE(name->toolTip(), QString());
            }
        }
        form.closeByProgram();
    }

    void namesArePlainText() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        form.setPlayerRow(2, "<b>x</b>", 0);
        form.setMatchLine("<i>A</i>対Bの試合です。");
        QCOMPARE(label(form, "playerNameLabel", 2)->text(), QStringLiteral("  <b>x</b>"));
        for (const QLabel* each : form.findChildren<QLabel*>()) {
            QCOMPARE(each->textFormat(), Qt::PlainText);
        }
    }

    // A greyed player can be neither clicked nor double-clicked; the others can.
    void disabledRowsSendNothing() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        fillRows(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        form.disablePlayer(4, false);
        QVERIFY(!playerButton(form, 4)->isEnabled());
        QVERIFY(!label(form, "playerNameLabel", 4)->isEnabled());
        QVERIFY(label(form, "playerAverageLabel", 4)
                    ->isEnabled());  // a player without hits still shows his 0
        QTest::mouseClick(playerButton(form, 4), Qt::LeftButton);
        QTest::mouseDClick(label(form, "playerNameLabel", 4), Qt::LeftButton);
        QVERIFY(events.clicks.empty());
        QVERIFY(events.doubleClicks.empty());

        QTest::mouseClick(playerButton(form, 5), Qt::LeftButton);
        QTest::mouseDClick(label(form, "playerNameLabel", 5), Qt::LeftButton);
        QCOMPARE(events.clicks, std::vector<int>{5});
        QCOMPARE(events.doubleClicks, std::vector<int>{5});

        form.disablePlayer(5, true);  // picked: the average greys too
        QVERIFY(!label(form, "playerAverageLabel", 5)->isEnabled());
        QTest::mouseDClick(label(form, "playerNameLabel", 5), Qt::LeftButton);
        QCOMPARE(events.doubleClicks, std::vector<int>{5});
        form.closeByProgram();
    }

    void wholeOrderButton() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showWholeOrderButton("ベスト打順");
        QVERIFY(wholeOrderButtonOf(form)->isVisible());
        QVERIFY(wholeOrderButtonOf(form)->isEnabled());
        QCOMPARE(wholeOrderButtonOf(form)->text(), QStringLiteral("ベスト打順"));
        QTest::mouseClick(wholeOrderButtonOf(form), Qt::LeftButton);
        QCOMPARE(events.wholeOrders, 1);
        QTest::mouseClick(sortButton(form), Qt::LeftButton);
        QCOMPARE(events.sorts, 1);

        form.disableShortcuts();
        QVERIFY(!sortButton(form)->isEnabled());
        QVERIFY(!wholeOrderButtonOf(form)->isEnabled());
        QTest::mouseClick(wholeOrderButtonOf(form), Qt::LeftButton);
        QTest::mouseClick(sortButton(form), Qt::LeftButton);
        QCOMPARE(events.wholeOrders, 1);
        QCOMPARE(events.sorts, 1);
        form.closeByProgram();
    }

    // A suggestion moves the focus to the player's button, unless he has been picked already.
    void focusPlayerSkipsDisabledButtons() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        fillRows(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayer(2);
        QCOMPARE(QApplication::focusWidget(), playerButton(form, 2));
        form.disablePlayer(7, true);
        form.focusPlayer(7);
        QCOMPARE(QApplication::focusWidget(), playerButton(form, 2));
        form.focusPlayer(20);
        QCOMPARE(QApplication::focusWidget(), playerButton(form, 20));
        form.closeByProgram();
    }

    // The whole window works from the keyboard: Tab walks the players and the shortcuts, Enter
    // and Space press the focused button.
    void keyboard() {
        RecordingBattingOrderEvents events;
        BattingOrderWindow form(events);
        fillRows(form);
        form.showWholeOrderButton("前回と同順");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.focusPlayer(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(events.clicks, (std::vector<int>{3, 3}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), playerButton(form, 4));

        form.disablePlayer(29, true);
        form.focusPlayer(28);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 wholeOrderButtonOf(form));  // skips the greyed player 30
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.wholeOrders, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sortButton(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.sorts, 1);
        form.closeByProgram();
    }

    void userCloseAsksProgramCloseDoesNot() {
        verifyCloseRule<BattingOrderWindow, RecordingBattingOrderEvents>();
    }
};

QTEST_MAIN(BattingOrderWindowTest)
#include "test_batting_order_window.moc"
