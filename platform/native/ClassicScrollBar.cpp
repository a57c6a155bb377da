#include "platform/native/ClassicScrollBar.h"

#include "platform/draw/DC.h"

#include <algorithm>

namespace {
constexpr int kMinThumb = 8;

int Along(const TRect& r, bool vertical) {
    return vertical ? r.Height() : r.Width();
}

void DrawArrow(TDC& dc, const TRect& r, bool vertical, bool first, bool enabled, bool pushed) {
    if (pushed) {
        dc.FrameRect(r, TLogBrush{BS_SOLID, clBtnShadow, nullptr});
        dc.FillRect(r.Inflated(-1, -1), clBtnFace);
    } else {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    // A small solid triangle pointing away from the track.
    TPoint c = r.CenterPoint();
    if (pushed)
        c = c + TPoint{1, 1};
    auto paint = [&](TPoint at, TColor color) {
        for (int i = 0; i < 4; ++i) {
            int half = i;
            int line = first ? at.Y - 2 + i : at.Y + 1 - i;
            if (vertical) {
                dc.FillRect(TRect(at.X - half, line, at.X + half + 1, line + 1), color);
            } else {
                int col = first ? at.X - 2 + i : at.X + 1 - i;
                dc.FillRect(TRect(col, at.Y - half, col + 1, at.Y + half + 1), color);
            }
        }
    };
    if (enabled) {
        paint(c, clBtnText);
    } else {
        paint(c + TPoint{1, 1}, clBtnHighlight);
        paint(c, clBtnShadow);
    }
}
} // namespace

TScrollBarLayout LayoutScrollBar(const TRect& bar, bool vertical, const TEditScrollInfo& info) {
    TScrollBarLayout l;
    l.Vertical = vertical;
    l.Bar = bar;
    int length = Along(bar, vertical);
    int thickness = vertical ? bar.Width() : bar.Height();
    int arrow = std::min(thickness, length / 2);
    if (vertical) {
        l.Arrow1 = TRect(bar.Left, bar.Top, bar.Right, bar.Top + arrow);
        l.Arrow2 = TRect(bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom);
    } else {
        l.Arrow1 = TRect(bar.Left, bar.Top, bar.Left + arrow, bar.Bottom);
        l.Arrow2 = TRect(bar.Right - arrow, bar.Top, bar.Right, bar.Bottom);
    }
    l.TrackStart = arrow;
    l.TrackLength = std::max(0, length - 2 * arrow);
    int range = info.Max - info.Min + 1;
    l.Enabled = range > std::max(info.Page, 0) && info.Max > info.Min;
    int origin = vertical ? bar.Top : bar.Left;
    auto span = [&](int from, int to) {
        return vertical ? TRect(bar.Left, origin + from, bar.Right, origin + to)
                        : TRect(origin + from, bar.Top, origin + to, bar.Bottom);
    };
    int trackEnd = l.TrackStart + l.TrackLength;
    if (!l.Enabled || l.TrackLength < kMinThumb) {
        l.Page1 = span(l.TrackStart, trackEnd);
        return l;
    }
    int page = std::max(info.Page, 0);
    l.ThumbLength = page > 0 ? std::max(kMinThumb, l.TrackLength * page / range)
                             : std::min(thickness, l.TrackLength);
    l.ThumbLength = std::min(l.ThumbLength, l.TrackLength);
    int scrollable = std::max(1, range - std::max(page, 1) + (page > 0 ? 0 : 1));
    int pos = std::clamp(info.Pos - info.Min, 0, scrollable);
    int offset = (l.TrackLength - l.ThumbLength) * pos / scrollable;
    int thumbStart = l.TrackStart + offset;
    l.Page1 = span(l.TrackStart, thumbStart);
    l.Thumb = span(thumbStart, thumbStart + l.ThumbLength);
    l.Page2 = span(thumbStart + l.ThumbLength, trackEnd);
    return l;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& l, TPoint p) {
    if (!l.Bar.Contains(p))
        return sbpNone;
    if (l.Arrow1.Contains(p))
        return sbpArrow1;
    if (l.Arrow2.Contains(p))
        return sbpArrow2;
    if (!l.Enabled)
        return sbpNone;
    if (l.Thumb.Contains(p))
        return sbpThumb;
    if (l.Page1.Contains(p))
        return sbpPage1;
    if (l.Page2.Contains(p))
        return sbpPage2;
    return sbpNone;
}

int ScrollBarPosForThumb(const TScrollBarLayout& l, const TEditScrollInfo& info, int offset) {
    int range = info.Max - info.Min + 1;
    int page = std::max(info.Page, 1);
    int scrollable = std::max(0, range - page);
    int room = l.TrackLength - l.ThumbLength;
    if (room <= 0 || scrollable <= 0)
        return info.Min;
    offset = std::clamp(offset, 0, room);
    return info.Min + (offset * scrollable + room / 2) / room;
}

void DrawScrollBar(TDC& dc, const TScrollBarLayout& l, TScrollBarPart pressed) {
    // The track: the classic checker of the face and highlight colours.
    TRect track = l.Vertical ? TRect(l.Bar.Left, l.Arrow1.Bottom, l.Bar.Right, l.Arrow2.Top)
                             : TRect(l.Arrow1.Right, l.Bar.Top, l.Arrow2.Left, l.Bar.Bottom);
    dc.FillRect(track, clBtnHighlight);
    for (int y = track.Top; y < track.Bottom; ++y)
        for (int x = track.Left + ((y + track.Left) & 1); x < track.Right; x += 2)
            dc.SetPixel({x, y}, clBtnFace);
    if (pressed == sbpPage1 && !l.Page1.IsEmpty())
        dc.FillRect(l.Page1, cl3DDkShadow);
    if (pressed == sbpPage2 && !l.Page2.IsEmpty())
        dc.FillRect(l.Page2, cl3DDkShadow);
    DrawArrow(dc, l.Arrow1, l.Vertical, true, l.Enabled, pressed == sbpArrow1);
    DrawArrow(dc, l.Arrow2, l.Vertical, false, l.Enabled, pressed == sbpArrow2);
    if (!l.Thumb.IsEmpty())
        dc.DrawFrameControl(l.Thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}
