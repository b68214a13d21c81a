#include "season/history/sqlite_database.h"

namespace zelvano {

namespace {

[[noreturn]] void fail(sqlite3* db, int result) {
    const char* words = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    throw SqliteError(result & 0xff, words != nullptr ? words : sqlite3_errstr(result));
}

}  // namespace

void SqliteStatement::check(int result) const {
    if (result != SQLITE_OK) fail(db_, result);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(statement_.get(), index, value));
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::nullptr_t) {
    check(sqlite3_bind_null(statement_.get(), index));
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text) {
    check(sqlite3_bind_text64(statement_.get(), index, text.data(), text.size(), SQLITE_TRANSIENT,
                              SQLITE_UTF8));
    return *this;
}

int SqliteStatement::indexOf(const char* name) const {
    const int index = sqlite3_bind_parameter_index(statement_.get(), name);
    if (index == 0) throw SqliteError(SQLITE_RANGE, std::string("no parameter ") + name);
    return index;
}

bool SqliteStatement::step() {
    const int result = sqlite3_step(statement_.get());
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    // The statement's error is the connection's; reset keeps the statement usable.
    sqlite3_reset(statement_.get());
    fail(db_, result);
}

void SqliteStatement::run() {
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_.get(), column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_.get(), column);
    if (bytes == nullptr) return {};
    return {reinterpret_cast<const char*>(bytes),
            static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column))};
}

SqliteDatabase SqliteDatabase::open(const std::string& path, Mode mode) {
    // Never through a link: SQLite would put its journal and log beside the link's target,
    // outside the league folder, and create or delete files there.
    int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW;
    std::string name = path;
    if (mode == Mode::ReadWriteCreate) {
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    } else {
        flags |= SQLITE_OPEN_READONLY;
    }
    if (path != ":memory:") {
        // As a URI, so that a name with '?' or '#' stays a name.
        std::string uri = "file:";
        for (const unsigned char c : path) {
            if (c == '%' || c == '?' || c == '#' || c < 0x21) {
                static constexpr char kHex[] = "0123456789ABCDEF";
                uri += '%';
                uri += kHex[c >> 4];
                uri += kHex[c & 0xf];
            } else {
                uri += static_cast<char>(c);
            }
        }
        if (mode == Mode::ReadOnlyImmutable) uri += "?immutable=1";
        // Reads the log beside it under SQLite's locks without writing its index file, and
        // never makes one.
        if (mode == Mode::ReadOnlyShared) uri += "?readonly_shm=1";
        name = uri;
    }
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(name.c_str(), &raw, flags, nullptr);
    SqliteDatabase db(raw);  // owns the handle even when the open failed
    if (result != SQLITE_OK) fail(raw, result);
    sqlite3_extended_result_codes(raw, 0);
    return db;
}

void SqliteDatabase::execute(const char* sql) {
    char* message = nullptr;
    const int result = sqlite3_exec(db_.get(), sql, nullptr, nullptr, &message);
    if (result == SQLITE_OK) return;
    const std::string words = message != nullptr ? message : sqlite3_errstr(result);
    sqlite3_free(message);
    throw SqliteError(result & 0xff, words);
}

SqliteStatement SqliteDatabase::prepare(std::string_view sql) {
    sqlite3_stmt* raw = nullptr;
    const int result = sqlite3_prepare_v3(db_.get(), sql.data(), static_cast<int>(sql.size()),
                                          SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
    SqliteStatement statement(db_.get(), raw);
    if (result != SQLITE_OK) fail(db_.get(), result);
    if (log_ != nullptr) log_->emplace_back(sql);
    return statement;
}

std::int64_t SqliteDatabase::single(const char* sql) {
    SqliteStatement query = prepare(sql);
    return query.step() ? query.integer(0) : 0;
}

bool SqliteDatabase::readOnly() const { return sqlite3_db_readonly(db_.get(), "main") == 1; }

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (!open_) return;
    try {
        db_.execute("ROLLBACK");
    } catch (const SqliteError&) {
        // A failed commit may already have rolled back; there is nothing left to undo.
    }
}

void SqliteTransaction::commit() {
    db_.execute("COMMIT");
    open_ = false;
}

}  // namespace zelvano
