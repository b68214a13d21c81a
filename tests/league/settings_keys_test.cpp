#include "league/settings_keys.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

// The stored speed goes through hexadecimal and back as decimal, so only 0 to 9 survive as
// written; the rest of the table is what existing settings have always loaded as.
TEST(SettingsKeys, GameWaitFromStoredText) {
    struct Case {
        std::string_view stored;
        int gameWait;
    };
    const Case cases[] = {
        {"0", 0},
        {"7", 7},
        {"9", 9},
        {"10", 0},
        {"12", 0},
        {"15", 0},
        {"16", 10},
        {"20", 14},
        {"25", 19},
        {"26", 1},
        {"31", 1},
        {"32", 20},
        {"", 0},
        {"abc", 0},
        {"-1", 0},
        {"-7", 0},
        {"7.5", 8},
        {"6.5", 6},
        {"9.5", 0},
        {" 5", 5},
        {"+3", 3},
        {"5abc", 5},
        {".5", 0},
        {"3.4x", 3},
        // Hexadecimal 1E0, 1E2, 2D3 and 1E5 read back with a decimal exponent.
        {"480", 1},
        {"482", 100},
        {"723", 2000},
        {"485", 0},
        {"99999999999", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(gameWaitFromSetting(c.stored), c.gameWait) << c.stored;
}

TEST(SettingsKeys, OnlyUpperCaseOnSwitchesAutoAdvanceOn) {
    EXPECT_TRUE(autoAdvanceOn("ON"));
    EXPECT_FALSE(autoAdvanceOn("on"));
    EXPECT_FALSE(autoAdvanceOn("OFF"));
    EXPECT_FALSE(autoAdvanceOn(""));
}

}  // namespace
}  // namespace zelvano
