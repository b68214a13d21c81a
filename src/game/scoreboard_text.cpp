#include "game/scoreboard_text.h"

#include "platform/views.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

std::string inningText(int inning, int half) {
    return text::fillIn(half == 1 ? text::translated("{1}回表") : text::translated("{1}回裏"),
                        {std::to_string(inning)});
}

std::string openingScoreLine(const League& league) {
    return text::leftChars(league.TeamName[league.PairingTeam1], 1) + " 0 - 0 " +
           text::leftChars(league.TeamName[league.PairingTeam2], 1);
}

std::string scoreLine(const League& league, int runsSide1, int runsSide2) {
    return text::leftChars(league.TeamName[league.PairingTeam1], 2) + " " +
           std::to_string(runsSide1) + " - " + std::to_string(runsSide2) + " " +
           text::leftChars(league.TeamName[league.PairingTeam2], 2);
}

void showStandings(const League& league, ScoreboardView& view) {
    for (int team = 1; team <= kTeams; ++team) {
        view.setStandings(team, league.TeamName[team], league.SeasonMarks[team]);
    }
}

}  // namespace zelvano
