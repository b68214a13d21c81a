#include "league/rankings.h"

#include <gtest/gtest.h>

#include "support/test_league.h"
#include "text/full_width.h"
#include "text/utf8.h"

namespace zelvano {
namespace {

struct Collected final : RankingSink {
    std::string title;
    std::vector<std::string> lines;
    int yields = 0;
    bool yield() override { return ++yields > 0; }
    void setTitle(const std::string& text) override { title = text; }
    void clear() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
};

// Every player named by his slot (S01…S90), so the order can be read off the lines.
League numberedLeague() {
    League league = testing::testLeague();
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            const int slot = (team - 1) * kPlayers + player;
            league.PlayerName[team][player] = (slot < 10 ? "S0" : "S") + std::to_string(slot);
        }
    }
    return league;
}

// The slot numbers shown, in order.
std::vector<int> slotsShown(const std::vector<std::string>& lines) {
    std::vector<int> slots;
    for (const std::string& line : lines) {
        const std::size_t at = line.find("Ｓ");
        const std::u32string digits = text::toCodePoints(line.substr(at + 3, 6));
        slots.push_back(static_cast<int>((digits[0] - U'０') * 10 + (digits[1] - U'０')));
    }
    return slots;
}

std::vector<int> range(int from, int to) {
    std::vector<int> out;
    for (int s = from; s <= to; ++s) out.push_back(s);
    return out;
}

void setHits(League& league, int slot, Counter hits) {
    league.Hits[(slot - 1) / 30 + 1][(slot - 1) % 30 + 1] = hits;
}

TEST(Rankings, TheExchangeSortsOrderOfEqualKeys) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, Counter>> hits;  // slot, hits; all others 3
        std::vector<int> firstSlots;
    };
    std::vector<int> topIn90 = {90};
    for (int s = 2; s <= 50; ++s) topIn90.push_back(s);
    const std::vector<Case> cases = {
        {"all equal", {}, range(1, 50)},
        {"one above all in slot 90", {{90, 9}}, topIn90},
        {"three sharing the top", {{10, 9}, {40, 9}, {70, 9}}, {10, 40, 70, 4}},
    };
    for (const Case& c : cases) {
        League league = numberedLeague();
        for (const auto& [slot, hits] : c.hits) setHits(league, slot, hits);
        Collected sink;
        ASSERT_TRUE(runRanking(league, 1, sink));
        EXPECT_EQ(sink.title, "安打５０傑");
        std::vector<int> shown = slotsShown(sink.lines);
        shown.resize(c.firstSlots.size());
        EXPECT_EQ(shown, c.firstSlots) << c.what;
        EXPECT_EQ(sink.yields, 90 + 89 * 89 + 50);
    }
}

TEST(Rankings, LinesFiltersAndColumns) {
    League league = numberedLeague();
    league.TeamName[1] = "Tigers7";
    league.Hits[1][5] = 123;
    for (const int slot : {20, 50, 80}) setHits(league, slot, 0);  // three keys of 0
    league.PlayerName[3][30] = std::string(25, 'x');

    Collected hits;
    runRanking(league, 1, hits);
    EXPECT_EQ(hits.lines[0], "01)   Ｔｉｇｅｒ  Ｓ０５　　　　　　　　　　　　　　　　  0123安打");

    Collected low;
    runRanking(league, 3, low);
    EXPECT_EQ(low.title, "低打率５０貧");
    ASSERT_EQ(low.lines.size(), 47u);
    EXPECT_TRUE(low.lines[0].starts_with("04)   ")) << low.lines[0];
    EXPECT_TRUE(low.lines[0].ends_with("打率300"));

    Collected names;
    runRanking(league, 4, names);
    EXPECT_EQ(names.lines[0],
              "01)   ＧＨＩ　　　  " + text::toFullWidth(std::string(19, 'x')) + "  25文字");
}

TEST(Rankings, AClosedWindowAbandonsTheList) {
    struct Closing final : RankingSink {
        int yields = 0;
        int lines = 0;
        bool yield() override { return ++yields < 100; }
        void setTitle(const std::string&) override {}
        void clear() override {}
        void addLine(const std::string&) override { ++lines; }
    } sink;
    EXPECT_FALSE(runRanking(testing::testLeague(), 0, sink));
    EXPECT_EQ(sink.yields, 100);
    EXPECT_EQ(sink.lines, 0);
}

}  // namespace
}  // namespace zelvano
