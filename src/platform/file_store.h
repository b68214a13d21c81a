#pragma once
// The files of the league folder, as the logic needs them: the contract every file store keeps
// (the folder on disk, folder_store/folder_file_store.h; the tests' stores in memory). Names are
// matched without regard to case: an existing file under any spelling is the one used; a new
// file is created under the spelling given.
//
//   FileStore& files = platform.files();
//   auto read = files.readFile("Jbball.jdt");
//   std::string problem = files.replaceFile("Jbball.Jdt", bytes);   // empty on success
//   if (files.lockFolder(claim).status != FolderLock::Status::Taken) { /* another run */ }

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

struct FileRead {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    std::string bytes;
    std::string problem;  // why it failed, in Japanese, for Status::Failed
};

// The end of a file that only grows: what a save needs of it, read at the same cost at any length.
struct FileEnd {
    FileRead::Status status = FileRead::Status::Missing;
    std::uint64_t length = 0;  // the whole file's
    std::string bytes;         // its last bytes, as many as were asked for and it has
    std::string problem;       // why it failed, in Japanese, for Status::Failed
};

// What a save cut short (a crash, a kill, a power cut) may leave in the folder.
struct Leftovers {
    // Files saved through replaceFile: their temporaries ".<name>.tmp-<pid>-<n>".
    std::vector<std::string> replacedFiles;
    // Files saved through replaceFileThrough, with their temporary. The temporary goes only while
    // the file itself is there: without the file it may hold the only copy.
    struct Through {
        std::string file;
        std::string temporary;
    };
    std::vector<Through> replacedThrough;
};

// How a program takes its folder: the file it locks where the folder itself cannot be locked
// (network file systems lock only files open for writing), and what earlier saves may have left,
// removed once the folder is its own.
struct FolderClaim {
    std::string lockFileName;  // none: such a folder cannot be taken
    Leftovers leftovers;
};

// What stands under a name, seen without opening it and without following a link.
enum class EntryKind { Missing, RegularFile, Link, Other };

struct FolderLock {
    enum class Status { Taken, InUse, Failed };
    Status status = Status::Failed;
    std::string problem;  // why it could not be taken, in Japanese, for Status::Failed
    int error = 0;        // the errno behind it
};

class FileStore {
public:
    virtual ~FileStore() = default;
    // Reads a whole regular file, never waiting at a FIFO or reading a device without end: a
    // file that is none, or is larger than any of the league's files could be, is a failure
    // with its reason. So is a link that leads nowhere.
    virtual FileRead readFile(std::string_view name) = 0;
    // Replaces the whole file so that a failure at any point leaves the old file as it was:
    // a temporary file in the same folder, flushed to disk, then renamed over the old one.
    // Temporaries are always made new, never opened through a link. A file the player made
    // read-only is not replaced. Returns the empty text on success, otherwise why it failed,
    // in Japanese.
    virtual std::string replaceFile(std::string_view name, std::string_view bytes) = 0;
    // The same, through a temporary file of the given name beside it (the scouting list is
    // rewritten through "Z02mem.$$$"): on failure the file is as it was and the temporary gone,
    // and the reason names the temporary. A link of the temporary's name is removed, never
    // followed; an earlier temporary goes only while the file itself is a real file.
    virtual std::string replaceFileThrough(std::string_view name, std::string_view temporaryName,
                                           std::string_view bytes) = 0;
    // Appends to a file, creating it when missing, never through a link. A failed append leaves
    // the file as long as it was. Same result convention as replaceFile.
    virtual std::string appendFile(std::string_view name, std::string_view bytes) = 0;
    // The length of a file and its last `maxBytes` bytes; a file readFile would refuse is
    // refused the same way.
    virtual FileEnd readFileEnd(std::string_view name, std::size_t maxBytes) = 0;
    // Cuts a file to its first `keep` bytes and writes `bytes` after them, flushed to the disk:
    // lines written again this way replace whatever an interrupted write left of them, so they
    // are never doubled nor left half-written. Creates the file when missing (`keep` must then be
    // 0), never through a link. A file shorter than `keep` is not touched; on any failure the
    // file is cut back to `keep` bytes where it can be. Same result convention as replaceFile.
    virtual std::string rewriteFileEnd(std::string_view name, std::uint64_t keep,
                                       std::string_view bytes) = 0;
    virtual bool exists(std::string_view name) = 0;
    virtual EntryKind entryKind(std::string_view name) = 0;
    // Renames whatever stands under `name` (a file, a link itself, a FIFO, a folder) to `newName`
    // in the same folder, without opening or following it and without ever replacing something
    // already under `newName`. Same result convention as replaceFile.
    virtual std::string moveAside(std::string_view name, std::string_view newName) = 0;
    virtual std::string removeFile(std::string_view name) = 0;
    // The full path of the file under its existing spelling, or under the given one when missing.
    virtual std::filesystem::path resolve(std::string_view name) = 0;
    // Takes the folder for this program alone while the store lives, so that two programs never
    // save over each other's seasons. The lock is on the folder itself, so no file can be
    // deleted to side-step it. The system drops the lock when the program ends, however it
    // ends, so a crashed run never blocks the next one. Once taken, and only then, the leftovers
    // of earlier saves are removed, and nothing else. Taking it again does nothing more.
    virtual FolderLock lockFolder(const FolderClaim& claim) = 0;

    // A rename, a new file or a removal is on the disk only once the folder is flushed too, and
    // each such call flushes it. Between these two calls (which may nest) the folder is flushed
    // once, at the end, for all of them: for a save of several files, each flushed before its
    // rename, whose renames and removals may reach the disk in the order they were made. A store
    // without a folder on a disk has nothing to flush.
    virtual void holdFolderFlushes() {}
    virtual void releaseFolderFlushes() {}
};

// Holds the store's folder flushes while it lives: one flush when it ends.
//
//   { const FolderFlushOnce flush(files); files.replaceFile(a, x); files.replaceFile(b, y); }
class FolderFlushOnce {
public:
    explicit FolderFlushOnce(FileStore& files) : files_(files) { files_.holdFolderFlushes(); }
    ~FolderFlushOnce() { files_.releaseFolderFlushes(); }
    FolderFlushOnce(const FolderFlushOnce&) = delete;
    FolderFlushOnce& operator=(const FolderFlushOnce&) = delete;

private:
    FileStore& files_;
};

}  // namespace zelvano
