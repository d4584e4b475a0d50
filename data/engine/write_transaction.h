#pragma once
// One write as one committed transaction: BEGIN IMMEDIATE on creation, COMMIT by commit(),
// ROLLBACK when it goes uncommitted (a failed write leaves the database as it was).

struct sqlite3;

namespace engine {

class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db);  // EngineError when the database can't be locked
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit();

private:
    sqlite3* db_;
    bool open_ = true;
};

}  // namespace engine
