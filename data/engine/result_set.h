#pragma once
// The read-only result of one SELECT. Rows are stepped from SQLite as they are asked for and
// kept, so the first rows come at once and only a move to the end reads everything.
//
// Column names: a plain column takes its own name ("numero_nf"); a computed column takes its
// expression text with the table prefixes removed ("pr.valor * it.quantidade" becomes
// "valor * quantidade"). Declared types give the column type; computed columns are Number.

#include <cstddef>
#include <memory>
#include <vector>

#include "column.h"
#include "value.h"

struct sqlite3_stmt;

namespace engine {

class ResultSet {
public:
    explicit ResultSet(sqlite3_stmt* statement);  // takes ownership of a prepared statement
    ~ResultSet();

    const std::vector<Column>& columns() const { return columns_; }
    int columnIndex(const std::string& name) const;  // without regard to case; -1 if none

    bool hasRow(std::size_t index);                  // reads on as far as `index`
    const std::vector<Value>& row(std::size_t index);  // requires hasRow(index)
    std::size_t fetchAll();                            // reads everything; the row count

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::vector<Column> columns_;
};

}  // namespace engine
