#include "skin/SpitDraw.h"

#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"

#include <algorithm>

namespace {
int NotNegative(int v) {
    return std::max(v, 0);
}

bool Drawable(const TSpitPiece& p) {
    return !p.Source.IsEmpty() && !p.Dest.IsEmpty();
}

bool IsCorner(int part) {
    return part == spTopLeft || part == spBottomLeft || part == spTopRight || part == spBottomRight;
}
} // namespace

std::array<TSpitPiece, SpitPartCount> SpitPieces(TSize picture, TSize target) {
    const int pw = picture.cx, ph = picture.cy;
    const int dw = target.cx, dh = target.cy;
    const int hw = pw / 2, hh = ph / 2;
    const int dhw = dw / 2, dhh = dh / 2;
    std::array<TSpitPiece, SpitPartCount> p;

    // Corners: the left ones take half the picture, the right ones one pixel less; the bottom
    // ones are one pixel lower than the top ones.
    const int leftW = NotNegative(std::min(hw, dhw));
    const int rightW = NotNegative(std::min(hw - 1, dhw - 1));
    const int topH = NotNegative(std::min(hh, dhh));
    const int bottomH = NotNegative(std::min(hh - 1, dhh - 1));
    p[spTopLeft] = {{0, 0, leftW, topH}, {0, 0, leftW, topH}};
    p[spBottomLeft] = {{0, ph - bottomH, leftW, ph}, {0, dh - bottomH, leftW, dh}};
    p[spTopRight] = {{pw - rightW, 0, pw, topH}, {dw - rightW, 0, dw, topH}};
    p[spBottomRight] = {{pw - rightW, ph - bottomH, pw, ph}, {dw - rightW, dh - bottomH, dw, dh}};
    const TRect& tl = p[spTopLeft].Dest;
    const TRect& bl = p[spBottomLeft].Dest;
    const TRect& tr = p[spTopRight].Dest;
    const TRect& br = p[spBottomRight].Dest;

    // Left edge: the rows between the corners, cut to the width of the corner above.
    TRect left{0, tl.Bottom, tl.Right, bl.Top};
    p[spLeft] = {{0, hh, std::min(hw, left.Width()), ph - hh}, left};
    // Right edge: its right part, as wide as the corner above.
    TRect right{tr.Left, tr.Bottom, tr.Right, br.Top};
    p[spRight] = {{pw - std::min(hw - 1, right.Width()), ph - hh, pw, hh + 2}, right};
    // Top edge: its top part, as high as the corners.
    TRect top{tl.Right, 0, tr.Left, tl.Bottom};
    p[spTop] = {{hw, 0, pw - hw + 1, std::min(hh, top.Height())}, top};
    p[spCentre] = {{hw, hh, pw - hw + 1, ph - hh}, {tl.Right, tl.Bottom, tr.Left, br.Top - 1}};
    // Bottom edge: one pixel further left and up than the corners around it, its bottom part.
    TRect bottom{tl.Right - 1, bl.Top - 1, br.Left, dh};
    p[spBottom] = {{hw, ph - std::min(hh, bottom.Height()), pw - hw + 1, ph}, bottom};
    return p;
}

void SpitDraw(const TBitmap& picture, TCanvas& canvas, const TRect& dest, bool transparent) {
    if (picture.Empty() || dest.IsEmpty())
        return;
    const auto pieces = SpitPieces({picture.Width(), picture.Height()}, dest.Size());
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    const TDC& src = picture.DC();
    for (int part = 0; part < SpitPartCount; ++part) {
        const TSpitPiece& p = pieces[std::size_t(part)];
        if (!Drawable(p))
            continue;
        const TRect d = p.Dest.Offset(dest.TopLeft());
        const TRect& s = p.Source;
        if (IsCorner(part) && !transparent)
            dc->BitBlt(d.Left, d.Top, d.Width(), d.Height(), &src, s.Left, s.Top, SRCCOPY);
        else
            dc->TransparentBlt(d.Left, d.Top, d.Width(), d.Height(), src, s.Left, s.Top, s.Width(),
                               s.Height(), SkinKeyColor);
    }
}
