#include "game/play_game.h"

#include <array>
#include <string>

#include "game/scoreboard_text.h"
#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

float hitChance(Counter hits, Counter atBatsIncludingThisOne) {
    // The quotient rounded to single precision. Both counters are whole numbers below 2^24,
    // exact in a float, and the quotient of two such floats rounded to double (53 bits, more
    // than 2 × 24 + 2) and then to float is the quotient rounded straight to float: one division
    // in single precision gives it.
    return static_cast<float>(hits) / static_cast<float>(atBatsIncludingThisOne);
}

bool isHit(float r, Counter hits, Counter atBatsIncludingThisOne) {
    return r < hitChance(hits, atBatsIncludingThisOne);
}

namespace {

// A scoreboard somebody watches: told every step of the game, with the window system given its
// turn before every half-inning and in the pause after every plate appearance.
class WatchedBoard {
public:
    WatchedBoard(const League& league, Platform& platform, ScoreboardView& view)
        : league_(league), platform_(platform), view_(view) {}

    void setUp(const GameState& game) {
        view_.setCaption("Zelvano");
        for (int side = 1; side <= 2; ++side) {
            view_.setTeamName(side, league_.TeamName[game.SideTeam[side]]);
        }
        for (int side = 1; side <= 2; ++side) {
            const int team = game.SideTeam[side];
            for (int slot = 1; slot <= kBattingSlots; ++slot) {
                const int player = league_.BattingOrder[side][slot];
                view_.setBatterName(batterLabelIndex(side, slot), league_.PlayerName[team][player]);
                view_.setBatterFigures(batterLabelIndex(side, slot), league_.Hits[team][player],
                                       league_.AtBats[team][player]);
            }
        }
        view_.setScoreLine(openingScoreLine(league_));
        for (int side = 1; side <= 2; ++side) {
            // The mean of the nine displayed averages, in thousandths.
            const int mean = game.AverageSum[side] / 9;
            view_.setTeamAverage(
                side, text::fillIn(text::translated("平均：{1}"),
                                   {text::japaneseText() ? std::to_string(mean)
                                                         : text::baseballAverage(mean / 1000.0)}));
        }
    }
    void startHalf(int inning, int half) {
        platform_.yieldOnce();
        view_.setInning(inning, half);
    }
    void atBat(int index) { view_.setCurrentBatter(index); }
    void runScored(int side, int runs) {
        runs_[side] = runs;
        view_.setScoreLine(scoreLine(league_, runs_[1], runs_[2]));
    }
    void figures(int index, Counter hits, Counter atBats) {
        view_.setBatterFigures(index, hits, atBats);
    }
    // About GameWait × 50 ms per plate appearance, with the window kept alive meanwhile. The
    // speed may change in the information window while the game runs.
    void pause() {
        for (int round = 0; round < league_.GameWait * 5; ++round) {
            platform_.yieldOnce();
            platform_.sleepMs(10);
            platform_.yieldOnce();
        }
    }
    void endHalf() { view_.setCurrentBatter(-1); }

private:
    const League& league_;
    Platform& platform_;
    ScoreboardView& view_;
    std::array<int, 3> runs_{};  // the score as shown, [side]
};

// A scoreboard nobody sees, without pauses: told nothing, so the game runs without a single call
// out of its loop. Nobody can act during such a game either, so there is nothing to yield to.
struct SilentBoard {
    void setUp(const GameState&) {}
    void startHalf(int, int) {}
    void atBat(int) {}
    void runScored(int, int) {}
    void figures(int, Counter, Counter) {}
    void pause() {}
    void endHalf() {}
};

// One game with the draws of `Random` on `Board`. Both are known to the compiler, so a game
// nobody watches is the draws, the comparisons and the counting, and little else.
template <typename Random, typename Board>
class GameRun {
public:
    GameRun(League& league, Random& random, Board& board)
        : league_(league), random_(random), board_(board), game_(league.CurrentGame) {}

    void setUp() {
        const auto drawn = game_.Drawn;  // the lineup draw's scratch, not the game's
        auto innings = std::move(game_.Box.InningRuns);  // kept for their room
        game_ = GameState{};
        game_.Drawn = drawn;
        game_.Box.InningRuns = std::move(innings);
        for (auto& runs : game_.Box.InningRuns) runs.clear();
        game_.SideTeam[1] = league_.PairingTeam1;
        game_.SideTeam[2] = league_.PairingTeam2;
        for (int side = 1; side <= 2; ++side) {
            const int team = game_.SideTeam[side];
            for (int slot = 1; slot <= kBattingSlots; ++slot) {
                const int player = league_.BattingOrder[side][slot];
                game_.AverageSum[side] +=
                    displayedAverage(league_.Hits[team][player], league_.AtBats[team][player]);
                setNextChance(team, player);
            }
        }
        board_.setUp(game_);
    }

    void play() {
        int inning = 1;
        int half = 1;
        // The first nine innings are played in full; from then on the game ends at the first
        // boundary between half-innings at which the runs differ, or once neither lineup holds
        // a player who can ever hit: such a game would never end, and its tie goes to side 2.
        // A game of hitters who almost never make an out ends where it stands once it reaches
        // kPlateAppearanceLimit, decided by the runs, a tie again going to side 2.
        for (;;) {
            if (limitReached()) {
                game_.Box.End = GameEnd::PlateAppearanceLimit;
                break;
            }
            if (inning >= 10 && game_.Runs[1] != game_.Runs[2]) break;
            if (inning >= 10 && !someoneCanHit()) {
                game_.Box.End = GameEnd::NobodyCanHit;
                break;
            }
            game_.Inning = inning;
            playHalfInning(inning, half);
            if (++half > 2) {
                ++inning;
                half = 1;
            }
        }
        if (game_.Runs[1] > game_.Runs[2]) {
            league_.LastWinner = league_.PairingTeam1;
            league_.LastLoser = league_.PairingTeam2;
        } else {
            league_.LastWinner = league_.PairingTeam2;
            league_.LastLoser = league_.PairingTeam1;
        }
    }

private:
    bool limitReached() const { return game_.PlateAppearances >= kPlateAppearanceLimit; }

    // The chance of the player's next plate appearance, which counts itself among his at-bats.
    void setNextChance(int team, int player) {
        const Counter atBats = league_.AtBats[team][player];
        nextChance_[team][player] =
            hitChance(league_.Hits[team][player], atBats < kCounterLimit ? atBats + 1 : atBats);
    }

    // A batter without hits never hits: his chance is 0 over his at-bats.
    bool someoneCanHit() const {
        for (int side = 1; side <= 2; ++side) {
            for (int slot = 1; slot <= kBattingSlots; ++slot) {
                if (league_.Hits[game_.SideTeam[side]][league_.BattingOrder[side][slot]] > 0) {
                    return true;
                }
            }
        }
        return false;
    }

    // Three hits fill the bases; every further one scores. The half-inning's figures live in
    // locals while it runs, so that the loop keeps them in registers.
    void playHalfInning(int inning, int side) {
        board_.startHalf(inning, side);
        const int team = game_.SideTeam[side];
        const auto& order = league_.BattingOrder[side];
        auto& atBats = league_.AtBats[team];
        auto& hits = league_.Hits[team];
        auto& gameAtBats = game_.Box.AtBats[side];
        auto& gameHits = game_.Box.Hits[side];
        int slot = game_.BatterSlot[side];
        int runs = game_.Runs[side];
        int outs = 0;
        int halfHits = 0;
        int appearances = game_.PlateAppearances;
        while (outs < 3 && appearances < kPlateAppearanceLimit) {
            slot = slot % kBattingSlots + 1;  // 1 after 9, and after 0 before the first
            board_.atBat(batterLabelIndex(side, slot));
            const int batter = order[slot];
            countUp(atBats[batter]);
            ++appearances;
            // Counted in integers, without a branch: whether a batter hits cannot be guessed,
            // and a wrong guess costs as much as a plate appearance. His chance was worked out
            // after his last plate appearance, so that the draw waits for nothing but the
            // comparison. Hits never pass the at-bats, even where these stopped at the limit.
            const int hit = random_.next() < nextChance_[team][batter] ? 1 : 0;
            const int counted = hit & (hits[batter] < atBats[batter] ? 1 : 0);
            hits[batter] += counted;
            gameAtBats[slot] += 1;
            gameHits[slot] += counted;
            halfHits += hit;
            outs += 1 - hit;
            const int scores = hit & (halfHits > 3 ? 1 : 0);
            runs += scores;
            if (scores) board_.runScored(side, runs);
            setNextChance(team, batter);
            board_.figures(batterLabelIndex(side, slot), hits[batter], atBats[batter]);
            board_.pause();
        }
        game_.Box.InningRuns[side].push_back(runs - game_.Runs[side]);
        game_.BatterSlot[side] = slot;
        game_.Runs[side] = runs;
        game_.PlateAppearances = appearances;
        board_.endHalf();
    }

    League& league_;
    Random& random_;
    Board& board_;
    GameState& game_;
    // By team rather than side, so that two sides of one team share their players' chances.
    PerTeam<std::array<float, kPlayers + 1>> nextChance_{};
};

template <typename Board>
void playOn(League& league, RandomSource& random, Board& board, ScoreboardView& view) {
    withDrawsInlined(random, [&](auto& draws) {
        GameRun run(league, draws, board);
        run.setUp();
        view.show();
        run.play();
    });
}

}  // namespace

std::unique_ptr<ScoreboardView> playGame(League& league, Platform& platform,
                                         ScoreboardEvents& events) {
    auto view = platform.createScoreboardView(events);
    view->setWindowState(league.GameWindowState);
    // Without pauses and without anybody at the board, nothing outside the game can happen
    // during it: it runs on its own.
    if (!platform.showsGames() && league.GameWait == 0) {
        SilentBoard board;
        playOn(league, platform.random(), board, *view);
    } else {
        if (platform.showsGames()) showStandings(league, *view);
        WatchedBoard board(league, platform, *view);
        playOn(league, platform.random(), board, *view);
    }
    league.GameWindowState = view->windowState();
    return view;
}

}  // namespace zelvano
