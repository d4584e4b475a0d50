#pragma once
// A finite double as its decimal digits rounded to 15 significant digits. Numbers and money
// are written from these digits, so a value shows as the decimal it stands for (1.005 rounds
// to 1.01) rather than as its binary approximation.

#include <string>

struct DecimalDigits {
    bool negative = false;
    std::string digits;     // significant digits without trailing zeros; empty for zero
    int pointPosition = 0;  // how many digits stand before the decimal point (may be <= 0)

    static DecimalDigits of(double value);

    bool isZero() const { return digits.empty(); }
    int exponent() const { return pointPosition - 1; }  // decimal exponent of the first digit

    // Rounded half away from zero to `decimals` places: the integer digits (at least "0")
    // and exactly `decimals` fraction digits.
    struct Fixed {
        std::string integerPart, fraction;
        bool isZero() const;
    };
    Fixed toFixed(int decimals) const;
};
