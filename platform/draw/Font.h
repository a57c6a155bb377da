#pragma once

#include "platform/core/Color.h"
#include "platform/draw/DrawTypes.h"
#include "platform/draw/GraphicsObject.h"

#include <string>

// Font styles (a set of bits).
using TFontStyles = unsigned;
enum : unsigned {
    fsBold = 0x1,
    fsItalic = 0x2,
    fsUnderline = 0x4,
    fsStrikeOut = 0x8,
};

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// A canvas font: face name (GBK), height in pixels (negative = character height, positive = cell
// height), size in points at 96 pixels per inch, colour, styles, character set, pitch and
// orientation (escapement in tenths of a degree).
class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    TFont() = default;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { SetField(FName, name); }
    int Height() const { return FHeight; }
    void SetHeight(int height) { SetField(FHeight, height); }
    // Points: Size = -Height * 72 / 96 (rounded); a positive size sets a negative height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor c) { SetField(FColor, c); }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles s) { SetField(FStyle, s); }
    std::uint8_t Charset() const { return FCharset; }
    void SetCharset(std::uint8_t c) { SetField(FCharset, c); }
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch p) { SetField(FPitch, p); }
    int Orientation() const { return FOrientation; }
    void SetOrientation(int tenths) { SetField(FOrientation, tenths); }

    // The request handed to a drawing context.
    TLogFont ToLogFont() const;

    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TFont"; }

private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    std::uint8_t FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    int FOrientation = 0;
};
