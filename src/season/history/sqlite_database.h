#pragma once
// The SQLite C library behind two small owners: a database connection and a prepared statement,
// each closed by its destructor. Every failure becomes a SqliteError with SQLite's own words.
//
//   SqliteDatabase db = SqliteDatabase::open(path, SqliteDatabase::Mode::ReadWriteCreate);
//   SqliteStatement insert = db.prepare("INSERT INTO season(year) VALUES (?)");
//   insert.bind(1, 7).run();

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

struct SqliteError : std::runtime_error {
    SqliteError(int result, const std::string& what) : std::runtime_error(what), code(result) {}
    int code;  // the primary result code: SQLITE_FULL, SQLITE_READONLY, SQLITE_NOTADB, ...
};

class SqliteStatement {
public:
    // Binds by position, from 1; returns itself so that binds chain.
    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, int value) { return bind(index, std::int64_t{value}); }
    SqliteStatement& bind(int index, std::string_view text);
    SqliteStatement& bind(int index, std::nullptr_t);  // NULL
    SqliteStatement& bind(int index, const char* text) {
        return bind(index, std::string_view(text));
    }
    SqliteStatement& bind(int index, const std::string& text) {
        return bind(index, std::string_view(text));
    }
    // Binds by name (":year"), so that a long insert is not counted by hand. Throws SqliteError
    // (SQLITE_RANGE) for a name the statement does not have.
    template <typename Value>
    SqliteStatement& bind(const char* name, const Value& value) {
        return bind(indexOf(name), value);
    }

    // Steps once: true while there is a row to read.
    bool step();
    // Steps to the end (a statement that returns no rows) and resets for the next binds.
    void run();
    void reset();

    std::int64_t integer(int column) const;
    int number(int column) const { return static_cast<int>(integer(column)); }
    std::string text(int column) const;

private:
    friend class SqliteDatabase;
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}
    void check(int result) const;
    int indexOf(const char* name) const;

    sqlite3* db_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
};

class SqliteDatabase {
public:
    enum class Mode {
        ReadWriteCreate,
        // Reads a file and the write-ahead log beside it, under SQLite's locks, as another
        // program writes them; writes to neither, nor to the log's index.
        ReadOnlyShared,
        // Reads a file that nobody is writing, without looking for its journal or locking it.
        ReadOnlyImmutable,
    };
    // ":memory:" gives a database in memory.
    static SqliteDatabase open(const std::string& path, Mode mode);

    void execute(const char* sql);
    SqliteStatement prepare(std::string_view sql);
    // The one number a query like "PRAGMA user_version" returns.
    std::int64_t single(const char* sql);
    bool readOnly() const;
    // Every statement prepared from now on is added to `log` by its text, so that the tests can
    // look at how SQLite runs each query the game makes; nullptr stops it.
    void logStatements(std::vector<std::string>* log) { log_ = log; }

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    explicit SqliteDatabase(sqlite3* db) : db_(db) {}

    std::unique_ptr<sqlite3, Close> db_;
    std::vector<std::string>* log_ = nullptr;
};

// Commits at commit(); rolls back when it goes out of scope before, an exception included.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

}  // namespace zelvano
