// The season's results report on its own: what the season end writes into it, the list's
// columns, and the ways the player closes it.

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "window_fixture.h"
#include "windows/results_report_window.h"

using zelvano::ResultsReportWindow;
using zelvano::test::control;

namespace {

QLabel* label(const ResultsReportWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
QLabel* label(const ResultsReportWindow& window, const char* name, int index) {
    return control<QLabel>(window, name, index);
}
QListWidget* mvpList(const ResultsReportWindow& window) {
    return control<QListWidget>(window, "mvpList");
}
QPushButton* okButton(const ResultsReportWindow& window) {
    return control<QPushButton>(window, "okButton");
}

}  // namespace

class ResultsReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void filledReport() {
        ResultsReportWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("年間結果報告"));
        QCOMPARE(label(form, "seasonOverLabel")->text(),
                 QStringLiteral("一年間の全試合が終了しました"));
        QCOMPARE(label(form, "mvpHeading")->text(), QStringLiteral("今年度のＭＶＰ選手一覧"));
        QCOMPARE(label(form, "teamAveragesHeading")->text(), QStringLiteral("各チームの平均打率"));
        QCOMPARE(okButton(form)->text(), QStringLiteral("ＯＫ"));
        QCOMPARE(label(form, "championLabel")->geometry(),
                 QRect(8, 40, 505, 33));  // 120,600,7575,495
        QCOMPARE(label(form, "titleCountLabel")->geometry(),
                 QRect(312, 72, 201, 25));  // 4680,1080,3015,375
        QCOMPARE(label(form, "teamAverageLabel", 2)->geometry(),
                 QRect(224, 184, 169, 17));                             // 3360,2760,2535,255
        QCOMPARE(mvpList(form)->geometry(), QRect(8, 240, 505, 114));   // 120,3600,7575,1710
        QCOMPARE(okButton(form)->geometry(), QRect(440, 360, 65, 25));  // 6600,5400,975,375

        form.setChampionLine("優勝：<b>タイガース</b>");
        form.setTitleCount("(3回目)");
        form.setTitleRun("【2年連続】");
        form.setTeamAverage(3, "チームＣ", "0.284333333333333");
        // Team in 10 full-width characters, two spaces, name in 15, then the average.
        const std::string space = "　";
        std::string padded = "チームＡ";
        for (int i = 0; i < 6; ++i) padded += space;
        padded += "  山田";
        for (int i = 0; i < 13; ++i) padded += space;
        form.addMvpLine(padded + "（0.533）");
        form.addMvpLine("ＢＢＢＢＢＢＢＢＢＢ  ＸＸＸＸＸＸＸＸＸＸＸＸＸＸＸ（0.612）");
        QCOMPARE(label(form, "championLabel")->text(), QStringLiteral("優勝：<b>タイガース</b>"));
        QCOMPARE(label(form, "championLabel")->textFormat(), Qt::PlainText);
        QCOMPARE(label(form, "titleCountLabel")->text(), QStringLiteral("(3回目)"));
        QCOMPARE(label(form, "titleRunLabel")->text(), QStringLiteral("【2年連続】"));
        QCOMPARE(label(form, "teamNameLabel", 2)->text(), QStringLiteral("チームＣ"));
        QCOMPARE(label(form, "teamAverageLabel", 2)->text(), QStringLiteral("0.284333333333333"));
        QCOMPARE(label(form, "teamNameLabel", 0)->text(), QStringLiteral("Label4"));
        QCOMPARE(mvpList(form)->count(), 2);

        // The columns line up: a fixed-pitch face at an even size, full width = two half widths,
        // and both lines, made of the same number of each, end at the same place.
        const QFont font = mvpList(form)->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAMincho"));
        QCOMPARE(font.pixelSize() % 2, 0);
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("　")),
                 2 * metrics.horizontalAdvance(QStringLiteral(" ")));
        QCOMPARE(metrics.horizontalAdvance(mvpList(form)->item(0)->text()),
                 metrics.horizontalAdvance(mvpList(form)->item(1)->text()));
        // The longest line fits beside a scroll bar.
        QVERIFY(metrics.horizontalAdvance(mvpList(form)->item(1)->text()) <
                mvpList(form)->width() - 24);
    }

    // "ＯＫ" has the keyboard; Enter (wherever the focus is), Esc and the close box all close
    // the report without a question.
    void closes_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("click ＯＫ") << 0;
        QTest::newRow("Enter on ＯＫ") << 1;
        QTest::newRow("Enter in the list") << 2;
        QTest::newRow("Esc") << 3;
        QTest::newRow("close box") << 4;
    }
    void closes() {
        QFETCH(int, way);
        ResultsReportWindow form;
        form.addMvpLine("line");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), okButton(form));
        switch (way) {
            case 0:
                QTest::mouseClick(okButton(form), Qt::LeftButton);
                break;
            case 1:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                break;
            case 2:
                mvpList(form)->setFocus();
                mvpList(form)->setCurrentRow(0);
                QTest::keyClick(mvpList(form), Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case 3:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                break;
            default:
                QVERIFY(form.close());
                break;
        }
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(ResultsReportWindowTest)
#include "test_results_report_window.moc"
