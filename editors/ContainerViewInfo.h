#pragma once

#include "editors/ContainerTypes.h"
#include "editors/cxCanvas.h"
#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/core/Region.h"

class TcxContainer;

// The geometry and colours of a container, recomputed on every refresh: the control rectangle
// (0, 0, Width, Height), the inner rectangle (less the border extent; the background fills it),
// the client rectangle (where the inner control goes), the border and the state.
class TcxContainerViewInfo {
public:
    TcxContainerViewInfo() = default;
    virtual ~TcxContainerViewInfo() = default;

    TColor BackgroundColor = clWindow;
    TRect Bounds;
    TRect InnerRect;
    TRect ClientRect;
    TColor BorderColor = clBtnShadow;
    TcxContainerBorderStyle BorderStyle = cbsNone;
    int BorderWidth = 0;
    TcxContainerState ContainerState = ContainerStateBit(csNormal);
    TcxContainerHotState HotState = chsNoHotTrack;
    TcxBorders Edges = cxBordersAll;
    bool Shadow = false;
    bool NativeStyle = false;
    // A skin painter of the look-and-feel draws the frame when set (no skin exists here).
    bool HasSkinPainter = false;
    int NativePart = 1;
    int NativeState = 1;

    virtual void DrawBorder(TcxCanvas& canvas, const TRect& r);
    virtual TcxContainerBorderStyle GetContainerBorderStyle() const { return BorderStyle; }
    virtual void SetBackgroundColor(TColor color) { BackgroundColor = color; }
    // Copies the client rectangle.
    virtual void Assign(const TcxContainerViewInfo& source) { ClientRect = source.ClientRect; }
    virtual TRegion GetUpdateRegion() const { return TRegion(); }
    // Moves the three rectangles.
    virtual void Offset(int dx, int dy);
    void Paint(TcxCanvas& canvas) { InternalPaint(canvas); }
    // Whether both would look the same on screen (geometry, state, colours, border).
    bool SameLook(const TcxContainerViewInfo& other) const;

protected:
    virtual void InternalPaint(TcxCanvas& canvas);
    // The shadow against r: a strip under it and a strip right of it, each excluded from the
    // clip once drawn.
    void DrawShadow(TcxCanvas& canvas, const TRect& r);
};
