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
std::string leagueFileBytes(const League& league);

struct LeagueFileRead {
    bool ok = false;
    int line = 0;          // the line at fault when not ok
    std::string problem;   // in Japanese: what was expected there
};

// Reads the persistent part into `league` only when the whole file is sound; a damaged file
// leaves `league` untouched.
LeagueFileRead parseLeagueFile(std::string_view bytes, League& league);

}  // namespace zelvano
