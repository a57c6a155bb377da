#include "platform/core/MulDiv.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct TMulDivCase {
    int Number, Numerator, Denominator, Expected;
};

TEST(MulDiv, RoundsToNearestHalvesAwayFromZero) {
    const TMulDivCase cases[] = {
        {10, 66, 100, 7},   // 6.6: the thumb length of a 66-pixel track showing a tenth
        {5, 1, 2, 3},       // 2.5 rounds up
        {-5, 1, 2, -3},     // -2.5 rounds away from zero
        {5, -1, 2, -3},     //
        {5, 1, -2, -3},     // the sign of the divisor counts too
        {-5, -1, -2, -3},   //
        {7, 1, 3, 2},       // 2.33
        {8, 1, 3, 3},       // 2.67
        {0, 1000, 7, 0},    //
        {255, 16, 100, 41}, // 40.8
        {192, 35, 100, 67}, // 67.2
        {100000, 100000, 100000, 100000}, // the product would overflow 32 bits
        {INT_MAX, 2, 2, INT_MAX},
        {INT_MIN, 1, 1, INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected)
            << c.Number << " * " << c.Numerator << " / " << c.Denominator;
}

TEST(MulDiv, ZeroDivisorAndOverflowGiveMinusOne) {
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 2, 1), -1);
}

} // namespace
