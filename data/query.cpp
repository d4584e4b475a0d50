#include "query.h"

#include "data_messages.h"
#include "default_session.h"
#include "engine/database.h"
#include "engine/result_set.h"
#include "errors.h"

namespace {

FieldDef fieldFor(const engine::Column& column) {
    using engine::ColumnType;
    constexpr int kOtherTextSize = 255;
    FieldDef def;
    def.name = QString::fromStdString(column.name);
    switch (column.type) {
    case ColumnType::AutoIncrement:
    case ColumnType::Integer: def.kind = FieldKind::AutoIncrement; break;
    case ColumnType::Number: def.kind = FieldKind::Number; break;
    case ColumnType::Money: def.kind = FieldKind::Money; break;
    case ColumnType::Char:
        def.kind = FieldKind::Text;
        def.size = column.size;
        break;
    case ColumnType::Other:
        def.kind = FieldKind::Text;
        def.size = kOtherTextSize;
        break;
    }
    return def;
}

engine::Row rowAt(engine::ResultSet& result, std::size_t index) {
    return engine::Row{static_cast<std::int64_t>(index), result.row(index)};
}

}  // namespace

Query::Query(const QString& name, QObject* parent) : DataSet(name, parent) {}

Query::~Query() {
    try {
        close();
    } catch (...) {
        // Closing discards; a failing listener has nothing left to tell.
    }
}

void Query::clearSql() {
    close();
    sql_.clear();
}

void Query::addSql(const QString& line) {
    close();
    sql_.append(line);
}

void Query::setSql(const QStringList& lines) {
    close();
    sql_ = lines;
}

QString Query::sqlText() const {
    QString text;
    for (const QString& line : sql_) text += line + QStringLiteral("\r\n");
    return text;
}

void Query::execSQL() {
    defaultSession().database(databaseName_.toStdString()).execute(sqlText().toStdString());
}

void Query::doOpen() {
    engine::Database& database = defaultSession().database(databaseName_.toStdString());
    std::unique_ptr<engine::ResultSet> result = database.select(sqlText().toStdString());

    std::vector<std::unique_ptr<Field>> fields;
    const auto& columns = result->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        fields.push_back(std::make_unique<Field>(this, fieldFor(columns[i])));
        fields.back()->bindColumn(static_cast<int>(i));
    }
    fields_ = std::move(fields);
    columnCount_ = static_cast<int>(columns.size());
    result_ = std::move(result);
}

void Query::doClose() {
    // The fields stay until the next open, so a control still holding one finds no row.
    result_.reset();
    columnCount_ = 0;
}

std::optional<engine::Row> Query::doFirst() {
    if (!result_->hasRow(0)) return std::nullopt;
    return rowAt(*result_, 0);
}

std::optional<engine::Row> Query::doLast() {
    const std::size_t count = result_->fetchAll();
    if (count == 0) return std::nullopt;
    return rowAt(*result_, count - 1);
}

std::vector<engine::Row> Query::doNext(const engine::Row& from, int count) {
    std::vector<engine::Row> rows;
    for (std::size_t i = static_cast<std::size_t>(from.rowid) + 1;
         static_cast<int>(rows.size()) < count && result_->hasRow(i); ++i)
        rows.push_back(rowAt(*result_, i));
    return rows;
}

std::vector<engine::Row> Query::doPrior(const engine::Row& from, int count) {
    std::vector<engine::Row> rows;
    for (std::int64_t i = from.rowid - 1; i >= 0 && static_cast<int>(rows.size()) < count; --i)
        rows.push_back(rowAt(*result_, static_cast<std::size_t>(i)));
    return rows;
}

std::optional<engine::Row> Query::doFetch(const engine::Row& row) {
    if (row.rowid < 0 || !result_->hasRow(static_cast<std::size_t>(row.rowid))) return std::nullopt;
    return rowAt(*result_, static_cast<std::size_t>(row.rowid));
}

std::int64_t Query::doInsert(const engine::Row&) { throw DataError(datamsg::readOnlyDataSet(name())); }

void Query::doUpdate(const engine::Row&) { throw DataError(datamsg::readOnlyDataSet(name())); }

void Query::doRemove(const engine::Row&) { throw DataError(datamsg::readOnlyDataSet(name())); }
