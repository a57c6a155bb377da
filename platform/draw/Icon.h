#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/draw/Graphic.h"
#include "platform/draw/Resources.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The resource type of icons: the bytes of an .ico file.
inline constexpr std::string_view RT_ICON_FILE = "ICO";

// One image of an icon: its colours and the mask of the pixels it leaves out. Drawing copies only
// the pixels the mask keeps (stretched into the rectangle by nearest pixel).
class TIcon : public TGraphic {
public:
    TIcon() = default;

    int Width() const override { return FPixels.Width; }
    int Height() const override { return FPixels.Height; }
    // Whether the pixel is drawn (false outside the icon).
    bool Opaque(int x, int y) const;
    const TPixelBuffer& Pixels() const { return FPixels; }

    // Reads the image of an .ico resource (type "ICO") of the module (nullptr: the program's
    // own) whose size is closest to size x size. Raises EResNotFound when the name is missing and
    // EInvalidGraphic when the data is no icon; the icon keeps its old image then.
    void LoadFromResourceName(HINSTANCE module, const std::string& name, int size = 16);
    // The same from the bytes of an .ico file. Images of 1, 4, 8, 24 and 32 bits per pixel (the
    // last with alpha: a pixel more transparent than half is left out too).
    void LoadFromIcoData(const std::uint8_t* data, std::size_t size, int wantedSize = 16);

    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TIcon"; }

private:
    TPixelBuffer FPixels;
    std::vector<bool> FMask; // true: left out
};
