#include "calc/PetInteger.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct TIntegerCase {
    std::string Text;
    std::optional<std::int32_t> Value; // nothing: the text is invalid
};

const TIntegerCase kCases[] = {
    // Decimal numbers, signs and leading zeros.
    {"0", 0},
    {"12", 12},
    {"+7", 7},
    {"-0", 0},
    {"-12", -12},
    {"007", 7},
    {"012", 12},
    {"+007", 7},
    // Leading spaces only; nothing else is skipped.
    {" 12", 12},
    {"   -3", -3},
    {"12 ", std::nullopt},
    {"\t12", std::nullopt},
    {" ", std::nullopt},
    {"   ", std::nullopt},
    {"", std::nullopt},
    {"1 2", std::nullopt},
    {"- 5", std::nullopt},
    // Signs need digits and come once.
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"--5", std::nullopt},
    {"+-5", std::nullopt},
    {"5-", std::nullopt},
    // Hexadecimal prefixes.
    {"x1F", 31},
    {"X1f", 31},
    {"$1f", 31},
    {"0x1F", 31},
    {"0X1F", 31},
    {" $10", 16},
    {"$0", 0},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"0x", std::nullopt},
    {"0X", std::nullopt},
    {"$G", std::nullopt},
    {"$1 ", std::nullopt},
    {"00x1", std::nullopt},
    {"$$1", std::nullopt},
    {"$0x1", std::nullopt},
    // No sign with a hexadecimal prefix, in either order.
    {"-$1", std::nullopt},
    {"+$1", std::nullopt},
    {"-0x1", std::nullopt},
    {"$-1", std::nullopt},
    // Eight significant hexadecimal digits; leading zeros do not count.
    {"$FFFFFFFF", -1},
    {"$80000000", -2147483647 - 1},
    {"$7FFFFFFF", 2147483647},
    {"0x00000000FFFFFFFF", -1},
    {"$100000000", std::nullopt},
    {"$FFFFFFFFF", std::nullopt},
    // The decimal range, without wrap-around.
    {"2147483647", 2147483647},
    {"2147483648", std::nullopt},
    {"-2147483648", -2147483647 - 1},
    {"-2147483649", std::nullopt},
    {"+2147483648", std::nullopt},
    {"0000000000002147483647", 2147483647},
    {"99999999999999999999", std::nullopt},
    {"4294967296", std::nullopt},
    // Other characters.
    {"3.5", std::nullopt},
    {"1,000", std::nullopt},
    {"1e3", std::nullopt},
    {"\xA3\xB1\xA3\xB2", std::nullopt}, // full-width 12 in GBK
    {"12\xA3\xB2", std::nullopt},
    {std::string("1\0", 2), std::nullopt},
};

TEST(calc_ParsePetInteger, ReadsTheTableOfTexts) {
    for (const TIntegerCase& c : kCases)
        EXPECT_EQ(ParsePetInteger(c.Text), c.Value) << "text: \"" << c.Text << "\"";
}

TEST(calc_ParsePetInteger, EveryDecimalWrittenByToStringReadsBack) {
    const std::int32_t samples[] = {-2147483647 - 1, -1000000007, -65536,    -1, 0, 1, 99,
                                    65535,           123456789,   2147483647};
    for (std::int32_t value : samples) {
        EXPECT_EQ(ParsePetInteger(std::to_string(value)), value);
        EXPECT_EQ(ParsePetInteger("  " + std::to_string(value)), value);
    }
}

} // namespace
