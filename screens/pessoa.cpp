#include "pessoa.h"

#include "data_source.h"
#include "schema.h"
#include "table.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QWidget(parent),
      Table1(new Table("Table1", this)),
      DataSource1(new DataSource(this)),
      Table2(new Table("Table2", this)),
      DataSource2(new DataSource(this)) {
    setObjectName("Form2");
    setWindowTitle("Form2");
    DataSource1->setObjectName("DataSource1");
    DataSource2->setObjectName("DataSource2");

    Table1->setDatabaseName("C:\\nota_fiscal");
    Table1->setDefinition(schema::pessoa());
    DataSource1->setDataSet(Table1);

    Table2->setDatabaseName("C:\\nota_fiscal");
    Table2->setDefinition(schema::endereco());
    Table2->setMasterSource(DataSource1);
    Table2->setMasterFields("Id_Cliente");
    DataSource2->setDataSet(Table2);
}

void TForm2::FormCreate() {
    Table1->open();
    Table2->open();
}
