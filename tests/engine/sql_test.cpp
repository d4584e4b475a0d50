// SQL through the engine: one statement at a time without parameter markers, read-only
// SELECT results with their column names and types, and the item INSERT.
#include <gtest/gtest.h>

#include <algorithm>
#include <strings.h>

#include "admin.h"
#include "engine/engine_error.h"
#include "engine/result_set.h"
#include "engine_fixture.h"

using engine::ColumnType;
using engine::EngineError;
using engine::Value;

namespace {

// A database with the five tables and the demo rows (invoice 1 has three items).
class SqlTest : public ::testing::Test {
protected:
    void SetUp() override {
        nfadmin::initDatabase(base.folder(), true);
        db = base.open();
    }
    std::string count(const char* table) const {
        return base.scalar(std::string("select count(*) from ") + table);
    }

    engine_testing::EngineFolder base;
    std::unique_ptr<engine::Database> db;
};

std::string lines(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) text += std::string(part) + "\r\n";
    return text;
}

}  // namespace

TEST_F(SqlTest, OneStatementWithoutParameterMarkers) {
    struct Case {
        std::string sql;
        const char* refusal;  // nullptr: accepted
    };
    const char* oneOnly = "Only one SQL statement can be executed at a time";
    const char* noMarkers = "Parameter markers are not allowed";
    const Case cases[] = {
        {"select * from produto", nullptr},
        {"select * from produto;", nullptr},
        {"select * from produto -- the list\r\n", nullptr},
        {"select * from produto; /* end */ ;\r\n\r\n", nullptr},
        {"select * from produto; delete from produto", oneOnly},
        {"select * from produto\r\n;\r\nselect 1", oneOnly},
        {std::string("select * from produto\0; delete from produto", 42), oneOnly},
        {"select * from produto where id_produto = ?", noMarkers},
        {"select * from produto where id_produto = :id", noMarkers},
        {"select * from produto where id_produto = @id", noMarkers},
        {lines({"select nf.numero_nf from nota_fiscal nf", "  where nf.numero_nf = $1F"}),
         noMarkers},
        {"", "no statement"},
        {"  -- nothing\r\n", "no statement"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        if (!c.refusal) {
            EXPECT_EQ(db->select(c.sql)->fetchAll(), 6u);
            continue;
        }
        for (const bool asSelect : {true, false}) {
            try {
                if (asSelect) db->select(c.sql);
                else db->execute(c.sql);
                ADD_FAILURE() << "accepted";
            } catch (const EngineError& error) {
                EXPECT_EQ(error.code(), engine::code::kSqlRefused);
                EXPECT_NE(std::string(error.what()).find(c.refusal), std::string::npos)
                    << error.what();
            }
        }
    }
    EXPECT_EQ(count("produto"), "6");
}

TEST_F(SqlTest, SelectIsReadOnly) {
    for (const char* sql : {"delete from produto", "begin", "update produto set valor = 0"}) {
        try {
            db->select(sql);
            ADD_FAILURE() << sql << " accepted";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.code(), engine::code::kSqlRefused) << sql;
        }
    }
    EXPECT_EQ(count("produto"), "6");
    EXPECT_EQ(base.scalar("select count(*) from produto where valor = 0"), "0");
}

TEST_F(SqlTest, ColumnNamesAndTypes) {
    const auto result = db->select(
        lines({"select pr.valor * it.quantidade, it.quantidade, pr.Descricao, PR.VALOR,",
               "       count(*) as linhas, 'x.y' || pr.produto, 1.5 * pr.valor",
               "from produto pr, item it where it.id_produto = pr.id_produto"}));
    struct Expected {
        const char* name;
        ColumnType type;
        int size;
    };
    const Expected expected[] = {
        {"valor * quantidade", ColumnType::Number, 0},
        {"quantidade", ColumnType::Number, 0},
        {"descricao", ColumnType::Char, 60},
        {"valor", ColumnType::Money, 0},
        {"linhas", ColumnType::Number, 0},
        {"'x.y' || produto", ColumnType::Number, 0},
        {"1.5 * valor", ColumnType::Number, 0},
    };
    ASSERT_EQ(result->columns().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(result->columnIndex(expected[i].name), static_cast<int>(i));
        EXPECT_TRUE(strcasecmp(result->columns()[i].name.c_str(), expected[i].name) == 0)
            << result->columns()[i].name;
        EXPECT_EQ(result->columns()[i].type, expected[i].type);
        EXPECT_EQ(result->columns()[i].size, expected[i].size);
    }
}

TEST_F(SqlTest, TableNamesWithoutRegardToCaseAndOrderBy) {
    const auto result = db->select(lines({"select * from PRODUTO", "order by produto"}));
    ASSERT_EQ(result->columns().size(), 6u);
    EXPECT_EQ(result->columns()[0].type, ColumnType::AutoIncrement);
    EXPECT_EQ(result->columnIndex("PRODUTO"), 1);
    std::vector<std::string> names;
    for (std::size_t row = 0; result->hasRow(row); ++row)
        names.push_back(std::get<std::string>(result->row(row)[1]));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.size(), 6u);
    EXPECT_FALSE(result->hasRow(6));
    EXPECT_TRUE(std::holds_alternative<std::int64_t>(result->row(0)[0]));
    EXPECT_TRUE(std::holds_alternative<double>(result->row(0)[3]));
}

TEST_F(SqlTest, FiveTableJoinOfTheInvoiceReport) {
    const std::string sql = lines({
        " select nf.numero_nf, ", "        nf.data, ", "        pe.nome, ",
        "        en.tipo_logradouro, ", "        en.logradouro, ", "        en.complemento, ",
        "        en.bairro, ", "        en.cidade, ", "        en.uf, ",
        "        it.quantidade, ", "        pr.descricao, ", "        pr.valor, ",
        "        pr.valor * it.quantidade ",
        " from pessoa pe, endereco en, nota_fiscal nf, item it, produto pr ",
        " where nf.id_cliente = pe.id_cliente ", "   and nf.id_endereco = en.id_endereco ",
        "   and nf.numero_nf = 1", "   and it.id_nota_fiscal = nf.numero_nf ",
        "   and it.id_produto = pr.id_produto ",
    });
    const auto result = db->select(sql);
    const char* names[] = {"numero_nf", "data",       "nome",      "tipo_logradouro",
                           "logradouro", "complemento", "bairro",   "cidade",
                           "uf",         "quantidade",  "descricao", "valor",
                           "valor * quantidade"};
    ASSERT_EQ(result->columns().size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(result->columnIndex(names[i]), static_cast<int>(i)) << names[i];

    ASSERT_EQ(result->fetchAll(), 3u);
    const int line = result->columnIndex("valor * quantidade");
    double total = 0;
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(std::get<double>(result->row(row)[0]), 1.0);
        total += std::get<double>(result->row(row)[line]);
    }
    EXPECT_DOUBLE_EQ(total, 20.0);
    EXPECT_EQ(std::get<std::string>(result->row(0)[2]), "Maria da Silva");
}

TEST_F(SqlTest, ItemInsertFillsTheAutoincrementAndLeavesOmittedColumnsEmpty) {
    const std::string maxBefore = base.scalar("select max(id_item) from item");
    db->execute(lines({" insert into item (id_nota_fiscal, id_produto, quantidade) values (",
                       "  15, ", "  3, ", "  -2 ", " )"}));
    EXPECT_EQ(base.scalar("select id_item from item where id_nota_fiscal = 15"),
              std::to_string(std::stoi(maxBefore) + 1));
    EXPECT_EQ(base.scalar("select id_produto || '|' || quantidade || '|' || "
                          "coalesce(status, 'NULL') from item where id_nota_fiscal = 15"),
              "3|-2|NULL");
}

TEST_F(SqlTest, FailedStatementWritesNothing) {
    const std::string before = count("item");
    const std::pair<const char*, int> cases[] = {
        {"insert into item (id_nota_fiscal, id_produto, quantidade) values (1, , 2)",
         engine::code::kSqlite + 1},
        {"insert into itens (id_nota_fiscal) values (1)", engine::code::kSqlite + 1},
        {"insert into item (id_item, id_nota_fiscal) values (1, 1)", engine::code::kSqlite + 19},
    };
    for (const auto& [sql, code] : cases) {
        try {
            db->execute(sql);
            ADD_FAILURE() << sql << " accepted";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.code(), code) << error.what();
            EXPECT_EQ(error.texts().size(), 1u);
        }
    }
    EXPECT_EQ(count("item"), before);
    db->execute("insert into item (id_nota_fiscal) values (9)");  // still usable afterwards
    EXPECT_EQ(std::stoi(count("item")), std::stoi(before) + 1);
}
