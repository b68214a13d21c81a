#pragma once
// One move of a player in the off-season, as the history keeps it: a trade, a star leaving for
// the major leagues or coming back, a retirement, a rookie.
//
//   const Transaction trade = tradeOf(league, 1, 7, 2, 12);   // before the swap
//   observer->transactionMade(league, trade);

#include <string>

#include "league/league.h"

namespace zelvano {

// A player as he stood at the moment of a move; id 0 when the slot held nobody.
struct PlayerSnapshot {
    PlayerId id = 0;
    std::string name;
    Counter hits = 0;
    Counter atBats = 0;
    Counter entryYear = 0;
};

enum class TransactionKind { Trade, Loan, Return, Retire, Rookie };

// `player` is the one the move is about, at team/slot: traded away from it, lent from it,
// returned into it, retired from it, or the rookie put into it. `other` is the one he was traded
// for (who went from otherTeam/otherSlot to team/slot), or whoever a returning player or a rookie
// replaced in his slot (otherTeam/otherSlot are then team/slot).
struct Transaction {
    TransactionKind kind = TransactionKind::Trade;
    int team = 0;
    int slot = 0;
    PlayerSnapshot player;
    int otherTeam = 0;
    int otherSlot = 0;
    PlayerSnapshot other;
    bool hallOfFame = false;  // a retirement into the hall of fame
};

// The slot holds a player: not empty and not a placeholder for one away.
bool holdsPlayer(const League& league, int team, int slot);

PlayerSnapshot snapshotOf(const League& league, int team, int slot);

// The kind's word in zelvano-sim's records and in the history: trade, loan, return, retire, rookie.
const char* transactionWord(TransactionKind kind);

}  // namespace zelvano
