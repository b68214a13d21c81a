#include "league/players_list.h"

#include <gtest/gtest.h>

#include "support/test_league.h"

namespace zelvano {
namespace {

TEST(PlayersList, LinesAndMarks) {
    struct Case {
        const char* what;
        std::string name;
        Counter hits, atBats, entryYear, year;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"founder in year 1", "Ａ０１", 3, 10, 0, 1,
         "Ａ０１　　　　　　　　　0003/0010（打率 0300）0001年度入団 　 　 新"},
        {"founder later", "Ａ０１", 3, 10, 0, 2,
         "Ａ０１　　　　　　　　　0003/0010（打率 0300）0001年度入団 　 　 全"},
        {"many hits, poor average", "Taro", 120, 414, 2, 5,
         "Ｔａｒｏ　　　　　　　　0120/0414（打率 0290）0003年度入団 × △ 　"},
        {"a thousand hits, long name", "ﾔﾏﾀﾞﾀﾛｳｻﾌﾞﾛｳｼﾞﾛｳ", 10000, 19999, 1, 40,
         "ヤマダタロウサブロウジロ10000/19999（打率 0500）0002年度入団 優 殿 長"},
        {"on loan", "(大リーグ)", 0, 77, 3, 5,
         "（大リーグ）　　　　　　0000/0077（打率 0000）0004年度入団 　 　 　"},
    };
    for (const Case& c : cases) {
        League league = testing::testLeague();
        league.CurrentYear = c.year;
        league.PlayerName[2][4] = c.name;
        league.Hits[2][4] = c.hits;
        league.AtBats[2][4] = c.atBats;
        league.EntryYear[2][4] = c.entryYear;
        EXPECT_EQ(playersListLine(league, 2, 4), c.line) << c.what;
    }
    const League league = testing::testLeague();
    EXPECT_EQ(playersListTitle(league, 3), "GHI登録選手一覧表");
    EXPECT_EQ(playersListLines(league, 1).size(), 30u);
}

}  // namespace
}  // namespace zelvano
