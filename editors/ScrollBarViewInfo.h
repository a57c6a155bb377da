#pragma once

#include "platform/core/Geometry.h"

class TcxScrollBar;

// Where the parts of a scroll bar lie, in its client coordinates: the two arrows, the thumb and
// the page areas either side of it. An empty thumb (no room, nothing to scroll or a disabled
// bar) leaves both page areas empty too.
class TcxScrollBarViewInfo {
public:
    explicit TcxScrollBarViewInfo(TcxScrollBar& scrollBar) : FScrollBar(scrollBar) {}
    TcxScrollBarViewInfo(const TcxScrollBarViewInfo&) = delete;
    TcxScrollBarViewInfo& operator=(const TcxScrollBarViewInfo&) = delete;

    // Arrows first, then the thumb and the page areas.
    void Calculate() { CalculateRects(); }
    void CalculateRects();
    void CalculateThumbnailRect();
    // The page areas from the thumb: from the first arrow to the thumb, from the thumb to the
    // second arrow.
    void AdjustPageRects();
    // Moves the thumb's leading edge to pos (along the bar) and adjusts the page areas.
    void SetThumbnailPos(int pos);
    // The painter's minimal thumb length for the bar's orientation.
    void CalculateMinThumnailSize();

    TRect TopLeftArrowRect;
    TRect BottomRightArrowRect;
    TRect ThumbnailRect;
    TRect PageUpRect;
    TRect PageDownRect;
    int MinThumbnailSize = 8;

    // Along the bar: where the first arrow ends, where the second begins, the thumb's start and
    // length.
    int TrackStart() const;
    int TrackEnd() const;
    int ThumbnailStart() const;
    int ThumbnailLength() const;

private:
    bool Vertical() const;
    // The rectangle spanning [start, end) along the bar and the bar's full width across it.
    TRect Span(int start, int end) const;

    TcxScrollBar& FScrollBar;
};
