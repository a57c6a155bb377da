#pragma once

// Horizontal alignment of an edit's text; the values are the alignment bits of the edit's
// window style (left 0, centre 1, right 2).
enum TEditAlign { eaLeft = 0, eaCenter = 1, eaRight = 2 };

// Where a text of a given width starts in a view: nothing for left alignment or when the text
// (with the 1-pixel caret after it) does not fit, else half or all of the free space.
constexpr int EditAlignOffset(TEditAlign align, int viewWidth, int textWidth) {
    int free = viewWidth - (textWidth + 1);
    if (free <= 0)
        return 0;
    switch (align) {
    case eaCenter:
        return free / 2;
    case eaRight:
        return free;
    case eaLeft:
        break;
    }
    return 0;
}
