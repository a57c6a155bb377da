#include "lookandfeel/LookAndFeelColors.h"
#include "lookandfeel/RadioButtonImageList.h"
#include "lookandfeel/StandardLookAndFeelPainter.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "lookandfeel/WinXPLookAndFeelPainter.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/draw/Bitmap.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using G = TcxRadioGlyphGeometry;

// Glyphs are drawn at (1, 1) on a lime square, so every untouched pixel stays lime.
constexpr int At = 1;
constexpr TColor Untouched = clLime;

// Cells of the measured pattern (row, column), checked against the map below.
struct TCell {
    int Row, Column;
};
constexpr TCell OuterUpperLeft{0, 5};
constexpr TCell OuterLowerRight{11, 5};
constexpr TCell InnerUpperLeft{2, 2};
constexpr TCell InnerLowerRight{9, 9};
constexpr TCell Body{3, 3};
constexpr TCell Centre{5, 5};

class RadioGlyphTest : public ::testing::Test {
protected:
    TBitmap Canvas{14, 14};

    void SetUp() override { Canvas.DC().FillRect(TRect(0, 0, 14, 14), Untouched); }

    void Draw(TcxCustomLookAndFeelPainterClass painter, TcxButtonState state, bool checked,
              bool focused, TColor background = clDefault, bool designing = false) {
        painter->DrawRadioButton(Canvas.Canvas(), At, At, state, checked, focused, background,
                                 designing);
    }
    TColor Pixel(int x, int y) const { return PixelToRGB(Canvas.Pixels().At(x, y) & 0xFFFFFF); }
    TColor Cell(TCell c) const { return Pixel(At + c.Column, At + c.Row); }
};

TEST_F(RadioGlyphTest, TheGlyphIsTheExtentOfThePlatformsFlatRadioMask) {
    const G& g = TcxRadioButtonImageList::Geometry();
    // The platform draws a 12-pixel circle in a 13 x 13 cell of its check-box bitmap.
    EXPECT_EQ(g.Size, TSize(12, 12));
    EXPECT_EQ(g.Offset, TPoint(0, 0));
    EXPECT_EQ(g.DotRect, TRect(4, 4, 8, 8));
    EXPECT_EQ(TcxUltraFlatLookAndFeelPainter::Class()->RadioButtonSize(), TSize(12, 12));
    // No visual styles: the native look measures the same glyph.
    EXPECT_EQ(TcxWinXPLookAndFeelPainter::Class()->RadioButtonSize(), TSize(12, 12));

    EXPECT_EQ(g.At(OuterUpperLeft.Row, OuterUpperLeft.Column), G::OuterRingUpperLeft);
    EXPECT_EQ(g.At(OuterLowerRight.Row, OuterLowerRight.Column), G::OuterRingLowerRight);
    EXPECT_EQ(g.At(InnerUpperLeft.Row, InnerUpperLeft.Column), G::InnerRingUpperLeft);
    EXPECT_EQ(g.At(InnerLowerRight.Row, InnerLowerRight.Column), G::InnerRingLowerRight);
    EXPECT_EQ(g.At(Body.Row, Body.Column), G::Body);
    EXPECT_EQ(g.At(Centre.Row, Centre.Column), G::Dot);
    EXPECT_EQ(g.At(0, 0), G::Outside);
}

TEST_F(RadioGlyphTest, ThePatternMapHasAnOuterRingAnInnerRingABodyAndADot) {
    const G& g = TcxRadioButtonImageList::Geometry();
    std::string map;
    for (int i = 0; i < g.Size.cy; ++i) {
        for (int j = 0; j < g.Size.cx; ++j)
            map += char('0' + g.At(i, j));
        map += '\n';
    }
    EXPECT_EQ(map, "000011110000\n"
                   "001133331100\n"
                   "013355553420\n"
                   "013555555420\n"
                   "135556655542\n"
                   "135566665542\n"
                   "135566665542\n"
                   "135556655542\n"
                   "013555555420\n"
                   "013455554420\n"
                   "002244442200\n"
                   "000022220000\n");
}

struct TUltraFlatCase {
    const char* Name;
    TcxButtonState State;
    bool Checked, Focused, Designing;
    TColor (*Ring)();
    TColor (*Interior)();
    TColor (*Centre)();
};

TColor Shadow() {
    return ColorToRGB(clBtnShadow);
}
TColor Highlight() {
    return ColorToRGB(clHighlight);
}
TColor Window() {
    return ColorToRGB(clWindow);
}
TColor Face() {
    return ColorToRGB(clBtnFace);
}
TColor Text() {
    return ColorToRGB(clWindowText);
}

const TUltraFlatCase UltraFlatCases[] = {
    {"Normal", cxbsNormal, false, false, false, Shadow, Window, Window},
    {"DefaultCountsAsNormal", cxbsDefault, false, false, false, Shadow, Window, Window},
    {"Focused", cxbsNormal, false, true, false, Highlight, Window, Window},
    {"Hot", cxbsHot, false, false, false, Highlight, GetLightSelColor, GetLightSelColor},
    {"Pressed", cxbsPressed, false, false, false, Highlight, GetLightDownedSelColor,
     GetLightDownedSelColor},
    {"Checked", cxbsNormal, true, false, false, Shadow, Window, Text},
    {"HotChecked", cxbsHot, true, false, false, Highlight, GetLightSelColor, Text},
    {"CheckedDisabled", cxbsDisabled, true, false, false, Shadow, Face, Shadow},
    {"Designing", cxbsNormal, false, false, true, Highlight, Window, Window},
    {"DesigningDisabled", cxbsDisabled, false, false, true, Shadow, Face, Face},
};

TEST_F(RadioGlyphTest, UltraFlatGlyphColoursFollowTheState) {
    for (const TUltraFlatCase& c : UltraFlatCases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        Draw(TcxUltraFlatLookAndFeelPainter::Class(), c.State, c.Checked, c.Focused, clDefault,
             c.Designing);
        EXPECT_EQ(Cell(OuterUpperLeft), c.Ring());
        EXPECT_EQ(Cell(OuterLowerRight), c.Ring());
        // The inner ring takes the body colour in this look.
        EXPECT_EQ(Cell(InnerUpperLeft), c.Interior());
        EXPECT_EQ(Cell(InnerLowerRight), c.Interior());
        EXPECT_EQ(Cell(Body), c.Interior());
        EXPECT_EQ(Cell(Centre), c.Centre());
    }
}

TEST_F(RadioGlyphTest, StandardGlyphHasTwoColouredRingsSplitAlongTheDiagonal) {
    Draw(TcxStandardLookAndFeelPainter::Class(), cxbsPressed, true, false);
    EXPECT_EQ(Cell(OuterUpperLeft), Shadow());
    EXPECT_EQ(Cell(OuterLowerRight), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Cell(InnerUpperLeft), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(Cell(InnerLowerRight), ColorToRGB(cl3DLight));
    EXPECT_EQ(Cell(Body), Face());
    EXPECT_EQ(Cell(Centre), Text());
}

TEST_F(RadioGlyphTest, ATransparentDrawLeavesEveryPixelOutsideTheCircleUntouched) {
    Draw(TcxUltraFlatLookAndFeelPainter::Class(), cxbsHot, true, true);
    const G& g = TcxRadioButtonImageList::Geometry();
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x) {
            const int i = y - At, j = x - At;
            const bool inside =
                i >= 0 && j >= 0 && i < g.Size.cy && j < g.Size.cx && g.At(i, j) != G::Outside;
            EXPECT_EQ(Pixel(x, y) == Untouched, !inside) << x << "," << y;
        }
}

TEST_F(RadioGlyphTest, AnOpaqueDrawFillsTheGlyphSquareWithTheBackground) {
    Draw(TcxUltraFlatLookAndFeelPainter::Class(), cxbsNormal, false, false, clRed);
    EXPECT_EQ(Pixel(At, At), clRed);               // a corner of the glyph square
    EXPECT_EQ(Pixel(At + 11, At + 11), clRed);     // the opposite corner
    EXPECT_EQ(Pixel(At + 12, At + 12), Untouched); // outside the square
    EXPECT_EQ(Cell(OuterUpperLeft), Shadow());
    EXPECT_EQ(Cell(Body), Window());
}

// --- The cache -----------------------------------------------------------------------------

class RadioGlyphCacheTest : public RadioGlyphTest {
protected:
    void SetUp() override {
        RadioGlyphTest::SetUp();
        StartHeadlessWindowSystem();
        PrepareRadioButtonImageList(); // the cache hears colour changes from now on
    }
    void TearDown() override {
        const auto& defaults = TColorScheme::Defaults();
        std::vector<int> indices;
        for (int i = 0; i < COLOR_COUNT; ++i)
            indices.push_back(i);
        SetSysColors(COLOR_COUNT, indices.data(), defaults.data());
        ShutdownWindowSystem();
    }
};

TEST_F(RadioGlyphCacheTest, PaintingReusesTheRenderedImages) {
    TcxRadioButtonImageList& cache = TcxRadioButtonImageList::Instance();
    EXPECT_EQ(&cache, &TcxRadioButtonImageList::Instance());
    EXPECT_EQ(cache.Count(), TcxRadioButtonImageList::ImageCount);
    const int renders = cache.RenderCount();
    for (TcxButtonState s : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled})
        Draw(TcxUltraFlatLookAndFeelPainter::Class(), s, true, false);
    EXPECT_EQ(cache.RenderCount(), renders);
    // The map index and the image index coincide: focused outermost, state innermost.
    EXPECT_EQ(cache.GetImageIndex(lfFlat, cxbsNormal, false, false, false), 0);
    EXPECT_EQ(cache.GetImageIndex(lfUltraFlat, cxbsDisabled, true, false, false), 23);
    EXPECT_EQ(cache.GetImageIndex(lfOffice11, cxbsDisabled, true, true, true), 127);
}

TEST_F(RadioGlyphCacheTest, ASystemColourChangeRendersNewColoursWithoutMeasuringAgain) {
    TcxRadioButtonImageList& cache = TcxRadioButtonImageList::Instance();
    const int renders = cache.RenderCount();
    const int index = COLOR_WINDOW;
    const TColor yellow = clYellow;
    ASSERT_TRUE(SetSysColors(1, &index, &yellow));

    EXPECT_EQ(cache.RenderCount(), renders + 1);
    EXPECT_EQ(TcxRadioButtonImageList::MeasureCount(), 1);
    EXPECT_EQ(cache.Count(), TcxRadioButtonImageList::ImageCount);
    Draw(TcxUltraFlatLookAndFeelPainter::Class(), cxbsNormal, false, false);
    EXPECT_EQ(Cell(Body), clYellow);
}

} // namespace
