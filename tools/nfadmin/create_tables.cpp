// nfadmin init: a new database with the five tables and the indexes the screens name.
#include <filesystem>
#include <stdexcept>

#include <sqlite3.h>

#include "admin.h"
#include "engine/connection.h"
#include "engine/database.h"
#include "engine/engine_error.h"
#include "engine/statement.h"
#include "engine/write_transaction.h"
#include "schema.h"

namespace nfadmin {
namespace {

std::string quoted(const QString& identifier) {
    QString text = identifier;
    return '"' + text.replace('"', "\"\"").toStdString() + '"';
}

std::string declaredType(const FieldDef& field) {
    switch (field.kind) {
    case FieldKind::AutoIncrement: return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case FieldKind::Number: return "NUMBER";
    case FieldKind::Money: return "MONEY";
    case FieldKind::Text: return "CHAR(" + std::to_string(field.size) + ")";
    }
    return "NUMBER";
}

// Columns stay nullable: the required check belongs to the data layer, at post.
std::string createTableSql(const TableDef& table) {
    std::string columns;
    for (const FieldDef& field : table.fields)
        columns += (columns.empty() ? "" : ", ") + quoted(field.name) + ' ' + declaredType(field);
    return "CREATE TABLE " + quoted(table.sqlName()) + " (" + columns + ")";
}

// Each named index is on the column of the same name (the detail's first key field); the
// product list is ordered by name, so produto gets an index on Produto as well.
std::vector<std::string> createIndexSql() {
    std::vector<std::string> statements;
    for (const TableDef* table : schema::all()) {
        if (table->indexName.isEmpty()) continue;
        statements.push_back("CREATE INDEX " + quoted(table->indexName) + " ON " +
                             quoted(table->sqlName()) + " (" + quoted(table->indexName) + ")");
    }
    statements.push_back("CREATE INDEX \"produto_Produto\" ON " +
                         quoted(schema::produto().sqlName()) + " (\"Produto\")");
    return statements;
}

void refuseExistingTables(sqlite3* db, const std::string& file) {
    try {
        engine::Statement(db, "SELECT count(*) FROM sqlite_master").step();
    } catch (const engine::EngineError& error) {
        if (error.code() == engine::code::kSqlite + SQLITE_NOTADB)
            throw std::runtime_error(file + " is not a database file; it was left as it was");
        throw;
    }
    for (const TableDef* table : schema::all()) {
        engine::Statement find(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                   "name = ?1 COLLATE NOCASE");
        find.bind(1, engine::Value{table->sqlName().toStdString()});
        if (find.step())
            throw std::runtime_error(file + " already has the table " +
                                     table->sqlName().toStdString() +
                                     "; the database was left as it was");
    }
}

}  // namespace

void initDatabase(const std::string& folder, bool demo) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::runtime_error("Cannot create the folder " + folder + ": " + error.message());

    const std::string file = folder + "/" + engine::Database::kFileName;
    {
        engine::Connection connection(file, engine::Connection::Mode::Create);
        refuseExistingTables(connection.handle(), file);
        engine::WriteTransaction transaction(connection.handle());
        for (const TableDef* table : schema::all())
            connection.exec(createTableSql(*table).c_str());
        for (const std::string& statement : createIndexSql()) connection.exec(statement.c_str());
        transaction.commit();
    }
    if (demo) addDemoData(folder);
}

}  // namespace nfadmin
