#include "editors/cxCanvas.h"

#include "platform/draw/DC.h"

void TcxCanvas::FillRect(const TRect& r, TColor color) {
    if (!FCanvas || r.IsEmpty())
        return;
    if (color != clcxDefault)
        FCanvas->Brush().SetColor(color);
    FCanvas->FillRect(r);
}

void TcxCanvas::FrameRect(const TRect& r, TColor color, int lineWidth, TcxBorders borders,
                          bool excludeFrame) {
    if (!FCanvas || r.IsEmpty() || lineWidth <= 0)
        return;
    if (color != clcxDefault)
        FCanvas->Brush().SetColor(color);
    auto strip = [&](const TRect& s) {
        TRect clipped = s.Intersected(r);
        FCanvas->FillRect(clipped);
        if (excludeFrame)
            ExcludeClipRect(clipped);
    };
    if (borders & BorderBit(bLeft))
        strip({r.Left, r.Top, r.Left + lineWidth, r.Bottom});
    if (borders & BorderBit(bRight))
        strip({r.Right - lineWidth, r.Top, r.Right, r.Bottom});
    if (borders & BorderBit(bTop))
        strip({r.Left, r.Top, r.Right, r.Top + lineWidth});
    if (borders & BorderBit(bBottom))
        strip({r.Left, r.Bottom - lineWidth, r.Right, r.Bottom});
}

void TcxCanvas::DrawComplexFrame(const TRect& r, TColor leftTopColor, TColor rightBottomColor,
                                 TcxBorders borders, int lineWidth) {
    if (!FCanvas || r.IsEmpty())
        return;
    if (borders & BorderBit(bLeft))
        FillRect(TRect(r.Left, r.Top, r.Left + lineWidth, r.Bottom).Intersected(r), leftTopColor);
    if (borders & BorderBit(bTop))
        FillRect(TRect(r.Left, r.Top, r.Right, r.Top + lineWidth).Intersected(r), leftTopColor);
    if (borders & BorderBit(bRight))
        FillRect(TRect(r.Right - lineWidth, r.Top, r.Right, r.Bottom).Intersected(r),
                 rightBottomColor);
    if (borders & BorderBit(bBottom))
        FillRect(TRect(r.Left, r.Bottom - lineWidth, r.Right, r.Bottom).Intersected(r),
                 rightBottomColor);
}

void TcxCanvas::DrawEdge(const TRect& r, bool sunken, bool outer, TcxBorders borders) {
    TColor leftTop, rightBottom;
    if (sunken) {
        leftTop = outer ? clBtnShadow : cl3DDkShadow;
        rightBottom = outer ? clBtnHighlight : cl3DLight;
    } else {
        leftTop = outer ? cl3DLight : clBtnHighlight;
        rightBottom = outer ? cl3DDkShadow : clBtnShadow;
    }
    DrawComplexFrame(r, leftTop, rightBottom, borders, 1);
}

int TcxCanvas::FontHeight(const TFont& font) {
    if (!FCanvas)
        return 0;
    FCanvas->Font().Assign(font);
    return FCanvas->TextHeight("Qq");
}

bool TcxCanvas::RectVisible(const TRect& r) {
    TDC* dc = Handle();
    return dc && dc->RectVisible(r);
}

void TcxCanvas::ExcludeClipRect(const TRect& r) {
    if (TDC* dc = Handle())
        dc->ExcludeClipRect(r);
}

void TcxCanvas::IntersectClipRect(const TRect& r) {
    if (TDC* dc = Handle())
        dc->IntersectClipRect(r);
}

void TcxCanvas::SaveClipRegion() {
    TDC* dc = Handle();
    if (!dc)
        return;
    FSavedClips.push_back({dc->HasClipRgn(), dc->HasClipRgn() ? dc->GetClipRegion() : TRegion()});
}

void TcxCanvas::RestoreClipRegion() {
    TDC* dc = Handle();
    if (!dc || FSavedClips.empty())
        return;
    TSavedClip saved = std::move(FSavedClips.back());
    FSavedClips.pop_back();
    dc->SelectClipRgn(saved.HasClip ? &saved.Region : nullptr);
}
