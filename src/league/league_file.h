#pragma once
// The league file "Jbball.jdt": 384 lines of code page 932 text with CR LF, one value a line.
//
//   std::string bytes = leagueFileBytes(league);
//   LeagueFileRead read = parseLeagueFile(bytes, league);

#include <string>
#include <string_view>

#include "league/league.h"

namespace zelvano {

inline constexpr const char* kLeagueFileName = "Jbball.jdt";
inline constexpr const char* kLeagueFileSaveName = "Jbball.Jdt";  // same file, other spelling
inline constexpr int kLeagueFileLines = 384;

// The persistent part of the league as the bytes of the file.
//
// Every name enters the league through admitName, so each text can be written and read back as
// it is. A text that could not (a character outside code page 932, a line break, a comma, a
// leading space or double quote) is a fault in the program, not in the user's data: writing it
// would shift every later line of the file. So instead of writing substitute bytes this throws
// std::logic_error, whose message (in Japanese) names the line and the text; nothing is written.
std::string leagueFileBytes(const League& league);

struct LeagueFileRead {
    bool ok = false;
    int line = 0;         // the line at fault when not ok
    std::string problem;  // in Japanese: what was expected there
};

// Reads the persistent part into `league` only when the whole file is sound; a damaged file
// leaves `league` untouched. Beyond the line format, a slot with fewer than one at-bat or with
// hits below zero or above its at-bats counts as damage: such a league cannot be played. So does
// a quoted text that could not be written back as it reads ("a, b", "  a"): such a league could
// never be saved. Nothing after line 384 is looked at.
LeagueFileRead parseLeagueFile(std::string_view bytes, League& league);

}  // namespace zelvano
