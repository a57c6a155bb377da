// Fuzzes the icon reader with .ico files, asking for the image nearest to 16, 32 or 48 pixels
// (the first byte past the file chooses). Every input must either raise EInvalidGraphic, leaving
// the icon as it was, or give an image of at most 256 x 256 pixels with a mask for every pixel.
// Any violation aborts.
#include "platform/draw/Dib.h"
#include "platform/draw/Icon.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_ico: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int kSizes[] = {16, 32, 48};
    const int wanted = kSizes[size > 0 ? data[size - 1] % 3 : 0];
    TIcon icon;
    try {
        icon.LoadFromIcoData(data, size, wanted);
    } catch (const EInvalidGraphic&) {
        Require(icon.Empty() && icon.Width() == 0, "a refused icon changed the image");
        return 0;
    }
    Require(icon.Width() > 0 && icon.Height() > 0 && icon.Width() <= 256 && icon.Height() <= 256,
            "an image past the limits was read");
    Require(icon.Pixels().Pixels.size() == std::size_t(icon.Width()) * std::size_t(icon.Height()),
            "pixel count disagrees");
    int opaque = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x)
            opaque += icon.Opaque(x, y) ? 1 : 0;
    Require(!icon.Opaque(-1, 0) && !icon.Opaque(icon.Width(), 0), "a pixel outside is opaque");
    const auto copy = icon.Clone();
    const auto* copied = dynamic_cast<const TIcon*>(copy.get());
    Require(copied != nullptr && copied->Pixels().Pixels == icon.Pixels().Pixels, "a copy differs");
    int copiedOpaque = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x)
            copiedOpaque += copied->Opaque(x, y) ? 1 : 0;
    Require(copiedOpaque == opaque, "a copy's mask differs");
    return 0;
}
