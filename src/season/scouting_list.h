#pragma once
// The scouting list "Z02MEM.TXT": the names of future rookies, one a line, the next one first.
// The player keeps it with a text editor; the program only ever takes names off its top.
//
//   ScoutedLine top = takeFirstLine(bytes);
//   if (top.found) { use(top.name); files.replaceFileThrough(kScoutingListName,
//                                                           kScoutingListTemporary, top.rest); }

#include <string>
#include <string_view>

#include "league/league_folder.h"

namespace zelvano {

struct ScoutedLine {
    bool found = false;     // the list had a first line (an empty file has none)
    bool readable = false;  // that line is text the program can read
    std::string name;       // the first line whole, spaces and commas included, in UTF-8
    std::string rest;       // the remaining lines as bytes, each ended with CR LF
};

// Lines end at CR LF, LF or CR. The list is code page 932 text as the league file is; a list
// that is valid UTF-8 throughout is taken as UTF-8, as a text editor on this system writes it.
// The remaining lines are copied byte for byte, so the list keeps its encoding.
ScoutedLine takeFirstLine(std::string_view bytes);

}  // namespace zelvano
