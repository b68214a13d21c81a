#pragma once
// The season's results report: the champion, his title count, the own team's run of titles, the
// three team averages and the outstanding hitters ("ＭＶＰ").
//
//   const int champion = decideChampion(league);
//   ResultsReport report = recordChampionship(league, champion);   // counts the title
//   show(shownReport(report));                                     // in the game's language

#include <array>
#include <string>
#include <vector>

#include "league/league.h"

namespace zelvano {

// A hitter above .500.
struct MvpHitter {
    std::string team, name;
    double average = 0;
};

// The lines are Japanese whatever the game speaks: the history keeps them as they are. The
// figures they are made of write them anew in another language.
struct ResultsReport {
    std::string championLine;                 // "優勝：" + team name
    std::string titleCount;                   // "(n回目)"
    std::string titleRun;                     // "【n年連続】" or empty
    std::array<std::string, 3> teamNames;     // teams 1..3
    std::array<std::string, 3> teamAverages;  // teams 1..3
    std::vector<std::string> mvpLines;        // the hitters above .500

    std::string championName;
    Counter titles = 0;  // the champion's, this one counted
    Counter run = 0;     // the own team's run of titles; 0 when another team won
    std::array<double, 3> teamMeans{};
    std::vector<MvpHitter> mvps;
};

// The team with the most wins ("☆"); a tie goes to the higher team number.
int decideChampion(const League& league);

// Counts the title (and team 1's run of titles, which any rival's title ends) in the league
// counters and returns the report of the season.
ResultsReport recordChampionship(League& league, int champion);

// The report as the player reads it: its lines in Japanese, the same lines written from its
// figures in another language ("Champion: …", ".284", "Yamada (Tigers) .523").
ResultsReport shownReport(const ResultsReport& report);

// The mean of the team's thirty averages, each first cut to three decimals.
double teamAverage(const League& league, int team);
std::string teamAverageText(const League& league, int team);

// One line for every player above .500, teams 1..3 and players 1..30 in order: the team name
// and the player name in full-width columns of 10 and 15 characters, then （0.000）.
std::vector<std::string> mvpLines(const League& league);
std::vector<MvpHitter> mvpHitters(const League& league);

}  // namespace zelvano
