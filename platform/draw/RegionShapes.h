#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Region.h"

#include <vector>

// Pixel coverage of the rounded shapes the drawing layer shares between primitives and regions.

// One row of a convex shape: pixels Left <= x < Right (empty when Right <= Left).
struct TRowSpan {
    int Left = 0;
    int Right = 0;
};

// Rows box.Top .. box.Bottom-1 of a rectangle with elliptic corners of ew x eh (clamped to the
// box; 0 gives square corners; ew = width and eh = height give an ellipse). A pixel belongs to the
// shape when its centre lies inside the shape.
std::vector<TRowSpan> RoundBoxSpans(const TRect& box, int ew, int eh);
// Shrinks a convex shape by n pixels along the four axis directions (the part left once n rings
// of edge pixels are peeled off).
std::vector<TRowSpan> ErodeSpans(const std::vector<TRowSpan>& rows, int n);
TRegion SpansToRegion(int top, const std::vector<TRowSpan>& rows);

// Region constructors with the platform's coordinates: CreateRectRgn covers the rectangle's
// pixels; the rounded and elliptic regions, like the platform's, leave out the last column and
// row (a window region for a W x H window is built from (0, 0, W + 1, H + 1)).
TRegion CreateRectRgn(int left, int top, int right, int bottom);
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ew, int eh);
TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
// dst := a op b (RGN_AND/OR/XOR/DIFF/COPY); answers NULLREGION, SIMPLEREGION or COMPLEXREGION.
int CombineRgn(TRegion& dst, const TRegion& a, const TRegion& b, int mode);
bool EqualRgn(const TRegion& a, const TRegion& b);
bool PtInRegion(const TRegion& r, int x, int y);
bool RectInRegion(const TRegion& r, const TRect& rect);
