// nfadmin: creating the five tables, refusing an existing database, the demo data, the
// check of a sound and of a damaged database, where a name leads, and the program itself.
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "admin.h"
#include "engine/database.h"
#include "engine/engine_error.h"
#include "engine/table_cursor.h"
#include "schema.h"
#include "support/temp_database.h"

using testing_support::TempDatabase;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

engine::ColumnType columnTypeOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::AutoIncrement: return engine::ColumnType::AutoIncrement;
    case FieldKind::Number: return engine::ColumnType::Number;
    case FieldKind::Money: return engine::ColumnType::Money;
    case FieldKind::Text: return engine::ColumnType::Char;
    }
    return engine::ColumnType::Other;
}

}  // namespace

TEST(NfadminInit, CreatesTheFiveTablesWithTheirColumnsAndIndexes) {
    TempDatabase temp(TempDatabase::Content::Empty);
    const std::string folder = temp.root().toStdString() + "/new/deeper";
    nfadmin::initDatabase(folder, false);

    engine::Database database(folder);
    for (const TableDef* table : schema::all()) {
        SCOPED_TRACE(table->fileName.toStdString());
        const auto cursor =
            database.openTable(table->fileName.toStdString(), table->indexName.toStdString());
        ASSERT_EQ(cursor->columns().size(), table->fields.size());
        for (std::size_t i = 0; i < table->fields.size(); ++i) {
            const FieldDef& field = table->fields[i];
            EXPECT_EQ(cursor->columns()[i].name, field.name.toStdString());
            EXPECT_EQ(cursor->columns()[i].type, columnTypeOf(field.kind));
            EXPECT_EQ(cursor->columns()[i].size, field.size);
        }
        if (!table->indexName.isEmpty()) {
            EXPECT_EQ(cursor->columns()[cursor->keyColumn()].name, table->indexName.toStdString());
        }
        EXPECT_FALSE(cursor->first());
    }
    // Required fields are the data layer's check: the columns themselves take empty values.
    database.execute("insert into endereco (Id_Cliente) values (NULL)");
    database.execute("insert into nota_fiscal (Numero_NF) values (NULL)");
}

TEST(NfadminInit, RefusesAnExistingDatabaseAndLeavesItAsItWas) {
    struct Case {
        const char* name;
        TempDatabase::Content content;
        const char* setup;  // SQL, or nullptr for a file that is not SQLite
        const char* reason;
    };
    const Case cases[] = {
        {"complete database", TempDatabase::Content::Demo, "", "already has the table pessoa"},
        {"one table in another case", TempDatabase::Content::Empty,
         "CREATE TABLE ITEM (x); INSERT INTO ITEM VALUES (42);", "already has the table item"},
        {"not a database", TempDatabase::Content::Empty, nullptr, "is not a database file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDatabase temp(c.content);
        if (c.content == TempDatabase::Content::Empty) {
            QFile file(temp.filePath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            if (!c.setup) file.write(QByteArray("Id_Cliente;Nome\r\n").repeated(300));
            file.close();
            if (c.setup) temp.exec(c.setup);
        }
        const QByteArray before = bytesOf(temp.filePath());
        try {
            nfadmin::initDatabase(temp.folder().toStdString(), true);
            ADD_FAILURE() << "accepted";
        } catch (const std::exception& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(temp.filePath().toStdString()), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(bytesOf(temp.filePath()), before);
    }
}

TEST(NfadminDemo, CustomersAddressesProductsAndTwoInvoices) {
    TempDatabase temp(TempDatabase::Content::Demo);
    EXPECT_EQ(temp.rows("select count(*) from pessoa"), QStringList{"4"});
    EXPECT_EQ(temp.rows("select Id_Cliente from pessoa order by Id_Cliente"),
              (QStringList{"1", "2", "3", "4"}));
    // Every customer has one or two addresses, and its default address is one of them.
    EXPECT_EQ(temp.rows("select count(*) from pessoa pe where "
                        "(select count(*) from endereco en where en.Id_Cliente = pe.Id_Cliente) "
                        "not between 1 and 2 or not exists (select 1 from endereco en where "
                        "en.Id_Endereco = pe.Id_Endereco_Padrao and en.Id_Cliente = pe.Id_Cliente)"),
              QStringList{"0"});
    EXPECT_GE(temp.rows("select Produto from produto").size(), 5);
    EXPECT_FALSE(temp.rows("select Valor from produto where Valor <> round(Valor)").isEmpty());
    EXPECT_EQ(temp.rows("select Numero_NF from nota_fiscal order by Numero_NF"),
              (QStringList{"1", "2"}));
    EXPECT_EQ(temp.rows("select pr.Valor || 'x' || it.Quantidade from item it, produto pr "
                        "where it.Id_Produto = pr.Id_Produto and it.Id_Nota_Fiscal = 1 "
                        "order by it.Id_Item"),
              (QStringList{"10x1", "2.5x2", "1.25x4"}));
    EXPECT_EQ(temp.rows("select sum(pr.Valor * it.Quantidade) from item it, produto pr "
                        "where it.Id_Produto = pr.Id_Produto and it.Id_Nota_Fiscal = 1"),
              QStringList{"20.0"});
    EXPECT_GE(temp.rows("select Id_Item from item where Id_Nota_Fiscal = 2").size(), 2);
    EXPECT_EQ(temp.rows("select Nome from pessoa where Id_Cliente = 2"), QStringList{"João Pereira"});
    EXPECT_TRUE(nfadmin::checkDatabase("nota_fiscal").empty());
}

TEST(NfadminCheck, ReportsEachDamageOnItsOwnLine) {
    struct Case {
        const char* damage;
        const char* problem;  // nullptr: still sound
    };
    const Case cases[] = {
        {"", nullptr},
        {"ALTER TABLE produto RENAME COLUMN Valor TO VALOR", nullptr},
        {"DROP TABLE produto; CREATE TABLE produto (Id_Produto INTEGER, Produto CHAR(30), "
         "Descricao CHAR(60), Valor NUMBER, Obs CHAR(100), Status MONEY)",
         nullptr},
        {"DROP TABLE pessoa; CREATE TABLE pessoa (Id_Cliente NUMBER, Id_Pessoa INTEGER PRIMARY "
         "KEY AUTOINCREMENT, Nome CHAR(40), Id_Endereco_Padrao NUMBER, Telefone CHAR(10), "
         "Obs CHAR(100), Status NUMBER)",
         "pessoa.DB: Field 'Nome' is not of the expected type"},
        {"ALTER TABLE endereco DROP COLUMN UF", "endereco.DB: Field 'UF' not found"},
        {"DROP INDEX Id_Nota_Fiscal",
         "item.DB: Index 'Id_Nota_Fiscal' does not exist on table 'item'"},
        {"DROP TABLE nota_fiscal", "nota_fiscal.db: Table 'nota_fiscal' does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        TempDatabase temp(TempDatabase::Content::Demo);
        if (*c.damage) temp.exec(c.damage);
        const std::vector<std::string> problems = nfadmin::checkDatabase("nota_fiscal");
        if (!c.problem) {
            EXPECT_TRUE(problems.empty()) << problems.front();
            continue;
        }
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].rfind(c.problem, 0), 0u) << problems[0];
    }
}

TEST(NfadminCheck, FindsADamagedFileAndAnAliasAwayFromTheFolder) {
    TempDatabase temp(TempDatabase::Content::Demo);
    {
        // Overwrites every page after the schema page.
        QFile file(temp.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        file.seek(4096);
        file.write(QByteArray(size - 4096, '\x5a'));
    }
    const std::vector<std::string> problems = nfadmin::checkDatabase("C:\\nota_fiscal");
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0].rfind("integrity: ", 0), 0u) << problems[0];

    QFile config(temp.configPath());
    ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write("[Drives]\nC=" + temp.root().toUtf8() + "\n[Aliases]\nnota_fiscal=C:\\copy\n");
    config.close();
    nfadmin::initDatabase(temp.root().toStdString() + "/copy", false);
    const std::vector<std::string> aliasProblems = nfadmin::checkDatabase("nota_fiscal");
    ASSERT_EQ(aliasProblems.size(), 1u);
    EXPECT_NE(aliasProblems[0].find("are different databases"), std::string::npos);
}

TEST(NfadminWhere, ResolvesAliasesAndFolders) {
    TempDatabase temp(TempDatabase::Content::Empty);
    const std::pair<const char*, QString> cases[] = {
        {"nota_fiscal", temp.folder()},
        {"NOTA_FISCAL", temp.folder()},
        {"C:\\nota_fiscal", temp.folder()},
        {"c:\\Arquivo\\2024", temp.root() + "/Arquivo/2024"},
    };
    for (const auto& [name, folder] : cases) {
        const nfadmin::Location location = nfadmin::where(name);
        EXPECT_EQ(QString::fromStdString(location.folder), folder) << name;
        EXPECT_EQ(QString::fromStdString(location.file), folder + "/database.sqlite3") << name;
    }
    EXPECT_THROW(nfadmin::where("estoque"), engine::EngineError);
}

TEST(NfadminProgram, ExitStatusAndMessages) {
    TempDatabase temp(TempDatabase::Content::Demo);
    struct Case {
        QStringList args;
        int exitCode;
        QString out, err;  // expected to be contained
    };
    const Case cases[] = {
        {{"where"}, 0, temp.folder() + "\n" + temp.filePath() + "\n", ""},
        {{"check"}, 0, temp.filePath() + ": ok", ""},
        {{"init"}, 1, "", "already has the table pessoa"},
        {{"init", "--demo", "C:\\segunda"}, 0, "Created " + temp.root() + "/segunda", ""},
        {{"check", "C:\\segunda"}, 0, ": ok", ""},
        {{}, 2, "", "Usage: nfadmin"},
        {{"bogus"}, 2, "", "Usage: nfadmin"},
        {{"where", "a", "b"}, 2, "", "Usage: nfadmin"},
        {{"check", "--fast"}, 2, "", "Usage: nfadmin"},
        {{"where", "estoque"}, 1, "", "Unknown database alias: estoque"},
        {{"check", "Z:\\x"}, 1, "", "Drive Z: is not mapped"},
        {{"check", "C:\\faltando"}, 1, "", "Database folder does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess program;
        program.start(NFADMIN_PROGRAM, c.args);
        ASSERT_TRUE(program.waitForFinished(60000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
        EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
    }
    EXPECT_TRUE(QFile::exists(temp.root() + "/segunda/database.sqlite3"));

    // A malformed engine configuration: the initialisation message, then what is wrong.
    QFile config(temp.configPath());
    ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write("[Drives]\nC=" + temp.root().toUtf8() + "\nnonsense\n");
    config.close();
    QProcess program;
    program.start(NFADMIN_PROGRAM, {"where"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(err.contains("initialize the database engine (error $2109)")) << err.toStdString();
    EXPECT_TRUE(err.contains(temp.configPath() + ", line 3")) << err.toStdString();
}
