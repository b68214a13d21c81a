// The league folder is held by one program at a time, and whoever holds it clears what a save
// cut short left behind: only that, and only then.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "league/league_file.h"
#include "league/league_folder.h"
#include "league/league_store.h"
#include "platform/folder_file_store.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

using Names = std::vector<std::string>;
using testing::TempFolder;

const std::string kList = "一郎\r\n二郎\r\n";

std::string savedLeague(int year) {
    League league = testing::testLeague();
    league.CurrentYear = static_cast<std::int16_t>(year);
    return leagueFileBytes(league);
}

TEST(FolderLock, OneHolderAtATimeUntilItEnds) {
    const TempFolder dir;
    auto first = makeFolderFileStore(dir.folder());
    auto second = makeFolderFileStore(dir.folder());
    EXPECT_EQ(first->lockFolder({}).status, FolderLock::Status::Taken);
    EXPECT_EQ(first->lockFolder({}).status, FolderLock::Status::Taken);  // already its own
    EXPECT_EQ(second->lockFolder({}).status, FolderLock::Status::InUse);
    first.reset();
    EXPECT_EQ(second->lockFolder({}).status, FolderLock::Status::Taken);
    EXPECT_TRUE(dir.entries().empty());  // the folder itself is locked: nothing to delete

    const FolderLock nowhere = makeFolderFileStore(dir.folder() / "gone")->lockFolder({});
    EXPECT_EQ(nowhere.status, FolderLock::Status::Failed);
    EXPECT_EQ(nowhere.problem, "保存先のフォルダーが見つかりません。");
}

struct CutSave {
    const char* what;
    void (*save)(FileStore& files);
};

void PrintTo(const CutSave& cut, std::ostream* out) { *out << cut.what; }

class CutSaveTest : public ::testing::TestWithParam<CutSave> {};

// A program killed while it writes a temporary leaves it behind; the next start finds the league
// and the list whole, and the folder holding nothing but them.
TEST_P(CutSaveTest, NextStartFindsTheLeagueWholeAndNoLitter) {
    const TempFolder dir;
    dir.put("Jbball.jdt", savedLeague(7));
    dir.put("Z02MEM.TXT", kList);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        FileSystemCalls calls;
        calls.write = [](int, const void*, std::size_t) -> ssize_t {
            ::raise(SIGKILL);
            return -1;
        };
        auto files = makeFolderFileStore(dir.folder(), calls);
        if (files->lockFolder(leagueFolderLeftovers()).status != FolderLock::Status::Taken)
            ::_exit(3);
        GetParam().save(*files);
        ::_exit(0);  // the save was never cut: the parent reports it
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    ASSERT_EQ(dir.entries().size(), 3u) << "the cut save left no temporary";

    testing::ScriptedUser user;
    HeadlessPlatform platform(user, makeFolderFileStore(dir.folder()), 1u);
    League league;
    LoadLeague(league, platform);
    EXPECT_EQ(league.CurrentYear, 7);
    EXPECT_TRUE(user.asked.empty());
    EXPECT_EQ(dir.entries(), (Names{"Jbball.jdt", "Z02MEM.TXT"}));
    EXPECT_EQ(dir.contents("Z02MEM.TXT"), kList);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, CutSaveTest,
    ::testing::Values(CutSave{"league file",
                              [](FileStore& files) { files.replaceFile("Jbball.Jdt", "x"); }},
                      CutSave{"scouting list", [](FileStore& files) {
                                  files.replaceFileThrough("Z02MEM.TXT", "Z02mem.$$$", "x");
                              }}));

struct Leftover {
    const char* name;
    bool removed;
};

// What a save of this program leaves goes; every other file of the player's stays, however alike.
const Leftover kLeftovers[] = {
    {".Jbball.Jdt.tmp-4021-0", true},
    {".Jbball.jdt.tmp-1-17", true},
    {".JBBALL.JDT.tmp-99999-3", true},
    {"z02MEM.$$$", true},
    {"Jbball.Jdt.tmp-4021-0", false},    // not hidden
    {".Jbball.Jdt.tmp-4021", false},     // no counter
    {".Jbball.Jdt.tmp-4021-0x", false},  // not a number
    {".Jbball.Jdt.tmp--0", false},
    {".Jbball.Jdt.bak", false},
    {".Jbball.Mei.tmp-4021-0", true},   // the hall of fame is replaced whole
    {".Z02MEM.TXT.tmp-4021-0", false},  // the list goes through its own temporary
    {".Jbball.jdt2.tmp-4021-0", false},
    {"Z02mem.$$$.bak", false},
    {"Z02MEM.TXT", false},
    {"Jbball.jdt", false},
};

TEST(FolderLeftovers, OnlyTheProgramsOwnTemporariesGo) {
    const TempFolder dir;
    for (const Leftover& leftover : kLeftovers) dir.put(leftover.name, "data");
    // Nor does a file of that kind in another folder, or a folder of such a name.
    std::filesystem::create_directory(dir.folder() / "old");
    dir.put("old/.Jbball.Jdt.tmp-4021-0", "data");
    std::filesystem::create_directory(dir.folder() / ".Jbball.Jdt.tmp-5-5");

    // Not while another program holds the folder.
    auto holder = makeFolderFileStore(dir.folder());
    ASSERT_EQ(holder->lockFolder({}).status, FolderLock::Status::Taken);
    const Names before = dir.entries();
    auto second = makeFolderFileStore(dir.folder());
    ASSERT_EQ(second->lockFolder(leagueFolderLeftovers()).status, FolderLock::Status::InUse);
    EXPECT_EQ(dir.entries(), before);
    holder.reset();

    ASSERT_EQ(second->lockFolder(leagueFolderLeftovers()).status, FolderLock::Status::Taken);
    for (const Leftover& leftover : kLeftovers) {
        EXPECT_EQ(std::filesystem::exists(dir.folder() / leftover.name), !leftover.removed)
            << leftover.name;
    }
    EXPECT_TRUE(std::filesystem::exists(dir.folder() / "old/.Jbball.Jdt.tmp-4021-0"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.folder() / ".Jbball.Jdt.tmp-5-5"));
}

// Without the list, its temporary may hold the only copy of the names: it stays, also where a
// link that leads nowhere or a folder has the list's name.
TEST(FolderLeftovers, TheListsTemporaryStaysWhenTheListIsNoFile) {
    const std::function<void(const TempFolder&)> lists[] = {
        [](const TempFolder&) {},
        [](const TempFolder& dir) {
            std::filesystem::create_symlink(dir.folder() / "gone", dir.folder() / "Z02MEM.TXT");
        },
        [](const TempFolder& dir) {
            std::filesystem::create_directory(dir.folder() / "Z02MEM.TXT");
        },
    };
    for (const auto& makeList : lists) {
        const TempFolder dir;
        makeList(dir);
        dir.put("Z02mem.$$$", kList);
        ASSERT_EQ(makeFolderFileStore(dir.folder())->lockFolder(leagueFolderLeftovers()).status,
                  FolderLock::Status::Taken);
        EXPECT_EQ(dir.contents("Z02mem.$$$"), kList);
    }
}

}  // namespace
}  // namespace zelvano
