#include "text/utf8.h"

#include <gtest/gtest.h>

namespace zelvano::text {
namespace {

// Lengths and cuts are in characters, whatever their byte length.
TEST(Utf8, CountsAndCutsByCharacter) {
    struct Case {
        std::string_view text;
        std::size_t count;
        std::size_t n;
        std::string_view left;
    };
    const Case cases[] = {
        {"", 0, 3, ""},
        {"abc", 3, 2, "ab"},
        {"田中太郎", 4, 2, "田中"},
        {"ｱa選😀x", 5, 4, "ｱa選😀"},
        {"田中", 2, 12, "田中"},
        {"ab\xFF\xFE", 4, 3, "ab\xFF"},  // stray bytes count one each
        {"\xE7\x94", 2, 1, "\xE7"},      // a character cut off at the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(charCount(c.text), c.count) << c.text;
        EXPECT_EQ(leftChars(c.text, c.n), c.left) << c.text;
    }
}

TEST(Utf8, CodePointsRoundTrip) {
    const std::string_view text = "A é 選 ｶ 😀";
    const std::u32string codePoints = toCodePoints(text);
    EXPECT_EQ(codePoints, U"A é 選 ｶ 😀");
    EXPECT_EQ(fromCodePoints(codePoints), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    // Overlong "/", a surrogate, and a lone continuation byte.
    EXPECT_EQ(toCodePoints("\xC0\xAF|\xED\xA0\x80|\x80"),
              U"\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|\uFFFD");
    std::string out;
    appendUtf8(out, 0xD800);
    EXPECT_EQ(out, "\uFFFD");
}

}  // namespace
}  // namespace zelvano::text
