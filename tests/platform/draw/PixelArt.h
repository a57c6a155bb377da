#pragma once

#include "platform/core/PixelBuffer.h"

#include <map>
#include <string>

// Pixels as text, one character per pixel and one line per row, for readable pixel tests.
// Colours are 0x00BBGGRR values; a pixel whose colour is not in the legend shows as '?'.
inline std::string Art(const TPixelBuffer& buf, const std::map<TColor, char>& legend) {
    std::string s;
    for (int y = 0; y < buf.Height; ++y) {
        for (int x = 0; x < buf.Width; ++x) {
            auto it = legend.find(PixelToRGB(buf.At(x, y) & 0xFFFFFF));
            s += it == legend.end() ? '?' : it->second;
        }
        s += '\n';
    }
    return s;
}

// The bounding box of pixels that differ from the background colour.
inline TRect InkBox(const TPixelBuffer& buf, TColor background) {
    TRect box;
    const TPixel bg = RGBToPixel(background);
    for (int y = 0; y < buf.Height; ++y)
        for (int x = 0; x < buf.Width; ++x)
            if ((buf.At(x, y) & 0xFFFFFF) != bg)
                box = box.United(TRect(x, y, x + 1, y + 1));
    return box;
}
