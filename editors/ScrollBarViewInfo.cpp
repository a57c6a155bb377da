#include "editors/ScrollBarViewInfo.h"

#include "editors/ScrollBar.h"
#include "platform/core/MulDiv.h"
#include "platform/window/WinApi.h"
#include "platform/window/WinConst.h"

#include <algorithm>

bool TcxScrollBarViewInfo::Vertical() const {
    return FScrollBar.Kind() == sbVertical;
}

TRect TcxScrollBarViewInfo::Span(int start, int end) const {
    if (Vertical())
        return TRect(0, start, FScrollBar.Width(), end);
    return TRect(start, 0, end, FScrollBar.Height());
}

int TcxScrollBarViewInfo::TrackStart() const {
    return Vertical() ? TopLeftArrowRect.Bottom : TopLeftArrowRect.Right;
}

int TcxScrollBarViewInfo::TrackEnd() const {
    return Vertical() ? BottomRightArrowRect.Top : BottomRightArrowRect.Left;
}

int TcxScrollBarViewInfo::ThumbnailStart() const {
    return Vertical() ? ThumbnailRect.Top : ThumbnailRect.Left;
}

int TcxScrollBarViewInfo::ThumbnailLength() const {
    return Vertical() ? ThumbnailRect.Height() : ThumbnailRect.Width();
}

void TcxScrollBarViewInfo::CalculateMinThumnailSize() {
    MinThumbnailSize = FScrollBar.Painter()->ScrollBarMinimalThumbSize(!Vertical());
}

void TcxScrollBarViewInfo::CalculateRects() {
    const int w = FScrollBar.Width(), h = FScrollBar.Height();
    if (Vertical()) {
        int a = std::min(GetSystemMetrics(SM_CXVSCROLL), h / 2);
        TopLeftArrowRect = TRect(0, 0, w, a);
        BottomRightArrowRect = TRect(0, h - a, w, h);
    } else {
        int a = std::min(GetSystemMetrics(SM_CYHSCROLL), w / 2);
        TopLeftArrowRect = TRect(0, 0, a, h);
        BottomRightArrowRect = TRect(w - a, 0, w, h);
    }
    CalculateThumbnailRect();
}

void TcxScrollBarViewInfo::CalculateThumbnailRect() {
    ThumbnailRect = TRect();
    PageUpRect = TRect();
    PageDownRect = TRect();
    if (!FScrollBar.Enabled())
        return;
    const int min = FScrollBar.Min(), max = FScrollBar.Max(), page = FScrollBar.PageSize();
    const int position = FScrollBar.Position();
    const int start = TrackStart();
    const int track = TrackEnd() - start;
    int length, offset;
    if (page != 0) {
        if (track < MinThumbnailSize || max == min)
            return;
        length = std::min(track, MulDiv(page, track, max - min + 1));
        length = std::max(length, MinThumbnailSize);
        int range = max - min - page + 1;
        offset = range > 0 ? MulDiv(track - length, std::min(position - min, range), range) : 0;
    } else {
        length = GetSystemMetrics(Vertical() ? SM_CYVTHUMB : SM_CXHTHUMB);
        if (track < length)
            return;
        offset = track - length <= 0 || max == min
                     ? 0
                     : MulDiv(track - length, position - min, max - min);
    }
    offset = std::clamp(offset, 0, std::max(track - length, 0));
    ThumbnailRect = Span(start + offset, start + offset + length);
    AdjustPageRects();
}

void TcxScrollBarViewInfo::AdjustPageRects() {
    if (ThumbnailRect.IsEmpty()) {
        PageUpRect = TRect();
        PageDownRect = TRect();
        return;
    }
    PageUpRect = Span(TrackStart(), ThumbnailStart());
    PageDownRect = Span(ThumbnailStart() + ThumbnailLength(), TrackEnd());
}

void TcxScrollBarViewInfo::SetThumbnailPos(int pos) {
    int length = ThumbnailLength();
    ThumbnailRect = Span(pos, pos + length);
    AdjustPageRects();
}
