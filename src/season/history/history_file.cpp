#include "season/history/history_file.h"

#include <filesystem>

#include "season/history/history_schema.h"

namespace zelvano {

SqliteDatabase openHistoryForWriting(const std::string& path) {
    SqliteDatabase db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
    // SQLite opens a file it may not write for reading only, without a word.
    if (db.readOnly()) throw SqliteError(SQLITE_READONLY, "the history file is read-only");
    // A look from outside may be reading at the moment of a commit: it waits a little.
    db.execute("PRAGMA busy_timeout = 5000");
    // Reading first tells a damaged or foreign file before anything in it is changed.
    const bool ours = checkHistorySchema(db);
    // A season is one transaction. In the write-ahead log it costs one flush to the disk, a
    // fraction of the league file's save; the rollback journal would cost three, more than the
    // save. The flush is kept (synchronous FULL, not NORMAL): the season must be on the disk
    // before the league file that counts it as saved, or a power cut right after the save would
    // leave the league a year ahead of its history, and the history would have to begin its
    // players anew.
    if (path != ":memory:") db.execute("PRAGMA journal_mode = WAL");
    db.execute("PRAGMA synchronous = FULL");
    if (!ours) createHistorySchema(db);
    return db;
}

std::optional<SqliteDatabase> openHistoryForReading(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    // While a game has the history open, its write-ahead log holds the newest seasons, and the
    // game's locks keep the reading whole. With no log, nobody is writing: the file is read
    // as it is, so that no lock or log file is made beside it, even in a read-only folder.
    const bool beingWritten = std::filesystem::exists(path + "-wal", error);
    SqliteDatabase db =
        SqliteDatabase::open(path, beingWritten ? SqliteDatabase::Mode::ReadOnly
                                                : SqliteDatabase::Mode::ReadOnlyImmutable);
    db.execute("PRAGMA busy_timeout = 5000");
    if (!checkHistorySchema(db)) return std::nullopt;
    return db;
}

std::string historyProblemText(const SqliteError& error) {
    switch (error.code) {
        case SQLITE_FULL:
            return "ディスクがいっぱいです。";
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
        case SQLITE_AUTH:
            return "書き込みが許されていない場所か、ファイルです。";
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
            return "ファイルが壊れているか、Zelvanoのリーグの歴史ではないファイルです。";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "ほかのプログラムがファイルを使っています。";
        case SQLITE_IOERR:
            return "ディスクへの読み書きに失敗しました。";
        default:
            return std::string("SQLite: ") + error.what();
    }
}

}  // namespace zelvano
