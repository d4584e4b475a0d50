#include "database.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "connection.h"
#include "engine_error.h"
#include "result_set.h"
#include "statement.h"
#include "table_cursor.h"
#include "write_transaction.h"

namespace engine {
namespace {

// Writable by this process and not marked read-only (no write permission bit at all), so a
// file marked read-only stays read-only also for the superuser.
bool writable(const std::string& path, const struct stat& info) {
    return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & 0222) != 0;
}

std::string tableOfFileName(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

}  // namespace

Database::Database(const std::string& folder) : folder_(folder) {
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode))
        throw EngineError(code::kFolderMissing, {"Database folder does not exist: " + folder});
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        throw EngineError(code::kFolderMissing, {"Database folder cannot be read: " + folder});

    const std::string path = filePath();
    struct stat fileInfo {};
    if (::stat(path.c_str(), &fileInfo) != 0)
        throw EngineError(code::kDatabaseMissing, {"Database file does not exist: " + path});
    if (!S_ISREG(fileInfo.st_mode) || ::access(path.c_str(), R_OK) != 0)
        throw EngineError(code::kNotADatabase, {"Database file cannot be read: " + path});

    const bool readOnly = !writable(path, fileInfo) || !writable(folder, folderInfo);
    connection_ = std::make_shared<Connection>(
        path, readOnly ? Connection::Mode::ReadOnly : Connection::Mode::ReadWrite);

    // Reading the schema is the first access to the file: a file that is not SQLite is
    // recognised here, before anything could be written to it.
    const int rc = sqlite3_exec(handle(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr,
                                nullptr);
    if ((rc & 0xff) == SQLITE_NOTADB)
        throw EngineError(code::kNotADatabase, {path + " is not a database file"});
    if (rc != SQLITE_OK) throwSqliteError(handle(), rc);

    if (!readOnly) connection_->exec("PRAGMA journal_mode=DELETE");
    connection_->exec("PRAGMA synchronous=FULL");
    sqlite3_busy_timeout(handle(), 5000);
}

Database::Database(const std::string& folder, const Database& openedAs)
    : folder_(folder), connection_(openedAs.connection_) {}

Database::~Database() = default;

std::string Database::filePath() const { return folder_ + "/" + kFileName; }

bool Database::readOnly() const { return sqlite3_db_readonly(handle(), "main") == 1; }

sqlite3* Database::handle() const { return connection_->handle(); }

std::unique_ptr<TableCursor> Database::openTable(const std::string& fileName,
                                                 const std::string& indexName) {
    return std::make_unique<TableCursor>(handle(), folder_, tableOfFileName(fileName), indexName,
                                         readOnly());
}

std::unique_ptr<ResultSet> Database::select(const std::string& sql) {
    Statement statement = prepareSingle(handle(), sql);
    if (!sqlite3_stmt_readonly(statement.handle()) || sqlite3_column_count(statement.handle()) == 0)
        throw EngineError(code::kSqlRefused, {"Only a SELECT statement can be opened as a query"});
    return std::make_unique<ResultSet>(statement.release());
}

void Database::execute(const std::string& sql) {
    Statement statement = prepareSingle(handle(), sql);
    if (readOnly()) {
        if (!sqlite3_stmt_readonly(statement.handle()))
            throw EngineError(code::kReadOnly, {"The database is read-only: " + filePath()});
        while (statement.step()) {
        }
        return;
    }
    WriteTransaction transaction(handle());
    while (statement.step()) {
    }
    statement.reset();
    transaction.commit();
}

}  // namespace engine
