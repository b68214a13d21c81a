#pragma once
// The command line of zelvano-sim:
//   zelvano-sim [--seed N] [--dir DIR] new
//   zelvano-sim [--seed N] [--dir DIR] play N
//   zelvano-sim [--dir DIR] show roster T | ranking K | halloffame | majors | personal T P
//   zelvano-sim [--dir DIR] show history | transactions [YEAR] | career T P | records
//   zelvano-sim [--dir DIR] show game YEAR N | gamelog T P [YEAR]
//                                | milestones [YEAR]
//   zelvano-sim --help
// Each form takes --language L too.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelvano {

struct SimOptions {
    enum class Command { New, Play, Show, Help };
    enum class View {
        Roster,
        Ranking,
        HallOfFame,
        Majors,
        Personal,
        History,
        Transactions,
        Career,
        Records,
        Game,
        GameLog,
        Milestones
    };
    Command command = Command::Play;
    int seasons = 0;
    View view = View::Roster;
    int team = 0;    // show roster / personal / career / gamelog: 1..3
    int number = 0;  // show ranking: 0..4; personal / career / gamelog: player 1..30
    int year = 0;    // show transactions / game / gamelog / milestones; 0 for none given
    int game = 0;    // show game: 1..12
    std::optional<std::uint64_t> seed;
    std::string folder = ".";
    // The language of the standard output: Japanese unless asked, whatever the locale says, so
    // that scripts read the same output everywhere.
    std::string language = "ja";
};

struct SimOptionsParse {
    std::optional<SimOptions> options;
    std::string error;  // one line, when options is empty
};

SimOptionsParse parseSimOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kSimUsage =
    "usage: zelvano-sim [--seed N] [--dir DIR] new\n"
    "       zelvano-sim [--seed N] [--dir DIR] play SEASONS\n"
    "       zelvano-sim [--dir DIR] show roster TEAM        (TEAM 1-3)\n"
    "       zelvano-sim [--dir DIR] show ranking LIST       (LIST 0-4: average, hits, years,\n"
    "                                                        low average, long names)\n"
    "       zelvano-sim [--dir DIR] show halloffame\n"
    "       zelvano-sim [--dir DIR] show majors\n"
    "       zelvano-sim [--dir DIR] show personal TEAM PLAYER   (PLAYER 1-30)\n"
    "       zelvano-sim [--dir DIR] show history\n"
    "       zelvano-sim [--dir DIR] show transactions [YEAR]\n"
    "       zelvano-sim [--dir DIR] show career TEAM PLAYER\n"
    "       zelvano-sim [--dir DIR] show records\n"
    "       zelvano-sim [--dir DIR] show game YEAR GAME     (GAME 1-12)\n"
    "       zelvano-sim [--dir DIR] show gamelog TEAM PLAYER [YEAR]\n"
    "       zelvano-sim [--dir DIR] show milestones [YEAR]\n"
    "       zelvano-sim --help\n"
    "\n"
    "  new       register a new league in DIR (default: the current folder)\n"
    "  play      play SEASONS seasons of the league in DIR, team 1 managed automatically\n"
    "  show      print a view of the information window for the league in DIR, or of its\n"
    "            history (history.sqlite): the seasons, the transactions, a player's career\n"
    "            season by season, the all-time records, a game's box score, a player's\n"
    "            games of a season, the single-game records, the milestones\n"
    "  --seed N  fix the random generator, so that the same league plays the same games\n"
    "  --dir DIR the league folder\n"
    "  --language L\n"
    "            the language of the output: ja (the default, whatever the locale) or en;\n"
    "            messages on standard error follow the desktop's language\n"
    "  --help    print this help\n";

}  // namespace zelvano
