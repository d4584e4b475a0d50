#pragma once
// Reading a whole number from typed text as the print screen checks its invoice number.

#include <QString>
#include <cstdint>
#include <optional>

namespace report {

// Blanks at the start are skipped; then either an optional '+' or '-' and decimal digits, or
// '$' and hexadecimal digits; nothing may follow. Empty when the text is anything else or
// the value lies outside the signed 32-bit range.
std::optional<std::int32_t> toInt32(const QString& text);

}  // namespace report
