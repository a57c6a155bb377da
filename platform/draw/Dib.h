#pragma once

#include "platform/core/Exception.h"
#include "platform/core/PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture's data is not a picture the layer can read (a malformed bitmap, a broken JPEG).
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// The largest picture the readers accept: each side at most kMaxPictureSide pixels and the whole
// at most kMaxPicturePixels (64 MB of 32-bit pixels).
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(16) * 1024 * 1024;

// What a device-independent bitmap said about itself.
struct TDibInfo {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    std::vector<TPixel> Palette; // 1/4/8-bit pictures
};

// Reads a device-independent bitmap in resource form: a 40-byte (or longer) information header,
// a colour table for 1/4/8 bits per pixel, uncompressed rows padded to 4 bytes, bottom-up
// (top-down when the height is negative). 24- and 32-bit pixels are B, G, R(, X); 32-bit
// pictures may also use the bit-field form with the standard masks. Anything else, data that
// ends early, or a picture larger than the limits above raises EInvalidGraphic.
TPixelBuffer ReadDib(const std::uint8_t* data, std::size_t size, TDibInfo* info = nullptr);
// The same for a .bmp file (a 14-byte file header "BM..." before the DIB).
TPixelBuffer ReadBmpFile(const std::uint8_t* data, std::size_t size, TDibInfo* info = nullptr);
// A 24-bit (bitsPerPixel 24) or 32-bit DIB of the pixels, in resource form.
std::vector<std::uint8_t> WriteDib(const TPixelBuffer& pixels, int bitsPerPixel = 24);
