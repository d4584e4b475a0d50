// nfadmin check: SQLite's integrity check, then every table opened and bound as the screens
// open and bind it.
#include <memory>

#include "admin.h"
#include "binding.h"
#include "engine/database.h"
#include "engine/engine_error.h"
#include "engine/statement.h"
#include "engine/session.h"
#include "engine/table_cursor.h"
#include "errors.h"
#include "schema.h"

namespace nfadmin {
namespace {

constexpr const char* kAlias = "nota_fiscal";
constexpr const char* kFolderName = "C:\\nota_fiscal";

void checkIntegrity(engine::Database& database, std::vector<std::string>& problems) {
    try {
        engine::Statement check(database.handle(), "PRAGMA integrity_check");
        while (check.step()) {
            const engine::Value value = check.value(0, engine::ColumnType::Char);
            const auto* text = std::get_if<std::string>(&value);
            if (text && *text != "ok") problems.push_back("integrity: " + *text);
        }
    } catch (const engine::EngineError& error) {
        problems.push_back(std::string("integrity: ") + error.what());
    }
}

void checkTable(engine::Database& database, const TableDef& table,
                std::vector<std::string>& problems) {
    const std::string name = table.fileName.toStdString();
    try {
        const auto cursor = database.openTable(name, table.indexName.toStdString());
        binding::bindFields(table.fileName, table.fields, cursor->columns());
    } catch (const DataError& error) {
        const std::string message = error.what();
        problems.push_back(message.starts_with(name + ":") ? message : name + ": " + message);
    } catch (const engine::EngineError& error) {
        problems.push_back(name + ": " + error.what());
    }
}

// The customer register writes through the folder name and the other screens read through
// the alias: both must reach the same database.
void checkAliasAndFolder(engine::Session& session, std::vector<std::string>& problems) {
    const std::string byAlias = session.config().resolveFolder(kAlias);
    std::string byFolder;
    try {
        byFolder = session.config().resolveFolder(kFolderName);
    } catch (const engine::EngineError& error) {
        problems.push_back(std::string(kFolderName) + ": " + error.what());
        return;
    }
    if (byAlias != byFolder)
        problems.push_back(std::string("the alias ") + kAlias + " (" + byAlias +
                           ") and the folder " + kFolderName + " (" + byFolder +
                           ") are different databases");
}

}  // namespace

std::vector<std::string> checkDatabase(const std::string& databaseName) {
    engine::Session session;
    engine::Database& database = session.database(databaseName);
    std::vector<std::string> problems;
    checkIntegrity(database, problems);
    for (const TableDef* table : schema::all()) checkTable(database, *table, problems);
    if (databaseName == kAlias) checkAliasAndFolder(session, problems);
    return problems;
}

}  // namespace nfadmin
