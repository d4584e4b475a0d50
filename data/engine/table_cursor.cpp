#include "table_cursor.h"

#include <cctype>
#include <sqlite3.h>
#include <stdexcept>
#include <unordered_map>

#include "column_types.h"
#include "engine_error.h"
#include "record_lock.h"
#include "statement.h"
#include "write_transaction.h"

namespace engine {
namespace {

std::string quoted(const std::string& identifier) {
    std::string text = "\"";
    for (char c : identifier) {
        if (c == '"') text += '"';
        text += c;
    }
    return text + '"';
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool sameName(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

std::string textColumn(const Statement& statement, int column) {
    const Value value = statement.value(column, ColumnType::Char);
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

}  // namespace

// The cursor's prepared statements, kept for its lifetime, and the row reading they share.
struct TableCursor::Impl {
    sqlite3* db = nullptr;
    std::string lockFile;
    std::string from;        // FROM clause for ordered moves (forces the index when there is one)
    std::string plainFrom;   // FROM clause for lookups by rowid
    std::string selectList;  // rowid, then the columns in table order
    std::string key;         // the quoted key column, empty without index
    std::unordered_map<std::string, Statement> statements;

    Statement& statement(const std::string& sql) {
        auto found = statements.find(sql);
        if (found == statements.end()) found = statements.emplace(sql, Statement(db, sql)).first;
        return found->second;
    }

    // Runs a query of rows with `params` bound in order, appending at most `limit` rows.
    void read(const std::string& sql, const std::vector<Value>& params, int limit,
              const std::vector<Column>& columns, std::vector<Row>& out) {
        if (limit <= 0) return;
        Statement& query = statement(sql + " LIMIT ?");
        int position = 1;
        for (const Value& param : params) query.bind(position++, param);
        query.bind(position, Value{std::int64_t{limit}});
        try {
            while (query.step()) {
                Row row;
                row.rowid = sqlite3_column_int64(query.handle(), 0);
                row.values.reserve(columns.size());
                for (std::size_t i = 0; i < columns.size(); ++i)
                    row.values.push_back(query.value(static_cast<int>(i) + 1, columns[i].type));
                out.push_back(std::move(row));
            }
        } catch (...) {
            query.reset();
            throw;
        }
        query.reset();
    }

    std::string select(const std::string& where, const std::string& order) const {
        return "SELECT " + selectList + from + (where.empty() ? "" : " WHERE " + where) +
               " ORDER BY " + order;
    }

    void change(const std::string& sql, const std::vector<Value>& params, const char* goneText) {
        WriteTransaction transaction(db);
        Statement& write = statement(sql);
        int position = 1;
        try {
            for (const Value& param : params) write.bind(position++, param);
            write.step();
        } catch (...) {
            write.reset();
            throw;
        }
        write.reset();
        if (goneText && sqlite3_changes(db) == 0)
            throw EngineError(code::kRecordGone, {goneText});
        transaction.commit();
    }
};

TableCursor::TableCursor(sqlite3* db, std::string folder, std::string table,
                         std::string indexName, bool readOnly)
    : impl_(std::make_unique<Impl>()), readOnly_(readOnly) {
    impl_->db = db;

    {
        Statement find(db, "SELECT name, sql FROM sqlite_master WHERE type = 'table' AND "
                           "name = ?1 COLLATE NOCASE");
        find.bind(1, Value{table});
        if (!find.step())
            throw EngineError(code::kTableMissing,
                              {"Table '" + table + "' does not exist in " + folder});
        table_ = textColumn(find, 0);
    }

    {
        Statement info(db, "SELECT name, type FROM pragma_table_info(?1) ORDER BY cid");
        info.bind(1, Value{table_});
        while (info.step()) {
            const std::string name = textColumn(info, 0);
            int autoIncrement = 0;
            sqlite3_table_column_metadata(db, "main", table_.c_str(), name.c_str(), nullptr,
                                          nullptr, nullptr, nullptr, &autoIncrement);
            columns_.push_back(columnFromDeclaredType(name, textColumn(info, 1), autoIncrement));
        }
    }

    const std::string quotedTable = quoted(table_);
    impl_->plainFrom = " FROM " + quotedTable;
    impl_->from = impl_->plainFrom;
    impl_->selectList = "rowid";
    for (const Column& column : columns_) impl_->selectList += ", " + quoted(column.name);

    if (!indexName.empty()) {
        Statement indexes(db, "SELECT name FROM pragma_index_list(?1)");
        indexes.bind(1, Value{table_});
        std::string index;
        while (indexes.step()) {
            if (sameName(textColumn(indexes, 0), indexName)) index = textColumn(indexes, 0);
        }
        if (index.empty())
            throw EngineError(code::kIndexMissing,
                              {"Index '" + indexName + "' does not exist on table '" + table_ + "'"});
        Statement keys(db, "SELECT name FROM pragma_index_info(?1) WHERE seqno = 0");
        keys.bind(1, Value{index});
        keyColumn_ = keys.step() ? columnIndex(textColumn(keys, 0)) : -1;
        if (keyColumn_ < 0)
            throw EngineError(code::kIndexMissing,
                              {"Index '" + index + "' of table '" + table_ +
                               "' does not start with a column"});
        impl_->key = quoted(columns_[keyColumn_].name);
        impl_->from += " INDEXED BY " + quoted(index);
    }
    impl_->lockFile = folder + "/" + lower(table_) + ".lck";
}

TableCursor::~TableCursor() = default;

int TableCursor::columnIndex(const std::string& name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (sameName(columns_[i].name, name)) return static_cast<int>(i);
    return -1;
}

void TableCursor::setRange(std::optional<Value> value) {
    if (value && keyColumn_ < 0)
        throw EngineError(code::kIndexMissing,
                          {"Table '" + table_ + "' is opened without an index and has no range"});
    range_ = std::move(value);
}

// The moves. With a range the key is fixed and rows follow their rowid. Without one rows
// follow (key, rowid) with empty keys first, as SQLite sorts them; comparisons never see an
// empty key, so the empty keys are reached by queries of their own.

std::optional<Row> TableCursor::first() {
    std::vector<Row> rows;
    Impl& d = *impl_;
    if (range_) {
        if (!isNull(*range_)) d.read(d.select(d.key + " = ?", "rowid"), {*range_}, 1, columns_, rows);
    } else {
        d.read(d.select({}, d.key.empty() ? "rowid" : d.key + ", rowid"), {}, 1, columns_, rows);
    }
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

std::optional<Row> TableCursor::last() {
    std::vector<Row> rows;
    Impl& d = *impl_;
    if (range_) {
        if (!isNull(*range_))
            d.read(d.select(d.key + " = ?", "rowid DESC"), {*range_}, 1, columns_, rows);
    } else {
        d.read(d.select({}, d.key.empty() ? "rowid DESC" : d.key + " DESC, rowid DESC"), {}, 1,
               columns_, rows);
    }
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

std::vector<Row> TableCursor::next(const Row& from, int count) {
    std::vector<Row> rows;
    Impl& d = *impl_;
    const Value id{from.rowid};
    if (range_) {
        if (!isNull(*range_))
            d.read(d.select(d.key + " = ? AND rowid > ?", "rowid"), {*range_, id}, count, columns_,
                   rows);
    } else if (d.key.empty()) {
        d.read(d.select("rowid > ?", "rowid"), {id}, count, columns_, rows);
    } else if (const Value key = keyOf(from); isNull(key)) {
        d.read(d.select(d.key + " IS NULL AND rowid > ?", "rowid"), {id}, count, columns_, rows);
        d.read(d.select(d.key + " IS NOT NULL", d.key + ", rowid"), {},
               count - static_cast<int>(rows.size()), columns_, rows);
    } else {
        d.read(d.select(d.key + " = ? AND rowid > ?", "rowid"), {key, id}, count, columns_, rows);
        d.read(d.select(d.key + " > ?", d.key + ", rowid"), {key},
               count - static_cast<int>(rows.size()), columns_, rows);
    }
    return rows;
}

std::vector<Row> TableCursor::prior(const Row& from, int count) {
    std::vector<Row> rows;
    Impl& d = *impl_;
    const Value id{from.rowid};
    if (range_) {
        if (!isNull(*range_))
            d.read(d.select(d.key + " = ? AND rowid < ?", "rowid DESC"), {*range_, id}, count,
                   columns_, rows);
    } else if (d.key.empty()) {
        d.read(d.select("rowid < ?", "rowid DESC"), {id}, count, columns_, rows);
    } else if (const Value key = keyOf(from); isNull(key)) {
        d.read(d.select(d.key + " IS NULL AND rowid < ?", "rowid DESC"), {id}, count, columns_,
               rows);
    } else {
        d.read(d.select(d.key + " = ? AND rowid < ?", "rowid DESC"), {key, id}, count, columns_,
               rows);
        d.read(d.select(d.key + " < ?", d.key + " DESC, rowid DESC"), {key},
               count - static_cast<int>(rows.size()), columns_, rows);
        d.read(d.select(d.key + " IS NULL", "rowid DESC"), {},
               count - static_cast<int>(rows.size()), columns_, rows);
    }
    return rows;
}

std::optional<Row> TableCursor::fetch(std::int64_t rowid) {
    std::vector<Row> rows;
    Impl& d = *impl_;
    const std::string byRowid = "SELECT " + d.selectList + d.plainFrom + " WHERE rowid = ?";
    if (range_) {
        if (!isNull(*range_))
            d.read(byRowid + " AND " + d.key + " = ?", {Value{rowid}, *range_}, 1, columns_, rows);
    } else {
        d.read(byRowid, {Value{rowid}}, 1, columns_, rows);
    }
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

Value TableCursor::keyOf(const Row& row) {
    if (row.values.size() == columns_.size()) return row.values[keyColumn_];
    // A row known only by its rowid: its key as stored.
    std::vector<Row> stored;
    impl_->read("SELECT " + impl_->selectList + impl_->plainFrom + " WHERE rowid = ?",
                {Value{row.rowid}}, 1, columns_, stored);
    return stored.empty() ? Value{} : stored.front().values[keyColumn_];
}

void TableCursor::requireModifiable() const {
    if (readOnly_)
        throw EngineError(code::kReadOnly, {"Table '" + table_ + "' is read-only"});
}

// The columns a write sets: all but the autoincrement one, which the engine assigns.
std::vector<int> TableCursor::writtenColumns(const std::vector<Value>& values) const {
    if (values.size() != columns_.size())
        throw std::invalid_argument("row for table '" + table_ + "' has " +
                                    std::to_string(values.size()) + " values, expected " +
                                    std::to_string(columns_.size()));
    std::vector<int> written;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].type != ColumnType::AutoIncrement) written.push_back(static_cast<int>(i));
    return written;
}

std::int64_t TableCursor::insert(const std::vector<Value>& values) {
    requireModifiable();
    const std::vector<int> written = writtenColumns(values);
    std::string names, markers;
    std::vector<Value> params;
    for (int i : written) {
        names += (names.empty() ? "" : ", ") + quoted(columns_[i].name);
        markers += markers.empty() ? "?" : ", ?";
        params.push_back(values[i]);
    }
    const std::string table = quoted(table_);
    const std::string sql = written.empty()
                                ? "INSERT INTO " + table + " DEFAULT VALUES"
                                : "INSERT INTO " + table + " (" + names + ") VALUES (" + markers + ")";
    impl_->change(sql, params, nullptr);
    return sqlite3_last_insert_rowid(impl_->db);
}

void TableCursor::update(std::int64_t rowid, const std::vector<Value>& values) {
    requireModifiable();
    const std::vector<int> written = writtenColumns(values);
    if (written.empty()) return;
    std::string assignments;
    std::vector<Value> params;
    for (int i : written) {
        assignments += (assignments.empty() ? "" : ", ") + quoted(columns_[i].name) + " = ?";
        params.push_back(values[i]);
    }
    params.emplace_back(rowid);
    impl_->change("UPDATE " + quoted(table_) + " SET " + assignments + " WHERE rowid = ?", params,
                  "The record was deleted by another user");
}

void TableCursor::remove(std::int64_t rowid) {
    requireModifiable();
    impl_->change("DELETE FROM " + quoted(table_) + " WHERE rowid = ?", {Value{rowid}},
                  "The record was deleted by another user");
}

std::unique_ptr<RecordLock> TableCursor::lock(std::int64_t rowid) {
    requireModifiable();
    return std::make_unique<RecordLock>(impl_->lockFile, rowid);
}

}  // namespace engine
