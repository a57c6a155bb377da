#pragma once

#include "platform/draw/Brush.h"
#include "platform/draw/DC.h"
#include "platform/draw/Font.h"
#include "platform/draw/Pen.h"

#include <string>
#include <string_view>
#include <vector>

class TGraphic;

// A canvas: the pen, brush and font objects over a drawing context. Every operation first hands
// the objects to the context; text is drawn transparently with a clear brush and on the brush
// colour otherwise. Handle gives the context with the objects selected, for direct calls.
class TCanvas : public TGraphicsObject {
public:
    TCanvas();
    explicit TCanvas(TDC* dc);
    ~TCanvas() override;

    TDC* Handle();
    void SetHandle(TDC* dc);
    bool HandleAllocated() const { return Dc != nullptr; }
    // The context as it is, without handing it the objects (nullptr when there is none).
    TDC* PeekHandle() const { return Dc; }

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TPoint PenPos() const { return Dc ? Dc->GetCurrentPosition() : TPoint(); }
    void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }
    // Raster operation of CopyRect (SRCCOPY by default).
    std::uint32_t CopyMode() const { return FCopyMode; }
    void SetCopyMode(std::uint32_t rop) { FCopyMode = rop; }

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int ew, int eh);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void DrawFocusRect(const TRect& r);
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor c);

    void TextOut(int x, int y, std::string_view text);
    // Text at (x, y) clipped to r; the brush fills r first unless it is clear.
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);

    TRect ClipRect();

    std::string ClassName() const override { return "TCanvas"; }

private:
    TDC* Dc = nullptr;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    std::uint32_t FCopyMode = SRCCOPY;

    // Selects the objects into the context; false without a context.
    bool Require();
};
