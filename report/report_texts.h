#pragma once
// The user-visible texts of the invoice report, its preview window, printing and report files.

#include <QString>

namespace report::texts {

// Production.
inline const QString fieldNotFound = QStringLiteral("%1: Field '%2' not found");
inline const QString alreadyRunning = QStringLiteral("The report is already being produced");
inline const QString noRows = QStringLiteral("The report has no data set");

// The invoice's grand total: this prefix, then the amount with a comma and two decimals.
inline const QString totalPrefix = QStringLiteral("R$ ");

// Preview window.
inline const QString zoomToFit = QStringLiteral("Zoom to fit");
inline const QString zoom100 = QStringLiteral("100 %");
inline const QString zoomPageWidth = QStringLiteral("Page width");
inline const QString firstPage = QStringLiteral("First page");
inline const QString previousPage = QStringLiteral("Previous page");
inline const QString nextPage = QStringLiteral("Next page");
inline const QString lastPage = QStringLiteral("Last page");
inline const QString printerSetup = QStringLiteral("Printer setup");
inline const QString print = QStringLiteral("Print");
inline const QString save = QStringLiteral("Save");
inline const QString load = QStringLiteral("Load");
inline const QString close = QStringLiteral("Close");
inline const QString pageOfPages = QStringLiteral("Page %1 of %2");

// File dialogs.
inline const QString saveCaption = QStringLiteral("Save report");
inline const QString loadCaption = QStringLiteral("Load report");
inline const QString reportFilter = QStringLiteral("Report files (*.nfr)");
inline const QString textFilter = QStringLiteral("Text files (*.txt)");
inline const QString pdfFilter = QStringLiteral("PDF files (*.pdf)");

// Printing.
inline const QString printingCaption = QStringLiteral("Printing");
inline const QString printingPage = QStringLiteral("Printing page %1");
inline const QString cancel = QStringLiteral("Cancel");
inline const QString printerUnavailable = QStringLiteral("The printer cannot be used");

// Report files.
inline const QString fileMissing = QStringLiteral("The report file %1 does not exist");
inline const QString fileUnreadable = QStringLiteral("Cannot read %1: %2");
inline const QString fileUnwritable = QStringLiteral("Cannot write %1: %2");
inline const QString fileForeign = QStringLiteral("%1 is not a report file");
inline const QString fileDamaged = QStringLiteral("The report file %1 is damaged or incomplete");
inline const QString fileTooNew =
    QStringLiteral("The report file %1 was written by a newer version of this program");

}  // namespace report::texts
