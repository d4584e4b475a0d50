// Field kinds: display and edit text, conversion from text with its messages, accepted keys,
// under an English and a Brazilian locale.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <optional>

#include "errors.h"
#include "field_kind.h"
#include "locale_settings.h"

namespace {

const LocaleSettings english = LocaleSettings::fromLocale(QLocale("en_US"));
const LocaleSettings brazilian = LocaleSettings::fromLocale(QLocale("pt_BR"));

FieldDef def(FieldKind kind, const char* name, int size = 0) {
    return FieldDef{QString::fromLatin1(name), kind, size, false};
}

// What parsing a text gives: the stored value, or the message of the refusal.
struct Parsed {
    std::optional<engine::Value> value;
    QString message;
};

Parsed parse(const FieldDef& d, const QString& text, const LocaleSettings& locale) {
    try {
        return {fieldtext::parse(d, text, locale), {}};
    } catch (const DataError& e) {
        return {std::nullopt, QString::fromUtf8(e.what())};
    }
}

}  // namespace

TEST(LocaleSettingsTest, ReadsSeparatorsSymbolPlacementAndDecimals) {
    EXPECT_EQ(english.decimalSeparator, u'.');
    EXPECT_EQ(english.thousandSeparator, u',');
    EXPECT_EQ(english.currencySymbol, "$");
    EXPECT_EQ(english.currencyFormat, 0);
    EXPECT_EQ(english.currencyDecimals, 2);

    EXPECT_EQ(brazilian.decimalSeparator, u',');
    EXPECT_EQ(brazilian.thousandSeparator, u'.');
    EXPECT_EQ(brazilian.currencySymbol, "R$");
    EXPECT_EQ(brazilian.currencyFormat, 2);
    EXPECT_EQ(brazilian.currencyDecimals, 2);

    const auto german = LocaleSettings::fromLocale(QLocale("de_DE"));
    EXPECT_EQ(german.currencyFormat, 3);
    EXPECT_EQ(LocaleSettings::fromLocale(QLocale("ja_JP")).currencyDecimals, 0);
}

TEST(FieldTextTest, GeneralFormat) {
    struct Case { double value; const char* english; const char* brazilian; };
    const Case cases[] = {
        {0, "0", "0"},
        {1.5, "1.5", "1,5"},
        {-2.25, "-2.25", "-2,25"},
        {12, "12", "12"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1e15, "1E15", "1E15"},
        {1.5e20, "1.5E20", "1,5E20"},
        {0.00001, "0.00001", "0,00001"},
        {1e-7, "1E-7", "1E-7"},
        {-2.5e-9, "-2.5E-9", "-2,5E-9"},
        {9999999999.0, "9999999999", "9999999999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldtext::formatGeneral(c.value, english), c.english) << c.value;
        EXPECT_EQ(fieldtext::formatGeneral(c.value, brazilian), c.brazilian) << c.value;
    }
}

TEST(FieldTextTest, MoneyDisplayAndEditText) {
    // The Brazilian symbol placement exactly as the locale writes it, with a plain blank.
    QString expected = QLocale("pt_BR").toCurrencyString(12.5);
    expected.replace(QChar(0x00A0), u' ');
    EXPECT_EQ(fieldtext::displayText(FieldKind::Money, 12.5, brazilian), expected);
    EXPECT_EQ(fieldtext::displayText(FieldKind::Money, 12.5, brazilian), "R$ 12,50");
    EXPECT_EQ(fieldtext::editText(FieldKind::Money, 12.5, brazilian), "12,50");

    struct Case { double value; const char* display; const char* edit; };
    const Case cases[] = {
        {1234567.891, "$1,234,567.89", "1234567.89"},
        {1.005, "$1.01", "1.01"},       // rounds the decimal value, not the binary one
        {2.675, "$2.68", "2.68"},
        {-1.5, "-$1.50", "-1.50"},
        {-0.001, "$0.00", "0.00"},      // no negative zero
        {999.995, "$1,000.00", "1000.00"},
        {0, "$0.00", "0.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldtext::displayText(FieldKind::Money, c.value, english), c.display) << c.value;
        EXPECT_EQ(fieldtext::editText(FieldKind::Money, c.value, english), c.edit) << c.value;
    }
    EXPECT_EQ(fieldtext::displayText(FieldKind::Money, -1234.5, brazilian), "-R$ 1.234,50");

    LocaleSettings after = english;
    after.currencyFormat = 3;
    after.currencySymbol = "€";
    after.currencyDecimals = 0;
    EXPECT_EQ(fieldtext::displayText(FieldKind::Money, 1234.5, after), "1,235 €");
}

TEST(FieldTextTest, DisplayOfEachKind) {
    EXPECT_EQ(fieldtext::displayText(FieldKind::Number, 1.5, brazilian), "1,5");
    EXPECT_EQ(fieldtext::displayText(FieldKind::Number, std::int64_t(15), brazilian), "15");
    EXPECT_EQ(fieldtext::displayText(FieldKind::AutoIncrement, std::int64_t(-42), brazilian), "-42");
    EXPECT_EQ(fieldtext::displayText(FieldKind::Text, std::string("São Paulo"), brazilian),
              "São Paulo");
    for (FieldKind kind : {FieldKind::AutoIncrement, FieldKind::Number, FieldKind::Money, FieldKind::Text}) {
        EXPECT_EQ(fieldtext::displayText(kind, engine::Value{}, english), "");
        EXPECT_EQ(fieldtext::editText(kind, engine::Value{}, english), "");
    }
}

TEST(FieldTextTest, ConversionFromText) {
    const FieldDef id = def(FieldKind::AutoIncrement, "Id_Produto");
    const FieldDef number = def(FieldKind::Number, "Quantidade");
    const FieldDef money = def(FieldKind::Money, "Valor");
    const FieldDef name = def(FieldKind::Text, "Nome", 5);

    struct Case {
        const FieldDef& field;
        const LocaleSettings& locale;
        QString text;
        std::optional<engine::Value> value;  // none: refused with `message`
        QString message;
    };
    const std::optional<engine::Value> refused;
    const Case cases[] = {
        {id, english, "", engine::Value{}, {}},
        {id, english, "42", std::int64_t(42), {}},
        {id, english, " -7 ", std::int64_t(-7), {}},
        {id, english, "+0012", std::int64_t(12), {}},
        {id, english, "2147483647", std::int64_t(2147483647), {}},
        {id, english, "-2147483648", std::int64_t(-2147483648LL), {}},
        {id, english, "12a", refused, "'12a' is not a valid integer value for field 'Id_Produto'"},
        {id, english, "1.5", refused, "'1.5' is not a valid integer value for field 'Id_Produto'"},
        {id, english, "-", refused, "'-' is not a valid integer value for field 'Id_Produto'"},
        {id, english, "9999999999", refused,
         "9999999999 is not a valid value for field 'Id_Produto'. The allowed range is "
         "-2147483648 to 2147483647"},
        {id, english, "-2147483649", refused,
         "-2147483649 is not a valid value for field 'Id_Produto'. The allowed range is "
         "-2147483648 to 2147483647"},
        {id, english, "100000000000000000000", refused,
         "1E20 is not a valid value for field 'Id_Produto'. The allowed range is "
         "-2147483648 to 2147483647"},

        {number, english, "", engine::Value{}, {}},
        {number, english, "1.5", 1.5, {}},
        {number, english, " -2.5e3 ", -2500.0, {}},
        {number, english, ".5", 0.5, {}},
        {number, english, "7.", 7.0, {}},
        {number, english, "1E-400", 0.0, {}},
        {number, english, "1,5", refused, "'1,5' is not a valid floating point value for field 'Quantidade'"},
        {number, english, "1,000", refused, "'1,000' is not a valid floating point value for field 'Quantidade'"},
        {number, english, "abc", refused, "'abc' is not a valid floating point value for field 'Quantidade'"},
        {number, english, "1e", refused, "'1e' is not a valid floating point value for field 'Quantidade'"},
        {number, english, "1E400", refused, "'1E400' is not a valid floating point value for field 'Quantidade'"},
        {number, english, " ", refused, "' ' is not a valid floating point value for field 'Quantidade'"},
        {number, brazilian, "1,5", 1.5, {}},
        {number, brazilian, "1.5", refused, "'1.5' is not a valid floating point value for field 'Quantidade'"},
        {money, brazilian, "12,50", 12.5, {}},
        {money, brazilian, "R$ 12,50", refused, "'R$ 12,50' is not a valid floating point value for field 'Valor'"},
        {money, brazilian, "1.234,50", refused, "'1.234,50' is not a valid floating point value for field 'Valor'"},

        {name, english, "", engine::Value{}, {}},
        {name, english, "Maria", std::string("Maria"), {}},
        {name, english, "Mariana Souza", std::string("Maria"), {}},
        {name, english, "Joã", std::string("Joã"), {}},
        {name, english, "  ab ", std::string("  ab "), {}},
    };
    for (const Case& c : cases) {
        const Parsed got = parse(c.field, c.text, c.locale);
        if (c.value) {
            ASSERT_TRUE(got.value.has_value()) << c.text.toStdString() << ": " << got.message.toStdString();
            EXPECT_EQ(*got.value, *c.value) << c.text.toStdString();
        } else {
            EXPECT_FALSE(got.value.has_value()) << c.text.toStdString();
            EXPECT_EQ(got.message, c.message);
        }
    }
}

TEST(FieldTextTest, LongTextIsCutToTheFieldSize) {
    const FieldDef nome = def(FieldKind::Text, "Nome", 50);
    const QString sixty = QString(60, u'x');
    EXPECT_EQ(fieldtext::parse(nome, sixty, english), engine::Value(std::string(50, 'x')));

    // A character outside the basic plane is never split in two.
    const FieldDef uf = def(FieldKind::Text, "UF", 2);
    const QString emoji = QString("a") + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(fieldtext::parse(uf, emoji, english), engine::Value(std::string("a")));
}

TEST(FieldTextTest, AcceptedKeys) {
    auto accepted = [](FieldKind kind, const LocaleSettings& locale) {
        QString keys;
        for (QChar c : QStringLiteral("09+-eE.,a $"))
            if (fieldtext::acceptsChar(kind, c, locale)) keys += c;
        return keys;
    };
    EXPECT_EQ(accepted(FieldKind::AutoIncrement, english), "09+-");
    EXPECT_EQ(accepted(FieldKind::Number, english), "09+-eE.");
    EXPECT_EQ(accepted(FieldKind::Money, brazilian), "09+-eE,");
    EXPECT_EQ(accepted(FieldKind::Text, english), "09+-eE.,a $");
}

TEST(FieldTextTest, AlignmentAndWidth) {
    EXPECT_EQ(fieldtext::alignment(FieldKind::Text), Qt::AlignLeft);
    EXPECT_EQ(fieldtext::alignment(FieldKind::Money), Qt::AlignRight);
    EXPECT_EQ(fieldtext::displayWidth(def(FieldKind::Text, "UF", 2)), 2);
    EXPECT_EQ(fieldtext::displayWidth(def(FieldKind::Number, "Status")), 10);
}
