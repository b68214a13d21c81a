#pragma once
// What the history window shows, worked out from the league's history as texts and numbers: the
// champions year by year, one season's page, the transaction log, a player's career, the
// all-time records and the series of the charts. The window only lays them out.
//
//   HistoryBrowser browser(league, *history.reader(), *history.gameReader(),
//                          [&](const std::string& problem) { ... });
//   HistoryTable champions = browser.champions();
//   CareerPage page = browser.career(league.PlayerIds[1][7]);
//   GamePage game = browser.game(7, 3);
//
// A history that turns out damaged while a page is read never reaches the window: the page
// comes back with what could be read, and the problem (in the player's words, naming the year)
// goes to the report once, however many pages meet it. The pages are in the game's language.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "league/league.h"
#include "platform/history_view.h"
#include "season/history/game_history_reader.h"
#include "season/history/history_reader.h"

namespace zelvano {

// The kind of a transaction as the window names it: トレード, 大リーグ移籍, ... ("Trade", ...)
std::string transactionKindText(TransactionKind kind);

// Told what made the history unreadable: the damaged year, or what SQLite found.
using HistoryProblemReport = std::function<void(const std::string& problem)>;

class HistoryBrowser final : public HistorySource {
public:
    // Both readers read the same history up to the same year.
    HistoryBrowser(const League& league, HistoryReader history, GameHistoryReader games,
                   HistoryProblemReport report = {})
        : league_(league), history_(history), games_(games), report_(std::move(report)) {}

    std::string knownSinceText() const override;
    HistoryTable champions() const override;
    std::vector<Counter> years() const override;
    SeasonPage season(Counter year) const override;
    HistoryTable transactions(int team) const override;
    CareerPage career(PlayerId id) const override;
    GamePage game(Counter year, int number) const override;
    GameLogPage gameLog(PlayerId id, Counter year) const override;
    std::vector<RecordsSection> records() const override;
    std::array<std::vector<ChartPoint>, kTeams> teamAverages() const override;
    std::string teamName(int team) const override;

private:
    // The recorded seasons, read once for every page that needs them: a browser lives as long as
    // one opening of the window, and at ten thousand seasons a reading is worth keeping.
    const std::vector<StoredSeason>& storedSeasons() const;
    std::string moveText(const Transaction& move) const;
    std::vector<std::string> milestoneLines(Counter year, const std::vector<GameLine>& games) const;
    // Runs one reading of the history; false when the file turned out unreadable, which the
    // report then hears of (the first time only).
    bool readSafely(const std::function<void()>& reading) const;

    const League& league_;
    HistoryReader history_;
    GameHistoryReader games_;
    HistoryProblemReport report_;
    mutable bool reported_ = false;
    mutable std::optional<std::vector<StoredSeason>> seasons_;
};

}  // namespace zelvano
