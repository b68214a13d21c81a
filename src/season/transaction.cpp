#include "season/transaction.h"

#include "season/major_league_loan.h"

namespace zelvano {

bool holdsPlayer(const League& league, int team, int slot) {
    const std::string& name = league.PlayerName[team][slot];
    return !name.empty() && name != kMajorLeaguePlaceholder && name != kOlympicPlaceholder;
}

PlayerSnapshot snapshotOf(const League& league, int team, int slot) {
    return {league.PlayerIds[team][slot], league.PlayerName[team][slot], league.Hits[team][slot],
            league.AtBats[team][slot], league.EntryYear[team][slot]};
}

const char* transactionWord(TransactionKind kind) {
    switch (kind) {
        case TransactionKind::Trade:
            return "trade";
        case TransactionKind::Loan:
            return "loan";
        case TransactionKind::Return:
            return "return";
        case TransactionKind::Retire:
            return "retire";
        case TransactionKind::Rookie:
            return "rookie";
    }
    return "";
}

}  // namespace zelvano
