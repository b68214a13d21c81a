#pragma once
// The season's results report: the champion, his title count, the own team's run of titles, the
// three team averages and the outstanding hitters ("ＭＶＰ").
//
//   const int champion = decideChampion(league);
//   ResultsReport report = recordChampionship(league, champion);   // counts the title

#include <array>
#include <string>
#include <vector>

#include "league/league.h"

namespace zelvano {

struct ResultsReport {
    std::string championLine;                 // "優勝：" + team name
    std::string titleCount;                   // "(n回目)"
    std::string titleRun;                     // "【n年連続】" or empty
    std::array<std::string, 3> teamNames;     // teams 1..3
    std::array<std::string, 3> teamAverages;  // teams 1..3
    std::vector<std::string> mvpLines;        // the hitters above .500
};

// The team with the most wins ("☆"); a tie goes to the higher team number.
int decideChampion(const League& league);

// Counts the title (and team 1's run of titles, which any rival's title ends) in the league
// counters and returns the report of the season.
ResultsReport recordChampionship(League& league, int champion);

// The mean of the team's thirty averages, each first cut to three decimals.
std::string teamAverageText(const League& league, int team);

// One line for every player above .500, teams 1..3 and players 1..30 in order: the team name
// and the player name in full-width columns of 10 and 15 characters, then （0.000）.
std::vector<std::string> mvpLines(const League& league);

}  // namespace zelvano
