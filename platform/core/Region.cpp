#include "platform/core/Region.h"

#include <algorithm>

namespace {

using TSpans = std::vector<TRegion::TSpan>;

// The spans of the band covering row y, or nullptr.
const TSpans* SpansAt(const std::vector<TRegion::TBand>& bands, int y) {
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](int v, const TRegion::TBand& b) { return v < b.Bottom; });
    if (it == bands.end() || y < it->Top)
        return nullptr;
    return &it->Spans;
}

bool Inside(bool a, bool b, TRegion::TCombineMode mode) {
    switch (mode) {
    case TRegion::rcAnd:
        return a && b;
    case TRegion::rcOr:
        return a || b;
    case TRegion::rcXor:
        return a != b;
    case TRegion::rcDiff:
        return a && !b;
    case TRegion::rcCopy:
        return a;
    }
    return false;
}

// Combines two sorted span lists by sweeping over their edges.
TSpans CombineSpans(const TSpans* a, const TSpans* b, TRegion::TCombineMode mode) {
    std::vector<int> xs;
    for (const TSpans* s : {a, b})
        if (s)
            for (const auto& sp : *s) {
                xs.push_back(sp.Left);
                xs.push_back(sp.Right);
            }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    auto covered = [](const TSpans* s, int x) {
        if (!s)
            return false;
        auto it = std::upper_bound(s->begin(), s->end(), x,
                                   [](int v, const TRegion::TSpan& sp) { return v < sp.Right; });
        return it != s->end() && x >= it->Left;
    };

    TSpans out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        int x0 = xs[i], x1 = xs[i + 1];
        if (!Inside(covered(a, x0), covered(b, x0), mode))
            continue;
        if (!out.empty() && out.back().Right == x0)
            out.back().Right = x1;
        else
            out.push_back({x0, x1});
    }
    return out;
}

} // namespace

TRegion::TRegion(const TRect& r) {
    if (!r.IsEmpty())
        Bands.push_back({r.Top, r.Bottom, {{r.Left, r.Right}}});
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
    TRegion result;
    for (const auto& r : rects)
        result.Unite(r);
    return result;
}

void TRegion::AppendBand(int top, int bottom, std::vector<TSpan>&& spans) {
    if (spans.empty() || bottom <= top)
        return;
    if (!Bands.empty() && Bands.back().Bottom == top && Bands.back().Spans == spans) {
        Bands.back().Bottom = bottom;
        return;
    }
    Bands.push_back({top, bottom, std::move(spans)});
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, TCombineMode mode) {
    if (mode == rcCopy)
        return a;
    std::vector<int> ys;
    ys.reserve((a.Bands.size() + b.Bands.size()) * 2);
    for (const TRegion* r : {&a, &b})
        for (const auto& band : r->Bands) {
            ys.push_back(band.Top);
            ys.push_back(band.Bottom);
        }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    TRegion out;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const TSpans* sa = SpansAt(a.Bands, ys[i]);
        const TSpans* sb = SpansAt(b.Bands, ys[i]);
        if (!sa && !sb)
            continue;
        out.AppendBand(ys[i], ys[i + 1], CombineSpans(sa, sb, mode));
    }
    return out;
}

TRect TRegion::GetBounds() const {
    if (Bands.empty())
        return {};
    int left = Bands.front().Spans.front().Left, right = Bands.front().Spans.back().Right;
    for (const auto& band : Bands) {
        left = std::min(left, band.Spans.front().Left);
        right = std::max(right, band.Spans.back().Right);
    }
    return {left, Bands.front().Top, right, Bands.back().Bottom};
}

std::vector<TRect> TRegion::GetRects() const {
    std::vector<TRect> rects;
    for (const auto& band : Bands)
        for (const auto& sp : band.Spans)
            rects.push_back({sp.Left, band.Top, sp.Right, band.Bottom});
    return rects;
}

bool TRegion::Contains(TPoint p) const {
    const TSpans* spans = SpansAt(Bands, p.Y);
    if (!spans)
        return false;
    for (const auto& sp : *spans)
        if (p.X >= sp.Left && p.X < sp.Right)
            return true;
    return false;
}

bool TRegion::Intersects(const TRect& r) const {
    if (r.IsEmpty())
        return false;
    for (const auto& band : Bands) {
        if (band.Bottom <= r.Top || band.Top >= r.Bottom)
            continue;
        for (const auto& sp : band.Spans)
            if (sp.Left < r.Right && sp.Right > r.Left)
                return true;
    }
    return false;
}

bool TRegion::ContainsRect(const TRect& r) const {
    return r.IsEmpty() || TRegion(r).Subtracted(*this).IsEmpty();
}

TRegion TRegion::Offset(int dx, int dy) const {
    TRegion out = *this;
    for (auto& band : out.Bands) {
        band.Top += dy;
        band.Bottom += dy;
        for (auto& sp : band.Spans) {
            sp.Left += dx;
            sp.Right += dx;
        }
    }
    return out;
}
