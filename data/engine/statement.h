#pragma once
// Owner of one prepared SQLite statement, with binding of engine values and reading of
// column values by the engine's column types.

#include <string>

#include "column.h"
#include "value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace engine {

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, const std::string& sql);  // EngineError when SQLite refuses it
    explicit Statement(sqlite3_stmt* statement) : stmt_(statement) {}  // takes ownership
    ~Statement();
    Statement(Statement&& other) noexcept : stmt_(other.release()) {}
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* handle() const { return stmt_; }
    sqlite3_stmt* release();

    void bind(int position, const Value& value);  // positions count from 1
    bool step();   // true while a row is ready; EngineError on failure
    void reset();  // ready to run again, bindings cleared

    // Column values: Integer/AutoIncrement give whole numbers, Number/Money floats, Char text;
    // a value that does not fit its column's type comes as it is stored.
    Value value(int column, ColumnType type) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Prepares the one statement of `sql`. Refused (kSqlRefused): no statement, a second
// statement after the first, or a parameter marker.
Statement prepareSingle(sqlite3* db, const std::string& sql);

}  // namespace engine
