#include "lookandfeel/LookAndFeelColors.h"

#include <gtest/gtest.h>

namespace {

struct TPaletteCase {
    const char* Name;
    TColor BtnFace, Highlight, Window;
    // Expected, computed by hand from the weights with MulDiv's rounding (halves away from
    // zero) and the clamp to 0..255.
    TColor LightSel, LightDownedSel, LightDowned, LightBtnFace;
};

const TPaletteCase Palettes[] = {
    {"XpDefaults", RGB(236, 233, 216), RGB(49, 106, 197), RGB(255, 255, 255), RGB(194, 211, 239),
     RGB(157, 182, 219), RGB(216, 222, 228), RGB(239, 237, 222)},
    {"ClassicGrey", RGB(192, 192, 192), RGB(0, 0, 128), RGB(255, 255, 255), RGB(180, 180, 218),
     RGB(129, 129, 185), RGB(207, 207, 219), RGB(202, 202, 202)},
    // A pure white or pure black face gives the selection colour itself.
    {"WhiteFace", RGB(255, 255, 255), RGB(10, 36, 106), RGB(255, 255, 255), RGB(10, 36, 106),
     RGB(10, 36, 106), RGB(10, 36, 106), RGB(255, 255, 255)},
    {"BlackFace", RGB(0, 0, 0), RGB(10, 36, 106), RGB(255, 255, 255), RGB(10, 36, 106),
     RGB(10, 36, 106), RGB(10, 36, 106), RGB(41, 41, 41)},
    // 255 * 30 / 100 = 76.5 rounds up; -5 + 77 + 184 = 256 is clamped.
    {"ClampedHigh", RGB(255, 255, 250), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
     RGB(250, 250, 249), RGB(237, 237, 237), RGB(255, 255, 251)},
    // Only the negative face weight remains: clamped to 0.
    {"ClampedLow", RGB(200, 200, 200), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(28, 28, 28),
     RGB(22, 22, 22), RGB(209, 209, 209)},
};

class LookAndFeelColorsTest : public ::testing::TestWithParam<TPaletteCase> {
protected:
    void SetUp() override {
        const TPaletteCase& p = GetParam();
        TColorScheme& scheme = TColorScheme::Current();
        scheme.Set(COLOR_BTNFACE, p.BtnFace);
        scheme.Set(COLOR_HIGHLIGHT, p.Highlight);
        scheme.Set(COLOR_WINDOW, p.Window);
    }
    void TearDown() override { TColorScheme::Current().Reset(); }
};

TEST_P(LookAndFeelColorsTest, LightColorsMixTheFaceSelectionAndWindowColours) {
    const TPaletteCase& p = GetParam();
    EXPECT_EQ(GetLightSelColor(), p.LightSel);
    EXPECT_EQ(GetLightDownedSelColor(), p.LightDownedSel);
    EXPECT_EQ(GetLightDownedColor(), p.LightDowned);
    EXPECT_EQ(GetLightBtnFaceColor(), p.LightBtnFace);
}

INSTANTIATE_TEST_SUITE_P(Palettes, LookAndFeelColorsTest, ::testing::ValuesIn(Palettes),
                         [](const auto& param) { return std::string(param.param.Name); });

TEST(LookAndFeelColors, RealColorResolvesSystemColours) {
    EXPECT_EQ(GetRealColor(clBtnShadow), ColorToRGB(clBtnShadow));
    EXPECT_EQ(GetRealColor(RGB(1, 2, 3)), RGB(1, 2, 3));
}

} // namespace
