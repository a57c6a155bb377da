#include "editors/cxCanvas.h"
#include "platform/draw/DC.h"
#include "tests/platform/draw/PixelArt.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

const std::map<TColor, char> Legend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'R'},
                                       {clBlue, 'B'},  {clGray, 'G'},  {clLime, 'L'}};

struct TCanvasCase {
    const char* Name;
    int W, H;
    void (*Draw)(TcxCanvas&);
    const char* Expected;
};

// Hand-computed strips: each side is clipped to the rectangle, later sides cover the corners.
const TCanvasCase CanvasCases[] = {
    {"FrameRectAllSides", 6, 5, [](TcxCanvas& c) { c.FrameRect(TRect(1, 1, 5, 5), clRed); },
     "......\n"
     ".RRRR.\n"
     ".R..R.\n"
     ".R..R.\n"
     ".RRRR.\n"},
    {"FrameRectTwoPixelsLeftAndBottom", 6, 6,
     [](TcxCanvas& c) {
         c.FrameRect(TRect(0, 0, 6, 6), clBlue, 2, BorderBit(bLeft) | BorderBit(bBottom));
     },
     "BB....\n"
     "BB....\n"
     "BB....\n"
     "BB....\n"
     "BBBBBB\n"
     "BBBBBB\n"},
    {"FrameRectWiderThanTheRectangleStaysInside", 5, 4,
     [](TcxCanvas& c) { c.FrameRect(TRect(1, 1, 4, 3), clRed, 5, BorderBit(bTop)); },
     ".....\n"
     ".RRR.\n"
     ".RRR.\n"
     ".....\n"},
    {"FrameRectEmptyDrawsNothing", 4, 3,
     [](TcxCanvas& c) { c.FrameRect(TRect(2, 1, 2, 3), clRed); },
     "....\n"
     "....\n"
     "....\n"},
    {"FrameRectDefaultColourKeepsTheBrush", 4, 3,
     [](TcxCanvas& c) {
         c.Brush().SetColor(clLime);
         c.FrameRect(TRect(0, 0, 4, 3), clcxDefault, 1, BorderBit(bTop));
     },
     "LLLL\n"
     "....\n"
     "....\n"},
    {"ExcludedFrameProtectsItsPixels", 5, 4,
     [](TcxCanvas& c) {
         c.FrameRect(TRect(0, 0, 5, 4), clRed, 1, cxBordersAll, true);
         c.FillRect(TRect(0, 0, 5, 4), clBlue);
     },
     "RRRRR\n"
     "RBBBR\n"
     "RBBBR\n"
     "RRRRR\n"},
    {"ComplexFrameRightAndBottomCoverTheCorners", 5, 4,
     [](TcxCanvas& c) { c.DrawComplexFrame(TRect(0, 0, 5, 4), clRed, clBlue); },
     "RRRRB\n"
     "R...B\n"
     "R...B\n"
     "BBBBB\n"},
    {"ComplexFrameOnlyTheGivenSides", 5, 4,
     [](TcxCanvas& c) {
         c.DrawComplexFrame(TRect(0, 0, 5, 4), clRed, clBlue, BorderBit(bTop) | BorderBit(bRight));
     },
     "RRRRB\n"
     "....B\n"
     "....B\n"
     "....B\n"},
};

void PrintTo(const TCanvasCase& c, std::ostream* os) {
    *os << c.Name;
}

class TcxCanvasCases : public ::testing::TestWithParam<TCanvasCase> {};

TEST_P(TcxCanvasCases, Draws) {
    const TCanvasCase& c = GetParam();
    TPixelBuffer buf(c.W, c.H, 0xFFFFFF);
    TDC dc(buf);
    TCanvas canvas(&dc);
    TcxCanvas cx(&canvas);
    c.Draw(cx);
    EXPECT_EQ(Art(buf, Legend), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Primitives, TcxCanvasCases, ::testing::ValuesIn(CanvasCases),
                         [](const auto& p) { return std::string(p.param.Name); });

TEST(TcxCanvasTest, EdgeColoursFollowSunkenAndOuter) {
    struct TEdgeCase {
        bool Sunken, Outer;
        TColor LeftTop, RightBottom;
    };
    const TEdgeCase cases[] = {{true, true, clBtnShadow, clBtnHighlight},
                               {true, false, cl3DDkShadow, cl3DLight},
                               {false, true, cl3DLight, cl3DDkShadow},
                               {false, false, clBtnHighlight, clBtnShadow}};
    for (const TEdgeCase& e : cases) {
        SCOPED_TRACE(testing::Message() << "sunken " << e.Sunken << " outer " << e.Outer);
        TPixelBuffer buf(6, 6, 0xFFFFFF);
        TDC dc(buf);
        TCanvas canvas(&dc);
        TcxCanvas cx(&canvas);
        cx.DrawEdge(TRect(1, 1, 5, 5), e.Sunken, e.Outer);
        EXPECT_EQ(dc.GetPixel({1, 2}), ColorToRGB(e.LeftTop));
        EXPECT_EQ(dc.GetPixel({2, 1}), ColorToRGB(e.LeftTop));
        EXPECT_EQ(dc.GetPixel({4, 2}), ColorToRGB(e.RightBottom));
        EXPECT_EQ(dc.GetPixel({2, 4}), ColorToRGB(e.RightBottom));
        EXPECT_EQ(dc.GetPixel({2, 2}), clWhite);
        EXPECT_EQ(dc.GetPixel({0, 0}), clWhite);
    }
}

TEST(TcxCanvasTest, ASavedClipComesBackAfterExclusions) {
    TPixelBuffer buf(4, 1, 0xFFFFFF);
    TDC dc(buf);
    TCanvas canvas(&dc);
    TcxCanvas cx(&canvas);
    cx.SaveClipRegion();
    cx.ExcludeClipRect(TRect(0, 0, 2, 1));
    EXPECT_FALSE(cx.RectVisible(TRect(0, 0, 2, 1)));
    cx.RestoreClipRegion();
    cx.FillRect(TRect(0, 0, 4, 1), clRed);
    EXPECT_EQ(Art(buf, Legend), "RRRR\n");
}

} // namespace
