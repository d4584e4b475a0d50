#include "connection.h"

#include <sqlite3.h>

#include "engine_error.h"

namespace engine {

void throwSqliteError(sqlite3* db, int resultCode) {
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    throw EngineError(code::kSqlite + (resultCode & 0xff), {text ? text : ""});
}

Connection::Connection(const std::string& filePath, Mode mode) {
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Mode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    }
    const int rc = sqlite3_open_v2(filePath.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string text = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw EngineError(code::kSqlite + (rc & 0xff), {filePath + ": " + text});
    }
    sqlite3_extended_result_codes(db_, 1);
}

Connection::~Connection() { sqlite3_close_v2(db_); }

void Connection::exec(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throwSqliteError(db_, rc);
}

}  // namespace engine
