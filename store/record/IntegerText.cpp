#include "store/record/IntegerText.h"

namespace {

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseInt32(const QString& text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text.at(i) == u' ')
        ++i;

    bool negative = false;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    bool hex = false;
    if (i < size && (text.at(i) == u'$' || text.at(i) == u'x' || text.at(i) == u'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < size && text.at(i) == u'0' &&
               (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }

    if (i == size)
        return std::nullopt; // nothing, a lone sign or a prefix without digits

    if (hex) {
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; i < size; ++i) {
            const int digit = HexDigitValue(text.at(i).unicode());
            if (digit < 0)
                return std::nullopt;
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return std::nullopt;
            pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
        }
        // The sign applies to the 32-bit pattern, wrapping like the rest of the money sums.
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }

    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the range.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt; // only ASCII digits count, not other scripts' digits
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}
