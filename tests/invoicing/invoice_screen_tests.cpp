// The invoice screen: its layout, the required invoice fields, and the hand-over of the
// invoice number to the add-item dialog through Button1.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "bevel_panel.h"
#include "data_set.h"
#include "db_edit.h"
#include "db_grid.h"
#include "db_navigator.h"
#include "frame_scroll_box.h"
#include "invoicing_fixture.h"
#include "query.h"
#include "record_frame.h"
#include "support/modal.h"
#include "table.h"

using namespace invoicing_testing;
using testing_support::answerMessageBox;
using testing_support::SeenBox;

namespace {

struct FieldPlace {
    const char* label;
    QPoint labelAt;
    QRect edit;
};

// In field order, which is also the tab order.
const FieldPlace kFields[] = {
    {"Numero_NF", {6, 6}, {6, 21, 65, 21}},        {"Id_Nota_Fiscal", {77, 6}, {77, 21, 55, 21}},
    {"Id_Cliente", {154, 6}, {154, 21, 65, 21}},   {"Id_Endereco", {225, 6}, {225, 21, 65, 21}},
    {"Data", {6, 44}, {6, 59, 55, 21}},            {"Obs", {6, 82}, {6, 97, 288, 21}},
    {"Status", {6, 120}, {6, 135, 65, 21}},
};

bool waitFor(const SeenBox& box) { return QTest::qWaitFor([&] { return box.seen; }, 5000); }

int rowCount(DataSet& data) {
    if (data.isEmpty()) return 0;
    int count = 1;
    data.first();
    for (data.next(); !data.eof(); data.next()) ++count;
    return count;
}

}  // namespace

TEST_F(InvoicingTest, InvoiceScreenIsLaidOutAsDesigned) {
    RecordFrame& frame = *screen.frame();
    EXPECT_EQ(screen.windowTitle(), "Form5");
    EXPECT_EQ(screen.size(), QSize(386, 382));
    EXPECT_EQ(frame.panel1()->geometry(), QRect(0, 0, 386, 41));
    EXPECT_EQ(frame.navigator()->geometry(), QRect(8, 8, 240, 25));
    EXPECT_EQ(frame.panel2()->geometry(), QRect(0, 41, 386, 176));
    EXPECT_EQ(frame.panel2()->caption(), "Panel2");
    EXPECT_EQ(frame.scrollBox()->geometry(), QRect(6, 6, 374, 164));
    EXPECT_EQ(frame.scrollContent()->minimumSize(), QSize(326, 160));
    // The box is larger than its ranges: no scroll bar, and Button1 shows whole.
    EXPECT_FALSE(frame.scrollBox()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(frame.scrollBox()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(frame.scrollContent()->rect().contains(screen.Button1->geometry()));
    EXPECT_EQ(frame.panel3()->geometry(), QRect(0, 217, 386, 165));
    EXPECT_EQ(frame.panel3()->caption(), "Panel3");

    EXPECT_EQ(screen.DBGrid1->parentWidget(), frame.panel3());
    EXPECT_EQ(screen.DBGrid1->geometry(), QRect(6, 6, 374, 153));
    EXPECT_EQ(screen.DBGrid1->borderStyle(), DBGrid::BorderStyle::None);
    EXPECT_EQ(screen.DBGrid1->options(), defaultGridOptions);
    EXPECT_EQ(screen.DBGrid1->dataSource(), screen.DataSource2);
    EXPECT_EQ(screen.DBGrid1->titleFont().pixelSize(), 11);

    EXPECT_EQ(screen.Button1->parentWidget(), frame.scrollContent());
    EXPECT_EQ(screen.Button1->geometry(), QRect(232, 128, 129, 25));
    EXPECT_EQ(screen.Button1->text(), "Button1");
    EXPECT_FALSE(screen.Button1->isDefault());

    ASSERT_EQ(frame.edits().size(), std::size(kFields));
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const FieldPlace& expected = kFields[i];
        QLabel* label = frame.labels()[i];
        DBEdit* edit = frame.edits()[i];
        EXPECT_EQ(label->text(), expected.label);
        EXPECT_EQ(label->pos(), expected.labelAt) << expected.label;
        EXPECT_EQ(label->buddy(), edit) << expected.label;
        EXPECT_EQ(edit->objectName(), QStringLiteral("Edit") + expected.label);
        EXPECT_EQ(edit->geometry(), expected.edit) << expected.label;
        EXPECT_EQ(edit->dataSource(), screen.DataSource1) << expected.label;
    }
    EXPECT_EQ(screen.EditNumero_NF, frame.edits()[0]);
    EXPECT_EQ(screen.EditStatus, frame.edits()[6]);
}

// The focus starts on Panel1; Tab visits the seven edits, then Button1, then the item grid.
TEST_F(InvoicingTest, TabVisitsTheEditsThenButton1ThenTheGrid) {
    EXPECT_EQ(QApplication::focusWidget(), screen.frame()->panel1());
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"EditNumero_NF", "EditId_Nota_Fiscal", "EditId_Cliente",
                                    "EditId_Endereco", "EditData", "EditObs", "EditStatus",
                                    "Button1", "DBGrid1"}));
}

TEST_F(InvoicingTest, TablesAreTheInvoicesAndTheItemsFollowingTheInvoiceNumber) {
    EXPECT_TRUE(screen.Table1->active());
    EXPECT_TRUE(screen.Table2->active());
    EXPECT_EQ(screen.Table1->databaseName(), "nota_fiscal");
    EXPECT_EQ(screen.Table1->tableName(), "nota_fiscal.db");
    EXPECT_EQ(screen.Table2->databaseName(), "nota_fiscal");
    EXPECT_EQ(screen.Table2->tableName(), "item.DB");

    // Invoice 12 is stored with Id_Nota_Fiscal 1; its items are those that hold 12.
    database.exec("insert into item (Id_Nota_Fiscal, Id_Produto, Quantidade) values "
                  "(12, 7, 1), (1, 3, 2), (12, 9, 5)");
    clickNavigator(NavigatorButton::Refresh);
    EXPECT_EQ(rowCount(*screen.Table2), 2);
    EXPECT_EQ(screen.Table2->fieldByName("Id_Nota_Fiscal").displayText(), "12");
}

// Posting without Id_Cliente, then without Id_Endereco: each is named in turn, its edit takes
// the focus and nothing is written until both hold a value.
TEST_F(InvoicingTest, RequiredCustomerThenAddressAreReportedWithTheFocusOnTheirEdit) {
    clickNavigator(NavigatorButton::Insert);
    typeInto(screen.EditNumero_NF, "5");

    const struct {
        DBEdit* fillBefore;
        const char* typed;
        const char* message;
        DBEdit* focused;
    } steps[] = {
        {nullptr, "", "Field 'Id_Cliente' must have a value.", screen.EditId_Cliente},
        {screen.EditId_Cliente, "1", "Field 'Id_Endereco' must have a value.", screen.EditId_Endereco},
    };
    for (const auto& step : steps) {
        if (step.fillBefore) typeInto(step.fillBefore, step.typed);
        SeenBox box;
        answerMessageBox(box);
        clickNavigator(NavigatorButton::Post);
        ASSERT_TRUE(waitFor(box)) << step.message;
        EXPECT_EQ(box.text, step.message);
        EXPECT_EQ(screen.focusWidget(), step.focused) << step.message;
        EXPECT_EQ(screen.Table1->state(), DataSet::State::Insert);
        EXPECT_EQ(database.rows("select count(*) from nota_fiscal"), QStringList{"1"});
    }

    typeInto(screen.EditId_Endereco, "2");
    clickNavigator(NavigatorButton::Post);
    EXPECT_EQ(screen.Table1->state(), DataSet::State::Browse);
    EXPECT_EQ(database.rows("select Numero_NF, Id_Cliente, Id_Endereco from nota_fiscal "
                            "where Numero_NF = 5"),
              QStringList{"5|1|2"});
}

TEST_F(InvoicingTest, Button1HandsOverTheNumberShownAndShowsTheDialogOnTheFirstProduct) {
    bool listOpen = false;
    bool modal = false;
    QString firstProduct;
    EXPECT_TRUE(handOver([&] {
        listOpen = dialog.Query1->active();
        modal = QApplication::activeModalWidget() == &dialog;
        firstProduct = dialog.Query1->field(0).displayText();
    }));
    EXPECT_EQ(dialog.numero_nota, "12");
    EXPECT_TRUE(listOpen);
    EXPECT_TRUE(modal);
    EXPECT_EQ(firstProduct, "7");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Query1->active());  // stays open until the next hand-over
}

// Without a number in the edit nothing happens: on an empty invoice table, and on a new
// invoice whose number has not been typed.
TEST_F(InvoicingTest, Button1DoesNothingWithoutANumber) {
    dialog.numero_nota = "earlier";
    clickNavigator(NavigatorButton::Insert);
    EXPECT_FALSE(pressButton1ExpectingNothing());
    EXPECT_EQ(dialog.numero_nota, "earlier");
    EXPECT_FALSE(dialog.Query1->active());

    clickNavigator(NavigatorButton::Cancel);
    database.exec("delete from nota_fiscal");
    clickNavigator(NavigatorButton::Refresh);
    ASSERT_TRUE(screen.Table1->isEmpty());
    EXPECT_FALSE(pressButton1ExpectingNothing());
    EXPECT_EQ(dialog.numero_nota, "earlier");
    EXPECT_TRUE(items().isEmpty());
}

// A number typed into a new invoice goes over as typed; the invoice stays as it was left.
TEST_F(InvoicingTest, ANumberTypedButNotPostedIsHandedOverAsTyped) {
    clickNavigator(NavigatorButton::Insert);
    typeInto(screen.EditNumero_NF, "15");
    EXPECT_TRUE(handOver([&] { clickAdd(); }));

    EXPECT_EQ(dialog.numero_nota, "15");
    EXPECT_EQ(items(), QStringList{"1|15|7|0|NULL"});
    EXPECT_EQ(screen.Table1->state(), DataSet::State::Insert);
    EXPECT_EQ(screen.EditNumero_NF->text(), "15");
    EXPECT_EQ(database.rows("select count(*) from nota_fiscal"), QStringList{"1"});
}

// When the product list cannot be read the failure is reported and the dialog stays hidden.
TEST_F(InvoicingTest, AProductListThatCannotBeReadIsReportedAndNoDialogShows) {
    database.exec("drop table produto");
    SeenBox box;
    answerMessageBox(box);
    EXPECT_FALSE(pressButton1ExpectingNothing());
    ASSERT_TRUE(waitFor(box));
    EXPECT_FALSE(box.text.isEmpty());
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(dialog.numero_nota, "12");
    EXPECT_FALSE(dialog.Query1->active());
}

// Items added in the dialog appear in the item grid once the item table is read again.
TEST_F(InvoicingTest, TheItemGridIsNotReReadWhenTheDialogCloses) {
    ASSERT_TRUE(screen.Table2->isEmpty());
    EXPECT_TRUE(handOver([&] {
        clickAdd();
        clickAdd();
    }));
    EXPECT_EQ(items().size(), 2);
    EXPECT_TRUE(screen.Table2->isEmpty());

    clickNavigator(NavigatorButton::Refresh);
    EXPECT_EQ(rowCount(*screen.Table2), 2);
}

// Each showing reads the products afresh and starts on the first of them by name.
TEST_F(InvoicingTest, EachHandOverReadsTheProductsAgain) {
    EXPECT_TRUE(handOver([&] { QTest::keyClick(dialog.DBGrid1, Qt::Key_Down); }));
    database.exec("insert into produto (Id_Produto, Produto) values (20, 'Agenda')");
    EXPECT_TRUE(handOver([&] { clickAdd(); }));
    EXPECT_EQ(items(), QStringList{"1|12|20|0|NULL"});
}
