// A look at the history from outside reads what a game left, whatever it left, without making or
// changing a file beside it: the log and its index of a game that was killed, a log without its
// index, an index that is a link, a history closed cleanly.
#include "season/history/history_snapshot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "season/history/history_file.h"
#include "season/history/history_reader.h"
#include "season/history/history_writer.h"
#include "support/temp_folder.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A history that has begun at year 5, left by a game that ends as `ends` says: killed, its log
// and index beside the file, or closed, the log folded in.
void leaveHistory(const std::string& path, bool killed) {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        SqliteDatabase db = openHistoryForWriting(path);
        HistoryBeginning beginning;
        beginning.year = 5;
        HistoryWriter(db).write(&beginning, {});
        if (killed) ::_exit(0);  // no close: the log stays as a kill leaves it
        db = SqliteDatabase::open(":memory:", SqliteDatabase::Mode::ReadWriteCreate);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Every name in the folder with its bytes.
std::map<std::string, std::string> everything(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const std::string& name : folder.entries()) {
        files[name] = fs::is_regular_file(fs::symlink_status(folder.folder() / name))
                          ? folder.contents(name)
                          : "(not a file)";
    }
    return files;
}

TEST(HistorySnapshot, ReadsWhatAGameLeftWithoutMakingOrChangingAnything) {
    struct Case {
        const char* what;
        bool killed;
        std::function<void(const TempFolder& folder, const TempFolder& elsewhere)> then;
        std::vector<std::string> passedOver;  // names in the folder
    };
    const Case cases[] = {
        {"a killed game's log and index", true, nullptr, {}},
        {"a killed game's log without its index",
         true,
         [](const TempFolder& folder, const TempFolder&) {
             fs::remove(folder.folder() / "history.sqlite-shm");
         },
         {}},
        {"an index that is a link",
         true,
         [](const TempFolder& folder, const TempFolder& elsewhere) {
             fs::remove(folder.folder() / "history.sqlite-shm");
             fs::create_symlink(elsewhere.folder() / "index",
                                folder.folder() / "history.sqlite-shm");
         },
         {"history.sqlite-shm"}},
        {"a history closed cleanly", false, nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        const TempFolder elsewhere;
        const std::string path = (folder.folder() / "history.sqlite").string();
        leaveHistory(path, c.killed);
        EXPECT_EQ(fs::exists(folder.folder() / "history.sqlite-wal"), c.killed);
        if (c.then) c.then(folder, elsewhere);
        const auto before = everything(folder);

        std::vector<std::string> passedOver;
        std::optional<Counter> since;
        EXPECT_TRUE(readHistorySnapshot(
            path, [&](SqliteDatabase& db) { since = HistoryReader(db, 9).knownSince(); },
            &passedOver));
        EXPECT_EQ(since, 5);
        std::vector<std::string> expected;
        for (const std::string& name : c.passedOver) expected.push_back(folder.folder() / name);
        EXPECT_EQ(passedOver, expected);
        EXPECT_EQ(everything(folder), before);
        EXPECT_TRUE(elsewhere.entries().empty());
    }
}

}  // namespace
}  // namespace zelvano
