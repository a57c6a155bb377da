#include "skin/ThemeElements.h"

namespace {

// One position of the theme table as it is written below: its kind and the values of the five
// built-in themes (MacOS, WinXP, DeepBlue, Protein, BlueGlass).
struct TThemeRow {
    int Position;
    TsuiType Kind;
    std::array<std::int32_t, BuiltInThemeCount> Values;
    std::array<const char*, BuiltInThemeCount> Names;
};

constexpr TThemeRow Number(int position, TsuiType kind,
                           std::array<std::int32_t, BuiltInThemeCount> values) {
    return {position, kind, values, {}};
}

constexpr TThemeRow Name(int position, std::array<const char*, BuiltInThemeCount> names) {
    return {position, Str, {}, names};
}

// A bitmap name is the theme's prefix followed by the element's suffix.
#define SKIN_NAMES(suffix)                                                                         \
    { "MACOS_" suffix, "WINXP_" suffix, "DEEPBLUE_" suffix, "PROTEIN_" suffix, "BLUEGLASS_" suffix }
// WinXP names some states differently from the other four themes.
#define SKIN_NAMES_XP(suffix, xpSuffix)                                                            \
    {                                                                                              \
        "MACOS_" suffix, "WINXP_" xpSuffix, "DEEPBLUE_" suffix, "PROTEIN_" suffix,                 \
            "BLUEGLASS_" suffix                                                                    \
    }

constexpr std::array<TThemeRow, ThemeElementCount> ThemeRows = {{
    Number(1, Int, {1, 2, 3, 4, 5}),
    Number(2, Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}),
    Number(3, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number(4, Int, {1, 3, 1, 1, 1}),
    Number(5, Int, {21, 27, 30, 21, 31}),
    Number(6, Int, {130, 150, 130, 130, 270}),
    Number(7, Int, {0, 13, 0, 0, 11}),
    Number(8, Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}),
    Number(9, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number(10, Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}),
    Number(11, Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    Number(12, Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    Number(13, Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
    Number(14, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}),
    Number(15, Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}),
    Number(16, Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}),
    Number(17, Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}),
    Number(18, Color, {0x000000, 0x848284, 0x848284, 0x848284, 0x848284}),
    Number(19, Color, {0x000000, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD, 0x9CA6AD}),
    Number(20, Int, {20, 21, 21, 21, 21}),
    Number(21, Int, {12, 5, 5, 5, 5}),
    Number(22, Int, {26, 26, 26, 26, 26}),
    // The menu check mark is one picture for every theme.
    Name(23, {"MENU_CHECKED", "MENU_CHECKED", "MENU_CHECKED", "MENU_CHECKED", "MENU_CHECKED"}),
    Name(24, SKIN_NAMES("BUTTON_NORMAL")),
    Name(25, SKIN_NAMES("BUTTON_MOUSEON")),
    Name(26, SKIN_NAMES("BUTTON_MOUSEDOWN")),
    Name(27, SKIN_NAMES("CHECKBOX_DISABLE_CHECK")),
    Name(28, SKIN_NAMES("CHECKBOX_DISABLE_UNCHECK")),
    Name(29, SKIN_NAMES_XP("CHECKBOX_CHECK", "CHECKBOX_NORMAL_CHECK")),
    Name(30, SKIN_NAMES_XP("CHECKBOX_UNCHECK", "CHECKBOX_NORMAL_UNCHECK")),
    Name(31, SKIN_NAMES_XP("CHECKBOX_CHECK", "CHECKBOX_MOUSEON_CHECK")),
    Name(32, SKIN_NAMES_XP("CHECKBOX_UNCHECK", "CHECKBOX_MOUSEON_UNCHECK")),
    Name(33, SKIN_NAMES_XP("CHECKBOX_CHECK", "CHECKBOX_MOUSEDOWN_CHECK")),
    Name(34, SKIN_NAMES_XP("CHECKBOX_UNCHECK", "CHECKBOX_MOUSEDOWN_UNCHECK")),
    Name(35, SKIN_NAMES("RADIOBUTTON_DISABLE_CHECK")),
    Name(36, SKIN_NAMES("RADIOBUTTON_DISABLE_UNCHECK")),
    Name(37, SKIN_NAMES_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_NORMAL_CHECK")),
    Name(38, SKIN_NAMES_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_NORMAL_UNCHECK")),
    Name(39, SKIN_NAMES_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEON_CHECK")),
    Name(40, SKIN_NAMES_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEON_UNCHECK")),
    Name(41, SKIN_NAMES_XP("RADIOBUTTON_CHECK", "RADIOBUTTON_MOUSEDOWN_CHECK")),
    Name(42, SKIN_NAMES_XP("RADIOBUTTON_UNCHECK", "RADIOBUTTON_MOUSEDOWN_UNCHECK")),
    Name(43, SKIN_NAMES("PROGRESSBAR")),
    Name(44, SKIN_NAMES("PROGRESSBAR_V")),
    Name(45, SKIN_NAMES("TITLE_LEFT")),
    Name(46, SKIN_NAMES("TITLE_CLIENT")),
    Name(47, SKIN_NAMES("TITLE_RIGHT")),
    Name(48, SKIN_NAMES("TITLEBTN_CLOSE_NORMAL")),
    Name(49, SKIN_NAMES("TITLEBTN_CLOSE_MOUSEON")),
    Name(50, SKIN_NAMES("TITLEBTN_CLOSE_MOUSEDOWN")),
    Name(51, SKIN_NAMES("TITLEBTN_MAX_NORMAL")),
    Name(52, SKIN_NAMES("TITLEBTN_MAX_MOUSEON")),
    Name(53, SKIN_NAMES("TITLEBTN_MAX_MOUSEDOWN")),
    Name(54, SKIN_NAMES("TITLEBTN_MIN_NORMAL")),
    Name(55, SKIN_NAMES("TITLEBTN_MIN_MOUSEON")),
    Name(56, SKIN_NAMES("TITLEBTN_MIN_MOUSEDOWN")),
    Name(57, SKIN_NAMES("TITLEBTN_HELP_NORMAL")),
    Name(58, SKIN_NAMES("TITLEBTN_HELP_MOUSEON")),
    Name(59, SKIN_NAMES("TITLEBTN_HELP_MOUSEDOWN")),
    Name(60, SKIN_NAMES("TITLEBTN_CTLBOX_NORMAL")),
    Name(61, SKIN_NAMES("TITLEBTN_CTLBOX_MOUSEON")),
    Name(62, SKIN_NAMES("TITLEBTN_CTLBOX_MOUSEDOWN")),
    // Only WinXP has its own restore pictures; the others show the maximize button again.
    Name(63, SKIN_NAMES_XP("TITLEBTN_MAX_NORMAL", "TITLEBTN_RST_NORMAL")),
    Name(64, SKIN_NAMES_XP("TITLEBTN_MAX_MOUSEON", "TITLEBTN_RST_MOUSEON")),
    Name(65, SKIN_NAMES_XP("TITLEBTN_MAX_MOUSEDOWN", "TITLEBTN_RST_MOUSEDOWN")),
    Number(66, Bool, {0, 0, 0, 1, 1}),
    Number(67, Int, {3, 2, 0, 0, 4}),
    Number(68, Int, {-2, -2, 0, 0, -3}),
    Number(69, Int, {4, 5, 2, 2, 6}),
    Name(70, SKIN_NAMES("TAB_ACTIVE")),
    Name(71, SKIN_NAMES("TAB_INACTIVE")),
    Name(72, SKIN_NAMES("TAB_LINE")),
    Number(73, Int, {34, 19, 22, 22, 22}),
    Number(74, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE9D6D5}),
    Name(75, SKIN_NAMES("TRACKBAR_BAR")),
    Name(76, SKIN_NAMES("TRACKBAR_SLIDER")),
    Name(77, SKIN_NAMES("TRACKBAR_BAR")),
    Name(78, SKIN_NAMES("TRACKBAR_SLIDER_V")),
    Number(79, Color, {0xEEEEEE, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number(80, Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}),
    Number(81, Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}),
    Number(82, Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}),
    Number(83, Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number(84, Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}),
    Name(85, SKIN_NAMES("SCROLLBAR_TOPBUTTON_NORMAL")),
    Name(86, SKIN_NAMES("SCROLLBAR_TOPBUTTON_MOUSEON")),
    Name(87, SKIN_NAMES("SCROLLBAR_TOPBUTTON_MOUSEDOWN")),
    Name(88, SKIN_NAMES("SCROLLBAR_BTMBUTTON_NORMAL")),
    Name(89, SKIN_NAMES("SCROLLBAR_BTMBUTTON_MOUSEON")),
    Name(90, SKIN_NAMES("SCROLLBAR_BTMBUTTON_MOUSEDOWN")),
    Name(91, SKIN_NAMES("SCROLLBAR_TRACK")),
}};

#undef SKIN_NAMES
#undef SKIN_NAMES_XP

// Every row sits at its own position and carries what its kind needs.
constexpr bool RowsAreComplete() {
    for (int i = 0; i < ThemeElementCount; ++i) {
        const TThemeRow& row = ThemeRows[std::size_t(i)];
        if (row.Position != i + 1)
            return false;
        for (int t = 0; t < BuiltInThemeCount; ++t) {
            const bool named = row.Names[std::size_t(t)] != nullptr;
            if (named != (row.Kind == Str))
                return false;
            if (row.Kind == Bool && row.Values[std::size_t(t)] != 0 &&
                row.Values[std::size_t(t)] != 1)
                return false;
        }
    }
    return true;
}
static_assert(RowsAreComplete(), "the theme table must list positions 1 to 91 in order");

constexpr TThemeElementKinds MakeKinds() {
    TThemeElementKinds kinds{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        kinds[i] = ThemeRows[i].Kind;
    return kinds;
}

constexpr std::array<TThemeElements, BuiltInThemeCount> MakeTable() {
    std::array<TThemeElements, BuiltInThemeCount> table{};
    for (std::size_t t = 0; t < table.size(); ++t)
        for (std::size_t i = 0; i < ThemeRows.size(); ++i)
            table[t][i] = {ThemeRows[i].Values[t], ThemeRows[i].Names[t]};
    return table;
}

bool IsPosition(int position) {
    return position >= 1 && position <= ThemeElementCount;
}

} // namespace

constexpr TThemeElementKinds ThemeElementKinds = MakeKinds();
constexpr std::array<TThemeElements, BuiltInThemeCount> ThemeElementTable = MakeTable();

std::int32_t GetThemeElement(TsuiUIStyle style, int position, TsuiType& kind) {
    kind = Int;
    if (!IsBuiltInTheme(style) || !IsPosition(position))
        return -1;
    const std::size_t index = std::size_t(position - 1);
    kind = ThemeElementKinds[index];
    return ThemeElementTable[std::size_t(style - MacOS)][index].Value;
}

std::int32_t GetThemeInt(TsuiUIStyle style, int position) {
    TsuiType kind;
    const std::int32_t value = GetThemeElement(style, position, kind);
    return kind == Int ? value : -1;
}

TColor GetThemeColor(TsuiUIStyle style, int position) {
    TsuiType kind;
    const std::int32_t value = GetThemeElement(style, position, kind);
    return kind == Color ? TColor(value) : clBlack;
}

bool GetThemeBool(TsuiUIStyle style, int position) {
    TsuiType kind;
    const std::int32_t value = GetThemeElement(style, position, kind);
    return kind == Bool && value != 0;
}

std::string GetThemeString(TsuiUIStyle style, int position) {
    TsuiType kind;
    GetThemeElement(style, position, kind);
    if (kind != Str)
        return {};
    const char* name =
        ThemeElementTable[std::size_t(style - MacOS)][std::size_t(position - 1)].Name;
    return name != nullptr ? std::string(name) : std::string();
}
