#include "model/format/IntegerText.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Length of a hexadecimal prefix at the text's start, 0 when there is none.
std::size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        return 1;
    if (text.starts_with("0x") || text.starts_with("0X"))
        return 2;
    return 0;
}

// Leading zeros are not significant, so $000000001 still fits the eight-digit limit.
std::optional<std::uint32_t> ParseHexPattern(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        if (value == 0 && digit == 0)
            continue;
        if (++significant > 8)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t prefix = HexPrefixLength(text);
    if (prefix == 0)
        return ParseDecimal(text, negative);
    const auto pattern = ParseHexPattern(text.substr(prefix));
    if (!pattern)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? 0u - *pattern : *pattern);
}
