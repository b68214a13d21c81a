#include "folder_store/folder_file_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;

const std::string kOldBytes = " 1 \r\n旧リーグ\r\n";
const std::string kNewBytes = std::string(" 2 \r\n") + std::string(5000, 'x') + "\r\n";

// Each test works in a fresh folder of its own, removed afterwards.
using FolderTest = testing::TempFolder;

using Names = std::vector<std::string>;

struct Spelling {
    const char* existing;
    const char* asked;
};

void PrintTo(const Spelling& spelling, std::ostream* out) {
    *out << spelling.existing << " asked as " << spelling.asked;
}

class SpellingTest : public ::testing::TestWithParam<Spelling> {};

// Whatever spelling the program uses, an existing file under another spelling is the one meant,
// and it keeps its own spelling.
TEST_P(SpellingTest, ExistingFileIsFoundUnderAnySpelling) {
    const FolderTest dir;
    const Spelling spelling = GetParam();
    dir.put(spelling.existing, kOldBytes);
    const auto files = makeFolderFileStore(dir.folder());

    EXPECT_TRUE(files->exists(spelling.asked));
    EXPECT_EQ(files->resolve(spelling.asked), dir.folder() / spelling.existing);
    const FileRead read = files->readFile(spelling.asked);
    EXPECT_EQ(read.status, FileRead::Status::Ok);
    EXPECT_EQ(read.bytes, kOldBytes);

    EXPECT_EQ(files->replaceFile(spelling.asked, kNewBytes), "");
    EXPECT_EQ(dir.entries(), Names{spelling.existing});
    EXPECT_EQ(dir.contents(spelling.existing), kNewBytes);

    EXPECT_EQ(files->appendFile(spelling.asked, "追加\r\n"), "");
    EXPECT_EQ(dir.entries(), Names{spelling.existing});
    EXPECT_EQ(dir.contents(spelling.existing), kNewBytes + "追加\r\n");

    EXPECT_EQ(files->removeFile(spelling.asked), "");
    EXPECT_EQ(dir.entries(), Names{});
    EXPECT_FALSE(files->exists(spelling.asked));
    EXPECT_EQ(files->readFile(spelling.asked).status, FileRead::Status::Missing);
}

INSTANTIATE_TEST_SUITE_P(
    LeagueFiles, SpellingTest,
    ::testing::Values(Spelling{"Jbball.jdt", "Jbball.Jdt"}, Spelling{"Jbball.Jdt", "Jbball.jdt"},
                      Spelling{"JBBall.Mei", "Jbball.Mei"}, Spelling{"Z02mem.txt", "Z02MEM.TXT"},
                      Spelling{"Z02mem.$$$", "Z02MEM.$$$"}, Spelling{"z02mem.txt", "Z02mem.txt"}));

TEST(FolderFileStoreTest, NewFilesTakeTheSpellingGiven) {
    const FolderTest dir;
    const auto files = makeFolderFileStore(dir.folder());
    EXPECT_EQ(files->resolve("Jbball.Jdt"), dir.folder() / "Jbball.Jdt");
    EXPECT_EQ(files->readFile("Jbball.jdt").status, FileRead::Status::Missing);
    EXPECT_EQ(files->removeFile("Jbball.jdt"), "");  // nothing there to remove is no failure

    EXPECT_EQ(files->replaceFile("Jbball.Jdt", kNewBytes), "");
    EXPECT_EQ(files->appendFile("Jbball.Mei", "殿堂\r\n"), "");
    EXPECT_EQ(dir.entries(), (Names{"Jbball.Jdt", "Jbball.Mei"}));
    EXPECT_EQ(dir.contents("Jbball.Jdt"), kNewBytes);
    EXPECT_EQ(dir.contents("Jbball.Mei"), "殿堂\r\n");
}

TEST(FolderFileStoreTest, ReplacementKeepsPermissionsAndNewFilesFollowTheUmask) {
    const FolderTest dir;
    const auto files = makeFolderFileStore(dir.folder());
    dir.put("Jbball.jdt", kOldBytes);
    fs::permissions(dir.folder() / "Jbball.jdt", fs::perms(0640));
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);

    ASSERT_EQ(files->replaceFile("Jbball.Jdt", kNewBytes), "");
    ASSERT_EQ(files->replaceFile("Z02MEM.TXT", kNewBytes), "");

    EXPECT_EQ(dir.permissions("Jbball.jdt"), fs::perms(0640));
    EXPECT_EQ(dir.permissions("Z02MEM.TXT"), fs::perms(0666 & ~umaskNow));
}

// Writes at most three bytes a call, so a file takes many calls.
ssize_t writeSlowly(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, std::min<std::size_t>(size, 3));
}

FileSystemCalls failingWriteCall(int failingCall, int error) {
    FileSystemCalls calls;
    auto count = std::make_shared<int>(0);
    calls.write = [count, failingCall, error](int fd, const void* data, std::size_t size) {
        if (++*count == failingCall) {
            errno = error;
            return ssize_t{-1};
        }
        return writeSlowly(fd, data, size);
    };
    return calls;
}

TEST(FolderFileStoreTest, ShortAndInterruptedWritesStillWriteEverything) {
    const FolderTest dir;
    FileSystemCalls calls;
    auto count = std::make_shared<int>(0);
    calls.write = [count](int fd, const void* data, std::size_t size) {
        if (++*count % 3 == 0) {
            errno = EINTR;
            return ssize_t{-1};
        }
        return writeSlowly(fd, data, size);
    };
    const auto files = makeFolderFileStore(dir.folder(), calls);

    EXPECT_EQ(files->replaceFile("Jbball.Jdt", kNewBytes), "");
    EXPECT_EQ(files->appendFile("Jbball.Jdt", kOldBytes), "");
    EXPECT_EQ(dir.contents("Jbball.Jdt"), kNewBytes + kOldBytes);
}

struct Failure {
    const char* what;
    FileSystemCalls (*calls)();
    const char* problem;  // the start of the reason
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.what; }

class FailedSaveTest : public ::testing::TestWithParam<Failure> {};

// A save that fails at any step leaves the old league file exactly as it was and no temporary
// file behind, and says why in words the user can act on.
TEST_P(FailedSaveTest, OldFileSurvivesAndNothingIsLeftBehind) {
    const FolderTest dir;
    const Failure failure = GetParam();
    dir.put("Jbball.jdt", kOldBytes);
    const auto files = makeFolderFileStore(dir.folder(), failure.calls());

    const std::string problem = files->replaceFile("Jbball.Jdt", kNewBytes);

    EXPECT_EQ(problem.rfind(failure.problem, 0), 0u) << problem;
    EXPECT_EQ(dir.entries(), Names{"Jbball.jdt"});
    EXPECT_EQ(dir.contents("Jbball.jdt"), kOldBytes);
}

// And a first save that fails leaves no file at all, so the next start does not find half a
// league.
TEST_P(FailedSaveTest, FirstSaveLeavesNoFile) {
    const FolderTest dir;
    const auto files = makeFolderFileStore(dir.folder(), GetParam().calls());
    EXPECT_NE(files->replaceFile("Jbball.Jdt", kNewBytes), "");
    EXPECT_EQ(dir.entries(), Names{});
}

FileSystemCalls fsyncFails(int error) {
    FileSystemCalls calls;
    calls.fsync = [error](int) {
        errno = error;
        return -1;
    };
    return calls;
}

// Close releases the descriptor even when it reports an error.
FileSystemCalls closeFails(int error) {
    FileSystemCalls calls;
    calls.close = [error](int fd) {
        ::close(fd);
        errno = error;
        return -1;
    };
    return calls;
}

FileSystemCalls renameFails(int error) {
    FileSystemCalls calls;
    calls.rename = [error](const char*, const char*) {
        errno = error;
        return -1;
    };
    return calls;
}

const Failure kFailures[] = {
    {"second write finds the disk full", [] { return failingWriteCall(2, ENOSPC); },
     "ディスクの空き容量が足りません。"},
    {"first write fails", [] { return failingWriteCall(1, EIO); },
     "ディスクの読み書きに失敗しました。"},
    {"last write is over quota",
     [] { return failingWriteCall(static_cast<int>((kNewBytes.size() + 2) / 3), EDQUOT); },
     "ディスクの使用量の上限を超えています。"},
    {"flush fails", [] { return fsyncFails(EIO); }, "ディスクの読み書きに失敗しました。"},
    {"close reports a delayed error", [] { return closeFails(ENOSPC); },
     "ディスクの空き容量が足りません。"},
    {"rename refused", [] { return renameFails(EACCES); }, "書き込みの権限がありません。"},
    {"rename on a read-only place", [] { return renameFails(EROFS); }, "読み取り専用の場所です。"},
    {"rename with an unexpected error", [] { return renameFails(EXDEV); },
     "システムエラー（errno 18: "},
};

INSTANTIATE_TEST_SUITE_P(Steps, FailedSaveTest, ::testing::ValuesIn(kFailures));

TEST(FolderFileStoreTest, TheEndOfAFileIsReadWithTheFileLength) {
    const FolderTest dir;
    dir.put("JBBall.Mei", "0123456789");
    const auto files = makeFolderFileStore(dir.folder());
    for (const auto& [maxBytes, bytes] :
         {std::pair<std::size_t, std::string>{4, "6789"}, {100, "0123456789"}}) {
        const FileEnd end = files->readFileEnd("Jbball.Mei", maxBytes);
        EXPECT_EQ(end.status, FileRead::Status::Ok);
        EXPECT_EQ(end.length, 10u);
        EXPECT_EQ(end.bytes, bytes);
    }
}

// Lines written again after the part of the file kept replace whatever a cut write left of them.
TEST(FolderFileStoreTest, TheEndOfAFileIsWrittenAgainOrLeftAsItWas) {
    struct Case {
        const char* what;
        std::optional<std::string> before;
        std::uint64_t keep;
        FileSystemCalls (*calls)();
        const char* problem;  // the start of the reason; "" for none
        std::optional<std::string> after;
    };
    const auto real = [] { return FileSystemCalls{}; };
    const Case cases[] = {
        {"a line cut short is replaced", "AB\r\nC", 4, real, "", "AB\r\nCD\r\n"},
        {"nothing after the kept part", "AB\r\n", 4, real, "", "AB\r\nCD\r\n"},
        {"a missing file is made", std::nullopt, 0, real, "", "CD\r\n"},
        {"a file shorter than the kept part", "AB", 4, real, "ファイルが、前に読んだときより短く",
         "AB"},
        {"a missing file with a kept part", std::nullopt, 4, real,
         "ファイルが、前に読んだときより短く", std::nullopt},
        {"the disk full half-way", "AB\r\nxyz", 4, [] { return failingWriteCall(2, ENOSPC); },
         "ディスクの空き容量が足りません。", "AB\r\n"},
        {"the flush fails", "AB\r\n", 4, [] { return fsyncFails(EIO); },
         "ディスクの読み書きに失敗しました。", "AB\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FolderTest dir;
        if (c.before) dir.put("JBBall.Mei", *c.before);
        const auto files = makeFolderFileStore(dir.folder(), c.calls());
        const std::string problem = files->rewriteFileEnd("Jbball.Mei", c.keep, "CD\r\n");
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        EXPECT_EQ(problem.empty(), *c.problem == '\0') << problem;
        const std::string spelling = c.before ? "JBBall.Mei" : "Jbball.Mei";
        EXPECT_EQ(dir.entries(), c.after ? Names{spelling} : Names{});
        if (c.after) {
            EXPECT_EQ(dir.contents(spelling), *c.after);
        }
    }
}

// Every change to the folder (a rename, a new file, a removal) is flushed with it; within a hold
// the folder is flushed once, when the hold ends.
TEST(FolderFileStoreTest, AHeldSaveFlushesTheFolderOnce) {
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held ? "held" : "not held");
        const FolderTest dir;
        auto folderFlushes = std::make_shared<int>(0);
        FileSystemCalls calls;
        calls.fsync = [folderFlushes](int fd) {
            struct stat status {};
            if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) ++*folderFlushes;
            return ::fsync(fd);
        };
        const auto files = makeFolderFileStore(dir.folder(), calls);
        files->holdFolderFlushes();
        if (!held) files->releaseFolderFlushes();
        ASSERT_EQ(files->replaceFile("Jbball.Jdt", kOldBytes), "");
        ASSERT_EQ(files->replaceFile(".zelvano-season", kOldBytes), "");
        ASSERT_EQ(files->rewriteFileEnd("JBBall.Mei", 0, kOldBytes), "");
        ASSERT_EQ(files->rewriteFileEnd("JBBall.Mei", 0, kNewBytes), "");  // no new entry
        ASSERT_EQ(files->removeFile(".zelvano-season"), "");
        EXPECT_EQ(*folderFlushes, held ? 0 : 4);
        if (held) files->releaseFolderFlushes();
        EXPECT_EQ(*folderFlushes, held ? 1 : 4);
    }
}

TEST(FolderFileStoreTest, FailedAppendSaysWhy) {
    const FolderTest dir;
    const auto files = makeFolderFileStore(dir.folder(), failingWriteCall(1, ENOSPC));
    EXPECT_EQ(files->appendFile("Jbball.Mei", "殿堂\r\n"), "ディスクの空き容量が足りません。");
}

TEST(FolderFileStoreTest, UnreadableAndUnwritablePlacesSayWhy) {
    const FolderTest dir;
    fs::create_directory(dir.folder() / "Jbball.jdt");
    const auto files = makeFolderFileStore(dir.folder());
    const FileRead read = files->readFile("JBBALL.JDT");
    EXPECT_EQ(read.status, FileRead::Status::Failed);
    EXPECT_EQ(read.problem, "ファイルではなくフォルダーです。");
    EXPECT_NE(files->replaceFile("Jbball.Jdt", kNewBytes), "");
    EXPECT_TRUE(fs::is_directory(dir.folder() / "Jbball.jdt"));

    const auto nowhere = makeFolderFileStore(dir.folder() / "gone");
    EXPECT_EQ(nowhere->replaceFile("Jbball.Jdt", kNewBytes),
              "保存先のフォルダーが見つかりません。");
    EXPECT_EQ(nowhere->readFile("Jbball.jdt").status, FileRead::Status::Missing);
}

TEST(FolderFileStoreTest, PermissionsAreReportedAsSuch) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser is not stopped by permissions";
    const FolderTest dir;
    dir.put("Jbball.jdt", kOldBytes);
    dir.put("Jbball.Mei", kOldBytes);
    fs::permissions(dir.folder() / "Jbball.Mei", fs::perms::none);
    fs::permissions(dir.folder(), fs::perms(0555));
    const auto files = makeFolderFileStore(dir.folder());

    const FileRead read = files->readFile("Jbball.Mei");
    EXPECT_EQ(read.status, FileRead::Status::Failed);
    EXPECT_EQ(read.problem, "読み込みの権限がありません。");
    EXPECT_EQ(files->replaceFile("Jbball.Jdt", kNewBytes), "書き込みの権限がありません。");
    EXPECT_EQ(dir.contents("Jbball.jdt"), kOldBytes);
}

}  // namespace
}  // namespace zelvano
