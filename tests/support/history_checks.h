#pragma once
// What a league's history must agree with: every player's start and season lines add up to his
// career in the league, and the history's last season is the league's year.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "season/history/game_history_reader.h"
#include "season/history/history_reader.h"
#include "season/major_league_loan.h"
#include "support/scripted_user.h"

namespace zelvano::testing {

inline void expectCareerAddsUp(const HistoryReader& history, PlayerId id, Counter hits,
                               Counter atBats, const std::string& who) {
    const std::optional<Career> career = history.career(id);
    ASSERT_TRUE(career.has_value()) << who << " (id " << id << ") is not in the history";
    Counter hitsSum = career->start.player.hits, atBatsSum = career->start.player.atBats;
    for (const CareerSeason& season : career->seasons) {
        hitsSum += season.hits;
        atBatsSum += season.atBats;
    }
    EXPECT_EQ(hitsSum, hits) << who;
    EXPECT_EQ(atBatsSum, atBats) << who;
}

// For every player on the rosters and the one away, and for the players who retired in the
// league's last season (or in every season since `retiredSince`). The history's last season is
// the league's.
inline void expectHistoryAddsUp(const HistoryReader& history, const League& league,
                                Counter retiredSince = 0) {
    ASSERT_TRUE(history.season(league.CurrentYear).has_value()) << "year " << league.CurrentYear;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            const PlayerId id = league.PlayerIds[team][slot];
            EXPECT_EQ(history.playerAt(team, slot), id);
            if (id == 0) continue;
            expectCareerAddsUp(history, id, league.Hits[team][slot], league.AtBats[team][slot],
                               league.PlayerName[team][slot]);
        }
    }
    if (league.LoanedPlayerId != 0) {
        const LoanedFigures away = loanedPlayerFigures(league);
        expectCareerAddsUp(history, league.LoanedPlayerId, away.hits, away.atBats, "away");
    }
    for (const StoredMove& stored : history.moves(retiredSince > 0 ? 0 : league.CurrentYear, 1)) {
        if (stored.year < retiredSince || stored.move.kind != TransactionKind::Retire) continue;
        expectCareerAddsUp(history, stored.move.player.id, stored.move.player.hits,
                           stored.move.player.atBats, stored.move.player.name + " (retired)");
    }
}

// Every game of `year` has its box score, and it adds up: each side's runs are the sum of its
// innings and its hits the sum of its batters' (the reader refuses a game that does not), and
// every batter's games add up to his season line.
inline void expectBoxScoresAddUp(const HistoryReader& history, const GameHistoryReader& games,
                                 Counter year) {
    std::map<PlayerId, std::pair<Counter, Counter>> fromGames;  // hits, at-bats
    for (int number = 1; number <= 12; ++number) {
        const std::optional<StoredGame> game = games.game(year, number);
        ASSERT_TRUE(game.has_value() && game->line.boxed) << year << "/" << number;
        for (const auto& side : game->line.batters) {
            for (const BoxBatter& batter : side) {
                fromGames[batter.id].first += batter.hits;
                fromGames[batter.id].second += batter.atBats;
            }
        }
    }
    for (const auto& [id, figures] : fromGames) {
        if (id == 0) continue;  // the placeholder of the player away, whom the history never knew
        const std::optional<Career> career = history.career(id);
        ASSERT_TRUE(career.has_value()) << "id " << id;
        std::pair<Counter, Counter> season{};
        for (const CareerSeason& each : career->seasons) {
            if (each.year == year) season = {each.hits, each.atBats};
        }
        EXPECT_EQ(figures, season) << "id " << id << " in " << year;
    }
}

}  // namespace zelvano::testing
