#include "platform/draw/Bitmap.h"

#include "platform/draw/JPEGImage.h"
#include "platform/draw/OemBitmaps.h"

#include <fstream>
#include <iterator>
#include <unordered_map>
#include <vector>

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : TGraphic(other), Buf(other.Buf), Format(other.Format),
      FTransparentColor(other.FTransparentColor), Mode(other.Mode) {}

TBitmap::~TBitmap() = default;

TDC& TBitmap::DC() const {
    if (!Dc) {
        Dc = std::make_unique<TDC>(const_cast<TPixelBuffer&>(Buf));
        Dc->SetMonochrome(Format == pf1bit);
    }
    return *Dc;
}

void TBitmap::PixelsReplaced() {
    Dc.reset();
    if (FCanvas)
        FCanvas->SetHandle(&DC());
    Changed();
}

void TBitmap::SetSize(int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    if (w == Buf.Width && h == Buf.Height)
        return;
    TPixelBuffer next(w, h, 0xFFFFFF);
    for (int y = 0; y < std::min(h, Buf.Height); ++y)
        std::copy(Buf.Row(y), Buf.Row(y) + std::min(w, Buf.Width), next.Row(y));
    Buf = std::move(next);
    PixelsReplaced();
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
    if (f == Format)
        return;
    Format = f;
    if (f == pf1bit)
        for (TPixel& p : Buf.Pixels) {
            int lum = int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF);
            p = lum >= 3 * 128 ? 0xFFFFFF : 0;
        }
    PixelsReplaced();
}

void TBitmap::SetMonochrome(bool mono) {
    if (mono)
        SetPixelFormat(pf1bit);
    else if (Format == pf1bit)
        SetPixelFormat(pfDevice);
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(&DC());
    return *FCanvas;
}

TColor TBitmap::TransparentColor() const {
    if (Mode == tmFixed && FTransparentColor != clDefault)
        return FTransparentColor;
    if (Buf.Width <= 0 || Buf.Height <= 0)
        return clDefault;
    return PixelToRGB(Buf.At(0, Buf.Height - 1) & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor c) {
    FTransparentColor = c;
    Mode = c == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetPixels(TPixelBuffer pixels, TPixelFormat format) {
    Buf = std::move(pixels);
    for (TPixel& p : Buf.Pixels)
        p &= 0xFFFFFF;
    Format = format;
    PixelsReplaced();
}

namespace {
TPixelFormat FormatOf(const TDibInfo& info) {
    static constexpr TPixelFormat formats[] = {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit};
    int k = info.BitsPerPixel == 1    ? 0
            : info.BitsPerPixel == 4  ? 1
            : info.BitsPerPixel == 8  ? 2
            : info.BitsPerPixel == 24 ? 3
                                      : 4;
    return formats[k];
}
} // namespace

void TBitmap::LoadFromDib(const std::uint8_t* data, std::size_t size) {
    TDibInfo info;
    TPixelBuffer px = ReadDib(data, size, &info);
    SetPixels(std::move(px), FormatOf(info));
}

void TBitmap::LoadFromBmpData(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 14 || data[0] != 'B' || data[1] != 'M')
        throw EInvalidGraphic("Bitmap image is not valid: not a bitmap file");
    LoadFromDib(data + 14, size - 14);
}

void TBitmap::LoadFromResourceName(HINSTANCE module, const std::string& name) {
    // Pictures compiled into the program never change, and the skin loads the same ones over
    // and over (each title-bar button its theme's pictures at every change of style): each is
    // decoded once and copied afterwards.
    struct TDecoded {
        TPixelBuffer Pixels;
        TPixelFormat Format;
    };
    static std::unordered_map<const std::uint8_t*, TDecoded> decoded;
    auto bytes = LoadResourceData(module, name, RT_BITMAP);
    auto it = decoded.find(bytes.data());
    if (it == decoded.end()) {
        TDibInfo info;
        TPixelBuffer px = ReadDib(bytes.data(), bytes.size(), &info);
        it = decoded.emplace(bytes.data(), TDecoded{std::move(px), FormatOf(info)}).first;
    }
    SetPixels(it->second.Pixels, it->second.Format);
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EInvalidGraphic("Cannot open file \"" + path + "\"");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    LoadFromBmpData(bytes.data(), bytes.size());
}

bool TBitmap::LoadOEM(int id) {
    auto px = LoadOemBitmap(id);
    if (!px)
        return false;
    SetPixels(std::move(*px), pfDevice);
    return true;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const {
    TDC* dst = canvas.Handle();
    if (!dst || Empty() || r.IsEmpty())
        return;
    if (Transparent())
        dst->TransparentBlt(r.Left, r.Top, r.Width(), r.Height(), DC(), 0, 0, Width(), Height(),
                            TransparentColor());
    else
        dst->StretchBlt(r.Left, r.Top, r.Width(), r.Height(), &DC(), 0, 0, Width(), Height(),
                        canvas.CopyMode());
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    return std::make_unique<TBitmap>(*this);
}

bool TBitmap::Assign(const TPersistent& source) {
    if (&source == this)
        return true;
    if (const auto* b = dynamic_cast<const TBitmap*>(&source)) {
        FTransparentColor = b->FTransparentColor;
        Mode = b->Mode;
        SetTransparent(b->Transparent());
        SetPixels(b->Buf, b->Format);
        return true;
    }
    if (const auto* j = dynamic_cast<const TJPEGImage*>(&source)) {
        SetPixels(j->Pixels(), pf24bit);
        return true;
    }
    return false;
}
