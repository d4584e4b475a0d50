#pragma once
// Report files: produced pages saved as they are, to be loaded and shown or printed again.
//
// Layout: the 8 bytes "NFREPORT", the format version (32 bits), the payload's length (64 bits)
// and its CRC-16 checksum (16 bits), all big-endian, then the payload: the display list in a
// QDataStream of Qt 6.0. A file that is foreign, truncated, damaged or newer is refused with
// a message and nothing is loaded.

#include <QByteArray>
#include <QString>

#include "display_list.h"

namespace report {

inline const QString kReportFileSuffix = QStringLiteral("nfr");

// Both throw ReportError with a message naming `path`. Saving replaces the file only when the
// whole report was written.
void saveReportFile(const ReportDocument& document, const QString& path);
ReportDocument loadReportFile(const QString& path);

// The file's bytes, and the document read back from them; `name` is used in messages.
QByteArray encodeReport(const ReportDocument& document);
ReportDocument decodeReport(const QByteArray& bytes, const QString& name);

}  // namespace report
