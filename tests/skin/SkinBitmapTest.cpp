#include "skin/SkinBitmap.h"
#include "platform/core/Exception.h"
#include "skin/ThemeElements.h"

#include <gtest/gtest.h>

TEST(SkinBitmap, EveryThemePictureLoadsFromTheProgramModule) {
    for (TsuiUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        for (int pos = 1; pos <= ThemeElementCount; ++pos) {
            if (ThemeElementKinds[std::size_t(pos - 1)] != Str)
                continue;
            std::string name = GetThemeString(style, pos);
            TBitmap bmp;
            ASSERT_NO_THROW(LoadSkinBitmap(&bmp, nullptr, name)) << name;
            EXPECT_GT(bmp.Width(), 0) << name;
            EXPECT_GT(bmp.Height(), 0) << name;
        }
    }
    for (const char* fixed : {"MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND", "MACOS_MENU_BAR",
                              "MACOS_MENU_SELECT", "MACOS_COMBOBOX_BUTTON", "MENU_CHECKED"}) {
        TBitmap bmp;
        EXPECT_NO_THROW(LoadSkinBitmap(&bmp, nullptr, fixed)) << fixed;
    }
}

TEST(SkinBitmap, LoadingReplacesSizeFormatAndPixels) {
    TBitmap bmp(300, 5);
    bmp.SetPixelFormat(pf32bit);
    LoadSkinBitmap(&bmp, nullptr, "MACOS_FORM_BACKGROUND");
    EXPECT_EQ(bmp.Width(), 8);
    EXPECT_EQ(bmp.Height(), 8);
    // The pinstripe rows repeat white, #EFEFEF, #E8E8E8, #EFEFEF from the top.
    const TColor rows[] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(PixelToRGB(bmp.Pixels().At(3, y)), rows[y % 4]) << y;
}

TEST(SkinBitmap, MissingNameRaisesResourceNotFound) {
    TBitmap bmp;
    try {
        LoadSkinBitmap(&bmp, nullptr, "NO_SUCH_PICTURE");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_PICTURE not found");
    }
}

TEST(SkinBitmap, AnotherModuleIsSearchedOnItsOwn) {
    HMODULE second = FindResourceModule("second");
    ASSERT_NE(second, nullptr);
    TBitmap bmp;
    EXPECT_NO_THROW(LoadSkinBitmap(&bmp, second, "MACOS_BUTTON_NORMAL"));
    EXPECT_GT(bmp.Width(), 0);
    // The program's module has this picture, the second module does not.
    EXPECT_THROW(LoadSkinBitmap(&bmp, second, "MACOS_BUTTON_MOUSEON"), EResNotFound);
}
