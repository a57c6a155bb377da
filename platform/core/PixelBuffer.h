#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"

#include <cstddef>
#include <vector>

// A 32-bit image in memory, top-down rows, one TPixel (0x00RRGGBB) per pixel, no row padding.
// Windows compose into one of these per top-level window; bitmaps keep their pixels in one.
struct TPixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<TPixel> Pixels;

    TPixelBuffer() = default;
    TPixelBuffer(int w, int h, TPixel fill = 0) { Resize(w, h, fill); }

    void Resize(int w, int h, TPixel fill = 0) {
        Width = w > 0 ? w : 0;
        Height = h > 0 ? h : 0;
        Pixels.assign(std::size_t(Width) * std::size_t(Height), fill);
    }
    TRect BoundsRect() const { return {0, 0, Width, Height}; }
    TPixel* Row(int y) { return Pixels.data() + std::size_t(y) * std::size_t(Width); }
    const TPixel* Row(int y) const { return Pixels.data() + std::size_t(y) * std::size_t(Width); }
    TPixel& At(int x, int y) { return Row(y)[x]; }
    TPixel At(int x, int y) const { return Row(y)[x]; }
    bool Valid(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};
