#include "produto.h"

#include "data_source.h"
#include "schema.h"
#include "table.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QWidget(parent), Table1(new Table("Table1", this)), DataSource1(new DataSource(this)) {
    setObjectName("Form3");
    setWindowTitle("Form3");
    DataSource1->setObjectName("DataSource1");

    Table1->setDatabaseName("nota_fiscal");
    Table1->setDefinition(schema::produto());
    DataSource1->setDataSet(Table1);
}

void TForm3::FormCreate() { Table1->open(); }
