#include "season/history/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "folder_store/unique_fd.h"
#include "season/history/history_schema.h"
#include "text/translation.h"

namespace zelvano {

std::array<std::string, 4> historyFileNames(const std::string& path) {
    return {path, path + "-journal", path + "-wal", path + "-shm"};
}

HistoryFileKind historyFileKind(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? HistoryFileKind::Missing : HistoryFileKind::Other;
    }
    return S_ISREG(status.st_mode) ? HistoryFileKind::Regular : HistoryFileKind::Other;
}

void checkHistoryFiles(const std::string& path) {
    for (const std::string& name : historyFileNames(path)) {
        if (historyFileKind(name) != HistoryFileKind::Other) continue;
        throw HistoryProblem(
            SQLITE_CANTOPEN,
            text::fillIn(text::translated("「{1}」が通常のファイルではありません（リンク、フォルダ"
                                          "ー、FIFOなどの特殊なファイルです）。取り除くか、名前を"
                                          "変えてください。"),
                         {name}));
    }
}

SqliteDatabase openHistoryForWriting(const std::string& path) {
    if (path != ":memory:") checkHistoryFiles(path);
    SqliteDatabase db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
    // SQLite opens a file it may not write for reading only, without a word.
    if (db.readOnly()) throw SqliteError(SQLITE_READONLY, "the history file is read-only");
    // A look from outside may be reading at the moment of a commit: it waits a little.
    db.execute("PRAGMA busy_timeout = 5000");
    // Reading first tells a damaged or foreign file before anything in it is changed, and a
    // newer program's history is left exactly as it is: what this program would write could
    // contradict tables it knows nothing of.
    const HistorySchemaState state = historySchemaState(db);
    if (state == HistorySchemaState::Newer) {
        throw HistoryProblem(
            SQLITE_READONLY,
            text::fillIn(text::translated("「{1}」は、より新しいZelvanoが書いたリーグの歴史です。"
                                          "このZelvanoは読むだけにして、新しいシーズンを記録しま"
                                          "せん。"),
                         {path}));
    }
    // A season is one transaction. In the write-ahead log it costs one flush to the disk, a
    // fraction of the league file's save; the rollback journal would cost three, more than the
    // save. The flush is kept (synchronous FULL, not NORMAL): the season must be on the disk
    // before the league file that counts it as saved, or a power cut right after the save would
    // leave the league a year ahead of its history, and the history would have to begin its
    // players anew.
    if (path != ":memory:") db.execute("PRAGMA journal_mode = WAL");
    db.execute("PRAGMA synchronous = FULL");
    if (state == HistorySchemaState::Empty) createHistorySchema(db);
    // An older program's history is brought forward once, here; from then on it is this
    // version's.
    if (state == HistorySchemaState::Older) migrateHistory(db);
    return db;
}

std::string historyProblemText(const SqliteError& error) {
    if (dynamic_cast<const HistoryProblem*>(&error) != nullptr) return error.what();
    switch (error.code) {
        case SQLITE_FULL:
            return text::translated("ディスクがいっぱいです。");
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
        case SQLITE_AUTH:
            return text::translated("書き込みが許されていない場所か、ファイルです。");
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_CONSTRAINT:  // an older history whose rows cannot be carried forward
        case SQLITE_FORMAT:
            return text::translated(
                "ファイルが壊れているか、Zelvanoのリーグの歴史ではないファイルです。");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return text::translated("ほかのプログラムがファイルを使っています。");
        case SQLITE_IOERR:
            return text::translated("ディスクへの読み書きに失敗しました。");
        default:
            return std::string("SQLite: ") + error.what();
    }
}

void syncFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const UniqueFd fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

}  // namespace zelvano
