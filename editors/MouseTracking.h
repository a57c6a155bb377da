#pragma once

#include "platform/core/Geometry.h"

class TWinControl;

// Told once when the cursor has left the bounds it was tracked over.
class IcxMouseTrackingCaller {
public:
    virtual ~IcxMouseTrackingCaller() = default;
    virtual void MouseTrackingCallerMouseLeave() = 0;
};

// A caller that decides itself whether a point (in the control's client coordinates) is still
// inside, instead of the rectangle given when the tracking began.
class IcxMouseTrackingCaller2 : public IcxMouseTrackingCaller {
public:
    virtual bool PtInCaller(TPoint clientPoint) = 0;
};

// The mouse-tracking service: while a caller is tracked, a 10-millisecond timer tests the cursor
// against the bounds (client coordinates of control, saved in screen coordinates). Once the
// cursor is outside, the control gets CM_MOUSELEAVE when the cursor is also outside its client
// area, the caller gets MouseTrackingCallerMouseLeave, and the tracking ends.
//
// A caller is tracked at most once: BeginMouseTracking does nothing for a tracked caller. A
// caller must end its tracking before it or its control is destroyed.
void BeginMouseTracking(TWinControl* control, const TRect& bounds, IcxMouseTrackingCaller* caller);
void EndMouseTracking(IcxMouseTrackingCaller* caller);
bool IsMouseTracking(IcxMouseTrackingCaller* caller);

// The tracking interval in milliseconds.
constexpr unsigned cxMouseTrackingInterval = 10;
