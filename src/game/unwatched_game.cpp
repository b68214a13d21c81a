#include "game/unwatched_game.h"

#include <array>
#include <cstdint>

#include "game/hit_threshold.h"
#include "game/play_game.h"

namespace zelvano {

namespace {

// One side's nine as the game counts them. A player may fill two slots (when fewer than nine
// can play), so the figures and the bound below which his next draw is a hit are kept by
// player, and each lane (slot - 1) names its player, twice over (lanes 0..8 and again 9..17) so
// that a run of up to nine plate appearances from any slot finds them at fixed distances from
// where it starts. A bound is worked out right after the player's plate appearance, long before
// his next one, so that a draw waits for nothing but a comparison.
struct CountedLineup {
    std::array<int, 2 * kBattingSlots> player{};  // by lane: index into the arrays below
    std::array<int, kBattingSlots> number{};      // by player: his number in the team
    std::array<Counter, kBattingSlots> hits{};
    std::array<Counter, kBattingSlots> atBats{};
    std::array<std::uint32_t, kBattingSlots> below{};
    int players = 0;
    int nextLane = 0;  // of the next batter

    void setBound(int index) {
        const auto i = static_cast<std::size_t>(index);
        below[i] = hitThreshold(hits[i], atBats[i] + 1);
    }
};

// A game whose figures cannot leave the ordinary: every batter has at least one at-bat, no more
// hits than at-bats, and room below the counter limit for a whole game's plate appearances. The
// counting then needs neither the limit nor the guard on hits, and every chance lies in [0, 1).
bool ordinaryFigures(const CountedLineup& lineup) {
    for (int index = 0; index < lineup.players; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (lineup.atBats[i] < 1 || lineup.hits[i] < 0 || lineup.hits[i] > lineup.atBats[i] ||
            lineup.atBats[i] > kCounterLimit - kPlateAppearanceLimit) {
            return false;
        }
    }
    return true;
}

class UnwatchedGame {
public:
    UnwatchedGame(League& league, SeededRandom& random) : league_(league), random_(random) {}

    // Takes the lineups' figures; false when they are not ordinary, with nothing changed.
    bool takeLineups() {
        for (int side = 1; side <= 2; ++side) {
            const int team = side == 1 ? league_.PairingTeam1 : league_.PairingTeam2;
            CountedLineup& lineup = lineups_[static_cast<std::size_t>(side)];
            for (int slot = 1; slot <= kBattingSlots; ++slot) {
                const int number = league_.BattingOrder[side][slot];
                int index = 0;
                while (index < lineup.players &&
                       lineup.number[static_cast<std::size_t>(index)] != number) {
                    ++index;
                }
                const auto i = static_cast<std::size_t>(index);
                if (index == lineup.players) {
                    ++lineup.players;
                    lineup.number[i] = number;
                    lineup.hits[i] = league_.Hits[team][number];
                    lineup.atBats[i] = league_.AtBats[team][number];
                }
                lineup.player[static_cast<std::size_t>(slot - 1)] = index;
                lineup.player[static_cast<std::size_t>(slot - 1 + kBattingSlots)] = index;
            }
            if (!ordinaryFigures(lineup)) return false;
        }
        return true;
    }

    void setUp() {
        GameState& game = league_.CurrentGame;
        const auto drawn = game.Drawn;  // the lineup draw's scratch, not the game's
        game = GameState{};
        game.Drawn = drawn;
        game.SideTeam[1] = league_.PairingTeam1;
        game.SideTeam[2] = league_.PairingTeam2;
        for (int side = 1; side <= 2; ++side) {
            CountedLineup& lineup = lineups_[static_cast<std::size_t>(side)];
            for (int lane = 0; lane < kBattingSlots; ++lane) {
                const auto i =
                    static_cast<std::size_t>(lineup.player[static_cast<std::size_t>(lane)]);
                game.AverageSum[side] += displayedAverage(lineup.hits[i], lineup.atBats[i]);
            }
            for (int index = 0; index < lineup.players; ++index) lineup.setBound(index);
        }
    }

    void play() {
        int inning = 1;
        int half = 1;
        // As in every game: nine innings in full, then to the first boundary between
        // half-innings with the runs apart, unless nobody can hit; the plate appearance limit
        // ends any game where it stands.
        while (appearances_ < kPlateAppearanceLimit &&
               (inning < 10 || (runs_[1] == runs_[2] && someoneCanHit()))) {
            playHalfInning(half);
            if (++half > 2) {
                ++inning;
                half = 1;
            }
        }
        GameState& game = league_.CurrentGame;
        game.Inning = half == 1 ? inning - 1 : inning;
        game.Runs = runs_;
        game.PlateAppearances = appearances_;
        const bool firstWins = runs_[1] > runs_[2];
        league_.LastWinner = firstWins ? league_.PairingTeam1 : league_.PairingTeam2;
        league_.LastLoser = firstWins ? league_.PairingTeam2 : league_.PairingTeam1;
        for (int side = 1; side <= 2; ++side) {
            const int team = game.SideTeam[side];
            const CountedLineup& lineup = lineups_[static_cast<std::size_t>(side)];
            // The slot of the side's last batter, 0 for a side that never batted.
            game.BatterSlot[side] = batted_[static_cast<std::size_t>(side)]
                                        ? (lineup.nextLane + kBattingSlots - 1) % kBattingSlots + 1
                                        : 0;
            for (int index = 0; index < lineup.players; ++index) {
                const auto i = static_cast<std::size_t>(index);
                league_.Hits[team][lineup.number[i]] = lineup.hits[i];
                league_.AtBats[team][lineup.number[i]] = lineup.atBats[i];
            }
        }
    }

private:
    bool someoneCanHit() const {
        for (int side = 1; side <= 2; ++side) {
            const CountedLineup& lineup = lineups_[static_cast<std::size_t>(side)];
            for (int index = 0; index < lineup.players; ++index) {
                if (lineup.hits[static_cast<std::size_t>(index)] > 0) return true;
            }
        }
        return false;
    }

    // A half-inning in runs of at most nine plate appearances, one from each slot, so that the
    // run reads each batter's bound at a fixed place. Within a run the only branch the draws
    // decide is the third out.
    void playHalfInning(int side) {
        const auto s = static_cast<std::size_t>(side);
        CountedLineup& lineup = lineups_[s];
        batted_[s] = true;
        int outs = 0;
        int appearances = 0;
        while (outs < 3 && appearances_ + appearances < kPlateAppearanceLimit) {
            const int room = kPlateAppearanceLimit - appearances_ - appearances;
            const int length =
                room >= kBattingSlots ? runOfNine(lineup, outs) : runOfAtMost(lineup, outs, room);
            lineup.nextLane = (lineup.nextLane + length) % kBattingSlots;
            appearances += length;
        }
        const int hits = appearances - outs;
        // Three hits fill the bases; every further one scores.
        runs_[s] += hits > 3 ? hits - 3 : 0;
        appearances_ += appearances;
    }

    // The turn-th plate appearance of a run that starts at lane `start`: the draw against the
    // batter's bound, his figures counted and his next bound set. True at the third out.
    bool plateAppearance(CountedLineup& lineup, int start, int turn, int& outs) const {
        const int index = lineup.player[static_cast<std::size_t>(start + turn)];
        const auto i = static_cast<std::size_t>(index);
        // k < bound as the sign of k - bound (both below 2^25), in arithmetic rather than a
        // comparison: the compiler would make a comparison a branch, which every third hit
        // would mispredict.
        const std::uint32_t hit = (random_.nextBits() - lineup.below[i]) >> 31;
        lineup.atBats[i] += 1;
        lineup.hits[i] += static_cast<Counter>(hit);
        lineup.setBound(index);
        outs += 1 - static_cast<int>(hit);
        return outs == 3;
    }

    // Up to nine plate appearances, or to the third out; returns how many there were.
    int runOfNine(CountedLineup& lineup, int& outs) const {
        const int start = lineup.nextLane;
#pragma GCC unroll 9
        for (int turn = 0; turn < kBattingSlots; ++turn) {
            if (plateAppearance(lineup, start, turn, outs)) return turn + 1;
        }
        return kBattingSlots;
    }

    // The same near the plate appearance limit, stopping at it.
    int runOfAtMost(CountedLineup& lineup, int& outs, int room) const {
        const int start = lineup.nextLane;
        for (int turn = 0; turn < room; ++turn) {
            if (plateAppearance(lineup, start, turn, outs)) return turn + 1;
        }
        return room;
    }

    League& league_;
    SeededRandom& random_;
    std::array<CountedLineup, 3> lineups_{};  // [side], 0 unused
    std::array<bool, 3> batted_{};            // [side]: the side has come up at all
    std::array<int, 3> runs_{};               // [side]
    int appearances_ = 0;
};

}  // namespace

bool playUnwatchedGame(League& league, SeededRandom& random) {
    // Two sides of one team would share their figures.
    if (league.PairingTeam1 == league.PairingTeam2) return false;
    // The generator is taken into the game and handed back, so that its state stays in a
    // register for the whole game.
    SeededRandom draws = random;
    UnwatchedGame game(league, draws);
    if (!game.takeLineups()) return false;
    game.setUp();
    game.play();
    random = draws;
    return true;
}

}  // namespace zelvano
