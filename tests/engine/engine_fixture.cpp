#include "engine_fixture.h"

#include <fstream>
#include <iterator>
#include <sqlite3.h>
#include <stdexcept>

namespace engine_testing {
namespace {

struct Direct {
    explicit Direct(const std::string& file) {
        if (sqlite3_open(file.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Direct() { sqlite3_close_v2(db); }
    sqlite3* db = nullptr;
};

}  // namespace

EngineFolder::EngineFolder() {
    exec("PRAGMA user_version = 1");  // creates the file
}

std::string EngineFolder::folder() const { return dir_.path().toStdString(); }

std::string EngineFolder::file() const { return folder() + "/" + engine::Database::kFileName; }

void EngineFolder::exec(const std::string& sql) const {
    Direct direct(file());
    char* error = nullptr;
    if (sqlite3_exec(direct.db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(text);
    }
}

std::string EngineFolder::scalar(const std::string& sql) const {
    Direct direct(file());
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(direct.db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(direct.db));
    std::string value = "NULL";
    if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return value;
}

std::unique_ptr<engine::Database> EngineFolder::open() const {
    return std::make_unique<engine::Database>(folder());
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace engine_testing
