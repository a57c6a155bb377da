#pragma once

#include <cstdint>

// The skin theme of a skinned control. Custom keeps the pictures and colours the control was
// given; the other values select one of the five built-in themes. The enumerators are unscoped so
// that controls can write MacOS as well as TsuiUIStyle::MacOS.
enum TsuiUIStyle : std::uint8_t {
    Custom = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};

// The number of built-in themes (MacOS to BlueGlass).
constexpr int BuiltInThemeCount = 5;

// True for the five built-in themes.
constexpr bool IsBuiltInTheme(TsuiUIStyle style) {
    return style >= MacOS && style <= BlueGlass;
}
