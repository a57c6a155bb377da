#include "platform/edit/MemoLayout.h"

#include "platform/core/Gbk.h"

#include <algorithm>
#include <string>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

int TMemoLayout::TabWidth() {
    return FTabWidth > 0 ? FTabWidth : 8 * FWidths.CharWidth(" ", 0);
}

int TMemoLayout::Advance(std::string_view text, std::size_t pos, int x) {
    if (text[pos] == '\t') {
        int tab = TabWidth();
        if (tab > 0)
            return tab - x % tab;
    }
    return FWidths.CharWidth(text, pos);
}

int TMemoLayout::Span(std::string_view text, std::size_t lineStart, std::size_t end) {
    int x = 0;
    for (std::size_t pos = lineStart; pos < end; pos = GbkNextCharPos(text, pos))
        x += Advance(text, pos, x);
    return x;
}

void TMemoLayout::Layout(std::string_view text) {
    FLines.clear();
    LayoutRange(text, 0, text.size(), FLines);
    UpdateMaxWidth();
}

void TMemoLayout::LayoutRange(std::string_view text, std::size_t start, std::size_t end,
                              std::vector<TMemoLine>& out) {
    for (;;) {
        std::size_t brk = text.find("\r\n", start);
        if (brk == std::string_view::npos || brk + 2 > end) {
            LayoutLogicalLine(text, start, end, out);
            return;
        }
        LayoutLogicalLine(text, start, brk, out);
        out.back().Next = brk + 2;
        start = brk + 2;
        if (start == end && end < text.size())
            return;
    }
}

void TMemoLayout::UpdateMaxWidth() {
    FMaxWidth = 0;
    for (const TMemoLine& line : FLines)
        FMaxWidth = std::max(FMaxWidth, line.Width);
}

std::size_t TMemoLayout::LogicalFirst(std::size_t line) const {
    while (line > 0 && FLines[line - 1].Wrapped())
        --line;
    return line;
}

std::size_t TMemoLayout::LogicalLast(std::size_t line) const {
    while (line + 1 < FLines.size() && FLines[line].Wrapped())
        ++line;
    return line;
}

void TMemoLayout::Update(std::string_view text, std::size_t pos, std::size_t removed,
                         std::size_t inserted) {
    if (FLines.empty()) {
        Layout(text);
        return;
    }
    // The logical lines around the change are laid out again: from the one before the changed
    // bytes (a change may complete or break the line break there) to the one after them.
    std::size_t first = LogicalFirst(LineOf(pos > 0 ? pos - 1 : 0));
    std::size_t last = LogicalLast(LineOf(pos + removed));
    if (last + 1 < FLines.size())
        last = LogicalLast(last + 1);
    // A region reaching the end of the old text takes the empty line after a final break too.
    if (FLines[last].Next + inserted == text.size() + removed)
        last = FLines.size() - 1;
    std::size_t oldStart = FLines[first].Start;
    std::size_t oldEnd = FLines[last].Next;
    std::size_t newEnd = oldEnd + inserted - removed;
    if (oldStart > pos || newEnd > text.size() || newEnd < pos + inserted) {
        Layout(text);
        return;
    }
    std::vector<TMemoLine> lines;
    LayoutRange(text, oldStart, newEnd, lines);
    for (std::size_t i = last + 1; i < FLines.size(); ++i) {
        FLines[i].Start = FLines[i].Start + inserted - removed;
        FLines[i].End = FLines[i].End + inserted - removed;
        FLines[i].Next = FLines[i].Next + inserted - removed;
    }
    FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(first),
                 FLines.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(first), lines.begin(), lines.end());
    UpdateMaxWidth();
}

void TMemoLayout::AddLine(std::string_view text, std::size_t start, std::size_t end,
                          std::size_t next, std::vector<TMemoLine>& out) {
    TMemoLine line;
    line.Start = start;
    line.End = end;
    line.Next = next;
    line.Width = Span(text, start, end);
    out.push_back(line);
}

void TMemoLayout::LayoutLogicalLine(std::string_view text, std::size_t start, std::size_t end,
                                    std::vector<TMemoLine>& out) {
    std::size_t lineStart = start;
    if (FWrapWidth > 0) {
        int x = 0;
        std::size_t lastBreak = std::string_view::npos; // where a new line may start
        std::size_t pos = lineStart;
        while (pos < end) {
            std::size_t next = GbkNextCharPos(text, pos);
            bool wide = next - pos == 2;
            bool blank = IsBlank(text[pos]);
            int w = Advance(text, pos, x);
            if (!blank && pos > lineStart && x + w > FWrapWidth) {
                std::size_t brk = wide ? pos : lastBreak;
                if (brk == std::string_view::npos || brk <= lineStart || brk > pos)
                    brk = pos;
                AddLine(text, lineStart, brk, brk, out);
                lineStart = pos = brk;
                x = 0;
                lastBreak = std::string_view::npos;
                continue;
            }
            x += w;
            // A line may start after a space or after a double-byte character.
            if (blank || wide)
                lastBreak = next;
            pos = next;
        }
    }
    AddLine(text, lineStart, end, end, out);
}

std::size_t TMemoLayout::LineOf(std::size_t offset, bool atLineEnd) const {
    auto it = std::upper_bound(FLines.begin(), FLines.end(), offset,
                               [](std::size_t off, const TMemoLine& l) { return off < l.Start; });
    std::size_t index =
        it == FLines.begin() ? 0 : static_cast<std::size_t>(it - FLines.begin()) - 1;
    if (atLineEnd && index > 0 && FLines[index].Start == offset && FLines[index - 1].Wrapped() &&
        FLines[index - 1].Next == offset)
        --index;
    return index;
}

int TMemoLayout::XOf(std::string_view text, std::size_t line, std::size_t offset) {
    const TMemoLine& l = FLines[line];
    return Span(text, l.Start, std::clamp(offset, l.Start, l.End));
}

std::size_t TMemoLayout::OffsetAt(std::string_view text, std::size_t line, int x, bool& atLineEnd) {
    const TMemoLine& l = FLines[line];
    atLineEnd = false;
    int left = 0;
    for (std::size_t pos = l.Start; pos < l.End; pos = GbkNextCharPos(text, pos)) {
        int w = Advance(text, pos, left);
        if (x < left + w / 2)
            return pos;
        left += w;
    }
    atLineEnd = l.Wrapped() && line + 1 < FLines.size();
    return l.End;
}
