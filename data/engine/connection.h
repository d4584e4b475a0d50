#pragma once
// Owner of one SQLite connection handle: opens an existing file (creating one only when asked,
// for the administration tool) and closes it when it goes, also after a failed open.

#include <string>

struct sqlite3;

namespace engine {

class Connection {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };
    Connection(const std::string& filePath, Mode mode);  // EngineError on failure
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    // Runs statements that return no rows (pragmas, BEGIN/COMMIT); EngineError on failure.
    void exec(const char* sql);

private:
    sqlite3* db_ = nullptr;
};

// The engine failure for an SQLite result code, with SQLite's message.
[[noreturn]] void throwSqliteError(sqlite3* db, int resultCode);

}  // namespace engine
