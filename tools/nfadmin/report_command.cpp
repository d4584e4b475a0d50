// nfadmin report NUMBER --pdf FILE | --text FILE: the invoice report produced by the same
// query and report as the print screen, written to a file instead of a preview window.
#include "report_command.h"

#include <QGuiApplication>
#include <exception>
#include <iostream>
#include <memory>

#include "integer_text.h"
#include "invoice_layout.h"
#include "invoice_total.h"
#include "pdf_export.h"
#include "query.h"
#include "report.h"
#include "report_query.h"
#include "text_export.h"

namespace {

constexpr const char* kReportUsage =
    "Usage: nfadmin report NUMBER --pdf FILE    the invoice's report as a PDF file\n"
    "       nfadmin report NUMBER --text FILE   the invoice's report as plain text\n"
    "NUMBER is the invoice number (Numero_NF), a whole number greater than zero.\n";

// Fonts and painting need a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nfadmin";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int reportCommand(const std::vector<std::string>& args) {
    if (args.size() != 3 || (args[1] != "--pdf" && args[1] != "--text")) {
        std::cerr << kReportUsage;
        return 2;
    }
    const QString number = QString::fromStdString(args[0]);
    const auto value = report::toInt32(number);
    if (!value || *value <= 0) {
        std::cerr << "nfadmin report: '" << args[0]
                  << "' is not an invoice number (a whole number greater than zero)\n";
        return 2;
    }
    const bool pdf = args[1] == "--pdf";
    const QString path = QString::fromStdString(args[2]);

    try {
        const auto application = ensureGuiApplication();
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            std::cerr << "nfadmin report: needs a GUI application object\n";
            return 1;
        }
        Query query(QStringLiteral("Query1"));
        query.setDatabaseName(report::kReportDatabase);
        query.setSql(report::requestStatement(number));
        query.open();

        report::Report invoiceReport(report::invoiceLayout());
        invoiceReport.setDataSet(&query);
        invoiceReport.setPrintHandler(report::kTotalBoxName, &report::writeInvoiceTotal);
        const report::ReportDocument document = invoiceReport.produce();
        const bool empty = query.isEmpty();
        query.close();

        if (pdf)
            report::savePdfFile(document, path);
        else
            report::saveTextFile(document, path);
        std::cout << "Wrote " << args[2] << " (" << document.pages.size()
                  << (document.pages.size() == 1 ? " page" : " pages") << ")\n";
        if (empty) std::cerr << "nfadmin report: invoice " << args[0] << " has no items\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "nfadmin report: " << error.what() << '\n';
        return 1;
    }
}
