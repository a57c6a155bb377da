#include "platform/edit/MemoModel.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kWheelDelta = 120;
constexpr int kWheelLines = 3;

} // namespace

TMemoModel::TMemoModel() : FText(true) {}

// --- View settings ---------------------------------------------------------------------------

void TMemoModel::SetMeasure(TEditMeasure measure) {
    FMeasure = measure;
    FLayout.SetMeasure(std::move(measure));
    FLayoutValid = false;
}

void TMemoModel::SetClientSize(int width, int height) {
    if (width == FClientWidth && height == FClientHeight)
        return;
    FClientWidth = width;
    FClientHeight = height;
    FLayoutValid = false;
}

void TMemoModel::SetMargins(int left, int right) {
    FLeftMargin = left;
    FRightMargin = right;
    FLayoutValid = false;
}

void TMemoModel::SetLineHeight(int height) {
    FLineHeight = std::max(1, height);
    FLayoutValid = false;
}

void TMemoModel::SetWordWrap(bool value) {
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    FScrollX = 0;
    FLayoutValid = false;
}

void TMemoModel::SetAlign(TEditAlign align) {
    FAlign = align;
}

void TMemoModel::SetTabWidth(int width) {
    FLayout.SetTabWidth(width);
    FLayoutValid = false;
}

int TMemoModel::ViewWidth() const {
    return std::max(1, FClientWidth - FLeftMargin - FRightMargin);
}

void TMemoModel::EnsureLayout() {
    if (FLayoutValid && FLayoutRevision == FText.Revision())
        return;
    if (FLayoutValid && FLayoutRevision + 1 == FText.Revision()) {
        // One change since the last layout: only the lines around it are laid out again.
        const TEditTextChange& change = FText.LastChange();
        FLayout.Update(FText.Text(), change.Pos, change.Removed, change.Inserted);
        FLayoutRevision = FText.Revision();
        ClampScroll();
        return;
    }
    Relayout();
}

void TMemoModel::Relayout() {
    FLayout.SetWrapWidth(FWordWrap && FClientWidth > 0 ? ViewWidth() : 0);
    FLayout.Layout(FText.Text());
    FLayoutRevision = FText.Revision();
    FLayoutValid = true;
    ClampScroll();
}

void TMemoModel::ClampScroll() {
    std::size_t count = FLayout.LineCount();
    auto page = static_cast<std::size_t>(PageLines());
    std::size_t maxFirst = count > page ? count - page : 0;
    FFirstLine = std::min(FFirstLine, maxFirst);
    FScrollX = FWordWrap ? 0 : std::clamp(FScrollX, 0, MaxScrollX());
}

int TMemoModel::MaxScrollX() {
    return std::max(0, FLayout.MaxWidth() + 1 - ViewWidth());
}

// --- Visual lines ----------------------------------------------------------------------------

std::size_t TMemoModel::VisualLineCount() {
    EnsureLayout();
    return FLayout.LineCount();
}

const TMemoLine& TMemoModel::VisualLine(std::size_t index) {
    EnsureLayout();
    return FLayout.Line(index);
}

std::size_t TMemoModel::VisualLineOf(std::size_t offset) {
    EnsureLayout();
    return FLayout.LineOf(offset);
}

bool TMemoModel::CaretAtLineEnd() const {
    return FAtLineEnd && FAtLineEndCaret == FText.Caret() && FAtLineEndRevision == FText.Revision();
}

std::size_t TMemoModel::CaretLine() {
    EnsureLayout();
    return FLayout.LineOf(FText.Caret(), CaretAtLineEnd());
}

int TMemoModel::AlignOffset(std::size_t line) {
    return EditAlignOffset(FAlign, ViewWidth(), FLayout.Line(line).Width);
}

int TMemoModel::LineX(std::size_t line) {
    EnsureLayout();
    return FLeftMargin + AlignOffset(line) - FScrollX;
}

int TMemoModel::XOfOffset(std::size_t line, std::size_t offset) {
    return LineX(line) + FLayout.XOf(FText.Text(), line, offset);
}

TPoint TMemoModel::CaretPos() {
    std::size_t line = CaretLine();
    int row = static_cast<int>(line) - static_cast<int>(FFirstLine);
    return {XOfOffset(line, FText.Caret()), row * FLineHeight};
}

bool TMemoModel::SelectionOnLine(std::size_t line, int& left, int& right) {
    EnsureLayout();
    const TMemoLine& l = FLayout.Line(line);
    std::size_t start = std::max(FText.SelStart(), l.Start);
    std::size_t end = std::min(FText.SelEnd(), l.End);
    if (start >= end)
        return false;
    left = XOfOffset(line, start);
    right = XOfOffset(line, end);
    return true;
}

std::size_t TMemoModel::HitTest(TPoint p, bool& atLineEnd) {
    EnsureLayout();
    int row = p.Y >= 0 ? p.Y / FLineHeight : -((-p.Y + FLineHeight - 1) / FLineHeight);
    long line = static_cast<long>(FFirstLine) + row;
    line = std::clamp(line, 0L, static_cast<long>(FLayout.LineCount()) - 1);
    auto index = static_cast<std::size_t>(line);
    return FLayout.OffsetAt(FText.Text(), index, p.X - LineX(index), atLineEnd);
}

void TMemoModel::SetCaretKeepingAnchor(std::size_t offset, bool extend, bool atLineEnd) {
    FText.SetSelection(extend ? FText.Anchor() : offset, offset);
    FAtLineEnd = atLineEnd;
    FAtLineEndCaret = FText.Caret();
    FAtLineEndRevision = FText.Revision();
}

void TMemoModel::ClickAt(TPoint p, bool extend) {
    bool atLineEnd = false;
    std::size_t offset = HitTest(p, atLineEnd);
    SetCaretKeepingAnchor(offset, extend, atLineEnd);
    FPreferredValid = false;
    ScrollCaret();
}

void TMemoModel::DoubleClickAt(TPoint p) {
    bool atLineEnd = false;
    std::size_t offset = HitTest(p, atLineEnd);
    FText.SelectWordAt(offset);
    FAtLineEnd = false;
    FPreferredValid = false;
    ScrollCaret();
}

void TMemoModel::MoveVertically(long lines, bool extend) {
    EnsureLayout();
    std::size_t current = CaretLine();
    bool preferred = FPreferredValid && FPreferredCaret == FText.Caret() &&
                     FPreferredRevision == FText.Revision();
    // The x is kept from the text area's left edge, so aligned lines keep the visual column.
    int x = preferred ? FPreferredX
                      : AlignOffset(current) + FLayout.XOf(FText.Text(), current, FText.Caret());
    long target = std::clamp(static_cast<long>(current) + lines, 0L,
                             static_cast<long>(FLayout.LineCount()) - 1);
    if (static_cast<std::size_t>(target) != current) {
        bool atLineEnd = false;
        auto line = static_cast<std::size_t>(target);
        std::size_t offset = FLayout.OffsetAt(FText.Text(), line, x - AlignOffset(line), atLineEnd);
        SetCaretKeepingAnchor(offset, extend, atLineEnd);
    } else if (!extend) {
        FText.SetSelection(FText.Caret(), FText.Caret());
    }
    FPreferredValid = true;
    FPreferredX = x;
    FPreferredCaret = FText.Caret();
    FPreferredRevision = FText.Revision();
}

void TMemoModel::MoveCaret(TMemoMove move, bool extend) {
    EnsureLayout();
    bool vertical =
        move == mmLineUp || move == mmLineDown || move == mmPageUp || move == mmPageDown;
    if (!vertical)
        FPreferredValid = false;
    switch (move) {
    case mmCharLeft:
        FText.MoveCaret(emCharLeft, extend);
        break;
    case mmCharRight:
        FText.MoveCaret(emCharRight, extend);
        break;
    case mmWordLeft:
        FText.MoveCaret(emWordLeft, extend);
        break;
    case mmWordRight:
        FText.MoveCaret(emWordRight, extend);
        break;
    case mmTextStart:
        FText.MoveCaret(emTextStart, extend);
        break;
    case mmTextEnd:
        FText.MoveCaret(emTextEnd, extend);
        break;
    case mmLineUp:
        MoveVertically(-1, extend);
        break;
    case mmLineDown:
        MoveVertically(1, extend);
        break;
    case mmPageUp:
        SetFirstVisibleLine(static_cast<long>(FFirstLine) - PageLines());
        MoveVertically(-PageLines(), extend);
        break;
    case mmPageDown:
        SetFirstVisibleLine(static_cast<long>(FFirstLine) + PageLines());
        MoveVertically(PageLines(), extend);
        break;
    case mmLineStart:
        SetCaretKeepingAnchor(FLayout.Line(CaretLine()).Start, extend, false);
        break;
    case mmLineEnd: {
        std::size_t line = CaretLine();
        const TMemoLine& l = FLayout.Line(line);
        SetCaretKeepingAnchor(l.End, extend, l.Wrapped() && line + 1 < FLayout.LineCount());
        break;
    }
    }
    ScrollCaret();
}

// --- Scrolling -------------------------------------------------------------------------------

std::size_t TMemoModel::FirstVisibleLine() {
    EnsureLayout();
    return FFirstLine;
}

int TMemoModel::PageLines() const {
    return std::max(1, FClientHeight / FLineHeight);
}

void TMemoModel::SetFirstVisibleLine(long line) {
    EnsureLayout();
    FFirstLine = static_cast<std::size_t>(std::max(0L, line));
    ClampScroll();
}

bool TMemoModel::LineScroll(int lines) {
    std::size_t before = FirstVisibleLine();
    SetFirstVisibleLine(static_cast<long>(before) + lines);
    return FFirstLine != before;
}

void TMemoModel::VScroll(TEditScrollCode code, int pos) {
    switch (code) {
    case escLineUp:
        LineScroll(-1);
        break;
    case escLineDown:
        LineScroll(1);
        break;
    case escPageUp:
        LineScroll(-PageLines());
        break;
    case escPageDown:
        LineScroll(PageLines());
        break;
    case escPosition:
    case escTrack:
        SetFirstVisibleLine(pos);
        break;
    case escTop:
        SetFirstVisibleLine(0);
        break;
    case escBottom:
        SetFirstVisibleLine(static_cast<long>(VisualLineCount()));
        break;
    case escEndScroll:
        break;
    }
}

void TMemoModel::HScroll(TEditScrollCode code, int pos) {
    EnsureLayout();
    if (FWordWrap)
        return;
    int step = FMeasure ? std::max(1, FMeasure("x")) : 8;
    int x = FScrollX;
    switch (code) {
    case escLineUp:
        x -= step;
        break;
    case escLineDown:
        x += step;
        break;
    case escPageUp:
        x -= ViewWidth();
        break;
    case escPageDown:
        x += ViewWidth();
        break;
    case escPosition:
    case escTrack:
        x = pos;
        break;
    case escTop:
        x = 0;
        break;
    case escBottom:
        x = MaxScrollX();
        break;
    case escEndScroll:
        break;
    }
    FScrollX = std::clamp(x, 0, MaxScrollX());
}

bool TMemoModel::Wheel(int delta) {
    FWheelRest += delta;
    int notches = FWheelRest / kWheelDelta;
    FWheelRest -= notches * kWheelDelta;
    return notches != 0 && LineScroll(-notches * kWheelLines);
}

void TMemoModel::ScrollCaret() {
    std::size_t line = CaretLine();
    auto page = static_cast<std::size_t>(PageLines());
    if (line < FFirstLine)
        FFirstLine = line;
    else if (line >= FFirstLine + page)
        FFirstLine = line - page + 1;
    if (!FWordWrap) {
        int x = AlignOffset(line) + FLayout.XOf(FText.Text(), line, FText.Caret());
        int view = ViewWidth();
        if (x < FScrollX)
            FScrollX = x - view / 4;
        else if (x + 1 > FScrollX + view)
            FScrollX = x + 1 - view + view / 4;
    }
    ClampScroll();
}

TEditScrollInfo TMemoModel::VertScrollInfo() {
    EnsureLayout();
    TEditScrollInfo info;
    info.Max = static_cast<int>(FLayout.LineCount()) - 1;
    info.Page = PageLines();
    info.Pos = static_cast<int>(FFirstLine);
    return info;
}

TEditScrollInfo TMemoModel::HorzScrollInfo() {
    EnsureLayout();
    TEditScrollInfo info;
    int content = FWordWrap ? ViewWidth() : std::max(FLayout.MaxWidth() + 1, ViewWidth());
    info.Max = content - 1;
    info.Page = ViewWidth();
    info.Pos = FScrollX;
    return info;
}

// --- Lines -----------------------------------------------------------------------------------

std::vector<std::size_t> TMemoModel::LogicalLineStarts() const {
    const std::string& s = FText.Text();
    std::vector<std::size_t> starts{0};
    for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2))
        starts.push_back(p + 2);
    return starts;
}

std::size_t TMemoModel::LinesCount() const {
    std::vector<std::size_t> starts = LogicalLineStarts();
    return starts.back() == FText.Length() ? starts.size() - 1 : starts.size();
}

std::string TMemoModel::Line(std::size_t index) const {
    std::vector<std::size_t> starts = LogicalLineStarts();
    if (index >= starts.size())
        return {};
    std::size_t end = index + 1 < starts.size() ? starts[index + 1] - 2 : FText.Length();
    return FText.Text().substr(starts[index], end - starts[index]);
}

std::size_t TMemoModel::LineStartOffset(std::size_t index) const {
    std::vector<std::size_t> starts = LogicalLineStarts();
    return index < starts.size() ? starts[index] : std::string::npos;
}

void TMemoModel::InsertLine(std::size_t index, std::string_view line) {
    std::vector<std::size_t> starts = LogicalLineStarts();
    index = std::min(index, LinesCount());
    // Only the line itself is normalised: the break that separates it from its neighbour is a
    // plain CR LF (normalising "line\r\n" + "\r\n" would turn the LF CR between them into
    // garbage breaks).
    const std::string normalised = NormalizeAddedText(line);
    std::size_t pos;
    std::string inserted;
    if (index < starts.size()) {
        pos = starts[index];
        inserted = normalised + "\r\n";
    } else {
        pos = FText.Length();
        inserted = "\r\n" + normalised;
    }
    FText.SetCaret(pos);
    FText.ReplaceSel(inserted, false);
    FAtLineEnd = false;
    ScrollCaret();
}

void TMemoModel::ReplaceRange(std::size_t start, std::size_t end, std::string_view text) {
    FText.SetSelection(start, end);
    FText.ReplaceSel(text, false);
    FAtLineEnd = false;
    ScrollCaret();
}

void TMemoModel::DeleteLine(std::size_t index) {
    if (index >= LinesCount())
        return;
    std::vector<std::size_t> starts = LogicalLineStarts();
    std::size_t end = index + 1 < starts.size() ? starts[index + 1] : FText.Length();
    ReplaceRange(starts[index], end, "");
}

void TMemoModel::SetLine(std::size_t index, std::string_view line) {
    if (index >= LinesCount())
        return;
    std::size_t start = LineStartOffset(index);
    ReplaceRange(start, start + Line(index).size(), NormalizeAddedText(line));
}

TEditResult TMemoModel::ReplaceSel(std::string_view gbk, bool canUndo) {
    TEditResult result = FText.ReplaceSel(gbk, canUndo);
    ScrollCaret();
    return result;
}

bool TMemoModel::SetText(std::string_view text) {
    bool changed = FText.SetText(text);
    FFirstLine = 0;
    FScrollX = 0;
    FAtLineEnd = false;
    FPreferredValid = false;
    return changed;
}

std::string TMemoModel::NormalizeAddedText(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        // A CR LF pair stays as it is, even when a CR follows it.
        if (gbk[i] == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (gbk[i] == '\n' && i + 1 < gbk.size() && gbk[i + 1] == '\r') {
            out += "\r\n\r\n";
            ++i;
        } else {
            out += gbk[i];
        }
    }
    return out;
}
