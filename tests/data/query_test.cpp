// Queries: SQL lines, read-only results with fields made from the engine's columns, and
// statements run without a result.
#include <gtest/gtest.h>

#include <QLocale>

#include "errors.h"
#include "query.h"
#include "support/temp_database.h"

using testing_support::TempDatabase;

TEST(QueryTest, SelectGivesReadOnlyFieldsFromTheColumns) {
    TempDatabase db;
    LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("pt_BR")));
    db.exec("INSERT INTO produto (Produto, Valor) VALUES ('Papel', 12.5), ('Caneta', 1.5)");

    Query query("Query1");
    query.setDatabaseName("nota_fiscal");
    query.addSql("select * from produto");
    query.addSql("order by produto");
    EXPECT_EQ(query.sqlText(), "select * from produto\r\norder by produto\r\n");
    query.open();

    ASSERT_EQ(query.fieldCount(), 6);
    EXPECT_EQ(query.field(0).kind(), FieldKind::AutoIncrement);
    EXPECT_EQ(query.fieldByName("VALOR").kind(), FieldKind::Money);
    EXPECT_EQ(query.fieldByName("produto").size(), 30);
    EXPECT_EQ(query.field(1).displayText(), "Caneta");
    EXPECT_EQ(query.field(0).asString(), "2");
    EXPECT_EQ(query.fieldByName("Valor").displayText(), "R$ 1,50");
    query.next();
    EXPECT_EQ(query.fieldByName("Valor").asFloat(), 12.5);
    query.next();
    EXPECT_TRUE(query.eof());

    EXPECT_FALSE(query.modifiable());
    EXPECT_THROW(query.insert(), DataError);
    EXPECT_THROW(query.edit(), DataError);
    EXPECT_THROW(query.remove(), DataError);

    query.clearSql();  // a change of the lines closes the query
    EXPECT_FALSE(query.active());
    EXPECT_TRUE(query.sql().isEmpty());
}

TEST(QueryTest, ExecSqlRunsAStatementWithoutResult) {
    TempDatabase db;
    Query insert("Query2");
    insert.setDatabaseName("nota_fiscal");
    insert.setSql({" insert into item (id_nota_fiscal, id_produto, quantidade) values (",
                   "  12, ", "  7, ", "  3 ", " )"});
    insert.execSQL();
    EXPECT_EQ(db.rows("SELECT Id_Item, Id_Nota_Fiscal, Id_Produto, Quantidade, Status FROM item"),
              QStringList{"1|12|7|3|NULL"});

    Query computed("Query1");
    computed.setDatabaseName("nota_fiscal");
    computed.setSql({"select it.quantidade * 2 from item it"});
    computed.open();
    EXPECT_EQ(computed.field(0).name(), "quantidade * 2");
    EXPECT_EQ(computed.field(0).displayText(), "6");
}
