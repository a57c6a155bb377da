#include "platform/draw/Canvas.h"
#include "PixelArt.h"
#include "platform/draw/Bitmap.h"

#include <gtest/gtest.h>

namespace {

const std::map<TColor, char> Legend = {
    {clWhite, '.'}, {clBlack, '#'}, {clRed, 'R'}, {clBlue, 'B'}, {clLime, 'g'}};

TEST(GraphicsObjects, SettersFireOnlyOnRealChanges) {
    TFont font;
    int fired = 0;
    TPersistent* sender = nullptr;
    font.OnChange = [&](TPersistent* s) {
        ++fired;
        sender = s;
    };
    font.SetHeight(font.Height());
    font.SetName("MS Sans Serif");
    EXPECT_EQ(fired, 0);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(sender, &font);
    font.BeginUpdate();
    font.SetColor(clRed);
    font.SetStyle(fsBold | fsUnderline);
    EXPECT_EQ(fired, 1);
    font.EndUpdate();
    EXPECT_EQ(fired, 2);

    TFont copy;
    EXPECT_TRUE(copy.Assign(font));
    EXPECT_EQ(copy.ToLogFont(), font.ToLogFont());
    EXPECT_EQ(copy.ToLogFont().Weight, FW_BOLD);
    TPen pen;
    EXPECT_FALSE(copy.Assign(pen));

    int penFired = 0;
    pen.OnChange = [&](TPersistent*) { ++penFired; };
    pen.SetWidth(1);
    pen.SetStyle(psClear);
    EXPECT_EQ(penFired, 1);
    EXPECT_EQ(pen.ToLogPen().Style, PS_NULL);
}

TEST(GraphicsObjects, BrushColourMakesAClearBrushSolid) {
    TBrush brush;
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.ToLogBrush().Style, BS_NULL);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(Canvas, TextIsOpaqueOnTheBrushUnlessTheBrushIsClear) {
    TBitmap bmp(40, 16);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clRed);
    c.TextOut(0, 0, "ab");
    TSize s = c.TextExtent("ab");
    EXPECT_EQ(PixelToRGB(bmp.Pixels().At(0, 0)), clRed);
    EXPECT_EQ(PixelToRGB(bmp.Pixels().At(s.cx, 0)), clWhite);
    EXPECT_EQ(c.PenPos(), TPoint(s.cx, 0));
    EXPECT_EQ(c.TextHeight("Qq"), 13);

    TBitmap clear(40, 16);
    clear.Canvas().Brush().SetStyle(bsClear);
    clear.Canvas().TextOut(0, 0, "ab");
    EXPECT_EQ(PixelToRGB(clear.Pixels().At(0, 0)), clWhite);
    EXPECT_FALSE(InkBox(clear.Pixels(), clWhite).IsEmpty());
    // The handle carries the canvas's modes for direct calls.
    EXPECT_EQ(clear.Canvas().Handle()->GetBkMode(), TRANSPARENT);
}

TEST(Canvas, TextRectFillsAndClipsToItsRectangle) {
    TBitmap bmp(60, 20);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clRed);
    c.TextRect(Rect(10, 2, 30, 18), 12, 3, "WWWWWWWW");
    EXPECT_EQ(InkBox(bmp.Pixels(), clWhite), Rect(10, 2, 30, 18));
    EXPECT_EQ(PixelToRGB(bmp.Pixels().At(10, 2)), clRed);
}

TEST(Canvas, ShapesUsePenAndBrush) {
    TBitmap bmp(4, 4);
    TCanvas& c = bmp.Canvas();
    c.Pen().SetColor(clBlue);
    c.Brush().SetColor(clRed);
    c.Rectangle(0, 0, 4, 4);
    c.Brush().SetColor(clLime);
    c.FrameRect(Rect(1, 1, 3, 3));
    EXPECT_EQ(Art(bmp.Pixels(), Legend), "BBBB\n"
                                         "BggB\n"
                                         "BggB\n"
                                         "BBBB\n");
}

TEST(Canvas, BrushBitmapTilesThePattern) {
    TBitmap tile(2, 1);
    tile.Pixels().At(0, 0) = RGBToPixel(clRed);
    tile.Pixels().At(1, 0) = RGBToPixel(clBlue);
    TBitmap bmp(3, 2);
    bmp.Canvas().Brush().SetBitmap(&tile);
    bmp.Canvas().FillRect(Rect(0, 0, 3, 2));
    EXPECT_EQ(Art(bmp.Pixels(), Legend), "RBR\n"
                                         "RBR\n");
    // Cleared, the brush neither fills nor puts a background behind text.
    bmp.Canvas().Brush().SetStyle(bsClear);
    bmp.Canvas().FillRect(Rect(0, 0, 3, 2));
    EXPECT_EQ(Art(bmp.Pixels(), Legend), "RBR\n"
                                         "RBR\n");
    EXPECT_EQ(bmp.Canvas().Handle()->GetBkMode(), TRANSPARENT);
}

TEST(Canvas, DrawStretchDrawAndCopyRect) {
    TBitmap src(2, 1);
    src.Pixels().At(0, 0) = RGBToPixel(clRed);
    src.Pixels().At(1, 0) = RGBToPixel(clBlue);
    TBitmap dst(4, 2);
    dst.Canvas().StretchDraw(Rect(0, 0, 4, 1), src);
    dst.Canvas().CopyRect(Rect(0, 1, 2, 2), dst.Canvas(), Rect(1, 0, 3, 1));
    EXPECT_EQ(Art(dst.Pixels(), Legend), "RRBB\n"
                                         "RB..\n");
}

} // namespace
