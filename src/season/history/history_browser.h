#pragma once
// What the history window shows, worked out from the league's history as texts and numbers: the
// champions year by year, one season's page, the transaction log, a player's career, the
// all-time records and the series of the charts. The window only lays them out.
//
//   HistoryBrowser browser(league, *history.reader());
//   HistoryTable champions = browser.champions();
//   CareerPage page = browser.career(league.PlayerIds[1][7]);

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "league/league.h"
#include "platform/history_view.h"
#include "season/history/history_reader.h"

namespace zelvano {

// The kind of a transaction as the window names it: トレード, 大リーグ移籍, ...
std::string transactionWordJapanese(TransactionKind kind);

class HistoryBrowser final : public HistorySource {
public:
    HistoryBrowser(const League& league, HistoryReader history)
        : league_(league), history_(history) {}

    std::string knownSinceText() const override;
    HistoryTable champions() const override;
    std::vector<Counter> years() const override;
    SeasonPage season(Counter year) const override;
    HistoryTable transactions(int team) const override;
    CareerPage career(PlayerId id) const override;
    std::vector<RecordsSection> records() const override;
    std::array<std::vector<ChartPoint>, kTeams> teamAverages() const override;
    std::string teamName(int team) const override { return league_.TeamName[team]; }

private:
    std::string moveText(const Transaction& move) const;

    const League& league_;
    HistoryReader history_;
};

}  // namespace zelvano
