#pragma once
// The invoice report: a title with the invoice number, column headings, one line per item and
// the grand total, on a Letter page. Its captions are the report's user-visible texts.

#include "report_layout.h"

namespace report {

// Names of the boxes other code refers to.
inline const QString kTotalBoxName = QStringLiteral("QRExpr1");

const ReportLayout& invoiceLayout();

}  // namespace report
