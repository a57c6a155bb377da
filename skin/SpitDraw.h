#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"

#include <array>

class TBitmap;
class TCanvas;

// The key colour of the skin pictures: pixels of this colour are left out where a picture is
// drawn transparently.
constexpr TColor SkinKeyColor = 0xFF00FF;

// One piece of the nine-piece stretch: the part of the picture and where it lands.
struct TSpitPiece {
    TRect Source;
    TRect Dest;
    bool operator==(const TSpitPiece&) const = default;
};

// The pieces in the order they are drawn.
enum TSpitPart {
    spTopLeft,
    spBottomLeft,
    spLeft,
    spTopRight,
    spBottomRight,
    spRight,
    spTop,
    spCentre,
    spBottom,
};
constexpr int SpitPartCount = 9;

// How a picture of the given size is cut and laid out over a target of the given size (at 0, 0).
// Corners keep their size (cut down to half the target); edges are stretched along their length
// and cut, not scaled, across it; the centre is stretched both ways. A corner that comes out
// empty is an empty rectangle at its corner; a piece with an empty source or destination is not
// drawn.
std::array<TSpitPiece, SpitPartCount> SpitPieces(TSize picture, TSize target);

// Draws picture over dest by the nine pieces. The corners leave out SkinKeyColor only when
// transparent is on; edges and centre always leave it out.
void SpitDraw(const TBitmap& picture, TCanvas& canvas, const TRect& dest, bool transparent);
