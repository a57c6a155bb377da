#include "platform/core/Color.h"

#include <gtest/gtest.h>

TEST(Color, ComponentsAndPixels) {
    TColor c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetBValue(c), 0x56);
    EXPECT_EQ(RGBToPixel(c), 0x123456u);
    EXPECT_EQ(PixelToRGB(RGBToPixel(c)), c);
}

TEST(Color, SystemColoursResolveThroughTheScheme) {
    auto& scheme = TColorScheme::Current();
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    scheme.Set(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    scheme.Reset();
    EXPECT_EQ(ColorToRGB(clBtnFace), TColorScheme::Defaults()[COLOR_BTNFACE]);
    // An index outside the table resolves to black rather than reading past it.
    EXPECT_EQ(ColorToRGB(clSystemColor | 0xFF), clBlack);
}
