#pragma once
// The user's number and money settings: separators, currency symbol and its placement, and
// currency decimals. Read from QLocale() at start and again on QEvent::LocaleChange.

#include <QLocale>
#include <QString>

struct LocaleSettings {
    QChar decimalSeparator = '.';
    QChar thousandSeparator = ',';  // null when the locale groups no digits
    QString currencySymbol = "$";
    // Placement of the symbol for positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 0;
    int currencyDecimals = 2;
    // Negative amounts put '-' before the formatted positive amount ("-R$ 1,50").

    static LocaleSettings fromLocale(const QLocale& locale);

    // The process's settings, which every field and the report format with.
    static const LocaleSettings& current();
    static void setCurrent(const LocaleSettings& settings);
    static void reload();  // current() = fromLocale(QLocale())
};
