#include "season/major_league_loan.h"

#include <algorithm>
#include <cmath>

#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr int kLoanTries = 10;
constexpr float kReturnChance = 0.4f;

// Where the loaned player's figures wait while he is away.
constexpr int kLoanFlag = 0, kLoanHits = 1, kLoanAtBats = 2, kLoanEntryYear = 3, kLoanName = 1;

void sendAway(League& league, Platform& platform, int player, SeasonObserver* observer) {
    Transaction loan;
    loan.kind = TransactionKind::Loan;
    loan.team = 1;
    loan.slot = player;
    loan.player = snapshotOf(league, 1, player);
    league.LeagueRecord[kLoanFlag] = 1;
    league.LeagueRecord[kLoanHits] = league.Hits[1][player];
    league.LeagueRecord[kLoanAtBats] = league.AtBats[1][player];
    league.LeagueRecord[kLoanEntryYear] = league.EntryYear[1][player];
    league.LeagueRecordText[kLoanName] = league.PlayerName[1][player];
    platform.beep();
    platform.message(
        {text::fillIn(text::translated("{1}はメジャーリーグへの移籍を希望し、球団はレンタル移籍契約"
                                       "として、それを了承しました。契約期間が終わるまで、球団へは"
                                       "戻りません。"),
                      {league.PlayerName[1][player]}),
         text::translated("Zelvano／大リーグ移籍"), MessageIcon::Information});
    league.Hits[1][player] = 0;
    league.PlayerName[1][player] = kMajorLeaguePlaceholder;
    league.LoanedPlayerId = league.PlayerIds[1][player];
    league.PlayerIds[1][player] = 0;
    if (observer != nullptr) observer->transactionMade(league, loan);
}

// The placeholder's slot, else the first own slot without hits; 0 when there is none.
int returnSlot(const League& league) {
    for (int player = 1; player <= kPlayers; ++player) {
        const std::string& name = league.PlayerName[1][player];
        if (name == kOlympicPlaceholder || name == kMajorLeaguePlaceholder) return player;
    }
    for (int player = 1; player <= kPlayers; ++player) {
        if (league.Hits[1][player] == 0) return player;
    }
    return 0;
}

void bringBack(League& league, Platform& platform, int slot, SeasonObserver* observer) {
    platform.beep();
    platform.message(
        {text::fillIn(
             text::translated("{1}がメジャーリーグですばらしい経験をつみ、球団へ復帰しました！"),
             {league.LeagueRecordText[kLoanName]}),
         text::translated("Zelvano／大リーグ"), MessageIcon::Information});
    const PlayerSnapshot replaced = snapshotOf(league, 1, slot);
    const LoanedFigures figures = loanedPlayerFigures(league);
    league.PlayerName[1][slot] = league.LeagueRecordText[kLoanName];
    league.Hits[1][slot] = figures.hits;
    league.AtBats[1][slot] = figures.atBats;
    league.EntryYear[1][slot] = figures.entryYear;
    league.LeagueRecord[kLoanFlag] = 0;
    league.PlayerIds[1][slot] = league.LoanedPlayerId;
    league.LoanedPlayerId = 0;
    if (observer != nullptr) {
        observer->transactionMade(league, {TransactionKind::Return, 1, slot,
                                           snapshotOf(league, 1, slot), 1, slot, replaced});
    }
}

}  // namespace

bool loanRunning(const League& league) { return league.LeagueRecord[kLoanFlag] != 0; }

LoanedFigures loanedPlayerFigures(const League& league) {
    // The kept figures come from the league file; whatever it holds, the slot keeps at least
    // one at-bat and no more hits than at-bats.
    const Counter atBats = std::max<Counter>(league.LeagueRecord[kLoanAtBats], 1);
    return {std::clamp<Counter>(league.LeagueRecord[kLoanHits], 0, atBats), atBats,
            league.LeagueRecord[kLoanEntryYear]};
}

const std::string& loanedPlayerName(const League& league) {
    return league.LeagueRecordText[kLoanName];
}

void processMajorLeagueLoan(League& league, Platform& platform, SeasonObserver* observer) {
    if (!loanRunning(league)) {
        for (int attempt = 0; attempt < kLoanTries; ++attempt) {
            const int player = drawWholePartPlusOne(platform.random(), kPlayers);
            if (battingAverage(league, 1, player) > 0.5) {
                sendAway(league, platform, player, observer);
                return;
            }
        }
        return;
    }
    if (!(platform.random().next() < kReturnChance)) return;
    if (const int slot = returnSlot(league); slot != 0) bringBack(league, platform, slot, observer);
}

std::string majorLeagueInformation(const League& league) {
    if (!loanRunning(league)) return text::translated("メジャーリーグへは誰も派遣されていません。");
    // His average when he left, cut to three decimals (0 should the kept at-bats be 0).
    const Counter atBats = league.LeagueRecord[kLoanAtBats];
    const double average = atBats == 0
                               ? 0.0
                               : std::floor(static_cast<double>(league.LeagueRecord[kLoanHits]) /
                                            static_cast<double>(atBats) * 1000.0) /
                                     1000.0;
    const std::string shownAverage =
        text::japaneseText() ? text::generalDecimal(average) : text::baseballAverage(average);
    // The news is one of the schedule's sentences, drawn anew every season; none before the
    // first season of this run (an empty text would look up the catalogue's header).
    const std::string news =
        league.LoanNews.empty() ? std::string() : text::translated(league.LoanNews.c_str());
    return text::fillIn(text::translated("メジャーリーグに、我がチームから、打率{1}の  {2}が"
                                         "レンタル契約で派遣されています。"),
                        {shownAverage, league.LeagueRecordText[kLoanName]}) +
           "\n" + news;
}

}  // namespace zelvano
