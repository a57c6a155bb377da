#include "platform/draw/RegionShapes.h"
#include "platform/draw/SystemFonts.h"

#include <gtest/gtest.h>

namespace {

// Rows of a region as text ('#' inside) over a w x h area.
std::string Rows(const TRegion& r, int w, int h) {
    std::string s;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            s += r.Contains({x, y}) ? '#' : '.';
        s += '\n';
    }
    return s;
}

TEST(RegionShapes, RoundRectRegionLeavesOutTheLastColumnAndRow) {
    // A window region for a 6 x 4 window is built from (0, 0, 7, 5).
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 7, 5, 0, 0), TRegion(Rect(0, 0, 6, 4)));
    EXPECT_EQ(Rows(CreateRoundRectRgn(0, 0, 9, 9, 4, 4), 8, 8), ".######.\n"
                                                                "########\n"
                                                                "########\n"
                                                                "########\n"
                                                                "########\n"
                                                                "########\n"
                                                                "########\n"
                                                                ".######.\n");
    EXPECT_EQ(Rows(CreateEllipticRgn(0, 0, 5, 5), 4, 4), ".##.\n"
                                                         "####\n"
                                                         "####\n"
                                                         ".##.\n");
}

TEST(RegionShapes, TopCornersOnlyWindowRegion) {
    // The skinned title bar's shape: rounded region united with squares over the bottom
    // corners.
    const int w = 20;
    const int h = 16;
    const int v = 4;
    TRegion r = CreateRoundRectRgn(0, 0, w + 1, h + 1, v, v);
    r.Unite(TRegion(Rect(0, h - 2 * v, 2 * v, h)));
    r.Unite(TRegion(Rect(w - 2 * v, h - 2 * v, w, h)));
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({w - 1, 0}));
    EXPECT_TRUE(r.Contains({0, h - 1}));
    EXPECT_TRUE(r.Contains({w - 1, h - 1}));
    EXPECT_EQ(r.GetBounds(), Rect(0, 0, w, h));
}

TEST(RegionShapes, CombineModes) {
    const TRegion a(Rect(0, 0, 4, 2));
    const TRegion b(Rect(2, 0, 6, 2));
    struct TCase {
        int Mode;
        int Answer;
        const char* Rows;
    };
    const TCase cases[] = {
        {RGN_AND, SIMPLEREGION, "..##..\n"},  {RGN_OR, SIMPLEREGION, "######\n"},
        {RGN_XOR, COMPLEXREGION, "##..##\n"}, {RGN_DIFF, SIMPLEREGION, "##....\n"},
        {RGN_COPY, SIMPLEREGION, "####..\n"},
    };
    for (const TCase& c : cases) {
        TRegion out;
        EXPECT_EQ(CombineRgn(out, a, b, c.Mode), c.Answer) << c.Mode;
        EXPECT_EQ(Rows(out, 6, 1), c.Rows) << c.Mode;
    }
    TRegion out;
    EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, 99), RGN_ERROR);
}

TEST(RegionShapes, TestsAndEquality) {
    TRegion r = CreateRectRgn(5, 5, 1, 1); // normalised
    EXPECT_TRUE(EqualRgn(r, TRegion(Rect(1, 1, 5, 5))));
    EXPECT_TRUE(PtInRegion(r, 1, 1));
    EXPECT_FALSE(PtInRegion(r, 5, 5));
    EXPECT_TRUE(RectInRegion(r, Rect(4, 4, 9, 9)));
    EXPECT_FALSE(RectInRegion(r, Rect(5, 0, 9, 9)));
    TRegion moved = r.Offset(1, 0);
    EXPECT_FALSE(EqualRgn(r, moved));
    EXPECT_TRUE(EqualRgn(moved.Offset(-1, 0), r));
}

TEST(SystemFonts, MenusUseTheSongFace) {
    EXPECT_EQ(GetMenuLogFont().FaceName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(GetMenuLogFont().Height, -12);
}

} // namespace
