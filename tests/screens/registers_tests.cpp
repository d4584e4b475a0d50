// The product register and the customer register as the application builds them, on real
// tables: their exact layout, prices in the user's currency, cut text, empty products, the
// address grid following its customer, addresses posted, discarded and kept, and screens
// whose tables failed to open. Buttons, keys and boxes are the real ones.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "bevel_panel.h"
#include "data_source.h"
#include "db_edit.h"
#include "db_grid.h"
#include "db_navigator.h"
#include "frame_scroll_box.h"
#include "locale_settings.h"
#include "pessoa.h"
#include "produto.h"
#include "record_frame.h"
#include "support/modal.h"
#include "support/temp_database.h"
#include "table.h"

// Readable strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace testing_support;
using B = NavigatorButton;

namespace {

constexpr int columnIdCliente = 1;
constexpr int columnLogradouro = 3;

// The user's settings for one test, restored afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : saved_(LocaleSettings::current()) {
        LocaleSettings::setCurrent(LocaleSettings::fromLocale(QLocale(name)));
    }
    ~LocaleScope() { LocaleSettings::setCurrent(saved_); }

private:
    LocaleSettings saved_;
};

// Shows a screen active, as the main menu does.
void showActive(QWidget& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    (void)QTest::qWaitForWindowActive(&form);
}

// A key to whatever has the focus; returns what has it afterwards.
QWidget* press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QApplication::processEvents();
    return QApplication::focusWidget();
}

// Enters the edit as the Tab key does (its text selected) and types over it.
void typeInto(DBEdit* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(edit, text);
}

void pasteInto(DBEdit* edit, const QString& text) {
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(edit, QKeySequence::Paste);
}

void click(const RecordFrame* frame, B which) {
    QTest::mouseClick(frame->navigator()->button(which), Qt::LeftButton);
    QApplication::processEvents();
}

// Clicks a navigator button and answers the box it brings up.
SeenBox clickAnswering(const RecordFrame* frame, B which, const QString& answer = "OK") {
    SeenBox seen;
    answerMessageBox(seen, answer);
    click(frame, which);
    return seen;
}

bool waitForBox(const SeenBox& seen) {
    return QTest::qWaitFor([&] { return seen.seen; }, 5000);
}

// Clicks a row's first cell, then goes to the column with the arrow keys (the grid is wider
// than the window).
void clickCell(DBGrid* grid, int slot, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(slot, 0).center());
    QApplication::processEvents();
    for (int i = 0; i < column; ++i) press(Qt::Key_Right);
}

// Whether `widget` lies wholly inside the scroll box's visible part.
bool inView(const RecordFrame* frame, const QWidget* widget) {
    const QWidget* viewport = frame->scrollBox()->viewport();
    return viewport->rect().contains(QRect(widget->mapTo(viewport, QPoint(0, 0)), widget->size()));
}

// ---- Layout tables -------------------------------------------------------------------------

struct ControlPlace {
    const char* name;
    const char* parent;
    QRect geometry;
};

struct FieldPlace {
    const char* label;
    const char* caption;
    QPoint labelPos;
    const char* edit;
    QRect editGeometry;
};

struct ScreenLayout {
    const char* caption;
    std::vector<ControlPlace> controls;
    std::vector<FieldPlace> fields;  // in tab order
    QSize scrollRange;
    bool verticalBar, horizontalBar;
};

const ScreenLayout productLayout{
    "Form3",
    {{"Panel1", "Form3", {0, 0, 373, 41}},
     {"DBNavigator", "Panel1", {8, 8, 240, 25}},
     {"Panel2", "Form3", {0, 41, 373, 274}},
     {"ScrollBox", "Panel2", {6, 6, 361, 262}}},
    {{"Label1", "Id_Produto", {6, 6}, "EditId_Produto", {6, 21, 55, 21}},
     {"Label2", "Produto", {67, 6}, "EditProduto", {67, 21, 165, 21}},
     {"Label3", "Descricao", {6, 44}, "EditDescricao", {6, 59, 288, 21}},
     {"Label4", "Valor", {6, 82}, "EditValor", {6, 97, 65, 21}},
     {"Label5", "Obs", {6, 120}, "EditObs", {6, 135, 288, 21}},
     {"Label6", "Status", {6, 158}, "EditStatus", {6, 173, 65, 21}}},
    {300, 198},
    false,
    false};

const ScreenLayout customerLayout{
    "Form2",
    {{"Panel1", "Form2", {0, 0, 373, 41}},
     {"DBNavigator", "Panel1", {8, 8, 240, 25}},
     {"Panel2", "Form2", {0, 41, 373, 137}},
     {"ScrollBox", "Panel2", {6, 6, 361, 125}},
     {"Panel3", "Form2", {0, 178, 373, 137}},
     {"DBGrid1", "Panel3", {6, 6, 361, 125}}},
    {{"Label1", "Id_Cliente", {6, 6}, "EditId_Cliente", {6, 21, 65, 21}},
     {"Label2", "Id_Pessoa", {77, 6}, "EditId_Pessoa", {77, 21, 55, 21}},
     {"Label3", "Nome", {6, 44}, "EditNome", {6, 59, 265, 21}},
     {"Label4", "Id_Endereco_Padrao", {6, 82}, "EditId_Endereco_Padrao", {6, 97, 65, 21}},
     {"Label5", "Telefone", {113, 82}, "EditTelefone", {113, 97, 65, 21}},
     {"Label6", "Obs", {6, 120}, "EditObs", {6, 135, 288, 21}},
     {"Label7", "Status", {6, 158}, "EditStatus", {6, 173, 65, 21}}},
    {326, 198},
    true,
    false};

// Compares a shown screen with its layout table, and walks its tab order from Panel1.
void expectLayout(QWidget& form, const RecordFrame* frame, const ScreenLayout& layout) {
    EXPECT_EQ(form.windowTitle(), layout.caption);
    EXPECT_EQ(form.size(), QSize(373, 315));
    for (const ControlPlace& c : layout.controls) {
        SCOPED_TRACE(c.name);
        auto* control = form.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), c.parent);
        EXPECT_EQ(control->geometry(), c.geometry);
    }
    EXPECT_EQ(frame->scrollContent()->minimumSize(), layout.scrollRange);
    EXPECT_EQ(frame->scrollBox()->verticalScrollBar()->isVisible(), layout.verticalBar);
    EXPECT_EQ(frame->scrollBox()->horizontalScrollBar()->isVisible(), layout.horizontalBar);

    EXPECT_EQ(QApplication::focusWidget(), frame->panel1());
    for (const FieldPlace& f : layout.fields) {
        SCOPED_TRACE(f.edit);
        auto* label = form.findChild<QLabel*>(f.label);
        auto* edit = form.findChild<QLineEdit*>(f.edit);
        ASSERT_NE(label, nullptr);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(label->parentWidget(), frame->scrollContent());
        EXPECT_EQ(label->text(), f.caption);
        EXPECT_EQ(label->pos(), f.labelPos);
        EXPECT_EQ(label->buddy(), edit);
        EXPECT_EQ(edit->parentWidget(), frame->scrollContent());
        EXPECT_EQ(edit->geometry(), f.editGeometry);
        EXPECT_EQ(press(Qt::Key_Tab), edit);
    }
}

}  // namespace

// ---- Product register ----------------------------------------------------------------------

class ProductRegister : public ::testing::Test {
protected:
    void open() {
        form = std::make_unique<TForm3>();
        form->FormCreate();
        showActive(*form);
    }
    DBEdit* edit(const char* field) const { return form->frame()->edit(field); }
    QStringList stored(const char* columns) const {
        return db.rows(QStringLiteral("select %1 from produto order by rowid").arg(columns));
    }

    TempDatabase db;
    std::unique_ptr<TForm3> form;
};

TEST_F(ProductRegister, IsLaidOutAsDesigned) {
    open();
    expectLayout(*form, form->frame(), productLayout);
    EXPECT_EQ(form->Table1->databaseName(), "nota_fiscal");
    EXPECT_EQ(form->Table1->tableName(), "produto.db");
}

TEST_F(ProductRegister, EmptyProductIsStoredWithTheNumberTheEngineGives) {
    db.exec("insert into produto (Produto) values ('Caneta')");
    open();
    click(form->frame(), B::Insert);
    EXPECT_EQ(edit("Id_Produto")->text(), "");
    click(form->frame(), B::Post);

    EXPECT_EQ(form->Table1->state(), DataSet::State::Browse);
    EXPECT_EQ(edit("Id_Produto")->text(), "2");
    EXPECT_EQ(stored("Id_Produto, Produto, Descricao, Valor, Obs, Status"),
              QStringList({"1|Caneta|NULL|NULL|NULL|NULL", "2|NULL|NULL|NULL|NULL|NULL"}));
}

TEST_F(ProductRegister, PriceIsShownAsCurrencyAndEditedFixedPoint) {
    const LocaleScope brazil("pt_BR");
    struct Case {
        const char* typed;
        const char* shown;
        const char* editing;
        const char* stored;
    };
    const Case cases[] = {
        {"12,5", "R$ 12,50", "12,50", "12.5"},
        {"1234", "R$ 1.234,00", "1234,00", "1234"},
        {"-0,5", "-R$ 0,50", "-0,50", "-0.5"},
    };
    db.exec("insert into produto (Produto) values ('Caneta')");
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        typeInto(edit("Valor"), c.typed);
        press(Qt::Key_Tab);
        EXPECT_EQ(edit("Valor")->text(), c.shown);
        EXPECT_EQ(edit("Valor")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        click(form->frame(), B::Post);
        EXPECT_EQ(stored("Valor"), QStringList(c.stored));

        edit("Valor")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(edit("Valor")->text(), c.editing);
        press(Qt::Key_Tab);
    }
}

TEST_F(ProductRegister, PastedPriceWithSymbolOrGroupingIsRefused) {
    const LocaleScope brazil("pt_BR");
    db.exec("insert into produto (Produto, Valor) values ('Caneta', 2.5)");
    open();
    for (const char* pasted : {"R$ 12,50", "1.234,50", "12,50 R$"}) {
        SCOPED_TRACE(pasted);
        pasteInto(edit("Valor"), pasted);
        EXPECT_EQ(edit("Valor")->text(), pasted);

        SeenBox seen;
        answerMessageBox(seen);
        press(Qt::Key_Tab);
        ASSERT_TRUE(waitForBox(seen));
        EXPECT_EQ(seen.text, QStringLiteral("'%1' is not a valid floating point value for field "
                                            "'Valor'")
                                 .arg(pasted));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit("Valor"); }));
        EXPECT_EQ(edit("Valor")->text(), pasted);
        EXPECT_EQ(form->Table1->state(), DataSet::State::Edit);
        EXPECT_EQ(stored("Valor"), QStringList("2.5"));

        press(Qt::Key_Escape);
        click(form->frame(), B::Cancel);
        EXPECT_EQ(form->Table1->state(), DataSet::State::Browse);
    }
}

TEST_F(ProductRegister, TextIsCutToTheFieldSize) {
    struct Case {
        const char* field;
        int size;
    };
    const Case cases[] = {{"Produto", 30}, {"Descricao", 60}, {"Obs", 100}};
    open();
    click(form->frame(), B::Insert);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        pasteInto(edit(c.field), QString(c.size + 7, 'x'));
        press(Qt::Key_Tab);
        EXPECT_EQ(edit(c.field)->text(), QString(c.size, 'x'));
    }
    click(form->frame(), B::Post);
    EXPECT_EQ(stored("length(Produto), length(Descricao), length(Obs)"),
              QStringList("30|60|100"));
}

// ---- Customer register ---------------------------------------------------------------------

class CustomerRegister : public ::testing::Test {
public:
    // Ana (7) with two addresses, Bia (8) with one, Caio (9) with none.
    void SetUp() override {
        db.exec("insert into pessoa (Id_Cliente, Nome) values (7, 'Ana'), (8, 'Bia'), "
                "(9, 'Caio')");
        db.exec("insert into endereco (Id_Cliente, Logradouro) values (7, 'Rua A1'), "
                "(7, 'Rua A2'), (8, 'Rua B1')");
    }
    void open() {
        form = std::make_unique<TForm2>();
        form->FormCreate();
        showActive(*form);
    }
    RecordFrame* frame() const { return form->frame(); }
    DBEdit* edit(const char* field) const { return frame()->edit(field); }
    DBGrid* grid() const { return form->DBGrid1; }

    // The addresses the grid's table holds now, as "customer:street" (only while browsing).
    QStringList shownAddresses() const {
        Table& addresses = *form->Table2;
        QStringList shown;
        if (addresses.isEmpty()) return shown;
        for (addresses.first(); !addresses.eof(); addresses.next())
            shown << addresses.fieldByName("Id_Cliente").displayText() + ":" +
                         addresses.fieldByName("Logradouro").displayText();
        addresses.first();
        return shown;
    }
    QStringList storedAddresses() const {
        return db.rows("select Id_Cliente || ':' || ifnull(Logradouro, '') from endereco "
                       "order by rowid");
    }
    QStringList storedCustomers() const {
        return db.rows("select Id_Cliente || ':' || ifnull(Nome, '') from pessoa order by rowid");
    }

    TempDatabase db;
    std::unique_ptr<TForm2> form;
};

const QStringList threeAddresses{"7:Rua A1", "7:Rua A2", "8:Rua B1"};
const QStringList threeCustomers{"7:Ana", "8:Bia", "9:Caio"};

TEST_F(CustomerRegister, IsLaidOutAsDesigned) {
    open();
    expectLayout(*form, frame(), customerLayout);
    EXPECT_EQ(press(Qt::Key_Tab), grid());

    EXPECT_EQ(form->Table1->databaseName(), "C:\\nota_fiscal");
    EXPECT_EQ(form->Table1->tableName(), "pessoa.DB");
    EXPECT_EQ(form->Table2->databaseName(), "C:\\nota_fiscal");
    EXPECT_EQ(form->Table2->tableName(), "endereco.DB");
    EXPECT_EQ(grid()->borderStyle(), DBGrid::BorderStyle::None);
    EXPECT_EQ(grid()->options(), defaultGridOptions);

    // Each column is as wide as its display width in digits, or its title when that is wider.
    struct Column {
        const char* title;
        int displayWidth;
    };
    const Column columns[] = {{"Id_Endereco", 10}, {"Id_Cliente", 10}, {"Tipo_Logradouro", 6},
                              {"Logradouro", 50},  {"Complemento", 25}, {"Bairro", 25},
                              {"Cidade", 25},      {"UF", 2},           {"Pais", 25},
                              {"Obs", 100},        {"Status", 10}};
    const int digit = grid()->fontMetrics().horizontalAdvance('0');
    const QFontMetrics titles(grid()->titleFont());
    ASSERT_EQ(grid()->columnCount(), std::size(columns));
    for (int i = 0; i < grid()->columnCount(); ++i) {
        SCOPED_TRACE(columns[i].title);
        EXPECT_EQ(grid()->columnTitle(i), columns[i].title);
        EXPECT_EQ(grid()->columnWidth(i), std::max(columns[i].displayWidth * digit + 4,
                                                   titles.horizontalAdvance(columns[i].title) + 4));
    }
    EXPECT_EQ(grid()->columnWidth(2), titles.horizontalAdvance("Tipo_Logradouro") + 4);
}

TEST_F(CustomerRegister, ObsAndStatusComeIntoViewWhenTabbedInto) {
    open();
    for (const char* field : {"Id_Cliente", "Nome", "Telefone"})
        EXPECT_TRUE(inView(frame(), edit(field))) << field;
    for (const char* field : {"Obs", "Status"}) {
        SCOPED_TRACE(field);
        EXPECT_FALSE(inView(frame(), edit(field)));
        EXPECT_FALSE(inView(frame(), frame()->label(field)));
    }
    while (QApplication::focusWidget() != edit("Obs")) ASSERT_TRUE(press(Qt::Key_Tab));
    EXPECT_TRUE(inView(frame(), edit("Obs")));
    EXPECT_EQ(press(Qt::Key_Tab), edit("Status"));
    EXPECT_TRUE(inView(frame(), edit("Status")));
}

// A telephone wider than its edit shows its first digits once the edit is left.
TEST_F(CustomerRegister, LongTextShowsItsBeginningWhenNotFocused) {
    db.exec("update pessoa set Telefone = '1132345678' where Id_Cliente = 7");
    open();
    DBEdit* phone = edit("Telefone");
    ASSERT_GT(phone->fontMetrics().horizontalAdvance(phone->text()), phone->width() - 6);
    EXPECT_LE(phone->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 4);
    typeInto(phone, "5133445566");
    press(Qt::Key_Tab);
    EXPECT_EQ(phone->text(), "5133445566");
    EXPECT_LE(phone->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 4);
}

// Writing a customer number on leaving the edit shows that number's addresses at once, before
// anything is posted, and stores nothing under it.
TEST_F(CustomerRegister, AddressesFollowTheNumberWrittenIntoTheCustomer) {
    struct Case {
        const char* name;
        bool newCustomer;
        QStringList customersAfterPost;
    };
    const Case cases[] = {
        {"new customer", true, {"7:Ana", "8:Bia", "9:Caio", "8:Bia 2"}},
        {"existing customer renumbered", false, {"8:Bia 2", "8:Bia", "9:Caio"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        EXPECT_EQ(shownAddresses(), QStringList({"7:Rua A1", "7:Rua A2"}));
        if (c.newCustomer) click(frame(), B::Insert);
        const QStringList before = shownAddresses();
        EXPECT_EQ(before.isEmpty(), c.newCustomer);
        typeInto(edit("Id_Cliente"), "8");
        EXPECT_EQ(shownAddresses(), before);  // not yet written
        press(Qt::Key_Tab);
        EXPECT_EQ(shownAddresses(), QStringList({"8:Rua B1"}));
        EXPECT_EQ(storedCustomers(), threeCustomers);

        typeInto(edit("Nome"), "Bia 2");
        click(frame(), B::Post);
        EXPECT_EQ(form->Table1->state(), DataSet::State::Browse);
        EXPECT_EQ(storedCustomers(), c.customersAfterPost);
        EXPECT_EQ(shownAddresses(), QStringList({"8:Rua B1"}));
        EXPECT_EQ(storedAddresses(), threeAddresses);  // the old number keeps its addresses

        form.reset();
        db.exec("delete from pessoa; insert into pessoa (Id_Cliente, Nome) values (7, 'Ana'), "
                "(8, 'Bia'), (9, 'Caio')");
    }
}

// A typed address is posted under the customer it was typed for by the next customer action.
TEST_F(CustomerRegister, CustomerActionPostsThePendingAddressFirst) {
    struct Case {
        const char* name;
        std::function<void(CustomerRegister&)> act;
        QStringList shownAfter;
    };
    const std::vector<Case> cases{
        {"Next", [](CustomerRegister& t) { click(t.frame(), B::Next); }, {"8:Rua B1"}},
        {"Insert", [](CustomerRegister& t) { click(t.frame(), B::Insert); }, {}},
        {"Refresh", [](CustomerRegister& t) { click(t.frame(), B::Refresh); },
         {"7:Rua A1", "7:Rua A2", "7:Rua Nova"}},
        {"typing into a customer edit",
         [](CustomerRegister& t) { typeInto(t.edit("Nome"), "Ana Maria"); },
         {"7:Rua A1", "7:Rua A2", "7:Rua Nova"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        clickCell(grid(), 1, columnLogradouro);
        press(Qt::Key_Down);  // a new address after the last
        EXPECT_EQ(form->Table2->state(), DataSet::State::Insert);
        EXPECT_EQ(form->Table2->fieldByName("Id_Cliente").displayText(), "7");
        QTest::keyClicks(QApplication::focusWidget(), "Rua Nova");

        c.act(*this);
        EXPECT_EQ(form->Table2->state(), DataSet::State::Browse);
        EXPECT_EQ(storedAddresses(), threeAddresses + QStringList{"7:Rua Nova"});
        EXPECT_EQ(shownAddresses(), c.shownAfter);

        form.reset();
        db.exec("delete from endereco where Logradouro = 'Rua Nova'");
    }
}

TEST_F(CustomerRegister, UntouchedNewAddressLeavesNoTrace) {
    struct Case {
        const char* name;
        B moveTo;            // the customer to stand on
        const char* number;  // that customer's Id_Cliente
        std::function<void(CustomerRegister&)> add, leave;
    };
    const std::vector<Case> cases{
        {"first address of a customer without any, leaving the grid", B::Last, "9",
         [](CustomerRegister& t) {
             QTest::mouseClick(t.grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 30));
             press(Qt::Key_Insert);
         },
         [](CustomerRegister& t) {
             QTest::mouseClick(t.edit("Nome"), Qt::LeftButton);
             QApplication::processEvents();
         }},
        {"Down from the last address, then Up", B::First, "7",
         [](CustomerRegister& t) {
             clickCell(t.grid(), 1, columnLogradouro);
             press(Qt::Key_Down);
         },
         [](CustomerRegister&) { press(Qt::Key_Up); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        click(frame(), c.moveTo);
        const QStringList before = shownAddresses();
        c.add(*this);
        ASSERT_EQ(form->Table2->state(), DataSet::State::Insert);
        EXPECT_EQ(form->Table2->fieldByName("Id_Cliente").displayText(), c.number);
        c.leave(*this);
        EXPECT_EQ(form->Table2->state(), DataSet::State::Browse);
        EXPECT_EQ(shownAddresses(), before);
        EXPECT_EQ(storedAddresses(), threeAddresses);
        form.reset();
    }
}

// The navigator's Delete removes the customer only; its addresses wait for a customer with the
// same number. An address itself goes with Ctrl+Delete in the grid.
TEST_F(CustomerRegister, DeletingACustomerKeepsItsAddresses) {
    open();
    EXPECT_EQ(clickAnswering(frame(), B::Delete).text, "Delete record?");
    EXPECT_EQ(storedCustomers(), QStringList({"8:Bia", "9:Caio"}));
    EXPECT_EQ(storedAddresses(), threeAddresses);
    EXPECT_EQ(shownAddresses(), QStringList({"8:Rua B1"}));

    click(frame(), B::Insert);
    typeInto(edit("Id_Cliente"), "7");
    press(Qt::Key_Tab);
    EXPECT_EQ(shownAddresses(), QStringList({"7:Rua A1", "7:Rua A2"}));
    typeInto(edit("Nome"), "Ana Nova");
    click(frame(), B::Post);
    EXPECT_EQ(storedCustomers(), QStringList({"8:Bia", "9:Caio", "7:Ana Nova"}));

    clickCell(grid(), 0, columnLogradouro);
    SeenBox seen;
    answerMessageBox(seen);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(seen.text, "Delete record?");
    EXPECT_EQ(storedAddresses(), QStringList({"7:Rua A2", "8:Rua B1"}));
    EXPECT_EQ(shownAddresses(), QStringList({"7:Rua A2"}));
    EXPECT_EQ(storedCustomers(), QStringList({"8:Bia", "9:Caio", "7:Ana Nova"}));
}

// An address without its customer number stops the customer's post, with the grid on that
// column, and nothing of either record is stored.
TEST_F(CustomerRegister, AddressWithoutCustomerNumberStopsTheCustomerPost) {
    open();
    typeInto(edit("Nome"), "Ana Maria");
    clickCell(grid(), 0, columnIdCliente);
    press(Qt::Key_F2);
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    clickCell(grid(), 0, columnLogradouro);

    const SeenBox seen = clickAnswering(frame(), B::Post);
    EXPECT_EQ(seen.text, "Field 'Id_Cliente' must have a value.");
    EXPECT_EQ(form->Table1->state(), DataSet::State::Edit);
    EXPECT_EQ(form->Table2->state(), DataSet::State::Edit);
    EXPECT_EQ(grid()->currentColumn(), columnIdCliente);
    EXPECT_TRUE(grid()->isEditorOpen());
    EXPECT_TRUE(grid()->cellEditor()->hasFocus());
    EXPECT_EQ(storedCustomers(), threeCustomers);
    EXPECT_EQ(storedAddresses(), threeAddresses);
}

// Both registers open as the application opens them, one through the alias and the other
// through the folder, and each writes while the other holds its table open.
TEST(Registers, WriteThroughTheirOwnConnectionsSideBySide) {
    TempDatabase db;
    TForm3 products;
    TForm2 customers;
    products.FormCreate();
    customers.FormCreate();

    showActive(products);
    click(products.frame(), B::Insert);
    typeInto(products.frame()->edit("Produto"), "Caneta");
    click(products.frame(), B::Post);
    products.hide();

    showActive(customers);
    click(customers.frame(), B::Insert);
    typeInto(customers.frame()->edit("Id_Cliente"), "5");
    press(Qt::Key_Tab);
    click(customers.frame(), B::Post);
    QTest::mouseClick(customers.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(20, 30));
    press(Qt::Key_Insert);
    for (int column = 0; column < columnLogradouro; ++column) press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "Rua C");
    click(customers.frame(), B::Refresh);
    customers.hide();

    showActive(products);
    typeInto(products.frame()->edit("Descricao"), "Azul");
    click(products.frame(), B::Post);

    EXPECT_EQ(db.rows("select Produto || ':' || Descricao from produto"),
              QStringList({"Caneta:Azul"}));
    EXPECT_EQ(db.rows("select Id_Cliente from pessoa"), QStringList({"5"}));
    EXPECT_EQ(db.rows("select Id_Cliente || ':' || Logradouro from endereco"),
              QStringList({"5:Rua C"}));
}

// A table that fails to open at start-up leaves the screen usable as far as its open tables go.
TEST(Registers, FailedOpenLeavesAClosedScreen) {
    struct Case {
        const char* name;
        TempDatabase::Content content;
        const char* prepare;  // SQL run on the database before the screen opens
        bool customersOpen;
    };
    const Case cases[] = {
        {"no database", TempDatabase::Content::Empty, nullptr, false},
        {"no customer table", TempDatabase::Content::Tables, "drop table pessoa", false},
        {"no address table", TempDatabase::Content::Tables,
         "insert into pessoa (Id_Cliente, Nome) values (7, 'Ana'); drop table endereco", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDatabase db(c.content);
        if (c.prepare) db.exec(c.prepare);
        TForm2 customers;
        EXPECT_ANY_THROW(customers.FormCreate());
        showActive(customers);

        EXPECT_EQ(customers.Table1->active(), c.customersOpen);
        EXPECT_FALSE(customers.Table2->active());
        EXPECT_EQ(customers.DBGrid1->columnCount(), 0);
        EXPECT_EQ(customers.frame()->navigator()->button(B::Insert)->isEnabled(), c.customersOpen);
        for (int b = 0; b < navigatorButtonCount && !c.customersOpen; ++b)
            EXPECT_FALSE(customers.frame()->navigator()->button(B(b))->isEnabled()) << b;
        EXPECT_EQ(customers.frame()->edit("Nome")->text(), c.customersOpen ? "Ana" : "");
        EXPECT_EQ(customers.frame()->edit("Nome")->isReadOnly(), !c.customersOpen);

        if (c.customersOpen) {
            typeInto(customers.frame()->edit("Nome"), "Ana Maria");
            click(customers.frame(), B::Post);
            EXPECT_EQ(db.rows("select Nome from pessoa"), QStringList({"Ana Maria"}));
        }
    }

    TempDatabase none(TempDatabase::Content::Empty);
    TForm3 products;
    EXPECT_ANY_THROW(products.FormCreate());
    showActive(products);
    for (int b = 0; b < navigatorButtonCount; ++b)
        EXPECT_FALSE(products.frame()->navigator()->button(B(b))->isEnabled()) << b;
    for (DBEdit* edit : products.frame()->edits()) {
        SCOPED_TRACE(edit->objectName().toStdString());
        EXPECT_EQ(edit->text(), "");
        EXPECT_TRUE(edit->isReadOnly());
        typeInto(edit, "1");
        EXPECT_EQ(edit->text(), "");
    }
}
