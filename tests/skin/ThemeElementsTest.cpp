#include "skin/ThemeElements.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr TsuiUIStyle BuiltIn[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

const char* Prefix(TsuiUIStyle style) {
    switch (style) {
    case MacOS:
        return "MACOS_";
    case WinXP:
        return "WINXP_";
    case DeepBlue:
        return "DEEPBLUE_";
    case Protein:
        return "PROTEIN_";
    case BlueGlass:
        return "BLUEGLASS_";
    default:
        return "";
    }
}

// A style value outside the enumeration, as a corrupt window layout could carry.
const TsuiUIStyle Unknown = TsuiUIStyle(6);

} // namespace

TEST(SkinThemeElements, IntegersAnswerOnlyForIntegerElements) {
    struct Case {
        TsuiUIStyle Style;
        int Position;
        std::int32_t Expected;
    };
    const Case cases[] = {
        {MacOS, 68, -2},     {BlueGlass, 68, -3}, {WinXP, 7, 13},
        {BlueGlass, 6, 270}, {DeepBlue, 1, 3},    {Protein, 69, 2},
        {MacOS, 73, 34},     {WinXP, 4, 3},       {MacOS, 2, -1}, // a colour asked as an integer
        {MacOS, 24, -1},   // a resource name asked as an integer
        {Protein, 66, -1}, // a switch asked as an integer
        {Custom, 1, -1},     {Custom, 68, -1},    {Unknown, 1, -1},
        {MacOS, 0, -1},      {MacOS, 92, -1},     {MacOS, -5, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetThemeInt(c.Style, c.Position), c.Expected)
            << "style " << int(c.Style) << " position " << c.Position;
}

TEST(SkinThemeElements, ColoursAnswerOnlyForColourElements) {
    struct Case {
        TsuiUIStyle Style;
        int Position;
        TColor Expected;
    };
    const Case cases[] = {
        {MacOS, 2, 0x7F7F7F},      {MacOS, 3, 0xE7E7E7},
        {WinXP, 2, 0xC82C00},      {WinXP, 10, 0xCF4602},
        {BlueGlass, 74, 0xE9D6D5}, {Protein, 11, 0xC4302D},
        {MacOS, 84, 0xC9C9C9},     {DeepBlue, 12, 0xA04A44},
        {Custom, 2, clBlack},   // Custom leaves the control's own colours alone
        {MacOS, 4, clBlack},    // an integer asked as a colour
        {Protein, 66, clBlack}, // a switch asked as a colour
        {MacOS, 46, clBlack},   // a resource name asked as a colour
        {Unknown, 2, clBlack},     {MacOS, 0, clBlack},
        {WinXP, 92, clBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetThemeColor(c.Style, c.Position), c.Expected)
            << "style " << int(c.Style) << " position " << c.Position;
    // The decimal values the window layouts carry for the MacOS frame.
    EXPECT_EQ(GetThemeColor(MacOS, 2), 8355711u);
    EXPECT_EQ(GetThemeColor(MacOS, 3), 15198183u);
}

TEST(SkinThemeElements, SwitchesAnswerOnlyForSwitchElements) {
    struct Case {
        TsuiUIStyle Style;
        int Position;
        bool Expected;
    };
    const Case cases[] = {
        {Protein, 66, true},   {BlueGlass, 66, true}, {MacOS, 66, false},
        {WinXP, 66, false},    {DeepBlue, 66, false}, {Custom, 66, false},
        {Unknown, 66, false},  {Protein, 1, false}, // the integer 4 is not a switch
        {BlueGlass, 7, false}, {Protein, 24, false},  {BlueGlass, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetThemeBool(c.Style, c.Position), c.Expected)
            << "style " << int(c.Style) << " position " << c.Position;
}

TEST(SkinThemeElements, StringsNameTheThemesPictures) {
    struct Case {
        TsuiUIStyle Style;
        int Position;
        const char* Expected;
    };
    const Case cases[] = {
        {MacOS, 24, "MACOS_BUTTON_NORMAL"},
        {MacOS, 26, "MACOS_BUTTON_MOUSEDOWN"},
        {WinXP, 63, "WINXP_TITLEBTN_RST_NORMAL"},
        {WinXP, 65, "WINXP_TITLEBTN_RST_MOUSEDOWN"},
        {MacOS, 63, "MACOS_TITLEBTN_MAX_NORMAL"},
        {BlueGlass, 64, "BLUEGLASS_TITLEBTN_MAX_MOUSEON"},
        {WinXP, 29, "WINXP_CHECKBOX_NORMAL_CHECK"},
        {WinXP, 34, "WINXP_CHECKBOX_MOUSEDOWN_UNCHECK"},
        {WinXP, 40, "WINXP_RADIOBUTTON_MOUSEON_UNCHECK"},
        {DeepBlue, 31, "DEEPBLUE_CHECKBOX_CHECK"},
        {Protein, 42, "PROTEIN_RADIOBUTTON_UNCHECK"},
        {WinXP, 27, "WINXP_CHECKBOX_DISABLE_CHECK"},
        {DeepBlue, 45, "DEEPBLUE_TITLE_LEFT"},
        {Protein, 46, "PROTEIN_TITLE_CLIENT"},
        {MacOS, 60, "MACOS_TITLEBTN_CTLBOX_NORMAL"},
        {BlueGlass, 77, "BLUEGLASS_TRACKBAR_BAR"},
        {MacOS, 78, "MACOS_TRACKBAR_SLIDER_V"},
        {Protein, 91, "PROTEIN_SCROLLBAR_TRACK"},
        {Custom, 24, ""},
        {Unknown, 24, ""},
        {MacOS, 2, ""}, // a colour asked as a string
        {MacOS, 92, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetThemeString(c.Style, c.Position), c.Expected)
            << "style " << int(c.Style) << " position " << c.Position;
}

TEST(SkinThemeElements, TheMenuCheckMarkIsSharedByEveryTheme) {
    for (TsuiUIStyle style : BuiltIn)
        EXPECT_EQ(GetThemeString(style, 23), "MENU_CHECKED") << int(style);
}

TEST(SkinThemeElements, RawElementCarriesItsKind) {
    TsuiType kind = Str;
    EXPECT_EQ(GetThemeElement(Custom, 2, kind), -1);
    EXPECT_EQ(kind, Int);
    EXPECT_EQ(GetThemeElement(MacOS, 68, kind), -2);
    EXPECT_EQ(kind, Int);
    EXPECT_EQ(GetThemeElement(MacOS, 2, kind), 0x7F7F7F);
    EXPECT_EQ(kind, Color);
    EXPECT_EQ(GetThemeElement(Protein, 66, kind), 1);
    EXPECT_EQ(kind, Bool);
    GetThemeElement(WinXP, 63, kind);
    EXPECT_EQ(kind, TsuiType::Str);
    EXPECT_EQ(GetThemeElement(WinXP, 0, kind), -1);
    EXPECT_EQ(kind, Int);
}

// Position 1 holds the theme's own number, so a column put under the wrong theme shows.
TEST(SkinThemeElements, EachThemeKnowsItsNumber) {
    for (TsuiUIStyle style : BuiltIn)
        EXPECT_EQ(GetThemeInt(style, 1), int(style));
}

// Every name is the theme's prefix and a suffix; apart from the check-box, radio-button and
// restore groups of WinXP, all themes use the same suffix at a position.
TEST(SkinThemeElements, NamesArePrefixAndSharedSuffix) {
    const std::set<int> winXPOwn = {29, 30, 31, 32, 33, 34, 37, 38, 39, 40, 41, 42, 63, 64, 65};
    int strings = 0;
    for (int position = 1; position <= ThemeElementCount; ++position) {
        if (ThemeElementKinds[std::size_t(position - 1)] != Str)
            continue;
        ++strings;
        if (position == 23)
            continue;
        const std::string macSuffix = GetThemeString(MacOS, position).substr(6);
        for (TsuiUIStyle style : BuiltIn) {
            const std::string name = GetThemeString(style, position);
            const std::string prefix = Prefix(style);
            ASSERT_EQ(name.compare(0, prefix.size(), prefix), 0) << name;
            const std::string suffix = name.substr(prefix.size());
            if (style == WinXP && winXPOwn.count(position) != 0) {
                EXPECT_NE(suffix, macSuffix) << name;
            } else {
                EXPECT_EQ(suffix, macSuffix) << name;
            }
        }
    }
    EXPECT_EQ(strings, 57);
}

// The kind of every position that is not a picture name.
TEST(SkinThemeElements, KindsOfTheValuePositions) {
    const std::set<int> ints = {1, 4, 5, 6, 7, 20, 21, 22, 67, 68, 69, 73};
    const std::set<int> bools = {66};
    const std::set<int> strings = {70, 71, 72, 75, 76, 77, 78, 85, 86, 87, 88, 89, 90, 91};
    for (int position = 1; position <= ThemeElementCount; ++position) {
        TsuiType expected = Color;
        if (ints.count(position) != 0)
            expected = Int;
        else if (bools.count(position) != 0)
            expected = Bool;
        else if (strings.count(position) != 0 || (position >= 23 && position <= 65))
            expected = Str;
        EXPECT_EQ(ThemeElementKinds[std::size_t(position - 1)], expected) << position;
    }
}
