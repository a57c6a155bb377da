#pragma once

#include "platform/core/Geometry.h"

#include <vector>

// A set of pixels made of rectangles. It is kept in a canonical banded form: horizontal bands
// sorted top to bottom, each with sorted, disjoint, non-touching spans, and no two touching bands
// with the same spans. Equal pixel sets therefore have equal representations.
class TRegion {
public:
    struct TSpan {
        int Left;
        int Right;
        bool operator==(const TSpan&) const = default;
    };
    struct TBand {
        int Top;
        int Bottom;
        std::vector<TSpan> Spans;
        bool operator==(const TBand&) const = default;
    };

    enum TCombineMode { rcAnd, rcOr, rcXor, rcDiff, rcCopy };

    TRegion() = default;
    explicit TRegion(const TRect& r);
    static TRegion FromRects(const std::vector<TRect>& rects);

    bool IsEmpty() const { return Bands.empty(); }
    TRect GetBounds() const;
    // The rectangles of the region, band by band, left to right.
    std::vector<TRect> GetRects() const;
    const std::vector<TBand>& GetBands() const { return Bands; }

    bool Contains(TPoint p) const;
    bool Intersects(const TRect& r) const;
    // True when every pixel of r lies inside the region.
    bool ContainsRect(const TRect& r) const;

    TRegion United(const TRegion& o) const { return Combine(*this, o, rcOr); }
    TRegion Intersected(const TRegion& o) const { return Combine(*this, o, rcAnd); }
    TRegion Subtracted(const TRegion& o) const { return Combine(*this, o, rcDiff); }
    TRegion Xored(const TRegion& o) const { return Combine(*this, o, rcXor); }
    TRegion Offset(int dx, int dy) const;
    TRegion Offset(TPoint d) const { return Offset(d.X, d.Y); }

    void Unite(const TRegion& o) { *this = United(o); }
    void Intersect(const TRegion& o) { *this = Intersected(o); }
    void Subtract(const TRegion& o) { *this = Subtracted(o); }
    void Unite(const TRect& r) { Unite(TRegion(r)); }
    void Intersect(const TRect& r) { Intersect(TRegion(r)); }
    void Subtract(const TRect& r) { Subtract(TRegion(r)); }

    static TRegion Combine(const TRegion& a, const TRegion& b, TCombineMode mode);

    bool operator==(const TRegion&) const = default;

private:
    std::vector<TBand> Bands;

    void AppendBand(int top, int bottom, std::vector<TSpan>&& spans);
};
