#include "pessoa.h"

#include "data_source.h"
#include "db_grid.h"
#include "record_frame.h"
#include "schema.h"
#include "table.h"

TForm2* Form2 = nullptr;

namespace {

const QString caption = QStringLiteral("Form2");
// The database by its folder rather than its alias: a second connection to the same file.
const QString databaseName = QStringLiteral("C:\\nota_fiscal");
const QString addressIndex = QStringLiteral("Id_Cliente");
const QString customerLink = QStringLiteral("Id_Cliente");
constexpr QSize clientSize(373, 315);

// Label widths of Id_Cliente, Id_Pessoa, Nome, Id_Endereco_Padrao, Telefone, Obs and Status in
// the design font, the scroll range and the height of the customer panel. The range is taller
// than the panel shows, so Obs and Status lie below the visible part until scrolled to.
FrameLayout customerLayout() {
    return FrameLayout::of(schema::pessoa().fields, {47, 50, 28, 101, 42, 19, 30}, {326, 198},
                           137);
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent),
      Table1(new Table("Table1", this)),
      DataSource1(new DataSource(this)),
      Table2(new Table("Table2", this)),
      DataSource2(new DataSource(this)),
      DBGrid1(new DBGrid(this)) {
    setObjectName("Form2");
    setWindowTitle(caption);
    resize(clientSize);

    Table1->setDatabaseName(databaseName);
    Table1->setDefinition(schema::pessoa());
    DataSource1->setObjectName("DataSource1");
    DataSource1->setDataSet(Table1);

    Table2->setDatabaseName(databaseName);
    Table2->setDefinition(schema::endereco());
    Table2->setIndexName(addressIndex);
    Table2->setMasterSource(DataSource1);
    Table2->setMasterFields(customerLink);
    DataSource2->setObjectName("DataSource2");
    DataSource2->setDataSet(Table2);

    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setBorderStyle(DBGrid::BorderStyle::None);
    DBGrid1->setDataSource(DataSource2);

    frame_ = new RecordFrame(this, DataSource1, customerLayout());
    frame_->setDetailGrid(DBGrid1);
}

void TForm2::FormCreate() {
    Table1->open();
    Table2->open();
}
