// Form1, the scoreboard, on its own: its design state, what the game writes into it, and how it
// reports the user's actions.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "recording_events.h"
#include "windows/form1.h"
#include "windows/look.h"

using zelvano::Form1;
using zelvano::test::RecordingGameEvents;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    // A new scoreboard is the design state: no caption, "次へ" hidden, the timer not running.
    void designState() {
        RecordingGameEvents events;
        Form1 form(events);
        QCOMPARE(form.windowTitle(), QString());
        QVERIFY(form.Command1()->isHidden());
        QCOMPARE(form.Command1()->text(), QStringLiteral("次へ"));
        QVERIFY(!form.Timer1().isActive());
        QCOMPARE(form.Label4()->text(), QString());
        QCOMPARE(form.Label5()->text(), QStringLiteral("Label5"));
        QCOMPARE(form.Frame1()->title(), QStringLiteral(" 勝敗表 "));
        QCOMPARE(form.size(), QSize(594, 389));  // 8910 × 5835 twips
        QVERIFY(!form.PicIcons()->icon().isNull());
        QCOMPARE(form.PicIcons()->toolTip(), QStringLiteral("選手一覧"));
    }

    // Positions are the design's twips at 15 to a pixel.
    void geometryFromTwips() {
        RecordingGameEvents events;
        Form1 form(events);
        QCOMPARE(form.Label4()->geometry(), QRect(8, 8, 89, 25));       // 120,120,1335,375
        QCOMPARE(form.Label5()->geometry(), QRect(104, 8, 177, 25));    // 1560,120,2655,375
        QCOMPARE(form.Command1()->geometry(), QRect(528, 8, 57, 25));   // 7920,120,855,375
        QCOMPARE(form.Label1(1)->geometry(), QRect(304, 40, 281, 17));  // 4560,600,4215,255
        // Slot 1 of side 1 and slot 9 of side 2: tops 960 and 3840, step 360.
        QCOMPARE(form.Label2(0)->geometry(), QRect(8, 64, 217, 17));
        QCOMPARE(form.Label2(17)->geometry(), QRect(304, 256, 217, 17));
        QCOMPARE(form.Label3(9)->geometry(), QRect(536, 64, 49, 17));   // 8040,960,735,255
        QCOMPARE(form.Label6(0)->geometry(), QRect(200, 280, 89, 17));  // 3000,4200,1335,255
        QCOMPARE(form.Frame1()->geometry(), QRect(96, 312, 369, 73));   // 1440,4680,5535,1095
        // Inside the frame: 120,720 and 2400,240.
        QCOMPARE(form.Label10(2)->geometry(), QRect(8, 48, 145, 17));
        QCOMPARE(form.Label11(0)->geometry(), QRect(160, 16, 193, 17));
        QCOMPARE(form.PicIcons()->geometry(), QRect(480, 336, 41, 40));  // 7200,5040,615,600
    }

    void coloursAndFonts() {
        RecordingGameEvents events;
        Form1 form(events);
        QCOMPARE(zelvano::background(*form.Label4()), QColor(255, 192, 255));
        QCOMPARE(zelvano::background(*form.Label5()), QColor(224, 224, 224));
        QCOMPARE(zelvano::background(*form.Label1(0)), QColor(192, 255, 192));
        QCOMPARE(zelvano::background(*form.Label1(1)), QColor(192, 255, 255));
        QCOMPARE(zelvano::background(*form.Label6(1)), QColor(192, 255, 255));
        QCOMPARE(zelvano::background(*form.Label10(1)), QColor(192, 255, 192));
        QCOMPARE(zelvano::background(*form.Label11(1)), QColor(255, 192, 255));
        QVERIFY(form.Label4()->autoFillBackground());

        QCOMPARE(form.Label4()->font().family(), QStringLiteral("IPAMincho"));
        QCOMPARE(form.Label4()->font().pixelSize(), 21);  // 15.75 pt
        QCOMPARE(form.Label5()->font().family(), QStringLiteral("IPAGothic"));
        QVERIFY(form.Label1(0)->font().bold());
        QCOMPARE(form.Label1(0)->font().pixelSize(), 18);   // 13.5 pt
        QCOMPARE(form.Label2(3)->font().pixelSize(), 17);   // 12.75 pt
        QCOMPARE(form.Label3(3)->font().pixelSize(), 16);   // 12 pt
        QCOMPARE(form.Label11(2)->font().pixelSize(), 15);  // 11.25 pt
    }

    // The current batter is red, every other name white; the other labels keep their colours.
    void batterHighlight() {
        RecordingGameEvents events;
        Form1 form(events);
        form.setCurrentBatter(3);
        QCOMPARE(zelvano::background(*form.Label2(3)), QColor(255, 0, 0));
        QVERIFY(zelvano::background(*form.Label2(4)) != QColor(255, 0, 0));
        form.setCurrentBatter(-1);
        QCOMPARE(zelvano::background(*form.Label2(3)), QColor(255, 255, 255));
        form.setCurrentBatter(17);
        QCOMPARE(zelvano::background(*form.Label2(17)), QColor(255, 0, 0));
        QCOMPARE(zelvano::background(*form.Label2(3)), QColor(255, 255, 255));
    }

    void textsGoToTheirLabels() {
        RecordingGameEvents events;
        Form1 form(events);
        form.setInning(1, 1);
        form.setScoreLine("A 0 - 0 D");
        form.setTeamName(2, "デルタ");
        form.setBatterName(10, "山田");
        form.setBatterFigures(10, 3, 10);  // 300, not 299
        form.setTeamAverage(1, "平均：301");
        form.setStandings(3, "チームＣ", "☆★　");
        QCOMPARE(form.windowTitle(), QStringLiteral("1回表"));
        QCOMPARE(form.Label4()->text(), QStringLiteral("1回表"));
        QCOMPARE(form.Label5()->text(), QStringLiteral("A 0 - 0 D"));
        QCOMPARE(form.Label1(1)->text(), QStringLiteral("デルタ"));
        QCOMPARE(form.Label2(10)->text(), QStringLiteral("山田"));
        QCOMPARE(form.Label3(10)->text(), QStringLiteral("300"));
        QCOMPARE(form.Label6(0)->text(), QStringLiteral("平均：301"));
        QCOMPARE(form.Label10(2)->text(), QStringLiteral("チームＣ"));
        QCOMPARE(form.Label11(2)->text(), QStringLiteral("☆★　"));
    }

    // A name is shown as typed: "<b>x</b>" is eight characters, not a bold x.
    void namesArePlainText() {
        RecordingGameEvents events;
        Form1 form(events);
        form.setBatterName(0, "<b>x</b>");
        form.setTeamName(1, "<i>T</i>");
        form.setStandings(1, "<u>U</u>", "");
        for (QLabel* label : form.findChildren<QLabel*>()) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        QLabel* name = form.Label2(0);
        QCOMPARE(name->text(), QStringLiteral("<b>x</b>"));
        const int plainWidth = name->fontMetrics().horizontalAdvance(QStringLiteral("<b>x</b>"));
        QVERIFY(name->sizeHint().width() >= plainWidth);
    }

    void windowState() {
        RecordingGameEvents events;
        Form1 form(events);
        QCOMPARE(form.windowState(), zelvano::WindowState::Normal);
        form.setWindowState(zelvano::WindowState::Maximized);
        QCOMPARE(form.windowState(), zelvano::WindowState::Maximized);
        form.setWindowState(zelvano::WindowState::Minimized);
        QCOMPARE(form.windowState(), zelvano::WindowState::Minimized);
        form.setWindowState(zelvano::WindowState::Normal);
        QCOMPARE(form.windowState(), zelvano::WindowState::Normal);
    }

    // The player may maximise the scoreboard: the board grows with the window, keeping its
    // proportions, and stands in its middle; restored, it is the design again.
    void maximisedBoardGrows() {
        RecordingGameEvents events;
        Form1 form(events);
        QVERIFY(form.maximumSize() != form.minimumSize());
        form.setWindowState(zelvano::WindowState::Maximized);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.width() > 594 && form.height() > 389);
        QCOMPARE(form.windowState(), zelvano::WindowState::Maximized);
        const QWidget* board = form.Label4()->parentWidget();
        const double scale = std::min(form.width() / 594.0, form.height() / 389.0);
        QVERIFY(std::abs(board->width() - 594 * scale) <= 1);
        QVERIFY(std::abs(board->height() - 389 * scale) <= 1);
        const QPoint offset = board->geometry().center() - form.rect().center();
        QVERIFY(offset.manhattanLength() <= 2);
        QCOMPARE(form.Label4()->font().pixelSize(), static_cast<int>(std::lround(21 * scale)));
        QCOMPARE(form.Label10(0)->x(), static_cast<int>(std::lround(8 * scale)));

        form.setWindowState(zelvano::WindowState::Normal);
        QTRY_COMPARE(form.size(), QSize(594, 389));
        QCOMPARE(board->geometry(), QRect(0, 0, 594, 389));
        QCOMPARE(form.Label4()->geometry(), QRect(8, 8, 89, 25));
        QCOMPARE(form.Label4()->font().pixelSize(), 21);
        form.closeByProgram();
    }

    // After the game "次へ" appears with the keyboard focus, so Enter or Space presses it.
    void nextButtonTakesTheKeyboard() {
        RecordingGameEvents events;
        Form1 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.showNextButton();
        QVERIFY(form.Command1()->isVisible());
        QCOMPARE(QApplication::focusWidget(), form.Command1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.nextClicks, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(events.nextClicks, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(events.nextClicks, 3);
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        QCOMPARE(events.nextClicks, 4);
        form.closeByProgram();
    }

    // The timer reports every tick and keeps running; what a tick means is not its business.
    void timerReportsEveryTick() {
        RecordingGameEvents events;
        Form1 form(events);
        form.startAdvanceTimer(10);
        QVERIFY(form.Timer1().isActive());
        QCOMPARE(form.Timer1().interval(), 10);
        QTRY_VERIFY_WITH_TIMEOUT(events.timerTicks >= 3, 5000);
        QVERIFY(form.Timer1().isActive());
        QCOMPARE(events.nextClicks, 0);
    }

    // The icon button reports each press, by the mouse or by the keyboard.
    void playersListButtonReports() {
        RecordingGameEvents events;
        Form1 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.PicIcons(), Qt::LeftButton);
        QCOMPARE(events.iconClicks, 1);
        form.PicIcons()->setFocus();
        QTest::keyClick(form.PicIcons(), Qt::Key_Space);
        QCOMPARE(events.iconClicks, 2);
        form.closeByProgram();
    }

    // A close by the user asks the logic; the window stays when it says so.
    void userCloseAsksAndMayBeRefused() {
        RecordingGameEvents events;
        Form1 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        events.keepOpen = true;
        QVERIFY(!form.close());
        QCOMPARE(events.closeQuestions, 1);
        QVERIFY(form.isVisible());

        QTest::keyClick(&form, Qt::Key_Escape);  // Esc is a user's close too
        QCOMPARE(events.closeQuestions, 2);
        QVERIFY(form.isVisible());

        events.keepOpen = false;
        QVERIFY(form.close());
        QCOMPARE(events.closeQuestions, 3);
        QVERIFY(!form.isVisible());
    }

    // The program's own close is never questioned, and the timer stops with the window.
    void programCloseDoesNotAsk() {
        RecordingGameEvents events;
        Form1 form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startAdvanceTimer(15000);
        form.closeByProgram();
        QCOMPARE(events.closeQuestions, 0);
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Timer1().isActive());
    }
};

QTEST_MAIN(Form1Test)
#include "test_form1.moc"
