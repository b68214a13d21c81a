// A save that is cut off at any moment (power loss, a killed process) or that fails (a full disk,
// a read-only folder) leaves a whole file behind: the old one or the new one, never a mixture.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "league/league_file.h"
#include "league/league_folder.h"
#include "league/league_store.h"
#include "platform/folder_file_store.h"
#include "support/scripted_user.h"
#include "support/test_league.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 200;

class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "zelvano-kill-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const fs::path& path() const { return path_; }
    std::string contents(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    fs::path path_;
};

League leagueOfYear(int year) {
    League league = testing::testLeague();
    league.CurrentYear = year;
    // The new league differs all through the file, not only in its first line.
    for (int team = 1; team <= kTeams; ++team) {
        for (int player = 1; player <= kPlayers; ++player) {
            league.AtBats[team][player] += year * 100;
            league.Hits[team][player] += year * 30;
        }
    }
    return league;
}

// Runs `saveForever` in a child process and kills it with SIGKILL at kKills random moments, each
// up to twice the time one save takes; after every kill `check` looks at the folder and says
// whether the kill cut a save short.
void killDuringSaves(const std::function<void()>& saveOnce,
                     const std::function<void()>& saveForever,
                     const std::function<bool(int kill)>& check) {
    int cutShort = 0;
    const Clock::time_point start = Clock::now();
    saveOnce();
    const auto oneSave =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    std::mt19937 random(20260);
    std::uniform_int_distribution<long> delay(0, 2 * oneSave.count() + 50);
    for (int kill = 0; kill < kKills; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            // Tells the parent the saves are running; from here on any moment is mid-cycle.
            if (::write(ready[1], "r", 1) != 1) ::_exit(3);
            saveForever();
            ::_exit(4);
        }
        ::close(ready[1]);
        char byte = 0;
        const ssize_t got = ::read(ready[0], &byte, 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_EQ(got, 1);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself, kill " << kill;
        if (check(kill)) ++cutShort;
        if (::testing::Test::HasFailure()) return;
    }
    std::cout << cutShort << " of " << kKills << " kills came in the middle of a save\n";
}

// The folder holds `kept` and maybe leftover temporaries; the next start clears them away and
// leaves the file and the folder's lock. True when a temporary was left: the kill came in the
// middle of a save.
bool expectOnlyFileAndTemporaries(const fs::path& folder, const std::string& kept,
                                  const std::function<bool(const std::string&)>& isTemporary,
                                  int kill) {
    bool leftover = false;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == kept) continue;
        EXPECT_TRUE(isTemporary(name)) << "unexpected file " << name << " after kill " << kill;
        leftover = true;
    }
    const auto nextStart = makeFolderFileStore(folder);
    EXPECT_EQ(nextStart->lockFolder(leagueFolderLeftovers()).status, FolderLock::Status::Taken);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{kept})) << "kill " << kill;
    return leftover;
}

TEST(KilledSave, TheLeagueFileIsAlwaysTheOldOrTheNewLeague) {
    Folder folder;
    const League oldLeague = leagueOfYear(1);
    const League newLeague = leagueOfYear(2);
    const std::string oldBytes = leagueFileBytes(oldLeague);
    const std::string newBytes = leagueFileBytes(newLeague);
    testing::ScriptedUser user;
    HeadlessPlatform platform(user, makeFolderFileStore(folder.path()), 1u);
    const auto save = [&](const League& league) {
        League saved = league;
        SaveLeague(saved, platform);
    };
    killDuringSaves(
        [&] { save(oldLeague); },
        [&] {
            for (;;) {
                save(newLeague);
                save(oldLeague);
            }
        },
        [&](int kill) {
            const std::string bytes = folder.contents(kLeagueFileSaveName);
            League read;
            const LeagueFileRead parsed = parseLeagueFile(bytes, read);
            EXPECT_TRUE(parsed.ok)
                << "kill " << kill << ", line " << parsed.line << ": " << parsed.problem;
            EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << "kill " << kill;
            return expectOnlyFileAndTemporaries(
                folder.path(), kLeagueFileSaveName,
                [](const std::string& name) { return name.starts_with(".Jbball.Jdt.tmp-"); }, kill);
        });
    EXPECT_TRUE(user.asked.empty());
}

TEST(KilledSave, TheScoutingListIsAlwaysTheOldOrTheNewList) {
    Folder folder;
    const std::string oldList = "新人一\r\n新人二\r\n新人三\r\n";
    const std::string newList = "新人二\r\n新人三\r\n";
    const auto files = makeFolderFileStore(folder.path());
    const auto rewrite = [&](const std::string& bytes) {
        if (!files->replaceFileThrough("Z02MEM.TXT", "Z02mem.$$$", bytes).empty()) ::_exit(5);
    };
    killDuringSaves([&] { rewrite(oldList); },
                    [&] {
                        for (;;) {
                            rewrite(newList);
                            rewrite(oldList);
                        }
                    },
                    [&](int kill) {
                        const std::string bytes = folder.contents("Z02MEM.TXT");
                        EXPECT_TRUE(bytes == oldList || bytes == newList) << "kill " << kill;
                        return expectOnlyFileAndTemporaries(
                            folder.path(), "Z02MEM.TXT",
                            [](const std::string& name) { return name == "Z02mem.$$$"; }, kill);
                    });
}

struct FailedPlace {
    const char* name;
    bool readOnlyFolder;  // else the disk is full
};

void PrintTo(const FailedPlace& place, std::ostream* out) { *out << place.name; }

// Saves the new league, declines to try again, and says whether the player was told.
bool saveIsReported(const fs::path& folder, const FileSystemCalls& calls) {
    testing::ScriptedUser user;
    user.answers = {Answer::No};
    HeadlessPlatform platform(user, makeFolderFileStore(folder, calls), 1u);
    League league = leagueOfYear(2);
    try {
        SaveLeague(league, platform);
        return false;
    } catch (const ProgramEnded&) {
        return user.asked.size() == 1 && user.asked[0].title == "Zelvano／保存エラー";
    }
}

// The superuser is not stopped by permissions, so as root the save runs in a child process that
// has become the unprivileged user "nobody".
bool saveIsReportedWithoutPrivileges(const fs::path& folder) {
    if (::geteuid() != 0) return saveIsReported(folder, {});
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        constexpr id_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        ::_exit(saveIsReported(folder, {}) ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class FailedSave : public ::testing::TestWithParam<FailedPlace> {};

TEST_P(FailedSave, IsReportedAndTheOldLeagueStays) {
    Folder folder;
    const std::string oldBytes = leagueFileBytes(leagueOfYear(1));
    std::ofstream(folder.path() / kLeagueFileSaveName, std::ios::binary) << oldBytes;
    if (GetParam().readOnlyFolder) {
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
        EXPECT_TRUE(saveIsReportedWithoutPrivileges(folder.path()));
    } else {
        FileSystemCalls calls;
        calls.write = [](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        EXPECT_TRUE(saveIsReported(folder.path(), calls));
    }
    EXPECT_EQ(folder.contents(kLeagueFileSaveName), oldBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Places, FailedSave,
                         ::testing::Values(FailedPlace{"ReadOnlyFolder", true},
                                           FailedPlace{"FullDisk", false}),
                         [](const auto& place) { return std::string(place.param.name); });

}  // namespace
}  // namespace zelvano
