// The add-item dialog shown by the invoice screen: its layout, the item rows it writes for the
// current product and the quantity, the exact statement, and the invoice numbers it refuses.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "data_source.h"
#include "db_edit.h"
#include "db_grid.h"
#include "db_navigator.h"
#include "invoicing_fixture.h"
#include "locale_settings.h"
#include "query.h"
#include "record_frame.h"
#include "spin_edit.h"

using namespace invoicing_testing;

namespace {

QString lastQuantity(const QStringList& items) {
    return items.isEmpty() ? QString() : items.last().section('|', 3, 3);
}

}  // namespace

TEST_F(InvoicingTest, DialogIsLaidOutAsDesigned) {
    EXPECT_EQ(dialog.windowTitle(), "Form4");
    EXPECT_EQ(dialog.size(), QSize(492, 413));
    EXPECT_EQ(dialog.pos(), QPoint(306, 185));
    EXPECT_EQ(dialog.font().pixelSize(), 11);

    EXPECT_EQ(dialog.SpinEdit1->geometry(), QRect(48, 16, 41, 25));
    EXPECT_EQ(dialog.SpinEdit1->text(), "0");
    EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(128, 16, 169, 25));
    EXPECT_EQ(dialog.BitBtn1->text(), "BitBtn1");
    EXPECT_FALSE(dialog.BitBtn1->isDefault());
    EXPECT_EQ(dialog.DBGrid1->geometry(), QRect(8, 56, 473, 345));
    EXPECT_EQ(dialog.DBGrid1->borderStyle(), DBGrid::BorderStyle::Single);
    EXPECT_EQ(dialog.DBGrid1->options(),
              GridOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines |
                          dgTabs | dgRowSelect | dgConfirmDelete | dgCancelOnExit));
    EXPECT_EQ(dialog.DBGrid1->dataSource(), dialog.DataSource1);
    EXPECT_EQ(dialog.DataSource1->dataSet(), dialog.Query1);

    EXPECT_EQ(dialog.Query1->databaseName(), "nota_fiscal");
    EXPECT_EQ(dialog.Query1->sql(), QStringList({"select * from produto", "order by produto"}));
    EXPECT_FALSE(dialog.Query1->active());
    EXPECT_FALSE(dialog.Query1->modifiable());
    EXPECT_EQ(dialog.Query2->databaseName(), "nota_fiscal");
    EXPECT_TRUE(dialog.Query2->sql().isEmpty());
    EXPECT_TRUE(dialog.numero_nota.isEmpty());
}

// Shown, the dialog's focus is on BitBtn1; Tab goes on to the grid, Shift+Tab back to the spin
// edit. The product list shows every product column, by name.
TEST_F(InvoicingTest, DialogTabOrderAndProductColumns) {
    QStringList focused;
    QStringList titles;
    EXPECT_TRUE(handOver([&] {
        (void)QTest::qWaitForWindowActive(&dialog);
        focused << QApplication::focusWidget()->objectName();
        QTest::keyClick(dialog.BitBtn1, Qt::Key_Tab);
        focused << QApplication::focusWidget()->objectName();
        dialog.BitBtn1->setFocus();
        QTest::keyClick(dialog.BitBtn1, Qt::Key_Backtab, Qt::ShiftModifier);
        focused << (dialog.SpinEdit1->hasFocus() ? "SpinEdit1" : "elsewhere");
        for (int i = 0; i < dialog.DBGrid1->columnCount(); ++i)
            titles << dialog.DBGrid1->columnTitle(i);
    }));
    EXPECT_EQ(focused, QStringList({"BitBtn1", "DBGrid1", "SpinEdit1"}));
    EXPECT_EQ(titles, QStringList({"Id_Produto", "Produto", "Descricao", "Valor", "Obs", "Status"}));
}

// Invoice 12, product 7, quantity 3: one row with the engine's Id_Item, and the statement line
// by line with its blanks, each line ended by CR LF for the engine.
TEST_F(InvoicingTest, AddWritesTheInvoiceNumberTheCurrentProductAndTheQuantity) {
    bool written = false;
    EXPECT_TRUE(handOver([&] {
        setQuantityTyped("3");
        clickAdd();
        written = dialog.adicionar_item(dialog.numero_nota);
    }));
    EXPECT_TRUE(written);
    EXPECT_EQ(items(), QStringList({"1|12|7|3|NULL", "2|12|7|3|NULL"}));
    EXPECT_EQ(dialog.Query2->sql(),
              QStringList({" insert into item (id_nota_fiscal, id_produto, quantidade) values (",
                           "  12, ", "  7, ", "  3 ", " )"}));
    EXPECT_EQ(dialog.Query2->sqlText(),
              " insert into item (id_nota_fiscal, id_produto, quantidade) values (\r\n"
              "  12, \r\n  7, \r\n  3 \r\n )\r\n");
}

// The quantity is the spin edit's text read as a whole number, else 0. Cases run in order in
// one dialog after another, as the spin edit keeps its text between showings.
TEST_F(InvoicingTest, QuantityIsTheSpinEditsWholeNumberOrZero) {
    const QString decimal = LocaleSettings::current().decimalSeparator;
    auto paste = [this](const QString& text) {
        QApplication::clipboard()->setText(text);
        dialog.SpinEdit1->setFocus();
        dialog.SpinEdit1->selectAll();
        QTest::keyClick(dialog.SpinEdit1, Qt::Key_V, Qt::ControlModifier);
    };
    auto press = [this](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) QTest::keyClick(dialog.SpinEdit1, key);
    };
    const struct {
        const char* what;
        std::function<void()> setUp;
        const char* written;
    } cases[] = {
        {"untouched at the first showing", [] {}, "0"},
        {"typed with a minus sign", [&] { setQuantityTyped("-4"); }, "-4"},
        {"down arrow twice from 0", [&] { setQuantityTyped("0"); press(Qt::Key_Down, 2); }, "-2"},
        {"up arrow from pasted letters", [&] { paste("abc"); press(Qt::Key_Up, 1); }, "1"},
        {"empty", [&] { setQuantityTyped(""); }, "0"},
        {"a lone minus sign", [&] { setQuantityTyped("-"); }, "0"},
        {"a decimal separator", [&] { setQuantityTyped("1" + decimal + "5"); }, "0"},
        {"too many digits", [&] { setQuantityTyped("99999999999"); }, "0"},
        {"pasted with a blank after it", [&] { paste("12 "); }, "0"},
        {"pasted letters", [&] { paste("abc"); }, "0"},
        {"pasted with blanks before it and a sign", [&] { paste("  +7"); }, "7"},
        {"pasted in hexadecimal", [&] { paste("$1F"); }, "31"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(handOver([&] {
            c.setUp();
            clickAdd();
        })) << c.what;
        EXPECT_EQ(lastQuantity(items()), c.written) << c.what;
    }
    EXPECT_EQ(items().size(), static_cast<qsizetype>(std::size(cases)));
}

TEST_F(InvoicingTest, SameProductTwiceGivesTwoRows) {
    EXPECT_TRUE(handOver([&] {
        setQuantityTyped("2");
        clickAdd();
        clickAdd();
    }));
    EXPECT_EQ(items(), QStringList({"1|12|7|2|NULL", "2|12|7|2|NULL"}));
}

// Without products there is no current product: nothing is written and nothing is shown.
TEST_F(InvoicingTest, AnEmptyProductListWritesNothingAndShowsNothing) {
    database.exec("delete from produto");
    bool written = true;
    bool onlyTheDialog = false;
    EXPECT_TRUE(handOver([&] {
        clickAdd();
        written = dialog.adicionar_item(dialog.numero_nota);
        QApplication::processEvents();
        onlyTheDialog = QApplication::activeModalWidget() == &dialog;
    }));
    EXPECT_FALSE(written);
    EXPECT_TRUE(onlyTheDialog);
    EXPECT_TRUE(items().isEmpty());
}

// The number goes into the statement unquoted, so only a plain number literal is written;
// anything else writes nothing, and nothing else happens either.
TEST_F(InvoicingTest, OnlyAPlainNumberIsWrittenAsTheInvoiceNumber) {
    const struct {
        const char* number;
        bool written;
    } cases[] = {
        {"-3", true},     {"+4", true},      {"1.5", true},        {"2E3", true},
        {"1, 2", false},  {"1,5", false},    {"1); delete from produto", false},
        {"12 ", false},   {" 12", false},    {"abc", false},       {"1e", false},
        {"0x1F", false},  {"(12)", false},   {"12 -- x", false},   {"", false},
    };
    EXPECT_TRUE(handOver([&] {
        for (const auto& c : cases) {
            const qsizetype before = items().size();
            dialog.numero_nota = c.number;
            clickAdd();
            EXPECT_EQ(items().size(), before + (c.written ? 1 : 0)) << c.number;
            EXPECT_EQ(dialog.adicionar_item(c.number), c.written) << c.number;
        }
    }));
    EXPECT_EQ(database.rows("select count(*) from produto"), QStringList{"3"});
    EXPECT_EQ(database.rows("select distinct Id_Nota_Fiscal from item order by rowid"),
              QStringList({"-3", "4", "1.5", "2000"}));
}

// A product key is pasted unquoted as well: one that is not a number writes nothing. (A plain
// integer column, which the list accepts, can hold text.)
TEST_F(InvoicingTest, AProductKeyThatIsNotANumberWritesNothing) {
    database.exec("drop table produto");
    database.exec("create table produto (Id_Produto INTEGER, Produto CHAR(30), Descricao CHAR(60), "
                  "Valor MONEY, Obs CHAR(100), Status NUMBER)");
    database.exec("insert into produto (Id_Produto, Produto) values "
                  "('7 * 100', 'A'), (5, 'B')");
    bool firstWritten = true;
    EXPECT_TRUE(handOver([&] {
        firstWritten = dialog.adicionar_item(dialog.numero_nota);
        QTest::keyClick(dialog.DBGrid1, Qt::Key_Down);
        clickAdd();
    }));
    EXPECT_FALSE(firstWritten);
    EXPECT_EQ(items(), QStringList{"1|12|5|0|NULL"});
}

// With a comma as decimal separator an invoice numbered one and a half is shown, and handed
// over, as "1,5": no item can be written for it.
TEST_F(InvoicingTest, ANumberWithADecimalCommaWritesNothing) {
    const LocaleSettings saved = LocaleSettings::current();
    LocaleSettings comma = saved;
    comma.decimalSeparator = ',';
    comma.thousandSeparator = '.';
    LocaleSettings::setCurrent(comma);

    clickNavigator(NavigatorButton::Insert);
    typeInto(screen.EditNumero_NF, "1,5");
    EXPECT_TRUE(handOver([&] { clickAdd(); }));
    LocaleSettings::setCurrent(saved);

    EXPECT_EQ(dialog.numero_nota, "1,5");
    EXPECT_TRUE(items().isEmpty());
}

// A double-click adds the row it was made on; one on the title row adds the current row. The
// clicks go through the window, so each double-click brings its first press as the user's does.
TEST_F(InvoicingTest, DoubleClickAddsTheProductOfTheCurrentRow) {
    EXPECT_TRUE(handOver([&] {
        DBGrid* grid = dialog.DBGrid1;
        auto doubleClick = [&](QPoint inViewport) {
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                               grid->viewport()->mapTo(&dialog, inViewport));
        };
        doubleClick(grid->rowRect(1).center());
        doubleClick(grid->titleRect(1).center());
        doubleClick(grid->rowRect(2).center());
    }));
    EXPECT_EQ(items(), QStringList({"1|12|3|0|NULL", "2|12|3|0|NULL", "3|12|9|0|NULL"}));
}
