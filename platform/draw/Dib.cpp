#include "platform/draw/Dib.h"

#include <string>

namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(std::uint8_t(x >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}

[[noreturn]] void Bad(const std::string& why) {
    throw EInvalidGraphic("Bitmap image is not valid: " + why);
}

} // namespace

TPixelBuffer ReadDib(const std::uint8_t* data, std::size_t size, TDibInfo* info) {
    if (!data || size < 40)
        Bad("the header is truncated");
    const std::uint32_t headerSize = U32(data);
    if (headerSize < 40 || headerSize > size)
        Bad("unknown header size");
    const std::int32_t width = std::int32_t(U32(data + 4));
    const std::int32_t rawHeight = std::int32_t(U32(data + 8));
    const int planes = U16(data + 12);
    const int bpp = U16(data + 14);
    const std::uint32_t compression = U32(data + 16);
    const std::uint32_t colorsUsed = U32(data + 32);
    if (planes != 1)
        Bad("plane count must be 1");
    if (width <= 0 || width > kMaxPictureSide || rawHeight == 0 || rawHeight < -kMaxPictureSide ||
        rawHeight > kMaxPictureSide)
        Bad("invalid dimensions");
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (std::int64_t(width) * height > kMaxPicturePixels)
        Bad("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
            " pixels)");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        Bad("unsupported colour depth " + std::to_string(bpp));
    std::size_t offset = headerSize;
    if (compression == 3 && bpp == 32) {
        // Bit fields: accept only the plain X8R8G8B8 layout.
        std::uint32_t r = 0;
        std::uint32_t g = 0;
        std::uint32_t b = 0;
        if (headerSize >= 52) {
            r = U32(data + 40);
            g = U32(data + 44);
            b = U32(data + 48);
        } else {
            if (size < offset + 12)
                Bad("the colour masks are truncated");
            r = U32(data + offset);
            g = U32(data + offset + 4);
            b = U32(data + offset + 8);
            offset += 12;
        }
        if (r != 0xFF0000 || g != 0xFF00 || b != 0xFF)
            Bad("unsupported colour masks");
    } else if (compression != 0) {
        Bad("compressed bitmaps are not supported");
    }
    std::vector<TPixel> palette;
    if (bpp <= 8) {
        std::size_t maxColors = std::size_t(1) << bpp;
        std::size_t n = colorsUsed ? colorsUsed : maxColors;
        if (n > maxColors)
            Bad("colour table too large");
        if (size < offset + n * 4)
            Bad("the colour table is truncated");
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t* q = data + offset + i * 4;
            palette.push_back((TPixel(q[2]) << 16) | (TPixel(q[1]) << 8) | q[0]);
        }
        offset += n * 4;
    }
    const std::size_t stride = ((std::size_t(width) * std::size_t(bpp) + 31) / 32) * 4;
    if (size - offset < stride * std::size_t(height))
        Bad("the pixel data is truncated");
    TPixelBuffer out(width, height);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* src = data + offset + stride * std::size_t(row);
        TPixel* dst = out.Row(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            TPixel px = 0;
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                unsigned index = 0;
                if (bpp == 1)
                    index = (src[x >> 3] >> (7 - (x & 7))) & 1;
                else if (bpp == 4)
                    index = (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4);
                else
                    index = src[x];
                if (index >= palette.size())
                    Bad("a pixel refers past the colour table");
                px = palette[index];
                break;
            }
            case 24: {
                const std::uint8_t* q = src + x * 3;
                px = (TPixel(q[2]) << 16) | (TPixel(q[1]) << 8) | q[0];
                break;
            }
            default: {
                const std::uint8_t* q = src + x * 4;
                px = (TPixel(q[2]) << 16) | (TPixel(q[1]) << 8) | q[0];
                break;
            }
            }
            dst[x] = px;
        }
    }
    if (info) {
        info->Width = width;
        info->Height = height;
        info->BitsPerPixel = bpp;
        info->Palette = std::move(palette);
    }
    return out;
}

TPixelBuffer ReadBmpFile(const std::uint8_t* data, std::size_t size, TDibInfo* info) {
    if (!data || size < 14 || data[0] != 'B' || data[1] != 'M')
        Bad("not a bitmap file");
    return ReadDib(data + 14, size - 14, info);
}

std::vector<std::uint8_t> WriteDib(const TPixelBuffer& pixels, int bitsPerPixel) {
    const int bpp = bitsPerPixel == 32 ? 32 : 24;
    const std::size_t stride = ((std::size_t(pixels.Width) * std::size_t(bpp) + 31) / 32) * 4;
    std::vector<std::uint8_t> v;
    v.reserve(40 + stride * std::size_t(pixels.Height));
    Put32(v, 40);
    Put32(v, std::uint32_t(pixels.Width));
    Put32(v, std::uint32_t(pixels.Height));
    Put16(v, 1);
    Put16(v, std::uint16_t(bpp));
    Put32(v, 0);
    Put32(v, std::uint32_t(stride * std::size_t(pixels.Height)));
    Put32(v, 3780);
    Put32(v, 3780);
    Put32(v, 0);
    Put32(v, 0);
    for (int row = pixels.Height - 1; row >= 0; --row) {
        std::size_t start = v.size();
        for (int x = 0; x < pixels.Width; ++x) {
            TPixel px = pixels.At(x, row);
            v.push_back(std::uint8_t(px));
            v.push_back(std::uint8_t(px >> 8));
            v.push_back(std::uint8_t(px >> 16));
            if (bpp == 32)
                v.push_back(0);
        }
        while (v.size() - start < stride)
            v.push_back(0);
    }
    return v;
}
