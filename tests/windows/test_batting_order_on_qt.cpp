// The batting order set by the logic on the real batting-order window: greyed rows, suggestions,
// the sort and the two whole-order shortcuts.

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "batting_order_controls.h"
#include "game/own_lineup.h"
#include "support/test_league.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"

using namespace zelvano;
using test::control;
using test::GuiScript;
using test::label;
using test::openWindow;
using test::playerButton;
using test::sortButton;
using test::wholeOrderButtonOf;

namespace {

QString prompt(int slot) {
    return QString::number(slot) + QStringLiteral("番打者を決定してください。");
}

// The window is up and asks for the given slot.
BattingOrderWindow* askingFor(int slot) {
    BattingOrderWindow* form = openWindow<BattingOrderWindow>();
    if (form == nullptr || label(*form, "promptLabel")->text() != prompt(slot)) return nullptr;
    return form;
}

std::vector<int> orderOf(const std::array<int, kBattingSlots + 1>& order) {
    return {order.begin() + 1, order.end()};
}
std::vector<int> orderOf(const std::array<int, kBattingSlots + 2>& order) {
    return {order.begin() + 1, order.begin() + 1 + kBattingSlots};
}

// Runs chooseOwnLineup while the script plays the user.
void choose(League& league, QtPlatform& platform, GuiScript& script) {
    script.start(platform);
    chooseOwnLineup(league, platform);
}

}  // namespace

class BattingOrderOnQtTest : public QObject {
    Q_OBJECT

private slots:
    // The first game of a run: no "前回と同順", a player without hits cannot be picked by click or
    // double-click, and every pick greys its row and the shortcuts.
    void firstGameSlotBySlot() {
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 3);
        league.Hits[1][4] = 0;
        GuiScript script;
        script.step([&] {
            BattingOrderWindow* form = askingFor(1);
            if (form == nullptr) return false;
            SCRIPT_COMPARE(form->windowTitle(), QStringLiteral("打者選考"));
            SCRIPT_COMPARE(label(*form, "matchLabel")->text(),
                           QStringLiteral("ABC対GHIの試合です。"));
            SCRIPT_COMPARE(label(*form, "rosterTitleLabel")->text(),
                           QStringLiteral("ABCのメンバー表"));
            SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isHidden());
            SCRIPT_COMPARE(playerButton(*form, 0)->text(), QStringLiteral("1"));
            SCRIPT_COMPARE(label(*form, "playerNameLabel", 0)->text(),
                           QStringLiteral("  ") + QString::fromStdString(league.PlayerName[1][1]));
            SCRIPT_COMPARE(label(*form, "playerAverageLabel", 0)->text(), QStringLiteral("300"));
            SCRIPT_VERIFY(!playerButton(*form, 3)->isEnabled());
            SCRIPT_VERIFY(!label(*form, "playerNameLabel", 3)->isEnabled());
            SCRIPT_VERIFY(label(*form, "playerAverageLabel", 3)->isEnabled());
            SCRIPT_COMPARE(label(*form, "playerAverageLabel", 3)->text(), QStringLiteral("0"));
            QTest::mouseClick(playerButton(*form, 3), Qt::LeftButton);
            QTest::mouseDClick(label(*form, "playerNameLabel", 3), Qt::LeftButton);
            return true;
        });
        script.step([&] {
            BattingOrderWindow* form = askingFor(1);  // still the first slot
            if (form == nullptr) return false;
            QTest::mouseDClick(label(*form, "playerNameLabel", 9),
                               Qt::LeftButton);  // player 10 by his name
            return true;
        });
        script.step([&] {
            BattingOrderWindow* form = askingFor(2);
            if (form == nullptr) return false;
            SCRIPT_VERIFY(!playerButton(*form, 9)->isEnabled());
            SCRIPT_VERIFY(!label(*form, "playerNameLabel", 9)->isEnabled());
            SCRIPT_VERIFY(!label(*form, "playerAverageLabel", 9)->isEnabled());
            SCRIPT_VERIFY(!sortButton(*form)->isEnabled());
            QTest::mouseClick(playerButton(*form, 9), Qt::LeftButton);  // picked already: nothing
            return true;
        });
        const std::vector<int> rest{9, 8, 7, 6, 5, 3, 2, 1};
        for (std::size_t i = 0; i < rest.size(); ++i) {
            script.step([&, i] {
                BattingOrderWindow* form = askingFor(static_cast<int>(i) + 2);
                if (form == nullptr) return false;
                QTest::mouseClick(playerButton(*form, rest[i] - 1), Qt::LeftButton);
                return true;
            });
        }
        choose(league, platform, script);
        QVERIFY(!script.stuck);
        QVERIFY(script.finished());
        const std::vector<int> expected{10, 9, 8, 7, 6, 5, 3, 2, 1};
        QCOMPARE(orderOf(league.BattingOrder[1]), expected);
        QCOMPARE(orderOf(league.ChosenOrder), expected);
        QVERIFY(openWindow<BattingOrderWindow>() == nullptr);
    }

    // A complete, playable remembered order is offered as "前回と同順" and copied unchanged; each
    // slot suggests its remembered player.
    void rememberedOrderReused() {
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(2, 1);  // team 1 bats second
        const std::vector<int> remembered{5, 6, 7, 8, 9, 10, 11, 12, 13};
        std::copy(remembered.begin(), remembered.end(), league.ChosenOrder.begin() + 1);
        GuiScript script;
        script.step([&] {
            BattingOrderWindow* form = askingFor(1);
            if (form == nullptr) return false;
            SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isVisible());
            SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isEnabled());
            SCRIPT_COMPARE(wholeOrderButtonOf(*form)->text(), QStringLiteral("前回と同順"));
            SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(playerButton(*form, 4)));
            QTest::mouseClick(wholeOrderButtonOf(*form), Qt::LeftButton);
            return true;
        });
        choose(league, platform, script);
        QVERIFY(!script.stuck);
        QCOMPARE(orderOf(league.BattingOrder[2]), remembered);
        QCOMPARE(league.OwnSide, 2);
    }

    // With a remembered player gone (no hits) the shortcut stays hidden; the others are still
    // suggested slot by slot, and Enter picks the suggested player.
    void rememberedOrderWithAPlayerAway() {
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 2);
        const std::vector<int> remembered{21, 22, 23, 24, 25, 26, 27, 28, 29};
        std::copy(remembered.begin(), remembered.end(), league.ChosenOrder.begin() + 1);
        league.Hits[1][23] = 0;
        GuiScript script;
        std::vector<QWidget*> suggested;
        for (int slot = 1; slot <= 9; ++slot) {
            script.step([&, slot] {
                BattingOrderWindow* form = askingFor(slot);
                if (form == nullptr) return false;
                if (slot == 1) SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isHidden());
                if (slot == 3) {  // player 23 is away: pick player 30 instead
                    QTest::mouseClick(playerButton(*form, 29), Qt::LeftButton);
                    return true;
                }
                suggested.push_back(form->focusWidget());
                SCRIPT_COMPARE(form->focusWidget(), static_cast<QWidget*>(playerButton(
                                                        *form, remembered[slot - 1] - 1)));
                QTest::keyClick(form->focusWidget(), Qt::Key_Return);
                return true;
            });
        }
        choose(league, platform, script);
        QVERIFY(!script.stuck);
        QCOMPARE(suggested.size(), std::size_t{8});
        QCOMPARE(orderOf(league.BattingOrder[1]),
                 (std::vector<int>{21, 22, 30, 24, 25, 26, 27, 28, 29}));
    }

    // The sort proposes the nine best averages; ties come out as the exchange procedure leaves
    // them (players 1 and 2 at .300 behind player 3 at .400: 3, 1, 2, 4, ...).
    void sortThenBestOrder_data() {
        QTest::addColumn<std::vector<int>>("threeHundred");
        QTest::addColumn<int>("fourHundred");
        QTest::addColumn<int>("othersHits");
        QTest::addColumn<std::vector<int>>("expected");
        QTest::newRow("3 ahead of 1 and 2")
            << std::vector<int>{1, 2} << 3 << 2 << std::vector<int>{3, 1, 2, 4, 5, 6, 7, 8, 9};
        // Players 5 and 10 at .300, all others at .250 (here 5 hits in 20 at-bats).
        QTest::newRow("5 and 10 ahead")
            << std::vector<int>{5, 10} << 0 << -1 << std::vector<int>{5, 10, 3, 4, 1, 6, 7, 8, 9};
    }
    void sortThenBestOrder() {
        QFETCH(std::vector<int>, threeHundred);
        QFETCH(int, fourHundred);
        QFETCH(int, othersHits);
        QFETCH(std::vector<int>, expected);
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 3);
        for (int player = 1; player <= kPlayers; ++player) {
            league.Hits[1][player] = othersHits > 0 ? othersHits : 5;
            league.AtBats[1][player] = othersHits > 0 ? 10 : 20;
        }
        for (int player : threeHundred) {
            league.Hits[1][player] = 3;
            league.AtBats[1][player] = 10;
        }
        if (fourHundred > 0) {
            league.Hits[1][fourHundred] = 4;
            league.AtBats[1][fourHundred] = 10;
        }
        GuiScript script;
        script.step([&] {
            BattingOrderWindow* form = askingFor(1);
            if (form == nullptr) return false;
            QTest::mouseClick(sortButton(*form), Qt::LeftButton);
            SCRIPT_COMPARE(form->focusWidget(),
                           static_cast<QWidget*>(playerButton(*form, expected[0] - 1)));
            SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isVisible());
            SCRIPT_VERIFY(wholeOrderButtonOf(*form)->isEnabled());
            SCRIPT_COMPARE(wholeOrderButtonOf(*form)->text(), QStringLiteral("ベスト打順"));
            QTest::mouseClick(wholeOrderButtonOf(*form), Qt::LeftButton);
            return true;
        });
        choose(league, platform, script);
        QVERIFY(!script.stuck);
        QCOMPARE(orderOf(league.BattingOrder[1]), expected);
        QCOMPARE(orderOf(league.ChosenOrder), expected);
    }

    // Closing the window asks the forced-quit question; No leaves the picking as it was.
    void closeAnsweredNo() {
        QtPlatform platform(test::memoryParts().parts);
        League league = testing::testLeague(1, 3);
        GuiScript script;
        BattingOrderWindow* window = nullptr;
        script.step([&] {
            window = askingFor(1);
            if (window == nullptr) return false;
            QTimer::singleShot(0, window, [window] { window->close(); });
            return true;
        });
        script.answerMessage(QMessageBox::No);
        script.step([&] {
            BattingOrderWindow* form = askingFor(1);
            if (form == nullptr) return false;
            SCRIPT_VERIFY(sortButton(*form)->isEnabled());
            QTest::mouseClick(sortButton(*form), Qt::LeftButton);
            QTest::mouseClick(wholeOrderButtonOf(*form), Qt::LeftButton);
            return true;
        });
        choose(league, platform, script);
        QVERIFY(!script.stuck);
        QVERIFY(script.finished());
        QCOMPARE(test::endStatusOf([&] { platform.yieldOnce(); }), -1);  // the game goes on
    }
};

QTEST_MAIN(BattingOrderOnQtTest)
#include "test_batting_order_on_qt.moc"
