#include "write_transaction.h"

#include <sqlite3.h>

#include "connection.h"

namespace engine {

WriteTransaction::WriteTransaction(sqlite3* db) : db_(db) {
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throwSqliteError(db_, rc);
}

WriteTransaction::~WriteTransaction() {
    if (open_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::commit() {
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throwSqliteError(db_, rc);
    open_ = false;
}

}  // namespace engine
