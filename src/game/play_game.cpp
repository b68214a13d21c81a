#include "game/play_game.h"

#include <string>

#include "game/scoreboard_text.h"

namespace zelvano {

bool isHit(float r, Counter hits, Counter atBatsIncludingThisOne) {
    const auto p =
        static_cast<float>(static_cast<double>(hits) / static_cast<double>(atBatsIncludingThisOne));
    return r < p;
}

namespace {

class GameRun {
public:
    GameRun(League& league, Platform& platform, ScoreboardView& view)
        : league_(league), platform_(platform), view_(view), game_(league.CurrentGame) {}

    void setUp() {
        const auto drawn = game_.Drawn;  // the lineup draw's scratch, not the game's
        game_ = GameState{};
        game_.Drawn = drawn;
        game_.SideTeam[1] = league_.PairingTeam1;
        game_.SideTeam[2] = league_.PairingTeam2;
        view_.setCaption("Zelvano");
        for (int side = 1; side <= 2; ++side) {
            view_.setTeamName(side, league_.TeamName[game_.SideTeam[side]]);
        }
        for (int side = 1; side <= 2; ++side) {
            const int team = game_.SideTeam[side];
            for (int slot = 1; slot <= kBattingSlots; ++slot) {
                const int player = league_.BattingOrder[side][slot];
                const int average = displayedAverage(league_, team, player);
                view_.setBatterName(batterLabelIndex(side, slot), league_.PlayerName[team][player]);
                view_.setBatterFigures(batterLabelIndex(side, slot), league_.Hits[team][player],
                                       league_.AtBats[team][player]);
                game_.AverageSum[side] += average;
            }
        }
        view_.setScoreLine(openingScoreLine(league_));
        for (int side = 1; side <= 2; ++side) {
            view_.setTeamAverage(side, "平均：" + std::to_string(game_.AverageSum[side] / 9));
        }
    }

    void play() {
        int inning = 1;
        int half = 1;
        // The first nine innings are played in full; from then on the game ends at the first
        // boundary between half-innings at which the runs differ, or once neither lineup holds
        // a player who can ever hit: such a game would never end, and its tie goes to side 2.
        // A game of hitters who almost never make an out ends where it stands once it reaches
        // kPlateAppearanceLimit, decided by the runs, a tie again going to side 2.
        while (!limitReached() &&
               (inning < 10 || (game_.Runs[1] == game_.Runs[2] && someoneCanHit()))) {
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

    void playHalfInning(int inning, int half) {
        int outs = 0;
        int halfHits = 0;
        platform_.yieldOnce();
        view_.setInning(inning, half);
        while (outs < 3 && !limitReached()) {
            if (plateAppearance(half, halfHits)) {
                ++halfHits;
            } else {
                ++outs;
            }
            pause();
        }
        view_.setCurrentBatter(-1);
    }

    // Returns whether the batter hit. Three hits fill the bases; every further one scores.
    bool plateAppearance(int side, int halfHitsBefore) {
        const int team = game_.SideTeam[side];
        if (++game_.BatterSlot[side] > kBattingSlots) game_.BatterSlot[side] = 1;
        const int slot = game_.BatterSlot[side];
        view_.setCurrentBatter(batterLabelIndex(side, slot));

        const int batter = league_.BattingOrder[side][slot];
        countUp(league_.AtBats[team][batter]);
        ++game_.PlateAppearances;
        const float r = platform_.random().next();
        const bool hit = isHit(r, league_.Hits[team][batter], league_.AtBats[team][batter]);
        if (hit) {
            // Hits never pass the at-bats, even where these stopped at the counter limit.
            if (league_.Hits[team][batter] < league_.AtBats[team][batter]) {
                league_.Hits[team][batter] += 1;
            }
            if (halfHitsBefore + 1 > 3) {
                ++game_.Runs[side];
                view_.setScoreLine(scoreLine(league_, game_.Runs[1], game_.Runs[2]));
            }
        }
        view_.setBatterFigures(batterLabelIndex(side, slot), league_.Hits[team][batter],
                               league_.AtBats[team][batter]);
        return hit;
    }

    // About GameWait × 50 ms per plate appearance, with the window kept alive meanwhile.
    void pause() {
        for (int round = 0; round < league_.GameWait * 5; ++round) {
            platform_.yieldOnce();
            platform_.sleepMs(10);
            platform_.yieldOnce();
        }
    }

    League& league_;
    Platform& platform_;
    ScoreboardView& view_;
    GameState& game_;
};

}  // namespace

std::unique_ptr<ScoreboardView> playGame(League& league, Platform& platform,
                                         ScoreboardEvents& events) {
    auto view = platform.createScoreboardView(events);
    view->setWindowState(league.GameWindowState);
    showStandings(league, *view);
    GameRun run(league, platform, *view);
    run.setUp();
    view->show();
    run.play();
    league.GameWindowState = view->windowState();
    return view;
}

}  // namespace zelvano
