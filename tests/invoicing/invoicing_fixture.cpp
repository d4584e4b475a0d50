#include "invoicing_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "db_navigator.h"
#include "record_frame.h"
#include "spin_edit.h"
#include "support/modal.h"

namespace invoicing_testing {

InvoicingTest::InvoicingTest() {
    // By name the first product is 7.
    database.exec("insert into produto (Id_Produto, Produto) values "
                  "(7, 'Apontador'), (3, 'Borracha'), (9, 'Caneta')");
    database.exec("insert into nota_fiscal (Numero_NF, Id_Cliente, Id_Endereco, Data) "
                  "values (12, 1, 1, '01022024')");
    Form4 = &dialog;
    Form5 = &screen;
    screen.FormCreate();
    screen.show();
    QApplication::setActiveWindow(&screen);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
}

InvoicingTest::~InvoicingTest() {
    Form4 = nullptr;
    Form5 = nullptr;
}

bool InvoicingTest::handOver(const std::function<void()>& inDialog) {
    bool shown = false;
    testing_support::whenModal([&](QWidget* modal) {
        shown = modal == &dialog;
        if (shown && inDialog) inDialog();
        modal->close();
    });
    QTest::mouseClick(screen.Button1, Qt::LeftButton);
    return shown;
}

bool InvoicingTest::pressButton1ExpectingNothing() {
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        if (!dialog.isVisible()) return;
        shown = true;
        dialog.close();
    });
    QTest::mouseClick(screen.Button1, Qt::LeftButton);
    QApplication::processEvents();
    return shown;
}

void InvoicingTest::clickAdd() { QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton); }

void InvoicingTest::setQuantityTyped(const QString& typed) {
    dialog.SpinEdit1->setFocus();
    dialog.SpinEdit1->selectAll();
    QTest::keyClick(dialog.SpinEdit1, Qt::Key_Backspace);
    QTest::keyClicks(dialog.SpinEdit1, typed);
}

QStringList InvoicingTest::items() const {
    return database.rows(
        "select Id_Item, Id_Nota_Fiscal, Id_Produto, Quantidade, Status from item order by Id_Item");
}

void InvoicingTest::clickNavigator(NavigatorButton which) {
    QTest::mouseClick(screen.frame()->navigator()->button(which), Qt::LeftButton);
}

void InvoicingTest::typeInto(QWidget* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(edit, text);
}

}  // namespace invoicing_testing
