// zelvano-sim: plays a league without a window, on the same season code as the game.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/auto_manager.h"
#include "app/sim_options.h"
#include "app/sim_records.h"
#include "app/sim_show.h"
#include "folder_store/folder_file_store.h"
#include "headless/headless_platform.h"
#include "league/league_file.h"
#include "league/league_folder.h"
#include "league/registration.h"
#include "season/history/history_schema.h"
#include "season/season_driver.h"
#include "text/desktop_language.h"
#include "text/translation.h"

namespace {

using namespace zelvano;

class RecordPrinter final : public SeasonObserver {
public:
    void gamePlayed(const League& league, int gameNumber) override {
        const GameState& game = league.CurrentGame;
        std::cout << "game\t" << league.CurrentYear << '\t' << gameNumber << '\t'
                  << league.PairingTeam1 << '\t' << league.PairingTeam2 << '\t' << game.Runs[1]
                  << '\t' << game.Runs[2] << '\t' << game.Inning << '\t' << game.PlateAppearances
                  << '\n';
    }
    void seasonPlayed(const League& league, int champion, const ResultsReport& report) override {
        printSeasonRecord(std::cout, league.CurrentYear, champion,
                          {league.SeasonMarks[1], league.SeasonMarks[2], league.SeasonMarks[3]});
        const ResultsReport shown = shownReport(report);
        printReportRecord(std::cout, shown.championLine, shown.titleCount, shown.titleRun,
                          shown.teamAverages);
        for (const std::string& line : shown.mvpLines) {
            std::cout << "mvp\t" << tsvField(line) << '\n';
        }
    }
};

int fail(const std::string& line) {
    std::cerr << "zelvano-sim: " << line << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptionsParse parsed = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "zelvano-sim: " << parsed.error << "\n" << kSimUsage;
        return 2;
    }
    const SimOptions& options = *parsed.options;
    if (options.command == SimOptions::Command::Help) {
        std::cout << kSimUsage;
        return 0;
    }

    // What the checks below find wrong with the files is told in the desktop's language.
    text::useLanguage(text::desktopLanguage([](const char* name) { return std::getenv(name); }));
    std::error_code error;
    if (!std::filesystem::is_directory(options.folder, error)) {
        return fail("no such folder: " +
                    std::filesystem::absolute(options.folder, error).lexically_normal().string());
    }
    // Refusals name the folder in full, as the game's messages do.
    const std::string folder =
        std::filesystem::absolute(options.folder, error).lexically_normal().string();
    auto files = makeFolderFileStore(options.folder);
    // Before anything is read or created; the lock lasts as long as the files do. show only
    // reads, and the saves replace files whole, so it needs no lock and sees a whole league even
    // while a game plays.
    if (options.command != SimOptions::Command::Show) {
        const FolderLock lock = files->lockFolder(leagueFolderClaim());
        if (lock.status == FolderLock::Status::InUse) {
            return fail("another zelvano or zelvano-sim is using the league folder " + folder +
                        "; try again when it has ended");
        }
        if (lock.status == FolderLock::Status::Failed) {
            return fail("cannot lock the league folder " + folder + ": " + lock.problem);
        }
    }
    const bool leagueExists = files->exists(kLeagueFileName);
    if (options.command == SimOptions::Command::New && leagueExists) {
        return fail("a league already exists in " + folder + "; it is left as it is");
    }
    if (options.command != SimOptions::Command::New && !leagueExists) {
        return fail("no league in " + folder + " (create one with 'zelvano-sim new')");
    }

    if (leagueExists) {
        // A damaged league is reported here, on one line, before anything is played.
        const FileRead read = files->readFile(kLeagueFileName);
        if (read.status != FileRead::Status::Ok)
            return fail(kLeagueFileName + (": " + read.problem));
        League shown;
        const LeagueFileRead check = parseLeagueFile(read.bytes, shown);
        if (!check.ok) {
            return fail(std::string(kLeagueFileName) + " is damaged at line " +
                        std::to_string(check.line) + ": " + check.problem);
        }
        if (options.command == SimOptions::Command::Show) {
            text::useLanguage(options.language);  // the output's, as below
            try {
                printView(options, shown, *files, std::cout);
            } catch (const SqliteError& unreadable) {
                std::cout.flush();
                return fail("cannot read the history " + files->resolve(kHistoryFileName).string() +
                            ": " + unreadable.what());
            }
            return 0;
        }
    }

    // The standard output is the scripts' data: in its own language, whatever the desktop's.
    text::useLanguage(options.language);
    League league;
    AutoManager manager(league, options.seasons);
    HeadlessPlatform platform(manager, std::move(files), options.seed.value_or(seedFromClock()));
    // The manager only ever presses "次へ" on the scoreboard.
    platform.gamesWatched = false;
    platform.onDialog = [](const std::string& kind, const std::string& title,
                           const std::string& text, const std::string& answer) {
        std::cout << kind << '\t' << tsvField(title) << '\t' << tsvField(text);
        if (kind != "message") std::cout << '\t' << tsvField(answer);
        std::cout << '\n';
    };
    RecordPrinter printer;
    try {
        int status = 0;
        if (options.command == SimOptions::Command::New) {
            try {
                registerNewLeague(league, platform);
                // The new league's history begins with its first season: an earlier league's
                // is set aside now, as the game does when it registers a league.
                if (platform.files().exists(kHistoryFileName)) {
                    LeagueHistory history;
                    history.takeLeague(league, platform);
                }
            } catch (const ProgramEnded& ended) {
                status = ended.status;
            }
        } else {
            LeagueHistory history;
            status = runLeague(league, platform, &printer, &history);
        }
        std::cout.flush();
        if (status != 0) return fail("the league stopped; see the last message above");
        return 0;
    } catch (const HeadlessStall& stall) {
        std::cout.flush();
        return fail(stall.what());
    }
}
