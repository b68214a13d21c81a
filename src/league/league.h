#pragma once
// The one league record of a running program: three teams of thirty players with their career
// figures, the league counters, the season in progress and the flags through which the windows
// talk to the season driver.
//
//   League league;
//   league.AtBats[1][7] += 1;
//   double avg = battingAverage(league, 1, 7);

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "league/season_files.h"
#include "platform/counter.h"
#include "platform/window_state.h"

namespace zelvano {

inline constexpr int kTeams = 3;
inline constexpr int kPlayers = 30;
inline constexpr int kLeagueSlots = 10;
inline constexpr int kBattingSlots = 9;
inline constexpr int kLineupSides = 2;

// No value of the league file may lie beyond this, on either side of zero. A real league gains
// about fifty at-bats a player and one year a season, so no lifetime of play comes near it; a
// hand-edited figure beyond it is refused as damage when the file is read. It also keeps every
// average's chance of a hit, compared in single precision, below 1, and every sum far from the
// edge of 32 bits.
inline constexpr Counter kCounterLimit = 10'000'000;

// Counts one up, but never past kCounterLimit, so a saved league can always be read back.
inline void countUp(Counter& counter) {
    if (counter < kCounterLimit) ++counter;
}

template <typename T>
using PerTeam = std::array<T, kTeams + 1>;  // index 0 unused
template <typename T>
using PerPlayer = std::array<std::array<T, kPlayers + 1>, kTeams + 1>;  // [team][player], 0 unused

// How a game ended: at the first boundary between half-innings from the ninth on with the runs
// apart, at the plate-appearance limit, or tied after nine with nobody left who can ever hit.
enum class GameEnd : std::uint8_t { Decided, PlateAppearanceLimit, NobodyCanHit };

// What the scoreboard showed of a game: each side's runs inning by inning (side 2 may have one
// inning fewer, the game having ended after side 1's half), and each slot's at-bats and hits in
// this game.
struct BoxScore {
    std::array<std::vector<int>, 3> InningRuns;                      // [side], 0 unused
    std::array<std::array<Counter, kBattingSlots + 1>, 3> AtBats{};  // [side][slot]
    std::array<std::array<Counter, kBattingSlots + 1>, 3> Hits{};    // [side][slot]
    GameEnd End = GameEnd::Decided;
};

// The state of the game being played, overwritten by every game.
struct GameState {
    std::array<int, 3> Runs{};              // [side], 0 unused
    std::array<int, 3> SideTeam{};          // team of side 1 and side 2
    std::array<int, 3> BatterSlot{};        // slot of the side's last batter, 0 before its first
    std::array<int, 3> AverageSum{};        // sum of the nine displayed averages at game start
    std::array<int, kPlayers + 1> Drawn{};  // players already drawn into the lineup being built
    int Inning = 0;                         // last inning played
    int PlateAppearances = 0;               // of both sides in this game
    BoxScore Box;
};

struct League {
    // Persistent part: written to and read from the league file.
    Counter CurrentYear = 0;
    PerTeam<std::string> TeamName{};
    PerPlayer<std::string> PlayerName{};
    PerPlayer<Counter> AtBats{};
    PerPlayer<Counter> Hits{};
    PerPlayer<Counter> EntryYear{};
    std::array<Counter, kLeagueSlots> LeagueRecord{};
    std::array<std::string, kLeagueSlots> LeagueRecordText{};

    // The season in progress.
    PerTeam<std::string> SeasonMarks{};
    int PairingTeam1 = 0;
    int PairingTeam2 = 0;
    int PairingGame = 0;
    int LastWinner = 0;
    int LastLoser = 0;
    std::array<std::array<int, kBattingSlots + 1>, kLineupSides + 1>
        BattingOrder{};                                // [side][slot]
    std::array<int, kBattingSlots + 2> ChosenOrder{};  // slots 1..9 used; lives for one program run
    int PickedPlayer = 0;  // 0 nothing yet, 1..30 a player, kWholeOrderPicked the whole order
    int OwnSide = 0;
    GameState CurrentGame{};
    std::string LoanNews;
    // Written beside the league file only when the league is saved with them; until they are
    // written, even past that save, they stay here.
    SeasonFileChanges SeasonFiles;
    // Left by the start that found an unusable journal, for the season layer to complete the
    // saved season from the history and to tell the player; cleared once told.
    std::optional<UnusableJournal> UnusableSeasonJournal;

    // Not in the league file, so a league still reads in a program without a history: who each
    // slot's player is. The season end's steps carry the ids along with the players.
    PerPlayer<PlayerId> PlayerIds{};
    PlayerId LoanedPlayerId = 0;  // the player away in the major leagues
    PlayerId NextPlayerId = 1;    // the id the next new player gets
    // Made by the registration in this run: whatever history the folder holds is another
    // league's, however much this one's first file looks like it.
    bool RegisteredThisRun = false;

    // Flags and settings shared with the windows.
    bool KeepPlaying = false;
    bool NextRequested = false;
    bool WizardFinished = false;
    int ListedTeam = 0;
    WindowState GameWindowState = WindowState::Normal;
    int GameWait = 0;
};

inline constexpr int kWholeOrderPicked = 100;

// A new player's identity (a rookie, or everyone when a league's history begins).
inline PlayerId newPlayerId(League& league) { return league.NextPlayerId++; }

// No player id the league gives out lies beyond this. A history begins with 91 ids and a season
// adds a few rookies, so no lifetime of play comes near it; an id beyond it in the history was
// put there from outside, and the next id after it stays far from the edge of 64 bits.
inline constexpr PlayerId kPlayerIdLimit = 1'000'000'000'000'000;

// Hits ÷ AtBats, unrounded. Every slot keeps at least one at-bat, so there is no guard.
inline double battingAverage(const League& league, int team, int player) {
    return static_cast<double>(league.Hits[team][player]) /
           static_cast<double>(league.AtBats[team][player]);
}

// The average as shown on the game and batting-order windows: the integer part of 1000 × average.
int displayedAverage(const League& league, int team, int player);
// The same from the career figures, for the windows that are given them.
inline int displayedAverage(Counter hits, Counter atBats) {
    // The average is never negative, so dropping the fraction is the floor.
    return static_cast<int>(1000.0 * (static_cast<double>(hits) / static_cast<double>(atBats)));
}

}  // namespace zelvano
