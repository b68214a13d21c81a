#include "league/name_rule.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "league/league_file.h"

namespace zelvano {
namespace {

TEST(NameRuleTest, NamesAreCleanedSoTheyReadBackAsShown) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"山田太郎", "山田太郎"},
        {"ｲﾁﾛｰ", "ｲﾁﾛｰ"},
        {"Ａ０１", "Ａ０１"},
        {"", ""},
        {"   ", ""},
        {"  山田", "山田"},
        {"　山田", "　山田"},  // a full-width space is part of the name
        {"山田 ", "山田 "},
        {"Smith, J.", "Smith， J."},
        {",,", "，，"},
        {"\"Babe\"", "＂Babe\""},
        {"  \"Babe", "＂Babe"},
        {"O\"Neil", "O\"Neil"},
        {"～－①", "～－①"},
        {"〜−", "～－"},  // look-alikes that share the code of ～ and －
    };
    for (const auto& c : cases) {
        const NameCheck check = admitName(c.typed);
        EXPECT_TRUE(check.accepted) << c.typed << ": " << check.problem;
        EXPECT_EQ(check.name, c.stored) << c.typed;
    }
}

TEST(NameRuleTest, NamesThatCannotBeStoredAreRefusedWithTheReason) {
    const std::string lineBreak = "名前に改行は使えません。";
    const std::string control = "名前に制御文字は使えません。";
    const std::string damaged = "名前に読み取れない文字が含まれています。";
    const auto unstorable = [](const std::string& character) {
        return "「" + character +
               "」はデータファイルに保存できない文字です。別の文字に置き換えてください。";
    };
    const struct {
        const char* typed;
        std::string problem;
    } cases[] = {
        {"山田\n太郎", lineBreak},  {"山田\r", lineBreak},    {"\r\n", lineBreak},
        {"\t山田", control},        {"山田\x7F", control},    {"\x1B[0m", control},
        {"山\xC2\x85田", control},  // U+0085, a control character of the Latin-1 block
        {"野球😀", unstorable("😀")}, {"김", unstorable("김")}, {"Ａ\xE2\x82\xAC", unstorable("€")},
        {"山田\xE3\x81", damaged},  {"\xC0\xAF", damaged},  // an overlong "/"
        {"\xED\xA0\x80", damaged},                          // a surrogate
        {"\xFF", damaged},
    };
    for (const auto& c : cases) {
        const NameCheck check = admitName(c.typed);
        EXPECT_FALSE(check.accepted) << c.typed;
        EXPECT_EQ(check.problem, c.problem) << c.typed;
        EXPECT_EQ(check.name, "");
    }
}

// Names built from the pieces a user might type or paste, the awkward ASCII included.
std::string randomName(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        " ",  ",",  "\"", "a", "Z", "7", ".",  "-",  "\\", "~",  "'",  "(",  "あ", "ン", "野",
        "球", "髙", "ｱ",  "ﾞ", "ﾟ", "ｰ", "Ａ", "１", "，", "＂", "　", "～", "－", "①",  "・"};
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::string name;
    for (std::size_t n = length(random); n > 0; --n) name += pieces[piece(random)];
    return name;
}

TEST(NameRuleTest, EveryAdmittedNameReadsBackFromTheLeagueFile) {
    std::mt19937 random(20040401);
    for (int round = 0; round < 12; ++round) {
        League written;
        const auto admit = [&random](std::string& slot) {
            const std::string typed = randomName(random);
            const NameCheck check = admitName(typed);
            ASSERT_TRUE(check.accepted) << typed << ": " << check.problem;
            // A stored name passes the gate again unchanged (the settings tab re-checks them).
            EXPECT_EQ(admitName(check.name).name, check.name) << typed;
            slot = check.name;
        };
        for (int team = 1; team <= kTeams; ++team) {
            admit(written.TeamName[team]);
            for (int player = 1; player <= kPlayers; ++player) {
                admit(written.PlayerName[team][player]);
                written.AtBats[team][player] = 10;
            }
        }
        for (std::string& text : written.LeagueRecordText) admit(text);
        if (HasFatalFailure()) return;

        League read;
        const LeagueFileRead result = parseLeagueFile(leagueFileBytes(written), read);
        ASSERT_TRUE(result.ok) << result.line << ": " << result.problem;
        EXPECT_EQ(read.TeamName, written.TeamName);
        EXPECT_EQ(read.PlayerName, written.PlayerName);
        EXPECT_EQ(read.LeagueRecordText, written.LeagueRecordText);
    }
}

}  // namespace
}  // namespace zelvano
