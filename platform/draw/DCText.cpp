#include "platform/draw/DCInternal.h"

#include "platform/core/Gbk.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

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
    font.TrimGlyphCache(); // no glyph of an earlier run is held any more
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
