#include "lookandfeel/FlatLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeel.h"
#include "lookandfeel/LookAndFeelColors.h"
#include "lookandfeel/Office11Colors.h"
#include "lookandfeel/Office11LookAndFeelPainter.h"
#include "lookandfeel/PainterResources.h"
#include "lookandfeel/StandardLookAndFeelPainter.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "lookandfeel/WinXPLookAndFeelPainter.h"
#include "platform/draw/Bitmap.h"
#include "tests/platform/draw/PixelArt.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TcxCustomLookAndFeelPainterClass UltraFlat() {
    return TcxUltraFlatLookAndFeelPainter::Class();
}

// The default colour scheme's colours as characters; '-' is the untouched background. White is
// both clBtnHighlight and clHighlightText.
std::map<TColor, char> Legend() {
    return {{ColorToRGB(clBtnText), '#'},    {ColorToRGB(clBtnFace), '.'},
            {ColorToRGB(clBtnShadow), 'S'},  {ColorToRGB(clBtnHighlight), 'W'},
            {ColorToRGB(clHighlight), 'H'},  {ColorToRGB(cl3DDkShadow), 'D'},
            {ColorToRGB(cl3DLight), 'L'},    {GetLightSelColor(), 'l'},
            {GetLightDownedSelColor(), 'd'}, {clLime, '-'}};
}

// A lime bitmap, something drawn on it, and the picture as text.
template <class F> std::string Drawn(int w, int h, F draw) {
    TBitmap b(w, h);
    b.DC().FillRect(TRect(0, 0, w, h), clLime);
    draw(b.Canvas());
    return Art(b.Pixels(), Legend());
}

std::string Part(bool horizontal, TcxScrollBarPart part, TcxButtonState state, int w = 9,
                 int h = 9) {
    return Drawn(w, h, [&](TCanvas& c) {
        UltraFlat()->DrawScrollBarPart(c, horizontal, TRect(0, 0, w, h), part, state);
    });
}

// --- Scroll-bar parts ----------------------------------------------------------------------

struct TPartCase {
    const char* Name;
    bool Horizontal;
    TcxScrollBarPart Part;
    TcxButtonState State;
    const char* Expected;
};

// The arrow box of a 9 x 9 part is the part itself: a triangle (9 - 1) / 4 + 1 = 3 rows deep
// and 5 wide, centred. A disabled arrow is embossed: a clBtnHighlight copy one pixel right and
// down under the clBtnShadow arrow.
const TPartCase PartCases[] = {
    {"VerticalLineUp", false, sbpLineUp, cxbsNormal,
     "#########\n"
     "#.......#\n"
     "#.......#\n"
     "#...#...#\n"
     "#..###..#\n"
     "#.#####.#\n"
     "#.......#\n"
     "#.......#\n"
     "#########\n"},
    {"VerticalLineDownHot", false, sbpLineDown, cxbsHot,
     "HHHHHHHHH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "Hl#####lH\n"
     "Hll###llH\n"
     "Hlll#lllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HHHHHHHHH\n"},
    {"HorizontalLineUpPointsLeft", true, sbpLineUp, cxbsNormal,
     "#########\n"
     "#.......#\n"
     "#....#..#\n"
     "#...##..#\n"
     "#..###..#\n"
     "#...##..#\n"
     "#....#..#\n"
     "#.......#\n"
     "#########\n"},
    {"HorizontalLineDownPressedPointsRight", true, sbpLineDown, cxbsPressed,
     "HHHHHHHHH\n"
     "HdddddddH\n"
     "HddWddddH\n"
     "HddWWdddH\n"
     "HddWWWddH\n"
     "HddWWdddH\n"
     "HddWddddH\n"
     "HdddddddH\n"
     "HHHHHHHHH\n"},
    {"DisabledArrowIsEmbossed", false, sbpLineDown, cxbsDisabled,
     "SSSSSSSSS\n"
     "S.......S\n"
     "S.......S\n"
     "S.SSSSS.S\n"
     "S..SSSWWS\n"
     "S...SWW.S\n"
     "S....W..S\n"
     "S.......S\n"
     "SSSSSSSSS\n"},
    {"HotThumb", false, sbpThumbnail, cxbsHot,
     "HHHHHHHHH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HlllllllH\n"
     "HHHHHHHHH\n"},
    {"DisabledThumbIsNotDrawn", false, sbpThumbnail, cxbsDisabled,
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"
     "---------\n"},
    // Page areas: clBtnHighlight where column and row differ in parity, else clBtnFace.
    {"PageUp", false, sbpPageUp, cxbsNormal,
     ".W.W.W.W.\n"
     "W.W.W.W.W\n"
     ".W.W.W.W.\n"
     "W.W.W.W.W\n"
     ".W.W.W.W.\n"
     "W.W.W.W.W\n"
     ".W.W.W.W.\n"
     "W.W.W.W.W\n"
     ".W.W.W.W.\n"},
    {"PageDownPressed", true, sbpPageDown, cxbsPressed,
     "#D#D#D#D#\n"
     "D#D#D#D#D\n"
     "#D#D#D#D#\n"
     "D#D#D#D#D\n"
     "#D#D#D#D#\n"
     "D#D#D#D#D\n"
     "#D#D#D#D#\n"
     "D#D#D#D#D\n"
     "#D#D#D#D#\n"},
};

TEST(UltraFlatScrollBar, PartsInTheirStates) {
    for (const TPartCase& c : PartCases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Part(c.Horizontal, c.Part, c.State), c.Expected);
    }
}

TEST(UltraFlatScrollBar, AnArrowInALongPartIsCentredInASquareBox) {
    // 17 x 9: the box is the middle 9 x 9, so the arrow is that of a 9 x 9 part moved by 4.
    EXPECT_EQ(Part(false, sbpLineUp, cxbsNormal, 17, 9), "#################\n"
                                                         "#...............#\n"
                                                         "#...............#\n"
                                                         "#.......#.......#\n"
                                                         "#......###......#\n"
                                                         "#.....#####.....#\n"
                                                         "#...............#\n"
                                                         "#...............#\n"
                                                         "#################\n");
    // A 17-pixel arrow button: 5 rows deep, 9 wide.
    TBitmap b(17, 17);
    UltraFlat()->DrawScrollBarArrow(b.Canvas(), TRect(0, 0, 17, 17), cxbsNormal, adUp);
    EXPECT_EQ(InkBox(b.Pixels(), clWhite), TRect(4, 6, 13, 11));
}

TEST(UltraFlatScrollBar, AnEmptyRectangleDrawsNothing) {
    EXPECT_EQ(Drawn(3, 3,
                    [](TCanvas& c) {
                        UltraFlat()->DrawScrollBarPart(c, false, TRect(1, 1, 1, 3), sbpLineUp,
                                                       cxbsNormal);
                        UltraFlat()->DrawScrollBarPart(c, false, TRect(1, 1, 3, 1), sbpPageUp,
                                                       cxbsNormal);
                    }),
              "---\n---\n---\n");
}

TEST(UltraFlatScrollBar, PatternBitmapsFollowTheSystemColoursWhenRebuilt) {
    TColorScheme::Current().Set(COLOR_BTNHIGHLIGHT, clRed);
    UpdateScrollBarBitmaps();
    TBitmap b(2, 1);
    UltraFlat()->DrawScrollBarPart(b.Canvas(), false, TRect(0, 0, 2, 1), sbpPageUp, cxbsNormal);
    EXPECT_EQ(PixelToRGB(b.Pixels().At(1, 0)), clRed);
    TColorScheme::Current().Reset();
    UpdateScrollBarBitmaps();
}

// --- Buttons -------------------------------------------------------------------------------

TEST(UltraFlatButton, TheDefaultButtonHasTwoWindowFrameLines) {
    EXPECT_EQ(
        Drawn(6, 6,
              [](TCanvas& c) { UltraFlat()->DrawButton(c, TRect(0, 0, 6, 6), "", cxbsDefault); }),
        "######\n"
        "######\n"
        "##..##\n"
        "##..##\n"
        "######\n"
        "######\n");
    EXPECT_EQ(UltraFlat()->ButtonBorderSize(cxbsDefault), 2);
    EXPECT_EQ(UltraFlat()->ButtonBorderSize(cxbsHot), 1);
}

TEST(UltraFlatButton, AGivenColourReplacesTheFaceAndNoBorderMeansNone) {
    EXPECT_EQ(Drawn(4, 3,
                    [](TCanvas& c) {
                        UltraFlat()->DrawButton(c, TRect(0, 0, 4, 3), "", cxbsPressed, false,
                                                clBtnShadow);
                    }),
              "SSSS\nSSSS\nSSSS\n");
}

TEST(UltraFlatButton, ColoursFollowTheState) {
    const auto* p = UltraFlat();
    EXPECT_EQ(p->ButtonColor(cxbsNormal), clBtnFace);
    EXPECT_EQ(p->ButtonColor(cxbsHot), GetLightSelColor());
    EXPECT_EQ(p->ButtonColor(cxbsPressed), GetLightDownedSelColor());
    EXPECT_EQ(p->ButtonColor(cxbsDisabled), clBtnFace);
    EXPECT_EQ(p->ButtonSymbolColor(cxbsNormal), clBtnText);
    EXPECT_EQ(p->ButtonSymbolColor(cxbsHot, clRed), clRed);
    EXPECT_EQ(p->ButtonSymbolColor(cxbsPressed, clRed), clHighlightText);
    EXPECT_EQ(p->ButtonSymbolColor(cxbsDisabled, clRed), clBtnShadow);
    EXPECT_EQ(p->ButtonTextShift(), 0);
}

// --- Frames and class facts ----------------------------------------------------------------

struct TPainterCase {
    const char* Name;
    TcxCustomLookAndFeelPainterClass Painter;
    TcxLookAndFeelStyle Style;
    bool HotTrack;
    int BorderSize;
    const char* Border; // DrawBorder on a 6 x 6 clBtnFace square
};

std::string Border(TcxCustomLookAndFeelPainterClass p) {
    return Drawn(6, 6, [p](TCanvas& c) {
        c.Handle()->FillRect(TRect(0, 0, 6, 6), clBtnFace);
        p->DrawBorder(c, TRect(0, 0, 6, 6));
    });
}

const char* const StandardBorder = "SSSSSW\n"
                                   "SDDDLW\n"
                                   "SD..LW\n"
                                   "SD..LW\n"
                                   "SLLLLW\n"
                                   "WWWWWW\n";

TEST(Painters, EachClassReportsItsLookAndDrawsItsFrame) {
    const TPainterCase cases[] = {
        {"Custom", TcxCustomLookAndFeelPainter::Class(), lfsStandard, false, 0,
         "......\n......\n......\n......\n......\n......\n"},
        {"Standard", TcxStandardLookAndFeelPainter::Class(), lfsStandard, false, 2, StandardBorder},
        {"Flat", TcxFlatLookAndFeelPainter::Class(), lfsFlat, false, 1,
         "SSSSSW\nS....W\nS....W\nS....W\nS....W\nWWWWWW\n"},
        {"UltraFlat", UltraFlat(), lfsUltraFlat, true, 1,
         "SSSSSS\nS....S\nS....S\nS....S\nS....S\nSSSSSS\n"},
        // Without the list-view theme the native look draws the standard frame.
        {"WinXP", TcxWinXPLookAndFeelPainter::Class(), lfsNative, true, 2, StandardBorder},
    };
    for (const TPainterCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Painter->LookAndFeelStyle(), c.Style);
        EXPECT_EQ(c.Painter->IsButtonHotTrack(), c.HotTrack);
        EXPECT_EQ(c.Painter->BorderSize(), c.BorderSize);
        EXPECT_EQ(Border(c.Painter), c.Border);
        EXPECT_EQ(c.Painter->ScrollBarMinimalThumbSize(false), 8);
        EXPECT_EQ(c.Painter->DefaultSizeGripAreaColor(), clBtnFace);
    }
}

TEST(Painters, TheOfficeLookIsTheUltraFlatOneInOfficeColours) {
    TcxCustomLookAndFeelPainterClass office = TcxOffice11LookAndFeelPainter::Class();
    EXPECT_TRUE(office->InheritsFrom(UltraFlat()));
    EXPECT_TRUE(office->InheritsFrom(TcxCustomLookAndFeelPainter::Class()));
    EXPECT_FALSE(UltraFlat()->InheritsFrom(office));
    EXPECT_TRUE(
        TcxWinXPLookAndFeelPainter::Class()->InheritsFrom(TcxStandardLookAndFeelPainter::Class()));
    EXPECT_EQ(office->LookAndFeelStyle(), lfsOffice11);
    EXPECT_TRUE(office->IsButtonHotTrack());
    EXPECT_EQ(office->BorderSize(), 1);
    TBitmap b(4, 4);
    office->DrawBorder(b.Canvas(), TRect(0, 0, 4, 4));
    EXPECT_EQ(PixelToRGB(b.Pixels().At(0, 0)), ColorToRGB(dxOffice11BorderColor()));
    EXPECT_EQ(PixelToRGB(b.Pixels().At(1, 1)), clWhite);
    EXPECT_EQ(office->ButtonColor(cxbsHot), dxOffice11ButtonColor(cxbsHot));
    EXPECT_EQ(office->ButtonSymbolColor(cxbsDisabled), dxOffice11TextDisabledColor());
}

TEST(Painters, EachKindSelectsItsPainter) {
    EXPECT_EQ(LookAndFeelPainterOfKind(lfFlat), TcxFlatLookAndFeelPainter::Class());
    EXPECT_EQ(LookAndFeelPainterOfKind(lfStandard), TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(LookAndFeelPainterOfKind(lfUltraFlat), UltraFlat());
    EXPECT_EQ(LookAndFeelPainterOfKind(lfOffice11), TcxOffice11LookAndFeelPainter::Class());
    EXPECT_EQ(NativeLookAndFeelPainter(), TcxWinXPLookAndFeelPainter::Class());
    EXPECT_EQ(GetCurrentPainterClass(), UltraFlat());
    EXPECT_STREQ(UltraFlat()->ClassName(), "TcxUltraFlatLookAndFeelPainter");
}

} // namespace
