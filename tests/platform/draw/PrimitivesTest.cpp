#include "PixelArt.h"
#include "platform/draw/DC.h"

#include <gtest/gtest.h>

namespace {

const std::map<TColor, char> Legend = {
    {clWhite, '.'}, {clBlack, '#'}, {clRed, 'R'}, {clGray, 'G'}, {clBlue, 'B'}};

TLogBrush Solid(TColor c) {
    return {BS_SOLID, c, nullptr};
}

struct TShapeCase {
    const char* Name;
    int W, H;
    void (*Draw)(TDC&);
    const char* Expected;
};

// Hand-computed coverage of the shapes: outline inside the box, the brush inside the outline.
const TShapeCase ShapeCases[] = {
    {"RectangleOnePixelPen", 6, 6,
     [](TDC& dc) {
         dc.SelectBrush(Solid(clRed));
         dc.Rectangle(1, 1, 5, 5);
     },
     "......\n"
     ".####.\n"
     ".#RR#.\n"
     ".#RR#.\n"
     ".####.\n"
     "......\n"},
    {"RectanglePenWidthThree", 8, 8,
     [](TDC& dc) {
         dc.SelectPen({PS_SOLID, 3, clBlack});
         dc.SelectBrush(Solid(clRed));
         dc.Rectangle(0, 0, 8, 8);
     },
     "########\n"
     "########\n"
     "########\n"
     "###RR###\n"
     "###RR###\n"
     "########\n"
     "########\n"
     "########\n"},
    {"RectangleNullPenIsOneSmaller", 6, 6,
     [](TDC& dc) {
         dc.SelectPen({PS_NULL, 1, clBlack});
         dc.SelectBrush(Solid(clRed));
         dc.Rectangle(1, 1, 5, 5);
     },
     "......\n"
     ".RRR..\n"
     ".RRR..\n"
     ".RRR..\n"
     "......\n"
     "......\n"},
    {"RectangleNullBrushKeepsInside", 4, 4,
     [](TDC& dc) {
         dc.FillRect(TRect(0, 0, 4, 4), clRed);
         dc.SelectBrush({BS_NULL, clWhite, nullptr});
         dc.Rectangle(0, 0, 4, 4);
     },
     "####\n"
     "#RR#\n"
     "#RR#\n"
     "####\n"},
    {"RoundRectCorners", 8, 8,
     [](TDC& dc) {
         dc.FillRect(TRect(0, 0, 8, 8), clGray);
         dc.RoundRect(0, 0, 8, 8, 4, 4);
     },
     "G######G\n"
     "#......#\n"
     "#......#\n"
     "#......#\n"
     "#......#\n"
     "#......#\n"
     "#......#\n"
     "G######G\n"},
    {"EllipseTwelveIsTheClassicRadioRing", 12, 12,
     [](TDC& dc) {
         dc.SelectBrush({BS_NULL, clWhite, nullptr});
         dc.Ellipse(0, 0, 12, 12);
     },
     "....####....\n"
     "..##....##..\n"
     ".#........#.\n"
     ".#........#.\n"
     "#..........#\n"
     "#..........#\n"
     "#..........#\n"
     "#..........#\n"
     ".#........#.\n"
     ".#........#.\n"
     "..##....##..\n"
     "....####....\n"},
    // Corner ellipses are measured from pixel centre to pixel centre: (w - 1) x (h - 1) on a
    // w x h box is the box's ellipse (the radio painter's dot and ring).
    {"RoundRectAsRadioDot", 6, 6,
     [](TDC& dc) {
         dc.SelectBrush(Solid(clBlack));
         dc.RoundRect(1, 1, 5, 5, 3, 3);
     },
     "......\n"
     "..##..\n"
     ".####.\n"
     ".####.\n"
     "..##..\n"
     "......\n"},
    {"RoundRectWithFullCornersIsTheEllipse", 12, 12,
     [](TDC& dc) {
         dc.SelectBrush({BS_NULL, clWhite, nullptr});
         dc.RoundRect(0, 0, 12, 12, 11, 11);
     },
     "....####....\n"
     "..##....##..\n"
     ".#........#.\n"
     ".#........#.\n"
     "#..........#\n"
     "#..........#\n"
     "#..........#\n"
     "#..........#\n"
     ".#........#.\n"
     ".#........#.\n"
     "..##....##..\n"
     "....####....\n"},
    {"PolygonFillAndOutline", 7, 7,
     [](TDC& dc) {
         dc.SelectBrush(Solid(clRed));
         const TPoint pts[] = {{0, 0}, {6, 0}, {0, 6}};
         dc.Polygon(pts, 3);
     },
     "#######\n"
     "#RRRR#.\n"
     "#RRR#..\n"
     "#RR#...\n"
     "#R#....\n"
     "##.....\n"
     "#......\n"},
    {"LinesLeaveOutTheEndPoint", 5, 5,
     [](TDC& dc) {
         dc.MoveToEx(0, 0);
         dc.LineTo(4, 0);
         dc.MoveToEx(0, 1);
         dc.LineTo(3, 4);
     },
     "####.\n"
     "#....\n"
     ".#...\n"
     "..#..\n"
     ".....\n"},
    {"DottedPenSkipsEveryOtherPixel", 7, 1,
     [](TDC& dc) {
         dc.SelectPen({PS_DOT, 1, clBlack});
         dc.MoveToEx(0, 0);
         dc.LineTo(7, 0);
     },
     "#.#.#.#\n"},
    {"WidePenLineIsCentred", 5, 5,
     [](TDC& dc) {
         dc.SelectPen({PS_SOLID, 3, clBlack});
         dc.MoveToEx(1, 2);
         dc.LineTo(4, 2);
     },
     ".....\n"
     "#####\n"
     "#####\n"
     "#####\n"
     ".....\n"},
    {"PolylineIsOpen", 4, 4,
     [](TDC& dc) {
         const TPoint pts[] = {{0, 0}, {3, 0}, {3, 3}};
         dc.Polyline(pts, 3);
     },
     "####\n"
     "...#\n"
     "...#\n"
     "....\n"},
    {"FrameRectIsOnePixelInside", 5, 4,
     [](TDC& dc) { dc.FrameRect(TRect(1, 0, 5, 4), Solid(clRed)); },
     ".RRRR\n"
     ".R..R\n"
     ".R..R\n"
     ".RRRR\n"},
    {"XorPenTwiceRestores", 3, 1,
     [](TDC& dc) {
         dc.SetROP2(R2_XORPEN);
         dc.SelectPen({PS_SOLID, 1, clWhite});
         dc.MoveToEx(0, 0);
         dc.LineTo(2, 0);
         dc.MoveToEx(1, 0);
         dc.LineTo(2, 0);
     },
     "#..\n"},
};

class ShapeTest : public testing::TestWithParam<TShapeCase> {};

TEST_P(ShapeTest, CoversTheExpectedPixels) {
    const TShapeCase& c = GetParam();
    TPixelBuffer buf(c.W, c.H, 0xFFFFFF);
    TDC dc(buf);
    c.Draw(dc);
    EXPECT_EQ(Art(buf, Legend), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Primitives, ShapeTest, testing::ValuesIn(ShapeCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(Primitives, ShapesAreClippedAndShifted) {
    TPixelBuffer buf(6, 6, 0xFFFFFF);
    TDC dc(buf, {1, 1}, TRegion(Rect(0, 0, 6, 6)));
    dc.SetViewportOrg({1, 0});
    dc.IntersectClipRect(Rect(0, 0, 2, 2)); // buffer (2,1)-(4,3)
    dc.SelectBrush(Solid(clRed));
    dc.Rectangle(0, 0, 4, 4); // buffer (2,1)-(6,5)
    EXPECT_EQ(Art(buf, Legend), "......\n"
                                "..##..\n"
                                "..#R..\n"
                                "......\n"
                                "......\n"
                                "......\n");
}

TEST(Primitives, WindowOriginShiftsTheOtherWay) {
    TPixelBuffer buf(4, 1, 0xFFFFFF);
    TDC dc(buf);
    dc.SetViewportOrg({1, 0});
    dc.SetWindowOrg({2, 0}); // logical (2,0) lands on buffer (1,0)
    dc.SetPixel({2, 0}, clBlack);
    dc.SaveDC();
    dc.SetWindowOrg({0, 0});
    dc.RestoreDC(-1);
    EXPECT_EQ(dc.GetWindowOrg(), TPoint(2, 0));
    dc.SetPixel({4, 0}, clRed);
    EXPECT_EQ(Art(buf, Legend), ".#.R\n");
}

TEST(Primitives, SaveDCRestoresObjectsColoursAndClip) {
    TPixelBuffer buf(4, 1, 0xFFFFFF);
    TDC dc(buf);
    const int level = dc.SaveDC();
    dc.SelectPen({PS_SOLID, 1, clRed});
    dc.SetTextColor(clBlue);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveToEx(2, 0);
    dc.ExcludeClipRect(Rect(0, 0, 1, 1));
    dc.SaveDC();
    dc.SelectPen({PS_SOLID, 1, clGray});
    ASSERT_TRUE(dc.RestoreDC(level));
    EXPECT_EQ(dc.GetPen().Color, clBlack);
    EXPECT_EQ(dc.GetTextColor(), clBlack);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetCurrentPosition(), TPoint(0, 0));
    EXPECT_FALSE(dc.HasClipRgn());
    EXPECT_FALSE(dc.RestoreDC(1)); // that level is gone
    dc.LineTo(4, 0);
    EXPECT_EQ(Art(buf, Legend), "####\n");
}

TEST(Primitives, FocusRectIsDottedAndInvertsItself) {
    TPixelBuffer buf(4, 3, 0xFFFFFF);
    TDC dc(buf);
    dc.DrawFocusRect(Rect(0, 0, 4, 3));
    EXPECT_EQ(Art(buf, Legend), "#.#.\n"
                                "...#\n"
                                "#.#.\n");
    dc.DrawFocusRect(Rect(0, 0, 4, 3));
    EXPECT_EQ(Art(buf, Legend), "....\n"
                                "....\n"
                                "....\n");
}

TEST(Primitives, FocusRectWithBackgroundColourGivesBlackDotsOnIt) {
    // The radio button's focus: brush = control colour, text = black.
    TPixelBuffer buf(4, 1, RGBToPixel(clGray));
    TDC dc(buf);
    dc.SetBkColor(clGray);
    dc.SetTextColor(clBlack);
    dc.DrawFocusRect(Rect(0, 0, 4, 1));
    EXPECT_EQ(Art(buf, Legend), "#G#G\n");
}

TEST(Primitives, PatternBrushTilesFromTheLogicalOrigin) {
    auto pat = std::make_shared<TPixelBuffer>(2, 1);
    pat->At(0, 0) = RGBToPixel(clRed);
    pat->At(1, 0) = RGBToPixel(clBlue);
    TPixelBuffer buf(5, 1, 0xFFFFFF);
    TDC dc(buf, {1, 0}, TRegion(buf.BoundsRect()));
    dc.FillRect(Rect(0, 0, 4, 1), TLogBrush{BS_PATTERN, clWhite, pat});
    EXPECT_EQ(Art(buf, Legend), ".RBRB\n");
    dc.SetBrushOrg({1, 0});
    dc.FillRect(Rect(0, 0, 4, 1), TLogBrush{BS_PATTERN, clWhite, pat});
    EXPECT_EQ(Art(buf, Legend), ".BRBR\n");
}

TEST(Primitives, DrawEdgeSunkenUsesTheSystemColoursPerSide) {
    TPixelBuffer buf(4, 4, 0);
    TDC dc(buf);
    TRect r(0, 0, 4, 4);
    dc.DrawEdge(r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 2, 2));
    auto px = [&](int x, int y) { return PixelToRGB(buf.At(x, y)); };
    const TColor shadow = GetSysColor(COLOR_BTNSHADOW);
    const TColor hilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    const TColor dark = GetSysColor(COLOR_3DDKSHADOW);
    const TColor light = GetSysColor(COLOR_3DLIGHT);
    // Outer ring: left and top in shadow; right and bottom (drawn later, taking the top-right
    // and bottom-left corners) in highlight.
    EXPECT_EQ(px(0, 0), shadow);
    EXPECT_EQ(px(2, 0), shadow);
    EXPECT_EQ(px(0, 2), shadow);
    EXPECT_EQ(px(3, 0), hilite);
    EXPECT_EQ(px(0, 3), hilite);
    EXPECT_EQ(px(3, 3), hilite);
    // Inner ring.
    EXPECT_EQ(px(1, 1), dark);
    EXPECT_EQ(px(2, 1), light);
    EXPECT_EQ(px(1, 2), light);
    EXPECT_EQ(px(2, 2), light);
}

TEST(Primitives, DrawEdgeOnlyGivenSides) {
    TPixelBuffer buf(3, 3, 0);
    TDC dc(buf);
    TRect r(0, 0, 3, 3);
    dc.DrawEdge(r, BDR_RAISEDINNER, BF_BOTTOM);
    EXPECT_EQ(buf.At(0, 0), 0u);
    EXPECT_EQ(PixelToRGB(buf.At(1, 2)), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(r, Rect(0, 0, 3, 3)); // no BF_ADJUST
}

TEST(Primitives, NearestColourOnTheScreenIsTheColourItself) {
    TPixelBuffer buf(1, 1);
    TDC dc(buf);
    EXPECT_EQ(dc.GetNearestColor(RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetNearestColor(clBtnFace), GetSysColor(COLOR_BTNFACE));
    dc.SetMonochrome(true);
    EXPECT_EQ(dc.GetNearestColor(RGB(200, 200, 200)), clWhite);
    EXPECT_EQ(dc.GetNearestColor(RGB(20, 20, 90)), clBlack);
}

TEST(Primitives, ClipRegionOperations) {
    TPixelBuffer buf(10, 10, 0xFFFFFF);
    TDC dc(buf);
    TRegion a(Rect(0, 0, 6, 6));
    dc.SelectClipRgn(&a);
    TRegion b(Rect(4, 4, 10, 10));
    EXPECT_EQ(dc.ExtSelectClipRgn(&b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(dc.PtVisible({8, 8}));
    EXPECT_FALSE(dc.PtVisible({8, 1}));
    EXPECT_EQ(dc.ExtSelectClipRgn(&b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(dc.PtVisible({1, 1}));
    EXPECT_FALSE(dc.PtVisible({5, 5}));
    EXPECT_TRUE(dc.RectVisible(Rect(3, 3, 5, 5)));
    EXPECT_FALSE(dc.RectVisible(Rect(4, 4, 6, 6)));
    dc.OffsetClipRgn(2, 0);
    EXPECT_FALSE(dc.PtVisible({1, 1}));
    EXPECT_TRUE(dc.PtVisible({3, 1}));
    EXPECT_EQ(dc.ExtSelectClipRgn(nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_FALSE(dc.HasClipRgn());
}

} // namespace
