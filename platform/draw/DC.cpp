#include "platform/draw/DC.h"

#include "platform/core/Gbk.h"
#include "platform/draw/RealizedFont.h"
#include "platform/draw/RegionShapes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

struct TDC::TPaint {
    enum TKind { pkNone, pkSolid, pkXor, pkNot, pkPattern };
    TKind Kind = pkNone;
    TPixel Px = 0;
    const TPixelBuffer* Pattern = nullptr;
    TPoint PatOrg; // device position of the pattern's (0,0)
    bool Mono = false;
};

struct TDC::TPathMask {
    TRegion Region; // device coordinates
};

struct TDC::TTextRun {
    struct TItem {
        const TGlyph* Glyph;
        int X;
    };
    std::vector<TItem> Items;
    int Width = 0;
};

namespace {

int FloorMod(int a, int m) {
    int r = a % m;
    return r < 0 ? r + m : r;
}

bool PenIsDrawn(const TLogPen& p) {
    return p.Style != PS_NULL;
}

TPixel MonoPixel(TPixel px) {
    int lum = int((px >> 16) & 0xFF) + int((px >> 8) & 0xFF) + int(px & 0xFF);
    return lum >= 3 * 128 ? 0xFFFFFFu : 0u;
}

} // namespace

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
            const TPixel* prow = pat.Row(FloorMod(y - p.PatOrg.Y, pat.Height));
            int px = FloorMod(a - p.PatOrg.X, pat.Width);
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
        bool on = FloorMod((x - o.X) + (y - o.Y), 2) == 0;
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

// ---- text -----------------------------------------------------------------------------------

TRealizedFont& TDC::Font() {
    if (!State.Realized)
        State.Realized = TRealizedFont::Get(State.Font);
    return *State.Realized;
}

const TTextMetric& TDC::GetTextMetrics() {
    return Font().Metrics();
}

namespace {

// The one layout of a run of text: measuring and drawing both walk it.
template <class TRun>
void LayoutRun(TRealizedFont& font, std::string_view text, const int* dx, TRun& run) {
    run.Items.clear();
    int x = 0;
    std::size_t i = 0;
    for (const TGbkChar& ch : GbkDecode(text)) {
        const TGlyph& g = font.Glyph(ch.Code);
        run.Items.push_back({&g, x});
        x += dx ? dx[i] : g.Advance;
        ++i;
    }
    run.Width = x;
}

TPixel Blend(TPixel dst, TPixel src, unsigned cov) {
    if (cov >= 255)
        return src;
    unsigned inv = 255 - cov;
    unsigned r = (((src >> 16) & 0xFF) * cov + ((dst >> 16) & 0xFF) * inv + 127) / 255;
    unsigned g = (((src >> 8) & 0xFF) * cov + ((dst >> 8) & 0xFF) * inv + 127) / 255;
    unsigned b = ((src & 0xFF) * cov + (dst & 0xFF) * inv + 127) / 255;
    return (r << 16) | (g << 8) | b;
}

} // namespace

TSize TDC::GetTextExtentPoint32(std::string_view text) {
    TTextRun run;
    LayoutRun(Font(), text, nullptr, run);
    return {run.Width, Font().Metrics().Height};
}

TSize TDC::GetTextExtentExPoint(std::string_view text, int maxExtent, int* fit,
                                std::vector<int>* partial) {
    TTextRun run;
    LayoutRun(Font(), text, nullptr, run);
    if (partial)
        partial->clear();
    int count = 0;
    for (std::size_t i = 0; i < run.Items.size(); ++i) {
        int end = i + 1 < run.Items.size() ? run.Items[i + 1].X : run.Width;
        if (partial)
            partial->push_back(end);
        if (maxExtent >= 0 && end <= maxExtent)
            count = int(i) + 1;
    }
    if (fit)
        *fit = maxExtent >= 0 ? count : int(run.Items.size());
    return {run.Width, Font().Metrics().Height};
}

bool TDC::TextOut(int x, int y, std::string_view text) {
    return ExtTextOut(x, y, 0, nullptr, text, nullptr);
}

void TDC::BlendGlyphs(const TTextRun& run, TPoint devOrigin, const TRect* devClip) {
    const TPixel color = DevicePixel(State.TextColor);
    const TRegion& clip = EffectiveClip();
    TRect bounds = clip.GetBounds();
    if (devClip)
        bounds = bounds.Intersected(*devClip);
    for (const auto& item : run.Items) {
        const TGlyph& g = *item.Glyph;
        if (g.Width == 0)
            continue;
        TRect gr =
            TRect::FromXYWH(devOrigin.X + item.X + g.Left, devOrigin.Y + g.Top, g.Width, g.Height);
        TRect vis = gr.Intersected(bounds);
        if (vis.IsEmpty())
            continue;
        for (int y = vis.Top; y < vis.Bottom; ++y) {
            const auto& bands = clip.GetBands();
            auto it = std::upper_bound(bands.begin(), bands.end(), y,
                                       [](int v, const TRegion::TBand& b) { return v < b.Bottom; });
            if (it == bands.end() || it->Top > y)
                continue;
            const std::uint8_t* cov =
                g.Coverage.data() + std::size_t(y - gr.Top) * std::size_t(g.Width);
            TPixel* row = Buffer->Row(y);
            for (const TRegion::TSpan& s : it->Spans) {
                int a = std::max(vis.Left, s.Left);
                int b = std::min(vis.Right, s.Right);
                for (int x = a; x < b; ++x) {
                    unsigned c = cov[x - gr.Left];
                    if (c == 0)
                        continue;
                    if (Mono)
                        row[x] = c >= 128 ? color : row[x];
                    else
                        row[x] = Blend(row[x], color, c);
                }
            }
        }
    }
}

int TDC::LineTextOut(int x, int y, std::string_view text, const int* dx, bool draw, int tabStop) {
    if (tabStop > 0 && text.find('\t') != std::string_view::npos) {
        // A tab byte is never part of a double-byte character.
        int pos = 0;
        std::size_t start = 0;
        while (true) {
            std::size_t tab = text.find('\t', start);
            std::string_view piece = text.substr(
                start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
            pos += LineTextOut(x + pos, y, piece, nullptr, draw, 0);
            if (tab == std::string_view::npos)
                return pos;
            pos = (pos / tabStop + 1) * tabStop;
            start = tab + 1;
        }
    }
    TTextRun run;
    LayoutRun(Font(), text, dx, run);
    if (draw)
        ExtTextOut(x, y, 0, nullptr, text, dx);
    return run.Width;
}

bool TDC::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                     const int* dx) {
    TRealizedFont& font = Font();
    const TTextMetric& tm = font.Metrics();
    TTextRun run;
    LayoutRun(font, text, dx, run);
    const unsigned align = State.TextAlign;
    if ((align & TA_CENTER) == TA_CENTER)
        x -= run.Width / 2;
    else if (align & TA_RIGHT)
        x -= run.Width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        y -= tm.Ascent;
    else if (align & TA_BOTTOM)
        y -= tm.Height;

    TRect devClipRect;
    const TRect* devClip = nullptr;
    if (rect && (options & ETO_CLIPPED)) {
        devClipRect = ToDevice(rect->Normalized());
        devClip = &devClipRect;
    }
    const double angle = (tm.PitchAndFamily & TMPF_TRUETYPE) ? State.Font.Escapement / 10.0 : 0;

    if (PathOpen) {
        // The text's pixels become (part of) the path.
        TPixelBuffer mask(run.Width + 2, tm.Height, 0);
        for (const auto& item : run.Items) {
            const TGlyph& g = *item.Glyph;
            for (int gy = 0; gy < g.Height; ++gy)
                for (int gx = 0; gx < g.Width; ++gx) {
                    int mx = item.X + g.Left + gx;
                    int my = tm.Ascent + g.Top + gy;
                    if (mask.Valid(mx, my) && g.Coverage[std::size_t(gy * g.Width + gx)] >= 128)
                        mask.At(mx, my) = 1;
                }
        }
        std::vector<TRect> rects;
        TPoint o = ToDevice(TPoint(x, y));
        for (int my = 0; my < mask.Height; ++my)
            for (int mx = 0; mx < mask.Width; ++mx) {
                if (!mask.At(mx, my))
                    continue;
                int start = mx;
                while (mx < mask.Width && mask.At(mx, my))
                    ++mx;
                rects.push_back({o.X + start, o.Y + my, o.X + mx, o.Y + my + 1});
            }
        Path->Region.Unite(TRegion::FromRects(rects));
        return true;
    }

    if (rect && (options & ETO_OPAQUE))
        FillDeviceRect(ToDevice(rect->Normalized()), DevicePixel(State.BkColor));

    if (angle != 0) {
        // Rotated text: render the line into a coverage mask, then map every destination pixel
        // back into the mask (nearest pixel), turning around the reference point (x, y).
        const int mw = run.Width;
        const int mh = tm.Height;
        if (mw <= 0 || mh <= 0)
            return true;
        std::vector<std::uint8_t> mask(std::size_t(mw) * std::size_t(mh), 0);
        for (const auto& item : run.Items) {
            const TGlyph& g = *item.Glyph;
            for (int gy = 0; gy < g.Height; ++gy)
                for (int gx = 0; gx < g.Width; ++gx) {
                    int mx = item.X + g.Left + gx;
                    int my = tm.Ascent + g.Top + gy;
                    if (mx >= 0 && mx < mw && my >= 0 && my < mh)
                        mask[std::size_t(my * mw + mx)] =
                            std::max(mask[std::size_t(my * mw + mx)],
                                     g.Coverage[std::size_t(gy * g.Width + gx)]);
                }
        }
        if (State.Font.Underline)
            for (int t = 0; t < font.LineThickness(); ++t) {
                int my = tm.Ascent + font.UnderlineOffset() + t;
                for (int mx = 0; my < mh && mx < mw; ++mx)
                    mask[std::size_t(my * mw + mx)] = 255;
            }
        const double rad = angle * 3.14159265358979323846 / 180.0;
        const double c = std::cos(rad);
        const double s = std::sin(rad);
        TPoint o = ToDevice(TPoint(x, y));
        // Corners of the rotated box (y grows downwards, counter-clockwise turn).
        double xs[4];
        double ys[4];
        const double cx[4] = {0, double(mw), 0, double(mw)};
        const double cy[4] = {0, 0, double(mh), double(mh)};
        for (int k = 0; k < 4; ++k) {
            xs[k] = o.X + cx[k] * c + cy[k] * s;
            ys[k] = o.Y - cx[k] * s + cy[k] * c;
        }
        TRect box(int(std::floor(*std::min_element(xs, xs + 4))),
                  int(std::floor(*std::min_element(ys, ys + 4))),
                  int(std::ceil(*std::max_element(xs, xs + 4))) + 1,
                  int(std::ceil(*std::max_element(ys, ys + 4))) + 1);
        const TRegion& clip = EffectiveClip();
        const TPixel color = DevicePixel(State.TextColor);
        for (int py = box.Top; py < box.Bottom; ++py)
            for (int px = box.Left; px < box.Right; ++px) {
                if (!Buffer->Valid(px, py) || !clip.Contains({px, py}) ||
                    (devClip && !devClip->Contains({px, py})))
                    continue;
                double rx = px + 0.5 - o.X;
                double ry = py + 0.5 - o.Y;
                int mx = int(std::floor(rx * c - ry * s));
                int my = int(std::floor(rx * s + ry * c));
                if (mx < 0 || my < 0 || mx >= mw || my >= mh)
                    continue;
                unsigned cov = mask[std::size_t(my * mw + mx)];
                if (cov)
                    Buffer->At(px, py) = Mono ? (cov >= 128 ? color : Buffer->At(px, py))
                                              : Blend(Buffer->At(px, py), color, cov);
            }
        return true;
    }

    TPoint o = ToDevice(TPoint(x, y));
    if (State.BkMode == OPAQUE && !(rect && (options & ETO_OPAQUE))) {
        TRect bg = TRect::FromXYWH(o.X, o.Y, run.Width, tm.Height);
        if (devClip)
            bg = bg.Intersected(*devClip);
        FillDeviceRect(bg, DevicePixel(State.BkColor));
    }
    BlendGlyphs(run, {o.X, o.Y + tm.Ascent}, devClip);
    auto line = [&](int offset) {
        TRect lr = TRect::FromXYWH(o.X, o.Y + tm.Ascent + offset, run.Width, font.LineThickness());
        if (devClip)
            lr = lr.Intersected(*devClip);
        FillDeviceRect(lr, DevicePixel(State.TextColor));
    };
    if (State.Font.Underline)
        line(font.UnderlineOffset());
    if (State.Font.StrikeOut)
        line(font.StrikeOutOffset());
    return true;
}

namespace {

struct TDtChar {
    std::string_view Bytes;
    bool Underline = false;
};

bool IsDoubleByte(const TDtChar& c) {
    return c.Bytes.size() == 2;
}

bool IsClosingPunctuation(const TDtChar& c) {
    static constexpr char32_t closing[] = {U'，', U'。', U'、', U'；', U'：', U'？', U'！', U'）',
                                           U'》', U'」', U'』', U'】', U'”',  U'’',  U'…',  U',',
                                           U'.',  U';',  U':',  U'?',  U'!',  U')'};
    const char32_t code = GbkCharToUnicode(c.Bytes);
    return std::find(std::begin(closing), std::end(closing), code) != std::end(closing);
}

std::string Join(const std::vector<TDtChar>& chars, std::size_t from, std::size_t to) {
    std::string s;
    for (std::size_t i = from; i < to; ++i)
        s.append(chars[i].Bytes);
    return s;
}

} // namespace

int TDC::DrawText(std::string_view text, TRect& r, unsigned format) {
    const TTextMetric& tm = GetTextMetrics();
    const int lineH = tm.Height;
    const bool prefix = !(format & DT_NOPREFIX);
    const bool showUnderline = prefix && !(format & DT_HIDEPREFIX);
    // Tab stops every eight average character widths.
    const int tabStop = (format & DT_EXPANDTABS) ? 8 * std::max(1, tm.AveCharWidth) : 0;

    // Accelerator prefixes: "&x" underlines x, "&&" is one "&", a trailing "&" vanishes.
    std::vector<TDtChar> chars;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t len = GbkCharLength(text, i);
        if (prefix && text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                chars.push_back({text.substr(i, 1), false});
                i += 2;
                continue;
            }
            i += 1;
            if (i < text.size()) {
                std::size_t l2 = GbkCharLength(text, i);
                chars.push_back({text.substr(i, l2), showUnderline});
                i += l2;
            }
            continue;
        }
        chars.push_back({text.substr(i, len), false});
        i += len;
    }

    auto width = [&](std::size_t from, std::size_t to) {
        return LineTextOut(0, 0, Join(chars, from, to), nullptr, false, tabStop);
    };

    // Lines as [from, to) ranges of chars, then word-wrapped.
    struct TLine {
        std::size_t From;
        std::size_t To;
        std::string Ellipsized;
        bool HasEllipsis = false;
    };
    std::vector<TLine> lines;
    const bool single = format & DT_SINGLELINE;
    std::vector<std::pair<std::size_t, std::size_t>> hard;
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            char c = chars[i].Bytes[0];
            if (!single && (c == '\r' || c == '\n')) {
                hard.push_back({start, i});
                if (c == '\r' && i + 1 < chars.size() && chars[i + 1].Bytes[0] == '\n')
                    ++i;
                start = i + 1;
            }
        }
        hard.push_back({start, chars.size()});
    }
    const int maxW = r.Width();
    // A line may break at blanks and between double-byte characters, but never just before
    // closing punctuation (a line does not start with "，" or "。").
    auto canBreakBefore = [&](std::size_t k) {
        if (k == 0 || k >= chars.size())
            return false;
        if (chars[k].Bytes == " " || chars[k - 1].Bytes == " ")
            return true;
        if (IsClosingPunctuation(chars[k]))
            return false;
        return IsDoubleByte(chars[k]) || IsDoubleByte(chars[k - 1]);
    };
    for (auto [from, to] : hard) {
        if (!(format & DT_WORDBREAK) || single) {
            lines.push_back({from, to, {}, false});
            continue;
        }
        std::size_t lineStart = from;
        while (true) {
            // Skip blanks that a wrap left at the start of a continued line.
            if (lineStart != from)
                while (lineStart < to && chars[lineStart].Bytes == " ")
                    ++lineStart;
            if (lineStart >= to) {
                if (lineStart == from)
                    lines.push_back({from, to, {}, false});
                break;
            }
            int w = 0;
            std::size_t lastBreak = lineStart; // end of the last whole word that fits
            std::size_t i = lineStart;
            bool wrapped = false;
            for (; i < to; ++i) {
                int cw = width(i, i + 1);
                if (w + cw > maxW && i > lineStart) {
                    // Break at a blank or next to a double-byte character.
                    std::size_t cut = lastBreak > lineStart ? lastBreak : 0;
                    if (canBreakBefore(i))
                        cut = i;
                    if (cut > lineStart) {
                        std::size_t end = cut;
                        while (end > lineStart && chars[end - 1].Bytes == " ")
                            --end;
                        lines.push_back({lineStart, end, {}, false});
                        lineStart = cut;
                        wrapped = true;
                        break;
                    }
                }
                w += cw;
                if (i + 1 < to && canBreakBefore(i + 1))
                    lastBreak = i + 1;
            }
            if (!wrapped) {
                lines.push_back({lineStart, to, {}, false});
                break;
            }
        }
    }

    // End ellipsis: a line wider than the rectangle loses characters at its end for "...".
    int widest = 0;
    for (TLine& l : lines) {
        int w = width(l.From, l.To);
        if ((format & DT_END_ELLIPSIS) && w > maxW) {
            int dots = LineTextOut(0, 0, "...", nullptr, false);
            std::size_t end = l.To;
            while (end > l.From && width(l.From, end) + dots > maxW)
                --end;
            l.Ellipsized = Join(chars, l.From, end) + "...";
            l.HasEllipsis = true;
            l.To = end;
            w = LineTextOut(0, 0, l.Ellipsized, nullptr, false, tabStop);
        }
        widest = std::max(widest, w);
    }
    const int total = int(lines.size()) * lineH;

    if (format & DT_CALCRECT) {
        r.Right = r.Left + widest;
        r.Bottom = r.Top + total;
        return total;
    }

    int y = r.Top;
    if (single && (format & DT_VCENTER))
        y = r.Top + (r.Height() - lineH) / 2;
    else if (single && (format & DT_BOTTOM))
        y = r.Bottom - lineH;
    const int firstY = y;

    int saved = 0;
    if (!(format & DT_NOCLIP)) {
        saved = SaveDC();
        IntersectClipRect(r);
    }
    const unsigned oldAlign = SetTextAlign(TA_LEFT | TA_TOP);
    for (const TLine& l : lines) {
        std::string s = l.HasEllipsis ? l.Ellipsized : Join(chars, l.From, l.To);
        int w = LineTextOut(0, 0, s, nullptr, false, tabStop);
        int x = r.Left;
        if (format & DT_CENTER)
            x = r.Left + (r.Width() - w) / 2;
        else if (format & DT_RIGHT)
            x = r.Right - w;
        if (!(format & DT_PREFIXONLY))
            LineTextOut(x, y, s, nullptr, true, tabStop);
        // Underline of the accelerator character.
        for (std::size_t i = l.From; i < l.To; ++i) {
            if (!chars[i].Underline)
                continue;
            int ux = x + width(l.From, i);
            int uw = width(i, i + 1);
            TRealizedFont& f = Font();
            FillRect(
                TRect::FromXYWH(ux, y + tm.Ascent + f.UnderlineOffset(), uw, f.LineThickness()),
                State.TextColor);
        }
        y += lineH;
    }
    SetTextAlign(oldAlign);
    if (saved)
        RestoreDC(saved);
    // Vertically placed text answers the offset from the top to the text's bottom.
    return (single && (format & (DT_VCENTER | DT_BOTTOM))) ? firstY - r.Top + total : total;
}

// ---- paths ----------------------------------------------------------------------------------

bool TDC::BeginPath() {
    Path = std::make_unique<TPathMask>();
    PathOpen = true;
    return true;
}

bool TDC::EndPath() {
    if (!PathOpen)
        return false;
    PathOpen = false;
    return true;
}

bool TDC::AbortPath() {
    Path.reset();
    PathOpen = false;
    return true;
}

bool TDC::FillPath() {
    if (!Path || PathOpen)
        return false;
    PaintDeviceRegion(Path->Region, BrushPaint(State.Brush));
    Path.reset();
    return true;
}

bool TDC::StrokePath() {
    if (!Path || PathOpen)
        return false;
    const int w = std::max(1, State.Pen.Width);
    TRect b = Path->Region.GetBounds().Inflated(w + 1, w + 1);
    if (!b.IsEmpty() && PenIsDrawn(State.Pen)) {
        const int bw = b.Width();
        std::vector<std::uint8_t> in(std::size_t(bw) * std::size_t(b.Height()), 0);
        for (const TRect& rc : Path->Region.GetRects())
            for (int y = rc.Top; y < rc.Bottom; ++y)
                for (int x = rc.Left; x < rc.Right; ++x)
                    in[std::size_t((y - b.Top) * bw + (x - b.Left))] = 1;
        auto at = [&](int x, int y) { return in[std::size_t(y * bw + x)] != 0; };
        // The outline: path pixels next to a pixel outside, widened to the pen's width.
        std::vector<std::uint8_t> out(in.size(), 0);
        const int half = (w - 1) / 2;
        for (int y = 1; y + 1 < b.Height(); ++y)
            for (int x = 1; x + 1 < bw; ++x) {
                if (!at(x, y) || (at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1)))
                    continue;
                for (int yy = y - half; yy < y - half + w; ++yy)
                    for (int xx = x - half; xx < x - half + w; ++xx)
                        if (xx >= 0 && yy >= 0 && xx < bw && yy < b.Height())
                            out[std::size_t(yy * bw + xx)] = 1;
            }
        TPaint p = PenPaint();
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < bw; ++x)
                if (out[std::size_t(y * bw + x)]) {
                    int start = x;
                    while (x < bw && out[std::size_t(y * bw + x)])
                        ++x;
                    PaintSpan(b.Top + y, b.Left + start, b.Left + x, p);
                }
    }
    Path.reset();
    return true;
}

bool TDC::StrokeAndFillPath() {
    if (!Path || PathOpen)
        return false;
    TRegion keep = Path->Region;
    FillPath();
    Path = std::make_unique<TPathMask>();
    Path->Region = keep;
    return StrokePath();
}

bool TDC::SelectClipPath(int mode) {
    if (!Path || PathOpen)
        return false;
    TRegion logical = Path->Region.Offset(-DeviceShift().X, -DeviceShift().Y);
    Path.reset();
    return ExtSelectClipRgn(&logical, mode) != RGN_ERROR;
}

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
                        p = pb.At(FloorMod(x - pat.PatOrg.X, pb.Width),
                                  FloorMod(y - pat.PatOrg.Y, pb.Height)) &
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
