#pragma once

#include "platform/control/ControlTypes.h"
#include "platform/draw/Bitmap.h"
#include "skin/SuiCustomButton.h"

#include <string>

// The skinned push button of the windows: the pictures of its theme stretched by nine pieces,
// an optional glyph beside the caption, and a blue line as focus mark in the MacOS and BlueGlass
// themes.
//
// The theme supplies the picture names: writing one of the PicXxxResName properties turns the
// theme to Custom first, and reading them gives the empty string unless the theme is Custom. A
// MacOS button is always 23 pixels high; a BlueGlass button is transparent.
class TsuiButton : public TsuiCustomButton {
public:
    explicit TsuiButton(TComponent* owner);
    ~TsuiButton() override;

    std::string ClassName() const override { return "TsuiButton"; }

    // The height of every MacOS button.
    static constexpr int MacOSHeight = 23;

    // The glyph; when it is twice as wide as high it holds a normal and a disabled image side by
    // side. SetGlyph copies (nullptr clears it).
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap* glyph);
    // The glyph read from a bitmap resource of the program (the empty name clears it); raises
    // EResNotFound when there is no such picture. GlyphResource is the name it was read from,
    // empty once another glyph is set.
    void LoadGlyphResource(const std::string& name);
    const std::string& GlyphResource() const { return FGlyphResource; }

    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    // Pixels between glyph and caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);

    // A MacOS button refuses a new height other than 23 and keeps its bounds, position included.
    void SetBounds(int left, int top, int width, int height) override;

    // Where the caption went at the last paint with a glyph.
    TPoint CaptionPos() const { return FCaptionPos; }
    // Where glyph and caption go in a button of the given size, for a caption of textSize and a
    // glyph (one image) of glyphSize; answers the glyph's top-left corner.
    static TPoint GlyphLayout(TButtonLayout layout, TSize button, TSize textSize, TSize glyphSize,
                              int spacing, TPoint& captionPos);

protected:
    void UIStyleChanged() override;
    bool CanResize(int& newWidth, int& newHeight) override;
    void SetPicMouseDown(const std::string& name) override;
    void SetPicMouseOn(const std::string& name) override;
    void SetPicNormal(const std::string& name) override;
    std::string GetPicMouseDown() const override;
    std::string GetPicMouseOn() const override;
    std::string GetPicNormal() const override;
    void PaintPic(TCanvas& canvas, TBitmap& picture) override;
    void PaintText(TCanvas& canvas, const std::string& text) override;
    void PaintFocus(TCanvas& canvas) override;
    void SetButtonPic(TsuiUIStyle style) override;

private:
    void PaintGlyph(TCanvas& canvas);

    TBitmap FGlyph;
    std::string FGlyphResource;
    TButtonLayout FLayout = blGlyphLeft;
    TPoint FCaptionPos;
    int FSpacing = 4;
};
