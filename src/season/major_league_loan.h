#pragma once
// A star of the own team on loan to the major leagues: at most one at a time. While he is away,
// his slot holds the placeholder "(大リーグ)" without hits and his figures wait in the league
// counters 1 to 3; his name in the counters' text 1.
//
//   processMajorLeagueLoan(league, platform);   // once per off-season
//   std::string tab = majorLeagueInformation(league);

#include <string>

#include "league/league.h"
#include "platform/platform.h"
#include "season/season_observer.h"
#include "text/translation.h"

namespace zelvano {

// Names kept in the league file, in Japanese whatever the game speaks.
inline constexpr const char* kMajorLeaguePlaceholder = text::dataText("(大リーグ)");
// A slot named so in a league file is free for the returning player too.
inline constexpr const char* kOlympicPlaceholder = text::dataText("（五輪代表）");

bool loanRunning(const League& league);

// No loan: up to ten draws look for an own player above .500, who then leaves. A loan: with a
// chance of 4 in 10 he comes back, into the placeholder's slot or else the first own slot
// without hits; with no such slot he stays away another year.
// The player leaving and the player coming back are told to the observer, when there is one.
void processMajorLeagueLoan(League& league, Platform& platform, SeasonObserver* observer = nullptr);

// The figures the player away comes back with: those kept for him, made playable whatever a
// league file holds (at least one at-bat, no more hits than at-bats).
struct LoanedFigures {
    Counter hits = 0;
    Counter atBats = 1;
    Counter entryYear = 0;
};
LoanedFigures loanedPlayerFigures(const League& league);
const std::string& loanedPlayerName(const League& league);

// The text of the information window's major-league tab.
std::string majorLeagueInformation(const League& league);

}  // namespace zelvano
