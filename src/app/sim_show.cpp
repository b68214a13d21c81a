#include "app/sim_show.h"

#include "app/sim_history.h"
#include "league/players_list.h"
#include "league/rankings.h"
#include "season/hall_of_fame.h"
#include "season/history/history_schema.h"
#include "season/major_league_loan.h"
#include "season/personal_data.h"
#include "text/translation.h"

namespace zelvano {

namespace {

// A line break inside a text, CR LF or LF, is a line break of the output.
void printText(std::ostream& out, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out << (text[i] == '\r' ? '\n' : text[i]);
    }
    out << '\n';
}

class PrintedRanking final : public RankingSink {
public:
    explicit PrintedRanking(std::ostream& out) : out_(out) {}
    bool yield() override { return true; }
    void setTitle(const std::string& title) override { printText(out_, title); }
    void clear() override {}
    void addLine(const std::string& line) override { printText(out_, line); }

private:
    std::ostream& out_;
};

}  // namespace

void printView(const SimOptions& options, League& league, FileStore& files, std::ostream& out) {
    switch (options.view) {
        case SimOptions::View::Roster:
            printText(out, playersListTitle(league, options.team));
            for (const std::string& line : playersListLines(league, options.team)) {
                printText(out, line);
            }
            break;
        case SimOptions::View::Ranking: {
            PrintedRanking printed(out);
            runRanking(league, options.number, printed);
            break;
        }
        case SimOptions::View::HallOfFame: {
            const HallOfFameRoster roster = hallOfFameRoster(files);
            for (const std::string& line : roster.lines) printText(out, line);
            printText(out, roster.count.value_or(text::translated("現在　0名")));
            break;
        }
        case SimOptions::View::Majors:
            printText(out, majorLeagueInformation(league));
            break;
        case SimOptions::View::Personal:
            league.ListedTeam = options.team;
            if (const std::string text = personalDataText(league, options.team, options.number);
                !text.empty()) {
                printText(out, text);
            }
            break;
        case SimOptions::View::History:
        case SimOptions::View::Transactions:
        case SimOptions::View::Career:
        case SimOptions::View::Records:
        case SimOptions::View::Game:
        case SimOptions::View::GameLog:
        case SimOptions::View::Milestones:
            printHistoryView(options, files.resolve(kHistoryFileName).string(), league.CurrentYear,
                             out);
            break;
    }
}

}  // namespace zelvano
