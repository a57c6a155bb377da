#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"

class TDC;

// Frames the painters draw, one pixel wide, inside r.

// Left and top in the first colour, right and bottom in the second; drawn in the order left,
// top, right, bottom, so the corners go to the later sides.
void DrawTwoColorFrame(TDC& dc, const TRect& r, TColor topLeft, TColor bottomRight);
void DrawFrame(TDC& dc, const TRect& r, TColor color);
