// Opening a database folder: missing folder or file, a file that is not SQLite, a read-only
// file or folder, and how tables, columns and indexes are found.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>

#include "engine/engine_error.h"
#include "engine/result_set.h"
#include "engine/table_cursor.h"
#include "engine_fixture.h"

using engine::Column;
using engine::ColumnType;
using engine::EngineError;
using engine_testing::EngineFolder;

namespace {

// Expects `action` to fail with `code` and a message containing `text`.
template <typename Action>
void expectEngineError(Action action, int code, const std::string& text) {
    try {
        action();
        ADD_FAILURE() << "no error; expected " << text;
    } catch (const EngineError& error) {
        EXPECT_EQ(error.code(), code) << error.what();
        EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
    }
}

}  // namespace

TEST(Database, MissingFolderOrFileIsNamedAndNothingIsCreated) {
    EngineFolder base;
    const std::string missingFolder = base.folder() + "/nowhere";
    expectEngineError([&] { engine::Database db(missingFolder); }, engine::code::kFolderMissing,
                      missingFolder);

    ::mkdir(missingFolder.c_str(), 0755);
    const std::string missingFile = missingFolder + "/database.sqlite3";
    expectEngineError([&] { engine::Database db(missingFolder); }, engine::code::kDatabaseMissing,
                      missingFile);
    struct stat info {};
    EXPECT_NE(::stat(missingFile.c_str(), &info), 0) << "the open created a file";
}

TEST(Database, FileThatIsNotSqliteIsRefusedAndLeftUntouched) {
    EngineFolder base;
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Numero_NF;Data;Cliente\r\n";
    std::ofstream(base.file(), std::ios::binary | std::ios::trunc) << text;

    expectEngineError([&] { base.open(); }, engine::code::kNotADatabase,
                      base.file() + " is not a database file");
    EXPECT_EQ(engine_testing::fileBytes(base.file()), text);
    struct stat info {};
    EXPECT_NE(::stat((base.file() + "-journal").c_str(), &info), 0);
}

TEST(Database, WritableFileUsesDurableSettings) {
    EngineFolder base;
    const auto db = base.open();
    EXPECT_FALSE(db->readOnly());
    auto pragma = [&](const char* name) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db->handle(), name, -1, &statement, nullptr);
        sqlite3_step(statement);
        const std::string value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        return value;
    };
    EXPECT_EQ(pragma("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(pragma("PRAGMA synchronous"), "2");  // FULL
    EXPECT_EQ(pragma("PRAGMA busy_timeout"), "5000");
}

TEST(Database, ReadOnlyFileOrFolderOpensReadOnlyAndRefusesWrites) {
    for (const bool lockFolder : {false, true}) {
        SCOPED_TRACE(lockFolder ? "read-only folder" : "read-only file");
        EngineFolder base;
        base.exec("CREATE TABLE produto (Id_Produto INTEGER PRIMARY KEY AUTOINCREMENT, "
                  "Produto CHAR(30)); INSERT INTO produto (Produto) VALUES ('Caneta');");
        const std::string before = engine_testing::fileBytes(base.file());
        ::chmod(lockFolder ? base.folder().c_str() : base.file().c_str(), lockFolder ? 0555 : 0444);

        {
            const auto db = base.open();
            EXPECT_TRUE(db->readOnly());
            const auto table = db->openTable("produto.db");
            EXPECT_FALSE(table->modifiable());
            ASSERT_TRUE(table->first());
            EXPECT_EQ(std::get<std::string>(table->first()->values[1]), "Caneta");
            const auto row = *table->first();
            expectEngineError([&] { table->insert({{}, std::string("Lápis")}); },
                              engine::code::kReadOnly, "read-only");
            expectEngineError([&] { table->update(row.rowid, row.values); },
                              engine::code::kReadOnly, "read-only");
            expectEngineError([&] { table->remove(row.rowid); }, engine::code::kReadOnly,
                              "read-only");
            expectEngineError([&] { table->lock(row.rowid); }, engine::code::kReadOnly,
                              "read-only");
            expectEngineError([&] { db->execute("insert into produto (produto) values ('x')"); },
                              engine::code::kReadOnly, "read-only");
            EXPECT_EQ(db->select("select count(*) from produto")->fetchAll(), 1u);
        }
        ::chmod(base.folder().c_str(), 0755);
        ::chmod(base.file().c_str(), 0644);
        EXPECT_EQ(engine_testing::fileBytes(base.file()), before);
    }
}

TEST(Database, TablesAreFoundByFileNameWithoutRegardToCase) {
    EngineFolder base;
    base.exec("CREATE TABLE Nota_Fiscal (Numero_NF NUMBER)");
    const auto db = base.open();
    for (const char* name : {"nota_fiscal.db", "NOTA_FISCAL.DB", "Nota_Fiscal"})
        EXPECT_EQ(db->openTable(name)->tableName(), "Nota_Fiscal") << name;
    expectEngineError([&] { db->openTable("nota_fiscal.x.db"); }, engine::code::kTableMissing,
                      "nota_fiscal.x");
    expectEngineError([&] { db->openTable("pessoa.DB"); }, engine::code::kTableMissing, "pessoa");
    expectEngineError([&] { db->openTable("nota_fiscal.db", "Numero"); },
                      engine::code::kIndexMissing, "Numero");
}

TEST(Database, DeclaredTypesGiveColumnTypesAndSizes) {
    EngineFolder base;
    base.exec(
        "CREATE TABLE t (Id INTEGER PRIMARY KEY AUTOINCREMENT, Whole INTEGER, Amount NUMBER, "
        "F FLOAT, R real, D DOUBLE, Price MONEY, Name CHAR(50), V varchar ( 10 ), "
        "Free TEXT, Untyped)");
    base.exec("CREATE TABLE plain (Id INTEGER PRIMARY KEY, Name CHAR(8))");
    const auto db = base.open();
    const std::vector<Column> expected{
        {"Id", ColumnType::AutoIncrement, 0}, {"Whole", ColumnType::Integer, 0},
        {"Amount", ColumnType::Number, 0},    {"F", ColumnType::Number, 0},
        {"R", ColumnType::Number, 0},         {"D", ColumnType::Number, 0},
        {"Price", ColumnType::Money, 0},      {"Name", ColumnType::Char, 50},
        {"V", ColumnType::Char, 10},          {"Free", ColumnType::Other, 0},
        {"Untyped", ColumnType::Other, 0},
    };
    const auto table = db->openTable("t.db");
    ASSERT_EQ(table->columns().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table->columns()[i].name, expected[i].name);
        EXPECT_EQ(table->columns()[i].type, expected[i].type) << expected[i].name;
        EXPECT_EQ(table->columns()[i].size, expected[i].size) << expected[i].name;
    }
    EXPECT_EQ(table->columnIndex("PRICE"), 6);
    EXPECT_EQ(table->columnIndex("nothing"), -1);
    EXPECT_EQ(db->openTable("plain.db")->columns()[0].type, ColumnType::Integer);
}
