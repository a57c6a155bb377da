#include "PixelArt.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/JPEGImage.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Png.h"
#include "platform/draw/Resources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// The test program embeds fixtures/ as module "drawtest" and fixtures/second/ as "second".
HMODULE Fixtures() {
    HMODULE m = FindResourceModule("drawtest");
    EXPECT_NE(m, nullptr);
    return m;
}

TEST(Resources, BitmapsAreStoredWithoutTheFileHeader) {
    auto r = FindResource(Fixtures(), "TINY_RGB", RT_BITMAP);
    ASSERT_TRUE(r.has_value());
    ASSERT_GE(r->size(), 40u);
    EXPECT_EQ((*r)[0], 40); // the information header comes first
    EXPECT_TRUE(FindResource(Fixtures(), "tiny_rgb", "bitmap").has_value()); // any case
    EXPECT_TRUE(FindResource(Fixtures(), "BANNER", "JPG").has_value());
    EXPECT_FALSE(FindResource(Fixtures(), "BANNER", RT_BITMAP).has_value());
}

TEST(Resources, MissingNamesRaiseResNotFound) {
    try {
        LoadResourceData(Fixtures(), "MACOS_NOTHING", RT_BITMAP);
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource MACOS_NOTHING not found");
    }
    TBitmap bmp;
    EXPECT_THROW(bmp.LoadFromResourceName(nullptr, "TINY_RGB"), EResNotFound); // not in "main"
    EXPECT_THROW(bmp.LoadFromResourceName(Fixtures(), "NOPE"), Exception);
}

TEST(Resources, ModulesAreSeparate) {
    HMODULE second = FindResourceModule("second");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(FindResourceModule("no such module"), nullptr);
    TBitmap a;
    a.LoadFromResourceName(Fixtures(), "TINY_RGB");
    TBitmap b;
    b.LoadFromResourceName(second, "TINY_RGB");
    EXPECT_EQ(a.Width(), 3);
    EXPECT_EQ(b.Width(), 1);
    // The program's own module can be pointed elsewhere.
    HINSTANCE old = HInstance();
    SetHInstance(second);
    TBitmap c;
    c.LoadFromResourceName(nullptr, "TINY_RGB");
    EXPECT_EQ(c.Width(), 1);
    SetHInstance(old);
}

TEST(Resources, BitmapResourceReadsItsPixels) {
    TBitmap bmp;
    bmp.LoadFromResourceName(Fixtures(), "TINY_RGB");
    EXPECT_EQ(bmp.PixelFormat(), pf24bit);
    const std::map<TColor, char> legend = {{clRed, 'R'},   {clLime, 'g'},  {clBlue, 'B'},
                                           {clWhite, '.'}, {clBlack, '#'}, {clGray, 'G'}};
    EXPECT_EQ(Art(bmp.Pixels(), legend), "RgB\n"
                                         ".#G\n");
    // Drawing on one loaded copy leaves the picture as the next load gives it.
    bmp.Canvas().Brush().SetColor(clBlack);
    bmp.Canvas().FillRect(TRect(0, 0, 3, 2));
    TBitmap again;
    again.LoadFromResourceName(Fixtures(), "TINY_RGB");
    EXPECT_EQ(again.PixelFormat(), pf24bit);
    EXPECT_EQ(Art(again.Pixels(), legend), "RgB\n"
                                           ".#G\n");
}

// ---- JPEG --------------------------------------------------------------------------------------

TEST(Jpeg, DecodesTheFixture) {
    TJPEGImage jpg;
    jpg.LoadFromResourceName(Fixtures(), "BANNER");
    ASSERT_EQ(jpg.Width(), 8);
    ASSERT_EQ(jpg.Height(), 6);
    // Left half red, right half blue (lossy: near the colours).
    auto near = [](TPixel p, TPixel want) {
        for (int s = 0; s < 24; s += 8)
            if (std::abs(int((p >> s) & 0xFF) - int((want >> s) & 0xFF)) > 40)
                return false;
        return (p & 0xFF000000) == 0;
    };
    EXPECT_TRUE(near(jpg.Pixels().At(1, 3), 0xFF0000));
    EXPECT_TRUE(near(jpg.Pixels().At(6, 3), 0x0000FF));
    // Drawn through a picture and converted to a bitmap.
    TPicture pic;
    pic.SetGraphic(&jpg);
    TBitmap& bmp = pic.Bitmap();
    EXPECT_EQ(bmp.Width(), 8);
    EXPECT_TRUE(near(bmp.Pixels().At(6, 3), 0x0000FF));
}

TEST(Jpeg, BrokenFilesRaiseACatchableError) {
    auto good = FindResource(Fixtures(), "BANNER", "JPG");
    auto cmyk = FindResource(Fixtures(), "CMYK", "JPG");
    ASSERT_TRUE(good && cmyk);
    std::vector<std::uint8_t> bytes(good->begin(), good->end());
    std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + long(bytes.size() / 2)),
        std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3),
        std::vector<std::uint8_t>(cmyk->begin(), cmyk->end()),
        {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'},
    };
    std::vector<std::uint8_t> garbled = bytes;
    for (std::size_t i = bytes.size() / 3; i < bytes.size() - 2; ++i)
        garbled[i] = std::uint8_t(garbled[i] * 7 + 3);
    bad.push_back(garbled);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        TJPEGImage jpg;
        EXPECT_THROW(jpg.LoadFromMemory(bad[i].data(), bad[i].size()), EJPEG) << i;
        EXPECT_TRUE(jpg.Empty());
    }
    // Every truncation of the good file fails cleanly.
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(DecodeJpeg(bytes.data(), n), EJPEG) << n;
    TJPEGImage jpg;
    try {
        jpg.LoadFromMemory(bad[2].data(), bad[2].size());
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("CMYK"), std::string::npos);
    }
}

// The fixture with the dimensions of its frame header replaced.
std::vector<std::uint8_t> JpegClaiming(unsigned width, unsigned height) {
    auto good = FindResource(Fixtures(), "BANNER", "JPG");
    std::vector<std::uint8_t> bytes(good->begin(), good->end());
    for (std::size_t i = 2; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
            bytes[i + 5] = std::uint8_t(height >> 8);
            bytes[i + 6] = std::uint8_t(height);
            bytes[i + 7] = std::uint8_t(width >> 8);
            bytes[i + 8] = std::uint8_t(width);
            return bytes;
        }
    ADD_FAILURE() << "the fixture has no frame header";
    return bytes;
}

TEST(Jpeg, PicturesPastTheSizeLimitsAreRefusedBeforeDecoding) {
    struct TCase {
        unsigned Width, Height;
        const char* Message;
    };
    const TCase cases[] = {
        {16385, 1, "image dimensions out of range (16385 x 1)"},
        {1, 16385, "image dimensions out of range (1 x 16385)"},
        {5000, 4000, "image dimensions out of range (5000 x 4000)"},
        {16384, 16384, "image dimensions out of range (16384 x 16384)"},
        // At the limit the picture is decoded: this one then ends early.
        {4096, 4096, "premature end"},
    };
    for (const TCase& c : cases) {
        const std::vector<std::uint8_t> bytes = JpegClaiming(c.Width, c.Height);
        try {
            DecodeJpeg(bytes.data(), bytes.size());
            ADD_FAILURE() << c.Width << " x " << c.Height << " was decoded";
        } catch (const EJPEG& e) {
            EXPECT_NE(e.Message().find(c.Message), std::string::npos) << e.Message();
        }
    }
}

// Found by fuzz_jpeg as a timeout: a 295-byte arithmetic-coded file whose data stops after a few
// bytes. Arithmetic-coded data may end early (the rest is taken as zeros), so it is a valid
// picture of 164 x 12544 pixels; the time it takes is bounded by the picture limits, which still
// refuse it once it claims more.
TEST(Jpeg, FuzzTimeoutArithmeticCodedDataEndingEarlyDecodesWithinTheLimits) {
    auto file = FindResource(Fixtures(), "ARITH_SHORT", "JPG");
    ASSERT_TRUE(file);
    std::vector<std::uint8_t> bytes(file->begin(), file->end());
    ASSERT_EQ(bytes.size(), 295u);
    const TPixelBuffer px = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(px.Width, 164);
    EXPECT_EQ(px.Height, 12544);
    // The same with a frame of 4097 x 4096 (height first in the frame header).
    for (std::size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC9) {
            bytes[i + 5] = 0x10;
            bytes[i + 6] = 0x00;
            bytes[i + 7] = 0x10;
            bytes[i + 8] = 0x01;
            break;
        }
    try {
        DecodeJpeg(bytes.data(), bytes.size());
        ADD_FAILURE() << "4097 x 4096 was decoded";
    } catch (const EJPEG& e) {
        EXPECT_NE(e.Message().find("out of range (4097 x 4096)"), std::string::npos) << e.Message();
    }
}

TEST(Picture, LoadsBitmapOrJpegResourcesAndReportsChanges) {
    TPicture pic;
    int changes = 0;
    pic.OnChange = [&](TPersistent*) { ++changes; };
    pic.LoadFromResourceName(Fixtures(), "BANNER");
    EXPECT_NE(dynamic_cast<TJPEGImage*>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Width(), 8);
    pic.LoadFromResourceName(Fixtures(), "TINY_RGB");
    EXPECT_NE(dynamic_cast<TBitmap*>(pic.Graphic()), nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(pic.LoadFromResourceName(Fixtures(), "CMYK"), EJPEG);
    EXPECT_THROW(pic.LoadFromResourceName(Fixtures(), "ABSENT"), EResNotFound);
    EXPECT_EQ(pic.Width(), 3); // unchanged after the failures
    pic.Bitmap().SetSize(5, 5);
    EXPECT_EQ(changes, 3);
}

// ---- PNG ---------------------------------------------------------------------------------------

TEST(Png, SavesAReadableFile) {
    TPixelBuffer px(3, 2, 0x123456);
    std::vector<std::uint8_t> png = EncodePng(px);
    ASSERT_GT(png.size(), 33u);
    const std::uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(sig, sig + 8, png.begin()));
    EXPECT_EQ(png[19], 3); // IHDR width (big-endian, low byte)
    EXPECT_EQ(png[23], 2); // IHDR height
    const std::string path = testing::TempDir() + "/draw_png_test.png";
    SavePng(px, path);
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    EXPECT_EQ(file, png);
    std::remove(path.c_str());
    EXPECT_THROW(SavePng(px, "/nonexistent-dir/x.png"), EPngError);
    EXPECT_THROW(EncodePng(TPixelBuffer()), EPngError);
}

} // namespace
