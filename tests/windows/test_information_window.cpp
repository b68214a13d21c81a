// The information window on its own: its controls and captions, what it shows, what it
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
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "window_fixture.h"
#include "windows/information_window.h"
#include "windows/information_window_handle.h"
#include "windows/pictures.h"
#include "windows/tab_icons.h"
#include "windows/twips.h"

using zelvano::InformationEvents;
using zelvano::InformationWindow;
using zelvano::InformationWindowHandle;
using zelvano::test::control;

namespace {

// Writes down every report as one text, in order.
struct RecordingInformationEvents final : InformationEvents {
    void tabSelected(int tab) override { add("tabSelected " + std::to_string(tab)); }
    void teamPressed(int index) override { add("teamPressed " + std::to_string(index)); }
    void rosterLineActivated(int line) override {
        add("rosterLineActivated " + std::to_string(line));
    }
    void rankingPressed(int index) override {
        add("rankingPressed " + std::to_string(index));
        if (onRanking) onRanking();
    }
    void speedChanged(int value) override { add("speedChanged " + std::to_string(value)); }
    void autoAdvanceClicked(bool checked) override {
        add(std::string("autoAdvanceClicked ") + (checked ? "1" : "0"));
    }
    void renameUnlockClicked(bool checked) override {
        add(std::string("renameUnlockClicked ") + (checked ? "1" : "0"));
    }
    void teamNameEdited(int index, const std::string& text) override {
        add("teamNameEdited " + std::to_string(index) + " " + text);
    }
    void scoutPressed() override { add("scoutPressed"); }
    void historyPressed() override { add("historyPressed"); }
    void careerPressed(int tab, int line) override {
        add("careerPressed " + std::to_string(tab) + " " + std::to_string(line));
    }
    void closedByUser() override {
        add("closedByUser");
        if (onUnload) onUnload();
    }

    void add(const std::string& line) { reports.push_back(QString::fromStdString(line)); }

    QStringList reports;
    std::function<void()> onRanking;
    std::function<void()> onUnload;
};

QTabBar* tabBar(const InformationWindow& window) { return control<QTabBar>(window, "tabBar"); }

void selectTab(InformationWindow& window, int tab) {
    QTest::mouseClick(tabBar(window), Qt::LeftButton, {}, tabBar(window)->tabRect(tab).center());
}

QLabel* label(const InformationWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
QListWidget* list(const InformationWindow& window, const char* name) {
    return control<QListWidget>(window, name);
}
QPushButton* button(const InformationWindow& window, const char* name, int index) {
    return control<QPushButton>(window, name, index);
}
QScrollBar* speedSlider(const InformationWindow& window) {
    return control<QScrollBar>(window, "speedSlider");
}
QCheckBox* check(const InformationWindow& window, const char* name) {
    return control<QCheckBox>(window, name);
}
QLineEdit* teamNameEdit(const InformationWindow& window, int index) {
    return control<QLineEdit>(window, "teamNameEdit", index);
}
QPlainTextEdit* aboutText(const InformationWindow& window) {
    return control<QPlainTextEdit>(window, "aboutText");
}

// A control's place relative to the tab control, in pixels.
QRect placeInTabControl(const InformationWindow& window, const QWidget& widget) {
    return QRect(widget.mapTo(control(window, "tabControl"), QPoint(0, 0)), widget.size());
}

}  // namespace

class InformationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        QCOMPARE(form.windowTitle(), QStringLiteral("Zelvano -情報ウィンドウ"));
        QCOMPARE(form.size(), QSize(615, 368));  // 9225 × 5520 twips
        QCOMPARE(control(form, "tabControl")->geometry(), zelvano::twipsRect(120, 120, 9015, 5295));
        const QStringList tabs{"現役選手一覧", "らんだむ資料館", "名球会名簿",
                               "大リーグ情報", "リーグオーナー", "Zelvanoについて"};
        QCOMPARE(tabBar(form)->count(), 6);
        for (int tab = 0; tab < 6; ++tab) QCOMPARE(tabBar(form)->tabText(tab), tabs[tab]);
        QCOMPARE(tabBar(form)->currentIndex(), 0);
        QVERIFY(!form.isModal());

        // Labels, buttons and boxes alike show their caption as their "text".
        const std::vector<std::pair<const char*, QString>> captions{
            {"rosterMarksLabel", "優劣:名球:履歴"},
            {"rankingTitleLabel", "らんだむ資料館"},
            {"rankingButton0", "打率５０傑"},
            {"rankingButton1", "安打５０傑"},
            {"rankingButton2", "年数５０傑"},
            {"rankingButton3", "低打率５０貧"},
            {"rankingButton4", "長名５０傑"},
            {"hallOfFameTitleLabel", "名球会　登録選手一覧"},
            {"hallOfFameCountLabel", "現在　0名"},
            {"majorLeagueTitleLabel", "メジャーリーグ情報"},
            {"settingsTitleLabel", "Zelvano 各種設定"},
            {"speedLabel", "試合のスピード"},
            {"speedScaleLabel", "めちゃ速　　　　　　　　　　　　　　　のんびり"},
            {"autoAdvanceCheck", "試合終了後、しばらく経つと自動的に次の試合に進むようにする"},
            {"renameCheck", "チーム名の変更（あまり多用しないことをお勧めします)"},
            {"teamOwnerLabel0", "あなたのチーム"},
            {"teamOwnerLabel1", "ライバルチーム１"},
            {"teamOwnerLabel2", "ライバルチーム２"},
            {"scoutButton", "来年度以降の新人選手をスカウト"},
            {"aboutTitleLabel", "Zelvano"},
        };
        for (const auto& [name, caption] : captions) {
            QCOMPARE(control(form, name)->property("text").toString(), caption);
        }
        QCOMPARE(speedSlider(form)->minimum(), 0);
        QCOMPARE(speedSlider(form)->maximum(), 9);
        for (int i = 0; i < 3; ++i) QVERIFY(!teamNameEdit(form, i)->isEnabled());
        QVERIFY(aboutText(form)->isReadOnly());
        QCOMPARE(aboutText(form)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const char* name : {"creditsLabel", "versionLabel", "productLabel"}) {
            QVERIFY(!label(form, name)->text().isEmpty());
        }
    }

    // Every control stands at its twips relative to the tab control, whichever page holds it.
    void placesInTwips_data() {
        QTest::addColumn<QRect>("twips");  // left, top, width and height
        const auto place = [](const char* name, int left, int top, int width, int height) {
            QTest::newRow(name) << QRect(left, top, width, height);
        };
        place("rosterTitleLabel", 1080, 840, 5940, 255);
        place("rosterMarksLabel", 7080, 1080, 1335, 180);
        place("rosterList", 120, 1320, 8535, 3180);
        place("teamButton0", 480, 4800, 2535, 375);
        place("teamButton2", 5760, 4800, 2535, 375);
        place("rankingTitleLabel", 1080, 840, 4815, 255);
        place("rankingList", 120, 1320, 8535, 3390);
        place("rankingButton1", 1920, 4800, 1500, 350);
        place("rankingButton4", 6960, 4800, 1500, 350);
        place("hallOfFameTitleLabel", 1080, 840, 4815, 255);
        place("hallOfFameList", 120, 1320, 8535, 3570);
        place("hallOfFameCountLabel", 6240, 4920, 2415, 255);
        place("majorLeagueTitleLabel", 2160, 1200, 4455, 495);
        place("majorLeagueLabel", 360, 2040, 8175, 1215);
        place("settingsTitleLabel", 1800, 960, 5175, 255);
        place("autoAdvanceCheck", 1800, 1440, 5175, 255);
        place("speedScaleLabel", 3480, 1800, 3255, 255);
        place("speedLabel", 1800, 2040, 1215, 255);
        place("speedSlider", 3240, 2040, 3615, 255);
        place("scoutButton", 1800, 2520, 5175, 375);
        place("renameCheck", 1800, 3120, 5175, 255);
        place("teamOwnerLabel1", 1680, 4080, 1335, 255);
        place("teamNameEdit2", 3240, 4440, 3735, 375);
        place("aboutTitleLabel", 840, 720, 5295, 495);
        place("productLabel", 6240, 720, 2415, 255);
        place("versionLabel", 6240, 960, 2415, 255);
        place("aboutText", 240, 1320, 8415, 3375);
        place("creditsLabel", 240, 4800, 8415, 255);
        for (int tab = 0; tab < 6; ++tab) {
            const QByteArray picture = "tabPicture" + QByteArray::number(tab);
            place(picture.constData(), 240, 720, 480, 480);
        }
    }
    void placesInTwips() {
        QFETCH(QRect, twips);
        RecordingInformationEvents events;
        InformationWindow form(events);
        QWidget* placed = control(form, QTest::currentDataTag());
        // Shown on its own page, as the player sees it.
        for (int tab = 0; tab < 6; ++tab) {
            if (control(form, "page", tab)->isAncestorOf(placed)) form.setCurrentTab(tab);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(placed->isVisible());
        QCOMPARE(placeInTabControl(form, *placed),
                 zelvano::twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
        if (placed->objectName().startsWith(QStringLiteral("tabPicture"))) {
            QCOMPARE(placed->size(), QSize(32, 32));
        }
    }

    // The tabs stand at the top of the window with no empty band above them, the panel right
    // under them, and the first controls of a page (the about page's picture and title) stand
    // clear of them.
    void tabsStandAtTheTop() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        form.setCurrentTab(5);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect bar = placeInTabControl(form, *tabBar(form));
        QCOMPARE(bar.top(), 0);
        QVERIFY(bar.height() >= tabBar(form)->tabRect(0).height());
        QCOMPARE(placeInTabControl(form, *control(form, "tabPanel")).top(), bar.bottom() + 1);
        for (const char* name : {"tabPicture5", "aboutTitleLabel", "productLabel"}) {
            QVERIFY2(placeInTabControl(form, *control(form, name)).top() >= bar.bottom() + 8, name);
        }
    }

    // A team's long name is cut at its end with "…" inside its button, never centred and cut at
    // both ends; the tool tip and a screen reader have it whole. A short one is shown as typed.
    void longTeamNamesAreCutAtTheEnd() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        const QString longName = QStringLiteral("ゼルバーノ・スーパースターズ東京");
        form.setTeamButtons({longName.toStdString(), "B&C", "デルタ"});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QPushButton* cut = button(form, "teamButton", 0);
        QStyleOptionButton option;
        option.initFrom(cut);
        option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect contents =
            cut->style()->subElementRect(QStyle::SE_PushButtonContents, &option, cut);
        QVERIFY(cut->text().endsWith(QChar(0x2026)));
        QVERIFY(longName.startsWith(cut->text().chopped(1)));
        QVERIFY(cut->fontMetrics().horizontalAdvance(cut->text()) <= contents.width());
        QCOMPARE(cut->toolTip(), longName);
        QCOMPARE(cut->accessibleName(), longName);

        QPushButton* whole = button(form, "teamButton", 1);
        QCOMPARE(whole->text(), QStringLiteral("B&&C"));
        QCOMPARE(whole->toolTip(), QString());
        QCOMPARE(whole->accessibleName(), QStringLiteral("B&C"));

        // The roster's title: a sixteen-character name is shown whole, a longer one cut.
        QLabel* title = label(form, "rosterTitleLabel");
        for (const QString& name : {longName, longName + QStringLiteral("本店営業部")}) {
            const QString text = name + QStringLiteral("登録選手一覧表");
            form.setRosterTitle(text.toStdString());
            QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <=
                    title->contentsRect().width());
            QCOMPARE(title->text() == text, name == longName);
            QVERIFY(text.startsWith(title->text().chopped(name == longName ? 0 : 1)));
            QCOMPARE(list(form, "rosterList")->accessibleName(), text);
        }
    }

    // The legend "優劣:名球:履歴" stands over the three marks that end every roster line: the
    // middle of its ink over the middle of theirs, no wider than the marks and a column each
    // side, and above the list.
    void marksLegendStandsOverTheMarks() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        // A roster line in its columns: 58 half-width columns, then the marks.
        const QString line = QString(58, u' ') + QStringLiteral(" 優 ◎ 新");
        form.setRosterLines({line.toStdString(), line.toStdString()});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.grab().toImage();

        // The leftmost and rightmost columns with dark pixels inside a rectangle of the window.
        const auto inkSpan = [&shot](const QRect& area) {
            int left = area.right() + 1;
            int right = area.left() - 1;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (qGray(shot.pixel(x, y)) < 128) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            return std::pair{left, right};
        };
        QListWidget* roster = list(form, "rosterList");
        const QRect firstLine = roster->visualItemRect(roster->item(0))
                                    .translated(roster->viewport()->mapTo(&form, QPoint(0, 0)))
                                    .adjusted(0, 1, 0, -1);
        QLabel* legend = label(form, "rosterMarksLabel");
        const QRect legendPlace(legend->mapTo(&form, QPoint(0, 0)), legend->size());
        const auto [marksLeft, marksRight] = inkSpan(firstLine);
        const auto [legendLeft, legendRight] = inkSpan(legendPlace);
        QVERIFY(marksLeft < marksRight);
        QVERIFY(legendLeft < legendRight);
        const int column = roster->fontMetrics().horizontalAdvance(u' ');
        QVERIFY2(std::abs((marksLeft + marksRight) - (legendLeft + legendRight)) <= 4,
                 qPrintable(QStringLiteral("marks %1–%2, legend %3–%4")
                                .arg(marksLeft)
                                .arg(marksRight)
                                .arg(legendLeft)
                                .arg(legendRight)));
        QVERIFY(legendLeft >= marksLeft - 2 * column);
        QVERIFY(legendRight <= marksRight + 2 * column);
        QVERIFY(legend->geometry().bottom() < roster->geometry().top());
        QVERIFY(!legend->geometry().intersects(label(form, "rosterTitleLabel")->geometry()));
    }

    // Each tab shows its own drawing, drawn at the screen's density rather than enlarged from 32
    // pixels: at a ratio of 2 it matches the SVG rendered into 64 × 64.
    void tabPicturesAreDrawnAtFullDensity() {
        RecordingInformationEvents events;
        InformationWindow form(events);
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
            control(form, "tabPicture", tab)
                ->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
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
        InformationWindow form(events);
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

        QCOMPARE(button(form, "teamButton", 0)->text(), QStringLiteral("アルファ"));
        QCOMPARE(button(form, "teamButton", 1)->text(),
                 QStringLiteral("B&&C"));  // "&" is no mnemonic
        QCOMPARE(label(form, "rosterTitleLabel")->text(), QStringLiteral("アルファ登録選手一覧表"));
        QCOMPARE(list(form, "rosterList")->count(), 3);
        QCOMPARE(list(form, "rosterList")->item(2)->text(), QStringLiteral("三"));
        QCOMPARE(label(form, "rankingTitleLabel")->text(), QStringLiteral("安打５０傑"));
        QCOMPARE(list(form, "rankingList")->count(), 2);
        QCOMPARE(list(form, "rankingList")->item(0)->text(), QStringLiteral("01)   Ａ"));
        QCOMPARE(list(form, "hallOfFameList")->count(), 2);
        QCOMPARE(label(form, "hallOfFameCountLabel")->text(), QStringLiteral("現在2名"));
        QCOMPARE(label(form, "majorLeagueLabel")->text(),
                 QStringLiteral("大リーグへ移籍中の選手はいません。"));
        QCOMPARE(aboutText(form)->toPlainText(), QStringLiteral("一行目\n二行目\n"));
        QCOMPARE(speedSlider(form)->value(), 7);
        QVERIFY(check(form, "autoAdvanceCheck")->isChecked());
        QVERIFY(check(form, "renameCheck")->isChecked());
        QCOMPARE(teamNameEdit(form, 1)->text(), QStringLiteral("ブラボー"));
        QVERIFY(teamNameEdit(form, 0)->isEnabled());
        QCOMPARE(tabBar(form)->currentIndex(), 4);
        QCOMPARE(events.reports, QStringList());

        form.setRankingBusy(true);
        for (int i = 0; i < 5; ++i) QVERIFY(!button(form, "rankingButton", i)->isEnabled());
        QVERIFY(list(form, "rankingList")->isHidden());
        form.setRankingBusy(false);
        for (int i = 0; i < 5; ++i) QVERIFY(button(form, "rankingButton", i)->isEnabled());
        QVERIFY(!list(form, "rankingList")->isHidden());
    }

    // Each thing the user does reaches the logic as its event, with its value.
    void reportsWhatTheUserDoes() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        form.setRosterLines({"一", "二", "三", "四", "五"});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        struct Action {
            int tab;
            std::function<void()> act;
            QStringList expected;
        };
        QListWidget* roster = list(form, "rosterList");
        const auto lineCentre = [roster](int line) {
            return roster->visualItemRect(roster->item(line)).center();
        };
        const std::vector<Action> actions{
            {0,
             [&] { QTest::mouseClick(button(form, "teamButton", 2), Qt::LeftButton); },
             {"teamPressed 2"}},
            {0,
             [&] {
                 QTest::mouseClick(roster->viewport(), Qt::LeftButton, {}, lineCentre(4));
                 QTest::mouseDClick(roster->viewport(), Qt::LeftButton, {}, lineCentre(4));
             },
             {"rosterLineActivated 4"}},
            {0,
             [&] {
                 roster->setCurrentRow(1);
                 roster->setFocus();
                 QTest::keyClick(roster, Qt::Key_Return);
             },
             {"rosterLineActivated 1"}},
            {0,
             [&] {
                 roster->clearSelection();
                 QTest::keyClick(roster, Qt::Key_Enter);
             },
             {"rosterLineActivated -1"}},
            {1,
             [&] { QTest::mouseClick(button(form, "rankingButton", 3), Qt::LeftButton); },
             {"rankingPressed 3"}},
            {4,
             [&] {
                 speedSlider(form)->setFocus();
                 QTest::keyClick(speedSlider(form), Qt::Key_Right);
                 QTest::keyClick(speedSlider(form), Qt::Key_Right);
                 QTest::keyClick(speedSlider(form), Qt::Key_Left);
                 QTest::keyClick(speedSlider(form), Qt::Key_End);
             },
             {"speedChanged 1", "speedChanged 2", "speedChanged 1", "speedChanged 9"}},
            {4,
             [&] { QTest::mouseClick(check(form, "autoAdvanceCheck"), Qt::LeftButton); },
             {"autoAdvanceClicked 1"}},
            {4,
             [&] { QTest::mouseClick(check(form, "renameCheck"), Qt::LeftButton); },
             {"renameUnlockClicked 1"}},
            {4,
             [&] {
                 form.setTeamNamesEnabled(true);
                 teamNameEdit(form, 1)->setFocus();
                 QTest::keyClicks(teamNameEdit(form, 1), "ab");
             },
             {"teamNameEdited 1 a", "teamNameEdited 1 ab"}},
            {4,
             [&] { QTest::mouseClick(control<QPushButton>(form, "scoutButton"), Qt::LeftButton); },
             {"scoutPressed"}},
            {0,
             [&] {
                 form.setRosterLines({"a", "b", "c"});
                 control<QListWidget>(form, "rosterList")->setCurrentRow(2);
                 QTest::mouseClick(control<QPushButton>(form, "rosterCareerButton"),
                                   Qt::LeftButton);
             },
             {"careerPressed 0 2"}},
            {1,
             [&] {
                 form.clearRanking();
                 QTest::mouseClick(control<QPushButton>(form, "rankingCareerButton"),
                                   Qt::LeftButton);
             },
             {"careerPressed 1 -1"}},
            {1,
             [&] {
                 QTest::mouseClick(control<QPushButton>(form, "historyButton"), Qt::LeftButton);
             },
             {"historyPressed"}},
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
        QTest::keyClick(control<QPushButton>(form, "scoutButton"), Qt::Key_Escape);
        QCOMPARE(events.reports, QStringList({"tabSelected 2", "tabSelected 3", "closedByUser"}));
        QVERIFY(!form.isVisible());
    }

    // An end of the program raised inside a handler does not unwind through the window system.
    void programEndStaysInTheHandler() {
        RecordingInformationEvents events;
        events.onRanking = [] { throw zelvano::ProgramEnded{1}; };
        InformationWindow form(events);
        form.setCurrentTab(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(button(form, "rankingButton", 0), Qt::LeftButton);
        QCOMPARE(events.reports, QStringList({"rankingPressed 0"}));
    }

    // In IPAGothic and IPAMincho at an even pixel size a full-width character is exactly two
    // half-width ones wide, so the columns of the lists line up.
    void listsUseAnEvenFixedPitchFace() {
        RecordingInformationEvents events;
        InformationWindow form(events);
        for (const char* name : {"rosterList", "rankingList", "hallOfFameList"}) {
            const QListWidget* shown = list(form, name);
            const QFont font = shown->font();
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
        auto view = std::make_unique<InformationWindowHandle>(events);
        QPointer<InformationWindow> window = zelvano::test::heldInformationWindow();
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
        QTest::mouseClick(button(*window, "rankingButton", 0), Qt::LeftButton);

        QVERIFY(!view);
        QVERIFY(aliveThroughTheRanking);
        QVERIFY(window.isNull() || !window->isVisible());
        const QStringList reported = events.reports;
        QCOMPARE(reported.first(), QStringLiteral("rankingPressed 0"));
        QCOMPARE(reported.size(), closedByUser ? 2 : 1);
        if (closedByUser) QCOMPARE(reported.last(), QStringLiteral("closedByUser"));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(events.reports, reported);
    }

    // Letting go of a window that was never shown, or outside any handler, is immediate.
    void releasedOutsideItsHandlers() {
        RecordingInformationEvents events;
        auto view = std::make_unique<InformationWindowHandle>(events);
        QPointer<InformationWindow> window = zelvano::test::heldInformationWindow();
        view->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        view.reset();
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(events.reports, QStringList());
    }
};

QTEST_MAIN(InformationWindowTest)
#include "test_information_window.moc"
