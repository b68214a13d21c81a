#pragma once
// Lets zelvano-sim, the league's history and the tests follow the league without a window.

#include "league/league.h"
#include "season/results_report.h"
#include "season/transaction.h"

namespace zelvano {

class SeasonObserver {
public:
    virtual ~SeasonObserver() = default;
    // When the year has been counted up, before the first game.
    virtual void seasonStarted(const League& /*league*/) {}
    // After every game, before the wait for "次へ"; gameNumber is 1..12 within the season.
    virtual void gamePlayed(const League& league, int gameNumber) = 0;
    // At the season end, once the champion is known and the report filled, before the report
    // is shown and before the off-season's trades, loans, retirements and rookies.
    virtual void seasonPlayed(const League& league, int champion, const ResultsReport& report) = 0;
    // Every move of the off-season, once it is made (the league already shows it).
    virtual void transactionMade(const League& /*league*/, const Transaction& /*move*/) {}
};

// Tells two observers, either of which may be null, of everything.
class ObserverPair final : public SeasonObserver {
public:
    ObserverPair(SeasonObserver* first, SeasonObserver* second) : first_(first), second_(second) {}
    void seasonStarted(const League& league) override {
        for (SeasonObserver* each : {first_, second_})
            if (each != nullptr) each->seasonStarted(league);
    }
    void gamePlayed(const League& league, int gameNumber) override {
        for (SeasonObserver* each : {first_, second_})
            if (each != nullptr) each->gamePlayed(league, gameNumber);
    }
    void seasonPlayed(const League& league, int champion, const ResultsReport& report) override {
        for (SeasonObserver* each : {first_, second_})
            if (each != nullptr) each->seasonPlayed(league, champion, report);
    }
    void transactionMade(const League& league, const Transaction& move) override {
        for (SeasonObserver* each : {first_, second_})
            if (each != nullptr) each->transactionMade(league, move);
    }

private:
    SeasonObserver* first_;
    SeasonObserver* second_;
};

}  // namespace zelvano
