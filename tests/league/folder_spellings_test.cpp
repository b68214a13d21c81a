#include "folder_store/folder_spellings.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace zelvano {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

using Notices = FolderSpellings::Notices;

// The folder is changed by someone else after the spellings were first looked at: what the next
// look finds, with the system's notices and without them.
TEST(FolderSpellings, SeeWhatChangedSinceTheFolderWasRead) {
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> change;
        const char* asked;
        std::optional<std::string> found;
    };
    const Case cases[] = {
        {"a file put there", [](const TempFolder& f) { f.put("z02mem.txt", "a"); }, "Z02MEM.TXT",
         "z02mem.txt"},
        {"a file removed", [](const TempFolder& f) { fs::remove(f.folder() / "JBBall.Mei"); },
         "Jbball.Mei", std::nullopt},
        {"a file renamed to another spelling",
         [](const TempFolder& f) {
             fs::rename(f.folder() / "JBBall.Mei", f.folder() / "jbball.mei");
         },
         "Jbball.Mei", "jbball.mei"},
        {"the exact spelling added beside another",
         [](const TempFolder& f) { f.put("Jbball.Mei", ""); }, "Jbball.Mei", "Jbball.Mei"},
        {"the folder's other files left alone", [](const TempFolder&) {}, "Jbball.mei",
         "JBBall.Mei"},
    };
    for (const Notices notices : {Notices::WhereTheFolderSendsThem, Notices::Never}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) +
                         (notices == Notices::Never ? ", without notices" : ""));
            const TempFolder folder;
            folder.put("JBBall.Mei", "");
            FolderSpellings spellings(folder.folder(), notices);
            ASSERT_EQ(spellings.find("Jbball.Mei"), "JBBall.Mei");
            ASSERT_EQ(spellings.find("Z02MEM.TXT"), std::nullopt);
            c.change(folder);
            EXPECT_EQ(spellings.find(c.asked), c.found);
        }
    }
}

TEST(FolderSpellings, AForkedProcessLeavesItsParentTheNotices) {
    const TempFolder folder;
    FolderSpellings spellings(folder.folder());
    ASSERT_EQ(spellings.find("Z02MEM.TXT"), std::nullopt);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        folder.put("z02mem.txt", "");
        ::_exit(spellings.find("Z02MEM.TXT") == "z02mem.txt" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(spellings.find("Z02MEM.TXT"), "z02mem.txt");
}

}  // namespace
}  // namespace zelvano
