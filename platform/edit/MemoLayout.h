#pragma once

#include "platform/edit/EditCharWidths.h"

#include <cstddef>
#include <string_view>
#include <vector>

// One visual line of a memo: the characters [Start, End) shown on it, and the start of the next
// visual line. After a line break (CR LF) Next is End + 2; where a long line wraps, Next equals
// End, so that offset is both the end of this line and the start of the next one.
struct TMemoLine {
    std::size_t Start = 0;
    std::size_t End = 0;
    std::size_t Next = 0;
    int Width = 0; // pixels
    bool Wrapped() const { return Next == End && End > Start; }
};

// Cuts a memo's text into visual lines. Lines end at CR LF; a lone CR or LF is an ordinary
// character of no width. With a wrap width, a line longer than the width wraps after the last
// space that fits, or between double-byte characters (before or after one), and a word longer
// than the width is cut between characters. Spaces at the end of a wrapped line hang over the
// width instead of starting the next line. A tab advances to the next tab stop.
class TMemoLayout {
public:
    void SetMeasure(TEditMeasure measure) { FWidths.SetMeasure(std::move(measure)); }
    // 0 or less: no wrapping.
    void SetWrapWidth(int width) { FWrapWidth = width; }
    int WrapWidth() const { return FWrapWidth; }
    // Distance of the tab stops in pixels; 0 (the default): the width of eight spaces.
    void SetTabWidth(int width) { FTabWidth = width; }
    int TabWidth();

    void Layout(std::string_view text);
    // Lays out again only the lines a change touched (Removed bytes at Pos replaced by Inserted
    // bytes; text is the text after the change) and moves the lines after them.
    void Update(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted);

    std::size_t LineCount() const { return FLines.size(); }
    const TMemoLine& Line(std::size_t index) const { return FLines[index]; }
    // Widest visual line in pixels.
    int MaxWidth() const { return FMaxWidth; }

    // The visual line holding an offset. At a wrap point the offset starts the next line, unless
    // atLineEnd asks for the end of the previous one (a caret put there by End or a click).
    std::size_t LineOf(std::size_t offset, bool atLineEnd = false) const;
    // Pixel x of an offset on a visual line, from the line's start.
    int XOf(std::string_view text, std::size_t line, std::size_t offset);
    // The character boundary of a visual line nearest to x. atLineEnd tells whether the result
    // is the end of a wrapped line (shown at the end of this line, not the start of the next).
    std::size_t OffsetAt(std::string_view text, std::size_t line, int x, bool& atLineEnd);

private:
    // Lays out the logical lines of [start, end), where end is the end of the text or just after
    // a line break.
    void LayoutRange(std::string_view text, std::size_t start, std::size_t end,
                     std::vector<TMemoLine>& out);
    void LayoutLogicalLine(std::string_view text, std::size_t start, std::size_t end,
                           std::vector<TMemoLine>& out);
    void AddLine(std::string_view text, std::size_t start, std::size_t end, std::size_t next,
                 std::vector<TMemoLine>& out);
    // The first and last visual lines of the logical line holding a visual line.
    std::size_t LogicalFirst(std::size_t line) const;
    std::size_t LogicalLast(std::size_t line) const;
    void UpdateMaxWidth();
    // Width of the character at pos drawn at x pixels from its line's start.
    int Advance(std::string_view text, std::size_t pos, int x);
    // Width of [start, end) of a line that starts at lineStart.
    int Span(std::string_view text, std::size_t lineStart, std::size_t end);

    TEditCharWidths FWidths;
    int FWrapWidth = 0;
    int FTabWidth = 0;
    std::vector<TMemoLine> FLines;
    int FMaxWidth = 0;
};
