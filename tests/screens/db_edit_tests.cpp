// The data-aware edit on a real product table: display and edit text, refused and pasted
// characters, writing on leaving, Esc, clearing, cutting long text, a closed table, and the
// required-field check moving the focus.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "frame_screen.h"
#include "locale_settings.h"

using namespace testing_support;
using B = NavigatorButton;

namespace {

// Number settings for one test, restored afterwards.
class LocaleScope {
public:
    explicit LocaleScope(QChar decimal) : saved_(LocaleSettings::current()) {
        LocaleSettings settings;
        settings.decimalSeparator = decimal;
        settings.thousandSeparator = decimal == ',' ? '.' : ',';
        settings.currencySymbol = "R$";
        settings.currencyFormat = 2;
        settings.currencyDecimals = 2;
        LocaleSettings::setCurrent(settings);
    }
    ~LocaleScope() { LocaleSettings::setCurrent(saved_); }

private:
    LocaleSettings saved_;
};

Qt::Alignment horizontal(const QLineEdit* edit) {
    return edit->alignment() & Qt::AlignHorizontal_Mask;
}

}  // namespace

TEST(DBEdit, ShowsDisplayTextUnfocusedAndEditTextFocused) {
    const LocaleScope locale(',');
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    struct Case {
        const char* field;
        const char* display;
        Qt::Alignment displayAlignment;
        const char* editing;
    };
    const Case cases[] = {
        {"Valor", "R$ 1,50", Qt::AlignRight, "1,50"},
        {"Status", "1", Qt::AlignRight, "1"},
        {"Id_Produto", "1", Qt::AlignRight, "1"},
        {"Produto", "P01", Qt::AlignLeft, "P01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        DBEdit* edit = screen.edit(c.field);
        EXPECT_EQ(edit->text(), c.display);
        EXPECT_EQ(horizontal(edit), c.displayAlignment);
        screen.focus(c.field);
        EXPECT_EQ(edit->text(), c.editing);
        EXPECT_EQ(edit->selectedText(), c.editing);  // entered from the keyboard
        EXPECT_EQ(horizontal(edit), Qt::AlignLeft);
        screen.focus("Obs");
        EXPECT_EQ(edit->text(), c.display);
        EXPECT_EQ(horizontal(edit), c.displayAlignment);
    }
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);
}

TEST(DBEdit, RefusesLettersTypedIntoANumberButFailsOnPastedOnesWhenLeft) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    DBEdit* status = screen.edit("Status");

    screen.type("Status", "a");
    EXPECT_EQ(status->text(), "1");
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);  // a refused key edits nothing

    QTest::keyClicks(status, "2x");
    EXPECT_EQ(status->text(), "2");
    EXPECT_EQ(screen.table().state(), DataSet::State::Edit);

    QGuiApplication::clipboard()->setText("abc");
    QTest::keySequence(status, QKeySequence::Paste);
    EXPECT_EQ(status->text(), "2abc");

    SeenBox seen;
    answerMessageBox(seen);
    QTest::keyClick(status, Qt::Key_Tab);
    ASSERT_TRUE(waitForBox(seen));
    EXPECT_EQ(seen.text, "'2abc' is not a valid floating point value for field 'Status'");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == status; }));
    EXPECT_EQ(status->text(), "2abc");
    EXPECT_EQ(status->selectedText(), "2abc");
    EXPECT_EQ(screen.table().state(), DataSet::State::Edit);
    EXPECT_EQ(screen.stored("Status"), QStringList({"1"}));
}

TEST(DBEdit, AcceptsOnlyTheLocaleDecimalSeparator) {
    struct Case {
        QChar decimal;
        const char* typed;
        const char* shown;
        const char* stored;
    };
    const Case cases[] = {
        {'.', "1,5", "15", "15"},
        {',', "1.5", "15", "15"},
        {',', "1,5", "1,5", "1.5"},
        {'.', "1.5", "1.5", "1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const LocaleScope locale(c.decimal);
        TempDatabase database;
        FrameScreen screen(database);
        screen.addProducts(1);
        screen.open();
        screen.type("Status", c.typed);
        EXPECT_EQ(screen.edit("Status")->text(), c.shown);
        screen.click(B::Post);
        EXPECT_EQ(screen.stored("Status"), QStringList({c.stored}));
    }
}

TEST(DBEdit, LeavingWritesTheTextAndShowsTheStoredValue) {
    const LocaleScope locale(',');
    const QString longText(110, 'x');
    struct Case {
        const char* field;
        QString typed;
        QString shownAfter;
        QString stored;
    };
    const Case cases[] = {
        {"Status", "007", "7", "7"},
        {"Valor", "2,5", "R$ 2,50", "2.5"},
        {"Obs", longText, longText.left(100), longText.left(100)},  // cut to the field's size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        TempDatabase database;
        FrameScreen screen(database);
        screen.addProducts(1);
        screen.open();
        screen.type(c.field, c.typed);
        EXPECT_EQ(screen.edit(c.field)->text(), c.typed);  // no length limit while typing
        QTest::keyClick(screen.edit(c.field), Qt::Key_Tab);
        EXPECT_EQ(screen.edit(c.field)->text(), c.shownAfter);
        screen.click(B::Post);
        EXPECT_EQ(screen.stored(c.field), QStringList({c.stored}));
    }
}

TEST(DBEdit, ClearedNumbersAreStoredEmptyNotZero) {
    for (const char* field : {"Status", "Valor"}) {
        SCOPED_TRACE(field);
        TempDatabase database;
        FrameScreen screen(database);
        screen.addProducts(1);
        screen.open();
        screen.focus(field);
        QTest::keyClick(screen.edit(field), Qt::Key_Delete);  // the whole text was selected
        screen.click(B::Post);
        EXPECT_EQ(screen.stored(field), QStringList({"NULL"}));
    }
}

TEST(DBEdit, EscRestoresOnlyThatEditAndKeepsTheRecordPending) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    screen.type("Descricao", "d");
    QTest::keyClick(screen.edit("Descricao"), Qt::Key_Tab);
    screen.type("Produto", "abc");

    QTest::keyClick(screen.edit("Produto"), Qt::Key_Escape);
    EXPECT_EQ(screen.edit("Produto")->text(), "P01");
    EXPECT_EQ(screen.edit("Produto")->selectedText(), "P01");
    EXPECT_EQ(screen.edit("Descricao")->text(), "d");
    EXPECT_EQ(screen.table().state(), DataSet::State::Edit);
    EXPECT_TRUE(screen.button(B::Cancel)->isEnabled());

    screen.click(B::Cancel);
    EXPECT_EQ(screen.edit("Descricao")->text(), "");
    EXPECT_EQ(screen.table().state(), DataSet::State::Browse);
    EXPECT_EQ(screen.stored("Produto, Descricao"), QStringList({"P01|NULL"}));
}

TEST(DBEdit, TypingIntoAnEmptyTableInsertsARecord) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.open();
    screen.type("Produto", "Arroz");
    EXPECT_EQ(screen.table().state(), DataSet::State::Insert);
    screen.click(B::Post);
    EXPECT_EQ(screen.stored("Id_Produto, Produto"), QStringList({"1|Arroz"}));
    EXPECT_EQ(screen.edit("Id_Produto")->text(), "1");
    EXPECT_EQ(screen.edit("Produto")->text(), "Arroz");
}

TEST(DBEdit, IsEmptyAndReadOnlyWhileTheTableIsClosed) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.show();
    for (DBEdit* edit : screen.frame().edits()) {
        SCOPED_TRACE(edit->objectName().toStdString());
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_EQ(edit->text(), "");
    }
    screen.type("Produto", "abc");
    EXPECT_EQ(screen.edit("Produto")->text(), "");
}

TEST(DBEdit, MissingRequiredValueTakesTheFocusToItsEdit) {
    TempDatabase database;
    FrameScreen screen(database, schema::notaFiscal(), invoiceLayout(), {386, 382});
    screen.open();
    screen.type("Numero_NF", "5");
    const SeenBox seen = screen.clickAnswering(B::Post);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Field 'Id_Cliente' must have a value.");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::focusWidget() == screen.edit("Id_Cliente"); }));
    EXPECT_EQ(screen.table().state(), DataSet::State::Insert);
    EXPECT_EQ(screen.edit("Numero_NF")->text(), "5");
    EXPECT_TRUE(screen.stored("Numero_NF").isEmpty());
}

TEST(DBEdit, PasteFromTheContextMenuEntersEditing) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    DBEdit* produto = screen.edit("Produto");
    screen.focus("Produto");
    QGuiApplication::clipboard()->setText("Colado");

    bool pasted = false;
    QTimer::singleShot(50, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu) return;
        for (QAction* action : menu->actions())
            if (action->text().startsWith("&Paste")) {
                action->trigger();
                pasted = true;
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), produto->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(produto, &event);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasted; }));
    EXPECT_EQ(produto->text(), "Colado");
    EXPECT_EQ(screen.table().state(), DataSet::State::Edit);
    screen.click(B::Post);
    EXPECT_EQ(screen.stored("Produto"), QStringList({"Colado"}));
}

// Two edits holding text that cannot be written: going from one to the other reports the one
// left and returns to it, once, instead of the two taking the focus from each other forever.
TEST(DBEdit, TwoUnwritableEditsReportOneFailureAtATime) {
    TempDatabase database;
    FrameScreen screen(database);
    screen.addProducts(1);
    screen.open();
    DBEdit* status = screen.edit("Status");
    DBEdit* valor = screen.edit("Valor");
    QGuiApplication::clipboard()->setText("abc");
    screen.focus("Status");
    QTest::keySequence(status, QKeySequence::Paste);
    // Another window takes the focus while the focus of the screen moves on to Valor.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    valor->setFocus();
    screen.show();
    ASSERT_EQ(QApplication::focusWidget(), valor);
    QTest::keySequence(valor, QKeySequence::Paste);

    QStringList seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || seen.size() > 5) return;
        seen << box->text();
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(10);
    QTest::mouseClick(status, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }));
    QTest::qWait(200);
    EXPECT_EQ(seen, QStringList{"'abc1.50' is not a valid floating point value for field 'Valor'"});
    EXPECT_EQ(QApplication::focusWidget(), valor);
    EXPECT_EQ(status->text(), "abc");  // still to be written
}
