// SIGKILL between the history's commit and the league file's save: the history then holds a
// season the league file does not. It is never shown, the next start removes it, and the season
// played again is recorded once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "folder_store/folder_file_store.h"
#include "league/league_file.h"
#include "league/league_folder.h"
#include "season/history/history_snapshot.h"
#include "season/history/league_history.h"
#include "season/season_driver.h"
#include "support/history_checks.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

using testing::TempFolder;

// The folder's files, but the process is killed the moment the league file is to be saved.
class KilledAtTheLeagueSave final : public FileStore {
public:
    explicit KilledAtTheLeagueSave(const std::filesystem::path& folder)
        : files_(makeFolderFileStore(folder)) {}
    FileRead readFile(std::string_view name) override { return files_->readFile(name); }
    std::string replaceFile(std::string_view name, std::string_view bytes) override {
        if (name == kLeagueFileSaveName) ::raise(SIGKILL);
        return files_->replaceFile(name, bytes);
    }
    std::string replaceFileThrough(std::string_view name, std::string_view temporary,
                                   std::string_view bytes) override {
        return files_->replaceFileThrough(name, temporary, bytes);
    }
    std::string appendFile(std::string_view name, std::string_view bytes) override {
        return files_->appendFile(name, bytes);
    }
    FileEnd readFileEnd(std::string_view name, std::size_t maxBytes) override {
        return files_->readFileEnd(name, maxBytes);
    }
    std::string rewriteFileEnd(std::string_view name, std::uint64_t keep,
                               std::string_view bytes) override {
        return files_->rewriteFileEnd(name, keep, bytes);
    }
    bool exists(std::string_view name) override { return files_->exists(name); }
    EntryKind entryKind(std::string_view name) override { return files_->entryKind(name); }
    std::string moveAside(std::string_view name, std::string_view newName) override {
        return files_->moveAside(name, newName);
    }
    std::string removeFile(std::string_view name) override { return files_->removeFile(name); }
    std::filesystem::path resolve(std::string_view name) override { return files_->resolve(name); }
    FolderLock lockFolder(const FolderClaim& claim) override { return files_->lockFolder(claim); }
    void holdFolderFlushes() override { files_->holdFolderFlushes(); }
    void releaseFolderFlushes() override { files_->releaseFolderFlushes(); }

private:
    std::unique_ptr<FileStore> files_;
};

int playOneSeason(testing::ScriptedUser& user, std::unique_ptr<FileStore> files, League& league) {
    testing::ScriptedRun manner;
    testing::playLikeAManager(manner);
    user.onAct = manner.user.onAct;
    user.inputAfterwards = "新人";
    user.answers = {Answer::No};
    HeadlessPlatform platform(user, std::move(files), 7u);
    LeagueHistory history;
    return runLeague(league, platform, nullptr, &history);
}

std::vector<Counter> yearsOnDisk(const TempFolder& folder, Counter upTo) {
    std::vector<Counter> years;
    readHistorySnapshot((folder.folder() / "history.sqlite").string(), [&](SqliteDatabase& db) {
        years.clear();
        for (const StoredSeason& season : HistoryReader(db, upTo).seasons()) {
            years.push_back(season.year);
        }
    });
    return years;
}

TEST(KilledHistory, ASeasonCommittedButNeverSavedIsDroppedAndPlayedAgain) {
    const TempFolder folder;
    folder.put("Jbball.Jdt", leagueFileBytes(testing::testLeague()));
    {
        // One saved season first, so that the history knows the players.
        testing::ScriptedUser user;
        League league;
        ASSERT_EQ(playOneSeason(user, makeFolderFileStore(folder.folder()), league), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        testing::ScriptedUser user;
        League league;
        playOneSeason(user, std::make_unique<KilledAtTheLeagueSave>(folder.folder()), league);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    // The second season reached the history, not the league file: it is not shown.
    EXPECT_EQ(yearsOnDisk(folder, kCounterLimit), (std::vector<Counter>{1, 2}));
    EXPECT_EQ(yearsOnDisk(folder, 1), (std::vector<Counter>{1}));

    testing::ScriptedUser user;
    League league;
    ASSERT_EQ(playOneSeason(user, makeFolderFileStore(folder.folder()), league), 0);
    EXPECT_EQ(league.CurrentYear, 2);
    EXPECT_EQ(yearsOnDisk(folder, kCounterLimit), (std::vector<Counter>{1, 2}));
    const bool found =
        readHistorySnapshot((folder.folder() / "history.sqlite").string(), [&](SqliteDatabase& db) {
            const HistoryReader history(db, league.CurrentYear);
            int trades = 0;
            for (const StoredMove& stored : history.moves(2)) {
                trades += stored.move.kind == TransactionKind::Trade ? 1 : 0;
            }
            EXPECT_EQ(trades, 3);  // the killed run's trades went with its season
            testing::expectHistoryAddsUp(history, league);
        });
    EXPECT_TRUE(found);
    // Nobody keeps the history open: no log is left beside it.
    EXPECT_FALSE(std::filesystem::exists(folder.folder() / "history.sqlite-wal"));
}

}  // namespace
}  // namespace zelvano
