#include "editors/ContainerViewInfo.h"

namespace {
constexpr int ShadowDepth = 3;
} // namespace

bool TcxContainerViewInfo::SameLook(const TcxContainerViewInfo& o) const {
    return BackgroundColor == o.BackgroundColor && Bounds == o.Bounds && InnerRect == o.InnerRect &&
           ClientRect == o.ClientRect && BorderColor == o.BorderColor &&
           BorderStyle == o.BorderStyle && BorderWidth == o.BorderWidth &&
           ContainerState == o.ContainerState && HotState == o.HotState && Edges == o.Edges &&
           Shadow == o.Shadow && NativeStyle == o.NativeStyle &&
           HasSkinPainter == o.HasSkinPainter && NativePart == o.NativePart &&
           NativeState == o.NativeState;
}

void TcxContainerViewInfo::Offset(int dx, int dy) {
    Bounds = Bounds.Offset(dx, dy);
    InnerRect = InnerRect.Offset(dx, dy);
    ClientRect = ClientRect.Offset(dx, dy);
}

void TcxContainerViewInfo::DrawShadow(TcxCanvas& canvas, const TRect& r) {
    TRect below(r.Left + ShadowDepth, r.Bottom, r.Right + ShadowDepth, r.Bottom + ShadowDepth);
    canvas.FillRect(below, clBtnShadow);
    canvas.ExcludeClipRect(below);
    TRect right(r.Right, r.Top + ShadowDepth, r.Right + ShadowDepth, r.Bottom);
    canvas.FillRect(right, clBtnShadow);
    canvas.ExcludeClipRect(right);
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas& canvas, const TRect& r) {
    if (HasSkinPainter || BorderStyle == cbsSingle || BorderStyle == cbsThick) {
        canvas.FrameRect(r, BorderColor, BorderWidth);
        return;
    }
    switch (BorderStyle) {
    case cbsFlat:
        canvas.DrawEdge(r, true, true, Edges);
        canvas.FrameRect(r.Inflated(-1, -1), clBtnFace);
        break;
    case cbs3D:
        canvas.DrawEdge(r, true, true, Edges);
        canvas.DrawComplexFrame(r.Inflated(-1, -1), cl3DDkShadow, cl3DLight, Edges);
        break;
    default:
        break;
    }
}

void TcxContainerViewInfo::InternalPaint(TcxCanvas& canvas) {
    if (NativeStyle) {
        // No visual-style theme is ever available here; the native look falls back to a plain
        // fill of the control.
        canvas.FillRect(Bounds, BackgroundColor);
        return;
    }
    TRect frame = InnerRect;
    frame.Left -= BorderWidth;
    frame.Top -= BorderWidth;
    if (Edges & BorderBit(bRight))
        frame.Right += BorderWidth;
    if (Edges & BorderBit(bBottom))
        frame.Bottom += BorderWidth;
    if (Shadow)
        DrawShadow(canvas, frame);
    if (!(Edges & BorderBit(bRight)))
        frame.Right += BorderWidth;
    if (!(Edges & BorderBit(bBottom)))
        frame.Bottom += BorderWidth;
    DrawBorder(canvas, frame);
    canvas.FillRect(InnerRect, BackgroundColor);
}
