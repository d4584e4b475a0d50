#include "add_item.h"

#include "data_set.h"
#include "data_source.h"
#include "db_grid.h"
#include "event_guard.h"
#include "invoicing_texts.h"
#include "item_statement.h"
#include "push_button.h"
#include "query.h"
#include "screen_font.h"
#include "spin_edit.h"

TForm4* Form4 = nullptr;

namespace {

constexpr QPoint kDesignedPlace(306, 185);
constexpr QSize kClientSize(492, 413);

// The product list shows whole rows and cannot be typed into.
constexpr GridOptions kProductListOptions =
    GridOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                dgRowSelect | dgConfirmDelete | dgCancelOnExit);

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QWidget(parent),
      Query1(new Query(QStringLiteral("Query1"), this)),
      DataSource1(new DataSource(this)),
      BitBtn1(new PushButton(invoicingtexts::addButton, this)),
      DBGrid1(new DBGrid(this)),
      Query2(new Query(QStringLiteral("Query2"), this)),
      SpinEdit1(new SpinEdit(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(invoicingtexts::addItemCaption);
    setFont(screenFont());
    move(kDesignedPlace);
    resize(kClientSize);

    Query1->setDatabaseName(QStringLiteral("nota_fiscal"));
    Query1->setSql(itemstatement::productListLines());
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Query1);
    Query2->setDatabaseName(QStringLiteral("nota_fiscal"));

    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(48, 16, 41, 25);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(128, 16, 169, 25);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 56, 473, 345);
    DBGrid1->setOptions(kProductListOptions);
    DBGrid1->setDataSource(DataSource1);

    setTabOrder(BitBtn1, DBGrid1);
    setTabOrder(DBGrid1, SpinEdit1);
    BitBtn1->setFocus();  // the first control in tab order takes the focus when shown

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
    connect(DBGrid1, &DBGrid::doubleClicked, this,
            [this] { guarded([this] { DBGrid1DblClick(); }); });
}

void TForm4::DBGrid1DblClick() { adicionar_item(numero_nota); }

void TForm4::BitBtn1Click() { adicionar_item(numero_nota); }

// The values are pasted into the statement unquoted: anything but a plain number literal
// could change what the statement does, so it writes nothing. With no product there is no
// item to write either. The engine's refusal of a second statement stands behind this.
bool TForm4::adicionar_item(const QString& invoiceNumber) {
    bool written = false;
    try {
        const QString product = currentProduct();
        if (!itemstatement::isPlainNumberLiteral(invoiceNumber) ||
            !itemstatement::isPlainNumberLiteral(product))
            return false;
        Query2->clearSql();
        const QStringList lines = itemstatement::insertLines(
            invoiceNumber, product, QString::number(SpinEdit1->value()));
        for (const QString& line : lines) Query2->addSql(line);
        Query2->execSQL();
        written = true;
    } catch (...) {
        // An item that cannot be written is dropped without a word.
    }
    return written;
}

// The first column of the product list's current row, empty when there is none.
QString TForm4::currentProduct() const {
    DataSet* products = DataSource1->dataSet();
    if (!products || !products->active() || products->fieldCount() == 0) return {};
    return products->field(0).asString();
}
