#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"

#include <cstdint>
#include <vector>

// A list of equally sized images, each with an optional mask (masked lists): drawing copies the
// image's opaque pixels only. Drawn disabled, an image appears greyed: its dark pixels in
// clBtnShadow over a clBtnHighlight copy one pixel right and down (an embossed look), its light
// pixels left out.
class TImageList {
public:
    TImageList(int width, int height, bool masked = true);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Masked() const { return FMasked; }
    int Count() const { return int(Images.size()); }
    void Clear() { Images.clear(); }

    // Adds the image (split into cells when it is wider than the list's width) with a mask
    // bitmap in which black marks opaque and white transparent pixels (nullptr: all opaque).
    // Answers the index of the first added image, or -1.
    int Add(const TBitmap& image, const TBitmap* mask);
    // Adds the image with the pixels of maskColor transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Draws image index with its top-left corner at (x, y).
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    void Draw(TDC& dc, int x, int y, int index, bool enabled = true) const;
    // The image's pixels (and mask) as bitmaps; false for a bad index.
    bool GetBitmap(int index, TBitmap& image) const;

private:
    struct TImage {
        TPixelBuffer Pixels;
        std::vector<std::uint8_t> Opaque; // 1 = drawn
    };
    int FWidth;
    int FHeight;
    bool FMasked;
    std::vector<TImage> Images;
};
