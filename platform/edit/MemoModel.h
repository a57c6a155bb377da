#pragma once

#include "platform/core/Geometry.h"
#include "platform/edit/EditAlign.h"
#include "platform/edit/EditCharWidths.h"
#include "platform/edit/EditScrollInfo.h"
#include "platform/edit/EditText.h"
#include "platform/edit/MemoLayout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Caret movements of a memo's keyboard: the edit's character and word moves, plus moves by
// visual line (Up, Down, Page Up, Page Down, Home, End) and Ctrl+Home/Ctrl+End.
enum TMemoMove {
    mmCharLeft,
    mmCharRight,
    mmWordLeft,
    mmWordRight,
    mmLineUp,
    mmLineDown,
    mmPageUp,
    mmPageDown,
    mmLineStart,
    mmLineEnd,
    mmTextStart,
    mmTextEnd,
};

// The behaviour of a multi-line edit apart from its window: the text (a multi-line TEditText),
// its visual lines (wrapped at the client width or scrolled horizontally), the caret by visual
// line with a preferred x, vertical and horizontal scrolling, and the line list of the program
// (Lines.Add).
//
// Editing goes through Text(); the layout follows the text's changes by itself. After a user
// edit the window calls ScrollCaret, as the edit shows the caret after every keystroke.
//
// Client coordinates: the text area starts at the left margin; visual line i is drawn at
// y = (i - FirstVisibleLine()) * LineHeight() and x = LineX(i).
class TMemoModel {
public:
    TMemoModel();

    TEditText& Text() { return FText; }
    const TEditText& Text() const { return FText; }

    // --- View settings -------------------------------------------------------------------
    void SetMeasure(TEditMeasure measure);
    void SetClientSize(int width, int height);
    void SetMargins(int left, int right);
    void SetLineHeight(int height);
    // Word wrap at the client width (on by default); off, long lines scroll horizontally.
    void SetWordWrap(bool value);
    bool WordWrap() const { return FWordWrap; }
    // Each visual line is aligned within the client width on its own.
    void SetAlign(TEditAlign align);
    TEditAlign Align() const { return FAlign; }
    // Distance of the tab stops in pixels (0: eight spaces).
    void SetTabWidth(int width);
    int LineHeight() const { return FLineHeight; }
    int LeftMargin() const { return FLeftMargin; }
    int RightMargin() const { return FRightMargin; }

    // --- Visual lines --------------------------------------------------------------------
    std::size_t VisualLineCount();
    const TMemoLine& VisualLine(std::size_t index);
    // The visual line holding an offset (at a wrap point: the line it starts).
    std::size_t VisualLineOf(std::size_t offset);
    // The visual line the caret is on (at a wrap point, the one the caret is drawn on).
    std::size_t CaretLine();
    // The caret's top-left corner in client coordinates.
    TPoint CaretPos();
    // Client x where the text of a visual line starts (margin and alignment less horizontal
    // scrolling).
    int LineX(std::size_t line);
    // Client x of an offset on a visual line.
    int XOfOffset(std::size_t line, std::size_t offset);
    // The client x range [left, right) of the selection on a visual line; False when the
    // selection shows nothing there (line breaks are not drawn, so neither is their selection).
    bool SelectionOnLine(std::size_t line, int& left, int& right);
    // The character boundary nearest to a client point, and whether it is the end of a wrapped
    // line.
    std::size_t HitTest(TPoint p, bool& atLineEnd);
    // A click (extend: Shift+click or a drag) and a double-click at a client point.
    void ClickAt(TPoint p, bool extend);
    void DoubleClickAt(TPoint p);

    void MoveCaret(TMemoMove move, bool extend);

    // --- Scrolling -----------------------------------------------------------------------
    std::size_t FirstVisibleLine();
    // Whole lines the client area shows (at least 1).
    int PageLines() const;
    // Scrolls so that a line is the first visible, clamped so the last page stays full.
    void SetFirstVisibleLine(long line);
    // Scrolls by lines (negative: up); answers whether the view moved.
    bool LineScroll(int lines);
    // A vertical scroll bar request.
    void VScroll(TEditScrollCode code, int pos = 0);
    // A horizontal scroll bar request (a line is the width of "x"; nothing while wrapping).
    void HScroll(TEditScrollCode code, int pos = 0);
    // The mouse wheel: 120 units a notch, 3 lines a notch; partial notches add up.
    bool Wheel(int delta);
    // Brings the caret into view (a quarter of the width further when scrolling sideways).
    void ScrollCaret();
    TEditScrollInfo VertScrollInfo();
    TEditScrollInfo HorzScrollInfo();
    int ScrollX() const { return FScrollX; }

    // --- Lines ---------------------------------------------------------------------------
    // The lines of the text (split at CR LF); an empty last line, after a final line break,
    // does not count, so an empty memo has no lines.
    std::size_t LinesCount() const;
    std::string Line(std::size_t index) const;
    // Start offset of logical line index (npos past the last one).
    std::size_t LineStartOffset(std::size_t index) const;
    // Inserts a line before line index through replace-selection, as the classic memo does:
    // before an existing line the text "line CR LF" is inserted at its start; past the last line
    // "CR LF line" is appended at the end of the text (so an empty memo gets "line CR LF", while a
    // memo whose text does not end in a line break gets "CR LF line"). In the inserted text each
    // LF directly followed by a CR becomes CR LF CR LF; other lone CRs and LFs stay as they are
    // (they are no line breaks). Works in read-only mode; leaves the caret after the insertion and
    // scrolls it into view. Cannot be undone.
    void InsertLine(std::size_t index, std::string_view line);
    void AddLine(std::string_view line) { InsertLine(LinesCount(), line); }
    // Removes a line and its line break (the last line leaves the break before it, as the
    // classic memo does: the empty last line then no longer counts).
    void DeleteLine(std::size_t index);
    // Replaces the text of a line, keeping its line break.
    void SetLine(std::size_t index, std::string_view line);
    // The replace-selection of the program: the text's ReplaceSel, then the caret is shown.
    TEditResult ReplaceSel(std::string_view gbk, bool canUndo = true);
    // Replaces the whole text; the view returns to the top.
    bool SetText(std::string_view text);
    void Clear() { SetText(""); }

    // The text inserted by Lines.Add with each "LF CR" made "CR LF CR LF"; CR LF pairs stay.
    static std::string NormalizeAddedText(std::string_view gbk);

private:
    void EnsureLayout();
    int AlignOffset(std::size_t line);
    void ReplaceRange(std::size_t start, std::size_t end, std::string_view text);
    void Relayout();
    void ClampScroll();
    int ViewWidth() const;
    int MaxScrollX();
    void SetCaretKeepingAnchor(std::size_t offset, bool extend, bool atLineEnd);
    void MoveVertically(long lines, bool extend);
    bool CaretAtLineEnd() const;
    std::vector<std::size_t> LogicalLineStarts() const;

    TEditText FText;
    TMemoLayout FLayout;
    TEditMeasure FMeasure;
    std::size_t FLayoutRevision = static_cast<std::size_t>(-1);
    bool FLayoutValid = false;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FLeftMargin = 0;
    int FRightMargin = 0;
    int FLineHeight = 13;
    bool FWordWrap = true;
    TEditAlign FAlign = eaLeft;
    std::size_t FFirstLine = 0;
    int FScrollX = 0;
    int FWheelRest = 0;
    // The caret shown at the end of a wrapped line rather than the start of the next one; valid
    // while the caret and the text stay as they were.
    bool FAtLineEnd = false;
    std::size_t FAtLineEndCaret = 0;
    std::size_t FAtLineEndRevision = 0;
    // The x that Up and Down keep; valid while the caret and the text stay as they were.
    bool FPreferredValid = false;
    int FPreferredX = 0;
    std::size_t FPreferredCaret = 0;
    std::size_t FPreferredRevision = 0;
};
