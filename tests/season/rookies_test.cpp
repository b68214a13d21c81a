#include "season/rookies.h"

#include <gtest/gtest.h>

#include <set>

#include "support/scripted_user.h"
#include "support/test_league.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

// Rookies in a scripted run: draws given, every rookie put in slot `slot`.
struct RookieRun {
    testing::ScriptedUser user;
    testing::MemoryFileStore* files = nullptr;
    std::unique_ptr<HeadlessPlatform> platform;
    League league = testing::testLeague();
    std::vector<std::string> captions;

    RookieRun(std::vector<float> draws, int slot) {
        auto store = std::make_unique<testing::MemoryFileStore>();
        files = store.get();
        platform = std::make_unique<HeadlessPlatform>(
            user, std::move(store), std::make_unique<testing::ScriptedRandom>(std::move(draws)));
        user.onAct = [this, slot](HeadlessPlatform& p) {
            HeadlessOrderView* order = p.orderView();
            if (order == nullptr || order->closed) return false;
            EXPECT_FALSE(order->sortVisible);
            EXPECT_FALSE(order->wholeOrderVisible);
            captions.push_back(order->caption + "|" + order->matchLine + "|" + order->rosterTitle);
            return order->pressPlayer(slot - 1);
        };
    }
};

std::string cp932(const std::string& utf8) { return *text::encodeCp932(utf8); }

TEST(AddRookies, NamesFromTheListThenFromThePlayer) {
    // Three rookies (r = .9), hits 9 + Int(r × 7) after each pick.
    RookieRun run({0.9f, 0.0f, 0.5f, 0.99999994f}, 7);
    run.files->files["Z02MEM.TXT"] = cp932("山本 一郎\r\n佐藤,次郎\r\n");
    run.user.inputs = {"", "田中"};  // Cancel first: the box comes back
    run.league.Hits[1][7] = 500;
    run.league.AtBats[1][7] = 1000;
    run.league.CurrentYear = 5;
    AddRookies(run.league, *run.platform);

    ASSERT_EQ(run.user.asked.size(), 2u);
    EXPECT_EQ(run.user.asked[0].text, "新人が入りました。1/3人めを自動登録しました。");
    EXPECT_EQ(run.user.asked[1].text, "新人が入りました。2/3人めを自動登録しました。");
    EXPECT_EQ(run.user.asked[0].title, "Zelvano／新人登録");
    EXPECT_EQ(run.user.asked[0].icon, MessageIcon::Information);
    // The list is used up as the league knows it; the file keeps the names until the save.
    EXPECT_EQ(run.league.SeasonFiles.scoutingListAfter, "");
    EXPECT_EQ(run.files->files["Z02MEM.TXT"], cp932("山本 一郎\r\n佐藤,次郎\r\n"));
    EXPECT_EQ(run.captions.size(), 3u);
    EXPECT_EQ(run.captions[0],
              "Zelvano／新人登録|新人を登録する番号を登録してください。|ABCのメンバー表");
    // The last rookie took slot 7 over the two before him; the 500-hit player left no record.
    EXPECT_EQ(run.league.PlayerName[1][7], "田中");
    EXPECT_EQ(run.league.Hits[1][7], 15);  // r close to 1 gives 15, never 16
    EXPECT_EQ(run.league.AtBats[1][7], 30);
    EXPECT_EQ(run.league.EntryYear[1][7], 5);
    EXPECT_FALSE(run.files->exists("Jbball.Mei"));
}

TEST(AddRookies, ARefusedNameIsSaidWhyAndKeptForCorrecting) {
    // One rookie (r = 0); no list. Spaces only, then a character the file cannot hold.
    RookieRun run({0.0f, 0.5f}, 3);
    run.user.inputs = {"   ", "山田😀", "山田"};
    AddRookies(run.league, *run.platform);
    EXPECT_EQ(run.league.PlayerName[1][3], "山田");
    ASSERT_EQ(run.user.asked.size(), 2u);
    EXPECT_EQ(run.user.asked[0].text, "空白だけの名前は登録できません。選手名を入力してください。");
    EXPECT_EQ(run.user.initialTexts, (std::vector<std::string>{"", "", "山田😀"}));
}

TEST(TakeScoutedName, TheListsFirstLine) {
    struct Case {
        const char* what;
        std::optional<std::string> list;  // the file's bytes; none: no file
        std::string name;
        bool told;                             // the automatic-registration message
        std::optional<std::string> listAfter;  // what is left of it; none: nothing taken
    };
    const std::vector<Case> cases = {
        {"no list", std::nullopt, "", false, std::nullopt},
        {"empty list", "", "", false, std::nullopt},
        {"empty first line", "\r\nB\r\n", "", true, "B\r\n"},
        {"a comma stays in the name", cp932("佐藤,次郎\r\nB\nC"), "佐藤，次郎", true, "B\r\nC\r\n"},
        {"a list saved as UTF-8", "\xEF\xBB\xBF鈴木\nB\n", "鈴木", true, "B\r\n"},
    };
    for (const Case& c : cases) {
        RookieRun run({}, 1);
        if (c.list) run.files->files["Z02MEM.TXT"] = *c.list;
        EXPECT_EQ(TakeScoutedName(run.league, *run.platform, 1, 2), c.name) << c.what;
        EXPECT_EQ(run.user.asked.size(), c.told ? 1u : 0u) << c.what;
        EXPECT_EQ(run.league.SeasonFiles.scoutingListAfter, c.listAfter) << c.what;
        EXPECT_EQ(run.files->exists("Z02MEM.TXT"), c.list.has_value()) << c.what;
        if (c.list) {
            EXPECT_EQ(run.files->files["Z02MEM.TXT"], *c.list) << c.what;
        }
    }
}

TEST(TakeScoutedName, EachRookieOfASeasonTakesTheNextName) {
    RookieRun run({}, 1);
    run.files->files["Z02MEM.TXT"] = "A\r\nB\r\n";
    EXPECT_EQ(TakeScoutedName(run.league, *run.platform, 1, 3), "A");
    EXPECT_EQ(TakeScoutedName(run.league, *run.platform, 2, 3), "B");
    EXPECT_EQ(TakeScoutedName(run.league, *run.platform, 3, 3), "");
    EXPECT_EQ(run.league.SeasonFiles.scoutingListBefore, fingerprintOf("A\r\nB\r\n"));
}

TEST(RookieHits, NineToFifteen) {
    std::set<int> seen;
    for (int step = 0; step < 1 << 12; ++step) {
        seen.insert(rookieHits(static_cast<float>(step) / (1 << 12)));
    }
    seen.insert(rookieHits(0.99999994f));
    EXPECT_EQ(seen, (std::set<int>{9, 10, 11, 12, 13, 14, 15}));
}

}  // namespace
}  // namespace zelvano
