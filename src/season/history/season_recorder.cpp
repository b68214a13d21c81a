#include "season/history/season_recorder.h"

#include <string_view>

namespace zelvano {

namespace {

int countMarks(std::string_view marks, std::string_view mark) {
    int count = 0;
    for (std::size_t at = marks.find(mark); at != std::string_view::npos;
         at = marks.find(mark, at + mark.size())) {
        ++count;
    }
    return count;
}

constexpr int kTitleCountSlot = 4;  // + team
constexpr int kTitleRunSlot = 8;

}  // namespace

std::vector<RosterEntry> rosterOf(const League& league) {
    std::vector<RosterEntry> roster;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            roster.push_back({team, slot, snapshotOf(league, team, slot)});
        }
    }
    if (league.LoanedPlayerId != 0) {
        roster.push_back(
            {0,
             0,
             {league.LoanedPlayerId, league.LeagueRecordText[1], league.LeagueRecord[1],
              league.LeagueRecord[2], league.LeagueRecord[3]}});
    }
    return roster;
}

void SeasonRecorder::seasonStarted(const League& league) {
    season_.emplace();
    season_->year = league.CurrentYear;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            before_[team][slot] = snapshotOf(league, team, slot);
        }
    }
}

void SeasonRecorder::gamePlayed(const League& league, int gameNumber) {
    if (!season_) return;
    const GameState& game = league.CurrentGame;
    season_->games.push_back({gameNumber, league.PairingTeam1, league.PairingTeam2, game.Runs[1],
                              game.Runs[2], game.Inning, game.PlateAppearances});
}

void SeasonRecorder::seasonPlayed(const League& league, int champion, const ResultsReport& report) {
    if (!season_) return;
    season_->champion = champion;
    for (int team = 1; team <= kTeams; ++team) {
        const auto at = static_cast<std::size_t>(team - 1);
        season_->marks[at] = league.SeasonMarks[team];
        season_->wins[at] = countMarks(league.SeasonMarks[team], "☆");
        season_->losses[at] = countMarks(league.SeasonMarks[team], "★");
    }
    season_->report = report;
    season_->titles = league.LeagueRecord[static_cast<std::size_t>(champion + kTitleCountSlot)];
    season_->titleRun = league.LeagueRecord[kTitleRunSlot];
    // Nobody changes slots during the games, so each slot's gain is its player's season. A
    // player who never came to bat did not play it.
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            const PlayerSnapshot& before = before_[team][slot];
            if (before.id == 0 || league.PlayerIds[team][slot] != before.id) continue;
            const Counter atBats = league.AtBats[team][slot] - before.atBats;
            if (atBats == 0) continue;
            season_->lines.push_back(
                {before.id, team, slot, league.Hits[team][slot] - before.hits, atBats});
        }
    }
}

void SeasonRecorder::transactionMade(const League& league, const Transaction& move) {
    if (!season_) return;
    season_->moves.push_back(move);
    if (move.kind == TransactionKind::Rookie) {
        season_->newPlayers.push_back({league.CurrentYear, move.team, move.slot, move.player});
    }
}

std::optional<SeasonRecord> SeasonRecorder::finish(const League& league) {
    if (!season_) return std::nullopt;
    season_->roster = rosterOf(league);
    std::optional<SeasonRecord> finished = std::move(season_);
    season_.reset();
    return finished;
}

}  // namespace zelvano
