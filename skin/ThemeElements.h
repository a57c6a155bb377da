#pragma once

#include "platform/core/Color.h"
#include "skin/UIStyle.h"

#include <array>
#include <cstdint>
#include <string>

// The kind of a theme element. Unscoped like the theme enumeration; TsuiType::Bool works too.
enum TsuiType : std::uint8_t {
    Int = 0,
    Color = 1,
    Str = 2,
    Bool = 3,
};

// Theme elements are numbered 1 to ThemeElementCount.
constexpr int ThemeElementCount = 91;

// One theme's value at one position. Int, Color and Bool elements keep their value in Value (a
// colour as 0x00BBGGRR, a switch as 0 or 1); a Str element names a bitmap resource in Name and
// has Value 0.
struct TThemeElement {
    std::int32_t Value;
    const char* Name;
};

using TThemeElementKinds = std::array<TsuiType, ThemeElementCount>;
using TThemeElements = std::array<TThemeElement, ThemeElementCount>;

// The kind of every position, shared by all themes: ThemeElementKinds[position - 1].
extern const TThemeElementKinds ThemeElementKinds;

// The values of the built-in themes: ThemeElementTable[style - MacOS][position - 1].
extern const std::array<TThemeElements, BuiltInThemeCount> ThemeElementTable;

// The raw value of a position and its kind. Custom, any value that is not a built-in theme and a
// position outside 1..ThemeElementCount answer -1 with kind Int.
std::int32_t GetThemeElement(TsuiUIStyle style, int position, TsuiType& kind);

// Typed readers: the value when the element has the asked kind, otherwise -1, black, false or the
// empty string. Custom always gets these absent values.
std::int32_t GetThemeInt(TsuiUIStyle style, int position);
TColor GetThemeColor(TsuiUIStyle style, int position);
bool GetThemeBool(TsuiUIStyle style, int position);
std::string GetThemeString(TsuiUIStyle style, int position);
