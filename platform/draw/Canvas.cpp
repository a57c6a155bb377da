#include "platform/draw/Canvas.h"

#include "platform/draw/Graphic.h"

TCanvas::TCanvas() = default;

TCanvas::TCanvas(TDC* dc) : Dc(dc) {}

TCanvas::~TCanvas() = default;

TDC* TCanvas::Handle() {
    Require();
    return Dc;
}

void TCanvas::SetHandle(TDC* dc) {
    Dc = dc;
}

bool TCanvas::Require() {
    if (!Dc)
        return false;
    Dc->SelectPen(FPen.ToLogPen());
    Dc->SetROP2(FPen.Rop2());
    TLogBrush b = FBrush.ToLogBrush();
    Dc->SelectBrush(b);
    Dc->SelectFont(FFont.ToLogFont());
    Dc->SetTextColor(FFont.Color());
    if (b.Style == BS_NULL) {
        Dc->SetBkMode(TRANSPARENT);
    } else {
        Dc->SetBkMode(OPAQUE);
        Dc->SetBkColor(FBrush.Color());
    }
    return true;
}

void TCanvas::FillRect(const TRect& r) {
    if (Require())
        Dc->FillRect(r, FBrush.ToLogBrush());
}

void TCanvas::FrameRect(const TRect& r) {
    if (Require())
        Dc->FrameRect(r, FBrush.ToLogBrush());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (Require())
        Dc->Rectangle(left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ew, int eh) {
    if (Require())
        Dc->RoundRect(left, top, right, bottom, ew, eh);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (Require())
        Dc->Ellipse(left, top, right, bottom);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (Require())
        Dc->Polygon(points.data(), int(points.size()));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (Require())
        Dc->Polyline(points.data(), int(points.size()));
}

void TCanvas::MoveTo(int x, int y) {
    if (Dc)
        Dc->MoveToEx(x, y);
}

void TCanvas::LineTo(int x, int y) {
    if (Require())
        Dc->LineTo(x, y);
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (Require())
        Dc->DrawFocusRect(r);
}

TColor TCanvas::Pixel(int x, int y) {
    return Dc ? Dc->GetPixel({x, y}) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    if (Dc)
        Dc->SetPixel({x, y}, c);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (!Require())
        return;
    Dc->TextOut(x, y, text);
    TSize s = Dc->GetTextExtentPoint32(text);
    Dc->MoveToEx(x + s.cx, y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    if (!Require())
        return;
    unsigned options = ETO_CLIPPED;
    if (FBrush.Style() != bsClear)
        options |= ETO_OPAQUE;
    Dc->ExtTextOut(x, y, options, &r, text);
}

TSize TCanvas::TextExtent(std::string_view text) {
    if (!Require())
        return {};
    return Dc->GetTextExtentPoint32(text);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (!graphic.Empty() && Require())
        graphic.Draw(*this, TRect::FromXYWH(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
    if (!graphic.Empty() && Require())
        graphic.Draw(*this, r);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
    if (!Require() || !source.Dc)
        return;
    Dc->StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source.Dc, src.Left, src.Top,
                   src.Width(), src.Height(), FCopyMode);
}

TRect TCanvas::ClipRect() {
    return Dc ? Dc->GetClipBox() : TRect();
}
