#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DC.h"
#include "platform/draw/Dib.h"
#include "platform/draw/Graphic.h"
#include "platform/draw/Resources.h"

#include <memory>
#include <string>

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// A bitmap with a canvas. Pixels are always held as 32-bit 0x00RRGGBB values; the pixel format
// records what the picture was made of or asked for, and a 1-bit (monochrome) bitmap holds only
// black and white and copies to and from colour canvases through their text and background
// colours (the masks of masked drawing). Drawing it transparently leaves out the transparent
// colour: in tmAuto mode the bottom-left pixel's colour.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    ~TBitmap() override;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override { return Buf.Width; }
    int Height() const override { return Buf.Height; }
    // Resizing keeps the pixels that remain and fills new ones white.
    void SetWidth(int w) { SetSize(w, Buf.Height); }
    void SetHeight(int h) { SetSize(Buf.Width, h); }
    void SetSize(int w, int h);

    TPixelFormat PixelFormat() const { return Format; }
    void SetPixelFormat(TPixelFormat f);
    bool Monochrome() const { return Format == pf1bit; }
    void SetMonochrome(bool mono);

    TCanvas& Canvas();
    TPixelBuffer& Pixels() { return Buf; }
    const TPixelBuffer& Pixels() const { return Buf; }
    // The context over the pixels (the canvas's handle without selecting the canvas objects).
    TDC& DC() const;

    TColor TransparentColor() const;
    void SetTransparentColor(TColor c);
    TTransparentMode TransparentMode() const { return Mode; }
    void SetTransparentMode(TTransparentMode m) { SetField(Mode, m); }

    // Reads the bitmap resource of the module (nullptr: the program's module); raises
    // EResNotFound when it is missing and EInvalidGraphic when it is malformed.
    void LoadFromResourceName(HINSTANCE module, const std::string& name);
    // A DIB in resource form, or a .bmp file (with its file header).
    void LoadFromDib(const std::uint8_t* data, std::size_t size);
    void LoadFromBmpData(const std::uint8_t* data, std::size_t size);
    void LoadFromFile(const std::string& path);
    // The platform's predefined bitmaps (OBM_CHECKBOXES); false for an unknown id.
    bool LoadOEM(int id);
    // Takes over the pixels (32-bit format).
    void SetPixels(TPixelBuffer pixels, TPixelFormat format = pf32bit);

    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TBitmap"; }

private:
    TPixelBuffer Buf;
    TPixelFormat Format = pfDevice;
    TColor FTransparentColor = clDefault;
    TTransparentMode Mode = tmAuto;
    mutable std::unique_ptr<TDC> Dc;
    std::unique_ptr<TCanvas> FCanvas;

    void PixelsReplaced();
};
