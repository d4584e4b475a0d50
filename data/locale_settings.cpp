#include "locale_settings.h"

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

// The symbol's placement and the currency decimals, read from how the locale writes one unit.
void readCurrencyLayout(const QLocale& locale, LocaleSettings& settings) {
    const QString sample = locale.toCurrencyString(1.0);
    const QString& symbol = settings.currencySymbol;

    if (!symbol.isEmpty()) {
        const qsizetype at = sample.indexOf(symbol);
        if (at >= 0) {
            const qsizetype digit = sample.indexOf(QChar(u'1'));
            if (at < digit) {
                const qsizetype after = at + symbol.size();
                settings.currencyFormat = after < sample.size() && isBlank(sample[after]) ? 2 : 0;
            } else {
                settings.currencyFormat = at > 0 && isBlank(sample[at - 1]) ? 3 : 1;
            }
        }
    }

    settings.currencyDecimals = 0;
    const qsizetype point = sample.indexOf(settings.decimalSeparator);
    if (point >= 0) {
        for (qsizetype i = point + 1; i < sample.size() && sample[i].isDigit(); ++i)
            ++settings.currencyDecimals;
    }
}

LocaleSettings& processSettings() {
    static LocaleSettings settings = LocaleSettings::fromLocale(QLocale());
    return settings;
}

}  // namespace

LocaleSettings LocaleSettings::fromLocale(const QLocale& locale) {
    LocaleSettings settings;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    settings.decimalSeparator = decimal.isEmpty() ? QChar(u'.') : decimal[0];
    settings.thousandSeparator = group.isEmpty() ? QChar() : group[0];
    if (isBlank(settings.thousandSeparator)) settings.thousandSeparator = QChar(u' ');
    settings.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    readCurrencyLayout(locale, settings);
    return settings;
}

const LocaleSettings& LocaleSettings::current() { return processSettings(); }

void LocaleSettings::setCurrent(const LocaleSettings& settings) { processSettings() = settings; }

void LocaleSettings::reload() { processSettings() = fromLocale(QLocale()); }
