#include "folder_store/folder_spellings.h"

#include <dirent.h>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace zelvano {

namespace {

// File systems whose folders may be changed by another machine, which sends no notices here.
bool changedFromElsewhere(const std::filesystem::path& folder) {
    struct statfs system {};
    if (::statfs(folder.c_str(), &system) != 0) return true;
    switch (static_cast<unsigned long>(system.f_type)) {
        case NFS_SUPER_MAGIC:
        case SMB_SUPER_MAGIC:
        case SMB2_SUPER_MAGIC:
        case CIFS_SUPER_MAGIC:
        case FUSE_SUPER_MAGIC:
        case V9FS_MAGIC:
        case CEPH_SUPER_MAGIC:
        case CODA_SUPER_MAGIC:
        case AFS_SUPER_MAGIC:
        case AFS_FS_MAGIC:
        case OCFS2_SUPER_MAGIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

std::optional<std::string> FolderSpellings::find(std::string_view name) {
    // A process forked from the one that started the notices shares them: it takes its own, so
    // that neither takes the other's.
    if (noticesOf_ != ::getpid()) startNotices();
    if (notices_.valid()) {
        takeNotices();
        if (!current_) readFolder();
        if (current_) return known(name);
    }
    // Without notices (or without a folder that can be read), what was read may be out of date
    // either way.
    if (entryExists(name)) return std::string(name);
    if (const std::optional<std::string> entry = known(name); entry && entryExists(*entry)) {
        return entry;
    }
    readFolder();
    return known(name);
}

void FolderSpellings::startNotices() {
    noticesOf_ = ::getpid();
    notices_ = UniqueFd();
    current_ = false;
    if (!wantNotices_ || changedFromElsewhere(folder_)) return;
    UniqueFd notices(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!notices.valid()) return;
    // Watched before the folder is first read, so that no change falls between the two.
    constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                       IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    if (::inotify_add_watch(notices.get(), folder_.c_str(), kChanges) < 0) return;
    notices_ = std::move(notices);
}

void FolderSpellings::takeNotices() {
    alignas(inotify_event) char buffer[4096];
    while (notices_.valid()) {
        const ssize_t got = ::read(notices_.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return;  // EAGAIN: none waiting
        for (ssize_t at = 0; at < got;) {
            const auto* notice = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + notice->len);
            if ((notice->mask & IN_Q_OVERFLOW) != 0) {
                current_ = false;  // notices were lost: read the folder again
                continue;
            }
            // The folder itself moved or went: its path now names another folder, or none.
            if ((notice->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) != 0) {
                notices_ = UniqueFd();
                current_ = false;
                return;
            }
            if (notice->len == 0 || !current_) continue;
            const std::string entry(notice->name);
            if ((notice->mask & (IN_CREATE | IN_MOVED_TO)) != 0) {
                byFolded_[foldCase(entry)].insert(entry);
            } else if ((notice->mask & (IN_DELETE | IN_MOVED_FROM)) != 0) {
                const auto spellings = byFolded_.find(foldCase(entry));
                if (spellings == byFolded_.end()) continue;
                spellings->second.erase(entry);
                if (spellings->second.empty()) byFolded_.erase(spellings);
            }
        }
    }
}

void FolderSpellings::readFolder() {
    byFolded_.clear();
    current_ = false;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(folder_.c_str()), &::closedir);
    if (!folder) return;
    current_ = notices_.valid();
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view spelling = entry->d_name;
        if (spelling == "." || spelling == "..") continue;
        byFolded_[foldCase(spelling)].emplace(spelling);
    }
}

std::optional<std::string> FolderSpellings::known(std::string_view name) const {
    const auto spellings = byFolded_.find(foldCase(name));
    if (spellings == byFolded_.end()) return std::nullopt;
    if (spellings->second.contains(std::string(name))) return std::string(name);
    return *spellings->second.begin();
}

bool FolderSpellings::entryExists(std::string_view entry) const {
    struct stat status {};
    return ::lstat((folder_ / std::string(entry)).c_str(), &status) == 0;
}

}  // namespace zelvano
