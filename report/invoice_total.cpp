#include "invoice_total.h"

#include "decimal_digits.h"
#include "field_kind.h"
#include "locale_settings.h"
#include "report_texts.h"

namespace report {

QString invoiceTotalText(double sum) {
    const DecimalDigits digits = DecimalDigits::of(sum);
    const DecimalDigits::Fixed fixed = digits.toFixed(2);
    QString amount = QString::fromStdString(fixed.integerPart) + QLatin1Char(',') +
                     QString::fromStdString(fixed.fraction);
    if (digits.negative && !fixed.isZero()) amount.prepend(QLatin1Char('-'));
    return texts::totalPrefix + amount;
}

void writeInvoiceTotal(QString& value) {
    try {
        const engine::Value number =
            fieldtext::parse(FieldDef{QString(), FieldKind::Number}, value, LocaleSettings::current());
        if (const auto* d = std::get_if<double>(&number)) value = invoiceTotalText(*d);
    } catch (const std::exception&) {
        // not a number: printed as it stands
    }
}

}  // namespace report
