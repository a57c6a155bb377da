#include "platform/draw/Icon.h"

#include "platform/draw/Canvas.h"
#include "platform/draw/Dib.h"

#include <cstdlib>
#include <cstring>

namespace {
std::uint32_t U16(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | (U16(p + 2) << 16);
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

[[noreturn]] void Invalid(const std::string& why) {
    throw EInvalidGraphic("Invalid icon: " + why);
}

struct TEntry {
    int Width;
    int Height;
    std::uint32_t Size;
    std::uint32_t Offset;
};

std::vector<TEntry> ReadDirectory(const std::uint8_t* data, std::size_t size) {
    if (size < 6 || U16(data) != 0 || U16(data + 2) != 1)
        Invalid("no icon header");
    std::size_t count = U16(data + 4);
    if (count == 0 || size < 6 + 16 * count)
        Invalid("the directory is missing or cut short");
    std::vector<TEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data + 6 + 16 * i;
        TEntry entry{e[0] ? e[0] : 256, e[1] ? e[1] : 256, U32(e + 8), U32(e + 12)};
        if (entry.Offset > size || entry.Size > size - entry.Offset)
            Invalid("an image lies outside the data");
        entries.push_back(entry);
    }
    return entries;
}
} // namespace

bool TIcon::Opaque(int x, int y) const {
    if (!FPixels.Valid(x, y))
        return false;
    return !FMask[std::size_t(y) * std::size_t(FPixels.Width) + std::size_t(x)];
}

void TIcon::LoadFromResourceName(HINSTANCE module, const std::string& name, int size) {
    auto bytes = LoadResourceData(module, name, RT_ICON_FILE);
    LoadFromIcoData(bytes.data(), bytes.size(), size);
}

void TIcon::LoadFromIcoData(const std::uint8_t* data, std::size_t size, int wantedSize) {
    std::vector<TEntry> entries = ReadDirectory(data, size);
    const TEntry* best = &entries[0];
    for (const TEntry& e : entries)
        if (std::abs(e.Width - wantedSize) < std::abs(best->Width - wantedSize))
            best = &e;

    // The image is a DIB whose height counts the colour rows and the mask rows; the colour part
    // is read as a DIB of the icon's own height.
    const std::uint8_t* dib = data + best->Offset;
    std::size_t dibSize = best->Size;
    if (dibSize < 40)
        Invalid("the image header is cut short");
    std::uint32_t headerSize = U32(dib);
    int width = int(std::int32_t(U32(dib + 4)));
    int doubleHeight = int(std::int32_t(U32(dib + 8)));
    int bits = int(U16(dib + 14));
    if (headerSize < 40 || headerSize > dibSize || width <= 0 || width > 256 || doubleHeight <= 0 ||
        doubleHeight % 2 != 0 || doubleHeight / 2 > 256)
        Invalid("unusable image size");
    int height = doubleHeight / 2;
    std::vector<std::uint8_t> colourPart(dib, dib + dibSize);
    PutU32(colourPart.data() + 8, std::uint32_t(height));
    TDibInfo info;
    TPixelBuffer pixels = ReadDib(colourPart.data(), colourPart.size(), &info);

    std::size_t paletteBytes = bits <= 8 ? info.Palette.size() * 4 : 0;
    std::size_t colourRow = ((std::size_t(width) * std::size_t(bits) + 31) / 32) * 4;
    std::size_t maskRow = ((std::size_t(width) + 31) / 32) * 4;
    std::size_t maskStart = headerSize + paletteBytes + colourRow * std::size_t(height);
    std::vector<bool> mask(std::size_t(width) * std::size_t(height), false);
    bool hasMask = dibSize >= maskStart + maskRow * std::size_t(height);
    // A 32-bit image whose alpha is used at all leaves out its transparent pixels as well.
    bool useAlpha = false;
    if (bits == 32)
        for (int y = 0; y < height && !useAlpha; ++y)
            for (int x = 0; x < width && !useAlpha; ++x)
                useAlpha =
                    dib[headerSize + colourRow * std::size_t(y) + 4 * std::size_t(x) + 3] != 0;
    if (!hasMask && !useAlpha)
        Invalid("the mask is missing");
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row =
            hasMask ? dib + maskStart + maskRow * std::size_t(height - 1 - y) : nullptr;
        const std::uint8_t* colours =
            dib + headerSize + paletteBytes + colourRow * std::size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            bool out = row && (row[x / 8] & (0x80 >> (x % 8)));
            if (useAlpha && colours[4 * x + 3] < 128)
                out = true;
            mask[std::size_t(y) * std::size_t(width) + std::size_t(x)] = out;
        }
    }
    FPixels = std::move(pixels);
    FMask = std::move(mask);
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& r) const {
    if (Empty() || r.Width() <= 0 || r.Height() <= 0)
        return;
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    for (int y = 0; y < r.Height(); ++y) {
        int sy = y * Height() / r.Height();
        for (int x = 0; x < r.Width(); ++x) {
            int sx = x * Width() / r.Width();
            if (Opaque(sx, sy)) {
                TPixel p = FPixels.At(sx, sy);
                dc->SetPixel({r.Left + x, r.Top + y},
                             RGB(std::uint8_t((p >> 16) & 0xFF), std::uint8_t((p >> 8) & 0xFF),
                                 std::uint8_t(p & 0xFF)));
            }
        }
    }
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
    auto copy = std::make_unique<TIcon>();
    copy->FPixels = FPixels;
    copy->FMask = FMask;
    return copy;
}

bool TIcon::Assign(const TPersistent& source) {
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    if (!icon)
        return false;
    FPixels = icon->FPixels;
    FMask = icon->FMask;
    Changed();
    return true;
}
