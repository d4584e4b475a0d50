#include "decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

DecimalDigits DecimalDigits::of(double value) {
    DecimalDigits result;
    if (value == 0 || !std::isfinite(value)) return result;

    // "d.dddddddddddddde±x": always the C form, whatever the process locale says.
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    const std::string written(text, end);
    const auto e = written.find('e');

    result.digits = written.substr(0, 1) + written.substr(2, e - 2);
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    result.pointPosition = std::atoi(written.c_str() + e + 1) + 1;
    result.negative = value < 0;
    return result;
}

bool DecimalDigits::Fixed::isZero() const {
    auto zero = [](const std::string& s) { return s.find_first_not_of('0') == std::string::npos; };
    return zero(integerPart) && zero(fraction);
}

DecimalDigits::Fixed DecimalDigits::toFixed(int decimals) const {
    decimals = std::max(decimals, 0);
    const int integerLength = std::max(pointPosition, 0);

    // All digits from the first integer digit (or the decimal point) on, one past the last kept.
    std::string all(static_cast<std::size_t>(std::max(-pointPosition, 0)), '0');
    all += digits;
    const std::size_t kept = static_cast<std::size_t>(integerLength + decimals);
    if (all.size() < kept + 1) all.resize(kept + 1, '0');

    const bool roundUp = all[kept] >= '5';
    all.resize(kept);
    int length = integerLength;
    if (roundUp) {
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') all[--i] = '0';
        if (i > 0) {
            ++all[i - 1];
        } else {
            all.insert(all.begin(), '1');
            ++length;
        }
    }

    Fixed fixed;
    fixed.integerPart = all.substr(0, static_cast<std::size_t>(length));
    fixed.fraction = all.substr(static_cast<std::size_t>(length));
    fixed.integerPart.erase(0, std::min(fixed.integerPart.find_first_not_of('0'),
                                        fixed.integerPart.size()));
    if (fixed.integerPart.empty()) fixed.integerPart = "0";
    return fixed;
}
