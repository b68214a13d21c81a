#include "game/own_lineup.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

using testing::ScriptedUser;

// Runs chooseOwnLineup with a user who does `step` with the order window at every wait.
struct Picking {
    League league = testing::testLeague(2, 1);  // team 1 bats second: OwnSide 2
    ScriptedUser user;
    HeadlessPlatform platform{user, std::make_unique<testing::MemoryFileStore>(), 1u};
    std::vector<std::string> prompts;
    std::vector<int> focusAtPrompt;
    bool wholeOrderVisibleAtStart = false;
    std::string wholeOrderCaptionAtStart;

    void run(const std::function<bool(HeadlessBattingOrderView&)>& step) {
        user.onAct = [&](HeadlessPlatform& p) {
            HeadlessBattingOrderView* view = p.battingOrderView();
            if (view == nullptr || view->closed) return false;
            if (prompts.empty()) {
                wholeOrderVisibleAtStart = view->wholeOrderVisible;
                wholeOrderCaptionAtStart = view->wholeOrderCaption;
            }
            if (prompts.empty() || prompts.back() != view->prompt) {
                prompts.push_back(view->prompt);
                focusAtPrompt.push_back(view->focusedPlayer + 1);
            }
            return step(*view);
        };
        chooseOwnLineup(league, platform);
    }
    std::vector<int> order() const {
        return {league.BattingOrder[2].begin() + 1, league.BattingOrder[2].end()};
    }
    std::vector<int> chosen() const {
        return {league.ChosenOrder.begin() + 1, league.ChosenOrder.begin() + 10};
    }
};

// Picks the given players slot by slot (player numbers, 1-based).
std::function<bool(HeadlessBattingOrderView&)> pickInTurn(std::vector<int> players) {
    auto next = std::make_shared<std::size_t>(0);
    return [players, next](HeadlessBattingOrderView& view) {
        if (*next >= players.size()) return false;
        return view.pressPlayer(players[(*next)++] - 1);
    };
}

TEST(ChooseOwnLineup, APlayerAlreadyPickedIsNotSuggestedAgainNorPickable) {
    Picking picking;
    picking.league.ChosenOrder = {0, 1, 2, 3, 4, 2, 6, 7, 8, 9, 0};  // slot 5 remembers player 2
    bool secondPickRefused = false;
    int calls = 0;
    picking.run([&](HeadlessBattingOrderView& view) {
        ++calls;
        if (calls == 3) secondPickRefused = !view.pressPlayer(0) && !view.doubleClickName(0);
        const std::vector<int> picks = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int player : picks) {
            if (view.pressPlayer(player - 1)) return true;
        }
        return false;
    });
    EXPECT_TRUE(secondPickRefused);
    EXPECT_EQ(picking.focusAtPrompt[4], 0);  // player 2 went to slot 2
    EXPECT_EQ(picking.order(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ChooseOwnLineup, ShortcutsOnlyBeforeTheFirstPickAndNoPickOfPlayersWithoutHits) {
    Picking picking;
    picking.league.ChosenOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    picking.league.Hits[1][12] = 0;
    bool shortcutsAfterFirstPick = true;
    bool pickedNoHitter = true;
    int calls = 0;
    picking.run([&](HeadlessBattingOrderView& view) {
        ++calls;
        if (calls == 1) {
            pickedNoHitter = view.pressPlayer(11) || view.doubleClickName(11);
            EXPECT_EQ(view.averages[11], 0);
            return view.doubleClickName(9);  // a double-click on the name picks player 10
        }
        if (calls == 2) shortcutsAfterFirstPick = view.pressSort() || view.pressWholeOrder();
        return view.pressPlayer(view.focusedPlayer);
    });
    EXPECT_FALSE(pickedNoHitter);
    EXPECT_FALSE(shortcutsAfterFirstPick);
    EXPECT_EQ(picking.order(), (std::vector<int>{10, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ChooseOwnLineup, FewerThanNineWhoCanPlayCompleteTheOrderThemselves) {
    struct Case {
        const char* what;
        bool sort;
    };
    for (const Case& c : {Case{"picked one by one", false}, Case{"sorted", true}}) {
        Picking picking;
        for (int player = 1; player <= kPlayers; ++player) picking.league.Hits[1][player] = 0;
        for (int player : {4, 8, 15, 16, 23}) picking.league.Hits[1][player] = 3;
        picking.league.Hits[1][23] = 5;  // the best
        if (c.sort) {
            picking.run([](HeadlessBattingOrderView& view) {
                return view.pressSort() && view.pressWholeOrder();
            });
            // Ties among the four at .300 come out in the exchange procedure's order.
            EXPECT_EQ(picking.order(), (std::vector<int>{23, 8, 15, 16, 4, 23, 8, 15, 16}))
                << c.what;
        } else {
            picking.run(pickInTurn({16, 4, 23, 8, 15}));
            EXPECT_EQ(picking.order(), (std::vector<int>{16, 4, 23, 8, 15, 16, 4, 23, 8}))
                << c.what;
            EXPECT_EQ(picking.prompts.size(), 5u) << c.what;
        }
    }
    Picking nobody;
    for (int player = 1; player <= kPlayers; ++player) nobody.league.Hits[1][player] = 0;
    nobody.run([](HeadlessBattingOrderView&) { return false; });
    EXPECT_TRUE(nobody.prompts.empty());  // no window: the drawn lineup plays
}

}  // namespace
}  // namespace zelvano
