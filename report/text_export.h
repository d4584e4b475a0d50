#pragma once
// Produced pages as plain text: each band's texts on one line (a wrapped box adds lines),
// placed in columns of 2 mm by their position on the paper; pages separated by a form feed.

#include <QString>

#include "display_list.h"

namespace report {

QString documentText(const ReportDocument& document);

// Writes the text in UTF-8; throws ReportError. The file is replaced only when fully written.
void saveTextFile(const ReportDocument& document, const QString& path);

}  // namespace report
