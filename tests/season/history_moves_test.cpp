// A player keeps one identity in the history through the off-season's moves: trades, a loan to
// the major leagues and the return, retirement and the rookie taking his slot, and a namesake
// on another team. Each case plays seasons through the real season-end steps on scripted draws.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "season/history/league_history.h"
#include "season/major_league_loan.h"
#include "season/results_report.h"
#include "season/retirements.h"
#include "season/rookies.h"
#include "season/trades.h"
#include "support/history_checks.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

class QueuedRandom final : public RandomSource {
public:
    std::deque<float> values;
    float next() override {
        if (values.empty()) return 0.999f;
        const float value = values.front();
        values.pop_front();
        return value;
    }
};

// The draw that picks slot s of thirty.
float slot(int s) { return (static_cast<float>(s) - 0.5f) / 30.0f; }

// Seasons played by hand: every player bats 10 times for 4 hits, team 1 wins the title, then the
// off-season steps the case calls run on the draws it queues; the season is then recorded.
struct Seasons {
    testing::ScriptedUser user;
    QueuedRandom* random = nullptr;
    std::unique_ptr<HeadlessPlatform> platform;
    League league = testing::testLeague();
    LeagueHistory history{":memory:"};

    void start() {
        auto draws = std::make_unique<QueuedRandom>();
        random = draws.get();
        platform = std::make_unique<HeadlessPlatform>(
            user, std::make_unique<testing::MemoryFileStore>(), std::move(draws));
        history.takeLeague(league, *platform);
    }
    void play(const std::function<void()>& offSeason) {
        ++league.CurrentYear;
        history.recorder().seasonStarted(league);
        for (int team = 1; team <= kTeams; ++team) {
            for (int s = 1; s <= kPlayers; ++s) {
                if (league.PlayerIds[team][s] == 0) continue;
                league.AtBats[team][s] += 10;
                league.Hits[team][s] += 4;
            }
        }
        league.SeasonMarks = {"", "☆", "★", "★"};
        history.recorder().seasonPlayed(league, 1, recordChampionship(league, 1));
        offSeason();
        history.commitSeason(league, *platform);
    }
    SeasonObserver* observer() { return &history.recorder(); }
    HistoryReader reader() { return *history.reader(); }
};

struct MoveCase {
    const char* name;
    std::function<void(League&)> prepare;
    std::vector<std::function<void(Seasons&)>> offSeasons;
    std::function<void(Seasons&, PlayerId a, PlayerId b)> check;  // a: (1,5), b: (2,7) at first
};

std::vector<int> teamsOf(const Career& career) {
    std::vector<int> teams;
    for (const CareerSeason& season : career.seasons) teams.push_back(season.team);
    return teams;
}

const MoveCase kMoveCases[] = {
    {"ATradeThenATradeBack",
     [](League&) {},
     {[](Seasons& s) {
          s.random->values = {slot(5), slot(7), slot(30), slot(29), slot(28), slot(27)};
          makeTrades(s.league, *s.platform, s.observer());
      },
      [](Seasons& s) {
          s.random->values = {slot(5), slot(7), slot(30), slot(29), slot(28), slot(27)};
          makeTrades(s.league, *s.platform, s.observer());
      }},
     [](Seasons& s, PlayerId a, PlayerId b) {
         EXPECT_EQ(s.league.PlayerIds[1][5], a);
         EXPECT_EQ(s.league.PlayerIds[2][7], b);
         HistoryReader history = s.reader();
         EXPECT_EQ(teamsOf(*history.career(a)), (std::vector<int>{1, 2}));
         EXPECT_EQ(teamsOf(*history.career(b)), (std::vector<int>{2, 1}));
         const std::vector<StoredMove> moves = history.movesOf(a);
         ASSERT_EQ(moves.size(), 2u);
         // The first took him from team 1's slot 5 to team 2's slot 7; the second brought him
         // back, as the other half of B's move.
         EXPECT_EQ(moves[0].move.player.id, a);
         EXPECT_EQ(moves[0].move.other.id, b);
         EXPECT_EQ(moves[0].move.otherTeam, 2);
         EXPECT_EQ(moves[0].move.otherSlot, 7);
         EXPECT_EQ(moves[1].move.player.id, b);
         EXPECT_EQ(moves[1].move.other.id, a);
     }},
    {"ALoanAndTheReturnTheSeasonAfter",
     [](League& league) {
         league.Hits[1][5] = 60;
         league.AtBats[1][5] = 100;
     },
     {[](Seasons& s) {
          s.random->values = {slot(5)};
          processMajorLeagueLoan(s.league, *s.platform, s.observer());
      },
      [](Seasons& s) {
          EXPECT_EQ(s.league.PlayerIds[1][5], 0);  // the placeholder
          s.random->values = {0.1f};
          processMajorLeagueLoan(s.league, *s.platform, s.observer());
      }},
     [](Seasons& s, PlayerId a, PlayerId) {
         EXPECT_EQ(s.league.PlayerIds[1][5], a);
         EXPECT_EQ(s.league.LoanedPlayerId, 0);
         HistoryReader history = s.reader();
         const Career career = *history.career(a);
         ASSERT_EQ(career.seasons.size(), 1u);  // away in the second season
         EXPECT_EQ(career.seasons[0].year, 1);
         testing::expectHistoryAddsUp(history, s.league);
         const std::vector<StoredMove> moves = history.movesOf(a);
         ASSERT_EQ(moves.size(), 2u);
         EXPECT_EQ(moves[0].move.kind, TransactionKind::Loan);
         EXPECT_EQ(moves[1].move.kind, TransactionKind::Return);
         EXPECT_EQ(moves[1].year, 2);
         EXPECT_EQ(moves[1].move.other.name, kMajorLeaguePlaceholder);
     }},
    {"ARookieTakesTheSlotOfARetiredPlayer",
     [](League&) {},
     {[](Seasons& s) {
         s.random->values = {0.9f, slot(5), 0.1f, 0.1f};
         retirePlayers(s.league, *s.platform, s.observer());
         s.random->values = {0.1f, 0.5f};  // one rookie, 12 hits
         s.user.inputs = {"新人"};
         s.user.onAct = [](HeadlessPlatform& p) {
             return p.battingOrderView() != nullptr && !p.battingOrderView()->closed &&
                    p.battingOrderView()->pressPlayer(4);
         };
         addRookies(s.league, *s.platform, s.observer());
     }},
     [](Seasons& s, PlayerId a, PlayerId) {
         const PlayerId rookie = s.league.PlayerIds[1][5];
         EXPECT_NE(rookie, a);
         EXPECT_EQ(rookie, s.league.NextPlayerId - 1);
         HistoryReader history = s.reader();
         const std::vector<StoredMove> moves = history.moves(1);
         ASSERT_EQ(moves.size(), 2u);
         EXPECT_EQ(moves[0].move.kind, TransactionKind::Retire);
         EXPECT_EQ(moves[0].move.player.id, a);
         EXPECT_EQ(moves[1].move.kind, TransactionKind::Rookie);
         EXPECT_EQ(moves[1].move.player.id, rookie);
         EXPECT_EQ(moves[1].move.other.id, 0);  // the slot was empty
         const Career career = *history.career(rookie);
         EXPECT_EQ(career.start.year, 1);
         EXPECT_EQ(career.start.player.hits, 12);
         EXPECT_EQ(career.start.player.atBats, 30);
         EXPECT_TRUE(career.seasons.empty());
         testing::expectHistoryAddsUp(history, s.league);
     }},
    {"TwoPlayersOfOneNameStayTwo",
     [](League& league) {
         league.PlayerName[1][5] = league.PlayerName[2][7] = "同名";
         league.Hits[2][7] = 9;
     },
     {[](Seasons& s) {
         s.random->values = {slot(5), slot(7), slot(30), slot(29), slot(28), slot(27)};
         makeTrades(s.league, *s.platform, s.observer());
     }},
     [](Seasons& s, PlayerId a, PlayerId b) {
         EXPECT_NE(a, b);
         EXPECT_EQ(s.league.PlayerIds[1][5], b);
         HistoryReader history = s.reader();
         EXPECT_EQ(history.career(a)->start.player.hits, 3);
         EXPECT_EQ(history.career(b)->start.player.hits, 9);
         testing::expectHistoryAddsUp(history, s.league);
     }},
};

class PlayerIdentity : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PlayerIdentity, FollowsThePlayerThroughTheMove) {
    const MoveCase& move = GetParam();
    Seasons seasons;
    move.prepare(seasons.league);
    seasons.start();
    const PlayerId a = seasons.league.PlayerIds[1][5], b = seasons.league.PlayerIds[2][7];
    ASSERT_NE(a, 0);
    for (const auto& offSeason : move.offSeasons) {
        seasons.play([&] { offSeason(seasons); });
    }
    move.check(seasons, a, b);
}

INSTANTIATE_TEST_SUITE_P(Moves, PlayerIdentity, ::testing::ValuesIn(kMoveCases),
                         [](const auto& each) { return std::string(each.param.name); });

}  // namespace
}  // namespace zelvano
