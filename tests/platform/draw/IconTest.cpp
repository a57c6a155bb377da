#include "platform/draw/Icon.h"
#include "platform/draw/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// One image of an .ico file: a square of size pixels. colour(x, y) gives 0xAARRGGBB (32-bit) or
// a palette index (4-bit); masked(x, y) sets the mask bit.
struct TIcoImage {
    int Size = 16;
    int Bits = 32;
    std::vector<std::uint32_t> Palette; // 0x00RRGGBB, 4-bit only
    std::uint32_t (*Colour)(int x, int y) = nullptr;
    bool (*Masked)(int x, int y) = nullptr;

    std::vector<std::uint8_t> Dib() const {
        std::vector<std::uint8_t> d;
        Put32(d, 40);
        Put32(d, std::uint32_t(Size));
        Put32(d, std::uint32_t(2 * Size));
        Put16(d, 1);
        Put16(d, std::uint32_t(Bits));
        for (int i = 0; i < 6; ++i)
            Put32(d, 0);
        for (std::uint32_t c : Palette)
            Put32(d, c);
        std::size_t row = ((std::size_t(Size) * std::size_t(Bits) + 31) / 32) * 4;
        for (int y = Size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> r(row, 0);
            for (int x = 0; x < Size; ++x) {
                std::uint32_t c = Colour(x, y);
                if (Bits == 32) {
                    for (int k = 0; k < 4; ++k)
                        r[std::size_t(4 * x + k)] = std::uint8_t(c >> (8 * k));
                } else {
                    r[std::size_t(x / 2)] |= std::uint8_t(x % 2 ? c : c << 4);
                }
            }
            d.insert(d.end(), r.begin(), r.end());
        }
        std::size_t maskRow = ((std::size_t(Size) + 31) / 32) * 4;
        for (int y = Size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> r(maskRow, 0);
            for (int x = 0; x < Size; ++x)
                if (Masked(x, y))
                    r[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            d.insert(d.end(), r.begin(), r.end());
        }
        return d;
    }
};

std::vector<std::uint8_t> Ico(const std::vector<TIcoImage>& images) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, std::uint32_t(images.size()));
    std::vector<std::vector<std::uint8_t>> dibs;
    for (const auto& i : images)
        dibs.push_back(i.Dib());
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(std::uint8_t(images[i].Size));
        out.push_back(std::uint8_t(images[i].Size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, std::uint32_t(images[i].Bits));
        Put32(out, std::uint32_t(dibs[i].size()));
        Put32(out, offset);
        offset += std::uint32_t(dibs[i].size());
    }
    for (const auto& d : dibs)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}

// 16 x 16, red on the left, blue on the right, the top-left quarter masked away; alpha unused.
TIcoImage Small() {
    TIcoImage i;
    i.Colour = [](int x, int) -> std::uint32_t { return x < 8 ? 0xFF0000 : 0x0000FF; };
    i.Masked = [](int x, int y) { return x < 8 && y < 8; };
    return i;
}
TIcoImage Large() {
    TIcoImage i;
    i.Size = 32;
    i.Colour = [](int, int) -> std::uint32_t { return 0x00FF00; };
    i.Masked = [](int, int) { return false; };
    return i;
}

TEST(Icon, TakesTheImageClosestToTheAskedSizeWithItsMask) {
    std::vector<std::uint8_t> data = Ico({Large(), Small()});
    TIcon icon;
    icon.LoadFromIcoData(data.data(), data.size(), 16);
    ASSERT_EQ(icon.Width(), 16);
    ASSERT_EQ(icon.Height(), 16);
    EXPECT_FALSE(icon.Opaque(0, 0));
    EXPECT_FALSE(icon.Opaque(7, 7));
    EXPECT_TRUE(icon.Opaque(8, 0));
    EXPECT_TRUE(icon.Opaque(0, 8));
    EXPECT_EQ(icon.Pixels().At(0, 8), 0xFF0000u); // pixels are 0x00RRGGBB
    EXPECT_EQ(icon.Pixels().At(15, 15), 0x0000FFu);
    EXPECT_FALSE(icon.Opaque(16, 0));

    icon.LoadFromIcoData(data.data(), data.size(), 32);
    EXPECT_EQ(icon.Width(), 32);
}

TEST(Icon, AlphaLeavesOutTransparentPixelsWhenTheImageUsesIt) {
    TIcoImage i = Small();
    i.Colour = [](int x, int) -> std::uint32_t { return x < 4 ? 0x00FFFFFF : 0xFF00FF00; };
    i.Masked = [](int, int) { return false; };
    std::vector<std::uint8_t> data = Ico({i});
    TIcon icon;
    icon.LoadFromIcoData(data.data(), data.size());
    EXPECT_FALSE(icon.Opaque(3, 5));
    EXPECT_TRUE(icon.Opaque(4, 5));
}

TEST(Icon, ReadsPaletteImages) {
    TIcoImage i;
    i.Bits = 4;
    i.Palette.assign(16, 0);
    i.Palette[1] = 0x123456;
    i.Colour = [](int x, int) -> std::uint32_t { return x == 5 ? 1 : 0; };
    i.Masked = [](int x, int) { return x > 10; };
    std::vector<std::uint8_t> data = Ico({i});
    TIcon icon;
    icon.LoadFromIcoData(data.data(), data.size());
    EXPECT_EQ(icon.Pixels().At(5, 3), 0x123456u);
    EXPECT_EQ(icon.Pixels().At(6, 3), 0u);
    EXPECT_TRUE(icon.Opaque(10, 0));
    EXPECT_FALSE(icon.Opaque(11, 0));
}

TEST(Icon, DrawingCopiesOnlyThePixelsTheMaskKeeps) {
    std::vector<std::uint8_t> data = Ico({Small()});
    TIcon icon;
    icon.LoadFromIcoData(data.data(), data.size());
    TBitmap target(20, 20);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect({0, 0, 20, 20});
    target.Canvas().Draw(2, 2, icon);
    EXPECT_EQ(target.Canvas().Pixel(3, 3), clWhite); // masked
    EXPECT_EQ(target.Canvas().Pixel(3, 12), RGB(255, 0, 0));
    EXPECT_EQ(target.Canvas().Pixel(17, 3), RGB(0, 0, 255));
    EXPECT_EQ(target.Canvas().Pixel(18, 3), clWhite); // outside
}

TEST(Icon, BrokenDataIsRefusedAndTheOldImageKept) {
    std::vector<std::uint8_t> good = Ico({Small()});
    TIcon icon;
    icon.LoadFromIcoData(good.data(), good.size());
    std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {0, 0, 2, 0, 1, 0},                                         // a cursor file
        std::vector<std::uint8_t>(good.begin(), good.begin() + 30), // cut in the directory
        std::vector<std::uint8_t>(good.begin(), good.end() - 100),  // cut in the image
    };
    for (const auto& b : broken) {
        EXPECT_THROW(icon.LoadFromIcoData(b.data(), b.size()), EInvalidGraphic) << b.size();
        EXPECT_EQ(icon.Width(), 16);
    }
    EXPECT_THROW(icon.LoadFromResourceName(nullptr, "NO_SUCH_ICON"), EResNotFound);
}

} // namespace
