// What a league folder may hold in place of the league's files, made by mistake or on purpose:
// the file store and the league's history never hang, never run out of memory, never write
// outside the folder and never write through a link.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "folder_store/folder_file_store.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "season/history/history_file.h"
#include "season/history/history_reader.h"
#include "season/history/history_snapshot.h"
#include "season/history/league_history.h"
#include "season/history/season_files_repair.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(HostileFiles, OnlyRegularFilesOfSaneSizeAreRead) {
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> make;  // puts something at "Jbball.jdt"
        std::string problem;                          // the start of the reason
    };
    const std::string notAFile = "通常のファイルではありません";
    const Case cases[] = {
        {"a FIFO",
         [](const TempFolder& dir) { ::mkfifo((dir.folder() / "Jbball.jdt").c_str(), 0600); },
         notAFile},
        {"a link to an endless device",
         [](const TempFolder& dir) {
             fs::create_symlink("/dev/zero", dir.folder() / "Jbball.jdt");
         },
         notAFile},
        {"a link that leads nowhere",
         [](const TempFolder& dir) {
             fs::create_symlink(dir.folder() / "gone", dir.folder() / "Jbball.jdt");
         },
         "リンク先のファイルが見つかりません。"},
        {"a file far too large",
         [](const TempFolder& dir) {
             fs::resize_file((dir.put("Jbball.jdt", ""), dir.folder() / "Jbball.jdt"), 9u << 20);
         },
         "ファイルが大きすぎます"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder dir;
        c.make(dir);
        const FileRead read = makeFolderFileStore(dir.folder())->readFile("JBBALL.JDT");
        EXPECT_EQ(read.status, FileRead::Status::Failed);
        EXPECT_TRUE(read.problem.starts_with(c.problem)) << read.problem;
        EXPECT_TRUE(read.bytes.empty());
    }
}

TEST(HostileFiles, NothingIsWrittenThroughALink) {
    const TempFolder dir;
    const TempFolder elsewhere;
    elsewhere.put("victim", "the player's other file");
    fs::permissions(elsewhere.folder() / "victim", fs::perms(0600));
    dir.put("Z02MEM.TXT", "A\r\nB\r\n");
    fs::create_symlink(elsewhere.folder() / "victim", dir.folder() / "Z02mem.$$$");
    fs::create_symlink(elsewhere.folder() / "lock", dir.folder() / ".zelvano-lock");
    fs::create_symlink(elsewhere.folder() / "victim", dir.folder() / "Jbball.Mei");
    const auto files = makeFolderFileStore(dir.folder());

    ASSERT_EQ(files->lockFolder({}).status, FolderLock::Status::Taken);
    EXPECT_EQ(files->replaceFileThrough("Z02MEM.TXT", "Z02mem.$$$", "B\r\n"), "");
    EXPECT_NE(files->appendFile("JBBall.Mei", "record\r\n"), "");
    EXPECT_NE(files->rewriteFileEnd("JBBall.Mei", 0, "record\r\n"), "");

    EXPECT_EQ(dir.contents("Z02MEM.TXT"), "B\r\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.folder() / "Z02mem.$$$")));
    EXPECT_EQ(elsewhere.contents("victim"), "the player's other file");
    EXPECT_EQ(elsewhere.permissions("victim"), fs::perms(0600));
    EXPECT_EQ(elsewhere.entries(), std::vector<std::string>{"victim"});  // no lock made there
}

// The history's names (the file, its journal, its log, the log's index) taken by anything but a
// regular file of the folder: the game never hangs at it and never creates, changes or deletes a
// file through it; it tells the player once, naming what is in the way, and plays on without
// writing a history. A sound file beside an odd journal, log or index is still read.
TEST(HostileFiles, TheHistoryIsTakenOnlyAsRegularFilesOfTheFolder) {
    ::alarm(120);  // a hang at a FIFO ends this test program instead of the whole run
    using Make = std::function<void(const fs::path& at, const TempFolder& elsewhere)>;
    const Make fifo = [](const fs::path& at, const TempFolder&) { ::mkfifo(at.c_str(), 0600); };
    const Make linkToNotes = [](const fs::path& at, const TempFolder& elsewhere) {
        fs::create_symlink(elsewhere.folder() / "notes", at);
    };
    struct Case {
        const char* what;
        const char* name;  // the name taken
        Make make;
        bool soundFile;  // the history file itself is sound
    };
    const Case cases[] = {
        {"a FIFO as the journal", "history.sqlite-journal", fifo, true},
        {"a FIFO as the log", "history.sqlite-wal", fifo, true},
        {"a FIFO as the log's index", "history.sqlite-shm", fifo, true},
        {"a FIFO as the history", "history.sqlite", fifo, false},
        {"a link to a missing file elsewhere", "history.sqlite", linkToNotes, false},
        {"a link to an empty file elsewhere", "history.sqlite",
         [&](const fs::path& at, const TempFolder& elsewhere) {
             elsewhere.put("notes", "");
             linkToNotes(at, elsewhere);
         },
         false},
        {"a link as the log", "history.sqlite-wal",
         [](const fs::path& at, const TempFolder& elsewhere) {
             fs::create_symlink(elsewhere.folder() / "notes-wal", at);
         },
         true},
        {"a folder as the log's index", "history.sqlite-shm",
         [](const fs::path& at, const TempFolder&) { fs::create_directory(at); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder dir;
        const TempFolder elsewhere;
        elsewhere.put("notes-wal", "the player's notes");
        elsewhere.put("notes-journal", "more notes");
        const std::string path = (dir.folder() / "history.sqlite").string();
        League league = testing::testLeague();
        if (c.soundFile) {
            // A history that has begun, closed as a game leaves it.
            testing::ScriptedRun earlier;
            LeagueHistory history(path);
            history.takeLeague(league, *earlier.platform);
            history.commitSeason(league, *earlier.platform);
        }
        c.make(dir.folder() / c.name, elsewhere);
        const std::vector<std::string> before = elsewhere.entries();

        testing::ScriptedRun run;
        LeagueHistory history(path);
        history.takeLeague(league, *run.platform);
        ASSERT_EQ(run.user.asked.size(), 1u);
        EXPECT_NE(run.user.asked[0].text.find("「" + (dir.folder() / c.name).string() + "」"),
                  std::string::npos)
            << run.user.asked[0].text;
        // A sound file is still shown, read without what is in the way; nothing is written.
        EXPECT_EQ(history.reader().has_value(), c.soundFile);
        history.commitSeason(league, *run.platform);

        std::vector<std::string> passedOver;
        const auto readBeginning = [&] {
            return readHistorySnapshot(
                path, [](SqliteDatabase& db) { EXPECT_EQ(HistoryReader(db, 0).knownSince(), 0); },
                &passedOver);
        };
        if (c.soundFile) {
            EXPECT_TRUE(readBeginning());
            EXPECT_EQ(passedOver, std::vector<std::string>{(dir.folder() / c.name).string()});
        } else {
            EXPECT_THROW(readBeginning(), HistoryProblem);
        }
        EXPECT_EQ(elsewhere.entries(), before);
        EXPECT_EQ(elsewhere.contents("notes-wal"), "the player's notes");
        EXPECT_EQ(elsewhere.contents("notes-journal"), "more notes");
        EXPECT_EQ(elsewhere.contents("notes"), "");
    }
    ::alarm(0);
}

TEST(HostileFiles, AListThatCannotBeRewrittenNamesItsTemporary) {
    const TempFolder dir;
    dir.put("Z02MEM.TXT", "A\r\nB\r\n");
    fs::create_directory(dir.folder() / "Z02mem.$$$");
    const std::string problem =
        makeFolderFileStore(dir.folder())->replaceFileThrough("Z02MEM.TXT", "Z02mem.$$$", "B\r\n");
    EXPECT_TRUE(
        problem.starts_with("一時ファイル「" + (dir.folder() / "Z02mem.$$$").string() + "」"))
        << problem;
    EXPECT_EQ(dir.contents("Z02MEM.TXT"), "A\r\nB\r\n");
}

TEST(HostileFiles, AFileThePlayerMadeReadOnlyIsNotReplaced) {
    const TempFolder dir;
    dir.put("Jbball.jdt", "old");
    fs::permissions(dir.folder() / "Jbball.jdt", fs::perms(0444));
    const std::string problem = makeFolderFileStore(dir.folder())->replaceFile("Jbball.Jdt", "new");
    EXPECT_TRUE(problem.starts_with("ファイルが読み取り専用になっています。")) << problem;
    EXPECT_EQ(dir.contents("Jbball.jdt"), "old");
}

TEST(HostileFiles, AFailedAppendLeavesNoHalfRecord) {
    const TempFolder dir;
    dir.put("Jbball.Mei", "Ａ(1年度入団)【400安打】\r\n");
    FileSystemCalls calls;
    calls.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
        if (::write(fd, data, size / 2) < 0) return -1;  // half of it reaches the disk
        errno = ENOSPC;
        return -1;
    };
    const auto files = makeFolderFileStore(dir.folder(), calls);
    EXPECT_EQ(files->appendFile("JBBall.Mei", "新人12(5年度入団)【301安打】\r\n"),
              "ディスクの空き容量が足りません。");
    EXPECT_EQ(dir.contents("Jbball.Mei"), "Ａ(1年度入団)【400安打】\r\n");
}

TEST(HostileFiles, AFileSizeLimitIsAWriteErrorNotTheEnd) {
    const TempFolder dir;
    dir.put("Jbball.jdt", "old");
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string problem =
            makeFolderFileStore(dir.folder())->replaceFile("Jbball.Jdt", std::string(5000, 'x'));
        // Told in the words of a full disk, not the system's.
        ::_exit(problem == "ファイルの大きさの上限を超えるため、これ以上書き込めません。" ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.contents("Jbball.jdt"), "old");
}

TEST(HostileFiles, SomethingElseInThePlaceOfTheJournalIsMovedAsideAndTheSeasonSaves) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;  // puts something at the journal's name
        std::string reason;                         // the start of the reason told
        bool (*stillThere)(const struct stat&);     // what the moved entry still is
    };
    const std::string notAFile = "通常のファイルではありません";
    const std::string aLink = "ファイルではなく、リンクが置かれています。";
    const auto isFifo = [](const struct stat& s) { return S_ISFIFO(s.st_mode); };
    const auto isLink = [](const struct stat& s) { return S_ISLNK(s.st_mode); };
    const auto isFile = [](const struct stat& s) { return S_ISREG(s.st_mode); };
    const Case cases[] = {
        {"a FIFO", [](const fs::path& at) { ::mkfifo(at.c_str(), 0600); }, notAFile, isFifo},
        {"a link that leads nowhere",
         [](const fs::path& at) { fs::create_symlink(at.parent_path() / "gone", at); }, aLink,
         isLink},
        {"a link to an endless device",
         [](const fs::path& at) { fs::create_symlink("/dev/zero", at); }, aLink, isLink},
        {"a file far too large",
         [](const fs::path& at) {
             std::ofstream(at).put('x');
             fs::resize_file(at, 9u << 20);
         },
         "ファイルが大きすぎます", isFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder dir;
        League saved = testing::testLeague();
        saved.CurrentYear = 4;
        dir.put("Jbball.jdt", leagueFileBytes(saved));
        dir.put("Jbball.Mei", "");
        c.make(dir.folder() / ".zelvano-season");
        testing::ScriptedUser user;
        HeadlessPlatform platform(user, makeFolderFileStore(dir.folder()), 1u);
        League league;
        loadLeague(league, platform);
        completeSeasonFilesFromHistory(league, platform, nullptr);

        const std::vector<std::string> entries = dir.entries();
        ASSERT_EQ(entries.size(), 3u);
        const std::string movedTo = entries[0];
        EXPECT_TRUE(movedTo.starts_with(".zelvano-season.")) << movedTo;
        struct stat moved {};
        ASSERT_EQ(::lstat((dir.folder() / movedTo).c_str(), &moved), 0);
        EXPECT_TRUE(c.stillThere(moved));
        ASSERT_EQ(user.asked.size(), 1u);
        const std::string& told = user.asked[0].text;
        EXPECT_NE(told.find("「" + (dir.folder() / ".zelvano-season").string() + "」"),
                  std::string::npos);
        EXPECT_NE(told.find(c.reason), std::string::npos) << told;
        EXPECT_NE(told.find("「" + (dir.folder() / movedTo).string() + "」に移しました"),
                  std::string::npos)
            << told;
        EXPECT_NE(told.find("4年目"), std::string::npos) << told;

        // The next season is saved as any other.
        league.CurrentYear = 5;
        league.SeasonFiles.hallOfFameRecords = "record\r\n";
        saveLeague(league, platform);
        EXPECT_EQ(dir.contents("Jbball.Mei"), "record\r\n");
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{movedTo, "Jbball.Mei", "Jbball.jdt"}));
        EXPECT_EQ(user.asked.size(), 1u);
    }
}

TEST(HostileFiles, DeletingTheLockFileLetsNobodyIn) {
    const TempFolder dir;
    const auto holder = makeFolderFileStore(dir.folder());
    ASSERT_EQ(holder->lockFolder({}).status, FolderLock::Status::Taken);
    for (const auto& entry : fs::directory_iterator(dir.folder())) fs::remove(entry.path());
    EXPECT_EQ(makeFolderFileStore(dir.folder())->lockFolder({}).status, FolderLock::Status::InUse);
}

}  // namespace
}  // namespace zelvano
