#include "integer_text.h"

#include <limits>

namespace report {

std::optional<std::int32_t> toInt32(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;

    bool negative = false;
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;

    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        int digit;
        if (c >= u'0' && c <= u'9') digit = c.unicode() - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') digit = c.unicode() - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') digit = c.unicode() - u'A' + 10;
        else return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace report
