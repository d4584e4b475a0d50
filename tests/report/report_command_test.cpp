// nfadmin report: the invoice report written as text or PDF by the print screen's own query
// and report, without windows.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "invoice_database.h"
#include "invoice_rows.h"
#include "report_command.h"

using namespace report_testing;

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The item lines with quantity, description, unit price and line total, and the total.
void expectInvoiceSeven(const QString& text) {
    const QRegularExpression lines[] = {
        QRegularExpression(R"(1 +Caderno universitario +R\$ 10,00 +10\b)"),
        QRegularExpression(R"(2 +Caneta azul +R\$ 2,50 +5\b)"),
        QRegularExpression(R"(4 +Borracha branca +R\$ 1,25 +5\b)"),
        QRegularExpression(R"(\n *R\$ 20,00 *\n)"),
    };
    for (const QRegularExpression& line : lines)
        EXPECT_TRUE(line.match(text).hasMatch()) << line.pattern().toStdString() << " in\n"
                                                 << text.toStdString();
}

class ReportCommandTest : public ::testing::Test {
protected:
    InvoiceDatabase database;
    BrazilianNumbers brazil;
    QTemporaryDir out;
};

TEST_F(ReportCommandTest, WritesTheInvoiceAsText) {
    const QString path = out.filePath("seven.txt");
    ASSERT_EQ(reportCommand({"7", "--text", path.toStdString()}), 0);
    const QString text = readText(path);
    EXPECT_TRUE(QRegularExpression("^ *Nota Fiscal +7\n").match(text).hasMatch()) << text.toStdString();
    expectInvoiceSeven(text);
}

TEST_F(ReportCommandTest, WritesTheInvoiceAsPdf) {
    const QString path = out.filePath("seven.pdf");
    ASSERT_EQ(reportCommand({"7", "--pdf", path.toStdString()}), 0);
    expectInvoiceSeven(pdfText(path));
}

TEST_F(ReportCommandTest, RefusesABadNumberOrUsage) {
    const std::string path = out.filePath("x.txt").toStdString();
    EXPECT_EQ(reportCommand({"abc", "--text", path}), 2);
    EXPECT_EQ(reportCommand({"0", "--pdf", path}), 2);
    EXPECT_EQ(reportCommand({"7", "--html", path}), 2);
    EXPECT_EQ(reportCommand({"7"}), 2);
    EXPECT_FALSE(QFile::exists(out.filePath("x.txt")));
}

}  // namespace
