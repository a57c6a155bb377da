#include "platform/draw/JPEGImage.h"

#include "platform/draw/Canvas.h"

#include <fstream>
#include <iterator>

void TJPEGImage::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
    Buf = DecodeJpeg(data, size);
    Changed();
}

void TJPEGImage::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EJPEG("Cannot open file \"" + path + "\"");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    LoadFromMemory(bytes.data(), bytes.size());
}

void TJPEGImage::LoadFromResourceName(HINSTANCE module, const std::string& name) {
    auto r = FindResource(module, name, "JPG");
    if (!r)
        r = FindResource(module, name, "JPEG");
    if (!r)
        throw EResNotFound("Resource " + name + " not found");
    LoadFromMemory(r->data(), r->size());
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) const {
    TDC* dst = canvas.Handle();
    if (!dst || Empty() || r.IsEmpty())
        return;
    TDC src(const_cast<TPixelBuffer&>(Buf));
    dst->StretchBlt(r.Left, r.Top, r.Width(), r.Height(), &src, 0, 0, Width(), Height(), SRCCOPY);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    return std::make_unique<TJPEGImage>(*this);
}

bool TJPEGImage::Assign(const TPersistent& source) {
    const auto* j = dynamic_cast<const TJPEGImage*>(&source);
    if (!j)
        return false;
    Buf = j->Buf;
    Changed();
    return true;
}
