#include "statement.h"

#include <cmath>
#include <sqlite3.h>

#include "connection.h"
#include "engine_error.h"

namespace engine {
namespace {

// True when [p, end) holds only blanks, comments and empty statements.
bool onlyCommentsAndBlanks(const char* p, const char* end) {
    while (p < end) {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\f' || *p == ';') {
            ++p;
        } else if (end - p >= 2 && p[0] == '-' && p[1] == '-') {
            while (p < end && *p != '\n') ++p;
        } else if (end - p >= 2 && p[0] == '/' && p[1] == '*') {
            p += 2;
            while (end - p >= 2 && !(p[0] == '*' && p[1] == '/')) ++p;
            p = end - p >= 2 ? p + 2 : end;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

Statement::Statement(sqlite3* db, const std::string& sql) {
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throwSqliteError(db, rc);
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = other.release();
    }
    return *this;
}

sqlite3_stmt* Statement::release() {
    sqlite3_stmt* statement = stmt_;
    stmt_ = nullptr;
    return statement;
}

void Statement::bind(int position, const Value& value) {
    int rc = SQLITE_OK;
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        rc = sqlite3_bind_int64(stmt_, position, *whole);
    else if (const auto* real = std::get_if<double>(&value))
        rc = sqlite3_bind_double(stmt_, position, *real);
    else if (const auto* text = std::get_if<std::string>(&value))
        rc = sqlite3_bind_text(stmt_, position, text->data(), static_cast<int>(text->size()),
                               SQLITE_TRANSIENT);
    else
        rc = sqlite3_bind_null(stmt_, position);
    if (rc != SQLITE_OK) throwSqliteError(sqlite3_db_handle(stmt_), rc);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3* db = sqlite3_db_handle(stmt_);
    const std::string text = sqlite3_errmsg(db);
    sqlite3_reset(stmt_);
    throw EngineError(code::kSqlite + (rc & 0xff), {text});
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

Value Statement::value(int column, ColumnType type) const {
    const int storage = sqlite3_column_type(stmt_, column);
    if (storage == SQLITE_NULL) return {};
    const bool numeric = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
    switch (type) {
    case ColumnType::AutoIncrement:
    case ColumnType::Integer:
        if (storage == SQLITE_INTEGER) return std::int64_t{sqlite3_column_int64(stmt_, column)};
        if (storage == SQLITE_FLOAT) {
            const double real = sqlite3_column_double(stmt_, column);
            if (std::trunc(real) == real && std::fabs(real) < 9.2e18)
                return static_cast<std::int64_t>(real);
            return real;
        }
        break;
    case ColumnType::Number:
    case ColumnType::Money:
        if (numeric) return sqlite3_column_double(stmt_, column);
        break;
    case ColumnType::Char:
        break;
    case ColumnType::Other:
        if (storage == SQLITE_INTEGER) return std::int64_t{sqlite3_column_int64(stmt_, column)};
        if (storage == SQLITE_FLOAT) return sqlite3_column_double(stmt_, column);
        break;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

Statement prepareSingle(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail);
    Statement statement(raw);
    if (rc != SQLITE_OK) throwSqliteError(db, rc);
    if (!raw) throw EngineError(code::kSqlRefused, {"The SQL text holds no statement"});
    if (tail && !onlyCommentsAndBlanks(tail, sql.c_str() + sql.size()))
        throw EngineError(code::kSqlRefused,
                          {"Only one SQL statement can be executed at a time"});
    if (sqlite3_bind_parameter_count(raw) > 0)
        throw EngineError(code::kSqlRefused,
                          {"Parameter markers are not allowed in SQL text"});
    return statement;
}

}  // namespace engine
