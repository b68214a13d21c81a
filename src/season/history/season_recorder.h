#pragma once
// Collects one season for the history as it is played: the games, the standings and the report,
// every move of the off-season, each player's hits and at-bats of the season. Nothing is written
// here; the history takes the finished season right before the league file is saved.
//
//   SeasonRecorder recorder;
//   runLeague(league, platform, &recorder);     // through the history, in the game
//   SeasonRecord season = recorder.finish(league);

#include <optional>

#include "season/history/season_record.h"
#include "season/season_observer.h"

namespace zelvano {

class SeasonRecorder final : public SeasonObserver {
public:
    void seasonStarted(const League& league) override;
    void gamePlayed(const League& league, int gameNumber) override;
    void seasonPlayed(const League& league, int champion, const ResultsReport& report) override;
    void transactionMade(const League& league, const Transaction& move) override;

    // The season with the league's rosters as they are now, at its end; nothing when no season
    // was begun since the last one was finished.
    std::optional<SeasonRecord> finish(const League& league,
                                       std::optional<FileFingerprint> leagueFile = std::nullopt);

private:
    std::optional<SeasonRecord> season_;
    // Each slot's player and figures when the season began.
    PerPlayer<PlayerSnapshot> before_{};
};

}  // namespace zelvano
