#include "league/league_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/persistent_part.h"

namespace zelvano {
namespace {

constexpr const char* kCrLf = "\r\n";

// Full-width capitals (U+FF21..) and digits (U+FF10..) as UTF-8 and as code page 932 bytes
// (82 60.. and 82 4F..), written out by hand so the expected file does not come from the
// converter under test.
std::string fullWidthUtf8(char32_t codePoint) {  // U+FF00..U+FF3F: EF BC 80..BF
    return {'\xEF', '\xBC', static_cast<char>(0x80 | (codePoint & 0x3F))};
}

// The registration's names: team t, player p is the letter t-1 places after "Ａ" and p as two
// full-width digits ("Ａ０１", "Ｃ３０").
std::string registeredNameUtf8(int team, int player) {
    return fullWidthUtf8(0xFF21 + static_cast<char32_t>(team - 1)) +
           fullWidthUtf8(0xFF10 + static_cast<char32_t>(player / 10)) +
           fullWidthUtf8(0xFF10 + static_cast<char32_t>(player % 10));
}

std::string registeredNameCp932(int team, int player) {
    return {'\x82', static_cast<char>(0x60 + team - 1),
            '\x82', static_cast<char>(0x4F + player / 10),
            '\x82', static_cast<char>(0x4F + player % 10)};
}

const char* const kTeamNames[] = {"", "Orvane", "Tigers", "Hawks"};

League newLeague() {
    League league;
    for (int team = 1; team <= kTeams; ++team) {
        league.TeamName[team] = kTeamNames[team];
        for (int player = 1; player <= kPlayers; ++player) {
            league.PlayerName[team][player] = registeredNameUtf8(team, player);
            league.AtBats[team][player] = 10;
            league.Hits[team][player] = 3;
        }
    }
    return league;
}

// A league in which every persistent value is different from its neighbours and from a new
// league's, with counters past the 16-bit range and negative league counters.
League unusualLeague() {
    League league;
    league.CurrentYear = 40000;
    const char* const names[] = {"大谷翔平",     "ｲﾁﾛｰ",    "（五輪代表）", "(大リーグ)",
                                 "Ｏ＂Ｎｅｉｌ", "O\"Neil", "山田　太郎",   "～－①",
                                 "Smith， J.",   "野茂 "};
    for (int team = 1; team <= kTeams; ++team) {
        league.TeamName[team] = std::string("チーム") + names[team];
        for (int player = 1; player <= kPlayers; ++player) {
            league.PlayerName[team][player] =
                names[(team + player) % 10] + registeredNameUtf8(team, player);
            league.AtBats[team][player] = 123456 + 100 * team + player;
            league.Hits[team][player] = 40000 + 31 * team + player;
            league.EntryYear[team][player] = 32767 + team * player;
        }
    }
    for (int slot = 0; slot < kLeagueSlots; ++slot) {
        league.LeagueRecord[slot] = -1000 * slot - 7;
        league.LeagueRecordText[slot] = slot % 2 == 0 ? std::string() : names[slot];
    }
    return league;
}

using testing::expectSamePersistentPart;

// The lines of a file, without their CR LF; the text after the last CR LF is a line only when it
// is not empty.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find(kCrLf, pos);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(pos));
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + kCrLf;
    return bytes;
}

std::string firstLines(const std::string& bytes, int count) {
    std::vector<std::string> lines = linesOf(bytes);
    lines.resize(static_cast<std::size_t>(count));
    return joinLines(lines);
}

std::string withLine(const std::string& bytes, int line, const std::string& content) {
    std::vector<std::string> lines = linesOf(bytes);
    lines.at(static_cast<std::size_t>(line - 1)) = content;
    return joinLines(lines);
}

int playerLine(int team, int player) { return 2 + 91 * (team - 1) + 1 + 3 * (player - 1); }
int recordLine(int slot) { return 275 + 2 * slot; }  // a league counter, its text on the next line
int entryYearLine(int team, int player) { return 295 + 30 * (team - 1) + (player - 1); }

TEST(LeagueFileTest, NewLeagueIsTheDocumentedSequenceOfLines) {
    std::string expected = std::string(" 0 ") + kCrLf;
    for (int team = 1; team <= kTeams; ++team) {
        expected += std::string(kTeamNames[team]) + kCrLf;
        for (int player = 1; player <= kPlayers; ++player) {
            expected += registeredNameCp932(team, player) + kCrLf + " 10 " + kCrLf + " 3 " + kCrLf;
        }
    }
    for (int slot = 0; slot < kLeagueSlots; ++slot) expected += std::string(" 0 ") + kCrLf + kCrLf;
    for (int i = 0; i < kTeams * kPlayers; ++i) expected += std::string(" 0 ") + kCrLf;

    const std::string bytes = leagueFileBytes(newLeague());
    EXPECT_EQ(bytes, expected);

    // The same file seen by line number, as the positions are documented.
    const std::vector<std::string> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 384u);
    const auto line = [&lines](int number) { return lines[static_cast<std::size_t>(number - 1)]; };
    EXPECT_EQ(line(1), " 0 ");
    for (int team = 1; team <= kTeams; ++team) {
        EXPECT_EQ(line(2 + 91 * (team - 1)), kTeamNames[team]);
        for (int player = 1; player <= kPlayers; ++player) {
            EXPECT_EQ(line(playerLine(team, player)), registeredNameCp932(team, player));
            EXPECT_EQ(line(playerLine(team, player) + 1), " 10 ");
            EXPECT_EQ(line(playerLine(team, player) + 2), " 3 ");
            EXPECT_EQ(line(entryYearLine(team, player)), " 0 ");
        }
    }
    for (int number = 275; number <= 294; ++number) {
        EXPECT_EQ(line(number), number % 2 == 1 ? " 0 " : "") << "line " << number;
    }
}

TEST(LeagueFileTest, IntegerLineIsSignPlaceDigitsAndOneSpace) {
    const struct {
        Counter value;
        const char* line;
    } cases[] = {
        {0, " 0 "},
        {10, " 10 "},
        {-3, "-3 "},
        {32767, " 32767 "},
        {-32768, "-32768 "},
        {40000, " 40000 "},
        {123456, " 123456 "},
        {INT_MAX, " 2147483647 "},
        {INT_MIN, "-2147483648 "},
    };
    for (const auto& c : cases) {
        League league = newLeague();
        league.CurrentYear = c.value;
        league.LeagueRecord[9] = c.value;
        const std::vector<std::string> lines = linesOf(leagueFileBytes(league));
        EXPECT_EQ(lines[0], c.line) << c.value;
        EXPECT_EQ(lines[292], c.line) << c.value;
    }
}

TEST(LeagueFileTest, WrittenLeagueReadsBackFieldByField) {
    const League written = unusualLeague();
    League read = newLeague();
    read.GameWait = 7;
    read.LoanNews = "好調";
    read.SeasonMarks[2] = "☆★";

    const LeagueFileRead result = parseLeagueFile(leagueFileBytes(written), read);

    ASSERT_TRUE(result.ok) << result.line << ": " << result.problem;
    expectSamePersistentPart(read, written);
    // Only the persistent part comes from the file.
    EXPECT_EQ(read.GameWait, 7);
    EXPECT_EQ(read.LoanNews, "好調");
    EXPECT_EQ(read.SeasonMarks[2], "☆★");
}

TEST(LeagueFileTest, SixteenBitFileWrittenByHandReadsUnchanged) {
    // Files of the 16-bit era: every extreme the old counters could hold.
    std::string bytes = std::string(" 32767 ") + kCrLf;
    for (int team = 1; team <= kTeams; ++team) {
        bytes += std::string(kTeamNames[team]) + kCrLf;
        for (int player = 1; player <= kPlayers; ++player) {
            bytes += registeredNameCp932(team, player) + kCrLf + " 32767 " + kCrLf +
                     (player % 2 == 1 ? " 32767 " : " 0 ") + kCrLf;
        }
    }
    for (int slot = 0; slot < kLeagueSlots; ++slot) {
        // "記録" and the slot's digit
        bytes += std::string("-32768 ") + kCrLf + "\x8B\x4C\x98\x5E" + std::to_string(slot) + kCrLf;
    }
    for (int i = 0; i < kTeams * kPlayers; ++i) bytes += std::string(" 32767 ") + kCrLf;

    League league;
    const LeagueFileRead result = parseLeagueFile(bytes, league);

    ASSERT_TRUE(result.ok) << result.line << ": " << result.problem;
    EXPECT_EQ(league.CurrentYear, 32767);
    EXPECT_EQ(league.TeamName[3], "Hawks");
    EXPECT_EQ(league.PlayerName[2][15], registeredNameUtf8(2, 15));
    EXPECT_EQ(league.AtBats[3][30], 32767);
    EXPECT_EQ(league.Hits[1][1], 32767);
    EXPECT_EQ(league.Hits[1][2], 0);
    EXPECT_EQ(league.LeagueRecord[4], -32768);
    EXPECT_EQ(league.LeagueRecordText[4], "記録4");
    EXPECT_EQ(league.EntryYear[3][30], 32767);
    // Saved again, the file is the same bytes.
    EXPECT_EQ(leagueFileBytes(league), bytes);
}

TEST(LeagueFileTest, QuotedValueIsReadWithoutItsQuotes) {
    League league;
    const std::string bytes = withLine(leagueFileBytes(newLeague()), 3, "  \"Smith J.\"");
    ASSERT_TRUE(parseLeagueFile(bytes, league).ok);
    EXPECT_EQ(league.PlayerName[1][1], "Smith J.");
}

TEST(LeagueFileTest, NothingAfterTheLastLineIsRead) {
    const std::string sound = leagueFileBytes(newLeague());
    const std::string variants[] = {
        sound + "余計な行\r\n",
        sound + " 5 \r\n\x81\x7F\r\nabc",   // not even code page 932
        sound.substr(0, sound.size() - 2),  // the last line without its CR LF
    };
    for (const std::string& bytes : variants) {
        League league;
        const LeagueFileRead result = parseLeagueFile(bytes, league);
        EXPECT_TRUE(result.ok) << result.line << ": " << result.problem;
        expectSamePersistentPart(league, newLeague());
    }
}

TEST(LeagueFileTest, DamagedFileIsReportedAtItsLineAndLeavesTheLeagueAlone) {
    const std::string sound = leagueFileBytes(newLeague());
    const std::string cut = "ファイルが途中で終わっています（384行必要なところ、";
    const std::string notANumber = "数値が入るべき行に数値以外の文字があります";
    const std::string unreadable = "Shift_JIS（コードページ932）として読めない文字があります";
    const std::string shifted = "1行に1つの値が入るべきところ";
    const std::string unsavable = "コンマや先頭の空白を含み、このままでは保存し直せない文字列です";
    const std::string tooLarge = "数値が大きすぎます";
    const struct {
        const char* what;
        std::string bytes;
        int line;
        std::string problem;  // the start of the report
    } cases[] = {
        {"empty file", "", 1, cut + "0行しかありません）"},
        {"only the year", firstLines(sound, 1), 2, cut + "1行しかありません）"},
        {"cut in the middle", firstLines(sound, 200), 201, cut + "200行しかありません）"},
        {"last line missing", firstLines(sound, 383), 384, cut + "383行しかありません）"},
        {"cut inside a number", firstLines(sound, 200) + " 1", 202, cut + "201行しかありません）"},
        {"cut inside a character", firstLines(sound, 199) + "\x82", 200, unreadable},
        {"word for at-bats", withLine(sound, 4, " ten "), 4,
         notANumber + "（チーム1・選手1の打数）"},
        {"letter after digits", withLine(sound, 5, " 3x "), 5, notANumber},
        {"full-width digits", withLine(sound, 1, "\x82\x50\x82\x4F"), 1, notANumber},  // "１０"
        {"empty number line", withLine(sound, 275, ""), 275, notANumber},
        {"letter in the last line", withLine(sound, 384, "x"), 384,
         notANumber + "（チーム3・選手30の入団年度）"},
        {"bad second byte", withLine(sound, 3, "\x81\x7F"), 3, unreadable},
        {"bad byte in the last line", withLine(sound, 384, " 0\xFF"), 384, unreadable},
        {"comma in a name", withLine(sound, playerLine(2, 4), "A,B"), playerLine(2, 4), shifted},
        {"quoted comma in a name", withLine(sound, 3, "\"Smith, J.\""), 3, unsavable},
        {"quoted leading space", withLine(sound, 2, "\" Orvane\""), 2, unsavable},
        {"line break inside a name", withLine(sound, 2, "Ori\rvane"), 2, "行の途中に改行の文字"},
        {"no at-bats", withLine(sound, 4, " 0 "), 4, "打数が1未満です（チーム1・選手1の打数）"},
        {"negative at-bats", withLine(sound, playerLine(3, 30) + 1, "-5 "), playerLine(3, 30) + 1,
         "打数が1未満です"},
        {"negative hits", withLine(sound, 5, "-1 "), 5, "安打数が0未満です"},
        {"more hits than at-bats", withLine(sound, 5, " 11 "), 5, "安打数が打数を超えています"},
        // Figures no league reaches by playing: they would overflow or never let a game end.
        {"at-bats beyond the limit", withLine(sound, 4, " 10000001 "), 4, tooLarge},
        {"at-bats at the edge of 32 bits", withLine(sound, 4, " 2147483647 "), 4, tooLarge},
        {"year beyond the limit", withLine(sound, 1, " 2147483647 "), 1, tooLarge},
        {"title count beyond the limit", withLine(sound, recordLine(5), " 10000001 "),
         recordLine(5), tooLarge},
        {"entry year below the limit", withLine(sound, 384, "-10000001 "), 384, tooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        League league = unusualLeague();
        const LeagueFileRead result = parseLeagueFile(c.bytes, league);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.line, c.line);
        EXPECT_EQ(result.problem.substr(0, c.problem.size()), c.problem) << result.problem;
        expectSamePersistentPart(league, unusualLeague());
    }
}

TEST(LeagueFileTest, TextThatWouldNotReadBackIsNeverWritten) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"outside code page 932", "😀"},
        {"hangul", "김"},
        {"line feed", "山\n田"},
        {"carriage return", "山\r田"},
        {"comma", "a,b"},
        {"leading space", " 山田"},
        {"leading double quote", "\"山田"},
        {"invalid UTF-8", "\xE3\x81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        League player = newLeague();
        player.PlayerName[1][1] = c.text;
        try {
            leagueFileBytes(player);
            ADD_FAILURE() << "written";
        } catch (const std::logic_error& error) {
            EXPECT_NE(std::string(error.what()).find("3行目"), std::string::npos) << error.what();
        }
        League team = newLeague();
        team.TeamName[3] = c.text;
        EXPECT_THROW(leagueFileBytes(team), std::logic_error);
        League record = newLeague();
        record.LeagueRecordText[1] = c.text;
        EXPECT_THROW(leagueFileBytes(record), std::logic_error);
    }
}

}  // namespace
}  // namespace zelvano
