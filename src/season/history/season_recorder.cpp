#include "season/history/season_recorder.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

#include "league/league_file.h"
#include "season/history/milestones.h"
#include "text/translation.h"

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

RosterIds rosterOf(const League& league, std::optional<FileFingerprint> leagueFile) {
    RosterIds roster;
    std::size_t at = 0;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot)
            roster.ids[at++] = league.PlayerIds[team][slot];
    }
    roster.ids[at] = league.LoanedPlayerId;
    if (leagueFile) {
        roster.league = *leagueFile;
        return roster;
    }
    try {
        roster.league = fingerprintOf(leagueFileBytes(league));
    } catch (const std::logic_error&) {
        // A league its file cannot hold is never saved; no start will find it.
    }
    return roster;
}

RosterPlace rosterPlace(std::size_t at) {
    const auto places = static_cast<std::size_t>(kTeams * kPlayers);
    if (at >= places) return {};
    return {static_cast<int>(at / kPlayers) + 1, static_cast<int>(at % kPlayers) + 1};
}

bool parseRosterIds(std::string_view text, std::array<PlayerId, kTeams * kPlayers + 1>& ids) {
    std::size_t at = 0;
    for (PlayerId& id : ids) {
        while (at < text.size() && text[at] == ' ') ++at;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), id);
        if (error != std::errc()) return false;
        at = static_cast<std::size_t>(end - text.data());
    }
    return at == text.size();
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
    GameLine line;
    line.number = gameNumber;
    line.team1 = league.PairingTeam1;
    line.team2 = league.PairingTeam2;
    line.runs1 = game.Runs[1];
    line.runs2 = game.Runs[2];
    line.innings = game.Inning;
    line.plateAppearances = game.PlateAppearances;
    line.boxed = true;
    line.end = game.Box.End;
    for (int side = 1; side <= kLineupSides; ++side) {
        const auto at = static_cast<std::size_t>(side - 1);
        const int team = game.SideTeam[side];
        line.inningRuns[at] = game.Box.InningRuns[side];
        for (int slot = 1; slot <= kBattingSlots; ++slot) {
            const int player = league.BattingOrder[side][slot];
            line.batters[at][static_cast<std::size_t>(slot - 1)] = {
                league.PlayerIds[team][player], player, game.Box.AtBats[side][slot],
                game.Box.Hits[side][slot]};
            line.hits[at] += game.Box.Hits[side][slot];
        }
    }
    season_->games.push_back(std::move(line));
    for (Milestone& reached : gameMilestones(league, gameNumber)) {
        season_->milestones.push_back(std::move(reached));
    }
}

void SeasonRecorder::seasonPlayed(const League& league, int champion, const ResultsReport& report) {
    if (!season_) return;
    season_->champion = champion;
    for (int team = 1; team <= kTeams; ++team) {
        const auto at = static_cast<std::size_t>(team - 1);
        season_->marks[at] = league.SeasonMarks[team];
        season_->wins[at] = countMarks(league.SeasonMarks[team], text::dataText("☆"));
        season_->losses[at] = countMarks(league.SeasonMarks[team], text::dataText("★"));
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

std::optional<SeasonRecord> SeasonRecorder::finish(const League& league,
                                                   std::optional<FileFingerprint> leagueFile) {
    if (!season_) return std::nullopt;
    season_->roster = rosterOf(league, leagueFile);
    std::optional<SeasonRecord> finished = std::move(season_);
    season_.reset();
    return finished;
}

}  // namespace zelvano
