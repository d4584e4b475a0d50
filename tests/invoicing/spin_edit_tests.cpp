// The quantity box: how its text reads as a whole number, and the keys it takes.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "locale_settings.h"
#include "spin_edit.h"

namespace {

TEST(SpinEdit, ReadsTextAsAWholeNumber) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"  42", 42},
        {"+42", 42},
        {"-42", -42},
        {"007", 7},
        {"$1F", 31},
        {"$ff", 255},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"42 ", std::nullopt},
        {"4 2", std::nullopt},
        {"1.5", std::nullopt},
        {"1,5", std::nullopt},
        {"1e3", std::nullopt},
        {"0x1F", std::nullopt},
        {"$1G", std::nullopt},
        {"--1", std::nullopt},
        {"\t1", std::nullopt},
        {"١٢", std::nullopt},  // digits of another script
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpinEdit::readWholeNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

// Typed keys other than digits, signs and the decimal separator are refused; Enter too.
TEST(SpinEdit, TypedKeysAreLimited) {
    SpinEdit spin;
    spin.selectAll();
    const QString decimal = LocaleSettings::current().decimalSeparator;
    QTest::keyClicks(&spin, "1a-b+" + decimal + "2 x");
    EXPECT_EQ(spin.text(), "1-+" + decimal + "2");
    QTest::keyClick(&spin, Qt::Key_Return);
    EXPECT_EQ(spin.text(), "1-+" + decimal + "2");
    EXPECT_EQ(spin.value(), 0);
}

// The arrows step from the value without bounds and stop at the ends of the 32-bit range.
TEST(SpinEdit, ArrowsStepByOneWithoutBounds) {
    const struct {
        const char* start;
        Qt::Key key;
        const char* after;
    } cases[] = {
        {"0", Qt::Key_Up, "1"},
        {"0", Qt::Key_Down, "-1"},
        {"-5", Qt::Key_Down, "-6"},
        {"1.5", Qt::Key_Up, "1"},  // '.' stands for the decimal separator
        {"", Qt::Key_Down, "-1"},
        {"2147483647", Qt::Key_Up, "2147483647"},
        {"-2147483648", Qt::Key_Down, "-2147483648"},
        {"7", Qt::Key_PageUp, "7"},
    };
    const QChar decimal = LocaleSettings::current().decimalSeparator;
    for (const auto& c : cases) {
        SpinEdit spin;
        spin.selectAll();
        QTest::keyClick(&spin, Qt::Key_Backspace);
        QTest::keyClicks(&spin, QString(c.start).replace('.', decimal));
        QTest::keyClick(&spin, c.key);
        EXPECT_EQ(spin.text(), c.after) << c.start;
    }
}

}  // namespace
