#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano::text {
namespace {

// Every character a league file holds comes back unchanged after a save and a load.
TEST(Cp932, RoundTripsTheCharactersOfLeagueFiles) {
    const std::string text = "選手ａｂ１２アイウｶﾞ ，。・「髙橋」～－①Team-9\\~";
    const auto bytes = encodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(decodeCp932(*bytes), text);
}

// The Windows table, not JIS X 0208: these are the codes that Windows wrote in existing files.
TEST(Cp932, UsesTheWindowsCodes) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {"～", "\x81\x60"}, {"－", "\x81\x7C"}, {"選手", "\x91\x49\x8E\xE8"},
        {"ｱ", "\xB1"},      {"①", "\x87\x40"},  {"A \\~", "A \\~"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCp932(c.utf8), std::string(c.bytes)) << c.utf8;
        EXPECT_EQ(decodeCp932(c.bytes), std::string(c.utf8)) << c.utf8;
    }
}

// A character without a code must be refused, not written as a substitute byte.
TEST(Cp932, RefusesCharactersItCannotHold) {
    struct Case {
        const char* utf8;
        const char* first;
    };
    const Case cases[] = {
        {"abc😀", "😀"}, {"café", "é"}, {"田中é😀", "é"}, {"田中\xFF", "\xFF"},  // not UTF-8 at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCp932(c.utf8), std::nullopt) << c.utf8;
        EXPECT_EQ(firstUnencodableCharacter(c.utf8), c.first) << c.utf8;
    }
    EXPECT_EQ(firstUnencodableCharacter("田中 太郎"), "");
    EXPECT_EQ(firstUnencodableCharacter("plain"), "");
}

TEST(Cp932, RejectsBytesThatAreNotCodePage932) {
    const char* const cases[] = {
        "\x81",          // lead byte cut off at the end
        "\x81\x20",      // lead byte followed by a space
        "abc\x81\x7F",   // trail byte out of range
        "\x80",          // unassigned single byte
        "\x91\x49\xFF",  // valid kanji, then garbage
    };
    for (const char* bytes : cases) EXPECT_EQ(decodeCp932(bytes), std::nullopt);
}

TEST(Cp932, EmptyTextStaysEmpty) {
    EXPECT_EQ(encodeCp932(""), "");
    EXPECT_EQ(decodeCp932(""), "");
}

}  // namespace
}  // namespace zelvano::text
