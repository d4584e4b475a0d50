#pragma once
// One connection to one database folder, which holds the SQLite file database.sqlite3.
// A read-only file (or folder) is opened read-only without a message; its tables are then
// not modifiable.

#include <memory>
#include <string>

struct sqlite3;

namespace engine {

class TableCursor;
class ResultSet;
class Connection;

class Database {
public:
    static constexpr const char* kFileName = "database.sqlite3";

    // Opens (never creates) the database in `folder`; EngineError when the folder or file is
    // missing, unreadable or not an SQLite database.
    explicit Database(const std::string& folder);
    // A second name for a database already open: it shares that connection, so a result still
    // being read under one name never blocks a write under the other.
    Database(const std::string& folder, const Database& openedAs);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& folder() const { return folder_; }
    std::string filePath() const;
    bool readOnly() const;

    // A table by file name ("pessoa.DB", "produto.db": the name before the extension, without
    // regard to case), in the order of the named index (empty: row order).
    std::unique_ptr<TableCursor> openTable(const std::string& fileName,
                                           const std::string& indexName = {});

    // One SELECT as a read-only result. SQL holding a second statement or a parameter marker is
    // refused (code kSqlRefused). Lines may end in "\r\n".
    std::unique_ptr<ResultSet> select(const std::string& sql);

    // One statement that returns no rows (the item INSERT), in its own committed transaction.
    void execute(const std::string& sql);

    sqlite3* handle() const;

private:
    std::string folder_;
    std::shared_ptr<Connection> connection_;
};

}  // namespace engine
