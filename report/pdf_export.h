#pragma once
// Produced pages as a PDF file, drawn by the same routine as the preview and the printer.

#include <QString>

#include "display_list.h"

namespace report {

// Throws ReportError. The file is replaced only when fully written.
void savePdfFile(const ReportDocument& document, const QString& path);

}  // namespace report
