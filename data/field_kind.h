#pragma once
// The four field kinds and their text rules: display text, edit text, conversion from text,
// accepted keys, alignment and display width. Shared by data sets, grids and the report.

#include <QString>
#include <Qt>

#include "engine/value.h"
#include "locale_settings.h"

enum class FieldKind { AutoIncrement, Number, Money, Text };

struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Text;
    int size = 0;  // characters, text fields only
    bool required = false;
};

namespace fieldtext {

// General number format: at most 15 significant digits, the locale's decimal separator,
// no thousands separators, exponent only for very large or small values.
QString formatGeneral(double value, const LocaleSettings& locale);
// Currency format with symbol, thousands separators and the currency decimals.
QString formatCurrency(double value, const LocaleSettings& locale);
// Fixed-point with the currency decimals, no symbol, no thousands separators.
QString formatFixed(double value, const LocaleSettings& locale);

QString displayText(FieldKind kind, const engine::Value& value, const LocaleSettings& locale);
QString editText(FieldKind kind, const engine::Value& value, const LocaleSettings& locale);

// Text to value for a field named `fieldName`; throws DataError with the kind's message.
// Empty text gives the empty value; text n keeps its first n characters.
engine::Value parse(const FieldDef& def, const QString& text, const LocaleSettings& locale);

bool acceptsChar(FieldKind kind, QChar c, const LocaleSettings& locale);
Qt::Alignment alignment(FieldKind kind);
int displayWidth(const FieldDef& def);  // text: its size; others 10

}  // namespace fieldtext
