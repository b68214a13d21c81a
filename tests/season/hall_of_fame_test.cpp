#include "season/hall_of_fame.h"

#include <gtest/gtest.h>

#include "support/scripted_user.h"

namespace zelvano {
namespace {

TEST(HallOfFame, StrictThresholdsAtRetirement) {
    struct Case {
        Counter hits, atBats;
        bool enters;
    };
    for (const Case& c : {Case{101, 335, true}, Case{100, 250, false}, Case{301, 1505, true},
                          Case{300, 1200, false}, Case{101, 337, false}}) {
        EXPECT_EQ(qualifiesForHallOfFame(c.hits, static_cast<double>(c.hits) / c.atBats), c.enters)
            << c.hits << "/" << c.atBats;
    }
}

TEST(HallOfFame, RecordLine) {
    EXPECT_EQ(hallOfFameRecord("Ａ０１", 0, 101), "Ａ０１(1年度入団)【101安打】\r\n");
    EXPECT_EQ(hallOfFameRecord("新人", 12, 1000), "新人(13年度入団)【1000安打】《殿堂入り》\r\n");
}

TEST(HallOfFame, EntriesAreFieldsUpToTheFirstUnreadableLine) {
    EXPECT_TRUE(hallOfFameEntries("").empty());
    EXPECT_EQ(hallOfFameEntries("A\r\nB,C\r\nD"), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(hallOfFameEntries("A\r\nB\x81\r\nC\r\n"), std::vector<std::string>{"A"});
}

TEST(HallOfFame, PagesOfTwentyWithTheTotalOnTheLast) {
    std::vector<std::string> entries;
    for (int n = 1; n <= 41; ++n) entries.push_back("E" + std::to_string(n));
    const std::vector<std::string> pages = hallOfFamePages(entries);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[0].starts_with("名球会会員一覧\n1)E1\n2)E2\n"));
    EXPECT_TRUE(pages[0].ends_with("20)E20\n"));
    EXPECT_TRUE(pages[1].starts_with("名球会会員一覧\n21)E21\n"));
    EXPECT_EQ(pages[2], "名球会会員一覧\n41)E41\n\n  以上41人です。");

    entries.resize(20);
    ASSERT_EQ(hallOfFamePages(entries).size(), 1u);
    EXPECT_TRUE(hallOfFamePages(entries)[0].ends_with("20)E20\n\n  以上20人です。"));
    EXPECT_TRUE(hallOfFamePages({}).empty());
}

TEST(HallOfFame, RollAtExitShowsNothingWithoutAFile) {
    for (const bool empty : {false, true}) {
        testing::ScriptedRun run;
        if (empty) run.files->files["Jbball.Mei"] = "";
        showHallOfFameList(*run.platform);
        EXPECT_TRUE(run.user.asked.empty());
    }
}

}  // namespace
}  // namespace zelvano
