#include "platform/draw/RegionShapes.h"

#include "platform/draw/DrawTypes.h"

#include <algorithm>
#include <cmath>

std::vector<TRowSpan> RoundBoxSpans(const TRect& box, int ew, int eh) {
    std::vector<TRowSpan> rows;
    if (box.IsEmpty())
        return rows;
    const double w = box.Width();
    const double h = box.Height();
    const double rx = std::clamp(double(ew), 0.0, w) / 2.0;
    const double ry = std::clamp(double(eh), 0.0, h) / 2.0;
    rows.resize(std::size_t(box.Height()));
    for (int y = box.Top; y < box.Bottom; ++y) {
        const double py = y + 0.5;
        double dy = 0;
        if (py < box.Top + ry)
            dy = box.Top + ry - py;
        else if (py > box.Bottom - ry)
            dy = py - (box.Bottom - ry);
        double ex = rx;
        if (dy > 0 && ry > 0) {
            double t = 1.0 - (dy / ry) * (dy / ry);
            ex = t > 0 ? rx * std::sqrt(t) : -1;
        }
        TRowSpan& s = rows[std::size_t(y - box.Top)];
        if (ex < 0) {
            s = {box.Left, box.Left};
            continue;
        }
        const double eps = 1e-9;
        // Pixel x is inside when its centre x + 0.5 lies within [left edge, right edge].
        s.Left = int(std::ceil(box.Left + rx - ex - 0.5 - eps));
        s.Right = int(std::floor(box.Right - rx + ex - 0.5 + eps)) + 1;
        s.Left = std::max(s.Left, box.Left);
        s.Right = std::min(s.Right, box.Right);
    }
    return rows;
}

std::vector<TRowSpan> ErodeSpans(const std::vector<TRowSpan>& rows, int n) {
    std::vector<TRowSpan> cur = rows;
    for (int k = 0; k < n; ++k) {
        std::vector<TRowSpan> next(cur.size());
        for (std::size_t i = 0; i < cur.size(); ++i) {
            if (i == 0 || i + 1 == cur.size()) {
                next[i] = {0, 0};
                continue;
            }
            const TRowSpan& a = cur[i - 1];
            const TRowSpan& b = cur[i];
            const TRowSpan& c = cur[i + 1];
            next[i].Left = std::max({b.Left + 1, a.Left, c.Left});
            next[i].Right = std::min({b.Right - 1, a.Right, c.Right});
        }
        cur = std::move(next);
    }
    return cur;
}

TRegion SpansToRegion(int top, const std::vector<TRowSpan>& rows) {
    std::vector<TRect> rects;
    rects.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Right > rows[i].Left)
            rects.push_back({rows[i].Left, top + int(i), rows[i].Right, top + int(i) + 1});
    return TRegion::FromRects(rects);
}

TRegion CreateRectRgn(int left, int top, int right, int bottom) {
    return TRegion(TRect(left, top, right, bottom).Normalized());
}

TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ew, int eh) {
    TRect box = TRect(left, top, right, bottom).Normalized();
    box.Right -= 1;
    box.Bottom -= 1;
    // Corner ellipses count from pixel centre to pixel centre, as for RoundRect.
    ew = std::abs(ew);
    eh = std::abs(eh);
    return SpansToRegion(box.Top, RoundBoxSpans(box, ew ? ew + 1 : 0, eh ? eh + 1 : 0));
}

TRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
    TRect box = TRect(left, top, right, bottom).Normalized();
    return CreateRoundRectRgn(box.Left, box.Top, box.Right, box.Bottom, box.Width() - 1,
                              box.Height() - 1);
}

int CombineRgn(TRegion& dst, const TRegion& a, const TRegion& b, int mode) {
    switch (mode) {
    case RGN_AND:
        dst = a.Intersected(b);
        break;
    case RGN_OR:
        dst = a.United(b);
        break;
    case RGN_XOR:
        dst = a.Xored(b);
        break;
    case RGN_DIFF:
        dst = a.Subtracted(b);
        break;
    case RGN_COPY:
        dst = a;
        break;
    default:
        return RGN_ERROR;
    }
    if (dst.IsEmpty())
        return NULLREGION;
    return dst.GetRects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool EqualRgn(const TRegion& a, const TRegion& b) {
    return a == b;
}

bool PtInRegion(const TRegion& r, int x, int y) {
    return r.Contains({x, y});
}

bool RectInRegion(const TRegion& r, const TRect& rect) {
    return r.Intersects(rect.Normalized());
}
