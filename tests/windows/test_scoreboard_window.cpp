// The scoreboard window on its own: its design state, what the game writes into it, and how it
// reports the user's actions.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "recording_events.h"
#include "window_fixture.h"
#include "windows/look.h"
#include "windows/scoreboard_window.h"

using zelvano::ScoreboardWindow;
using zelvano::test::control;
using zelvano::test::RecordingScoreboardEvents;

namespace {

QLabel* label(const ScoreboardWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
QLabel* label(const ScoreboardWindow& window, const char* name, int index) {
    return control<QLabel>(window, name, index);
}
QPushButton* nextButton(const ScoreboardWindow& window) {
    return control<QPushButton>(window, "nextButton");
}
QToolButton* playersListButton(const ScoreboardWindow& window) {
    return control<QToolButton>(window, "playersListButton");
}
const QTimer& advanceTimer(const ScoreboardWindow& window) {
    return *control<QTimer>(window, "advanceTimer");
}

}  // namespace

class ScoreboardWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A new scoreboard is the design state: no caption, "次へ" hidden, the timer not running.
    void designState() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        QCOMPARE(form.windowTitle(), QString());
        QVERIFY(nextButton(form)->isHidden());
        QCOMPARE(nextButton(form)->text(), QStringLiteral("次へ"));
        QVERIFY(!advanceTimer(form).isActive());
        QCOMPARE(label(form, "inningLabel")->text(), QString());
        QCOMPARE(label(form, "scoreLabel")->text(), QStringLiteral("Label5"));
        QCOMPARE(control<QGroupBox>(form, "standingsFrame")->title(), QStringLiteral(" 勝敗表 "));
        QCOMPARE(form.size(), QSize(594, 389));  // 8910 × 5835 twips
        QVERIFY(!playersListButton(form)->icon().isNull());
        QCOMPARE(playersListButton(form)->toolTip(), QStringLiteral("選手一覧"));
    }

    // Positions are the design's twips at 15 to a pixel.
    void geometryFromTwips() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        QCOMPARE(label(form, "inningLabel")->geometry(), QRect(8, 8, 89, 25));  // 120,120,1335,375
        QCOMPARE(label(form, "scoreLabel")->geometry(),
                 QRect(104, 8, 177, 25));                               // 1560,120,2655,375
        QCOMPARE(nextButton(form)->geometry(), QRect(528, 8, 57, 25));  // 7920,120,855,375
        QCOMPARE(label(form, "teamNameLabel", 1)->geometry(),
                 QRect(304, 40, 281, 17));  // 4560,600,4215,255
        // Slot 1 of side 1 and slot 9 of side 2: tops 960 and 3840, step 360.
        QCOMPARE(label(form, "batterNameLabel", 0)->geometry(), QRect(8, 64, 217, 17));
        QCOMPARE(label(form, "batterNameLabel", 17)->geometry(), QRect(304, 256, 217, 17));
        QCOMPARE(label(form, "batterAverageLabel", 9)->geometry(),
                 QRect(536, 64, 49, 17));  // 8040,960,735,255
        QCOMPARE(label(form, "teamAverageLabel", 0)->geometry(),
                 QRect(200, 280, 89, 17));  // 3000,4200,1335,255
        QCOMPARE(control<QGroupBox>(form, "standingsFrame")->geometry(),
                 QRect(96, 312, 369, 73));  // 1440,4680,5535,1095
        // Inside the frame: 120,720 and 2400,240.
        QCOMPARE(label(form, "standingsNameLabel", 2)->geometry(), QRect(8, 48, 145, 17));
        QCOMPARE(label(form, "standingsMarksLabel", 0)->geometry(), QRect(160, 16, 193, 17));
        QCOMPARE(playersListButton(form)->geometry(),
                 QRect(480, 336, 41, 40));  // 7200,5040,615,600
    }

    void coloursAndFonts() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        QCOMPARE(zelvano::background(*label(form, "inningLabel")), QColor(255, 192, 255));
        QCOMPARE(zelvano::background(*label(form, "scoreLabel")), QColor(224, 224, 224));
        QCOMPARE(zelvano::background(*label(form, "teamNameLabel", 0)), QColor(192, 255, 192));
        QCOMPARE(zelvano::background(*label(form, "teamNameLabel", 1)), QColor(192, 255, 255));
        QCOMPARE(zelvano::background(*label(form, "teamAverageLabel", 1)), QColor(192, 255, 255));
        QCOMPARE(zelvano::background(*label(form, "standingsNameLabel", 1)), QColor(192, 255, 192));
        QCOMPARE(zelvano::background(*label(form, "standingsMarksLabel", 1)),
                 QColor(255, 192, 255));
        QVERIFY(label(form, "inningLabel")->autoFillBackground());

        QCOMPARE(label(form, "inningLabel")->font().family(), QStringLiteral("IPAMincho"));
        QCOMPARE(label(form, "inningLabel")->font().pixelSize(), 21);  // 15.75 pt
        QCOMPARE(label(form, "scoreLabel")->font().family(), QStringLiteral("IPAGothic"));
        QVERIFY(label(form, "teamNameLabel", 0)->font().bold());
        QCOMPARE(label(form, "teamNameLabel", 0)->font().pixelSize(), 18);        // 13.5 pt
        QCOMPARE(label(form, "batterNameLabel", 3)->font().pixelSize(), 17);      // 12.75 pt
        QCOMPARE(label(form, "batterAverageLabel", 3)->font().pixelSize(), 16);   // 12 pt
        QCOMPARE(label(form, "standingsMarksLabel", 2)->font().pixelSize(), 15);  // 11.25 pt
    }

    // The current batter is red, every other name white; the other labels keep their colours.
    void batterHighlight() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.setCurrentBatter(3);
        QCOMPARE(zelvano::background(*label(form, "batterNameLabel", 3)), QColor(255, 0, 0));
        QVERIFY(zelvano::background(*label(form, "batterNameLabel", 4)) != QColor(255, 0, 0));
        form.setCurrentBatter(-1);
        QCOMPARE(zelvano::background(*label(form, "batterNameLabel", 3)), QColor(255, 255, 255));
        form.setCurrentBatter(17);
        QCOMPARE(zelvano::background(*label(form, "batterNameLabel", 17)), QColor(255, 0, 0));
        QCOMPARE(zelvano::background(*label(form, "batterNameLabel", 3)), QColor(255, 255, 255));
    }

    void textsGoToTheirLabels() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.setInning(1, 1);
        form.setScoreLine("A 0 - 0 D");
        form.setTeamName(2, "デルタ");
        form.setBatterName(10, "山田");
        form.setBatterFigures(10, 3, 10);  // 300, not 299
        form.setTeamAverage(1, "平均：301");
        form.setStandings(3, "チームＣ", "☆★　");
        QCOMPARE(form.windowTitle(), QStringLiteral("1回表"));
        QCOMPARE(label(form, "inningLabel")->text(), QStringLiteral("1回表"));
        QCOMPARE(label(form, "scoreLabel")->text(), QStringLiteral("A 0 - 0 D"));
        QCOMPARE(label(form, "teamNameLabel", 1)->text(), QStringLiteral("デルタ"));
        QCOMPARE(label(form, "batterNameLabel", 10)->text(), QStringLiteral("山田"));
        QCOMPARE(label(form, "batterAverageLabel", 10)->text(), QStringLiteral("300"));
        QCOMPARE(label(form, "teamAverageLabel", 0)->text(), QStringLiteral("平均：301"));
        QCOMPARE(label(form, "standingsNameLabel", 2)->text(), QStringLiteral("チームＣ"));
        QCOMPARE(label(form, "standingsMarksLabel", 2)->text(), QStringLiteral("☆★　"));
    }

    // A name is shown as typed: "<b>x</b>" is eight characters, not a bold x.
    void namesArePlainText() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.setBatterName(0, "<b>x</b>");
        form.setTeamName(1, "<i>T</i>");
        form.setStandings(1, "<u>U</u>", "");
        for (const QLabel* each : form.findChildren<QLabel*>()) {
            QCOMPARE(each->textFormat(), Qt::PlainText);
        }
        QLabel* name = label(form, "batterNameLabel", 0);
        QCOMPARE(name->text(), QStringLiteral("<b>x</b>"));
        const int plainWidth = name->fontMetrics().horizontalAdvance(QStringLiteral("<b>x</b>"));
        QVERIFY(name->sizeHint().width() >= plainWidth);
    }

    void windowState() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
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
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        QVERIFY(form.maximumSize() != form.minimumSize());
        form.setWindowState(zelvano::WindowState::Maximized);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.width() > 594 && form.height() > 389);
        QCOMPARE(form.windowState(), zelvano::WindowState::Maximized);
        const QWidget* board = control(form, "board");
        const double scale = std::min(form.width() / 594.0, form.height() / 389.0);
        QVERIFY(std::abs(board->width() - 594 * scale) <= 1);
        QVERIFY(std::abs(board->height() - 389 * scale) <= 1);
        const QPoint offset = board->geometry().center() - form.rect().center();
        QVERIFY(offset.manhattanLength() <= 2);
        QCOMPARE(label(form, "inningLabel")->font().pixelSize(),
                 static_cast<int>(std::lround(21 * scale)));
        QCOMPARE(label(form, "standingsNameLabel", 0)->x(),
                 static_cast<int>(std::lround(8 * scale)));

        form.setWindowState(zelvano::WindowState::Normal);
        QTRY_COMPARE(form.size(), QSize(594, 389));
        QCOMPARE(board->geometry(), QRect(0, 0, 594, 389));
        QCOMPARE(label(form, "inningLabel")->geometry(), QRect(8, 8, 89, 25));
        QCOMPARE(label(form, "inningLabel")->font().pixelSize(), 21);
        form.closeByProgram();
    }

    // After the game "次へ" appears with the keyboard focus, so Enter or Space presses it.
    void nextButtonTakesTheKeyboard() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.showNextButton();
        QVERIFY(nextButton(form)->isVisible());
        QCOMPARE(QApplication::focusWidget(), nextButton(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.nextClicks, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(events.nextClicks, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(events.nextClicks, 3);
        QTest::mouseClick(nextButton(form), Qt::LeftButton);
        QCOMPARE(events.nextClicks, 4);
        form.closeByProgram();
    }

    // Names longer than their place are cut with "…" where they must be, at the design size and
    // maximised alike, never in the middle of a character; the tool tip holds the whole name.
    // A name that fits is shown whole, without a tool tip.
    void longNamesAreCutVisibly_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("design size") << false;
        QTest::newRow("maximised") << true;
    }
    void longNamesAreCutVisibly() {
        QFETCH(bool, maximised);
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        const QString team = QStringLiteral("ゼルバーノ・スーパースターズ東京本店");
        const QString player = QStringLiteral("寿限無寿限無五劫の擦り切れ海砂利水魚の水行末");
        form.setTeamName(1, team.toStdString());
        form.setTeamName(2, "デルタ");
        form.setBatterName(0, player.toStdString());
        form.setStandings(1, team.toStdString(), "☆");
        if (maximised) form.setWindowState(zelvano::WindowState::Maximized);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (maximised) QTRY_VERIFY(form.width() > 594);

        const std::vector<std::pair<QLabel*, QString>> cut{
            {label(form, "teamNameLabel", 0), team},
            {label(form, "batterNameLabel", 0), player},
            {label(form, "standingsNameLabel", 0), team},
        };
        for (const auto& [shown, whole] : cut) {
            QVERIFY2(shown->text().endsWith(QChar(0x2026)), qPrintable(shown->objectName()));
            QVERIFY(whole.startsWith(shown->text().chopped(1)));
            QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <=
                    shown->contentsRect().width());
            QCOMPARE(shown->toolTip(), whole);
        }
        QCOMPARE(label(form, "teamNameLabel", 1)->text(), QStringLiteral("デルタ"));
        QCOMPARE(label(form, "teamNameLabel", 1)->toolTip(), QString());
        form.closeByProgram();
    }

    // A screen reader reads the state of the game from the scoreboard: its description says the
    // inning, each team by its whole name with its runs, and the batter at the plate, and follows
    // the game; after the game "次へ" tells the final score.
    void screenReaderFollowsTheGame() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.setTeamName(1, "アルファ");
        form.setTeamName(2, "デルタ");
        form.setBatterName(10, "山田");
        form.setInning(1, 1);
        form.setScoreLine("ア 0 - 0 デ");
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        QVERIFY(window != nullptr);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("スコアボード"));
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("1回表　表 アルファ 0、裏 デルタ 0"));

        form.setInning(3, 2);
        form.setCurrentBatter(10);
        form.setScoreLine("アル 1 - 4 デル");
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("3回裏　表 アルファ 1、裏 デルタ 4　打席 山田"));
        const auto named = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        const auto described = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(named(label(form, "inningLabel")), QStringLiteral("3回裏"));
        QCOMPARE(described(label(form, "inningLabel")), QStringLiteral("イニング"));
        QCOMPARE(named(label(form, "scoreLabel")), QStringLiteral("アル 1 - 4 デル"));
        QCOMPARE(named(label(form, "batterNameLabel", 10)), QStringLiteral("山田"));
        QCOMPARE(described(label(form, "batterNameLabel", 10)), QStringLiteral("裏の2番打者"));

        form.setCurrentBatter(-1);
        form.showNextButton();
        QCOMPARE(named(nextButton(form)), QStringLiteral("次へ"));
        QCOMPARE(described(nextButton(form)),
                 QStringLiteral("試合終了　表 アルファ 1、裏 デルタ 4。次の試合に進みます"));
        QCOMPARE(named(playersListButton(form)), QStringLiteral("選手一覧"));
        form.closeByProgram();
    }

    // A click on the picture button leaves the keyboard on "次へ": Enter still goes on.
    void playersListClickLeavesTheKeyboard() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.showNextButton();
        QTest::mouseClick(playersListButton(form), Qt::LeftButton);
        QCOMPARE(events.iconClicks, 1);
        QCOMPARE(QApplication::focusWidget(), nextButton(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(events.nextClicks, 1);
        form.closeByProgram();
    }

    // The timer reports every tick and keeps running; what a tick means is not its business.
    void timerReportsEveryTick() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.startAdvanceTimer(10);
        QVERIFY(advanceTimer(form).isActive());
        QCOMPARE(advanceTimer(form).interval(), 10);
        QTRY_VERIFY_WITH_TIMEOUT(events.timerTicks >= 3, 5000);
        QVERIFY(advanceTimer(form).isActive());
        QCOMPARE(events.nextClicks, 0);
    }

    // The icon button reports each press, by the mouse or by the keyboard.
    void playersListButtonReports() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(playersListButton(form), Qt::LeftButton);
        QCOMPARE(events.iconClicks, 1);
        playersListButton(form)->setFocus();
        QTest::keyClick(playersListButton(form), Qt::Key_Space);
        QCOMPARE(events.iconClicks, 2);
        form.closeByProgram();
    }

    // A close by the user asks the logic; the window stays when it says so.
    void userCloseAsksAndMayBeRefused() {
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
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
        RecordingScoreboardEvents events;
        ScoreboardWindow form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startAdvanceTimer(15000);
        form.closeByProgram();
        QCOMPARE(events.closeQuestions, 0);
        QVERIFY(!form.isVisible());
        QVERIFY(!advanceTimer(form).isActive());
    }
};

QTEST_MAIN(ScoreboardWindowTest)
#include "test_scoreboard_window.moc"
