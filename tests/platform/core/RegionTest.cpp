#include "platform/core/Region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Pixels(const TRegion& r) {
    PixelSet s;
    for (const TRect& rc : r.GetRects())
        for (int y = rc.Top; y < rc.Bottom; ++y)
            for (int x = rc.Left; x < rc.Right; ++x)
                EXPECT_TRUE(s.insert({x, y}).second) << "pixel listed twice";
    return s;
}

PixelSet Pixels(const TRect& rc) {
    return Pixels(TRegion(rc));
}

} // namespace

TEST(Region, CombineMatchesPixelSets) {
    const TRect a = Rect(0, 0, 6, 4), b = Rect(3, 2, 9, 7);
    PixelSet pa = Pixels(a), pb = Pixels(b);
    PixelSet uni = pa, inter, diff, xr;
    uni.insert(pb.begin(), pb.end());
    for (auto p : pa)
        (pb.count(p) ? inter : diff).insert(p);
    xr = diff;
    for (auto p : pb)
        if (!pa.count(p))
            xr.insert(p);

    TRegion ra(a), rb(b);
    EXPECT_EQ(Pixels(ra.United(rb)), uni);
    EXPECT_EQ(Pixels(ra.Intersected(rb)), inter);
    EXPECT_EQ(Pixels(ra.Subtracted(rb)), diff);
    EXPECT_EQ(Pixels(ra.Xored(rb)), xr);
}

// Regions of a few random rectangles on a small grid, combined every way: the result holds
// exactly the pixels it should, and equals the same pixels built one row at a time (one form
// for one pixel set).
TEST(Region, RandomCombinationsMatchPixelSets) {
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % std::uint32_t(n));
    };
    auto randomRegion = [&] {
        std::vector<TRect> rects;
        for (int i = next(4); i >= 0; --i) {
            int x = next(12), y = next(12);
            rects.push_back(Rect(x, y, x + 1 + next(8), y + 1 + next(8)));
        }
        return next(5) == 0 ? TRegion() : TRegion::FromRects(rects);
    };
    auto byRows = [](const PixelSet& pixels) {
        TRegion r;
        for (auto [x, y] : pixels)
            r.Unite(TRegion(Rect(x, y, x + 1, y + 1)));
        return r;
    };
    for (int round = 0; round < 400; ++round) {
        const TRegion a = randomRegion(), b = randomRegion();
        const PixelSet pa = Pixels(a), pb = Pixels(b);
        PixelSet uni = pa, inter, diff, xr;
        uni.insert(pb.begin(), pb.end());
        for (auto p : pa)
            (pb.count(p) ? inter : diff).insert(p);
        xr = diff;
        for (auto p : pb)
            if (!pa.count(p))
                xr.insert(p);
        const std::pair<TRegion, PixelSet> cases[] = {{a.United(b), uni},
                                                      {a.Intersected(b), inter},
                                                      {a.Subtracted(b), diff},
                                                      {a.Xored(b), xr}};
        for (const auto& [got, want] : cases) {
            ASSERT_EQ(Pixels(got), want) << "round " << round;
            ASSERT_EQ(got, byRows(want)) << "round " << round;
        }
    }
}

TEST(Region, EqualPixelSetsCompareEqual) {
    // The same L shape built in two different ways.
    TRegion one = TRegion(Rect(0, 0, 4, 2)).United(TRegion(Rect(0, 2, 2, 4)));
    TRegion two = TRegion(Rect(0, 0, 2, 4)).United(TRegion(Rect(2, 0, 4, 2)));
    EXPECT_EQ(one, two);
    EXPECT_NE(one, TRegion(Rect(0, 0, 4, 4)));
    // A hole filled again gives back the plain rectangle.
    TRegion holed = TRegion(Rect(0, 0, 10, 10)).Subtracted(TRegion(Rect(3, 3, 5, 5)));
    EXPECT_EQ(holed.United(TRegion(Rect(3, 3, 5, 5))), TRegion(Rect(0, 0, 10, 10)));
}

TEST(Region, TestsAndBounds) {
    TRegion r = TRegion(Rect(0, 0, 10, 10)).Subtracted(TRegion(Rect(3, 3, 5, 5)));
    EXPECT_TRUE(r.Contains(Point(0, 0)));
    EXPECT_FALSE(r.Contains(Point(3, 3)));
    EXPECT_TRUE(r.Contains(Point(5, 5)));
    EXPECT_FALSE(r.Contains(Point(10, 0)));
    EXPECT_FALSE(r.Intersects(Rect(3, 3, 5, 5)));
    EXPECT_TRUE(r.Intersects(Rect(4, 4, 6, 6)));
    EXPECT_FALSE(r.ContainsRect(Rect(2, 2, 4, 4)));
    EXPECT_TRUE(r.ContainsRect(Rect(0, 0, 10, 3)));
    EXPECT_EQ(r.GetBounds(), Rect(0, 0, 10, 10));
    EXPECT_EQ(r.Offset(5, -5).GetBounds(), Rect(5, -5, 15, 5));
    EXPECT_TRUE(TRegion(Rect(5, 5, 5, 9)).IsEmpty());
    EXPECT_TRUE(TRegion(Rect(0, 0, 2, 2)).Subtracted(TRegion(Rect(0, 0, 2, 2))).IsEmpty());
}
