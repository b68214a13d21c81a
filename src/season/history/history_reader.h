#pragma once
// Reading a league's history: the seasons, their games and reports, the transaction log, a
// player's career and the all-time records. Nothing beyond the league file's year is ever shown,
// so a season whose save failed stays out of sight even before the next start removes it.
//
//   HistoryReader history(db, league.CurrentYear);
//   for (const StoredSeason& season : history.seasons()) ...
//   std::optional<Career> career = history.career(history.playerAt(1, 7));
//
// Every value is checked as it is read: a row the game never writes (a champion outside the
// three teams, a year before the league, an id beyond the ones given out) throws HistoryDamage
// naming its year, and nothing read from the file decides how long a loop runs beyond the
// league's years and the rows themselves.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "season/history/history_schema.h"
#include "season/history/season_record.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

struct StoredSeason {
    Counter year = 0;
    int champion = 0;
    std::array<std::string, kTeams> marks, teamNames, teamAverages;
    std::array<int, kTeams> wins{}, losses{};
    std::string championLine, titleCount, titleRun;  // the report's lines
    Counter titles = 0;                              // the champion's count, this title included
    Counter ownRun = 0;                              // the own team's run of titles after it
};

struct StoredMove {
    Counter year = 0;
    Transaction move;
};

struct CareerSeason {
    Counter year = 0;
    int team = 0;
    int slot = 0;
    Counter hits = 0;
    Counter atBats = 0;
    // False for what he gained in seasons the history could not record, known at the end of
    // `year`; team and slot are then 0.
    bool recorded = true;
};

struct Career {
    PlayerStart start;  // the figures he brought when the history first saw him
    std::vector<CareerSeason> seasons;
};

// One season line in a list of the best.
struct SeasonMark {
    Counter year = 0;
    int team = 0;
    PlayerId id = 0;
    std::string name;
    Counter hits = 0;
    Counter atBats = 0;
};

struct TitleRun {
    int team = 0;
    int length = 0;
    Counter from = 0, to = 0;
};

struct HallOfFameMember {
    Counter year = 0;  // of his retirement
    PlayerId id = 0;
    std::string name;
    Counter hits = 0;
    Counter atBats = 0;
    std::vector<int> teams;  // the teams he played a recorded season for or retired from
};

struct HistoryRecords {
    std::vector<SeasonMark> bestAverages;  // seasons of at least kQualifyingAtBats
    std::vector<SeasonMark> mostHits;
    std::array<int, kTeams> titles{};   // championships of teams 1..3 in the recorded seasons
    std::vector<TitleRun> longestRuns;  // each team's longest run, the longest first
    std::vector<HallOfFameMember> hallOfFame;
};

inline constexpr Counter kQualifyingAtBats = kBestAverageAtBats;
inline constexpr int kRecordPlaces = 10;

class HistoryReader {
public:
    HistoryReader(SqliteDatabase& db, Counter lastYear) : db_(db), lastYear_(lastYear) {}

    Counter lastYear() const { return lastYear_; }
    // The year after which the history knows the league's players, the latest time it began;
    // nothing when it has not begun.
    std::optional<Counter> knownSince() const;
    // Years from its first beginning to the league's year that it holds no season of.
    std::vector<Counter> missingYears() const;

    // The first of the seasons committed with `year`'s: `year` unless earlier ones waited for
    // it (their rosters name no league file).
    Counter firstCommittedWith(Counter year) const;

    std::vector<StoredSeason> seasons() const;
    std::optional<StoredSeason> season(Counter year) const;
    std::vector<std::string> mvpLines(Counter year) const;
    std::vector<GameLine> games(Counter year) const;
    // In the order they happened; a year of 0 means every year, a team of 0 every team.
    std::vector<StoredMove> moves(Counter year = 0, int team = 0) const;
    std::vector<StoredMove> movesOf(PlayerId id) const;

    // The player in a slot of the league as it was saved; 0 for none or when unknown.
    PlayerId playerAt(int team, int slot) const;
    std::optional<Career> career(PlayerId id) const;
    HistoryRecords records() const;

private:
    std::vector<StoredMove> readMoves(SqliteStatement& query) const;

    SqliteDatabase& db_;
    Counter lastYear_;
};

}  // namespace zelvano
