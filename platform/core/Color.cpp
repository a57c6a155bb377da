#include "platform/core/Color.h"

namespace {

constexpr TColorScheme::TTable MakeDefaults() {
    TColorScheme::TTable t{};
    t[COLOR_SCROLLBAR] = RGB(212, 208, 200);
    t[COLOR_BACKGROUND] = RGB(0, 78, 152);
    t[COLOR_ACTIVECAPTION] = RGB(0, 84, 227);
    t[COLOR_INACTIVECAPTION] = RGB(122, 150, 223);
    t[COLOR_MENU] = RGB(255, 255, 255);
    t[COLOR_WINDOW] = RGB(255, 255, 255);
    t[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
    t[COLOR_MENUTEXT] = RGB(0, 0, 0);
    t[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    t[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
    t[COLOR_ACTIVEBORDER] = RGB(212, 208, 200);
    t[COLOR_INACTIVEBORDER] = RGB(212, 208, 200);
    t[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
    t[COLOR_HIGHLIGHT] = RGB(49, 106, 197);
    t[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    t[COLOR_BTNFACE] = RGB(236, 233, 216);
    t[COLOR_BTNSHADOW] = RGB(172, 168, 153);
    t[COLOR_GRAYTEXT] = RGB(172, 168, 153);
    t[COLOR_BTNTEXT] = RGB(0, 0, 0);
    t[COLOR_INACTIVECAPTIONTEXT] = RGB(216, 228, 248);
    t[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    t[COLOR_3DDKSHADOW] = RGB(113, 111, 100);
    t[COLOR_3DLIGHT] = RGB(241, 239, 226);
    t[COLOR_INFOTEXT] = RGB(0, 0, 0);
    t[COLOR_INFOBK] = RGB(255, 255, 225);
    t[25] = RGB(181, 181, 181);
    t[COLOR_HOTLIGHT] = RGB(0, 0, 128);
    t[COLOR_GRADIENTACTIVECAPTION] = RGB(61, 149, 255);
    t[COLOR_GRADIENTINACTIVECAPTION] = RGB(157, 185, 235);
    t[COLOR_MENUHILIGHT] = RGB(49, 106, 197);
    t[COLOR_MENUBAR] = RGB(236, 233, 216);
    return t;
}

constexpr TColorScheme::TTable kDefaults = MakeDefaults();

} // namespace

TColorScheme::TColorScheme() : Colors(kDefaults) {}

TColorScheme& TColorScheme::Current() {
    static TColorScheme scheme;
    return scheme;
}

const TColorScheme::TTable& TColorScheme::Defaults() {
    return kDefaults;
}

TColor TColorScheme::Get(int index) const {
    if (index < 0 || index >= COLOR_COUNT)
        return clBlack;
    return Colors[static_cast<std::size_t>(index)];
}

void TColorScheme::Set(int index, TColor rgb) {
    if (index >= 0 && index < COLOR_COUNT)
        Colors[static_cast<std::size_t>(index)] = rgb & 0x00FFFFFF;
}

void TColorScheme::Reset() {
    Colors = kDefaults;
}

TColor GetSysColor(int index) {
    return TColorScheme::Current().Get(index);
}

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(int(color & 0xFF));
    return color & 0x00FFFFFF;
}
