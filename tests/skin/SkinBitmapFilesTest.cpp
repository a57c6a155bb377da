#include "skin/ThemeElements.h"
#include "tests/skin/BmpFileReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr TsuiUIStyle BuiltIn[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};
constexpr TColor Magenta = 0xFF00FF;
constexpr TColor TitleLine = 0x7F7F7F;
const char* const States[] = {"NORMAL", "MOUSEON", "MOUSEDOWN"};
const char* const TitleButtonKinds[] = {"CLOSE", "MAX", "MIN", "HELP", "CTLBOX"};

std::string PathOf(const std::string& name) {
    return std::string(PETCALC_SKIN_RESOURCE_DIR) + "/" + name + ".bmp";
}

TBmpFile Load(const std::string& name) {
    TBmpFile file;
    std::string error;
    EXPECT_TRUE(ReadBmpFile(PathOf(name), file, error)) << name << ": " << error;
    return file;
}

bool IsLightGrey(TColor c) {
    return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) >= 0xC0;
}

std::vector<TColor> Corners(const TBmpFile& f) {
    return {f.At(0, 0), f.At(f.Width - 1, 0), f.At(0, f.Height - 1),
            f.At(f.Width - 1, f.Height - 1)};
}

// Every picture name the themes use, and the pictures fetched by fixed name.
std::set<std::string> AllPictureNames() {
    std::set<std::string> names = {"MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND",
                                   "MACOS_MENU_BAR",        "MACOS_MENU_SELECT",
                                   "MACOS_COMBOBOX_BUTTON", "MENU_CHECKED"};
    for (TsuiUIStyle style : BuiltIn)
        for (int position = 1; position <= ThemeElementCount; ++position)
            if (ThemeElementKinds[std::size_t(position - 1)] == Str)
                names.insert(GetThemeString(style, position));
    return names;
}

struct TBoundPicture {
    const char* Name;
    int Width;
    int Height;
    int BitCount; // 0 where the depth is free
};

void ExpectBound(const TBoundPicture& bound) {
    const TBmpFile f = Load(bound.Name);
    EXPECT_EQ(f.Width, bound.Width) << bound.Name;
    EXPECT_EQ(f.Height, bound.Height) << bound.Name;
    if (bound.BitCount != 0) {
        EXPECT_EQ(f.BitCount, bound.BitCount) << bound.Name;
    }
}

std::vector<std::string> WithStates(const std::string& stem) {
    std::vector<std::string> names;
    for (const char* state : States)
        names.push_back(stem + state);
    return names;
}

std::vector<std::string> TitleButtons(const std::string& prefix) {
    std::vector<std::string> names;
    for (const char* kind : TitleButtonKinds)
        for (const std::string& name : WithStates(prefix + "TITLEBTN_" + kind + "_"))
            names.push_back(name);
    return names;
}

} // namespace

TEST(SkinBitmapReader, RefusesDamagedFiles) {
    std::vector<std::uint8_t> bytes;
    {
        std::ifstream in(PathOf("MACOS_BUTTON_NORMAL"), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    TBmpFile f;
    std::string error;
    ASSERT_TRUE(ParseBmpFile(bytes, f, error)) << error;

    auto truncated = bytes;
    truncated.resize(bytes.size() - 10);
    EXPECT_FALSE(ParseBmpFile(truncated, f, error));
    auto noSignature = bytes;
    noSignature[0] = 'X';
    EXPECT_FALSE(ParseBmpFile(noSignature, f, error));
    auto compressed = bytes;
    compressed[14 + 16] = 1;
    EXPECT_FALSE(ParseBmpFile(compressed, f, error));
    EXPECT_FALSE(ReadBmpFile(PathOf("NO_SUCH_PICTURE"), f, error));
}

TEST(SkinBitmapFiles, EveryNamedPictureExistsAndParses) {
    const std::set<std::string> names = AllPictureNames();
    EXPECT_GT(names.size(), 200u);
    for (const std::string& name : names) {
        TBmpFile f;
        std::string error;
        EXPECT_TRUE(ReadBmpFile(PathOf(name), f, error)) << name << ": " << error;
    }
}

// The folder holds the theme pictures and nothing that no name reaches.
TEST(SkinBitmapFiles, NoStrayPictures) {
    const std::set<std::string> names = AllPictureNames();
    for (const auto& entry : std::filesystem::directory_iterator(PETCALC_SKIN_RESOURCE_DIR)) {
        if (entry.path().extension() != ".bmp")
            continue;
        EXPECT_EQ(names.count(entry.path().stem().string()), 1u) << entry.path();
    }
}

TEST(SkinBitmapFiles, MacOSPicturesHaveTheirBoundSizesAndDepths) {
    std::vector<TBoundPicture> bound = {
        {"MACOS_TITLE_LEFT", 48, 23, 8},
        {"MACOS_TITLE_RIGHT", 48, 23, 8},
        {"MACOS_TITLE_CLIENT", 49, 23, 8},
        {"MACOS_FORM_BACKGROUND", 8, 8, 4},
        {"MACOS_MENU_BAR", 1, 22, 4},
        {"MACOS_MENU_SELECT", 1, 21, 8},
        {"MACOS_CHECKBOX_CHECK", 15, 17, 8},
        {"MACOS_CHECKBOX_UNCHECK", 15, 17, 8},
        {"MACOS_CHECKBOX_DISABLE_CHECK", 15, 17, 8},
        {"MACOS_CHECKBOX_DISABLE_UNCHECK", 15, 17, 8},
        {"MACOS_RADIOBUTTON_CHECK", 16, 17, 8},
        {"MACOS_RADIOBUTTON_UNCHECK", 16, 17, 8},
        {"MACOS_RADIOBUTTON_DISABLE_CHECK", 16, 17, 8},
        {"MACOS_RADIOBUTTON_DISABLE_UNCHECK", 16, 17, 8},
        {"MACOS_PROGRESSBAR", 13, 10, 8},
        {"MACOS_PROGRESSBAR_V", 13, 13, 8},
        {"MACOS_SCROLLBAR_TRACK", 16, 33, 8},
        {"MACOS_TAB_ACTIVE", 18, 27, 8},
        {"MACOS_TAB_INACTIVE", 18, 27, 8},
        {"MACOS_TAB_LINE", 17, 7, 8},
        {"MACOS_TRACKBAR_BAR", 45, 5, 8},
        {"MACOS_TRACKBAR_SLIDER", 11, 20, 8},
        {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 8},
        {"MACOS_COMBOBOX_BUTTON", 16, 17, 24},
        {"MENU_CHECKED", 16, 16, 4},
    };
    for (const std::string& name : WithStates("MACOS_BUTTON_"))
        ExpectBound({name.c_str(), 84, 23, 8});
    for (const std::string& name : TitleButtons("MACOS_"))
        ExpectBound({name.c_str(), 17, 17, 8});
    for (const char* which : {"TOPBUTTON_", "BTMBUTTON_"})
        for (const std::string& name : WithStates(std::string("MACOS_SCROLLBAR_") + which))
            ExpectBound({name.c_str(), 16, 22, 8});
    for (const TBoundPicture& b : bound)
        ExpectBound(b);
}

TEST(SkinBitmapFiles, MacOSPicturesHaveNoKeyColour) {
    for (const auto& entry : std::filesystem::directory_iterator(PETCALC_SKIN_RESOURCE_DIR)) {
        const std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".bmp" || stem.rfind("MACOS_", 0) != 0)
            continue;
        const TBmpFile f = Load(stem);
        for (TColor c : f.Pixels)
            ASSERT_NE(c, Magenta) << stem;
    }
}

TEST(SkinBitmapFiles, MacOSBackgroundIsAPinstripeTile) {
    const TColor rows[] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    const TBmpFile f = Load("MACOS_FORM_BACKGROUND");
    ASSERT_EQ(f.Height, 8);
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x)
            EXPECT_EQ(f.At(x, y), rows[y % 4]) << x << "," << y;
}

TEST(SkinBitmapFiles, MacOSTitleSectionsAreLinedTopAndBottom) {
    for (const char* name : {"MACOS_TITLE_LEFT", "MACOS_TITLE_CLIENT", "MACOS_TITLE_RIGHT"}) {
        const TBmpFile f = Load(name);
        for (int x = 0; x < f.Width; ++x) {
            EXPECT_EQ(f.At(x, 0), TitleLine) << name << " x " << x;
            EXPECT_EQ(f.At(x, f.Height - 1), TitleLine) << name << " x " << x;
        }
        // Between the lines the bar is light enough for its black caption.
        for (int y = 1; y < f.Height - 1; ++y)
            EXPECT_TRUE(IsLightGrey(f.At(f.Width / 2, y))) << name << " y " << y;
    }
}

TEST(SkinBitmapFiles, MacOSButtonsHaveOpaqueLightGreyCorners) {
    std::vector<std::string> names = WithStates("MACOS_BUTTON_");
    for (const std::string& name : TitleButtons("MACOS_"))
        names.push_back(name);
    for (const std::string& name : names) {
        const TBmpFile f = Load(name);
        for (TColor c : Corners(f))
            EXPECT_TRUE(IsLightGrey(c)) << name << std::hex << " corner " << c;
        // Inside the corners there is a drawn outline, not just more background.
        int outline = 0;
        for (TColor c : f.Pixels)
            outline += !IsLightGrey(c);
        EXPECT_GT(outline, f.Width + f.Height) << name;
    }
}

TEST(SkinBitmapFiles, OtherThemesHaveTheirBoundSizes) {
    struct Bound {
        const char* Prefix;
        int ButtonW, ButtonH;
        int LeftW, ClientW, RightW, TitleH;
        int TitleButton;
    };
    const Bound bounds[] = {
        {"WINXP_", 18, 21, 35, 37, 35, 29, 21},
        {"DEEPBLUE_", 74, 21, 97, 98, 97, 32, 19},
        {"PROTEIN_", 74, 21, 441, 1, 1, 23, 19},
        {"BLUEGLASS_", 77, 27, 162, 179, 101, 33, 19},
    };
    for (const Bound& b : bounds) {
        const std::string p = b.Prefix;
        for (const std::string& name : WithStates(p + "BUTTON_"))
            ExpectBound({name.c_str(), b.ButtonW, b.ButtonH, 0});
        ExpectBound({(p + "TITLE_LEFT").c_str(), b.LeftW, b.TitleH, 0});
        ExpectBound({(p + "TITLE_CLIENT").c_str(), b.ClientW, b.TitleH, 0});
        ExpectBound({(p + "TITLE_RIGHT").c_str(), b.RightW, b.TitleH, 0});
        std::vector<std::string> buttons = TitleButtons(p);
        if (p == "WINXP_")
            for (const std::string& name : WithStates("WINXP_TITLEBTN_RST_"))
                buttons.push_back(name);
        for (const std::string& name : buttons)
            ExpectBound({name.c_str(), b.TitleButton, b.TitleButton, 0});
    }
    ExpectBound({"PROTEIN_FORM_BACKGROUND", 8, 8, 0});
}

// The title bar removes the colour of a transparent button's bottom-left pixel: the whole
// background around the drawing must be that one colour.
TEST(SkinBitmapFiles, TransparentTitleButtonsStandOnTheirKeyColour) {
    for (TsuiUIStyle style : {Protein, BlueGlass}) {
        ASSERT_TRUE(GetThemeBool(style, 66));
        for (int position = 48; position <= 65; ++position) {
            const std::string name = GetThemeString(style, position);
            const TBmpFile f = Load(name);
            const TColor key = f.At(0, f.Height - 1);
            for (TColor c : Corners(f))
                EXPECT_EQ(c, key) << name;
            int drawn = 0;
            for (TColor c : f.Pixels)
                drawn += c != key;
            EXPECT_GE(drawn, f.Width) << name;
        }
    }
}

// Outside the rounded shape the BlueGlass buttons are magenta, inside never.
TEST(SkinBitmapFiles, BlueGlassButtonsAreMagentaOutsideTheirShape) {
    for (const std::string& name : WithStates("BLUEGLASS_BUTTON_")) {
        const TBmpFile f = Load(name);
        for (TColor c : Corners(f))
            EXPECT_EQ(c, Magenta) << name;
        for (int y = 0; y < f.Height; ++y) {
            int left = 0;
            while (left < f.Width && f.At(left, y) == Magenta)
                ++left;
            int right = f.Width;
            while (right > left && f.At(right - 1, y) == Magenta)
                --right;
            EXPECT_LT(left, f.Width / 2) << name << " row " << y;
            for (int x = left; x < right; ++x)
                EXPECT_NE(f.At(x, y), Magenta) << name << " " << x << "," << y;
        }
    }
}

// A title bar is as high as its first section: the three sections and a theme's title buttons
// agree in size.
TEST(SkinBitmapFiles, TitleSectionsShareOneHeight) {
    for (TsuiUIStyle style : BuiltIn) {
        const int height = Load(GetThemeString(style, 45)).Height;
        EXPECT_EQ(Load(GetThemeString(style, 46)).Height, height) << int(style);
        EXPECT_EQ(Load(GetThemeString(style, 47)).Height, height) << int(style);
        const TBmpFile first = Load(GetThemeString(style, 48));
        for (int position = 48; position <= 65; ++position) {
            const TBmpFile f = Load(GetThemeString(style, position));
            EXPECT_EQ(f.Width, first.Width) << GetThemeString(style, position);
            EXPECT_EQ(f.Height, first.Height) << GetThemeString(style, position);
            // The buttons fit into the bar at the theme's button row.
            EXPECT_LE(GetThemeInt(style, 69) + f.Height, height) << int(style);
        }
    }
}

namespace {

bool SameColumn(const TBmpFile& a, int ax, const TBmpFile& b, int bx) {
    if (a.Height != b.Height)
        return false;
    for (int y = 0; y < a.Height; ++y)
        if (a.At(ax, y) != b.At(bx, y))
            return false;
    return true;
}

} // namespace

// A push button is drawn in nine pieces: its middle column is stretched across the button's
// width, so it must match the columns beside it or the stretched button shows seams.
TEST(SkinBitmapFiles, ButtonsStretchWithoutSeams) {
    for (TsuiUIStyle style : BuiltIn)
        for (int position = 24; position <= 26; ++position) {
            const std::string name = GetThemeString(style, position);
            const TBmpFile f = Load(name);
            const int middle = f.Width / 2;
            EXPECT_TRUE(SameColumn(f, middle - 1, f, middle)) << name;
            EXPECT_TRUE(SameColumn(f, middle + 1, f, middle)) << name;
        }
}

// The middle title section is stretched between the two ends: it is the same in every column and
// joins both ends without a step.
TEST(SkinBitmapFiles, TitleSectionsJoinWithoutSeams) {
    for (TsuiUIStyle style : BuiltIn) {
        const TBmpFile left = Load(GetThemeString(style, 45));
        const TBmpFile client = Load(GetThemeString(style, 46));
        const TBmpFile right = Load(GetThemeString(style, 47));
        for (int x = 1; x < client.Width; ++x)
            EXPECT_TRUE(SameColumn(client, x, client, 0)) << int(style) << " column " << x;
        EXPECT_TRUE(SameColumn(left, left.Width - 1, client, 0)) << int(style);
        EXPECT_TRUE(SameColumn(right, 0, client, 0)) << int(style);
    }
}
