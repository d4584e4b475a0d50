// The preview window: it opens over the produced pages, turns pages by its keys, saves and
// loads report files, prints, and returns control when it is closed.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "invoice_layout.h"
#include "invoice_rows.h"
#include "invoice_total.h"
#include "preview_window.h"
#include "report.h"
#include "report_error.h"

using namespace report;
using namespace report_testing;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() : invoice(invoiceLayout()) {
        invoice.setRowSource(std::make_unique<InvoiceRows>(5, manyItems(80)));  // three pages
        invoice.setPrintHandler(kTotalBoxName, &writeInvoiceTotal);
    }

    // Runs `whileOpen` once the preview waits for the user; the preview must then be closed.
    void preview(std::function<void(PreviewWindow&)> whileOpen) {
        int shown = 0;
        auto connection = QObject::connect(&invoice, &Report::previewReady, [&](PreviewWindow* window) {
            ++shown;
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window)) ADD_FAILURE() << "preview not active";
            whileOpen(*window);
            if (!window->isClosed()) {
                ADD_FAILURE() << "preview left open";
                window->close();
            }
        });
        invoice.preview();
        QObject::disconnect(connection);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(invoice.openPreview(), nullptr);
    }

    Report invoice;
};

TEST_F(PreviewTest, TurnsPagesByKeysAndClosesWithEscape) {
    preview([](PreviewWindow& window) {
        EXPECT_TRUE(window.isMaximized());
        EXPECT_TRUE(window.windowTitle().isEmpty());
        EXPECT_TRUE(window.action("ZoomToWidth")->isChecked());
        EXPECT_EQ(window.statusText(), "Page 1 of 3");

        const struct {
            QKeyCombination key;
            const char* status;
        } presses[] = {
            {Qt::Key_PageDown, "Page 2 of 3"},           {Qt::Key_PageDown, "Page 3 of 3"},
            {Qt::Key_PageDown, "Page 3 of 3"},           {Qt::Key_PageUp, "Page 2 of 3"},
            {Qt::Key_Home, "Page 1 of 3"},               {Qt::Key_End, "Page 3 of 3"},
            {Qt::CTRL | Qt::Key_PageUp, "Page 1 of 3"},  {Qt::CTRL | Qt::Key_PageDown, "Page 3 of 3"},
        };
        for (const auto& press : presses) {
            QTest::keyClick(&window, press.key.key(), press.key.keyboardModifiers());
            EXPECT_EQ(window.statusText(), press.status) << QKeySequence(press.key).toString().toStdString();
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(PreviewTest, AFailedLoadKeepsThePagesAndAGoodOneReplacesThem) {
    QTemporaryDir dir;
    preview([&](PreviewWindow& window) {
        const ReportDocument produced = window.document();
        window.saveTo(dir.filePath("three.nfr"));

        QFile truncated(dir.filePath("truncated.nfr"));
        ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
        QFile whole(dir.filePath("three.nfr"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        truncated.write(whole.readAll().chopped(40));
        truncated.close();

        window.showPage(1);
        EXPECT_THROW(window.loadFrom(dir.filePath("truncated.nfr")), ReportError);
        EXPECT_THROW(window.loadFrom(dir.filePath("absent.nfr")), ReportError);
        EXPECT_EQ(window.document(), produced);
        EXPECT_EQ(window.statusText(), "Page 2 of 3");

        window.loadFrom(dir.filePath("three.nfr"));
        EXPECT_EQ(window.document(), produced);
        EXPECT_EQ(window.statusText(), "Page 1 of 3");
        window.action("Close")->trigger();
    });
}

// Events run between rows: closing the window while pages are produced ends the run there.
TEST_F(PreviewTest, ClosingTheWindowWhileProducingStopsTheRun) {
    int ready = 0;
    QObject::connect(&invoice, &Report::previewReady, [&] { ++ready; });
    QTimer::singleShot(0, [this] {
        ASSERT_NE(invoice.openPreview(), nullptr);
        EXPECT_TRUE(invoice.openPreview()->producing());
        invoice.openPreview()->close();
    });
    invoice.preview();
    EXPECT_EQ(ready, 0);
    EXPECT_EQ(invoice.openPreview(), nullptr);
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Printing produces the report again from the first row, onto the printer's chosen pages.
TEST_F(PreviewTest, PrintsTheChosenPages) {
    QTemporaryDir dir;
    QPrinter& printer = invoice.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);

    preview([&](PreviewWindow& window) {
        window.action("Print")->trigger();
        window.close();
    });

    const QString text = pdfText(dir.filePath("printed.pdf"));
    EXPECT_FALSE(text.contains("Nota Fiscal"));  // the title is on page 1 only
    EXPECT_TRUE(text.contains("Item 80"));
    EXPECT_TRUE(text.contains("R$ 80,00"));
    EXPECT_EQ(text.count('\f'), 2);  // two pages
}

}  // namespace
