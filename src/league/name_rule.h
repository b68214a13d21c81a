#pragma once
// The one gate through which every name enters the league (the wizard, the team-name boxes, the
// rookie input box, the scouting list), so that each one reads back from the league file exactly
// as it was entered.
//
//   NameCheck check = admitName(typed);
//   if (!check.accepted) tell(check.problem); else league.PlayerName[t][p] = check.name;

#include <string>
#include <string_view>

namespace zelvano {

struct NameCheck {
    bool accepted = false;
    std::string name;     // the name as stored, when accepted
    std::string problem;  // why it was refused, in the game's language, when not
};

// A comma becomes "，", a leading double quote "＂", leading spaces are dropped; a line break, a
// control character or a character outside code page 932 is refused.
NameCheck admitName(std::string_view typed);

}  // namespace zelvano
