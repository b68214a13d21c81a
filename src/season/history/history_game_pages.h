#pragma once
// The history's games as the window shows them, in the game's language: a game's page with its
// line score and both batting lines, a player's games of a season, a season's milestones and the
// records of single games. Worked out from what the reader gave; nothing here reads the history.
//
//   GamePage page = gamePage(*reader.game(7, 3));
//   page.title;   // "7年目 第3試合", in English "Year 7, game 3"

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/history_view.h"
#include "season/history/game_history_reader.h"

namespace zelvano {

// A year in a table's column of years: "7年目", in English "7".
std::string yearText(Counter year);
// "7年目 第3試合"
std::string gameTitle(Counter year, int number);
// "5勝3敗", in English "5-3".
std::string winsAndLosses(Counter wins, Counter losses);

GamePage gamePage(const StoredGame& game);

// The player's games of `year` against the teams as they were named then (teams 1..3).
GameLogPage gameLogPage(Counter year, const std::vector<GameLogLine>& log,
                        const std::array<std::string, kTeams>& teamNames);

// "第5試合　Ａ１３　通算100安打"
std::string milestoneText(const Milestone& milestone);

// The single-game records' sections of the all-time records, the teams named by `teamName`.
std::vector<RecordsSection> singleGameRecords(const GameRecords& records,
                                              const std::function<std::string(int)>& teamName);

}  // namespace zelvano
