#pragma once
// One season of the league as its history keeps it, collected in memory while the season is
// played and written at its end in one transaction; and what the history notes when it begins to
// know a league's players.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "league/season_files.h"
#include "season/results_report.h"
#include "season/transaction.h"

namespace zelvano {

// Who stood in every slot at the end of a year, and the league file as it was saved then, so that
// the next start can tell that the league file is still the one the history knows.
struct RosterIds {
    // Team 1's thirty slots, then team 2's and team 3's, then the player away; 0 for nobody.
    std::array<PlayerId, kTeams * kPlayers + 1> ids{};
    FileFingerprint league;
};
// The league file of a year whose end was never saved on its own: a season committed with a
// later one, or a league its file cannot hold. No file has it.
inline constexpr FileFingerprint kNoLeagueFile{};

// The figures a player brought when the history first saw him, at the end of `year`.
struct PlayerStart {
    Counter year = 0;
    int team = 0;
    int slot = 0;
    PlayerSnapshot player;
};

// A player's hits and at-bats within one season, for the team he played it for.
struct SeasonLine {
    PlayerId id = 0;
    int team = 0;
    int slot = 0;
    Counter hits = 0;
    Counter atBats = 0;
};

// One slot of a lineup in one game: who batted there and what he did in this game.
struct BoxBatter {
    PlayerId id = 0;
    int teamSlot = 0;  // his slot among the team's thirty
    Counter atBats = 0;
    Counter hits = 0;
};

struct GameLine {
    int number = 0;  // 1..12 within the season
    int team1 = 0;   // side 1, batting first
    int team2 = 0;
    int runs1 = 0;
    int runs2 = 0;
    int innings = 0;
    int plateAppearances = 0;
    // The box score; games recorded before the history kept box scores have none.
    bool boxed = false;
    std::array<int, 2> hits{};  // [side - 1]
    GameEnd end = GameEnd::Decided;
    std::array<std::vector<int>, 2> inningRuns;                   // [side - 1]
    std::array<std::array<BoxBatter, kBattingSlots>, 2> batters;  // [side - 1][slot - 1]
};

// What a season reached that the league had not: a player's hundredth hit and the like, his
// reaching the hall of fame's line while he still plays, a champion's run of titles longer than
// any before.
enum class MilestoneKind { CareerHits, HallOfFameLine, TitleRun };

struct Milestone {
    int game = 0;  // the game of the season it was reached in; 0 when not known
    MilestoneKind kind = MilestoneKind::CareerHits;
    int team = 0;
    PlayerId id = 0;    // 0 for a team's
    std::string name;   // the player's, or the team's
    Counter value = 0;  // the hits, or the length of the run
};

struct SeasonRecord {
    Counter year = 0;
    int champion = 0;
    std::array<std::string, kTeams> marks;  // the season marks of teams 1..3
    std::array<int, kTeams> wins{};
    std::array<int, kTeams> losses{};
    ResultsReport report;
    Counter titles = 0;    // the champion's title count, this one included
    Counter titleRun = 0;  // the own team's run of titles after the season
    std::vector<GameLine> games;
    std::vector<SeasonLine> lines;
    std::vector<Transaction> moves;
    std::vector<Milestone> milestones;    // the players', in the order of the games
    std::vector<PlayerStart> newPlayers;  // the rookies
    RosterIds roster;                     // at the end of the season, as the league is saved
};

// The history knows the league's players from the season after `year`: their figures then and
// the rosters they stood in.
// What a player known before a stretch of unrecorded seasons gained in them: the history knows
// him again at the end of `year`.
struct PlayerGap {
    PlayerId id = 0;
    Counter year = 0;
    Counter hits = 0;
    Counter atBats = 0;
};

struct HistoryBeginning {
    Counter year = 0;
    std::vector<PlayerStart> players;  // those it begins to know
    std::vector<PlayerGap> gaps;       // those it knew before the seasons it misses
    RosterIds roster;
};

// The league's rosters as they stand, with the league file they make (its fingerprint given
// when the save has made it already).
RosterIds rosterOf(const League& league, std::optional<FileFingerprint> leagueFile = std::nullopt);

// Where the id at `at` of RosterIds::ids stands: team 1..3 and slot 1..30, or team 0 and slot 0
// for the player away in the major leagues.
struct RosterPlace {
    int team = 0;
    int slot = 0;
};
RosterPlace rosterPlace(std::size_t at);

// Reads the ids as the first version of the history kept them: decimal numbers separated by
// spaces.
bool parseRosterIds(std::string_view text, std::array<PlayerId, kTeams * kPlayers + 1>& ids);

}  // namespace zelvano
