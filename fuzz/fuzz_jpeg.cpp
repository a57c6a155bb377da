// Fuzzes the JPEG decoder. Every input must either raise EJPEG or give a picture within the size
// limits with clean 24-bit pixels. Any violation, and any crash or hang inside the decoder,
// aborts.
#include "platform/draw/Jpeg.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_jpeg: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TPixelBuffer pixels;
    try {
        pixels = DecodeJpeg(data, size);
    } catch (const EJPEG& e) {
        Require(e.Message().rfind("JPEG error", 0) == 0, "unexpected message");
        return 0;
    }
    Require(pixels.Width > 0 && pixels.Height > 0 && pixels.Width <= kMaxPictureSide &&
                pixels.Height <= kMaxPictureSide &&
                std::int64_t(pixels.Width) * pixels.Height <= kMaxPicturePixels,
            "a picture past the limits was decoded");
    Require(pixels.Pixels.size() == std::size_t(pixels.Width) * std::size_t(pixels.Height),
            "pixel count disagrees");
    for (TPixel p : pixels.Pixels)
        Require((p & 0xFF000000u) == 0, "a pixel has its unused byte set");
    return 0;
}
