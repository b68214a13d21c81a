// How fast the league runs without pauses: one game, one whole season through the season driver,
// and the league file both ways. zelvano-sim's fast-forward lives on these.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "game/lineups.h"
#include "game/play_game.h"
#include "headless/headless_platform.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "league/rankings.h"
#include "league/registration.h"
#include "season/season_driver.h"
#include "season/season_observer.h"

namespace zelvano {
namespace {

using namespace bench;

// The league BM_Season and BM_PlayGame play: a new one after a hundred seasons under the
// benchmark's manager, with their trades, retirements and rookies. A league played for ever drifts
// far from any a player keeps (after tens of thousands of seasons its games have half the plate
// appearances), so both benchmarks go back to this one every ten seasons.
constexpr int kAgedSeasons = 100;
constexpr int kSeasonsPlayedOn = 10;

League agedLeague() {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 2u);
    platform.gamesWatched = false;
    League league = newLeague();
    SeasonPlayer seasons(league, platform);
    for (int season = 0; season < kAgedSeasons; ++season) seasons.playSeason();
    return league;
}

// A season's games as played: the career figures it started from, and each game's pairing and
// lineups.
struct RecordedSeason {
    PerPlayer<Counter> hits{};
    PerPlayer<Counter> atBats{};
    struct Game {
        int team1 = 0;
        int team2 = 0;
        std::array<std::array<int, kBattingSlots + 1>, kLineupSides + 1> order{};
    };
    std::vector<Game> games;
};

// Follows the games of seasons: counts their plate appearances and, when given somewhere to
// keep them, records the games.
class GameFollower final : public SeasonObserver {
public:
    long games = 0;
    long appearances = 0;
    std::vector<RecordedSeason>* recorded = nullptr;

    void gamePlayed(const League& league, int) override {
        ++games;
        appearances += league.CurrentGame.PlateAppearances;
        if (recorded != nullptr) {
            recorded->back().games.push_back(
                {league.PairingTeam1, league.PairingTeam2, league.BattingOrder});
        }
    }
    void seasonPlayed(const League&, int, const ResultsReport&) override {}
};

// The games of ten seasons of the aged league as BM_Season plays them, with their pairings,
// lineups (the rival's drawn, team 1's the manager's) and the career figures each season starts
// from. They are recorded before the clock starts; BM_PlayGame then replays them game by game,
// the figures set back to a season's start every twelfth game, so that it measures the game
// alone and its plate appearances are a season's.
std::vector<RecordedSeason> recordedSeasons() {
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 3u);
    platform.gamesWatched = false;
    League league = agedLeague();
    GameFollower follower;
    std::vector<RecordedSeason> recorded;
    follower.recorded = &recorded;
    SeasonPlayer seasons(league, platform, &follower);
    for (int season = 0; season < kSeasonsPlayedOn; ++season) {
        recorded.push_back({league.Hits, league.AtBats, {}});
        seasons.playSeason();
    }
    return recorded;
}

void BM_PlayGame(benchmark::State& state) {
    const std::vector<RecordedSeason> seasons = recordedSeasons();
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    platform.gamesWatched = false;
    UnattendedScoreboardEvents events;
    League league = agedLeague();
    std::size_t season = 0;
    std::size_t game = 0;
    league.Hits = seasons[season].hits;
    league.AtBats = seasons[season].atBats;
    long appearances = 0;
    for (auto _ : state) {
        const RecordedSeason::Game& played = seasons[season].games[game];
        league.PairingTeam1 = played.team1;
        league.PairingTeam2 = played.team2;
        league.BattingOrder = played.order;
        auto view = playGame(league, platform, events);
        appearances += league.CurrentGame.PlateAppearances;
        if (++game == seasons[season].games.size()) {
            game = 0;
            season = (season + 1) % seasons.size();
            league.Hits = seasons[season].hits;
            league.AtBats = seasons[season].atBats;
        }
    }
    state.SetItemsProcessed(appearances);
    state.counters["appearances"] = benchmark::Counter(static_cast<double>(appearances) /
                                                       static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PlayGame);

void BM_Seasons(benchmark::State& state) {
    const int seasons = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BenchUser user(seasons);
        auto files = std::make_unique<MemoryFiles>();
        files->league = leagueFileBytes(newLeague());
        HeadlessPlatform platform(user, std::move(files), 1u);
        platform.gamesWatched = false;
        League league;
        benchmark::DoNotOptimize(runLeague(league, platform));
    }
    state.SetItemsProcessed(state.iterations() * seasons);
}
BENCHMARK(BM_Seasons)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// One season after another of the aged league: twelve games with their lineups, the automatic
// manager's orders, and the season end; no file is written. Every ten seasons the league goes
// back to its aged self, with the clock stopped.
void BM_Season(benchmark::State& state) {
    const League aged = agedLeague();
    BenchUser user(1);
    HeadlessPlatform platform(user, std::make_unique<MemoryFiles>(), 1u);
    platform.gamesWatched = false;
    League league = aged;
    GameFollower follower;
    SeasonPlayer seasons(league, platform, &follower);
    int played = 0;
    for (auto _ : state) {
        seasons.playSeason();
        if (++played == kSeasonsPlayedOn) {
            state.PauseTiming();
            league = aged;
            played = 0;
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["appearances"] = benchmark::Counter(static_cast<double>(follower.appearances) /
                                                       static_cast<double>(follower.games));
}
BENCHMARK(BM_Season)->Unit(benchmark::kMicrosecond);

// The league saved after a season and loaded at the next start, through the real procedures.
void BM_SaveAndLoadLeague(benchmark::State& state) {
    BenchUser user(1);
    auto files = std::make_unique<MemoryFiles>();
    files->league = leagueFileBytes(newLeague());
    HeadlessPlatform platform(user, std::move(files), 1u);
    League league;
    loadLeague(league, platform);
    for (auto _ : state) {
        saveLeague(league, platform);
        loadLeague(league, platform);
    }
}
BENCHMARK(BM_SaveAndLoadLeague);

// Each of the five rankings of the information window, without its window.
class DroppedRanking final : public RankingSink {
public:
    bool yield() override { return true; }
    void setTitle(const std::string&) override {}
    void clear() override {}
    void addLine(const std::string& line) override { benchmark::DoNotOptimize(line.data()); }
};

void BM_Ranking(benchmark::State& state) {
    const League league = newLeague();
    DroppedRanking sink;
    for (auto _ : state) runRanking(league, static_cast<int>(state.range(0)), sink);
}
BENCHMARK(BM_Ranking)->DenseRange(0, kRankings - 1);

void BM_LeagueFileWrite(benchmark::State& state) {
    const League league = newLeague();
    for (auto _ : state) benchmark::DoNotOptimize(leagueFileBytes(league));
}
BENCHMARK(BM_LeagueFileWrite);

void BM_LeagueFileRead(benchmark::State& state) {
    const std::string bytes = leagueFileBytes(newLeague());
    League league;
    for (auto _ : state) benchmark::DoNotOptimize(parseLeagueFile(bytes, league).ok);
}
BENCHMARK(BM_LeagueFileRead);

}  // namespace
}  // namespace zelvano
