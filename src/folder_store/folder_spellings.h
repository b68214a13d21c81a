#pragma once
// The spellings of a folder's entries, for finding a file under any case of its name without
// reading the folder at every look. The folder is read once; from then on the system's notices
// (inotify) of what is created, renamed and removed in it keep the spellings current: the
// program's own saves, and a file the player puts there while the game runs. Where no notices
// come (a network folder, whose other machines send none, or none to be had) the folder is read
// again whenever a name is not found, so a file that appeared since is never missed.
//
//   FolderSpellings spellings(folder);
//   std::optional<std::string> entry = spellings.find("Jbball.Mei");   // "JBBall.Mei"

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "folder_store/unique_fd.h"

namespace zelvano {

// The league's file names are ASCII; that is all the folding they need.
std::string foldCase(std::string_view name);

class FolderSpellings {
public:
    enum class Notices { WhereTheFolderSendsThem, Never };
    explicit FolderSpellings(std::filesystem::path folder,
                             Notices notices = Notices::WhereTheFolderSendsThem)
        : folder_(std::move(folder)), wantNotices_(notices == Notices::WhereTheFolderSendsThem) {}

    // The entry of `name`: the name itself when an entry is spelled so, otherwise the first of
    // its other spellings in byte order (so the choice does not depend on the folder's order);
    // nothing when there is none. Any kind of entry counts, a dangling link too.
    std::optional<std::string> find(std::string_view name);

private:
    void startNotices();
    void takeNotices();
    void readFolder();
    std::optional<std::string> known(std::string_view name) const;
    bool entryExists(std::string_view entry) const;

    std::filesystem::path folder_;
    bool wantNotices_;
    pid_t noticesOf_ = 0;  // the process that started them
    UniqueFd notices_;
    // Whether the spellings are the folder's as it stands, up to the notices not yet taken.
    bool current_ = false;
    std::map<std::string, std::set<std::string>> byFolded_;
};

}  // namespace zelvano
