#pragma once

#include <algorithm>

// Points, sizes and rectangles in pixels. A rectangle covers Left <= x < Right and
// Top <= y < Bottom: its right and bottom edges are exclusive.

struct TPoint {
    int X = 0;
    int Y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}

    constexpr TPoint operator+(TPoint o) const { return {X + o.X, Y + o.Y}; }
    constexpr TPoint operator-(TPoint o) const { return {X - o.X, Y - o.Y}; }
    constexpr TPoint& operator+=(TPoint o) {
        X += o.X;
        Y += o.Y;
        return *this;
    }
    constexpr TPoint& operator-=(TPoint o) {
        X -= o.X;
        Y -= o.Y;
        return *this;
    }
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;

    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    constexpr bool IsEmpty() const { return cx <= 0 || cy <= 0; }
    constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}
    constexpr TRect(TPoint topLeft, TSize size)
        : Left(topLeft.X), Top(topLeft.Y), Right(topLeft.X + size.cx), Bottom(topLeft.Y + size.cy) {
    }

    static constexpr TRect FromXYWH(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TSize Size() const { return {Width(), Height()}; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr TPoint CenterPoint() const { return {(Left + Right) / 2, (Top + Bottom) / 2}; }

    // Empty when it covers no pixel (also when it is inverted).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr bool Contains(const TRect& r) const {
        return r.IsEmpty() ||
               (r.Left >= Left && r.Right <= Right && r.Top >= Top && r.Bottom <= Bottom);
    }
    constexpr bool Intersects(const TRect& r) const { return !Intersected(r).IsEmpty(); }

    constexpr TRect Offset(int dx, int dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    constexpr TRect Offset(TPoint d) const { return Offset(d.X, d.Y); }
    constexpr TRect Inflated(int dx, int dy) const {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    // The common part; an empty rectangle (all zero) when there is none.
    constexpr TRect Intersected(const TRect& r) const {
        TRect o{std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right),
                std::min(Bottom, r.Bottom)};
        return o.IsEmpty() ? TRect{} : o;
    }
    // The smallest rectangle holding both; an empty operand adds nothing.
    constexpr TRect United(const TRect& r) const {
        if (r.IsEmpty())
            return IsEmpty() ? TRect{} : *this;
        if (IsEmpty())
            return r;
        return {std::min(Left, r.Left), std::min(Top, r.Top), std::max(Right, r.Right),
                std::max(Bottom, r.Bottom)};
    }
    // Left <= Right and Top <= Bottom.
    constexpr TRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
                std::max(Top, Bottom)};
    }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect::FromXYWH(left, top, width, height);
}
constexpr TPoint Point(int x, int y) {
    return {x, y};
}
