#include "folder_store/folder_file_store.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "folder_store/folder_spellings.h"
#include "folder_store/system_error_text.h"
#include "folder_store/unique_fd.h"
#include "text/translation.h"

namespace zelvano {

namespace fs = std::filesystem;

namespace {

std::string writeProblem(int error) {
    // Only writing can meet a missing folder: a missing file to read is not a failure.
    if (error == ENOENT) return text::translated("保存先のフォルダーが見つかりません。");
    return systemErrorText(error, FileAccess::Write);
}

// The largest file the program reads whole. A league file is a few kilobytes, a hall of fame of a
// thousand years some hundred; anything far beyond is not one of the league's files.
constexpr off_t kReadLimitBytes = 8 * 1024 * 1024;

std::string notARegularFile() {
    return text::translated("通常のファイルではありません（フォルダーや特殊なファイルです）。");
}
std::string tooLargeToRead() {
    return text::fillIn(text::translated("ファイルが大きすぎます（{1}MBまでしか読みません）。"),
                        {std::to_string(kReadLimitBytes / (1024 * 1024))});
}
std::string shorterThanBefore() {
    return text::translated(
        "ファイルが、前に読んだときより短くなっています（ほかのプログラムが書き換えたようです）。");
}
std::string readOnlyFile() {
    return text::translated(
        "ファイルが読み取り専用になっています。書き込みを許可してから、もう一度試してください。");
}

bool isSymlink(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Follows a link: a link to a regular file is that file.
bool isRegularFile(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether `entry` is ".<name>.tmp-<pid>-<n>" for one of `names`, as createTemporary makes them.
bool isTemporaryOf(std::string_view entry, const std::vector<std::string>& names) {
    const std::size_t marker = entry.rfind(".tmp-");
    if (entry.empty() || entry.front() != '.' || marker == std::string_view::npos || marker < 2)
        return false;
    const std::string_view numbers = entry.substr(marker + 5);
    const std::size_t dash = numbers.find('-');
    if (dash == std::string_view::npos || !allDigits(numbers.substr(0, dash)) ||
        !allDigits(numbers.substr(dash + 1)))
        return false;
    const std::string file = foldCase(entry.substr(1, marker - 1));
    for (const std::string& name : names) {
        if (foldCase(name) == file) return true;
    }
    return false;
}

// Removes the temporary file of a replacement unless it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const fs::path& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    fs::path path_;
};

class FolderFileStore final : public FileStore {
public:
    FolderFileStore(fs::path folder, FileSystemCalls calls)
        : folder_(fullPath(std::move(folder))), spellings_(folder_), calls_(std::move(calls)) {
        // A file-size limit (ulimit -f) would end the program with SIGXFSZ in the middle of a
        // save; ignored, the write fails with EFBIG and the player is told, like a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
    }

    FileRead readFile(std::string_view name) override;
    std::string replaceFile(std::string_view name, std::string_view bytes) override;
    std::string replaceFileThrough(std::string_view name, std::string_view temporaryName,
                                   std::string_view bytes) override;
    std::string appendFile(std::string_view name, std::string_view bytes) override;
    FileEnd readFileEnd(std::string_view name, std::size_t maxBytes) override;
    std::string rewriteFileEnd(std::string_view name, std::uint64_t keep,
                               std::string_view bytes) override;
    bool exists(std::string_view name) override { return findExisting(name).has_value(); }
    EntryKind entryKind(std::string_view name) override;
    std::string moveAside(std::string_view name, std::string_view newName) override;
    std::string removeFile(std::string_view name) override;
    fs::path resolve(std::string_view name) override {
        return findExisting(name).value_or(folder_ / fs::path(std::string(name)));
    }
    FolderLock lockFolder(const FolderClaim& claim) override;
    void holdFolderFlushes() override { ++heldFlushes_; }
    void releaseFolderFlushes() override;

private:
    // Messages name the folder in full, so the player can find it.
    static fs::path fullPath(fs::path folder) {
        std::error_code error;
        fs::path full = fs::absolute(folder, error).lexically_normal();
        if (error) return folder;
        if (!full.has_filename() && full.has_relative_path()) full = full.parent_path();
        return full;
    }
    void removeLeftovers(const Leftovers& leftovers);
    static FolderLock lockExclusively(int fd);
    static bool lockNeedsAFile(int error);
    std::optional<fs::path> findExisting(std::string_view name);
    // A regular file opened for reading, with its status; or Missing, or Failed and why.
    struct OpenedToRead {
        FileRead::Status status = FileRead::Status::Missing;
        UniqueFd file;
        struct stat info {};
        std::string problem;
    };
    OpenedToRead openToRead(std::string_view name);
    struct Temporary {
        UniqueFd file;
        fs::path path;
        int error = 0;  // errno when the file could not be made
    };
    // Opens a new temporary file beside `target`.
    Temporary createTemporary(const fs::path& target) const;
    // 0 when every byte is written, flushed to the disk and the descriptor closed; else errno.
    int writeSyncClose(UniqueFd file, std::string_view bytes) const;
    int writeAll(int fd, std::string_view bytes) const;  // 0 or errno
    // Flushes the folder now, or once at the end of a hold.
    void syncFolder();
    void flushFolder() const;
    // Writes the temporary, keeps the old file's permissions and renames it over the target.
    std::string writeAndRename(UniqueFd file, TemporaryFile& temporary, const fs::path& target,
                               std::string_view bytes);

    ssize_t write(int fd, const void* data, std::size_t size) const {
        return calls_.write ? calls_.write(fd, data, size) : ::write(fd, data, size);
    }
    int fsync(int fd) const { return calls_.fsync ? calls_.fsync(fd) : ::fsync(fd); }
    int close(int fd) const { return calls_.close ? calls_.close(fd) : ::close(fd); }
    int rename(const char* from, const char* to) const {
        return calls_.rename ? calls_.rename(from, to) : ::rename(from, to);
    }

    fs::path folder_;
    FolderSpellings spellings_;
    FileSystemCalls calls_;
    UniqueFd lock_;  // held until the store ends
    int heldFlushes_ = 0;
    bool folderChanged_ = false;  // while held: a change waits for the folder's flush
};

std::optional<fs::path> FolderFileStore::findExisting(std::string_view name) {
    const std::optional<std::string> entry = spellings_.find(name);
    if (!entry) return std::nullopt;
    return folder_ / *entry;
}

FolderFileStore::Temporary FolderFileStore::createTemporary(const fs::path& target) const {
    // The process id keeps two programs apart, the counter two saves of one; O_EXCL makes sure a
    // leftover from a crashed run is never written into.
    static std::atomic<unsigned> counter{0};
    const std::string stem =
        "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path path = folder_ / (stem + std::to_string(counter++));
        // 0666 lets the umask decide, as for any new file of the user's.
        UniqueFd file(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.valid()) return {std::move(file), std::move(path), 0};
        const int error = errno;
        if (error != EEXIST) return {UniqueFd(), fs::path(), error};
    }
    return {UniqueFd(), fs::path(), EEXIST};
}

int FolderFileStore::writeAll(int fd, std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        // A write that takes nothing would loop for ever; the device is not taking data.
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int FolderFileStore::writeSyncClose(UniqueFd file, std::string_view bytes) const {
    if (const int error = writeAll(file.get(), bytes)) return error;
    if (fsync(file.get()) != 0) return errno;
    // Close reports the last delayed write errors (on network file systems): it is checked too.
    if (close(file.release()) != 0) return errno;
    return 0;
}

void FolderFileStore::syncFolder() {
    if (heldFlushes_ > 0) {
        folderChanged_ = true;
        return;
    }
    flushFolder();
}

void FolderFileStore::releaseFolderFlushes() {
    if (heldFlushes_ == 0 || --heldFlushes_ > 0) return;
    if (std::exchange(folderChanged_, false)) flushFolder();
}

void FolderFileStore::flushFolder() const {
    // Makes the new directory entries durable. Should this fail, a crash could at worst bring
    // back the old complete file, never a partial one, so the save still counts as done.
    UniqueFd folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) fsync(folder.get());
}

FolderFileStore::OpenedToRead FolderFileStore::openToRead(std::string_view name) {
    OpenedToRead opened;
    const std::optional<fs::path> path = findExisting(name);
    if (!path) return opened;  // Missing
    const auto failed = [&opened](std::string problem) {
        opened.status = FileRead::Status::Failed;
        opened.problem = std::move(problem);
        opened.file = UniqueFd();
        return std::move(opened);
    };
    // O_NONBLOCK: a FIFO put in the file's place must not hold the program at the open.
    opened.file = UniqueFd(::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!opened.file.valid()) {
        const int error = errno;
        if (error == ENOENT && isSymlink(*path))
            return failed(text::translated("リンク先のファイルが見つかりません。"));
        if (error == ENOENT) return opened;  // removed since it was found
        return failed(systemErrorText(error, FileAccess::Read));
    }
    if (::fstat(opened.file.get(), &opened.info) != 0)
        return failed(systemErrorText(errno, FileAccess::Read));
    if (S_ISDIR(opened.info.st_mode)) return failed(systemErrorText(EISDIR, FileAccess::Read));
    if (!S_ISREG(opened.info.st_mode)) return failed(notARegularFile());
    opened.status = FileRead::Status::Ok;
    return opened;
}

FileRead FolderFileStore::readFile(std::string_view name) {
    OpenedToRead opened = openToRead(name);
    FileRead result{opened.status, {}, std::move(opened.problem)};
    if (result.status != FileRead::Status::Ok) return result;
    const auto failed = [&result](std::string problem) {
        result.status = FileRead::Status::Failed;
        result.problem = std::move(problem);
        result.bytes.clear();
        return result;
    };
    if (opened.info.st_size > kReadLimitBytes) return failed(tooLargeToRead());
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(opened.file.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return failed(systemErrorText(errno, FileAccess::Read));
        }
        if (got == 0) break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(got));
        // The file may grow while it is read.
        if (result.bytes.size() > static_cast<std::size_t>(kReadLimitBytes)) {
            return failed(tooLargeToRead());
        }
    }
    return result;
}

FileEnd FolderFileStore::readFileEnd(std::string_view name, std::size_t maxBytes) {
    OpenedToRead opened = openToRead(name);
    FileEnd end{opened.status, 0, {}, std::move(opened.problem)};
    if (end.status != FileRead::Status::Ok) return end;
    end.length = static_cast<std::uint64_t>(opened.info.st_size);
    const std::uint64_t from = end.length - std::min<std::uint64_t>(end.length, maxBytes);
    end.bytes.resize(static_cast<std::size_t>(end.length - from));
    std::size_t got = 0;
    while (got < end.bytes.size()) {
        const ssize_t part = ::pread(opened.file.get(), end.bytes.data() + got,
                                     end.bytes.size() - got, static_cast<off_t>(from + got));
        if (part < 0 && errno == EINTR) continue;
        if (part < 0) {
            return {FileRead::Status::Failed, 0, {}, systemErrorText(errno, FileAccess::Read)};
        }
        if (part == 0) break;  // cut shorter while it was read
        got += static_cast<std::size_t>(part);
    }
    end.bytes.resize(got);
    return end;
}

std::string FolderFileStore::writeAndRename(UniqueFd file, TemporaryFile& temporary,
                                            const fs::path& target, std::string_view bytes) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A file the player made read-only is not replaced behind their back, even where the
    // folder would allow it.
    if (replacing && (old.st_mode & 0222) == 0) return readOnlyFile();
    // The replacement keeps the permissions the user gave the old file.
    if (replacing && ::fchmod(file.get(), old.st_mode & 07777) != 0) return writeProblem(errno);
    if (const int error = writeSyncClose(std::move(file), bytes)) return writeProblem(error);
    if (rename(temporary.path().c_str(), target.c_str()) != 0) return writeProblem(errno);
    temporary.keep();
    syncFolder();
    return {};
}

std::string FolderFileStore::replaceFile(std::string_view name, std::string_view bytes) {
    const fs::path target = resolve(name);
    Temporary created = createTemporary(target);
    if (!created.file.valid()) return writeProblem(created.error);
    TemporaryFile temporary(std::move(created.path));
    return writeAndRename(std::move(created.file), temporary, target, bytes);
}

std::string FolderFileStore::replaceFileThrough(std::string_view name,
                                                std::string_view temporaryName,
                                                std::string_view bytes) {
    const fs::path target = resolve(name);
    const fs::path path = resolve(temporaryName);
    // Every failure names the temporary, where the player would look first.
    const auto problemWith = [&path](const std::string& problem) {
        // Translators: {1} is the temporary file's full path, {2} what went wrong.
        return text::fillIn(text::translated("一時ファイル「{1}」：{2}"), {path.string(), problem});
    };
    struct stat leftover {};
    if (::lstat(path.c_str(), &leftover) == 0) {
        // A link is removed, never written through. A plain file is an earlier, unfinished copy;
        // it goes only while the file itself is there, as without it it may be the only copy.
        const bool removable =
            S_ISLNK(leftover.st_mode) || (S_ISREG(leftover.st_mode) && isRegularFile(target));
        if (!removable)
            return problemWith(
                text::translated("前回の書き換えの途中のファイルか、別のものがあります。"));
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) return problemWith(writeProblem(errno));
    }
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.valid()) return problemWith(writeProblem(errno));
    TemporaryFile temporary(path);
    const std::string problem = writeAndRename(std::move(file), temporary, target, bytes);
    return problem.empty() ? problem : problemWith(problem);
}

std::string FolderFileStore::appendFile(std::string_view name, std::string_view bytes) {
    const fs::path target = resolve(name);
    const bool creating = !exists(name);
    UniqueFd file(::open(
        target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.valid()) return writeProblem(errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return writeProblem(errno);
    if (!S_ISREG(status.st_mode)) return notARegularFile();
    if ((status.st_mode & 0222) == 0) return readOnlyFile();
    int error = writeAll(file.get(), bytes);
    if (error == 0 && fsync(file.get()) != 0) error = errno;
    if (error != 0) {
        // Whatever part of the bytes reached the file goes again: a record cut short would run
        // into the next one.
        if (::ftruncate(file.get(), status.st_size) == 0) ::fsync(file.get());
        return writeProblem(error);
    }
    if (close(file.release()) != 0) return writeProblem(errno);
    if (creating) syncFolder();
    return {};
}

std::string FolderFileStore::rewriteFileEnd(std::string_view name, std::uint64_t keep,
                                            std::string_view bytes) {
    const std::optional<fs::path> existing = findExisting(name);
    if (!existing && keep > 0) return shorterThanBefore();
    const fs::path target = existing.value_or(folder_ / fs::path(std::string(name)));
    UniqueFd file(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.valid()) return writeProblem(errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return writeProblem(errno);
    if (!S_ISREG(status.st_mode)) return notARegularFile();
    if ((status.st_mode & 0222) == 0) return readOnlyFile();
    const auto kept = static_cast<off_t>(keep);
    if (status.st_size < kept) return shorterThanBefore();
    int error = 0;
    if (status.st_size > kept && ::ftruncate(file.get(), kept) != 0) error = errno;
    if (error == 0 && ::lseek(file.get(), kept, SEEK_SET) < 0) error = errno;
    if (error == 0) error = writeAll(file.get(), bytes);
    if (error == 0 && fsync(file.get()) != 0) error = errno;
    if (error != 0) {
        // Half a line would run into the next ones: whatever part of them got there goes again.
        if (::ftruncate(file.get(), kept) == 0) ::fsync(file.get());
        return writeProblem(error);
    }
    if (close(file.release()) != 0) return writeProblem(errno);
    if (!existing) syncFolder();
    return {};
}

std::string FolderFileStore::removeFile(std::string_view name) {
    const std::optional<fs::path> path = findExisting(name);
    if (!path) return {};
    if (::unlink(path->c_str()) != 0 && errno != ENOENT) return writeProblem(errno);
    syncFolder();
    return {};
}

EntryKind FolderFileStore::entryKind(std::string_view name) {
    const std::optional<fs::path> path = findExisting(name);
    struct stat status {};
    if (!path || ::lstat(path->c_str(), &status) != 0) return EntryKind::Missing;
    if (S_ISLNK(status.st_mode)) return EntryKind::Link;
    return S_ISREG(status.st_mode) ? EntryKind::RegularFile : EntryKind::Other;
}

std::string FolderFileStore::moveAside(std::string_view name, std::string_view newName) {
    const std::optional<fs::path> from = findExisting(name);
    if (!from) return systemErrorText(ENOENT, FileAccess::Write);
    // Under any spelling: on a folder that ignores case, another spelling is the same file.
    if (findExisting(newName)) return writeProblem(EEXIST);
    const fs::path to = folder_ / fs::path(std::string(newName));
    // rename never opens or follows what it moves; RENAME_NOREPLACE refuses to replace even
    // what appeared since the look above.
    if (::renameat2(AT_FDCWD, from->c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        const int error = errno;
        // File systems without RENAME_NOREPLACE: the look above is all the check there can be.
        if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP) return writeProblem(error);
        if (rename(from->c_str(), to.c_str()) != 0) return writeProblem(errno);
    }
    syncFolder();
    return {};
}

FolderLock FolderFileStore::lockFolder(const FolderClaim& claim) {
    if (lock_.valid()) return {FolderLock::Status::Taken, {}};
    // The lock is on the folder itself: a lock file could be deleted while held, and the next
    // program would lock a new one beside it.
    UniqueFd folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) return {FolderLock::Status::Failed, writeProblem(errno)};
    const FolderLock taken = lockExclusively(folder.get());
    if (taken.status != FolderLock::Status::Failed || !lockNeedsAFile(taken.error)) {
        if (taken.status == FolderLock::Status::Taken) {
            lock_ = std::move(folder);
            removeLeftovers(claim.leftovers);
        }
        return taken;
    }
    // Network file systems lock only files open for writing: there the lock file serves, made
    // in the folder and never through a link.
    if (claim.lockFileName.empty()) return taken;
    const fs::path path = folder_ / claim.lockFileName;
    UniqueFd file(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.valid()) return {FolderLock::Status::Failed, writeProblem(errno)};
    const FolderLock onFile = lockExclusively(file.get());
    if (onFile.status == FolderLock::Status::Taken) {
        lock_ = std::move(file);
        removeLeftovers(claim.leftovers);
    }
    return onFile;
}

FolderLock FolderFileStore::lockExclusively(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return {FolderLock::Status::InUse, {}, 0};
        return {FolderLock::Status::Failed, systemErrorText(errno, FileAccess::Write), errno};
    }
    return {FolderLock::Status::Taken, {}, 0};
}

bool FolderFileStore::lockNeedsAFile(int error) {
    return error == EBADF || error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
}

void FolderFileStore::removeLeftovers(const Leftovers& leftovers) {
    std::vector<std::string> temporaries;  // folded names of the temporaries that may go
    for (const Leftovers::Through& through : leftovers.replacedThrough) {
        // Not beside a dangling link or a folder of the file's name: then the temporary may
        // hold the only copy.
        const std::optional<fs::path> file = findExisting(through.file);
        if (file && isRegularFile(*file)) temporaries.push_back(foldCase(through.temporary));
    }
    // The entries are gathered first: removing while the folder is read may skip some.
    std::vector<fs::path> doomed;
    std::error_code error;
    fs::directory_iterator entry(folder_, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        // Only plain files: a folder or a link of that name was not made by a save.
        std::error_code statusError;
        if (!fs::is_regular_file(entry->symlink_status(statusError))) continue;
        const std::string name = entry->path().filename().string();
        const bool leftover =
            isTemporaryOf(name, leftovers.replacedFiles) ||
            std::find(temporaries.begin(), temporaries.end(), foldCase(name)) != temporaries.end();
        if (leftover) doomed.push_back(entry->path());
    }
    // A leftover that cannot be removed does no harm; the next start tries again.
    for (const fs::path& path : doomed) ::unlink(path.c_str());
    if (!doomed.empty()) syncFolder();
}

}  // namespace

std::unique_ptr<FileStore> makeFolderFileStore(fs::path folder, FileSystemCalls calls) {
    return std::make_unique<FolderFileStore>(std::move(folder), std::move(calls));
}

std::unique_ptr<FileStore> makeFolderFileStore(fs::path folder) {
    return makeFolderFileStore(std::move(folder), FileSystemCalls{});
}

}  // namespace zelvano
