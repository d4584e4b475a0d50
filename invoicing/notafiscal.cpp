#include "notafiscal.h"

#include "data_source.h"
#include "schema.h"
#include "table.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent)
    : QWidget(parent),
      Table1(new Table("Table1", this)),
      DataSource1(new DataSource(this)),
      Table2(new Table("Table2", this)),
      DataSource2(new DataSource(this)) {
    setObjectName("Form5");
    setWindowTitle("Form5");
    DataSource1->setObjectName("DataSource1");
    DataSource2->setObjectName("DataSource2");

    Table1->setDatabaseName("nota_fiscal");
    Table1->setDefinition(schema::notaFiscal());
    DataSource1->setDataSet(Table1);

    Table2->setDatabaseName("nota_fiscal");
    Table2->setDefinition(schema::item());
    Table2->setIndexName("Id_Nota_Fiscal");
    Table2->setMasterSource(DataSource1);
    Table2->setMasterFields("Numero_NF");
    DataSource2->setDataSet(Table2);
}

void TForm5::FormCreate() {
    Table1->open();
    Table2->open();
}
