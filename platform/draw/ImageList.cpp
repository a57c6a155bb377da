#include "platform/draw/ImageList.h"

#include <algorithm>

TImageList::TImageList(int width, int height, bool masked)
    : FWidth(std::max(1, width)), FHeight(std::max(1, height)), FMasked(masked) {}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    if (image.Empty())
        return -1;
    const TPixelBuffer& src = image.Pixels();
    const int cells = std::max(1, src.Width / FWidth);
    const int first = Count();
    for (int c = 0; c < cells; ++c) {
        TImage im;
        im.Pixels.Resize(FWidth, FHeight, 0);
        im.Opaque.assign(std::size_t(FWidth) * std::size_t(FHeight), 0);
        for (int y = 0; y < FHeight && y < src.Height; ++y)
            for (int x = 0; x < FWidth && c * FWidth + x < src.Width; ++x) {
                int sx = c * FWidth + x;
                im.Pixels.At(x, y) = src.At(sx, y) & 0xFFFFFF;
                bool opaque = true;
                if (FMasked && mask && mask->Pixels().Valid(sx, y))
                    opaque = (mask->Pixels().At(sx, y) & 0xFFFFFF) == 0;
                im.Opaque[std::size_t(y * FWidth + x)] = opaque ? 1 : 0;
            }
        Images.push_back(std::move(im));
    }
    return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    if (image.Empty())
        return -1;
    TBitmap mask(image.Width(), image.Height());
    const TPixel key = ColorToPixel(maskColor) & 0xFFFFFF;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask.Pixels().At(x, y) = (image.Pixels().At(x, y) & 0xFFFFFF) == key ? 0xFFFFFFu : 0u;
    return Add(image, &mask);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (TDC* dc = canvas.Handle())
        Draw(*dc, x, y, index, enabled);
}

void TImageList::Draw(TDC& dc, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    const TImage& im = Images[std::size_t(index)];
    auto opaque = [&](int ix, int iy) { return im.Opaque[std::size_t(iy * FWidth + ix)] != 0; };
    if (enabled) {
        for (int iy = 0; iy < FHeight; ++iy)
            for (int ix = 0; ix < FWidth; ++ix) {
                if (!opaque(ix, iy))
                    continue;
                int start = ix;
                while (ix < FWidth && opaque(ix, iy))
                    ++ix;
                dc.DrawBuffer(x + start, y + iy, im.Pixels, {start, iy, ix, iy + 1});
            }
        return;
    }
    auto dark = [&](int ix, int iy) {
        if (!opaque(ix, iy))
            return false;
        TPixel p = im.Pixels.At(ix, iy);
        int lum = int((p >> 16) & 0xFF) * 30 + int((p >> 8) & 0xFF) * 59 + int(p & 0xFF) * 11;
        return lum < 192 * 100;
    };
    for (int pass = 0; pass < 2; ++pass) {
        const TColor c = pass == 0 ? clBtnHighlight : clBtnShadow;
        const int shift = pass == 0 ? 1 : 0;
        for (int iy = 0; iy < FHeight; ++iy)
            for (int ix = 0; ix < FWidth; ++ix)
                if (dark(ix, iy))
                    dc.SetPixel({x + ix + shift, y + iy + shift}, c);
    }
}

bool TImageList::GetBitmap(int index, TBitmap& image) const {
    if (index < 0 || index >= Count())
        return false;
    image.SetPixels(Images[std::size_t(index)].Pixels, pf32bit);
    return true;
}
