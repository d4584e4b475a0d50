#pragma once
// The printed form of the invoice's grand total: "R$ " and the amount rounded to two
// decimals, with a comma, no thousands separator and a minus sign directly before the digits.
// The amount is rounded from the decimal the user sees (15 significant digits), so a sum held
// as 1.00499999... prints as 1,01.

#include <QString>

namespace report {

QString invoiceTotalText(double sum);

// The total box's print-time rule: `value` holds the sum as the box shows it (general number
// format in the user's locale) and becomes its printed form. A text that is not a number stays.
void writeInvoiceTotal(QString& value);

}  // namespace report
