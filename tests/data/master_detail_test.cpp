// A detail table following its master: the range on the link value, new rows taking it,
// and the detail settling before the master acts.
#include <gtest/gtest.h>

#include <QLocale>

#include "data_source.h"
#include "errors.h"
#include "schema.h"
#include "support/temp_database.h"
#include "table.h"

using testing_support::TempDatabase;

namespace {

class MasterDetailTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("en_US")));
        db.exec("INSERT INTO pessoa (Id_Cliente, Nome) VALUES (7, 'Ana'), (8, 'Bruno')");
        db.exec("INSERT INTO endereco (Id_Cliente, Logradouro) VALUES "
                "(8, 'Rua B1'), (7, 'Rua A1'), (7, 'Rua A2'), (8, 'Rua B2')");

        pessoas.setDatabaseName("C:\\nota_fiscal");
        pessoas.setDefinition(schema::pessoa());
        masterSource.setDataSet(&pessoas);
        enderecos.setDatabaseName("C:\\nota_fiscal");
        enderecos.setDefinition(schema::endereco());
        enderecos.setMasterSource(&masterSource);
        enderecos.setMasterFields("Id_Cliente");
        pessoas.open();
        enderecos.open();
    }

    QStringList shownStreets() {
        QStringList streets;
        if (enderecos.isEmpty()) return streets;
        streets << enderecos.fieldByName("Logradouro").displayText();
        for (const engine::Row& row : enderecos.neighbours(10, true))
            streets << QString::fromStdString(std::get<std::string>(row.values[3]));
        return streets;
    }

    TempDatabase db;
    Table pessoas{"Table1"};
    Table enderecos{"Table2"};
    DataSource masterSource;
};

TEST_F(MasterDetailTest, DetailShowsTheRowsOfTheCurrentMaster) {
    EXPECT_EQ(shownStreets(), (QStringList{"Rua A1", "Rua A2"}));
    enderecos.next();
    pessoas.next();
    EXPECT_EQ(shownStreets(), (QStringList{"Rua B1", "Rua B2"}));
    EXPECT_TRUE(enderecos.bof());  // on the first row of the new range

    pessoas.insert();  // a new customer has no number yet, so no addresses
    EXPECT_TRUE(enderecos.isEmpty());
    pessoas.cancel();
    EXPECT_EQ(shownStreets(), (QStringList{"Rua B1", "Rua B2"}));

    pessoas.close();
    EXPECT_TRUE(enderecos.isEmpty());
}

TEST_F(MasterDetailTest, WritingTheLinkFieldMovesTheDetailAtOnce) {
    pessoas.edit();
    pessoas.fieldByName("Id_Cliente").setText("8");
    EXPECT_EQ(shownStreets(), (QStringList{"Rua B1", "Rua B2"}));
    EXPECT_EQ(db.rows("SELECT Id_Cliente FROM pessoa WHERE Nome = 'Ana'"), QStringList{"7"});

    // The rows shown before keep the old value.
    pessoas.post();
    EXPECT_EQ(db.rows("SELECT Logradouro FROM endereco WHERE Id_Cliente = 7 ORDER BY rowid"),
              (QStringList{"Rua A1", "Rua A2"}));
}

TEST_F(MasterDetailTest, NewDetailRowTakesTheLinkValueWithoutCountingAsAChange) {
    enderecos.insert();
    EXPECT_EQ(enderecos.fieldByName("Id_Cliente").displayText(), "7");
    EXPECT_FALSE(enderecos.modified());
    pessoas.next();  // the unchanged row is discarded on the way
    EXPECT_EQ(db.rows("SELECT * FROM endereco").size(), 4);

    enderecos.append();
    enderecos.fieldByName("Logradouro").setText("Rua B3");
    pessoas.prior();  // a changed row is posted first
    EXPECT_EQ(db.rows("SELECT Id_Cliente FROM endereco WHERE Logradouro = 'Rua B3'"),
              QStringList{"8"});
    EXPECT_EQ(shownStreets(), (QStringList{"Rua A1", "Rua A2"}));
}

TEST_F(MasterDetailTest, FailingDetailRowStopsTheMastersPost) {
    pessoas.edit();
    pessoas.fieldByName("Nome").setText("Ana Maria");
    enderecos.insert();
    enderecos.fieldByName("Logradouro").setText("Rua A3");
    enderecos.fieldByName("Id_Cliente").clear();

    try {
        pessoas.post();
        FAIL() << "the post went through";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "Field 'Id_Cliente' must have a value");
    }
    EXPECT_EQ(pessoas.state(), DataSet::State::Edit);
    EXPECT_EQ(enderecos.state(), DataSet::State::Insert);
    EXPECT_EQ(db.rows("SELECT Nome FROM pessoa WHERE Id_Cliente = 7"), QStringList{"Ana"});
    EXPECT_EQ(db.rows("SELECT * FROM endereco").size(), 4);

    // Mended, the detail row goes first and then the master.
    enderecos.fieldByName("Id_Cliente").setText("7");
    pessoas.post();
    EXPECT_EQ(db.rows("SELECT Nome FROM pessoa WHERE Id_Cliente = 7"), QStringList{"Ana Maria"});
    EXPECT_EQ(db.rows("SELECT Id_Cliente FROM endereco WHERE Logradouro = 'Rua A3'"),
              QStringList{"7"});
}

TEST_F(MasterDetailTest, DetailRowGivenAnotherKeyLeavesTheRange) {
    enderecos.edit();
    enderecos.fieldByName("Id_Cliente").setText("8");
    enderecos.post();
    EXPECT_EQ(shownStreets(), QStringList{"Rua A2"});
    EXPECT_EQ(db.rows("SELECT Id_Cliente FROM endereco WHERE Logradouro = 'Rua A1'"),
              QStringList{"8"});
}

}  // namespace
