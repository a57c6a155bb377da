#pragma once

#include "editors/ContainerTypes.h"
#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/core/Region.h"
#include "platform/draw/Canvas.h"

#include <vector>

// The drawing primitives of the editor controls over a canvas: frames of a given width on
// chosen sides, two-coloured frames and 3-D edges, fills, and saved clip regions.
class TcxCanvas {
public:
    explicit TcxCanvas(TCanvas* canvas = nullptr) : FCanvas(canvas) {}

    TCanvas* Canvas() const { return FCanvas; }
    void SetCanvas(TCanvas* canvas) { FCanvas = canvas; }
    TDC* Handle() { return FCanvas ? FCanvas->Handle() : nullptr; }
    TBrush& Brush() { return FCanvas->Brush(); }
    TFont& Font() { return FCanvas->Font(); }

    // Fills r; clcxDefault keeps the current brush.
    void FillRect(const TRect& r, TColor color = clcxDefault);
    // Strips of lineWidth inside r along the given sides (left, right, top, bottom, each clipped
    // to r), optionally excluded from the clip afterwards. Nothing for an empty rectangle;
    // clcxDefault keeps the current brush.
    void FrameRect(const TRect& r, TColor color = clcxDefault, int lineWidth = 1,
                   TcxBorders borders = cxBordersAll, bool excludeFrame = false);
    // Strips of the given sides in the order left, top, right, bottom: left and top in
    // leftTopColor, right and bottom in rightBottomColor, later strips covering the corners.
    void DrawComplexFrame(const TRect& r, TColor leftTopColor, TColor rightBottomColor,
                          TcxBorders borders = cxBordersAll, int lineWidth = 1);
    // A one-pixel 3-D edge.
    void DrawEdge(const TRect& r, bool sunken, bool outer, TcxBorders borders = cxBordersAll);
    // The canvas text height of "Qq" in font.
    int FontHeight(const TFont& font);

    bool RectVisible(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    // Saves the clip and puts it back (a stack).
    void SaveClipRegion();
    void RestoreClipRegion();

private:
    TCanvas* FCanvas;
    struct TSavedClip {
        bool HasClip;
        TRegion Region;
    };
    std::vector<TSavedClip> FSavedClips;
};
