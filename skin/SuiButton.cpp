#include "skin/SuiButton.h"

#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"
#include "skin/SkinContainer.h"
#include "skin/ThemeElements.h"

#include <algorithm>

namespace {
// Theme elements holding the names of the three button pictures.
constexpr int ElementButtonNormal = 24;
constexpr int ElementButtonMouseOn = 25;
constexpr int ElementButtonMouseDown = 26;

// The focus line of the MacOS and BlueGlass buttons.
constexpr TColor FocusLineColor = 0xFF0000;
constexpr int FocusLineInset = 10;
constexpr int FocusLineFromBottom = 5;
} // namespace

TsuiButton::TsuiButton(TComponent* owner) : TsuiCustomButton(owner) {
    SetHeight(27);
    SetWidth(80);
    SetTabStop(true);
    FSpacing = 4;
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiButton::~TsuiButton() = default;

// --- Theme -----------------------------------------------------------------------------------

void TsuiButton::SetButtonPic(TsuiUIStyle style) {
    if (style == Custom)
        return;
    FResHandle = nullptr;
    StorePictureNames(GetThemeString(style, ElementButtonNormal),
                      GetThemeString(style, ElementButtonMouseOn),
                      GetThemeString(style, ElementButtonMouseDown));
}

void TsuiButton::UIStyleChanged() {
    if (UIStyle() == MacOS)
        SetHeight(MacOSHeight);
    SetTransparent(UIStyle() == BlueGlass);
}

bool TsuiButton::CanResize(int& newWidth, int& newHeight) {
    if (UIStyle() == MacOS && newHeight != MacOSHeight)
        return false;
    return TsuiCustomButton::CanResize(newWidth, newHeight);
}

void TsuiButton::SetBounds(int left, int top, int width, int height) {
    int w = std::max(width, 0);
    int h = std::max(height, 0);
    if ((w != Width() || h != Height()) && !CanResize(w, h))
        return;
    TsuiCustomButton::SetBounds(left, top, width, height);
}

// Writing a picture name takes the button out of its theme; reading one gives a name only for
// Custom, so that theme pictures are never stored in layouts.
void TsuiButton::SetPicNormal(const std::string& name) {
    SetUIStyle(Custom);
    TsuiCustomButton::SetPicNormal(name);
    AutoSizeChanged();
}

void TsuiButton::SetPicMouseOn(const std::string& name) {
    SetUIStyle(Custom);
    TsuiCustomButton::SetPicMouseOn(name);
}

void TsuiButton::SetPicMouseDown(const std::string& name) {
    SetUIStyle(Custom);
    TsuiCustomButton::SetPicMouseDown(name);
}

std::string TsuiButton::GetPicNormal() const {
    return UIStyle() == Custom ? TsuiCustomButton::GetPicNormal() : std::string();
}

std::string TsuiButton::GetPicMouseOn() const {
    return UIStyle() == Custom ? TsuiCustomButton::GetPicMouseOn() : std::string();
}

std::string TsuiButton::GetPicMouseDown() const {
    return UIStyle() == Custom ? TsuiCustomButton::GetPicMouseDown() : std::string();
}

// --- Glyph -----------------------------------------------------------------------------------

void TsuiButton::SetGlyph(const TBitmap* glyph) {
    if (glyph)
        FGlyph.Assign(*glyph);
    else
        FGlyph.SetSize(0, 0);
    FGlyphResource.clear();
    Invalidate();
}

void TsuiButton::LoadGlyphResource(const std::string& name) {
    if (name.empty()) {
        SetGlyph(nullptr);
        return;
    }
    TBitmap glyph;
    glyph.LoadFromResourceName(nullptr, name);
    SetGlyph(&glyph);
    FGlyphResource = name;
}

void TsuiButton::SetLayout(TButtonLayout layout) {
    if (FLayout == layout)
        return;
    FLayout = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int spacing) {
    if (FSpacing == spacing)
        return;
    FSpacing = spacing;
    Invalidate();
}

TPoint TsuiButton::GlyphLayout(TButtonLayout layout, TSize button, TSize text, TSize glyph,
                               int spacing, TPoint& captionPos) {
    const int W = button.cx, H = button.cy;
    const int tw = text.cx, th = text.cy;
    const int gw = glyph.cx, gh = glyph.cy;
    TPoint g;
    switch (layout) {
    case blGlyphLeft:
        g = {(W - (tw + gw + spacing)) / 2, (H - gh) / 2};
        captionPos = {g.X + gw + spacing, (H - th) / 2};
        break;
    case blGlyphRight:
        g = {(W + tw + spacing - gw) / 2, (H - gh) / 2};
        captionPos = {g.X - tw - spacing, (H - th) / 2};
        break;
    case blGlyphTop:
        g = {(W - gw) / 2, (H - (th + gh + spacing)) / 2};
        captionPos = {(W - tw) / 2, g.Y + gh + spacing};
        break;
    case blGlyphBottom:
        g = {(W - gw) / 2, (H + th + spacing - gh) / 2};
        captionPos = {(W - tw) / 2, g.Y - th - spacing};
        break;
    }
    return g;
}

// --- Painting --------------------------------------------------------------------------------

void TsuiButton::PaintPic(TCanvas& canvas, TBitmap& picture) {
    TsuiCustomButton::PaintPic(canvas, picture);
    PaintGlyph(canvas);
}

void TsuiButton::PaintGlyph(TCanvas& canvas) {
    if (FGlyph.Empty())
        return;
    int gw = FGlyph.Width();
    const int gh = FGlyph.Height();
    // Twice as wide as high: a normal and a disabled image side by side.
    const bool twoImages = gw == 2 * gh;
    if (twoImages)
        gw = gh;
    canvas.Font().Assign(Font());
    const TSize text = canvas.TextExtent(Caption());
    TPoint at = GlyphLayout(FLayout, ClientRect().Size(), text, {gw, gh}, FSpacing, FCaptionPos);
    if (FMouseDown)
        at += TPoint(1, 1);

    TImageList list(gw, gh, true);
    list.AddMasked(FGlyph, PixelToRGB(FGlyph.Pixels().At(0, 0)));
    if (twoImages)
        list.Draw(canvas, at.X, at.Y, Enabled() ? 0 : 1);
    else
        list.Draw(canvas, at.X, at.Y, 0, Enabled());
}

void TsuiButton::PaintText(TCanvas& canvas, const std::string& text) {
    if (FGlyph.Empty()) {
        TsuiCustomButton::PaintText(canvas, text);
        return;
    }
    // Beside the glyph: one line from the caption position, not centred.
    const TRect client = ClientRect();
    TPoint at = FCaptionPos;
    if (FMouseDown)
        at += TPoint(1, 1);
    const unsigned format = DT_SINGLELINE;
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        canvas.Font().SetColor(clWhite);
        TRect shadow{at.X + 1, at.Y + 1, client.Right, client.Bottom};
        canvas.Handle()->DrawText(text, shadow, format);
        canvas.Font().SetColor(DisabledCaptionColor);
    }
    TRect r{at.X, at.Y, client.Right, client.Bottom};
    canvas.Handle()->DrawText(text, r, format);
}

void TsuiButton::PaintFocus(TCanvas& canvas) {
    if (UIStyle() != MacOS && UIStyle() != BlueGlass) {
        TsuiCustomButton::PaintFocus(canvas);
        return;
    }
    const TRect client = ClientRect();
    const int y = client.Bottom - FocusLineFromBottom;
    canvas.Pen().SetColor(FocusLineColor);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.MoveTo(FocusLineInset, y);
    canvas.LineTo(client.Right - FocusLineInset, y);
}
