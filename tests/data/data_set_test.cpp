// Editing a table through its data set against a real database: settling, posting, the
// required check, failures that keep the record, deleting, re-reading and record locks.
#include <gtest/gtest.h>

#include <QLocale>

#include "data_link.h"
#include "data_source.h"
#include "engine/engine_error.h"
#include "errors.h"
#include "schema.h"
#include "support/temp_database.h"
#include "table.h"

using testing_support::TempDatabase;

namespace {

// A control on the data source: it may hold unwritten text for one field and take the focus.
class FakeControl : public DataLink {
public:
    explicit FakeControl(DataSource& source) : source_(source) { source_.addLink(this); }
    ~FakeControl() override { source_.removeLink(this); }

    void type(Field& field, const QString& text) {
        ASSERT_TRUE(source_.edit());
        field_ = &field;
        typed_ = text;
    }
    void updateData() override {
        if (!field_) return;
        field_->setText(typed_);
        field_ = nullptr;
    }
    bool focusField(Field* field) override {
        focused = field;
        return true;
    }

    Field* focused = nullptr;

private:
    DataSource& source_;
    Field* field_ = nullptr;
    QString typed_;
};

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

class DataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("en_US")));
        db.exec("INSERT INTO produto (Produto, Valor, Status) VALUES "
                "('Caneta', 1.5, 1), ('Lapis', 0.75, 2), ('Papel', 12, 3)");
        produtos.setDatabaseName("nota_fiscal");
        produtos.setDefinition(schema::produto());
        source.setDataSet(&produtos);
        produtos.open();
    }

    QString produto() const { return produtos.fieldByName("Produto").displayText(); }

    TempDatabase db;
    Table produtos{"Table1"};
    DataSource source;
};

TEST_F(DataSetTest, NavigationMarksBeginningAndEnd) {
    EXPECT_TRUE(produtos.bof());
    EXPECT_FALSE(produtos.eof());
    EXPECT_EQ(produto(), "Caneta");

    produtos.next();
    produtos.next();
    EXPECT_EQ(produto(), "Papel");
    EXPECT_FALSE(produtos.eof());  // standing on the last row is not yet the end
    produtos.next();
    EXPECT_TRUE(produtos.eof());
    EXPECT_EQ(produto(), "Papel");

    produtos.prior();
    EXPECT_FALSE(produtos.eof());
    EXPECT_FALSE(produtos.bof());
    EXPECT_EQ(produtos.moveBy(-5), -1);
    EXPECT_TRUE(produtos.bof());
    produtos.last();
    EXPECT_TRUE(produtos.eof());
    EXPECT_EQ(produto(), "Papel");
    EXPECT_EQ(produtos.neighbours(5, false).size(), 2u);
    EXPECT_TRUE(produtos.neighbours(5, true).empty());
}

TEST_F(DataSetTest, NeighboursPlaceANewRecordBeforeItsRowOrAtTheEnd) {
    auto names = [](const std::vector<engine::Row>& rows) {
        QStringList list;
        for (const engine::Row& row : rows) list << QString::fromStdString(std::get<std::string>(row.values[1]));
        return list;
    };
    produtos.next();
    produtos.insert();
    EXPECT_EQ(names(produtos.neighbours(5, false)), QStringList{"Caneta"});
    EXPECT_EQ(names(produtos.neighbours(5, true)), (QStringList{"Lapis", "Papel"}));
    produtos.cancel();
    EXPECT_EQ(produto(), "Lapis");

    produtos.append();
    EXPECT_EQ(names(produtos.neighbours(2, false)), (QStringList{"Papel", "Lapis"}));
    EXPECT_TRUE(produtos.neighbours(5, true).empty());
    produtos.cancel();
    EXPECT_EQ(produto(), "Papel");
}

TEST_F(DataSetTest, EmptyTableIsAtBothEndsAndEditInserts) {
    db.exec("DELETE FROM produto");
    produtos.refresh();
    EXPECT_TRUE(produtos.isEmpty());
    EXPECT_TRUE(produtos.bof());
    EXPECT_TRUE(produtos.eof());

    produtos.edit();
    EXPECT_EQ(produtos.state(), DataSet::State::Insert);
    EXPECT_FALSE(produtos.isEmpty());
}

TEST_F(DataSetTest, SettlingPostsAChangedRecordAndDiscardsAnUnchangedOne) {
    FakeControl control(source);
    produtos.insert();
    control.type(produtos.fieldByName("Produto"), "Borracha");
    produtos.next();  // typed text is written, then the record posted
    EXPECT_EQ(produtos.state(), DataSet::State::Browse);
    EXPECT_EQ(db.rows("SELECT Produto FROM produto WHERE Produto = 'Borracha'").size(), 1);

    produtos.first();
    produtos.insert();
    EXPECT_FALSE(produtos.modified());
    produtos.next();
    EXPECT_EQ(produtos.state(), DataSet::State::Browse);
    EXPECT_EQ(db.rows("SELECT * FROM produto").size(), 4);
    EXPECT_EQ(produto(), "Lapis");  // discarded at Caneta, then one step on
}

TEST_F(DataSetTest, PostWritesAndStandsOnTheNewRow) {
    produtos.next();
    produtos.insert();
    EXPECT_EQ(produtos.neighbours(1, true).front().values[1], engine::Value(std::string("Lapis")));
    produtos.fieldByName("Produto").setText("Cola");
    produtos.fieldByName("Valor").setText("2.5");
    produtos.post();

    EXPECT_EQ(produtos.state(), DataSet::State::Browse);
    EXPECT_EQ(produto(), "Cola");
    EXPECT_EQ(produtos.fieldByName("Id_Produto").displayText(), "4");  // given by the engine
    EXPECT_EQ(db.rows("SELECT Id_Produto, Produto, Valor FROM produto WHERE Produto = 'Cola'"),
              QStringList{"4|Cola|2.5"});
}

TEST_F(DataSetTest, ClearingANumberStoresNull) {
    produtos.edit();
    produtos.fieldByName("Status").setText("");
    produtos.fieldByName("Valor").clear();
    produtos.post();
    EXPECT_EQ(db.rows("SELECT Valor, Status FROM produto WHERE Produto = 'Caneta'"),
              QStringList{"NULL|NULL"});
}

TEST_F(DataSetTest, RequiredFieldStopsThePostAndTakesTheFocus) {
    Table notas("Table1");
    DataSource notaSource;
    notas.setDatabaseName("nota_fiscal");
    notas.setDefinition(schema::notaFiscal());
    notaSource.setDataSet(&notas);
    FakeControl control(notaSource);
    notas.open();

    notas.insert();
    notas.fieldByName("Numero_NF").setText("15");
    notas.fieldByName("Id_Endereco").setText("3");
    EXPECT_EQ(messageOf([&] { notas.post(); }), "Field 'Id_Cliente' must have a value");
    EXPECT_EQ(control.focused, &notas.fieldByName("Id_Cliente"));
    EXPECT_EQ(notas.state(), DataSet::State::Insert);
    EXPECT_EQ(notas.fieldByName("Numero_NF").displayText(), "15");
    EXPECT_TRUE(db.rows("SELECT * FROM nota_fiscal").isEmpty());

    // Moving away settles, so it fails the same way and stays put.
    EXPECT_EQ(messageOf([&] { notas.first(); }), "Field 'Id_Cliente' must have a value");
    EXPECT_EQ(notas.state(), DataSet::State::Insert);
}

TEST_F(DataSetTest, FailedPostKeepsStateAndValues) {
    db.exec("CREATE TRIGGER refuse BEFORE UPDATE ON produto BEGIN SELECT RAISE(ABORT, 'refused'); END");
    produtos.edit();
    produtos.fieldByName("Produto").setText("Caneta azul");
    EXPECT_TRUE(messageOf([&] { produtos.post(); }).contains("refused"));
    EXPECT_EQ(produtos.state(), DataSet::State::Edit);
    EXPECT_TRUE(produtos.modified());
    EXPECT_EQ(produto(), "Caneta azul");
    EXPECT_EQ(db.rows("SELECT Produto FROM produto WHERE Id_Produto = 1"), QStringList{"Caneta"});

    // A refused text leaves the field as it was.
    EXPECT_EQ(messageOf([&] { produtos.fieldByName("Valor").setText("abc"); }),
              "'abc' is not a valid floating point value for field 'Valor'");
    EXPECT_EQ(produtos.fieldByName("Valor").editText(), "1.50");

    db.exec("DROP TRIGGER refuse");
    produtos.post();
    EXPECT_EQ(db.rows("SELECT Produto FROM produto WHERE Id_Produto = 1"), QStringList{"Caneta azul"});
}

TEST_F(DataSetTest, DeleteMovesToTheNextRowElseThePriorOne) {
    produtos.next();
    produtos.remove();
    EXPECT_EQ(produto(), "Papel");
    produtos.remove();
    EXPECT_EQ(produto(), "Caneta");
    EXPECT_EQ(db.rows("SELECT Produto FROM produto"), QStringList{"Caneta"});
    produtos.remove();
    EXPECT_TRUE(produtos.isEmpty());
    EXPECT_TRUE(produtos.bof() && produtos.eof());
}

TEST_F(DataSetTest, DeleteWhileEditingDeletesTheStoredRowAndWhileInsertingDiscards) {
    produtos.edit();
    produtos.fieldByName("Produto").setText("changed");
    produtos.remove();
    EXPECT_EQ(produtos.state(), DataSet::State::Browse);
    EXPECT_EQ(db.rows("SELECT Produto FROM produto"), (QStringList{"Lapis", "Papel"}));

    produtos.insert();
    produtos.fieldByName("Produto").setText("Novo");
    produtos.remove();
    EXPECT_EQ(produtos.state(), DataSet::State::Browse);
    EXPECT_EQ(produto(), "Lapis");
    EXPECT_EQ(db.rows("SELECT Produto FROM produto"), (QStringList{"Lapis", "Papel"}));
}

TEST_F(DataSetTest, RefreshKeepsThePosition) {
    produtos.next();
    db.exec("UPDATE produto SET Produto = 'Lapis de cor' WHERE Produto = 'Lapis'");
    db.exec("INSERT INTO produto (Produto) VALUES ('Tinta')");
    produtos.refresh();
    EXPECT_EQ(produto(), "Lapis de cor");

    db.exec("DELETE FROM produto WHERE Produto = 'Lapis de cor'");
    produtos.refresh();
    EXPECT_EQ(produto(), "Papel");  // gone: the next row
}

TEST_F(DataSetTest, EditReReadsUnderALockThatASecondTableCannotTake) {
    db.exec("UPDATE produto SET Valor = 2 WHERE Produto = 'Caneta'");
    produtos.edit();
    EXPECT_EQ(produtos.fieldByName("Valor").editText(), "2.00");

    Table other("Table1");
    other.setDatabaseName("nota_fiscal");
    other.setDefinition(schema::produto());
    other.open();
    EXPECT_THROW(other.edit(), engine::EngineError);
    EXPECT_EQ(other.state(), DataSet::State::Browse);
    EXPECT_THROW(other.remove(), engine::EngineError);
    EXPECT_EQ(db.rows("SELECT * FROM produto").size(), 3);

    produtos.cancel();  // frees the lock
    other.edit();
    EXPECT_EQ(other.state(), DataSet::State::Edit);
}

TEST_F(DataSetTest, WritingNeedsEditingState) {
    EXPECT_EQ(messageOf([&] { produtos.fieldByName("Produto").setText("x"); }),
              "Table1: Dataset not in edit or insert mode");
    EXPECT_EQ(messageOf([&] { produtos.fieldByName("Nada"); }), "Table1: Field 'Nada' not found");
    EXPECT_EQ(produtos.findField("VALOR"), &produtos.fieldByName("Valor"));
}

TEST(TableOpenTest, BindingFailureLeavesTheTableClosed) {
    TempDatabase db;
    db.exec("DROP TABLE pessoa");
    db.exec("CREATE TABLE pessoa (ID_CLIENTE NUMBER, Id_Pessoa INTEGER, NOME CHAR(40), "
            "Id_Endereco_Padrao NUMBER, Telefone CHAR(10), Obs CHAR(100), Status MONEY)");
    Table pessoas("Table1");
    pessoas.setDatabaseName("C:\\nota_fiscal");
    pessoas.setDefinition(schema::pessoa());
    EXPECT_EQ(messageOf([&] { pessoas.open(); }), "Field 'Nome' is not of the expected type");
    EXPECT_FALSE(pessoas.active());

    db.exec("ALTER TABLE pessoa RENAME COLUMN NOME TO Nome_Antigo");
    db.exec("ALTER TABLE pessoa ADD COLUMN nome CHAR(50)");
    pessoas.open();  // other letter case, a plain integer and money for number all bind
    EXPECT_TRUE(pessoas.active());
    pessoas.close();

    db.exec("ALTER TABLE pessoa DROP COLUMN Telefone");
    EXPECT_EQ(messageOf([&] { pessoas.open(); }), "Table1: Field 'Telefone' not found");
    EXPECT_FALSE(pessoas.active());
}

}  // namespace
