#pragma once

#include "platform/core/Geometry.h"
#include "platform/edit/EditScrollInfo.h"

class TDC;

// The parts of a classic scroll bar: two arrow buttons, the page areas either side of the thumb
// and the thumb, whose length shows the page against the range.
enum TScrollBarPart { sbpNone, sbpArrow1, sbpPage1, sbpThumb, sbpPage2, sbpArrow2 };

struct TScrollBarLayout {
    bool Vertical = true;
    bool Enabled = false; // there is something to scroll
    TRect Bar;
    TRect Arrow1;
    TRect Page1;
    TRect Thumb; // empty when disabled or when there is no room
    TRect Page2;
    TRect Arrow2;
    int TrackStart = 0; // first pixel of the track (along the bar)
    int TrackLength = 0;
    int ThumbLength = 0;
};

TScrollBarLayout LayoutScrollBar(const TRect& bar, bool vertical, const TEditScrollInfo& info);
TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& layout, TPoint p);
// The scroll position for a thumb whose leading edge is at the given offset along the track.
int ScrollBarPosForThumb(const TScrollBarLayout& layout, const TEditScrollInfo& info,
                         int thumbOffset);
void DrawScrollBar(TDC& dc, const TScrollBarLayout& layout, TScrollBarPart pressed);
