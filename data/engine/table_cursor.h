#pragma once
// A keyset cursor over one table: a position is the row's index key plus its rowid, and every
// move is an indexed query, so no move loads the table and each costs O(log n).
//
// Order: by the index's first column then rowid (empty keys first), or by rowid without index.
// A range restricts the rows to those whose first index column equals a value (detail tables).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "column.h"
#include "record_lock.h"
#include "value.h"

struct sqlite3;

namespace engine {

struct Row {
    std::int64_t rowid = 0;
    std::vector<Value> values;  // one per column(), in column order
};

class TableCursor {
public:
    TableCursor(sqlite3* db, std::string folder, std::string table, std::string indexName,
                bool readOnly);
    ~TableCursor();

    const std::string& tableName() const { return table_; }
    const std::vector<Column>& columns() const { return columns_; }
    int columnIndex(const std::string& name) const;  // without regard to case; -1 if none
    int keyColumn() const { return keyColumn_; }     // first index column, -1 without index
    bool modifiable() const { return !readOnly_; }

    // Detail range: only rows whose key column equals `value` (an empty value matches nothing).
    // std::nullopt shows the whole table.
    void setRange(std::optional<Value> value);
    const std::optional<Value>& range() const { return range_; }

    std::optional<Row> first();
    std::optional<Row> last();
    std::vector<Row> next(const Row& from, int count);   // rows after `from`, in order
    std::vector<Row> prior(const Row& from, int count);  // rows before `from`, nearest first
    std::optional<Row> fetch(std::int64_t rowid);        // re-read; nullopt if gone or out of range

    // Writes, each its own committed transaction. Autoincrement columns are never written: the
    // engine assigns them on insert. Returns the new row's rowid.
    std::int64_t insert(const std::vector<Value>& values);
    void update(std::int64_t rowid, const std::vector<Value>& values);
    void remove(std::int64_t rowid);

    // Write lock on a record, across processes, held while the returned object lives.
    // EngineError(kRecordLocked) when another holder has it.
    std::unique_ptr<RecordLock> lock(std::int64_t rowid);

private:
    Value keyOf(const Row& row);
    void requireModifiable() const;
    std::vector<int> writtenColumns(const std::vector<Value>& values) const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string table_;
    std::vector<Column> columns_;
    int keyColumn_ = -1;
    bool readOnly_ = false;
    std::optional<Value> range_;
};

}  // namespace engine
