#include "platform/draw/DCInternal.h"

#include <algorithm>
#include <cstring>
#include <utility>

// ---- bit-block copies -----------------------------------------------------------------------

namespace {

TPixel Rop3(unsigned code, TPixel p, TPixel s, TPixel d) {
    switch (code) {
    case 0xCC:
        return s;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x66:
        return s ^ d;
    case 0xF0:
        return p;
    default:
        break;
    }
    TPixel res = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!((code >> i) & 1))
            continue;
        TPixel t = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        res |= t;
    }
    return res & 0xFFFFFF;
}

bool UsesSource(unsigned code) {
    return ((code >> 2) & 0x33) != (code & 0x33);
}

bool UsesPattern(unsigned code) {
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}

} // namespace

void TDC::CopyBlock(const TRect& dst, const TDC* src, int sx, int sy, int sw, int sh,
                    std::uint32_t rop, bool transparent, TColor key) {
    const unsigned code = (rop >> 16) & 0xFF;
    TRect d = ToDevice(dst);
    if (d.IsEmpty())
        return;
    const bool needSrc = UsesSource(code) || transparent;
    if (needSrc && (!src || sw <= 0 || sh <= 0))
        return;
    TPoint s0 = needSrc ? src->ToDevice(TPoint(sx, sy)) : TPoint();
    const bool stretch = needSrc && (sw != d.Width() || sh != d.Height());
    const TPixelBuffer* sb = needSrc ? src->Buffer : nullptr;
    // A copy within one buffer (scrolling) reads from a snapshot of the source area.
    TPixelBuffer snapshot;
    if (sb == Buffer) {
        const TRect area = TRect::FromXYWH(s0.X, s0.Y, sw, sh).Intersected(Buffer->BoundsRect());
        snapshot.Resize(area.Width(), area.Height());
        for (int y = 0; y < area.Height(); ++y)
            std::copy(Buffer->Row(area.Top + y) + area.Left, Buffer->Row(area.Top + y) + area.Right,
                      snapshot.Row(y));
        s0 -= area.TopLeft();
        sb = &snapshot;
    }
    const bool monoToColor = needSrc && src->Mono && !Mono;
    const bool colorToMono = needSrc && !src->Mono && Mono;
    const TPixel fg = DevicePixel(State.TextColor);
    const TPixel bg = DevicePixel(State.BkColor);
    const TPixel srcBk = needSrc ? (ColorToPixel(src->State.BkColor) & 0xFFFFFF) : 0;
    const TPixel keyPx = ColorToPixel(key) & 0xFFFFFF;
    TPaint pat = BrushPaint(State.Brush);
    const bool needPat = UsesPattern(code);

    // Source column of every visible destination column.
    const TRect vis = d.Intersected(EffectiveClip().GetBounds());
    if (vis.IsEmpty())
        return;
    std::vector<int> mapX(std::size_t(vis.Width()));
    for (int x = vis.Left; x < vis.Right; ++x) {
        const int rx = x - d.Left;
        mapX[std::size_t(x - vis.Left)] = s0.X + (stretch ? int(1LL * rx * sw / d.Width()) : rx);
    }

    for (const TRect& c : EffectiveClip().GetRects()) {
        TRect part = c.Intersected(d);
        if (part.IsEmpty())
            continue;
        for (int y = part.Top; y < part.Bottom; ++y) {
            const int ry = y - d.Top;
            const int syy = needSrc ? s0.Y + (stretch ? int(1LL * ry * sh / d.Height()) : ry) : 0;
            if (needSrc && (syy < 0 || syy >= sb->Height))
                continue;
            TPixel* drow = Buffer->Row(y);
            const TPixel* srow = needSrc ? sb->Row(syy) : nullptr;
            // Plain copies of equal formats move whole rows.
            if (code == 0xCC && !stretch && !transparent && !monoToColor && !colorToMono) {
                int a = part.Left;
                int b = part.Right;
                int sa = mapX[std::size_t(a - vis.Left)];
                if (sa < 0) {
                    a += -sa;
                    sa = 0;
                }
                if (sa + (b - a) > sb->Width)
                    b = a + (sb->Width - sa);
                if (a < b)
                    std::memcpy(drow + a, srow + sa, std::size_t(b - a) * sizeof(TPixel));
                continue;
            }
            for (int x = part.Left; x < part.Right; ++x) {
                TPixel s = 0;
                if (needSrc) {
                    int sxx = mapX[std::size_t(x - vis.Left)];
                    if (sxx < 0 || sxx >= sb->Width)
                        continue;
                    s = srow[sxx] & 0xFFFFFF;
                    if (transparent && s == keyPx)
                        continue;
                    if (monoToColor)
                        s = s ? bg : fg;
                    else if (colorToMono)
                        s = s == srcBk ? 0xFFFFFFu : 0u;
                }
                TPixel p = 0;
                if (needPat) {
                    if (pat.Kind == TPaint::pkPattern) {
                        const TPixelBuffer& pb = *pat.Pattern;
                        p = pb.At(DrawFloorMod(x - pat.PatOrg.X, pb.Width),
                                  DrawFloorMod(y - pat.PatOrg.Y, pb.Height)) &
                            0xFFFFFF;
                    } else {
                        p = pat.Px;
                    }
                }
                drow[x] = Rop3(code, p, s, drow[x] & 0xFFFFFF);
            }
        }
    }
}

bool TDC::BitBlt(int x, int y, int w, int h, const TDC* src, int sx, int sy, std::uint32_t rop) {
    CopyBlock(TRect::FromXYWH(x, y, w, h), src, sx, sy, w, h, rop, false, 0);
    return true;
}

bool TDC::StretchBlt(int x, int y, int w, int h, const TDC* src, int sx, int sy, int sw, int sh,
                     std::uint32_t rop) {
    if (w <= 0 || h <= 0)
        return false;
    CopyBlock(TRect::FromXYWH(x, y, w, h), src, sx, sy, sw, sh, rop, false, 0);
    return true;
}

bool TDC::TransparentBlt(int x, int y, int w, int h, const TDC& src, int sx, int sy, int sw, int sh,
                         TColor key) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return false;
    CopyBlock(TRect::FromXYWH(x, y, w, h), &src, sx, sy, sw, sh, SRCCOPY, true, key);
    return true;
}

void TDC::DrawBuffer(int x, int y, const TPixelBuffer& src, const TRect& srcRect) {
    const TRect from = srcRect.Intersected(src.BoundsRect());
    if (from.IsEmpty())
        return;
    const TRect d = ToDevice(TRect::FromXYWH(
        x + (from.Left - srcRect.Left), y + (from.Top - srcRect.Top), from.Width(), from.Height()));
    const TPoint shift(from.Left - d.Left, from.Top - d.Top);
    for (const TRect& c : EffectiveClip().GetRects()) {
        TRect part = c.Intersected(d);
        for (int row = part.Top; row < part.Bottom; ++row) {
            const TPixel* s = src.Row(row + shift.Y) + (part.Left + shift.X);
            TPixel* out = Buffer->Row(row) + part.Left;
            for (int k = 0; k < part.Width(); ++k)
                out[k] = Mono ? MonoPixel(s[k] & 0xFFFFFF) : (s[k] & 0xFFFFFF);
        }
    }
}
