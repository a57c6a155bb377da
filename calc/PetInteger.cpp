#include "calc/PetInteger.h"

#include <cstddef>

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        if (significant > 0 || digit != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    // The magnitude is limited to 2147483648, which only a negative number may reach.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (!IsDecimalDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> ParsePetInteger(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    const std::string_view rest = text.substr(start);
    if (rest.empty())
        return std::nullopt;

    const char first = rest[0];
    if (first == '-' || first == '+')
        return ParseDecimal(rest.substr(1), first == '-');
    if (first == '$' || first == 'x' || first == 'X')
        return ParseHex(rest.substr(1));
    if (first == '0' && rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X'))
        return ParseHex(rest.substr(2));
    return ParseDecimal(rest, false);
}
