#include "season/history/history_snapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "folder_store/unique_fd.h"
#include "season/history/history_file.h"
#include "season/history/history_schema.h"
#include "text/translation.h"

namespace zelvano {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// About SQLite's own busy timeout of five seconds, in short pauses.
constexpr int kAttempts = 250;
constexpr auto kPause = 20ms;

// SQLite's readers lock these bytes of the database file for reading; a program that ends
// must lock them for writing before it folds its log into the file and removes the log.
constexpr off_t kSharedFirst = 0x40000000 + 2;
constexpr off_t kSharedSize = 510;

// What a name holds at a moment: a change of any of it means the file was written. Not the
// time of the last change of its status: SQLite, run by root, gives every file it opens its
// owner again, which changes that time and nothing in the file.
struct Stamp {
    HistoryFileKind kind = HistoryFileKind::Missing;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
};

Stamp stampOf(const std::string& path) {
    Stamp stamp;
    stamp.kind = historyFileKind(path);
    struct stat status {};
    if (stamp.kind == HistoryFileKind::Missing || ::lstat(path.c_str(), &status) != 0) return stamp;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec;
    return stamp;
}

using Stamps = std::array<Stamp, 4>;  // the file, its journal, its log, the log's index

Stamps stampsOf(const std::array<std::string, 4>& names) {
    Stamps stamps;
    for (std::size_t at = 0; at < names.size(); ++at) stamps[at] = stampOf(names[at]);
    return stamps;
}

[[noreturn]] void notRegular(const std::string& path) {
    throw HistoryProblem(
        SQLITE_CANTOPEN,
        text::fillIn(text::translated("「{1}」が通常のファイルではありません（リンク、フォルダー"
                                      "、FIFOなどの特殊なファイルです）。"),
                     {path}));
}

[[noreturn]] void keptChanging(const std::string& path) {
    throw HistoryProblem(
        SQLITE_BUSY, text::fillIn(text::translated("「{1}」が書き換えられ続けているため、読めません"
                                                   "でした。しばらくしてから、もう一度試してくださ"
                                                   "い。"),
                                  {path}));
}

// The file opened without following a link and locked for reading as SQLite's readers lock
// it, so that a game that ends meanwhile leaves its log where it is. Invalid when the file is
// missing.
UniqueFd lockForReading(const std::string& path) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT) return file;
        if (errno == ELOOP) notRegular(path);
        throw HistoryProblem(SQLITE_CANTOPEN,
                             text::fillIn(text::translated("「{1}」を開けませんでした（{2}）。"),
                                          {path, std::strerror(errno)}));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) notRegular(path);
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kSharedFirst;
    lock.l_len = kSharedSize;
    for (int attempt = 0; ::fcntl(file.get(), F_SETLK, &lock) != 0; ++attempt) {
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) break;  // no locks here
        if (attempt == kAttempts) keptChanging(path);
        std::this_thread::sleep_for(kPause);
    }
    return file;
}

// A folder of the system's temporary files, removed with everything in it.
class PrivateFolder {
public:
    PrivateFolder() {
        std::string pattern = (fs::temp_directory_path() / "zelvano-history-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw HistoryProblem(
                SQLITE_CANTOPEN,
                text::fillIn(text::translated("一時フォルダーを作れませんでした（{1}）。"),
                             {std::strerror(errno)}));
        }
        path_ = pattern;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void copyRegularFile(const std::string& from, const fs::path& to) {
    const UniqueFd in(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!in.valid() || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        notRegular(from);
    }
    const UniqueFd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got == 0) return;
        if (got < 0 || !out.valid() ||
            ::write(out.get(), buffer.data(), static_cast<std::size_t>(got)) != got) {
            throw HistoryProblem(
                SQLITE_IOERR,
                text::fillIn(text::translated("「{1}」を一時フォルダーに写せませんでした。"),
                             {from}));
        }
    }
}

// An older program's history, read as this version reads it: migrated in a private copy, so
// that the file itself is never changed, also where it could be.
bool readMigratedCopy(SqliteDatabase& db, const std::function<void(SqliteDatabase&)>& read) {
    const PrivateFolder folder;
    const std::string copied = (folder.path() / kHistoryFileName).string();
    // VACUUM INTO copies one moment of the history, in its own read transaction.
    db.prepare("VACUUM INTO ?").bind(1, copied).run();
    SqliteDatabase copy = SqliteDatabase::open(copied, SqliteDatabase::Mode::ReadWriteCreate);
    migrateHistory(copy);
    copy.execute("BEGIN");
    read(copy);
    copy.execute("COMMIT");
    return true;
}

// A newer program's history is read as far as this one understands it: a version adds tables
// and keeps the ones before. Should it have changed one, the reader is told why it fails.
void readNewer(SqliteDatabase& db, const std::function<void(SqliteDatabase&)>& read) {
    try {
        read(db);
    } catch (const HistoryProblem&) {
        throw;
    } catch (const SqliteError& error) {
        if (error.code != SQLITE_ERROR) throw;
        throw HistoryProblem(
            SQLITE_NOTADB,
            text::fillIn(text::translated("より新しいZelvanoが書いたリーグの歴史のため、この"
                                          "Zelvanoでは読めません（{1}）。"),
                         {error.what()}));
    }
}

// One read transaction around the reading: every query sees the same moment.
bool readInTransaction(SqliteDatabase& db, const std::function<void(SqliteDatabase&)>& read) {
    db.execute("PRAGMA busy_timeout = 5000");
    db.execute("BEGIN");
    HistorySchemaState state = HistorySchemaState::Empty;
    try {
        state = historySchemaState(db);
        if (state == HistorySchemaState::Current) read(db);
        if (state == HistorySchemaState::Newer) readNewer(db, read);
        db.execute("COMMIT");
    } catch (...) {
        try {
            db.execute("ROLLBACK");
        } catch (const SqliteError&) {
            // The transaction is over already.
        }
        throw;
    }
    if (state == HistorySchemaState::Older) return readMigratedCopy(db, read);
    return state != HistorySchemaState::Empty;
}

bool transient(const SqliteError& error) {
    return error.code == SQLITE_BUSY || error.code == SQLITE_LOCKED ||
           error.code == SQLITE_CANTOPEN;
}

}  // namespace

class ReadOnlyHistory::PrivateCopy : public PrivateFolder {};

ReadOnlyHistory::ReadOnlyHistory(UniqueFd lock, std::unique_ptr<PrivateCopy> copy,
                                 SqliteDatabase db)
    : lock_(std::move(lock)), copy_(std::move(copy)), db_(std::move(db)) {}
ReadOnlyHistory::~ReadOnlyHistory() = default;
ReadOnlyHistory::ReadOnlyHistory(ReadOnlyHistory&&) noexcept = default;
ReadOnlyHistory& ReadOnlyHistory::operator=(ReadOnlyHistory&&) noexcept = default;

std::optional<ReadOnlyHistory> ReadOnlyHistory::open(const std::string& path) {
    const std::array<std::string, 4> names = historyFileNames(path);
    bool copyTheLog = false;  // once its index could not be read, the log is read from a copy
    for (int attempt = 0;; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kPause);
        if (attempt == kAttempts) keptChanging(path);
        UniqueFd lock = lockForReading(path);
        if (!lock.valid()) return std::nullopt;
        const Stamps before = stampsOf(names);
        std::unique_ptr<PrivateCopy> copy;
        std::string opened = path;
        auto mode = SqliteDatabase::Mode::ReadOnlyImmutable;
        if (!copyTheLog && before[1].kind == HistoryFileKind::Missing &&
            before[2].kind == HistoryFileKind::Regular &&
            before[3].kind == HistoryFileKind::Regular) {
            mode = SqliteDatabase::Mode::ReadOnlyShared;
        } else if (before[2].kind == HistoryFileKind::Regular) {
            copy = std::make_unique<PrivateCopy>();
            const fs::path copied = copy->path() / kHistoryFileName;
            copyRegularFile(names[0], copied);
            copyRegularFile(names[2], copied.string() + "-wal");
            opened = copied.string();
            mode = SqliteDatabase::Mode::ReadWriteCreate;
        }
        try {
            SqliteDatabase db = SqliteDatabase::open(opened, mode);
            db.execute("PRAGMA busy_timeout = 5000");
            const HistorySchemaState state = historySchemaState(db);
            if (state == HistorySchemaState::Empty) return std::nullopt;
            if (state == HistorySchemaState::Older) {
                // Shown as this version reads it: brought forward in a private copy.
                auto migrated = std::make_unique<PrivateCopy>();
                const std::string copied = (migrated->path() / kHistoryFileName).string();
                db.prepare("VACUUM INTO ?").bind(1, copied).run();
                SqliteDatabase forward =
                    SqliteDatabase::open(copied, SqliteDatabase::Mode::ReadWriteCreate);
                migrateHistory(forward);
                if (stampsOf(names) != before) continue;
                return ReadOnlyHistory(std::move(lock), std::move(migrated), std::move(forward));
            }
            if (stampsOf(names) != before) continue;
            return ReadOnlyHistory(std::move(lock), std::move(copy), std::move(db));
        } catch (const SqliteError& error) {
            if (error.code == SQLITE_READONLY && mode == SqliteDatabase::Mode::ReadOnlyShared) {
                copyTheLog = true;
                continue;
            }
            if (!transient(error) || attempt + 1 == kAttempts) throw;
        }
    }
}

bool readHistorySnapshot(const std::string& path, const std::function<void(SqliteDatabase&)>& read,
                         std::vector<std::string>* passedOver) {
    const std::array<std::string, 4> names = historyFileNames(path);
    bool copyTheLog = false;  // once its index could not be read, the log is read from a copy
    for (int attempt = 0;; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kPause);
        if (attempt == kAttempts) keptChanging(path);
        if (passedOver != nullptr) passedOver->clear();
        const UniqueFd lock = lockForReading(path);
        if (!lock.valid()) return false;
        const Stamps before = stampsOf(names);
        const HistoryFileKind journal = before[1].kind, log = before[2].kind,
                              index = before[3].kind;
        if (!copyTheLog && journal == HistoryFileKind::Missing && log == HistoryFileKind::Regular &&
            index == HistoryFileKind::Regular) {
            // A game has the log open, or had when it stopped: SQLite's locks keep it whole.
            try {
                SqliteDatabase db =
                    SqliteDatabase::open(path, SqliteDatabase::Mode::ReadOnlyShared);
                return readInTransaction(db, read);
            } catch (const SqliteError& error) {
                if (error.code != SQLITE_READONLY &&
                    (!transient(error) || attempt + 1 == kAttempts)) {
                    throw;
                }
                // The log's index is being made or needs making again, which a reader that
                // may not write cannot do: the log is read from a copy instead, taken afresh
                // (SQLite, run by root, gives the files it opened their owner again).
                copyTheLog = error.code == SQLITE_READONLY;
                continue;
            }
        }
        if (passedOver != nullptr) {
            for (std::size_t at = 1; at < names.size(); ++at) {
                if (before[at].kind == HistoryFileKind::Other) passedOver->push_back(names[at]);
            }
        }
        if (log == HistoryFileKind::Regular) {
            // A log without its index (nobody writes it, as a game makes the index first), or
            // one whose index cannot be trusted: read from a copy, where SQLite may make the
            // index it needs.
            const PrivateFolder copy;
            const fs::path copied = copy.path() / kHistoryFileName;
            copyRegularFile(names[0], copied);
            copyRegularFile(names[2], copied.string() + "-wal");
            if (stampsOf(names) != before) continue;
            SqliteDatabase db =
                SqliteDatabase::open(copied.string(), SqliteDatabase::Mode::ReadWriteCreate);
            return readInTransaction(db, read);
        }
        // No log: the file alone, as it is. A game that starts meanwhile and writes into it
        // changes its stamps, and the reading is taken again.
        bool found = false;
        {
            SqliteDatabase db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadOnlyImmutable);
            found = readInTransaction(db, read);
        }
        if (stampsOf(names) == before) return found;
    }
}

}  // namespace zelvano
