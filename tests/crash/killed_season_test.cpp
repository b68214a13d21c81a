// Whole seasons cut short by SIGKILL at random moments, committed one by one or several at once,
// while retirements fill the hall of fame and rookies take names off the scouting list: the
// records printed end at a saved season; after the next start and one clean season, the
// league, the hall of fame and the list are byte for byte what an uninterrupted run gives that
// saved as many seasons first. So no season that was not saved leaves a trace, and no saved one
// loses anything; the league's history, read through zelvano-sim's show, is the same too. A
// journal a kill left behind is then cut short as a disk might: the next start moves it aside and
// completes the saved season from the history, so the files still end the same.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "league/league_file.h"
#include "league/season_files.h"
#include "season/history/history_reader.h"
#include "season/history/history_snapshot.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr int kKills = 40;
constexpr const char* kFiles[] = {"Jbball.Jdt", "Jbball.Mei", "Z02MEM.TXT"};

// Runs zelvano-sim in `folder`, committing every `commitMs` milliseconds when given, its records
// written to `printed` or thrown away; returns its process id.
pid_t startSim(const fs::path& folder, const std::vector<std::string>& arguments,
               const char* commitMs = nullptr, const fs::path& printed = "/dev/null") {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (commitMs != nullptr) ::setenv("ZELVANO_SIM_COMMIT_MS", commitMs, 1);
    std::vector<std::string> words = {ZELVANO_SIM, "--dir", folder.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (std::freopen(printed.c_str(), "w", stdout) == nullptr) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

int waitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

void runSim(const fs::path& folder, const std::vector<std::string>& arguments) {
    const int status = waitFor(startSim(folder, arguments));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

// The folder's history as the game would show it: the seasons, the transactions, the records
// and the career of every player on the rosters, written out as text.
std::string historyShown(const TempFolder& folder, Counter leagueYear) {
    std::ostringstream out;
    const bool found =
        readHistorySnapshot((folder.folder() / "history.sqlite").string(), [&](SqliteDatabase& db) {
            out.str({});
            HistoryReader history(db, leagueYear);
            for (const StoredSeason& season : history.seasons()) {
                out << season.year << ' ' << season.champion << ' ' << season.championLine << ' '
                    << season.titleCount << season.titleRun << '\n';
            }
            for (const StoredMove& stored : history.moves()) {
                out << stored.year << ' ' << transactionWord(stored.move.kind) << ' '
                    << stored.move.player.id << ' ' << stored.move.other.id << '\n';
            }
            for (const SeasonMark& mark : history.records().mostHits)
                out << mark.id << ' ' << mark.hits;
            for (int team = 1; team <= kTeams; ++team) {
                for (int player = 1; player <= kPlayers; ++player) {
                    const std::optional<Career> career =
                        history.career(history.playerAt(team, player));
                    if (!career) continue;
                    out << '\n'
                        << career->start.player.id << ':' << career->start.year << ' '
                        << career->start.player.hits;
                    for (const CareerSeason& season : career->seasons) {
                        out << ' ' << season.year << '/' << season.hits << '/' << season.atBats;
                    }
                }
            }
        });
    return found ? out.str() : "no history";
}

void copyFiles(const fs::path& from, const fs::path& to) {
    for (const char* name : kFiles) fs::copy_file(from / name, to / name);
}

League readLeague(const TempFolder& folder) {
    League league;
    EXPECT_TRUE(parseLeagueFile(folder.contents("Jbball.Jdt"), league).ok);
    return league;
}

// A league whose own players all have 400 hits, so that they retire into the hall of fame and
// the team wins titles and rookies; a list of names for the rookies.
void makeStartingFolder(const TempFolder& folder) {
    runSim(folder.folder(), {"--seed", "1", "new"});
    League league = readLeague(folder);
    for (int player = 1; player <= kPlayers; ++player) {
        league.AtBats[1][player] = 1000;
        league.Hits[1][player] = 400;
    }
    folder.put("Jbball.Jdt", leagueFileBytes(league));
    std::string list;
    for (int name = 1; name <= 300; ++name) {
        list += *text::encodeCp932("スカウト" + std::to_string(name)) + "\r\n";
    }
    folder.put("Z02MEM.TXT", list);
    folder.put("Jbball.Mei", "");
}

// The names of the hall of fame's lines, the part before "(".
std::vector<std::string> hallOfFameNames(const std::string& bytes) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string line = bytes.substr(start, end - start);
        names.push_back(line.substr(0, line.find('(')));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return names;
}

TEST(KilledSeason, NoUnsavedSeasonLeavesATraceAndNoSavedOneLosesAnything) {
    const TempFolder start;
    makeStartingFolder(start);
    const int startYear = readLeague(start).CurrentYear;
    // What an uninterrupted run leaves after n saved seasons and the clean one, by n.
    std::map<int, std::unique_ptr<TempFolder>> references;
    std::mt19937 moments(20261207u);
    std::set<int> savedCounts;
    int damagedJournals = 0;
    int savedButNotCarriedOut = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const TempFolder killed;
        copyFiles(start.folder(), killed.folder());
        // Every season, as the game commits; or many at once, as zelvano-sim does every second.
        const char* commitMs = kill % 2 == 0 ? "0" : "50";
        const TempFolder printed;
        const pid_t child = startSim(killed.folder(), {"--seed", "5", "play", "100000"}, commitMs,
                                     printed.folder() / "records");
        std::this_thread::sleep_for(std::chrono::microseconds(moments() % 400000));
        ::kill(child, SIGKILL);
        waitFor(child);
        const int saved = readLeague(killed).CurrentYear - startYear;
        savedCounts.insert(saved);
        // Its records stop at a whole line, and at a saved season.
        const std::string records = printed.contents("records");
        EXPECT_TRUE(records.empty() || records.ends_with('\n'));
        int seasonsPrinted = 0;
        for (std::size_t at = records.find("\nseason\t"); at != std::string::npos;
             at = records.find("\nseason\t", at + 1)) {
            ++seasonsPrinted;
        }
        EXPECT_LE(seasonsPrinted, saved);
        const bool journalLeft = fs::exists(killed.folder() / ".zelvano-season");
        if (journalLeft) {
            const std::string journal = killed.contents(".zelvano-season");
            const std::optional<SeasonJournal> whole = parseSeasonJournal(journal);
            // Of a saved season: what it wrote beside the league file now comes from the history.
            if (whole && whole->year == readLeague(killed).CurrentYear) ++savedButNotCarriedOut;
            killed.put(".zelvano-season", journal.substr(0, moments() % journal.size()));
            ++damagedJournals;
        }
        runSim(killed.folder(), {"--seed", "9", "play", "1"});

        std::unique_ptr<TempFolder>& reference = references[saved];
        if (!reference) {
            reference = std::make_unique<TempFolder>();
            copyFiles(start.folder(), reference->folder());
            if (saved > 0)
                runSim(reference->folder(), {"--seed", "5", "play", std::to_string(saved)});
            runSim(reference->folder(), {"--seed", "9", "play", "1"});
        }
        for (const char* name : kFiles) {
            EXPECT_EQ(killed.contents(name), reference->contents(name)) << name;
        }
        std::vector<std::string> entries = killed.entries();
        if (journalLeft) {
            // Moved aside, never dropped.
            ASSERT_FALSE(entries.empty());
            EXPECT_TRUE(entries.front().starts_with(".zelvano-season.damaged-")) << entries.front();
            entries.erase(entries.begin());
        }
        EXPECT_EQ(entries, (std::vector<std::string>{"Jbball.Jdt", "Jbball.Mei", "Z02MEM.TXT",
                                                     "history.sqlite"}));
        EXPECT_EQ(historyShown(killed, readLeague(killed).CurrentYear),
                  historyShown(*reference, readLeague(*reference).CurrentYear));

        // What that means for the player, said plainly.
        const League league = readLeague(killed);
        std::set<std::string> seen;
        for (const std::string& member : hallOfFameNames(killed.contents("Jbball.Mei"))) {
            EXPECT_TRUE(seen.insert(member).second) << "twice in the hall of fame";
            for (int team = 1; team <= kTeams; ++team) {
                for (int player = 1; player <= kPlayers; ++player) {
                    EXPECT_NE(*text::encodeCp932(league.PlayerName[team][player]), member);
                }
            }
        }
    }
    // The kills fell both early and late enough to mean something.
    EXPECT_GE(savedCounts.size(), 3u);
    std::cout << "[ killed   ] " << damagedJournals << " of " << kKills
              << " kills left a journal, cut short before the restart; " << savedButNotCarriedOut
              << " of them of a saved season\n";
}

}  // namespace
}  // namespace zelvano
