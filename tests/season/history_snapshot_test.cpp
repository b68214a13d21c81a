// A look at the history from outside reads what a game left, whatever it left, without making or
// changing a file beside it: the log and its index of a game that was killed, a log without its
// index, an index that is a link, a history closed cleanly.
#include "season/history/history_snapshot.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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

// Another program that has the log's index open and is still making it: it holds the lock on
// the index that says the index is in use, and the index is all zeros.
class IndexBeingMade {
public:
    explicit IndexBeingMade(const fs::path& index) {
        fs::resize_file(index, 0);
        fs::resize_file(index, 32768);
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        child_ = ::fork();
        if (child_ == 0) {
            const int file = ::open(index.c_str(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_RDLCK;
            lock.l_whence = SEEK_SET;
            lock.l_start = 128;  // where SQLite marks an index in use
            lock.l_len = 1;
            if (::fcntl(file, F_SETLK, &lock) != 0) ::_exit(1);
            (void)::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        char byte = 0;
        EXPECT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~IndexBeingMade() {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
    IndexBeingMade(const IndexBeingMade&) = delete;
    IndexBeingMade& operator=(const IndexBeingMade&) = delete;

private:
    pid_t child_ = -1;
};

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
        bool indexBeingMade;
        std::function<void(const TempFolder& folder, const TempFolder& elsewhere)> then;
        std::vector<std::string> passedOver;  // names in the folder
    };
    const Case cases[] = {
        {"a killed game's log and index", true, false, nullptr, {}},
        {"an index another game is making", true, true, nullptr, {}},
        {"a killed game's log without its index",
         true,
         false,
         [](const TempFolder& folder, const TempFolder&) {
             fs::remove(folder.folder() / "history.sqlite-shm");
         },
         {}},
        {"an index that is a link",
         true,
         false,
         [](const TempFolder& folder, const TempFolder& elsewhere) {
             fs::remove(folder.folder() / "history.sqlite-shm");
             fs::create_symlink(elsewhere.folder() / "index",
                                folder.folder() / "history.sqlite-shm");
         },
         {"history.sqlite-shm"}},
        {"a history closed cleanly", false, false, nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        const TempFolder elsewhere;
        const std::string path = (folder.folder() / "history.sqlite").string();
        leaveHistory(path, c.killed);
        EXPECT_EQ(fs::exists(folder.folder() / "history.sqlite-wal"), c.killed);
        if (c.then) c.then(folder, elsewhere);
        std::optional<IndexBeingMade> holder;
        if (c.indexBeingMade) holder.emplace(folder.folder() / "history.sqlite-shm");
        const auto before = everything(folder);

        std::vector<std::string> passedOver;
        std::optional<Counter> since;
        EXPECT_TRUE(readHistorySnapshot(
            path, [&](SqliteDatabase& db) { since = HistoryReader(db, 9).knownSince(); },
            &passedOver));
        EXPECT_EQ(since, 5);
        // The game's way of showing a history it cannot write sees the same.
        if (auto shown = ReadOnlyHistory::open(path)) {
            EXPECT_EQ(HistoryReader(shown->db(), 9).knownSince(), 5);
        } else {
            ADD_FAILURE() << "not shown";
        }
        std::vector<std::string> expected;
        for (const std::string& name : c.passedOver) expected.push_back(folder.folder() / name);
        EXPECT_EQ(passedOver, expected);
        EXPECT_EQ(everything(folder), before);
        EXPECT_TRUE(elsewhere.entries().empty());
    }
}

}  // namespace
}  // namespace zelvano
