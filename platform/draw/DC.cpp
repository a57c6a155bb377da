#include "platform/draw/DCInternal.h"

#include "platform/draw/RegionShapes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

TDC::TDC(TPixelBuffer& target, TPoint deviceOrigin, const TRegion& deviceClip)
    : Buffer(&target), Origin(deviceOrigin),
      DeviceClip(deviceClip.Intersected(TRegion(target.BoundsRect()))) {}

TDC::TDC(TPixelBuffer& target) : TDC(target, {0, 0}, TRegion(target.BoundsRect())) {}

TDC::~TDC() = default;

TPoint TDC::SetViewportOrg(TPoint org) {
    TPoint old = State.ViewportOrg;
    State.ViewportOrg = org;
    return old;
}

TPoint TDC::OffsetViewportOrg(int dx, int dy) {
    return SetViewportOrg(State.ViewportOrg + TPoint(dx, dy));
}

TPoint TDC::SetWindowOrg(TPoint org) {
    return std::exchange(State.WindowOrg, org);
}

TPoint TDC::SetBrushOrg(TPoint org) {
    TPoint old = State.BrushOrg;
    State.BrushOrg = org;
    return old;
}

int TDC::SaveDC() {
    Saved.push_back(State);
    return int(Saved.size());
}

bool TDC::RestoreDC(int level) {
    int depth = int(Saved.size());
    int target = level < 0 ? depth + level + 1 : level;
    if (target < 1 || target > depth)
        return false;
    State = Saved[std::size_t(target - 1)];
    Saved.resize(std::size_t(target - 1));
    ClipChanged();
    return true;
}

// ---- clipping -------------------------------------------------------------------------------

void TDC::SelectClipRgn(const TRegion* logicalRegion) {
    ClipChanged();
    if (!logicalRegion) {
        State.HasClip = false;
        State.Clip = {};
        return;
    }
    State.HasClip = true;
    State.Clip = logicalRegion->Offset(DeviceShift());
}

int TDC::ExtSelectClipRgn(const TRegion* logicalRegion, int mode) {
    if (!logicalRegion) {
        if (mode != RGN_COPY)
            return RGN_ERROR;
        SelectClipRgn(nullptr);
        return SIMPLEREGION;
    }
    ClipChanged();
    TRegion dev = logicalRegion->Offset(DeviceShift());
    TRegion base = State.HasClip ? State.Clip : DeviceClip;
    TRegion out;
    if (CombineRgn(out, base, dev, mode == RGN_COPY ? RGN_AND : mode) == RGN_ERROR)
        return RGN_ERROR;
    if (mode == RGN_COPY)
        out = dev;
    State.Clip = out;
    State.HasClip = true;
    TRegion eff = EffectiveClip();
    return eff.IsEmpty() ? NULLREGION : (eff.GetRects().size() == 1 ? SIMPLEREGION : COMPLEXREGION);
}

void TDC::IntersectClipRect(const TRect& r) {
    ClipChanged();
    TRegion dev(ToDevice(r.Normalized()));
    State.Clip = State.HasClip ? State.Clip.Intersected(dev) : dev;
    State.HasClip = true;
}

void TDC::ExcludeClipRect(const TRect& r) {
    ClipChanged();
    TRegion base = State.HasClip ? State.Clip : DeviceClip;
    State.Clip = base.Subtracted(TRegion(ToDevice(r.Normalized())));
    State.HasClip = true;
}

void TDC::OffsetClipRgn(int dx, int dy) {
    if (!State.HasClip)
        return;
    ClipChanged();
    State.Clip = State.Clip.Offset(dx, dy);
}

const TRegion& TDC::EffectiveClip() const {
    if (!ClipValid) {
        ClipCache = State.HasClip ? DeviceClip.Intersected(State.Clip) : DeviceClip;
        ClipValid = true;
    }
    return ClipCache;
}

TRegion TDC::GetClipRegion() const {
    TPoint s = DeviceShift();
    return EffectiveClip().Offset(-s.X, -s.Y);
}

TRect TDC::GetClipBox() const {
    return GetClipRegion().GetBounds();
}

bool TDC::RectVisible(const TRect& r) const {
    return EffectiveClip().Intersects(ToDevice(r.Normalized()));
}

bool TDC::PtVisible(TPoint p) const {
    return EffectiveClip().Contains(ToDevice(p));
}

// ---- objects and modes ----------------------------------------------------------------------

TLogPen TDC::SelectPen(const TLogPen& pen) {
    TLogPen old = State.Pen;
    State.Pen = pen;
    return old;
}

TLogBrush TDC::SelectBrush(const TLogBrush& brush) {
    TLogBrush old = State.Brush;
    State.Brush = brush;
    return old;
}

TLogFont TDC::SelectFont(const TLogFont& font) {
    TLogFont old = State.Font;
    if (!(font == State.Font)) {
        State.Font = font;
        State.Realized.reset();
    }
    return old;
}

TColor TDC::SetTextColor(TColor c) {
    return std::exchange(State.TextColor, c);
}

TColor TDC::SetBkColor(TColor c) {
    return std::exchange(State.BkColor, c);
}

int TDC::SetBkMode(int mode) {
    return std::exchange(State.BkMode, mode);
}

int TDC::SetROP2(int mode) {
    return std::exchange(State.Rop2, mode);
}

unsigned TDC::SetTextAlign(unsigned align) {
    return std::exchange(State.TextAlign, align);
}

TColor TDC::GetNearestColor(TColor c) const {
    TColor rgb = ColorToRGB(c) & 0xFFFFFF;
    return Mono ? PixelToRGB(MonoPixel(RGBToPixel(rgb))) : rgb;
}

// ---- painting core --------------------------------------------------------------------------

TPixel TDC::DevicePixel(TColor c) const {
    TPixel px = ColorToPixel(c) & 0xFFFFFF;
    return Mono ? MonoPixel(px) : px;
}

TDC::TPaint TDC::PenPaint() const {
    TPaint p;
    if (!PenIsDrawn(State.Pen))
        return p;
    switch (State.Rop2) {
    case R2_NOP:
        break;
    case R2_NOT:
        p.Kind = TPaint::pkNot;
        break;
    case R2_XORPEN:
        p.Kind = TPaint::pkXor;
        p.Px = DevicePixel(State.Pen.Color);
        break;
    case R2_BLACK:
        p.Kind = TPaint::pkSolid;
        break;
    case R2_WHITE:
        p.Kind = TPaint::pkSolid;
        p.Px = 0xFFFFFF;
        break;
    default:
        p.Kind = TPaint::pkSolid;
        p.Px = DevicePixel(State.Pen.Color);
        break;
    }
    return p;
}

TDC::TPaint TDC::BrushPaint(const TLogBrush& b) const {
    TPaint p;
    if (b.Style == BS_NULL)
        return p;
    if (b.Style == BS_PATTERN && b.Pattern && b.Pattern->Width > 0 && b.Pattern->Height > 0) {
        p.Kind = TPaint::pkPattern;
        p.Pattern = b.Pattern.get();
        p.PatOrg = ToDevice(State.BrushOrg);
        p.Mono = Mono;
        return p;
    }
    p.Kind = TPaint::pkSolid;
    p.Px = DevicePixel(b.Color);
    return p;
}

void TDC::PaintSpan(int y, int x0, int x1, const TPaint& p) {
    if (p.Kind == TPaint::pkNone || x0 >= x1)
        return;
    const auto& bands = EffectiveClip().GetBands();
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](int v, const TRegion::TBand& b) { return v < b.Bottom; });
    if (it == bands.end() || it->Top > y)
        return;
    TPixel* row = Buffer->Row(y);
    for (const TRegion::TSpan& s : it->Spans) {
        int a = std::max(x0, s.Left);
        int b = std::min(x1, s.Right);
        if (a >= b)
            continue;
        switch (p.Kind) {
        case TPaint::pkSolid:
            std::fill(row + a, row + b, p.Px);
            break;
        case TPaint::pkXor:
            for (int x = a; x < b; ++x)
                row[x] ^= p.Px;
            break;
        case TPaint::pkNot:
            for (int x = a; x < b; ++x)
                row[x] = ~row[x] & 0xFFFFFF;
            break;
        case TPaint::pkPattern: {
            const TPixelBuffer& pat = *p.Pattern;
            const TPixel* prow = pat.Row(DrawFloorMod(y - p.PatOrg.Y, pat.Height));
            int px = DrawFloorMod(a - p.PatOrg.X, pat.Width);
            if (p.Mono) {
                for (int x = a; x < b; ++x) {
                    row[x] = MonoPixel(prow[px] & 0xFFFFFF);
                    if (++px == pat.Width)
                        px = 0;
                }
                break;
            }
            // Whole pieces of the pattern row at a time.
            for (int x = a; x < b;) {
                const int n = std::min(b - x, pat.Width - px);
                std::copy(prow + px, prow + px + n, row + x);
                x += n;
                px = 0;
            }
            break;
        }
        case TPaint::pkNone:
            break;
        }
    }
}

void TDC::PaintDevicePixel(int x, int y, const TPaint& p) {
    PaintSpan(y, x, x + 1, p);
}

void TDC::PaintDeviceRect(const TRect& r, const TPaint& p) {
    if (r.IsEmpty() || p.Kind == TPaint::pkNone)
        return;
    const TRegion& clip = EffectiveClip();
    if (!clip.Intersects(r))
        return;
    for (int y = std::max(r.Top, clip.GetBounds().Top);
         y < std::min(r.Bottom, clip.GetBounds().Bottom); ++y)
        PaintSpan(y, r.Left, r.Right, p);
}

void TDC::PaintDeviceRegion(const TRegion& r, const TPaint& p) {
    for (const TRect& rc : r.GetRects())
        PaintDeviceRect(rc, p);
}

void TDC::FillDeviceRect(const TRect& r, TPixel px) {
    TPaint p;
    p.Kind = TPaint::pkSolid;
    p.Px = Mono ? MonoPixel(px & 0xFFFFFF) : (px & 0xFFFFFF);
    PaintDeviceRect(r, p);
}

// ---- primitives -----------------------------------------------------------------------------

void TDC::FillRect(const TRect& r, TColor color) {
    FillDeviceRect(ToDevice(r.Normalized()), ColorToPixel(color));
}

void TDC::FillRect(const TRect& r, const TLogBrush& brush) {
    PaintDeviceRect(ToDevice(r), BrushPaint(brush));
}

void TDC::FillRgn(const TRegion& logicalRegion, const TLogBrush& brush) {
    PaintDeviceRegion(logicalRegion.Offset(DeviceShift()), BrushPaint(brush));
}

void TDC::FrameRect(const TRect& r, const TLogBrush& brush) {
    TRect d = ToDevice(r);
    if (d.IsEmpty())
        return;
    TPaint p = BrushPaint(brush);
    PaintDeviceRect({d.Left, d.Top, d.Right, d.Top + 1}, p);
    PaintDeviceRect({d.Left, d.Bottom - 1, d.Right, d.Bottom}, p);
    if (d.Height() > 2) {
        PaintDeviceRect({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, p);
        PaintDeviceRect({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, p);
    }
}

void TDC::InvertRect(const TRect& r) {
    TPaint p;
    p.Kind = TPaint::pkNot;
    PaintDeviceRect(ToDevice(r.Normalized()), p);
}

TColor TDC::GetPixel(TPoint p) const {
    TPoint d = ToDevice(p);
    if (!EffectiveClip().Contains(d))
        return 0xFFFFFFFF;
    return PixelToRGB(Buffer->At(d.X, d.Y) & 0xFFFFFF);
}

void TDC::SetPixel(TPoint p, TColor color) {
    TPoint d = ToDevice(p);
    if (EffectiveClip().Contains(d))
        Buffer->At(d.X, d.Y) = DevicePixel(color);
}

void TDC::PaintShape(const TRect& devBox, int ew, int eh) {
    TRect box = devBox;
    const bool pen = PenIsDrawn(State.Pen);
    if (!pen) {
        box.Right -= 1;
        box.Bottom -= 1;
    }
    if (box.IsEmpty())
        return;
    const int w = pen ? std::max(1, State.Pen.Width) : 0;
    std::vector<TRowSpan> rows = RoundBoxSpans(box, ew, eh);
    std::vector<TRowSpan> inner = w ? ErodeSpans(rows, w) : rows;
    const TPaint brush = BrushPaint(State.Brush);
    const TPaint penPaint = PenPaint();
    const bool styled = pen && State.Pen.Style != PS_SOLID && State.Pen.Style != PS_INSIDEFRAME &&
                        ew == 0 && eh == 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        int y = box.Top + int(i);
        const TRowSpan& o = rows[i];
        const TRowSpan& in = inner[i];
        if (in.Right > in.Left)
            PaintSpan(y, in.Left, in.Right, brush);
        if (!pen || styled)
            continue;
        if (in.Right > in.Left) {
            PaintSpan(y, o.Left, in.Left, penPaint);
            PaintSpan(y, in.Right, o.Right, penPaint);
        } else {
            PaintSpan(y, o.Left, o.Right, penPaint);
        }
    }
    if (styled) {
        // Dotted and dashed frames run around the box as lines.
        int phase = 0;
        TPoint c[5] = {{box.Left, box.Top},
                       {box.Right - 1, box.Top},
                       {box.Right - 1, box.Bottom - 1},
                       {box.Left, box.Bottom - 1},
                       {box.Left, box.Top}};
        for (int k = 0; k < 4; ++k)
            DeviceLine(c[k], c[k + 1], penPaint, 1, State.Pen.Style, phase);
    }
}

void TDC::Rectangle(int left, int top, int right, int bottom) {
    PaintShape(ToDevice(TRect(left, top, right, bottom).Normalized()), 0, 0);
}

void TDC::RoundRect(int left, int top, int right, int bottom, int ew, int eh) {
    // The platform measures the corner ellipse between pixel centres; the shape spans pixel
    // edges, one pixel more.
    ew = std::abs(ew);
    eh = std::abs(eh);
    PaintShape(ToDevice(TRect(left, top, right, bottom).Normalized()), ew ? ew + 1 : 0,
               eh ? eh + 1 : 0);
}

void TDC::Ellipse(int left, int top, int right, int bottom) {
    TRect box = ToDevice(TRect(left, top, right, bottom).Normalized());
    int shrink = PenIsDrawn(State.Pen) ? 0 : 1;
    PaintShape(box, box.Width() - shrink, box.Height() - shrink);
}

void TDC::DeviceLine(TPoint a, TPoint b, const TPaint& p, int width, int style, int& phase) {
    int dx = std::abs(b.X - a.X);
    int dy = std::abs(b.Y - a.Y);
    int sx = a.X < b.X ? 1 : -1;
    int sy = a.Y < b.Y ? 1 : -1;
    int err = dx - dy;
    int x = a.X;
    int y = a.Y;
    const int half = (width - 1) / 2;
    while (x != b.X || y != b.Y) {
        bool on = true;
        if (style == PS_DOT)
            on = phase % 2 == 0;
        else if (style == PS_DASH || style == PS_DASHDOT || style == PS_DASHDOTDOT)
            on = phase % 8 < 6;
        ++phase;
        if (on) {
            if (width <= 1)
                PaintDevicePixel(x, y, p);
            else
                PaintDeviceRect({x - half, y - half, x - half + width, y - half + width}, p);
        }
        int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void TDC::MoveToEx(int x, int y, TPoint* old) {
    if (old)
        *old = State.Pos;
    State.Pos = {x, y};
}

void TDC::LineTo(int x, int y) {
    if (PenIsDrawn(State.Pen)) {
        int phase = 0;
        DeviceLine(ToDevice(State.Pos), ToDevice(TPoint(x, y)), PenPaint(),
                   std::max(1, State.Pen.Width), State.Pen.Style, phase);
    }
    State.Pos = {x, y};
}

void TDC::Polyline(const TPoint* points, int count) {
    if (!points || count < 2 || !PenIsDrawn(State.Pen))
        return;
    int phase = 0;
    TPaint p = PenPaint();
    for (int i = 0; i + 1 < count; ++i)
        DeviceLine(ToDevice(points[i]), ToDevice(points[i + 1]), p, std::max(1, State.Pen.Width),
                   State.Pen.Style, phase);
}

void TDC::Polygon(const TPoint* points, int count) {
    if (!points || count < 2)
        return;
    std::vector<TPoint> d(static_cast<std::size_t>(count));
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (int i = 0; i < count; ++i) {
        d[std::size_t(i)] = ToDevice(points[i]);
        top = std::min(top, d[std::size_t(i)].Y);
        bottom = std::max(bottom, d[std::size_t(i)].Y);
    }
    // Inside (even-odd rule), sampled at pixel centres, vertices at pixel centres.
    TPaint brush = BrushPaint(State.Brush);
    if (brush.Kind != TPaint::pkNone) {
        std::vector<double> xs;
        for (int y = top; y <= bottom; ++y) {
            xs.clear();
            for (int i = 0; i < count; ++i) {
                TPoint a = d[std::size_t(i)];
                TPoint b = d[std::size_t((i + 1) % count)];
                if (a.Y == b.Y)
                    continue;
                if (a.Y > b.Y)
                    std::swap(a, b);
                if (y < a.Y || y >= b.Y)
                    continue;
                xs.push_back(a.X + double(y - a.Y) * (b.X - a.X) / double(b.Y - a.Y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
                PaintSpan(y, int(std::ceil(xs[k])), int(std::ceil(xs[k + 1])), brush);
        }
    }
    if (PenIsDrawn(State.Pen)) {
        int phase = 0;
        TPaint p = PenPaint();
        for (int i = 0; i < count; ++i)
            DeviceLine(d[std::size_t(i)], d[std::size_t((i + 1) % count)], p,
                       std::max(1, State.Pen.Width), State.Pen.Style, phase);
    }
}

bool TDC::DrawEdge(TRect& r, unsigned edge, unsigned flags) {
    TRect rc = r;
    auto side = [&](TColor tl, TColor br) {
        if (rc.IsEmpty())
            return;
        if (flags & BF_LEFT)
            FillRect({rc.Left, rc.Top, rc.Left + 1, rc.Bottom}, tl);
        if (flags & BF_TOP)
            FillRect({rc.Left, rc.Top, rc.Right, rc.Top + 1}, tl);
        if (flags & BF_RIGHT)
            FillRect({rc.Right - 1, rc.Top, rc.Right, rc.Bottom}, br);
        if (flags & BF_BOTTOM)
            FillRect({rc.Left, rc.Bottom - 1, rc.Right, rc.Bottom}, br);
        if (flags & BF_LEFT)
            ++rc.Left;
        if (flags & BF_TOP)
            ++rc.Top;
        if (flags & BF_RIGHT)
            --rc.Right;
        if (flags & BF_BOTTOM)
            --rc.Bottom;
    };
    const bool mono = flags & BF_MONO;
    const bool flat = flags & BF_FLAT;
    if (edge & BDR_OUTER) {
        if (mono)
            side(clWindowFrame, clWindowFrame);
        else if (flat)
            side(clBtnShadow, clBtnShadow);
        else if (edge & BDR_RAISEDOUTER)
            side(cl3DLight, cl3DDkShadow);
        else
            side(clBtnShadow, clBtnHighlight);
    }
    if (edge & BDR_INNER) {
        if (mono)
            side(clWindow, clWindow);
        else if (flat)
            side(clBtnFace, clBtnFace);
        else if (edge & BDR_RAISEDINNER)
            side(clBtnHighlight, clBtnShadow);
        else
            side(cl3DDkShadow, cl3DLight);
    }
    if ((flags & BF_MIDDLE) && !rc.IsEmpty())
        FillRect(rc, mono ? clWindow : clBtnFace);
    if (flags & BF_ADJUST)
        r = rc;
    return true;
}

void TDC::DrawFocusRect(const TRect& r) {
    TRect d = ToDevice(r.Normalized());
    if (d.IsEmpty())
        return;
    const TPixel dot = DevicePixel(State.BkColor);
    const TPixel gap = DevicePixel(State.TextColor);
    const TRegion& clip = EffectiveClip();
    auto touch = [&](int x, int y) {
        if (!clip.Contains({x, y}))
            return;
        // The dots sit on every other pixel of a checkerboard anchored at the context origin.
        TPoint o = Origin;
        bool on = DrawFloorMod((x - o.X) + (y - o.Y), 2) == 0;
        Buffer->At(x, y) ^= on ? dot : gap;
    };
    for (int x = d.Left; x < d.Right; ++x) {
        touch(x, d.Top);
        if (d.Bottom - 1 > d.Top)
            touch(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        touch(d.Left, y);
        if (d.Right - 1 > d.Left)
            touch(d.Right - 1, y);
    }
}
