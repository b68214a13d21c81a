#include "app/sim_games.h"

#include "app/sim_records.h"
#include "season/history/game_history_writer.h"

namespace zelvano {

namespace {

const char* endWord(GameEnd end) {
    switch (end) {
        case GameEnd::Decided:
            return "decided";
        case GameEnd::PlateAppearanceLimit:
            return "limit";
        case GameEnd::NobodyCanHit:
            return "nohitters";
    }
    return "decided";
}

// What a single-game record line adds after the game and the team.
enum class MarkFields {
    Batter,         // the batter's id and name, his hits
    Score,          // the opponent, the team's runs and the opponent's
    ValueAndScore,  // the opponent, the value ranked, the runs of both
};

struct MarkList {
    const char* kind;
    const std::vector<SingleGameMark>& marks;
    bool ranked;
    MarkFields fields;
};

void printMarks(std::ostream& out, const MarkList& list) {
    int rank = 0;
    for (const SingleGameMark& mark : list.marks) {
        out << list.kind;
        if (list.ranked) out << '\t' << ++rank;
        out << '\t' << mark.year << '\t' << mark.number << '\t' << mark.team;
        switch (list.fields) {
            case MarkFields::Batter:
                out << '\t' << mark.id << '\t' << tsvField(mark.name) << '\t' << mark.value;
                break;
            case MarkFields::ValueAndScore:
                out << '\t' << mark.opponent << '\t' << mark.value << '\t' << mark.runsFor << '\t'
                    << mark.runsAgainst;
                break;
            case MarkFields::Score:
                out << '\t' << mark.opponent << '\t' << mark.runsFor << '\t' << mark.runsAgainst;
                break;
        }
        out << '\n';
    }
}

}  // namespace

void printGame(const GameHistoryReader& games, Counter year, int number, std::ostream& out) {
    const std::optional<StoredGame> stored = games.game(year, number);
    if (!stored) return;
    const GameLine& game = stored->line;
    out << "game\t" << stored->year << '\t' << game.number << '\t' << game.team1 << '\t'
        << game.team2 << '\t' << game.runs1 << '\t' << game.runs2 << '\t';
    // A game kept before box scores: its hits and its end are not known.
    if (game.boxed) {
        out << game.hits[0] << '\t' << game.hits[1];
    } else {
        out << '\t';
    }
    out << '\t' << game.innings << '\t' << game.plateAppearances << '\t'
        << (game.boxed ? endWord(game.end) : "") << '\n';
    if (!game.boxed) {
        out << "nobox\t" << stored->year << '\t' << game.number << '\n';
        return;
    }
    for (std::size_t side = 0; side < 2; ++side) {
        out << "line\t" << side + 1 << '\t' << (side == 0 ? game.team1 : game.team2) << '\t'
            << tsvField(stored->teamNames[side]);
        for (const int runs : game.inningRuns[side]) out << '\t' << runs;
        out << '\n';
    }
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t slot = 0; slot < kBattingSlots; ++slot) {
            const BoxBatter& batter = game.batters[side][slot];
            out << "batter\t" << side + 1 << '\t' << slot + 1 << '\t' << batter.id << '\t'
                << batter.teamSlot << '\t' << tsvField(stored->batters[side][slot]) << '\t'
                << batter.atBats << '\t' << batter.hits << '\n';
        }
    }
}

void printGameLog(const HistoryReader& history, const GameHistoryReader& games, int team, int slot,
                  Counter year, std::ostream& out) {
    const PlayerId id = history.playerAt(team, slot);
    if (id == 0) return;
    if (year == 0) {
        const std::vector<StoredSeason> seasons = history.seasons();
        if (seasons.empty()) return;
        year = seasons.back().year;
    }
    for (const GameLogLine& line : games.gameLog(id, year)) {
        out << "game\t" << year << '\t' << line.number << '\t' << line.team << '\t' << line.opponent
            << '\t' << line.slot << '\t' << line.atBats << '\t' << line.hits << '\t' << line.runsFor
            << '\t' << line.runsAgainst << '\t' << (line.won ? 1 : 0) << '\n';
    }
}

void printGameRecords(const GameHistoryReader& games, std::ostream& out) {
    const GameRecords records = games.records();
    printMarks(out, {"gamehits", records.mostHits, true, MarkFields::Batter});
    printMarks(out, {"gameruns", records.mostRuns, true, MarkFields::Score});
    printMarks(out, {"margin", records.widestWins, true, MarkFields::ValueAndScore});
    printMarks(out, {"innings", records.longestGames, true, MarkFields::ValueAndScore});
    printMarks(out, {"nohitter", records.noHitters, false, MarkFields::Score});
    out << "shutouts\t" << records.shutoutCount << '\n';
    printMarks(out, {"shutout", records.latestShutouts, false, MarkFields::Score});
}

void printMilestones(const HistoryReader& history, const GameHistoryReader& games, Counter year,
                     std::ostream& out) {
    std::vector<Counter> years;
    if (year != 0) {
        years.push_back(year);
    } else {
        for (const StoredSeason& season : history.seasons()) years.push_back(season.year);
    }
    for (const Counter each : years) {
        for (const Milestone& milestone : games.milestones(each)) {
            out << "milestone\t" << each << '\t' << milestone.game << '\t'
                << milestoneWord(milestone.kind) << '\t' << milestone.team << '\t' << milestone.id
                << '\t' << tsvField(milestone.name) << '\t' << milestone.value << '\n';
        }
    }
}

}  // namespace zelvano
