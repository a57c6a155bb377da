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

// Combines two sorted span lists in one sweep over their edges, left to right.
TSpans CombineSpans(const TSpans* a, const TSpans* b, TRegion::TCombineMode mode) {
    static const TSpans none;
    const TSpans& sa = a ? *a : none;
    const TSpans& sb = b ? *b : none;
    std::size_t ia = 0, ib = 0;
    bool inA = false, inB = false;
    TSpans out;
    int x = 0;
    bool inside = false;
    while (ia < sa.size() * 2 || ib < sb.size() * 2) {
        // The next edge of either list (an even step enters a span, an odd one leaves it).
        const int ea = ia < sa.size() * 2 ? (ia % 2 ? sa[ia / 2].Right : sa[ia / 2].Left) : 0;
        const int eb = ib < sb.size() * 2 ? (ib % 2 ? sb[ib / 2].Right : sb[ib / 2].Left) : 0;
        const bool takeA = ib >= sb.size() * 2 || (ia < sa.size() * 2 && ea <= eb);
        const bool takeB = ia >= sa.size() * 2 || (ib < sb.size() * 2 && eb <= ea);
        x = takeA ? ea : eb;
        if (takeA) {
            inA = !inA;
            ++ia;
        }
        if (takeB) {
            inB = !inB;
            ++ib;
        }
        const bool now = Inside(inA, inB, mode);
        if (now == inside)
            continue;
        if (now) {
            if (!out.empty() && out.back().Right == x)
                out.back().Right = x; // touching the previous span: it goes on
            else
                out.push_back({x, x});
        } else if (out.back().Left == x) {
            out.pop_back(); // entered and left at the same edge
        } else {
            out.back().Right = x;
        }
        inside = now;
    }
    return out;
}

bool IsOneRect(const TRegion& r) {
    return r.GetBands().size() == 1 && r.GetBands().front().Spans.size() == 1;
}

} // namespace

TRegion::TRegion(const TRect& r) {
    if (!r.IsEmpty())
        Bands.push_back({r.Top, r.Bottom, {{r.Left, r.Right}}});
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
    // United in halves: adding one rectangle at a time to a growing region costs the square.
    struct TBuild {
        const std::vector<TRect>& Rects;
        TRegion Of(std::size_t from, std::size_t to) const {
            if (to - from == 1)
                return TRegion(Rects[from]);
            const std::size_t middle = from + (to - from) / 2;
            return Of(from, middle).United(Of(middle, to));
        }
    };
    return rects.empty() ? TRegion() : TBuild{rects}.Of(0, rects.size());
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
    // The common cases of clipping and invalidating need no sweep.
    if (a.IsEmpty() || b.IsEmpty()) {
        if (mode == rcAnd)
            return {};
        return mode == rcDiff || b.IsEmpty() ? a : b;
    }
    const TRect boundsA = a.GetBounds(), boundsB = b.GetBounds();
    if (!boundsA.Intersects(boundsB) && (mode == rcAnd || mode == rcDiff))
        return mode == rcAnd ? TRegion() : a;
    if (mode == rcAnd && IsOneRect(a) && IsOneRect(b))
        return TRegion(boundsA.Intersected(boundsB));
    if (mode == rcAnd && IsOneRect(b) && boundsB.Contains(boundsA))
        return a;
    if (mode == rcAnd && IsOneRect(a) && boundsA.Contains(boundsB))
        return b;
    if (mode == rcDiff && IsOneRect(b) && boundsB.Contains(boundsA))
        return {};
    if (mode == rcOr && IsOneRect(a) && boundsA.Contains(boundsB))
        return a;
    if (mode == rcOr && IsOneRect(b) && boundsB.Contains(boundsA))
        return b;
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
