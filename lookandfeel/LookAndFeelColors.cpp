#include "lookandfeel/LookAndFeelColors.h"

#include "platform/core/MulDiv.h"
#include "platform/draw/DC.h"

#include <algorithm>

TColor GetRealColor(TColor color) {
    // A screen-like context: 32-bit, every colour as it is.
    TPixelBuffer pixel(1, 1);
    TDC screen(pixel);
    return screen.GetNearestColor(color);
}

TColor GetLightColor(int btnFaceWeight, int highlightWeight, int windowWeight) {
    const TColor face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    const TColor highlight = ColorToRGB(clHighlight) & 0xFFFFFF;
    const TColor window = ColorToRGB(clWindow) & 0xFFFFFF;
    if (face == 0 || face == 0xFFFFFF)
        return GetRealColor(highlight);
    auto mix = [&](int shift) {
        auto channel = [shift](TColor c) { return int((c >> shift) & 0xFF); };
        int v = MulDiv(channel(face), btnFaceWeight, 100) +
                MulDiv(channel(highlight), highlightWeight, 100) +
                MulDiv(channel(window), windowWeight, 100);
        return std::uint8_t(std::clamp(v, 0, 255));
    };
    return GetRealColor(RGB(mix(0), mix(8), mix(16)));
}

TColor GetLightSelColor() {
    return GetLightColor(-2, 30, 72);
}

TColor GetLightDownedSelColor() {
    return GetLightColor(14, 44, 40);
}

TColor GetLightDownedColor() {
    return GetLightColor(11, 9, 73);
}

TColor GetLightBtnFaceColor() {
    const TColor face = ColorToRGB(clBtnFace);
    auto lighten = [face](int shift) {
        int c = int((face >> shift) & 0xFF);
        return std::uint8_t(c + MulDiv(255 - c, 16, 100));
    };
    return GetRealColor(RGB(lighten(0), lighten(8), lighten(16)));
}
