#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/draw/Graphic.h"
#include "platform/draw/Jpeg.h"
#include "platform/draw/Resources.h"

#include <cstdint>
#include <string>
#include <vector>

// A JPEG picture, decoded when it is loaded. A corrupt, truncated or CMYK file raises EJPEG and
// leaves the image as it was.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage() = default;
    TJPEGImage(const TJPEGImage&) = default;

    int Width() const override { return Buf.Width; }
    int Height() const override { return Buf.Height; }
    const TPixelBuffer& Pixels() const { return Buf; }

    void LoadFromMemory(const std::uint8_t* data, std::size_t size);
    void LoadFromFile(const std::string& path);
    // A resource of type "JPG" (or "JPEG") of the module (nullptr: the program's own).
    void LoadFromResourceName(HINSTANCE module, const std::string& name);

    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TJPEGImage"; }

private:
    TPixelBuffer Buf;
};
