#include "text/full_width.h"

#include <gtest/gtest.h>

namespace zelvano::text {
namespace {

TEST(FullWidth, WidensAsTheJapaneseCodePageDoes) {
    struct Case {
        std::string_view narrow;
        std::string_view wide;
    };
    const Case cases[] = {
        {"", ""},
        {"Abz09", "Ａｂｚ０９"},
        {"!~", "！～"},         // both ends of the ASCII range
        {"a b", "ａ\u3000ｂ"},  // the space becomes the ideographic space
        {"C:\\x", "Ｃ：\\ｘ"},  // the backslash stays
        {"(大リーグ)", "（大リーグ）"},
        {"｡｢｣､･ｦｧｯｰﾝ", "。「」、・ヲァッーン"},
        {"ｶﾞｷﾞﾂﾞﾄﾞﾊﾞﾎﾟｳﾞ", "ガギヅドバポヴ"},
        {"ﾀﾅｶ ﾀﾛｳ", "タナカ\u3000タロウ"},
        // No character of its own for these marks: kana and mark stay apart.
        {"ｱﾞﾜﾞｶﾟﾞﾟ", "ア゛ワ゛カ゜゛゜"},
        {"ﾊﾟﾟ", "パ゜"},
        {"田中 ﾀﾛｳ、é", "田中\u3000タロウ、é"},  // non-narrow characters pass through
    };
    for (const Case& c : cases) EXPECT_EQ(toFullWidth(c.narrow), c.wide) << c.narrow;
}

// List columns are exactly `width` characters, whatever the name's length or byte count.
TEST(FullWidth, FixedColumnPadsAndCuts) {
    struct Case {
        std::string_view text;
        std::size_t width;
        std::string_view column;
    };
    const Case cases[] = {
        {"田中", 4, "田中\u3000\u3000"},
        {"", 2, "\u3000\u3000"},
        {"ＡＢＣＤ", 4, "ＡＢＣＤ"},
        {"一二三四五六七八九十壱弐参", 12, "一二三四五六七八九十壱弐"},
        {"abc", 0, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(fixedColumn(c.text, c.width), c.column) << c.text;
}

}  // namespace
}  // namespace zelvano::text
