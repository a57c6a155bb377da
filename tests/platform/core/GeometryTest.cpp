#include "platform/core/Geometry.h"

#include <gtest/gtest.h>

TEST(Rect, EdgesAreExclusive) {
    TRect r = Bounds(2, 3, 4, 5);
    EXPECT_EQ(r, Rect(2, 3, 6, 8));
    EXPECT_TRUE(r.Contains(Point(2, 3)));
    EXPECT_TRUE(r.Contains(Point(5, 7)));
    EXPECT_FALSE(r.Contains(Point(6, 7)));
    EXPECT_FALSE(r.Contains(Point(5, 8)));
}

TEST(Rect, IntersectionAndUnion) {
    struct Case {
        TRect a, b, inter, uni;
    };
    const Case cases[] = {
        {Rect(0, 0, 10, 10), Rect(5, 5, 15, 15), Rect(5, 5, 10, 10), Rect(0, 0, 15, 15)},
        // Touching edges share no pixel.
        {Rect(0, 0, 10, 10), Rect(10, 0, 20, 10), TRect{}, Rect(0, 0, 20, 10)},
        // An empty operand adds nothing to a union.
        {Rect(0, 0, 10, 10), Rect(50, 50, 50, 60), TRect{}, Rect(0, 0, 10, 10)},
        {Rect(3, 3, 3, 3), Rect(4, 4, 4, 9), TRect{}, TRect{}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a.Intersected(c.b), c.inter);
        EXPECT_EQ(c.b.Intersected(c.a), c.inter);
        EXPECT_EQ(c.a.United(c.b), c.uni);
        EXPECT_EQ(c.b.United(c.a), c.uni);
    }
}

TEST(Rect, OffsetInflateNormalize) {
    EXPECT_EQ(Rect(1, 2, 3, 4).Offset(10, 20), Rect(11, 22, 13, 24));
    EXPECT_EQ(Rect(5, 5, 10, 10).Inflated(2, -1), Rect(3, 6, 12, 9));
    EXPECT_EQ(Rect(10, 10, 0, 5).Normalized(), Rect(0, 5, 10, 10));
    EXPECT_TRUE(Rect(10, 10, 0, 5).IsEmpty());
}
