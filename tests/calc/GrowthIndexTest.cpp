#include "calc/GrowthIndex.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

std::string IndexText(std::int32_t k, std::string_view separator = ".") {
    return FormatGrowthIndex(GrowthIndex(k), separator);
}

// n / 10000 written out by whole-number arithmetic.
std::string DecimalText(std::int64_t n) {
    std::string text = n < 0 ? "-" : "";
    const std::int64_t magnitude = n < 0 ? -n : n;
    text += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

// The whole number nearest to 5K/32, for K where that is no tie.
std::int64_t NearestFiveThirtySeconds(std::int64_t k) {
    const std::int64_t numerator = 5 * k + 16;
    return numerator >= 0 ? numerator / 32 : -((-numerator + 31) / 32);
}

TEST(calc_GrowthIndex, ExactHalvesGoTheWayTheExtendedStepsDecide) {
    EXPECT_EQ(IndexText(16), "0.0002");
    EXPECT_EQ(IndexText(48), "0.0007");
    EXPECT_EQ(IndexText(272), "0.0043");
    EXPECT_EQ(IndexText(-16), "-0.0002");
}

TEST(calc_GrowthIndex, IsTheNearestTenThousandthAwayFromHalves) {
    auto check = [](std::int64_t k) {
        if (((k % 32) + 32) % 32 == 16)
            return;
        ASSERT_EQ(IndexText(static_cast<std::int32_t>(k)), DecimalText(NearestFiveThirtySeconds(k)))
            << "K " << k;
    };
    for (std::int64_t k = -200000; k <= 200000; ++k)
        check(k);
    for (std::int64_t k = -2147483648LL; k <= 2147483647LL; k += 65521)
        check(k);
    for (std::int64_t k = 2147483647LL - 2000; k <= 2147483647LL; ++k) {
        check(k);
        check(-k - 1);
    }
}

TEST(calc_GrowthIndex, PrintsInGeneralFormatWithoutMinusZero) {
    const struct {
        std::int32_t K;
        const char* Text;
    } cases[] = {
        {0, "0"},
        {1, "0"},
        {-1, "0"},
        {-3, "0"},
        {-4, "-0.0001"},
        {4, "0.0001"},
        {8125, "0.127"},
        {-2600, "-0.0406"},
        {64000, "1"},
        {-64000, "-1"},
        {100000, "1.5625"},
        {6400, "0.1"},
        {640000, "10"},
        {2147483647, "33554.432"},
        {-2147483647 - 1, "-33554.432"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IndexText(c.K), c.Text) << "K " << c.K;
    // Zero is +0 even where the quotient was negative.
    EXPECT_FALSE(std::signbit(GrowthIndex(-1)));
}

TEST(calc_GrowthIndex, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(IndexText(8125, ","), "0,127");
    EXPECT_EQ(IndexText(-100000, ","), "-1,5625");
    EXPECT_EQ(IndexText(64000, ","), "1");
}

TEST(calc_GrowthIndex, LocaleSeparatorOfTheCLocaleIsAPoint) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(LocaleDecimalSeparator(), ".");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
