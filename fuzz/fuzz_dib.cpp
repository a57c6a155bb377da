// Fuzzes the bitmap reader with .bmp files (input starting with "BM") and bare DIBs. Every input
// must either raise EInvalidGraphic or give a picture within the size limits whose description
// matches it and which reads back unchanged once written. Any violation aborts.
#include "platform/draw/Dib.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_dib: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool file = size >= 2 && data[0] == 'B' && data[1] == 'M';
    TDibInfo info;
    TPixelBuffer pixels;
    try {
        pixels = file ? ReadBmpFile(data, size, &info) : ReadDib(data, size, &info);
    } catch (const EInvalidGraphic& e) {
        Require(e.Message().rfind("Bitmap image is not valid: ", 0) == 0, "unexpected message");
        return 0;
    }
    Require(pixels.Width == info.Width && pixels.Height == info.Height, "size disagrees");
    Require(pixels.Width > 0 && pixels.Height > 0 && pixels.Width <= kMaxPictureSide &&
                pixels.Height <= kMaxPictureSide &&
                std::int64_t(pixels.Width) * pixels.Height <= kMaxPicturePixels,
            "a picture past the limits was read");
    Require(pixels.Pixels.size() == std::size_t(pixels.Width) * std::size_t(pixels.Height),
            "pixel count disagrees");
    Require(info.BitsPerPixel > 8 || !info.Palette.empty(), "a palette picture without palette");
    for (TPixel p : pixels.Pixels)
        Require((p & 0xFF000000u) == 0, "a pixel has its unused byte set");
    const std::vector<std::uint8_t> written = WriteDib(pixels, 32);
    Require(ReadDib(written.data(), written.size()).Pixels == pixels.Pixels,
            "a written picture reads back otherwise");
    return 0;
}
