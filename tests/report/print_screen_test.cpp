// The print screen over a real database: its layout, the number check, the statement it
// builds, and the preview it opens and waits for.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "invoice_database.h"
#include "preview_window.h"
#include "query.h"
#include "relatorio.h"
#include "report.h"
#include "report_query.h"
#include "show_modal.h"

using namespace report_testing;

namespace {

class PrintScreenTest : public ::testing::Test {
protected:
    PrintScreenTest() {
        QObject::connect(form.Report1, &report::Report::previewReady, [this](report::PreviewWindow* window) {
            ++previews;
            pages = window->document();
            if (whileOpen) whileOpen(*window);
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
            if (!window->isClosed()) {
                ADD_FAILURE() << "Escape left the preview open";
                window->close();
            }
        });
    }

    void request(const QString& typed) {
        form.Edit1->clear();
        QTest::keyClicks(form.Edit1, typed);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    }

    InvoiceDatabase database;
    TForm6 form;
    int previews = 0;
    report::ReportDocument pages;
    std::function<void(report::PreviewWindow&)> whileOpen;
};

TEST_F(PrintScreenTest, IsLaidOutAsDefined) {
    EXPECT_EQ(form.windowTitle(), "Form6");
    EXPECT_EQ(form.minimumSize(), QSize(470, 58));
    EXPECT_EQ(form.maximumSize(), QSize(470, 58));
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.BitBtn1->objectName(), "BitBtn1");
    EXPECT_EQ(form.BitBtn1->geometry(), QRect(72, 16, 209, 25));
    EXPECT_EQ(form.BitBtn1->text(), "Visualizar Impressão de Nota Fiscal");
    EXPECT_FALSE(form.BitBtn1->isDefault());
    EXPECT_EQ(form.Edit1->objectName(), "Edit1");
    EXPECT_EQ(form.Edit1->geometry(), QRect(328, 16, 114, 21));
    EXPECT_EQ(form.Edit1->text(), "1");
    EXPECT_EQ(form.BitBtn1->nextInFocusChain(), form.Edit1);
    EXPECT_EQ(form.focusWidget(), form.BitBtn1);

    EXPECT_FALSE(form.Query1->active());
    EXPECT_EQ(form.Query1->databaseName(), "nota_fiscal");
    EXPECT_EQ(form.Query1->sql(), report::creationStatement());
}

// Blanks before each line and whether it ends with one, as the statements are defined; and
// the lengths of the lines built for a request.
TEST_F(PrintScreenTest, StatementsHaveTheirExactBlanks) {
    const QStringList& creation = report::creationStatement();
    const int blanksBefore[] = {0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 0, 0, 2, 2, 2, 2};
    const bool blankAtEnd[] = {0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(creation.size(), 19);
    for (int i = 0; i < 19; ++i) {
        const QString& line = creation[i];
        EXPECT_EQ(line.size() - line.trimmed().size(), blanksBefore[i] + (blankAtEnd[i] ? 1 : 0))
            << "line " << i + 1;
        EXPECT_EQ(line.endsWith(' '), blankAtEnd[i]) << "line " << i + 1;
    }
    EXPECT_EQ(creation[16], "  and nf.numero_nf = 1");

    const QStringList built = report::requestStatement("42");
    const int lengths[] = {22, 17, 17, 28, 23, 24, 19, 19, 15, 23, 22, 18, 33, 66, 37, 39, 24, 40, 37};
    ASSERT_EQ(built.size(), 19);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(built[i].size(), lengths[i]) << "line " << i + 1;
    EXPECT_EQ(built[16], "   and nf.numero_nf = 42");
}

TEST_F(PrintScreenTest, TextsThatAreNotAPositiveNumberDoNothing) {
    for (const char* typed : {"0", "-3", "abc", "", "12 ", "2147483648", "$", "1x"}) {
        request(typed);
        EXPECT_EQ(previews, 0) << typed;
        EXPECT_EQ(form.Query1->sql(), report::creationStatement()) << typed;
        EXPECT_FALSE(form.Query1->active()) << typed;
    }
}

// The typed text goes into the statement as typed; the invoice's three lines and its total.
TEST_F(PrintScreenTest, PreviewsTheInvoiceTypedWithBlanksSignAndZeros) {
    request(" +007");

    ASSERT_EQ(previews, 1);
    EXPECT_EQ(form.Query1->sql(), report::requestStatement(" +007"));
    EXPECT_EQ(form.Query1->sql()[16], "   and nf.numero_nf =  +007");
    EXPECT_TRUE(form.Query1->active());  // stays open after the preview

    ASSERT_EQ(pages.pages.size(), 1u);
    const QStringList texts = pages.pages[0].texts();
    EXPECT_TRUE(texts.contains("7"));
    for (const char* description : {"Caderno universitario", "Caneta azul", "Borracha branca"})
        EXPECT_TRUE(texts.contains(description)) << description;
    EXPECT_EQ(pages.pages[0].countBands(report::BandKind::Detail), 3);
    EXPECT_EQ(texts.back(), "R$ 20,00");
}

// Shown modally from the main menu, the print screen still lets its preview be used.
TEST_F(PrintScreenTest, ThePreviewOfAModalPrintScreenTakesInput) {
    QTimer::singleShot(0, [this] {
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        form.close();
    });
    showModal(&form);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(form.Query1->sql(), report::requestStatement("1"));
}

TEST_F(PrintScreenTest, AnInvoiceWithoutItemsGivesTheEmptyReport) {
    request("8");
    ASSERT_EQ(previews, 1);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_EQ(pages.pages[0].texts(), QStringList{"Nota Fiscal"});
    EXPECT_EQ(pages.pages[0].countBands(report::BandKind::ColumnHeader), 0);
}

// The report has one query: a request while its preview is open would rebuild that query
// under the open window, so it only brings the window forward.
TEST_F(PrintScreenTest, ASecondRequestWhileThePreviewIsOpenIsRefused) {
    whileOpen = [this](report::PreviewWindow&) {
        whileOpen = nullptr;
        request("8");
    };
    request("7");
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(form.Query1->sql(), report::requestStatement("7"));
}

TEST_F(PrintScreenTest, AStatementTheEngineRefusesShowsNothingAndLeavesTheQueryClosed) {
    request("$1A");
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(form.Query1->sql(), report::requestStatement("$1A"));
    EXPECT_FALSE(form.Query1->active());
}

}  // namespace
