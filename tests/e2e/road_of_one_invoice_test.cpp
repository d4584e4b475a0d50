// The road of one invoice, walked as a user walks it: from an empty database, through the
// screens the start-up creates, pressing their real buttons and keys, to the report's text.
// A customer with an address, three products, an invoice with three items added through the
// add-item dialog, and the invoice previewed from the print screen; then what the database
// holds.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "add_item.h"
#include "db_edit.h"
#include "db_grid.h"
#include "db_navigator.h"
#include "locale_settings.h"
#include "notafiscal.h"
#include "pessoa.h"
#include "preview_window.h"
#include "principal.h"
#include "produto.h"
#include "relatorio.h"
#include "report.h"
#include "spin_edit.h"
#include "startup.h"
#include "support/modal.h"
#include "support/temp_database.h"
#include "text_export.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

using testing_support::TempDatabase;

namespace {

// ---- Pressing and typing -------------------------------------------------------------------

// A key to whatever has the focus.
void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

// Types text key by key into the control. Accented letters (ç, ã, á) are sent as the keys a
// Brazilian keyboard gives, whose codes are those of the capital letters.
void typeText(QWidget* control, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(control, c.toLatin1());
            continue;
        }
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, control, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, control, key, QString(c), Qt::NoModifier);
    }
}

// Enters a control as the Tab key does and types into it.
void typeInto(QWidget* control, const QString& text) {
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    typeText(control, text);
}

// Clears the spin edit the way a user does (select all, Backspace) and types the quantity.
void typeQuantity(SpinEdit* spinEdit, const QString& quantity) {
    spinEdit->setFocus(Qt::TabFocusReason);
    spinEdit->selectAll();
    QTest::keyClick(spinEdit, Qt::Key_Backspace);
    QTest::keyClicks(spinEdit, quantity);
}

// Clicks a navigator button of a screen by its name ("Insert", "Post", "Refresh").
void pressNavigator(QWidget* screen, const char* button) {
    auto navigator = screen->findChild<DBNavigator*>("DBNavigator");
    ASSERT_NE(navigator, nullptr) << screen->objectName().toStdString();
    auto pressed = navigator->findChild<QAbstractButton*>(button);
    ASSERT_NE(pressed, nullptr) << button;
    ASSERT_TRUE(pressed->isEnabled()) << button;
    QTest::mouseClick(pressed, Qt::LeftButton);
    QApplication::processEvents();
}

// The edit of a field on a record editing screen.
DBEdit* edit(QWidget* screen, const QString& field) {
    return screen->findChild<DBEdit*>("Edit" + field);
}

// Clicks `opener`, which shows `screen` modally; `steps` run while it is shown, then the screen
// is closed by its close box. Returns whether `screen` was the modal screen that came up.
bool whileModal(QAbstractButton* opener, QWidget* screen, std::function<void()> steps) {
    auto shown = std::make_shared<bool>(false);  // outlives the call if nothing came up
    testing_support::whenModal([shown, screen, steps = std::move(steps)](QWidget* modal) {
        *shown = modal == screen;
        if (*shown) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
            steps();
        }
        modal->close();
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    return *shown;
}

// ---- The address grid and the product list -------------------------------------------------

// Moves the grid's current cell to `column` of the same row with Tab, each cell written on the
// way.
void tabToColumn(DBGrid* grid, int column) {
    while (grid->currentColumn() < column) press(Qt::Key_Tab);
}

// Clicks the row of the product list whose Produto column shows `product`.
bool clickProduct(DBGrid* list, const QString& product) {
    constexpr int columnProduto = 1;
    for (int slot = 0; slot < list->visibleRowCount(); ++slot) {
        if (list->cellText(slot, columnProduto) != product) continue;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->cellRect(slot, columnProduto).center());
        QApplication::processEvents();
        return list->currentRowSlot() == slot;
    }
    return false;
}

// The rows a grid shows, each as its cells joined by '|', up to the first empty row.
QStringList gridRows(DBGrid* grid) {
    QStringList rows;
    for (int slot = 0; slot < grid->visibleRowCount(); ++slot) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells << grid->cellText(slot, column);
        if (cells.join(QString()).isEmpty()) break;
        rows << cells.join('|');
    }
    return rows;
}

// ---- The steps of the road -----------------------------------------------------------------

struct Product {
    const char* name;
    const char* description;
    const char* price;     // as typed under the Brazilian settings
    const char* quantity;  // on the invoice
};

const Product kProducts[] = {
    {"Caderno", "Caderno universitário", "10,00", "1"},
    {"Caneta", "Caneta azul", "2,50", "2"},
    {"Borracha", "Borracha branca", "1,25", "4"},
};

// The customer register: customer 7 with one address, both posted by the navigator's Post.
// Returns the number the engine gave the address, as its grid shows it.
QString registerCustomer() {
    QString addressNumber;
    EXPECT_TRUE(whileModal(Form1->Button1, Form2, [&] {
        pressNavigator(Form2, "Insert");
        typeInto(edit(Form2, "Id_Cliente"), "7");
        typeInto(edit(Form2, "Nome"), "Maria Conceição");
        typeInto(edit(Form2, "Telefone"), "1133334444");

        DBGrid* addresses = Form2->DBGrid1;
        QTest::mouseClick(addresses->viewport(), Qt::LeftButton, {}, QPoint(20, 30));
        press(Qt::Key_Insert);
        EXPECT_EQ(addresses->cellText(0, 1), "7");  // the customer's number, at once
        tabToColumn(addresses, 2);
        for (const char* cell : {"Rua", "das Flores", "apto 12", "Centro", "São Paulo", "SP"}) {
            typeText(QApplication::focusWidget(), QString::fromUtf8(cell));
            press(Qt::Key_Tab);
        }
        pressNavigator(Form2, "Post");  // posts the address, then the customer

        addressNumber = addresses->cellText(0, 0);
        EXPECT_FALSE(addressNumber.isEmpty());
        EXPECT_EQ(gridRows(addresses),
                  QStringList{addressNumber + "|7|Rua|das Flores|apto 12|Centro|São Paulo|SP|||"});
    }));
    return addressNumber;
}

// The product register: the three products, each inserted and posted.
void registerProducts() {
    EXPECT_TRUE(whileModal(Form1->Button2, Form3, [] {
        for (const Product& product : kProducts) {
            pressNavigator(Form3, "Insert");
            typeInto(edit(Form3, "Produto"), product.name);
            typeInto(edit(Form3, "Descricao"), QString::fromUtf8(product.description));
            typeInto(edit(Form3, "Valor"), product.price);
            pressNavigator(Form3, "Post");
            EXPECT_FALSE(edit(Form3, "Id_Produto")->text().isEmpty()) << product.name;
        }
    }));
}

// The invoice screen: invoice 15 posted, its three items added in the dialog, and the item
// grid read again. Returns the rows the item grid shows then.
QStringList issueInvoice(const QString& addressNumber) {
    QStringList itemsShown;
    EXPECT_TRUE(whileModal(Form1->Button3, Form5, [&] {
        pressNavigator(Form5, "Insert");
        typeInto(Form5->EditNumero_NF, "15");
        typeInto(Form5->EditId_Cliente, "7");
        typeInto(Form5->EditId_Endereco, addressNumber);
        typeInto(Form5->EditData, "11/12/26");
        pressNavigator(Form5, "Post");

        EXPECT_TRUE(whileModal(Form5->Button1, Form4, [] {
            for (const Product& product : kProducts) {
                EXPECT_TRUE(clickProduct(Form4->DBGrid1, product.name)) << product.name;
                typeQuantity(Form4->SpinEdit1, product.quantity);
                QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton);
            }
        }));
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form5));
        EXPECT_TRUE(gridRows(Form5->DBGrid1).isEmpty());  // not read again yet

        pressNavigator(Form5, "Refresh");
        itemsShown = gridRows(Form5->DBGrid1);
    }));
    return itemsShown;
}

// The print screen: invoice 15 previewed, the preview closed with Esc. Returns the text of the
// pages the preview produced.
QString printInvoice() {
    QString reportText;
    int previews = 0;
    auto connection = QObject::connect(
        Form6->Report1, &report::Report::previewReady, [&](report::PreviewWindow* window) {
            ++previews;
            reportText = report::documentText(window->document());
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
            EXPECT_TRUE(window->isClosed());
        });
    EXPECT_TRUE(whileModal(Form1->BitBtn1, Form6, [] {
        Form6->Edit1->selectAll();
        typeInto(Form6->Edit1, "15");
        EXPECT_EQ(Form6->Edit1->text(), "15");
        QTest::mouseClick(Form6->BitBtn1, Qt::LeftButton);
    }));
    QObject::disconnect(connection);
    EXPECT_EQ(previews, 1);
    return reportText;
}

// The report's text line by line, the blanks between its columns run together.
QStringList reportLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) lines << line.simplified();
    return lines;
}

// The user's settings for the test: Brazilian, restored afterwards.
class BrazilianSettings {
public:
    BrazilianSettings() : saved_(LocaleSettings::current()) {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("pt_BR")));
    }
    ~BrazilianSettings() { LocaleSettings::setCurrent(saved_); }

private:
    LocaleSettings saved_;
};

// ---- The road ------------------------------------------------------------------------------

TEST(RoadOfOneInvoice, FromAnEmptyDatabaseToTheReportsText) {
    TempDatabase database(TempDatabase::Content::Tables);
    BrazilianSettings brazilian;
    Screens screens;
    showMainWindow(screens.mainWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    const QString addressNumber = registerCustomer();
    ASSERT_EQ(addressNumber, "1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    registerProducts();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    // Id_Item|Id_Nota_Fiscal|Id_Produto|Quantidade|Status
    EXPECT_EQ(issueInvoice(addressNumber), QStringList({"1|15|1|1|", "2|15|2|2|", "3|15|3|4|"}));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    const QString reportText = printInvoice();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    EXPECT_FALSE(reportText.contains('\f'));  // one page
    const QStringList lines = reportLines(reportText);
    ASSERT_EQ(lines.size(), 6) << reportText.toStdString();
    EXPECT_EQ(lines[0], "Nota Fiscal 15");
    EXPECT_EQ(lines[1], "Unidade Quantidade Descricao Vlr Unitário Total");
    QStringList detailLines = lines.mid(2, 3);  // the engine returns the items in no set order
    detailLines.sort();
    EXPECT_EQ(detailLines, QStringList({"1 Caderno universitário R$ 10,00 10",
                                        "2 Caneta azul R$ 2,50 5",
                                        "4 Borracha branca R$ 1,25 5"}));
    EXPECT_EQ(lines[5], "R$ 20,00");

    EXPECT_EQ(database.rows("select * from pessoa"),
              QStringList{"7|1|Maria Conceição|NULL|1133334444|NULL|NULL"});
    EXPECT_EQ(database.rows("select * from endereco"),
              QStringList{"1|7|Rua|das Flores|apto 12|Centro|São Paulo|SP|NULL|NULL|NULL"});
    EXPECT_EQ(database.rows("select * from produto order by Id_Produto"),
              QStringList({"1|Caderno|Caderno universitário|10|NULL|NULL",
                           "2|Caneta|Caneta azul|2.5|NULL|NULL",
                           "3|Borracha|Borracha branca|1.25|NULL|NULL"}));
    // Numero_NF|Id_Nota_Fiscal|Id_Cliente|Id_Endereco|Data|Obs|Status
    EXPECT_EQ(database.rows("select * from nota_fiscal"),
              QStringList{"15|1|7|1|11/12/26|NULL|NULL"});
    // The items name the invoice by its number, 15, not by its own Id_Nota_Fiscal, 1.
    EXPECT_EQ(database.rows("select * from item order by Id_Item"),
              QStringList({"1|15|1|1|NULL", "2|15|2|2|NULL", "3|15|3|4|NULL"}));
}

}  // namespace
