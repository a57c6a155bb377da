#include "platform/draw/Bitmap.h"
#include "PixelArt.h"
#include "platform/draw/DC.h"
#include "platform/draw/Dib.h"
#include "platform/draw/ImageList.h"
#include "platform/draw/OemBitmaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

const std::map<TColor, char> Legend = {{clWhite, '.'},  {clBlack, '#'}, {clRed, 'R'},
                                       {clLime, 'g'},   {clBlue, 'B'},  {clGray, 'G'},
                                       {clFuchsia, 'M'}};

void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(std::uint8_t(x >> (8 * i)));
}

// A hand-made DIB in resource form: header, colour table (0x00RRGGBB entries), raw rows.
std::vector<std::uint8_t> MakeDib(int w, int h, int bpp, const std::vector<std::uint32_t>& palette,
                                  const std::vector<std::uint8_t>& rows,
                                  std::uint32_t compression = 0) {
    std::vector<std::uint8_t> v;
    Put32(v, 40);
    Put32(v, std::uint32_t(w));
    Put32(v, std::uint32_t(h));
    v.push_back(1);
    v.push_back(0);
    v.push_back(std::uint8_t(bpp));
    v.push_back(0);
    Put32(v, compression);
    Put32(v, std::uint32_t(rows.size()));
    Put32(v, 0);
    Put32(v, 0);
    Put32(v, std::uint32_t(palette.size()));
    Put32(v, 0);
    for (std::uint32_t c : palette)
        Put32(v, c);
    v.insert(v.end(), rows.begin(), rows.end());
    return v;
}

struct TDibCase {
    const char* Name;
    std::vector<std::uint8_t> Data;
    int Bpp;
    const char* Expected;
};

std::vector<TDibCase> DibCases() {
    return {
        // Bottom-up rows: the last row in the data is the top of the picture.
        {"OneBit", MakeDib(3, 2, 1, {0x000000, 0xFFFFFF}, {0x60, 0, 0, 0, 0xA0, 0, 0, 0}), 1,
         ".#.\n"
         "#..\n"},
        {"FourBit", MakeDib(3, 1, 4, {0xFF0000, 0x00FF00, 0x0000FF}, {0x21, 0x00, 0, 0}), 4,
         "BgR\n"},
        {"EightBitTopDown", MakeDib(2, -2, 8, {0xFFFFFF, 0x808080}, {1, 0, 0, 0, 0, 1, 0, 0}), 8,
         "G.\n"
         ".G\n"},
        {"TwentyFourBitPadded", MakeDib(1, 2, 24, {}, {0xFF, 0, 0, 0, 0, 0, 0xFF, 0}), 24,
         "R\n"
         "B\n"},
        {"ThirtyTwoBit", MakeDib(2, 1, 32, {}, {0, 0xFF, 0, 0x55, 0xFF, 0, 0xFF, 0}), 32, "gM\n"},
    };
}

TEST(Dib, ReadsEveryDepth) {
    for (const TDibCase& c : DibCases()) {
        TDibInfo info;
        TPixelBuffer px = ReadDib(c.Data.data(), c.Data.size(), &info);
        EXPECT_EQ(info.BitsPerPixel, c.Bpp) << c.Name;
        EXPECT_EQ(Art(px, Legend), c.Expected) << c.Name;
    }
}

TEST(Dib, RejectsMalformedData) {
    std::vector<std::uint8_t> good = MakeDib(2, 2, 24, {}, std::vector<std::uint8_t>(16, 0));
    std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(good.begin(), good.end() - 1),            // truncated pixels
        std::vector<std::uint8_t>(good.begin(), good.begin() + 30),         // truncated header
        MakeDib(2, 2, 16, {}, std::vector<std::uint8_t>(16, 0)),            // 16 bits per pixel
        MakeDib(2, 2, 8, {0, 0}, std::vector<std::uint8_t>(8, 0), 1),       // RLE8
        MakeDib(0, 2, 24, {}, {}),                                          // no width
        MakeDib(2, 1, 1, {0x000000}, {0x40, 0, 0, 0}),                      // index past the table
        MakeDib(2, 1, 8, std::vector<std::uint32_t>(300, 0), {0, 0, 0, 0}), // table too big
    };
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(ReadDib(bad[i].data(), bad[i].size()), EInvalidGraphic) << i;
    EXPECT_THROW(ReadDib(nullptr, 0), EInvalidGraphic);
}

TEST(Dib, PicturesPastTheSizeLimitsAreRefusedBeforeTheirDataIsRead) {
    struct TCase {
        int Width, Height;
        const char* Message;
    };
    const TCase cases[] = {
        {kMaxPictureSide + 1, 1, "invalid dimensions"},
        {1, -(kMaxPictureSide + 1), "invalid dimensions"},
        {4097, 4096, "the picture is too large (4097 x 4096 pixels)"},
        {kMaxPictureSide, kMaxPictureSide, "the picture is too large"},
    };
    for (const TCase& c : cases) {
        // Only the header and colour table: the limits are checked before the rows.
        std::vector<std::uint8_t> header = MakeDib(c.Width, c.Height, 1, {0, 0xFFFFFF}, {});
        try {
            ReadDib(header.data(), header.size());
            ADD_FAILURE() << c.Width << " x " << c.Height << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.Message().find(c.Message), std::string::npos) << e.Message();
        }
    }
    // The largest picture allowed, 4096 x 4096 at one bit per pixel, is read.
    const std::vector<std::uint8_t> rows(std::size_t(4096 / 8) * 4096, 0xFF);
    const std::vector<std::uint8_t> largest = MakeDib(4096, 4096, 1, {0, 0xFFFFFF}, rows);
    TPixelBuffer px = ReadDib(largest.data(), largest.size());
    EXPECT_EQ(std::int64_t(px.Width) * px.Height, kMaxPicturePixels);
    EXPECT_EQ(px.At(4095, 4095), 0xFFFFFFu);
}

TEST(Dib, EveryTruncationIsRejected) {
    for (const TDibCase& c : DibCases())
        for (std::size_t n = 0; n < c.Data.size(); ++n)
            EXPECT_THROW(ReadDib(c.Data.data(), n), EInvalidGraphic) << c.Name << " " << n;
}

TEST(Dib, WrittenDibReadsBack) {
    TPixelBuffer px(3, 2);
    px.At(0, 0) = 0x123456;
    px.At(2, 1) = 0xABCDEF;
    for (int bpp : {24, 32}) {
        std::vector<std::uint8_t> d = WriteDib(px, bpp);
        TPixelBuffer back = ReadDib(d.data(), d.size());
        EXPECT_TRUE(back.Pixels == px.Pixels) << bpp;
    }
}

TEST(Bitmap, LoadsADibAndKeepsItsFormat) {
    TBitmap bmp;
    auto d = DibCases()[0].Data;
    bmp.LoadFromDib(d.data(), d.size());
    EXPECT_EQ(bmp.Width(), 3);
    EXPECT_EQ(bmp.PixelFormat(), pf1bit);
    EXPECT_TRUE(bmp.Monochrome());
    // A failed load leaves the bitmap as it was.
    std::vector<std::uint8_t> broken(d.begin(), d.begin() + 20);
    EXPECT_THROW(bmp.LoadFromDib(broken.data(), broken.size()), EInvalidGraphic);
    EXPECT_EQ(bmp.Width(), 3);
}

TEST(Bitmap, ResizeKeepsPixelsAndCanvasFollows) {
    TBitmap bmp(2, 2);
    bmp.Canvas().Brush().SetColor(clRed);
    bmp.Canvas().FillRect(Rect(0, 0, 2, 2));
    bmp.SetSize(3, 1);
    bmp.Canvas().Pen().SetColor(clBlue);
    bmp.Canvas().MoveTo(2, 0);
    bmp.Canvas().LineTo(3, 0);
    EXPECT_EQ(Art(bmp.Pixels(), Legend), "RRB\n");
}

TEST(Bitmap, TransparentDrawLeavesOutTheBottomLeftColour) {
    TBitmap src(2, 2);
    src.Pixels().At(0, 0) = RGBToPixel(clRed);
    src.Pixels().At(1, 0) = RGBToPixel(clFuchsia);
    src.Pixels().At(0, 1) = RGBToPixel(clFuchsia);
    src.Pixels().At(1, 1) = RGBToPixel(clBlue);
    src.SetTransparent(true);
    EXPECT_EQ(src.TransparentColor(), clFuchsia);
    TBitmap dst(2, 2);
    dst.Canvas().Draw(0, 0, src);
    EXPECT_EQ(Art(dst.Pixels(), Legend), "R.\n"
                                         ".B\n");
    src.SetTransparentColor(clBlue); // fixed colour
    TBitmap dst2(2, 2);
    dst2.Canvas().Draw(0, 0, src);
    EXPECT_EQ(Art(dst2.Pixels(), Legend), "RM\n"
                                          "M.\n");
}

// ---- bit-block copies --------------------------------------------------------------------------

TEST(BitBlt, RasterOperations) {
    const TPixel s = 0x00F0F0;
    const TPixel d = 0x0FF00F;
    const TPixel p = 0x3C3C3C; // brush
    struct TCase {
        std::uint32_t Rop;
        TPixel Expected;
    };
    const TCase cases[] = {
        {SRCCOPY, s},
        {SRCAND, s & d},
        {SRCPAINT, s | d},
        {SRCINVERT, s ^ d},
        {NOTSRCCOPY, ~s & 0xFFFFFF},
        {SRCERASE, s & ~d & 0xFFFFFF},
        {MERGEPAINT, (~s | d) & 0xFFFFFF},
        {PATCOPY, p},
        {PATINVERT, p ^ d},
        {DSTINVERT, ~d & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    for (const TCase& c : cases) {
        TPixelBuffer sb(1, 1, s);
        TPixelBuffer db(1, 1, d);
        TDC sdc(sb);
        TDC ddc(db);
        ddc.SelectBrush({BS_SOLID, PixelToRGB(p), nullptr});
        ddc.BitBlt(0, 0, 1, 1, &sdc, 0, 0, c.Rop);
        EXPECT_EQ(db.At(0, 0), c.Expected) << std::hex << c.Rop;
    }
}

TEST(BitBlt, CopiesAreClippedAndOffset) {
    TPixelBuffer src(3, 1);
    src.At(0, 0) = RGBToPixel(clRed);
    src.At(1, 0) = RGBToPixel(clLime);
    src.At(2, 0) = RGBToPixel(clBlue);
    TDC sdc(src);
    sdc.SetViewportOrg({-1, 0}); // logical (1,0) is the first pixel
    TPixelBuffer dst(5, 1, 0xFFFFFF);
    TDC ddc(dst);
    ddc.ExcludeClipRect(Rect(3, 0, 4, 1));
    ddc.BitBlt(1, 0, 4, 1, &sdc, 1, 0, SRCCOPY); // the fourth source pixel does not exist
    EXPECT_EQ(Art(dst, Legend), ".Rg..\n");
}

TEST(BitBlt, MonochromeAndColourTranslateThroughTheColours) {
    // Mono to colour: black takes the text colour, white the background colour.
    TBitmap mono(2, 1);
    mono.Pixels().At(0, 0) = 0;
    mono.SetMonochrome(true);
    TPixelBuffer dst(2, 1);
    TDC ddc(dst);
    ddc.SetTextColor(clRed);
    ddc.SetBkColor(clBlue);
    ddc.BitBlt(0, 0, 2, 1, &mono.DC(), 0, 0, SRCCOPY);
    EXPECT_EQ(Art(dst, Legend), "RB\n");
    // Colour to mono: the source's background colour becomes white, the rest black.
    TPixelBuffer colour(2, 1);
    colour.At(0, 0) = RGBToPixel(clFuchsia);
    colour.At(1, 0) = RGBToPixel(clRed);
    TDC cdc(colour);
    cdc.SetBkColor(clFuchsia);
    TBitmap mask(2, 1);
    mask.SetMonochrome(true);
    mask.DC().BitBlt(0, 0, 2, 1, &cdc, 0, 0, SRCCOPY);
    EXPECT_EQ(Art(mask.Pixels(), Legend), ".#\n");
    // The masked-drawing steps: AND with the mask, then OR in the image with black around.
    TPixelBuffer scene(2, 1, RGBToPixel(clLime));
    TDC sc(scene);
    sc.SetTextColor(clBlack);
    sc.SetBkColor(clWhite);
    sc.BitBlt(0, 0, 2, 1, &mask.DC(), 0, 0, SRCAND);
    TPixelBuffer image(2, 1);
    image.At(1, 0) = RGBToPixel(clRed);
    TDC idc(image);
    sc.BitBlt(0, 0, 2, 1, &idc, 0, 0, SRCPAINT);
    EXPECT_EQ(Art(scene, Legend), "gR\n");
}

TEST(BitBlt, StretchTakesTheNearestPixel) {
    TPixelBuffer src(4, 1);
    src.At(0, 0) = RGBToPixel(clRed);
    src.At(1, 0) = RGBToPixel(clLime);
    src.At(2, 0) = RGBToPixel(clBlue);
    src.At(3, 0) = RGBToPixel(clWhite);
    TDC sdc(src);
    TPixelBuffer up(4, 2);
    TDC udc(up);
    udc.StretchBlt(0, 0, 4, 2, &sdc, 1, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Art(up, Legend), "ggBB\n"
                               "ggBB\n");
    TPixelBuffer down(2, 1);
    TDC ddc(down);
    ddc.StretchBlt(0, 0, 2, 1, &sdc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(Art(down, Legend), "RB\n");
}

TEST(BitBlt, TransparentBltLeavesTheKeyColourOut) {
    TPixelBuffer src(2, 1);
    src.At(0, 0) = RGBToPixel(clFuchsia);
    src.At(1, 0) = RGBToPixel(clRed);
    TDC sdc(src);
    TPixelBuffer dst(4, 1, RGBToPixel(clLime));
    TDC ddc(dst);
    ddc.TransparentBlt(0, 0, 4, 1, sdc, 0, 0, 2, 1, clFuchsia);
    EXPECT_EQ(Art(dst, Legend), "ggRR\n");
}

TEST(BitBlt, OverlappingCopyWithinOneBufferScrolls) {
    TPixelBuffer buf(5, 1);
    const TColor colours[] = {clRed, clLime, clBlue, clBlack, clWhite};
    for (int x = 0; x < 5; ++x)
        buf.At(x, 0) = RGBToPixel(colours[x]);
    TDC dc(buf);
    dc.BitBlt(1, 0, 4, 1, &dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Art(buf, Legend), "RRgB#\n");
    dc.BitBlt(0, 0, 4, 1, &dc, 1, 0, SRCINVERT); // overlapping, per-pixel path
    EXPECT_EQ(PixelToRGB(buf.At(0, 0)), clRed ^ clRed);
    EXPECT_EQ(PixelToRGB(buf.At(1, 0)), clRed ^ clLime);
}

TEST(BitBlt, DrawBufferClipsBothSides) {
    TPixelBuffer src(3, 1);
    src.At(0, 0) = RGBToPixel(clRed);
    src.At(1, 0) = RGBToPixel(clLime);
    src.At(2, 0) = RGBToPixel(clBlue);
    TPixelBuffer dst(5, 2, 0xFFFFFF);
    TDC dc(dst, {1, 1}, TRegion(Rect(0, 1, 3, 2)));
    // Source columns -1..3 at logical x -1: only the existing columns land, only in the clip.
    dc.DrawBuffer(-1, 0, src, Rect(-1, 0, 4, 1));
    EXPECT_EQ(Art(dst, Legend), ".....\n"
                                ".Rg..\n");
}

// ---- image lists ---------------------------------------------------------------------------

TEST(ImageList, MaskedImagesDrawOnlyOpaquePixels) {
    TBitmap strip(4, 1);
    strip.Pixels().At(0, 0) = RGBToPixel(clFuchsia);
    strip.Pixels().At(1, 0) = RGBToPixel(clRed);
    strip.Pixels().At(2, 0) = RGBToPixel(clBlue);
    strip.Pixels().At(3, 0) = RGBToPixel(clFuchsia);
    TImageList list(2, 1);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2); // the strip is cut into cells
    TBitmap dst(4, 1);
    list.Draw(dst.Canvas(), 0, 0, 0);
    list.Draw(dst.Canvas(), 2, 0, 1);
    EXPECT_EQ(Art(dst.Pixels(), Legend), ".RB.\n");
    list.Draw(dst.Canvas(), 0, 0, 5); // a bad index draws nothing
    EXPECT_EQ(Art(dst.Pixels(), Legend), ".RB.\n");
}

TEST(ImageList, ExplicitMaskBlackIsOpaque) {
    TBitmap img(2, 1);
    img.Pixels().At(0, 0) = RGBToPixel(clRed);
    img.Pixels().At(1, 0) = RGBToPixel(clBlue);
    TBitmap mask(2, 1);
    mask.Pixels().At(1, 0) = 0; // (0,0) stays white: transparent
    TImageList list(2, 1);
    list.Add(img, &mask);
    TPixelBuffer dst(2, 1, RGBToPixel(clLime));
    TDC dc(dst);
    list.Draw(dc, 0, 0, 0);
    EXPECT_EQ(Art(dst, Legend), "gB\n");
}

TEST(ImageList, DisabledImagesAreEmbossedGrey) {
    TBitmap img(2, 1);
    img.Pixels().At(0, 0) = 0;        // dark: drawn
    img.Pixels().At(1, 0) = 0xFFFFFF; // light: left out
    TImageList list(2, 1);
    list.Add(img, nullptr);
    TPixelBuffer dst(3, 2, RGBToPixel(clLime));
    TDC dc(dst);
    list.Draw(dc, 0, 0, 0, false);
    EXPECT_EQ(PixelToRGB(dst.At(0, 0)), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelToRGB(dst.At(1, 1)), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelToRGB(dst.At(1, 0)), clLime);
}

// ---- the platform's own pictures ---------------------------------------------------------------

// The radio painter measures the glyph from these pictures: the cell from the check-box
// bitmap, the glyph from the flat mask, the dot from the checked image.
TEST(FrameControl, RadioGlyphMeasuresAsAClassicRadio) {
    TBitmap boxes;
    ASSERT_TRUE(boxes.LoadOEM(OBM_CHECKBOXES));
    const int cw = boxes.Width() / 4;
    const int ch = boxes.Height() / 3;
    EXPECT_EQ(cw, 13);
    EXPECT_EQ(ch, 13);

    TPixelBuffer cell(cw, ch, 0);
    TDC dc(cell);
    dc.DrawFrameControl(Rect(0, 0, cw, ch), DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    int left = -1;
    int width = 0;
    for (int x = 0; x < cw; ++x)
        for (int y = 0; y < ch; ++y)
            if (cell.At(x, y) == 0) {
                if (left < 0)
                    left = x;
                ++width;
                break;
            }
    int top = -1;
    int height = 0;
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x)
            if (cell.At(x, y) == 0) {
                if (top < 0)
                    top = y;
                ++height;
                break;
            }
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(width, 12);
    EXPECT_EQ(height, 12);

    cell.Resize(cw, ch, 0);
    dc.DrawFrameControl(Rect(0, 0, cw, ch), DFC_BUTTON,
                        DFCS_BUTTONRADIOIMAGE | DFCS_FLAT | DFCS_CHECKED);
    const TPixel text = ColorToPixel(clWindowText);
    int col = left + width / 2 - 1;
    int y = top + height / 2 - 2;
    while (cell.At(col, y - 1) == text)
        --y;
    int dotTop = y;
    while (cell.At(col, y) == text)
        ++y;
    int dotBottom = y;
    int row = top + height / 2 - 1;
    int x = left + width / 2 - 2;
    while (cell.At(x - 1, row) == text)
        --x;
    int dotLeft = x;
    while (cell.At(x, row) == text)
        ++x;
    EXPECT_EQ(TRect(dotLeft, dotTop, x, dotBottom), Rect(4, 4, 8, 8));
    // The body around the dot is the window colour, the flat ring the shadow colour.
    EXPECT_EQ(cell.At(2, 5), ColorToPixel(clWindow));
    EXPECT_EQ(cell.At(0, 5), ColorToPixel(clBtnShadow));
}

TEST(FrameControl, UnknownPicturesAreRefused) {
    TPixelBuffer cell(13, 13, 0);
    TDC dc(cell);
    EXPECT_FALSE(dc.DrawFrameControl(Rect(0, 0, 13, 13), DFC_CAPTION, 0));
    EXPECT_FALSE(LoadOemBitmap(12345).has_value());
}

} // namespace
