#include "app/sim_history.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "app/sim_games.h"
#include "app/sim_records.h"
#include "season/history/game_history_reader.h"
#include "season/history/history_reader.h"
#include "season/history/history_snapshot.h"
#include "text/number_format.h"

namespace zelvano {

namespace {

void printHistory(HistoryReader& history, std::ostream& out) {
    const std::vector<Counter> missing = history.missingYears();
    auto nextMissing = missing.begin();
    for (const StoredSeason& season : history.seasons()) {
        for (; nextMissing != missing.end() && *nextMissing < season.year; ++nextMissing) {
            out << "missing\t" << *nextMissing << '\n';
        }
        printSeasonRecord(out, season.year, season.champion, season.marks);
        printReportRecord(out, season.championLine, season.titleCount, season.titleRun,
                          season.teamAverages);
    }
    for (; nextMissing != missing.end(); ++nextMissing) out << "missing\t" << *nextMissing << '\n';
}

void printPlayer(std::ostream& out, const PlayerSnapshot& player) {
    out << '\t' << player.id << '\t' << tsvField(player.name);
}

void printTransactions(HistoryReader& history, Counter year, std::ostream& out) {
    for (const StoredMove& stored : history.moves(year)) {
        const Transaction& move = stored.move;
        out << transactionWord(move.kind) << '\t' << stored.year << '\t' << move.team << '\t'
            << move.slot;
        printPlayer(out, move.player);
        switch (move.kind) {
            case TransactionKind::Trade:
                out << '\t' << move.otherTeam << '\t' << move.otherSlot;
                printPlayer(out, move.other);
                break;
            case TransactionKind::Loan:
                out << '\t' << move.player.hits << '\t' << move.player.atBats;
                break;
            case TransactionKind::Retire:
                out << '\t' << move.player.hits << '\t' << move.player.atBats << '\t'
                    << (move.hallOfFame ? 1 : 0);
                break;
            case TransactionKind::Return:
            case TransactionKind::Rookie:
                out << '\t' << move.player.hits << '\t' << move.player.atBats;
                printPlayer(out, move.other);
                break;
        }
        out << '\n';
    }
}

void printCareer(HistoryReader& history, int team, int slot, std::ostream& out) {
    const std::optional<Career> career = history.career(history.playerAt(team, slot));
    if (!career) return;
    const PlayerStart& start = career->start;
    out << "start\t" << start.year << '\t' << start.team << '\t' << start.player.hits << '\t'
        << start.player.atBats << '\n';
    for (const CareerSeason& season : career->seasons) {
        // "gap": what he gained in seasons the history missed, known again at that year's end.
        out << (season.recorded ? "season\t" : "gap\t") << season.year << '\t' << season.team
            << '\t' << season.hits << '\t' << season.atBats << '\n';
    }
}

void printMarks(std::ostream& out, const char* kind, const std::vector<SeasonMark>& marks,
                bool withAverage) {
    int rank = 0;
    for (const SeasonMark& mark : marks) {
        out << kind << '\t' << ++rank << '\t' << mark.year << '\t' << mark.team << '\t' << mark.id
            << '\t' << tsvField(mark.name) << '\t' << mark.hits << '\t' << mark.atBats;
        if (withAverage) {
            out << '\t'
                << text::formatNumber(static_cast<double>(mark.hits) / mark.atBats, "0.000");
        }
        out << '\n';
    }
}

void printRecords(HistoryReader& history, std::ostream& out) {
    const HistoryRecords records = history.records();
    printMarks(out, "average", records.bestAverages, true);
    printMarks(out, "hits", records.mostHits, false);
    for (int team = 1; team <= kTeams; ++team) {
        out << "titles\t" << team << '\t' << records.titles[static_cast<std::size_t>(team - 1)]
            << '\n';
    }
    for (const TitleRun& run : records.longestRuns) {
        out << "run\t" << run.team << '\t' << run.length << '\t' << run.from << '\t' << run.to
            << '\n';
    }
    for (int team = 1; team <= kTeams; ++team) {
        for (const HallOfFameMember& member : records.hallOfFame) {
            if (std::find(member.teams.begin(), member.teams.end(), team) == member.teams.end()) {
                continue;
            }
            out << "halloffame\t" << team << '\t' << member.year << '\t' << member.id << '\t'
                << tsvField(member.name) << '\t' << member.hits << '\t' << member.atBats << '\n';
        }
    }
}

}  // namespace

void printHistoryView(const SimOptions& options, const std::string& path, Counter leagueYear,
                      std::ostream& out) {
    // Printed only once the whole reading holds: it may be taken again when a game writes the
    // history meanwhile, and the output never shows half of a season.
    std::ostringstream printed;
    std::vector<std::string> passedOver;
    const bool found = readHistorySnapshot(
        path,
        [&](SqliteDatabase& db) {
            printed.str({});
            HistoryReader history(db, leagueYear);
            const GameHistoryReader games(db, leagueYear);
            switch (options.view) {
                case SimOptions::View::History:
                    printHistory(history, printed);
                    break;
                case SimOptions::View::Transactions:
                    printTransactions(history, options.year, printed);
                    break;
                case SimOptions::View::Career:
                    printCareer(history, options.team, options.number, printed);
                    break;
                case SimOptions::View::Records:
                    // The seasons' records as before, then those of single games.
                    printRecords(history, printed);
                    printGameRecords(games, printed);
                    break;
                case SimOptions::View::Game:
                    printGame(games, options.year, options.game, printed);
                    break;
                case SimOptions::View::GameLog:
                    printGameLog(history, games, options.team, options.number, options.year,
                                 printed);
                    break;
                case SimOptions::View::Milestones:
                    printMilestones(history, games, options.year, printed);
                    break;
                default:
                    break;
            }
        },
        &passedOver);
    for (const std::string& name : passedOver) {
        std::cerr << "zelvano-sim: " << name
                  << " is not a regular file; the history is read without it\n";
    }
    if (found) out << printed.str();
}

}  // namespace zelvano
