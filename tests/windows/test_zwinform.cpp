// ZWInform, the information window, on its own: its controls and captions, what it shows, what it
// reports, the even-size face of its column lists, and that the logic may let go of it at any
// moment, even in the middle of one of its own handlers.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "windows/information_window_view.h"
#include "windows/pictures.h"
#include "windows/tab_icons.h"
#include "windows/twips.h"
#include "windows/zwinform.h"

using zelvano::InformationViewEvents;
using zelvano::InformationWindowView;
using zelvano::ZWInform;

namespace {

// Writes down every report as one text, in order.
struct RecordingInformationEvents final : InformationViewEvents {
    void SSTab1_Click(int tab) override { add("SSTab1_Click " + std::to_string(tab)); }
    void ZWwhoCommand1_Click(int index) override {
        add("ZWwhoCommand1_Click " + std::to_string(index));
    }
    void ZWWhoList1_DblClick(int line) override {
        add("ZWWhoList1_DblClick " + std::to_string(line));
    }
    void rsCommand1_Click(int index) override {
        add("rsCommand1_Click " + std::to_string(index));
        if (onRanking) onRanking();
    }
    void HScroll1_Change(int value) override { add("HScroll1_Change " + std::to_string(value)); }
    void zwsetCheck1_Click(bool checked) override {
        add(std::string("zwsetCheck1_Click ") + (checked ? "1" : "0"));
    }
    void zwsetCheck2_Click(bool checked) override {
        add(std::string("zwsetCheck2_Click ") + (checked ? "1" : "0"));
    }
    void zwsetText1_Change(int index, const std::string& text) override {
        add("zwsetText1_Change " + std::to_string(index) + " " + text);
    }
    void loCommand1_Click() override { add("loCommand1_Click"); }
    void Form_Unload() override {
        add("Form_Unload");
        if (onUnload) onUnload();
    }

    void add(const std::string& line) { reports.push_back(QString::fromStdString(line)); }

    QStringList reports;
    std::function<void()> onRanking;
    std::function<void()> onUnload;
};

QPoint tabCentre(ZWInform& form, int tab) { return form.SSTab1Bar()->tabRect(tab).center(); }

void selectTab(ZWInform& form, int tab) {
    QTest::mouseClick(form.SSTab1Bar(), Qt::LeftButton, {}, tabCentre(form, tab));
}

// A control's place in twips relative to the tab control, as the design gives it.
QRect placeInTabControl(const ZWInform& form, const QWidget& control) {
    return QRect(control.mapTo(form.SSTab1(), QPoint(0, 0)), control.size());
}

}  // namespace

class ZWInformTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingInformationEvents events;
        ZWInform form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("Zelvano -情報ウィンドウ"));
        QCOMPARE(form.size(), QSize(615, 368));  // 9225 × 5520 twips
        QCOMPARE(form.SSTab1()->geometry(), zelvano::twipsRect(120, 120, 9015, 5295));
        const QStringList tabs{"現役選手一覧", "らんだむ資料館", "名球会名簿",
                               "大リーグ情報", "リーグオーナー", "Zelvanoについて"};
        QCOMPARE(form.SSTab1Bar()->count(), 6);
        for (int tab = 0; tab < 6; ++tab) QCOMPARE(form.SSTab1Bar()->tabText(tab), tabs[tab]);
        QCOMPARE(form.currentTab(), 0);
        QVERIFY(!form.isModal());

        const std::vector<std::pair<QString, QString>> captions{
            {form.ZWwhoLabel2()->text(), "優劣:名球:履歴"},
            {form.rsLabel1()->text(), "らんだむ資料館"},
            {form.rsCommand1(0)->text(), "打率５０傑"},
            {form.rsCommand1(1)->text(), "安打５０傑"},
            {form.rsCommand1(2)->text(), "年数５０傑"},
            {form.rsCommand1(3)->text(), "低打率５０貧"},
            {form.rsCommand1(4)->text(), "長名５０傑"},
            {form.ZWwhoLabel1(1)->text(), "名球会　登録選手一覧"},
            {form.Label9()->text(), "現在　0名"},
            {form.Label10()->text(), "メジャーリーグ情報"},
            {form.Label7()->text(), "Zelvano 各種設定"},
            {form.Label1()->text(), "試合のスピード"},
            {form.Label6()->text(), "めちゃ速　　　　　　　　　　　　　　　のんびり"},
            {form.zwsetCheck1()->text(),
             "試合終了後、しばらく経つと自動的に次の試合に進むようにする"},
            {form.zwsetCheck2()->text(), "チーム名の変更（あまり多用しないことをお勧めします)"},
            {form.Label8(0)->text(), "あなたのチーム"},
            {form.Label8(1)->text(), "ライバルチーム１"},
            {form.Label8(2)->text(), "ライバルチーム２"},
            {form.loCommand1()->text(), "来年度以降の新人選手をスカウト"},
            {form.Label2()->text(), "Zelvano"},
        };
        for (const auto& [shown, expected] : captions) QCOMPARE(shown, expected);
        QCOMPARE(form.HScroll1()->minimum(), 0);
        QCOMPARE(form.HScroll1()->maximum(), 9);
        for (int i = 0; i < 3; ++i) QVERIFY(!form.zwsetText1(i)->isEnabled());
        QVERIFY(form.aboutText1()->isReadOnly());
        QCOMPARE(form.aboutText1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const QLabel* label : {form.Label3(), form.Label4(), form.Label5()}) {
            QVERIFY(!label->text().isEmpty());
        }
    }

    // Every control stands at its twips relative to the tab control, whichever page holds it.
    void placesInTwips() {
        RecordingInformationEvents events;
        ZWInform form(events);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        struct Place {
            QWidget* control;
            int left, top, width, height;
        };
        const std::vector<Place> places{
            {form.ZWwhoLabel1(0), 1080, 840, 4815, 255},
            {form.ZWwhoLabel2(), 7080, 1080, 1335, 180},
            {form.ZWWhoList1(), 120, 1320, 8535, 3180},
            {form.ZWwhoCommand1(0), 480, 4800, 2535, 375},
            {form.ZWwhoCommand1(2), 5760, 4800, 2535, 375},
            {form.rsLabel1(), 1080, 840, 4815, 255},
            {form.rsList1(), 120, 1320, 8535, 3390},
            {form.rsCommand1(1), 1920, 4800, 1500, 350},
            {form.rsCommand1(4), 6960, 4800, 1500, 350},
            {form.ZWwhoLabel1(1), 1080, 840, 4815, 255},
            {form.meiList1(), 120, 1320, 8535, 3570},
            {form.Label9(), 6240, 4920, 2415, 255},
            {form.Label10(), 2160, 1200, 4455, 495},
            {form.KankokuLabel(), 360, 2040, 8175, 1215},
            {form.Label7(), 1800, 960, 5175, 255},
            {form.zwsetCheck1(), 1800, 1440, 5175, 255},
            {form.Label6(), 3480, 1800, 3255, 255},
            {form.Label1(), 1800, 2040, 1215, 255},
            {form.HScroll1(), 3240, 2040, 3615, 255},
            {form.loCommand1(), 1800, 2520, 5175, 375},
            {form.zwsetCheck2(), 1800, 3120, 5175, 255},
            {form.Label8(1), 1680, 4080, 1335, 255},
            {form.zwsetText1(2), 3240, 4440, 3735, 375},
            {form.Label2(), 840, 720, 5295, 495},
            {form.Label5(), 6240, 720, 2415, 255},
            {form.Label4(), 6240, 960, 2415, 255},
            {form.aboutText1(), 240, 1320, 8415, 3375},
            {form.Label3(), 240, 4800, 8415, 255},
        };
        for (int tab = 0; tab < 6; ++tab) {
            form.setCurrentTab(tab);
            QCOMPARE(placeInTabControl(form, *form.TabIcon(tab)),
                     zelvano::twipsRect(240, 720, 480, 480));
            QCOMPARE(form.TabIcon(tab)->size(), QSize(32, 32));
            for (const Place& place : places) {
                if (!form.SSTab1Page(tab)->isAncestorOf(place.control)) continue;
                QCOMPARE(placeInTabControl(form, *place.control),
                         zelvano::twipsRect(place.left, place.top, place.width, place.height));
            }
        }
    }

    // Each tab shows its own drawing, drawn at the screen's density rather than enlarged from 32
    // pixels: at a ratio of 2 it matches the SVG rendered into 64 × 64.
    void tabPicturesAreDrawnAtFullDensity() {
        RecordingInformationEvents events;
        ZWInform form(events);
        const auto sameImage = [](const QImage& a, const QImage& b) {
            if (a.size() != b.size()) return false;
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    if (std::abs(qAlpha(p) - qAlpha(q)) > 8 || std::abs(qRed(p) - qRed(q)) > 8 ||
                        std::abs(qGreen(p) - qGreen(q)) > 8 || std::abs(qBlue(p) - qBlue(q)) > 8) {
                        return false;
                    }
                }
            }
            return true;
        };
        for (int tab = 0; tab < 6; ++tab) {
            QImage shown(64, 64, QImage::Format_ARGB32_Premultiplied);
            shown.setDevicePixelRatio(2.0);
            shown.fill(Qt::transparent);
            form.TabIcon(tab)->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
            for (int picture = 0; picture < 6; ++picture) {
                const QImage svg = zelvano::renderPicture(QStringLiteral("tab-%1").arg(picture),
                                                          QSize(32, 32), 2.0)
                                       .toImage()
                                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                QVERIFY2(sameImage(shown, svg) == (picture == tab),
                         qPrintable(QStringLiteral("tab %1, picture %2").arg(tab).arg(picture)));
            }
        }
    }

    // What the logic gives the window is what it shows; none of it comes back as a report.
    void showsWhatItIsGiven() {
        RecordingInformationEvents events;
        ZWInform form(events);
        form.setTeamButtons({"アルファ", "B&C", "デルタ"});
        form.setRosterTitle("アルファ登録選手一覧表");
        form.setRosterLines({"一", "二", "三"});
        form.setRankingTitle("安打５０傑");
        form.addRankingLine("old");
        form.clearRanking();
        form.addRankingLine("01)   Ａ");
        form.addRankingLine("02)   Ｂ");
        form.setHallOfFameLines({"名球会 一", "名球会 二"});
        form.setHallOfFameCount("現在2名");
        form.setMajorLeagueText("大リーグへ移籍中の選手はいません。");
        form.setAboutText("一行目\r\n二行目\r\n");
        form.setSpeed(7);
        form.setAutoAdvance(true);
        form.setRenameUnlocked(true);
        form.setTeamNameText(1, "ブラボー");
        form.setTeamNamesEnabled(true);
        form.setCurrentTab(4);

        QCOMPARE(form.ZWwhoCommand1(0)->text(), QStringLiteral("アルファ"));
        QCOMPARE(form.ZWwhoCommand1(1)->text(), QStringLiteral("B&&C"));  // "&" is no mnemonic
        QCOMPARE(form.ZWwhoLabel1(0)->text(), QStringLiteral("アルファ登録選手一覧表"));
        QCOMPARE(form.ZWWhoList1()->count(), 3);
        QCOMPARE(form.ZWWhoList1()->item(2)->text(), QStringLiteral("三"));
        QCOMPARE(form.rsLabel1()->text(), QStringLiteral("安打５０傑"));
        QCOMPARE(form.rsList1()->count(), 2);
        QCOMPARE(form.rsList1()->item(0)->text(), QStringLiteral("01)   Ａ"));
        QCOMPARE(form.meiList1()->count(), 2);
        QCOMPARE(form.Label9()->text(), QStringLiteral("現在2名"));
        QCOMPARE(form.KankokuLabel()->text(), QStringLiteral("大リーグへ移籍中の選手はいません。"));
        QCOMPARE(form.aboutText1()->toPlainText(), QStringLiteral("一行目\n二行目\n"));
        QCOMPARE(form.HScroll1()->value(), 7);
        QVERIFY(form.zwsetCheck1()->isChecked());
        QVERIFY(form.zwsetCheck2()->isChecked());
        QCOMPARE(form.zwsetText1(1)->text(), QStringLiteral("ブラボー"));
        QVERIFY(form.zwsetText1(0)->isEnabled());
        QCOMPARE(form.currentTab(), 4);
        QCOMPARE(events.reports, QStringList());

        form.setRankingBusy(true);
        for (int i = 0; i < 5; ++i) QVERIFY(!form.rsCommand1(i)->isEnabled());
        QVERIFY(form.rsList1()->isHidden());
        form.setRankingBusy(false);
        for (int i = 0; i < 5; ++i) QVERIFY(form.rsCommand1(i)->isEnabled());
        QVERIFY(!form.rsList1()->isHidden());
    }

    // Each thing the user does reaches the logic as its event, with its value.
    void reportsWhatTheUserDoes() {
        RecordingInformationEvents events;
        ZWInform form(events);
        form.setRosterLines({"一", "二", "三", "四", "五"});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        struct Action {
            int tab;
            std::function<void()> act;
            QStringList expected;
        };
        QListWidget* roster = form.ZWWhoList1();
        const auto lineCentre = [roster](int line) {
            return roster->visualItemRect(roster->item(line)).center();
        };
        const std::vector<Action> actions{
            {0,
             [&] { QTest::mouseClick(form.ZWwhoCommand1(2), Qt::LeftButton); },
             {"ZWwhoCommand1_Click 2"}},
            {0,
             [&] {
                 QTest::mouseClick(roster->viewport(), Qt::LeftButton, {}, lineCentre(4));
                 QTest::mouseDClick(roster->viewport(), Qt::LeftButton, {}, lineCentre(4));
             },
             {"ZWWhoList1_DblClick 4"}},
            {0,
             [&] {
                 roster->setCurrentRow(1);
                 roster->setFocus();
                 QTest::keyClick(roster, Qt::Key_Return);
             },
             {"ZWWhoList1_DblClick 1"}},
            {0,
             [&] {
                 roster->clearSelection();
                 QTest::keyClick(roster, Qt::Key_Enter);
             },
             {"ZWWhoList1_DblClick -1"}},
            {1,
             [&] { QTest::mouseClick(form.rsCommand1(3), Qt::LeftButton); },
             {"rsCommand1_Click 3"}},
            {4,
             [&] {
                 form.HScroll1()->setFocus();
                 QTest::keyClick(form.HScroll1(), Qt::Key_Right);
                 QTest::keyClick(form.HScroll1(), Qt::Key_Right);
                 QTest::keyClick(form.HScroll1(), Qt::Key_Left);
                 QTest::keyClick(form.HScroll1(), Qt::Key_End);
             },
             {"HScroll1_Change 1", "HScroll1_Change 2", "HScroll1_Change 1", "HScroll1_Change 9"}},
            {4,
             [&] { QTest::mouseClick(form.zwsetCheck1(), Qt::LeftButton); },
             {"zwsetCheck1_Click 1"}},
            {4,
             [&] { QTest::mouseClick(form.zwsetCheck2(), Qt::LeftButton); },
             {"zwsetCheck2_Click 1"}},
            {4,
             [&] {
                 form.setTeamNamesEnabled(true);
                 form.zwsetText1(1)->setFocus();
                 QTest::keyClicks(form.zwsetText1(1), "ab");
             },
             {"zwsetText1_Change 1 a", "zwsetText1_Change 1 ab"}},
            {4,
             [&] { QTest::mouseClick(form.loCommand1(), Qt::LeftButton); },
             {"loCommand1_Click"}},
        };
        for (const Action& action : actions) {
            form.setCurrentTab(action.tab);
            events.reports.clear();
            action.act();
            QCOMPARE(events.reports.join(u'|'), action.expected.join(u'|'));
        }

        // The tabs, by mouse and by Ctrl+Tab; then Esc closes the window as the close box does.
        events.reports.clear();
        form.setCurrentTab(0);
        selectTab(form, 2);
        QTest::keyClick(&form, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(form.loCommand1(), Qt::Key_Escape);
        QCOMPARE(events.reports, QStringList({"SSTab1_Click 2", "SSTab1_Click 3", "Form_Unload"}));
        QVERIFY(!form.isVisible());
    }

    // An end of the program raised inside a handler does not unwind through the window system.
    void programEndStaysInTheHandler() {
        RecordingInformationEvents events;
        events.onRanking = [] { throw zelvano::ProgramEnded{1}; };
        ZWInform form(events);
        form.setCurrentTab(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.rsCommand1(0), Qt::LeftButton);
        QCOMPARE(events.reports, QStringList({"rsCommand1_Click 0"}));
    }

    // In IPAGothic and IPAMincho at an even pixel size a full-width character is exactly two
    // half-width ones wide, so the columns of the lists line up.
    void listsUseAnEvenFixedPitchFace() {
        RecordingInformationEvents events;
        ZWInform form(events);
        for (const QListWidget* list : {form.ZWWhoList1(), form.rsList1(), form.meiList1()}) {
            const QFont font = list->font();
            QVERIFY(font.family().startsWith(QStringLiteral("IPA")));
            QCOMPARE(font.pixelSize() % 2, 0);
            const QFontMetricsF metrics(font);
            const qreal half = metrics.horizontalAdvance(QStringLiteral("0"));
            QVERIFY(half > 0);
            for (const char* full : {"Ａ", "打", "　", "（", "ー"}) {
                QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8(full)), 2 * half);
            }
            // A roster line: 12 + 23 full-width widths after the name, 21 half-width characters.
            const QString line = QStringLiteral(
                "ＡＢ　　　　　　　　　　0003/0010（打率 0300）0001年度入団 　 　 新");
            QCOMPARE(metrics.horizontalAdvance(line), (23 * 2 + 21) * half);
        }
    }

    // The logic lets go of the window while a ranking it started still yields to the event
    // loop: after a close by the user, or because the season end takes the window away. The
    // window disappears at once, reports nothing more, and is deleted only after the ranking's
    // handler has returned.
    void releasedInTheMiddleOfARanking_data() {
        QTest::addColumn<bool>("closedByUser");
        QTest::newRow("the user closes it") << true;
        QTest::newRow("the program lets go of it") << false;
    }

    void releasedInTheMiddleOfARanking() {
        QFETCH(bool, closedByUser);
        RecordingInformationEvents events;
        auto view = std::make_unique<InformationWindowView>(events);
        QPointer<ZWInform> window = view->window();
        events.onUnload = [&view] { view.reset(); };
        bool aliveThroughTheRanking = true;
        events.onRanking = [&] {
            for (int step = 0; step < 2000; ++step) {
                if (step == 100) {
                    if (closedByUser) {
                        // The close comes through the event loop, as the close box's does.
                        QTimer::singleShot(0, window.data(), [window] { window->close(); });
                    } else {
                        view.reset();
                    }
                }
                QCoreApplication::processEvents();
                if (view) view->addRankingLine("line");
            }
            aliveThroughTheRanking = !window.isNull();
        };

        view->setCurrentTab(1);
        view->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QTest::mouseClick(window->rsCommand1(0), Qt::LeftButton);

        QVERIFY(!view);
        QVERIFY(aliveThroughTheRanking);
        QVERIFY(window.isNull() || !window->isVisible());
        const QStringList reported = events.reports;
        QCOMPARE(reported.first(), QStringLiteral("rsCommand1_Click 0"));
        QCOMPARE(reported.size(), closedByUser ? 2 : 1);
        if (closedByUser) QCOMPARE(reported.last(), QStringLiteral("Form_Unload"));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(events.reports, reported);
    }

    // Letting go of a window that was never shown, or outside any handler, is immediate.
    void releasedOutsideItsHandlers() {
        RecordingInformationEvents events;
        auto view = std::make_unique<InformationWindowView>(events);
        QPointer<ZWInform> window = view->window();
        view->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        view.reset();
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(events.reports, QStringList());
    }
};

QTEST_MAIN(ZWInformTest)
#include "test_zwinform.moc"
