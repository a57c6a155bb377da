#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/core/PixelBuffer.h"
#include "platform/core/Region.h"

#include <vector>

// A drawing context over a 32-bit pixel buffer (a window's composed image or a bitmap).
//
// Coordinates given to a drawing call are logical: the device point is the logical point plus
// the device origin (where the window's client area starts in the buffer) plus the viewport
// origin. Every drawing call is clipped to the device clip (fixed at creation: the part of the
// buffer the owner may touch, e.g. a window's visible and update region) intersected with the
// selectable clip region. The whole state is saved and restored as a stack.
class TDC {
public:
    // deviceOrigin: buffer position of logical (0,0) before any viewport shift.
    // deviceClip: buffer pixels this context may touch, in buffer coordinates.
    TDC(TPixelBuffer& target, TPoint deviceOrigin, const TRegion& deviceClip);
    // A context over the whole buffer with origin (0,0).
    explicit TDC(TPixelBuffer& target);
    virtual ~TDC() = default;

    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    TPixelBuffer& Target() { return *Buffer; }
    TPoint DeviceOrigin() const { return Origin; }

    // Viewport origin: shifts every later logical coordinate.
    TPoint GetViewportOrg() const { return State.ViewportOrg; }
    TPoint SetViewportOrg(TPoint org);

    // State stack. SaveDC returns the new depth (1 for the first save); RestoreDC(-1) pops one
    // level, RestoreDC(n) returns to the state saved by the save that returned n.
    int SaveDC();
    bool RestoreDC(int level);

    // Clipping, in logical coordinates. The selectable clip starts as "none" (everything).
    void SelectClipRgn(const TRegion* logicalRegion); // nullptr removes the selectable clip
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    bool HasClipRgn() const { return State.HasClip; }
    // The effective clip in logical coordinates.
    TRegion GetClipRegion() const;
    TRect GetClipBox() const;
    bool RectVisible(const TRect& r) const;
    bool PtVisible(TPoint p) const;

    void FillRect(const TRect& r, TColor color);
    TColor GetPixel(TPoint p) const; // 0xFFFFFFFF outside the clip
    void SetPixel(TPoint p, TColor color);

protected:
    struct TState {
        TPoint ViewportOrg;
        bool HasClip = false;
        TRegion Clip; // device coordinates
    };

    TPixelBuffer* Buffer;
    TPoint Origin;
    TRegion DeviceClip;
    TState State;
    std::vector<TState> Saved;

    TPoint ToDevice(TPoint p) const { return p + Origin + State.ViewportOrg; }
    TRect ToDevice(const TRect& r) const { return r.Offset(Origin + State.ViewportOrg); }
    TPoint DeviceShift() const { return Origin + State.ViewportOrg; }
    // The effective clip in device coordinates.
    TRegion EffectiveClip() const;
    // Fills device pixels of r (device coordinates) inside the effective clip.
    void FillDeviceRect(const TRect& r, TPixel px);
};
