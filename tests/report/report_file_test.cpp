// Report files: what was saved loads back page for page; anything else is refused with a
// message naming the file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "invoice_layout.h"
#include "invoice_rows.h"
#include "invoice_total.h"
#include "report_error.h"
#include "report_file.h"
#include "report_producer.h"
#include "text_export.h"

using namespace report;
using namespace report_testing;

namespace {

ReportDocument twoPageInvoice() {
    InvoiceRows rows(3, manyItems(45));
    return produceDocument(invoiceLayout(), rows, {{kTotalBoxName, &writeInvoiceTotal}});
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ReportFile, LoadsBackTheSamePages) {
    QTemporaryDir dir;
    const QString path = dir.filePath("invoice.nfr");
    const ReportDocument saved = twoPageInvoice();
    ASSERT_EQ(saved.pages.size(), 2u);

    saveReportFile(saved, path);
    const ReportDocument loaded = loadReportFile(path);

    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(documentText(loaded), documentText(saved));
}

struct BadFile {
    const char* what;  // also the case's name
    std::function<QByteArray(const QByteArray& good)> bytes;  // null: no file at all
    const char* message;
};

class UnreadableFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(UnreadableFile, IsRefusedWithAMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.nfr");
    if (GetParam().bytes) writeFile(path, GetParam().bytes(encodeReport(twoPageInvoice())));
    try {
        loadReportFile(path);
        FAIL() << "loaded " << GetParam().what;
    } catch (const ReportError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QString::fromUtf8(GetParam().message).arg(path));
    }
}

QByteArray flipOneByte(QByteArray bytes) {
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x5a);
    return bytes;
}

QByteArray newerVersion(QByteArray bytes) {
    bytes[11] = 9;  // the low byte of the format version
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFile,
    ::testing::Values(
        BadFile{"MissingFile", nullptr, "The report file %1 does not exist"},
        BadFile{"TruncatedFile", [](const QByteArray& b) { return b.left(b.size() / 2); },
                "The report file %1 is damaged or incomplete"},
        BadFile{"CutInsideHeader", [](const QByteArray& b) { return b.left(12); },
                "The report file %1 is damaged or incomplete"},
        BadFile{"DamagedFile", &flipOneByte, "The report file %1 is damaged or incomplete"},
        BadFile{"TextFile", [](const QByteArray&) { return QByteArray("Nota Fiscal 1\n"); },
                "%1 is not a report file"},
        BadFile{"EmptyFile", [](const QByteArray&) { return QByteArray(); },
                "%1 is not a report file"},
        BadFile{"NewerFile", &newerVersion,
                "The report file %1 was written by a newer version of this program"}),
    [](const ::testing::TestParamInfo<BadFile>& info) {
        return std::string(info.param.what);
    });

}  // namespace
