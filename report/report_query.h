#pragma once
// The report query's statements: the one the print screen starts with (invoice number 1) and
// the one built for a typed number, whose line 17 ends with the text exactly as typed. The
// typed text goes into the SQL unquoted, so callers pass only text that toInt32 accepts.

#include <QString>
#include <QStringList>

namespace report {

inline const QString kReportDatabase = QStringLiteral("nota_fiscal");

const QStringList& creationStatement();  // 19 lines

// The 19 lines for a request: 16 fixed lines, the number line, 2 fixed lines.
const QStringList& requestLinesBeforeNumber();
inline const QString kNumberLinePrefix = QStringLiteral("   and nf.numero_nf = ");
const QStringList& requestLinesAfterNumber();
QStringList requestStatement(const QString& typedNumber);

}  // namespace report
