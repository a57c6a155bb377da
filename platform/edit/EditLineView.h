#pragma once

#include "platform/edit/EditAlign.h"
#include "platform/edit/EditCharWidths.h"
#include "platform/edit/EditText.h"

#include <cstddef>
#include <string>
#include <vector>

// Where a single-line edit shows its text: the horizontal scroll offset that keeps the caret
// visible, the alignment, the margins and the mapping between client x and text offsets. The
// caret is 1 pixel wide and stays fully inside the area between the margins.
//
// When the caret leaves the visible area the text scrolls a quarter of that area further, so
// typing at the right edge does not scroll on every character; it never scrolls beyond the end
// of the text (plus the caret).
class TEditLineView {
public:
    void SetMeasure(TEditMeasure measure) { FWidths.SetMeasure(std::move(measure)); }
    void SetClientWidth(int width) { FClientWidth = width; }
    void SetMargins(int left, int right) {
        FLeftMargin = left;
        FRightMargin = right;
    }
    void SetAlign(TEditAlign align) { FAlign = align; }
    int ClientWidth() const { return FClientWidth; }
    int LeftMargin() const { return FLeftMargin; }
    int RightMargin() const { return FRightMargin; }
    TEditAlign Align() const { return FAlign; }

    // Measures the text (as its password characters when it has one) and scrolls so that the
    // caret is visible. Call after every change of the text, caret, settings or size.
    void Update(const TEditText& text);
    // The text as drawn: one password character per character in a password edit.
    const std::string& DisplayText() const { return FDisplay; }

    // Pixels of text scrolled out on the left.
    int ScrollX() const { return FScrollX; }
    // Client x where the text's first character is drawn (margin, alignment and scrolling).
    int TextX() const;
    // Client x of the boundary at a text offset, and of the caret.
    int XOfOffset(std::size_t offset) const;
    int CaretX() const { return XOfOffset(FCaret); }
    int TextWidth() const { return FXs.back(); }
    // The character boundary nearest to a client x (clicks left of the text give 0, right of
    // it the end).
    std::size_t HitTest(int x) const;

private:
    int ViewWidth() const;
    int AlignOffset() const;

    TEditCharWidths FWidths;
    int FClientWidth = 0;
    int FLeftMargin = 0;
    int FRightMargin = 0;
    TEditAlign FAlign = eaLeft;
    std::string FDisplay;
    std::vector<std::size_t> FOffsets{0}; // character boundaries of the text
    std::vector<int> FXs{0};              // x of each boundary from the text's start
    std::size_t FCaret = 0;
    int FScrollX = 0;
};
