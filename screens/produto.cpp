#include "produto.h"

#include "data_source.h"
#include "record_frame.h"
#include "schema.h"
#include "table.h"

TForm3* Form3 = nullptr;

namespace {

const QString caption = QStringLiteral("Form3");
const QString databaseName = QStringLiteral("nota_fiscal");
constexpr QSize clientSize(373, 315);

// Label widths of Id_Produto, Produto, Descricao, Valor, Obs and Status in the design font,
// and the scroll range: everything fits, so no scroll bar shows at the initial size.
FrameLayout productLayout() {
    return FrameLayout::of(schema::produto().fields, {52, 37, 48, 24, 19, 30}, {300, 198});
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent), Table1(new Table("Table1", this)), DataSource1(new DataSource(this)) {
    setObjectName("Form3");
    setWindowTitle(caption);
    resize(clientSize);

    Table1->setDatabaseName(databaseName);
    Table1->setDefinition(schema::produto());
    DataSource1->setObjectName("DataSource1");
    DataSource1->setDataSet(Table1);

    frame_ = new RecordFrame(this, DataSource1, productLayout());
}

void TForm3::FormCreate() { Table1->open(); }
