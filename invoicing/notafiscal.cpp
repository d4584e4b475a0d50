#include "notafiscal.h"

#include "add_item.h"
#include "data_source.h"
#include "db_edit.h"
#include "db_grid.h"
#include "engine_start_cursor.h"
#include "event_guard.h"
#include "invoicing_texts.h"
#include "push_button.h"
#include "query.h"
#include "record_frame.h"
#include "schema.h"
#include "show_modal.h"
#include "table.h"

TForm5* Form5 = nullptr;

namespace {

constexpr QSize kClientSize(386, 382);
constexpr QRect kButton1Geometry(232, 128, 129, 25);

// Where the fields go: the label widths the positions were designed with, the scroll ranges
// and the height of the invoice panel above the item grid.
FrameLayout invoiceLayout() {
    return FrameLayout::of(schema::notaFiscal().fields, {54, 71, 47, 59, 23, 19, 30}, {326, 160},
                           176);
}

}  // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent),
      Table1(new Table(QStringLiteral("Table1"), this)),
      DataSource1(new DataSource(this)),
      Table2(new Table(QStringLiteral("Table2"), this)),
      DataSource2(new DataSource(this)),
      DBGrid1(new DBGrid),
      Button1(new PushButton(invoicingtexts::handOverButton)) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(invoicingtexts::invoiceCaption);
    resize(kClientSize);

    Table1->setDatabaseName(QStringLiteral("nota_fiscal"));
    Table1->setDefinition(schema::notaFiscal());
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);

    // The items follow the invoice's number, which the item table keeps in Id_Nota_Fiscal.
    Table2->setDatabaseName(QStringLiteral("nota_fiscal"));
    Table2->setDefinition(schema::item());
    Table2->setIndexName(QStringLiteral("Id_Nota_Fiscal"));
    Table2->setMasterSource(DataSource1);
    Table2->setMasterFields(QStringLiteral("Numero_NF"));
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Table2);

    frame_ = new RecordFrame(this, DataSource1, invoiceLayout());
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setBorderStyle(DBGrid::BorderStyle::None);
    DBGrid1->setDataSource(DataSource2);
    frame_->setDetailGrid(DBGrid1);
    Button1->setObjectName(QStringLiteral("Button1"));
    frame_->addScrollBoxControl(Button1, kButton1Geometry);

    EditNumero_NF = frame_->edit(QStringLiteral("Numero_NF"));
    EditId_Nota_Fiscal = frame_->edit(QStringLiteral("Id_Nota_Fiscal"));
    EditId_Cliente = frame_->edit(QStringLiteral("Id_Cliente"));
    EditId_Endereco = frame_->edit(QStringLiteral("Id_Endereco"));
    EditData = frame_->edit(QStringLiteral("Data"));
    EditObs = frame_->edit(QStringLiteral("Obs"));
    EditStatus = frame_->edit(QStringLiteral("Status"));

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
}

void TForm5::FormCreate() {
    Table1->open();
    Table2->open();
}

// The number crosses as the edit shows it, typed or stored, posted or not. The dialog runs the
// product list afresh before it appears; when that fails the failure leaves this handler and
// the dialog stays hidden. Nothing is re-read once the dialog is closed.
void TForm5::Button1Click() {
    const QString invoiceNumber = EditNumero_NF->text();
    if (invoiceNumber.isEmpty()) return;
    Form4->numero_nota = invoiceNumber;

    Query* products = Form4->Query1;
    if (products->active()) products->close();
    {
        EngineStartCursor waitWhileEngineStarts;
        products->open();
    }
    showModal(Form4);
}
