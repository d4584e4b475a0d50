// The data grid on real tables: an address grid under its customer (new rows, typing, leaving,
// deleting, failed writes, the required column) and the read-only product list with whole-row
// selection. Keys and clicks are real; boxes are answered by pressing their buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QWindow>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "data_source.h"
#include "db_grid.h"
#include "query.h"
#include "schema.h"
#include "support/modal.h"
#include "support/temp_database.h"
#include "table.h"

using testing_support::answerMessageBox;
using testing_support::SeenBox;
using testing_support::TempDatabase;

namespace {

constexpr int columnIdCliente = 1;
constexpr int columnLogradouro = 3;

// A window holding the grid and one other control to take the focus away.
struct GridWindow {
    explicit GridWindow(DataSource& source) : window(std::make_unique<QWidget>()) {
        window->resize(400, 200);
        other = new QLineEdit(window.get());
        other->setGeometry(0, 170, 100, 21);
        grid = new DBGrid(window.get());
        grid->setObjectName("DBGrid1");
        grid->setGeometry(0, 0, 361, 125);
        grid->setDataSource(&source);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        QApplication::processEvents();
    }

    // Keys go where the focus is: the grid, or its cell editor once open.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : grid, key, modifiers);
        QApplication::processEvents();
    }
    void type(const QString& text) {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : grid, c.toLatin1());
        }
        QApplication::processEvents();
    }
    void leaveGrid() {
        QTest::mouseClick(other, Qt::LeftButton);
        QApplication::processEvents();
    }
    bool editorHasFocus() const { return grid->cellEditor()->hasFocus(); }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    DBGrid* grid = nullptr;
};

class DetailGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("en_US")));
        db.exec("INSERT INTO pessoa (Id_Cliente, Nome) VALUES (7, 'Ana')");
        db.exec("INSERT INTO endereco (Id_Cliente, Logradouro) VALUES (7, 'Rua A1'), (7, 'Rua A2')");
        pessoas.setDatabaseName("C:\\nota_fiscal");
        pessoas.setDefinition(schema::pessoa());
        masterSource.setDataSet(&pessoas);
        enderecos.setDatabaseName("C:\\nota_fiscal");
        enderecos.setDefinition(schema::endereco());
        enderecos.setMasterSource(&masterSource);
        enderecos.setMasterFields("Id_Cliente");
        detailSource.setDataSet(&enderecos);
        pessoas.open();
        enderecos.open();
        ui = std::make_unique<GridWindow>(detailSource);
        ui->grid->setBorderStyle(DBGrid::BorderStyle::None);
    }
    void TearDown() override { ui.reset(); }

    QStringList storedStreets() const {
        return db.rows("SELECT Id_Cliente || ':' || ifnull(Logradouro, '') FROM endereco ORDER BY rowid");
    }
    QString text(const char* field) const { return enderecos.fieldByName(field).displayText(); }

    TempDatabase db;
    Table pessoas{"Table1"};
    Table enderecos{"Table2"};
    DataSource masterSource;
    DataSource detailSource;
    std::unique_ptr<GridWindow> ui;
};

const QStringList twoStreets{"7:Rua A1", "7:Rua A2"};

// A new row starts with the customer's number, counts as unchanged, and goes without a trace
// when the user leaves it untouched.
TEST_F(DetailGridTest, UntouchedNewRowIsDiscarded) {
    struct Case {
        const char* name;
        std::function<void(GridWindow&)> add;
        std::function<void(GridWindow&)> leave;
    };
    const auto toLastCell = [](GridWindow& w) {
        w.press(Qt::Key_End, Qt::ControlModifier);
        w.press(Qt::Key_Right, Qt::ControlModifier);
    };
    const std::vector<Case> cases{
        {"Insert key, focus leaves", [](GridWindow& w) { w.press(Qt::Key_Insert); },
         [](GridWindow& w) { w.leaveGrid(); }},
        {"Down from the last row, Up",
         [](GridWindow& w) {
             w.press(Qt::Key_End, Qt::ControlModifier);
             w.press(Qt::Key_Down);
         },
         [](GridWindow& w) { w.press(Qt::Key_Up); }},
        {"Tab from the last cell, focus leaves",
         [&](GridWindow& w) {
             toLastCell(w);
             w.press(Qt::Key_Tab);
             EXPECT_EQ(w.grid->currentColumn(), 0);
         },
         [](GridWindow& w) { w.leaveGrid(); }},
        {"Tab from the last cell, Up",
         [&](GridWindow& w) {
             toLastCell(w);
             w.press(Qt::Key_Tab);
         },
         [](GridWindow& w) { w.press(Qt::Key_Up); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->grid->setFocus();
        c.add(*ui);
        ASSERT_EQ(enderecos.state(), DataSet::State::Insert);
        EXPECT_EQ(text("Id_Cliente"), "7");
        EXPECT_EQ(ui->grid->cellText(ui->grid->currentRowSlot(), columnIdCliente), "7");
        EXPECT_FALSE(enderecos.modified());
        c.leave(*ui);
        EXPECT_EQ(enderecos.state(), DataSet::State::Browse);
        EXPECT_EQ(storedStreets(), twoStreets);
    }
}

TEST_F(DetailGridTest, DownOnUntouchedNewRowAtTheEndStaysThere) {
    ui->press(Qt::Key_End, Qt::ControlModifier);
    ui->press(Qt::Key_Down);
    ui->press(Qt::Key_Down);
    EXPECT_EQ(enderecos.state(), DataSet::State::Insert);
    EXPECT_EQ(ui->grid->currentRowSlot(), 2);
}

TEST_F(DetailGridTest, TypedNewRowIsPostedWhenTheUserMovesOn) {
    ui->press(Qt::Key_End, Qt::ControlModifier);
    ui->press(Qt::Key_Down);
    ui->grid->setCurrentColumn(columnLogradouro);
    ui->type("Rua Nova");
    EXPECT_TRUE(ui->grid->isEditorOpen());
    EXPECT_TRUE(ui->editorHasFocus());
    EXPECT_EQ(ui->grid->cellEditor()->text(), "Rua Nova");

    ui->press(Qt::Key_Up);
    EXPECT_EQ(enderecos.state(), DataSet::State::Browse);
    EXPECT_EQ(text("Logradouro"), "Rua A2");
    EXPECT_EQ(storedStreets(), (QStringList{"7:Rua A1", "7:Rua A2", "7:Rua Nova"}));
}

TEST_F(DetailGridTest, LeavingTheGridWritesTheCellButKeepsTheRowPending) {
    ui->grid->setCurrentColumn(columnLogradouro);
    ui->type("Rua Z");
    ui->leaveGrid();
    EXPECT_FALSE(ui->grid->isEditorOpen());
    EXPECT_EQ(enderecos.state(), DataSet::State::Edit);
    EXPECT_EQ(text("Logradouro"), "Rua Z");
    EXPECT_EQ(storedStreets(), twoStreets);
}

TEST_F(DetailGridTest, CtrlDeleteDeletesOnlyWhenAnsweredOk) {
    struct Case {
        QString button;  // empty: the box is closed
        QStringList stored;
    };
    for (const Case& c : {Case{"Cancel", twoStreets}, Case{"", twoStreets},
                          Case{"OK", QStringList{"7:Rua A2"}}}) {
        SCOPED_TRACE(c.button.toStdString());
        SeenBox seen;
        answerMessageBox(seen, c.button);
        ui->press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_TRUE(seen.seen);
        EXPECT_EQ(seen.title, "Confirm");
        EXPECT_EQ(seen.text, "Delete record?");
        EXPECT_EQ(storedStreets(), c.stored);
    }
}

TEST_F(DetailGridTest, CtrlDeleteOnNewRowDiscardsIt) {
    ui->press(Qt::Key_Insert);
    SeenBox seen;
    answerMessageBox(seen, "OK");
    ui->press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(seen.seen);
    EXPECT_EQ(enderecos.state(), DataSet::State::Browse);
    EXPECT_EQ(storedStreets(), twoStreets);
}

TEST_F(DetailGridTest, EscRestoresTheCellThenCancelsTheRow) {
    ui->grid->setCurrentColumn(columnLogradouro);
    ui->type("X");
    EXPECT_EQ(enderecos.state(), DataSet::State::Edit);
    ui->press(Qt::Key_Tab);  // writes "X"
    ui->type("Y");
    ui->press(Qt::Key_Escape);
    EXPECT_FALSE(ui->grid->isEditorOpen());
    EXPECT_EQ(enderecos.state(), DataSet::State::Edit);
    EXPECT_EQ(text("Complemento"), "");
    EXPECT_EQ(text("Logradouro"), "X");

    ui->press(Qt::Key_Escape);
    EXPECT_EQ(enderecos.state(), DataSet::State::Browse);
    EXPECT_EQ(text("Logradouro"), "Rua A1");
    EXPECT_EQ(storedStreets(), twoStreets);
}

TEST_F(DetailGridTest, NumberColumnRefusesLettersFromTheKeyboard) {
    ui->grid->setCurrentColumn(columnIdCliente);
    ui->type("a");
    EXPECT_EQ(enderecos.state(), DataSet::State::Browse);  // a refused key starts no edit
    EXPECT_EQ(ui->grid->cellEditor()->text(), "7");
    ui->type("9");
    EXPECT_EQ(enderecos.state(), DataSet::State::Edit);
    EXPECT_EQ(ui->grid->cellEditor()->text(), "9");
}

// Text the field cannot take stays in the cell, the cell keeps the focus, the row stays pending.
TEST_F(DetailGridTest, FailedCellWriteKeepsTheText) {
    struct Case {
        const char* name;
        std::function<void(GridWindow&)> write;
    };
    const std::vector<Case> cases{
        {"moving to the next row", [](GridWindow& w) { w.press(Qt::Key_Down); }},
        {"moving to the next cell", [](GridWindow& w) { w.press(Qt::Key_Tab); }},
        {"Enter", [](GridWindow& w) { w.press(Qt::Key_Return); }},
        {"leaving the grid", [](GridWindow& w) { w.leaveGrid(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->grid->setFocus();
        ui->grid->setCurrentColumn(columnIdCliente);
        ui->type("1e");
        SeenBox seen;
        answerMessageBox(seen);
        c.write(*ui);
        QApplication::processEvents();
        EXPECT_EQ(seen.text.toStdString(),
                  "'1e' is not a valid floating point value for field 'Id_Cliente'");
        EXPECT_EQ(ui->grid->currentColumn(), columnIdCliente);
        EXPECT_TRUE(ui->grid->isEditorOpen());
        EXPECT_TRUE(ui->editorHasFocus());
        EXPECT_EQ(ui->grid->cellEditor()->text(), "1e");
        EXPECT_EQ(enderecos.state(), DataSet::State::Edit);
        EXPECT_EQ(text("Logradouro"), "Rua A1");
        EXPECT_EQ(storedStreets(), twoStreets);
        ui->press(Qt::Key_Escape);
        ui->press(Qt::Key_Escape);
    }
}

TEST_F(DetailGridTest, EmptyRequiredColumnTakesFocusAndEditor) {
    ui->press(Qt::Key_Insert);
    ui->grid->setCurrentColumn(columnIdCliente);
    ui->press(Qt::Key_Backspace);  // clears the customer's number
    ui->press(Qt::Key_Tab);
    ui->press(Qt::Key_Tab);
    ui->type("Rua Sem Dono");
    EXPECT_EQ(ui->grid->currentColumn(), columnLogradouro);

    SeenBox seen;
    answerMessageBox(seen);
    ui->press(Qt::Key_Down);
    EXPECT_EQ(seen.text.toStdString(), "Field 'Id_Cliente' must have a value.");
    EXPECT_EQ(ui->grid->currentColumn(), columnIdCliente);
    EXPECT_TRUE(ui->grid->isEditorOpen());
    EXPECT_TRUE(ui->editorHasFocus());
    EXPECT_EQ(enderecos.state(), DataSet::State::Insert);
    EXPECT_EQ(text("Logradouro"), "Rua Sem Dono");
    EXPECT_EQ(storedStreets(), twoStreets);
}

TEST_F(DetailGridTest, ColumnsFollowTheFieldsAndTheirWidths) {
    const QFontMetrics cell = ui->grid->fontMetrics();
    const QFontMetrics title(ui->grid->titleFont());
    const int digit = cell.horizontalAdvance('0');
    ASSERT_EQ(ui->grid->columnCount(), 11);
    struct Case {
        int column;
        const char* title;
        int displayWidth;
    };
    for (const Case& c : {Case{0, "Id_Endereco", 10}, Case{2, "Tipo_Logradouro", 6},
                          Case{3, "Logradouro", 50}, Case{7, "UF", 2}}) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(ui->grid->columnTitle(c.column), c.title);
        EXPECT_EQ(ui->grid->columnWidth(c.column),
                  std::max(c.displayWidth * digit + 4, title.horizontalAdvance(c.title) + 4));
    }
    // The title is the wider one here.
    EXPECT_EQ(ui->grid->columnWidth(2), title.horizontalAdvance("Tipo_Logradouro") + 4);
    EXPECT_GT(ui->grid->columnWidth(2), 6 * digit + 4);
}

// The grid reads only the lines on screen; the current record keeps its line as the user moves
// and the scroll bar tells top, middle or bottom.
TEST_F(DetailGridTest, CurrentLineFollowsTheMovesThroughALongTable) {
    db.exec("DELETE FROM endereco");
    QStringList values;
    for (int i = 1; i <= 40; ++i) values << QString("(7, 'Rua %1')").arg(i, 2, 10, QChar('0'));
    db.exec("INSERT INTO endereco (Id_Cliente, Logradouro) VALUES " + values.join(", "));
    enderecos.refresh();
    enderecos.first();
    QApplication::processEvents();
    DBGrid& grid = *ui->grid;
    const int lines = grid.visibleRowCount();
    ASSERT_GE(lines, 3);
    const auto street = [](int n) { return QString("Rua %1").arg(n, 2, 10, QChar('0')); };

    struct Step {
        const char* name;
        std::function<void()> act;
        int current;   // street number of the current record
        int slot;      // its line on screen
        int scroll;    // 0 top, 2 middle, 4 bottom
    };
    const std::vector<Step> steps{
        {"start", [] {}, 1, 0, 0},
        {"Down to the last line", [&] { for (int i = 1; i < lines; ++i) ui->press(Qt::Key_Down); },
         lines, lines - 1, 2},
        {"Down past it scrolls", [&] { ui->press(Qt::Key_Down); }, lines + 1, lines - 1, 2},
        {"Ctrl+Up to the first line", [&] { ui->press(Qt::Key_Up, Qt::ControlModifier); }, 2, 0, 2},
        {"Ctrl+End", [&] { ui->press(Qt::Key_End, Qt::ControlModifier); }, 40, lines - 1, 4},
        {"Page Up", [&] { ui->press(Qt::Key_PageUp); }, 40 - lines, 0, 2},
        {"moved by someone else", [&] { enderecos.next(); }, 41 - lines, 1, 2},
        {"Ctrl+Home", [&] { ui->press(Qt::Key_Home, Qt::ControlModifier); }, 1, 0, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        QApplication::processEvents();
        EXPECT_EQ(text("Logradouro"), street(step.current));
        EXPECT_EQ(grid.currentRowSlot(), step.slot);
        EXPECT_EQ(grid.cellText(0, columnLogradouro), street(step.current - step.slot));
        EXPECT_EQ(grid.cellText(lines - 1, columnLogradouro),
                  street(step.current - step.slot + lines - 1));
        EXPECT_EQ(grid.verticalScrollBar()->value(), step.scroll);
    }
}

// ---- The product list ----------------------------------------------------------------------

class ProductListTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale("en_US")));
        db.exec("INSERT INTO produto (Produto, Valor) VALUES ('Caneta', 2.5), ('Apagador', 4), "
                "('Borracha', 1)");
        products.setDatabaseName("nota_fiscal");
        products.addSql("select * from produto");
        products.addSql("order by produto");
        source.setDataSet(&products);
        products.open();
        ui = std::make_unique<GridWindow>(source);
        ui->grid->setOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines |
                             dgTabs | dgRowSelect | dgConfirmDelete | dgCancelOnExit);
    }
    void TearDown() override { ui.reset(); }

    QString product() const { return products.fieldByName("Produto").displayText(); }

    TempDatabase db;
    Query products{"Query1"};
    DataSource source;
    std::unique_ptr<GridWindow> ui;
};

TEST_F(ProductListTest, KeysThatAddOrDeleteRowsChangeNothing) {
    ui->press(Qt::Key_Insert);
    ui->press(Qt::Key_End, Qt::ControlModifier);
    ui->press(Qt::Key_Down);
    ui->press(Qt::Key_Delete, Qt::ControlModifier);
    ui->type("x");
    ui->press(Qt::Key_F2);
    EXPECT_EQ(products.state(), DataSet::State::Browse);
    EXPECT_EQ(product(), "Caneta");
    EXPECT_FALSE(ui->grid->isEditorOpen());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(db.rows("SELECT count(*) FROM produto"), QStringList{"3"});
}

TEST_F(ProductListTest, DoubleClickActsOnTheClickedRow) {
    QStringList currentAtDoubleClick;
    QObject::connect(ui->grid, &DBGrid::doubleClicked,
                     [&] { currentAtDoubleClick << product(); });
    QWidget* viewport = ui->grid->viewport();
    QWindow* window = ui->window->windowHandle();
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier,
                       viewport->mapTo(ui->window.get(), ui->grid->cellRect(2, 1).center()));
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier,
                       viewport->mapTo(ui->window.get(), ui->grid->titleRect(1).center()));
    EXPECT_EQ(currentAtDoubleClick, (QStringList{"Caneta", "Caneta"}));
    EXPECT_EQ(ui->grid->currentColumn(), 1);
}

}  // namespace
