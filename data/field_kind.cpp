#include "field_kind.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "data_messages.h"
#include "decimal_digits.h"
#include "errors.h"

namespace fieldtext {
namespace {

constexpr int kGeneralExponentLimit = 15;   // 1E15 and above are written with an exponent
constexpr int kGeneralSmallestPlain = -5;   // below 1E-5 too

QString nonFinite(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString latin(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

QString grouped(const std::string& integerPart, QChar separator) {
    if (separator.isNull()) return latin(integerPart);
    QString out;
    const std::size_t n = integerPart.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += QLatin1Char(integerPart[i]);
    }
    return out;
}

QString withSymbol(const QString& amount, const LocaleSettings& locale) {
    switch (locale.currencyFormat) {
    case 1: return amount + locale.currencySymbol;
    case 2: return locale.currencySymbol + u' ' + amount;
    case 3: return amount + u' ' + locale.currencySymbol;
    default: return locale.currencySymbol + amount;
    }
}

// A value read from the engine as a number, if it is one.
bool numberOf(const engine::Value& value, double& out) {
    if (auto i = std::get_if<std::int64_t>(&value)) {
        out = double(*i);
        return true;
    }
    if (auto d = std::get_if<double>(&value)) {
        out = *d;
        return true;
    }
    return false;
}

QString storedText(const engine::Value& value) {
    const auto& s = std::get<std::string>(value);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString wholeNumber(const engine::Value& value, const LocaleSettings& locale) {
    if (auto i = std::get_if<std::int64_t>(&value)) return QString::number(*i);
    double d = std::get<double>(value);
    if (std::trunc(d) == d && std::fabs(d) < 9.2e18) return QString::number(std::int64_t(d));
    return formatGeneral(d, locale);
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The first `size` characters, without splitting a surrogate pair.
QString cut(const QString& text, int size) {
    if (size <= 0 || text.size() <= size) return text;
    QString kept = text.left(size);
    if (kept.back().isHighSurrogate()) kept.chop(1);
    return kept;
}

engine::Value parseInteger(const FieldDef& def, const QString& text, const LocaleSettings& locale) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < t.size() && t[i] == u'-';
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
    if (i == t.size()) throw DataError(datamsg::notValidInteger(text, def.name));
    for (qsizetype j = i; j < t.size(); ++j)
        if (!isAsciiDigit(t[j])) throw DataError(datamsg::notValidInteger(text, def.name));

    QString digits = t.mid(i);
    while (digits.size() > 1 && digits[0] == u'0') digits.remove(0, 1);
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    if (digits.size() <= 10) {
        const std::int64_t magnitude = digits.toLongLong();
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (value >= lowest && value <= highest) return value;
    }

    const QByteArray ascii = (negative ? QStringLiteral("-") : QString()).append(digits).toLatin1();
    double asDouble = 0;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), asDouble);
    const QString shown = std::isfinite(asDouble) && asDouble != 0 ? formatGeneral(asDouble, locale)
                                                                    : t;
    throw DataError(datamsg::outOfRange(shown, def.name, formatGeneral(double(lowest), locale),
                                        formatGeneral(double(highest), locale)));
}

// Where the first significant digit of a plain decimal text stands (its decimal exponent).
int leadingExponent(const QString& integerDigits, const QString& fractionDigits) {
    for (qsizetype k = 0; k < integerDigits.size(); ++k)
        if (integerDigits[k] != u'0') return int(integerDigits.size() - k - 1);
    for (qsizetype k = 0; k < fractionDigits.size(); ++k)
        if (fractionDigits[k] != u'0') return int(-k - 1);
    return 0;
}

engine::Value parseFloat(const FieldDef& def, const QString& text, const LocaleSettings& locale) {
    const QString t = text.trimmed();
    auto refuse = [&] { return DataError(datamsg::notValidFloat(text, def.name)); };

    qsizetype i = 0;
    QChar sign;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) sign = t[i++];
    QString integerDigits, fractionDigits;
    while (i < t.size() && isAsciiDigit(t[i])) integerDigits += t[i++];
    if (i < t.size() && t[i] == locale.decimalSeparator) {
        ++i;
        while (i < t.size() && isAsciiDigit(t[i])) fractionDigits += t[i++];
    }
    if (integerDigits.isEmpty() && fractionDigits.isEmpty()) throw refuse();

    QChar exponentSign;
    QString exponentDigits;
    if (i < t.size() && (t[i] == u'E' || t[i] == u'e')) {
        ++i;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) exponentSign = t[i++];
        while (i < t.size() && isAsciiDigit(t[i])) exponentDigits += t[i++];
        if (exponentDigits.isEmpty()) throw refuse();
    }
    if (i != t.size()) throw refuse();

    const QString normal = (sign == u'-' ? QStringLiteral("-") : QString()) +
                           (integerDigits.isEmpty() ? QStringLiteral("0") : integerDigits) + u'.' +
                           (fractionDigits.isEmpty() ? QStringLiteral("0") : fractionDigits) +
                           u'e' + (exponentSign == u'-' ? QStringLiteral("-") : QString()) +
                           (exponentDigits.isEmpty() ? QStringLiteral("0") : exponentDigits);
    const QByteArray ascii = normal.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large has no value at all.
        const int exponent = exponentDigits.size() > 6 ? 1000000 : exponentDigits.toInt();
        const int magnitude = leadingExponent(integerDigits, fractionDigits) +
                              (exponentSign == u'-' ? -exponent : exponent);
        if (magnitude > 0) throw refuse();
        return 0.0;
    }
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        throw refuse();
    return value == 0 ? 0.0 : value;  // no negative zero
}

}  // namespace

QString formatGeneral(double value, const LocaleSettings& locale) {
    if (!std::isfinite(value)) return nonFinite(value);
    const DecimalDigits d = DecimalDigits::of(value);
    if (d.isZero()) return QStringLiteral("0");

    const QString digits = latin(d.digits);
    QString out = d.negative ? QStringLiteral("-") : QString();
    const int exponent = d.exponent();
    if (exponent >= kGeneralExponentLimit || exponent < kGeneralSmallestPlain) {
        out += digits[0];
        if (digits.size() > 1) out += locale.decimalSeparator + digits.mid(1);
        out += u'E';
        if (exponent < 0) out += u'-';
        out += QString::number(std::abs(exponent));
        return out;
    }
    if (d.pointPosition <= 0) {
        out += u'0';
        out += locale.decimalSeparator;
        out += QString(-d.pointPosition, u'0') + digits;
        return out;
    }
    if (digits.size() <= d.pointPosition) return out + digits + QString(d.pointPosition - digits.size(), u'0');
    return out + digits.left(d.pointPosition) + locale.decimalSeparator + digits.mid(d.pointPosition);
}

QString formatCurrency(double value, const LocaleSettings& locale) {
    if (!std::isfinite(value)) return nonFinite(value);
    const auto fixed = DecimalDigits::of(value).toFixed(locale.currencyDecimals);
    QString amount = grouped(fixed.integerPart, locale.thousandSeparator);
    if (locale.currencyDecimals > 0) amount += locale.decimalSeparator + latin(fixed.fraction);
    const bool negative = value < 0 && !fixed.isZero();
    return (negative ? QStringLiteral("-") : QString()) + withSymbol(amount, locale);
}

QString formatFixed(double value, const LocaleSettings& locale) {
    if (!std::isfinite(value)) return nonFinite(value);
    const auto fixed = DecimalDigits::of(value).toFixed(locale.currencyDecimals);
    QString out = value < 0 && !fixed.isZero() ? QStringLiteral("-") : QString();
    out += latin(fixed.integerPart);
    if (locale.currencyDecimals > 0) out += locale.decimalSeparator + latin(fixed.fraction);
    return out;
}

QString displayText(FieldKind kind, const engine::Value& value, const LocaleSettings& locale) {
    if (engine::isNull(value)) return {};
    if (std::holds_alternative<std::string>(value)) return storedText(value);
    double number = 0;
    numberOf(value, number);
    switch (kind) {
    case FieldKind::AutoIncrement: return wholeNumber(value, locale);
    case FieldKind::Money: return formatCurrency(number, locale);
    case FieldKind::Number: return formatGeneral(number, locale);
    case FieldKind::Text: break;
    }
    return wholeNumber(value, locale);  // a number kept in a text column
}

QString editText(FieldKind kind, const engine::Value& value, const LocaleSettings& locale) {
    double number = 0;
    if (kind == FieldKind::Money && numberOf(value, number)) return formatFixed(number, locale);
    return displayText(kind, value, locale);
}

engine::Value parse(const FieldDef& def, const QString& text, const LocaleSettings& locale) {
    if (text.isEmpty()) return {};
    switch (def.kind) {
    case FieldKind::AutoIncrement: return parseInteger(def, text, locale);
    case FieldKind::Number:
    case FieldKind::Money: return parseFloat(def, text, locale);
    case FieldKind::Text: break;
    }
    return cut(text, def.size).toStdString();
}

bool acceptsChar(FieldKind kind, QChar c, const LocaleSettings& locale) {
    const bool integerChar = isAsciiDigit(c) || c == u'+' || c == u'-';
    switch (kind) {
    case FieldKind::AutoIncrement: return integerChar;
    case FieldKind::Number:
    case FieldKind::Money: return integerChar || c == u'E' || c == u'e' || c == locale.decimalSeparator;
    case FieldKind::Text: break;
    }
    return true;
}

Qt::Alignment alignment(FieldKind kind) {
    return kind == FieldKind::Text ? Qt::AlignLeft : Qt::AlignRight;
}

int displayWidth(const FieldDef& def) { return def.kind == FieldKind::Text ? def.size : 10; }

}  // namespace fieldtext
