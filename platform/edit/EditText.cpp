#include "platform/edit/EditText.h"

#include "platform/core/Gbk.h"

namespace {

// A byte below 0x40 is a one-byte character that no double-byte character contains, so the
// position after it is always a character boundary: scans backwards restart from there instead
// of from the start of the text.
std::size_t SyncPointBefore(std::string_view s, std::size_t pos) {
    while (pos > 0 && static_cast<unsigned char>(s[pos - 1]) >= 0x40)
        --pos;
    return pos;
}

enum TCharClass { ccSpace, ccBreak, ccWide, ccWord, ccPunct };

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

} // namespace

std::size_t TEditText::Snap(std::size_t offset) const {
    std::string_view s = FText;
    if (offset >= s.size())
        return s.size();
    std::size_t sync = SyncPointBefore(s, offset);
    std::size_t pos = sync + GbkCharStart(s.substr(sync), offset - sync);
    if (pos > 0 && s[pos - 1] == '\r' && s[pos] == '\n')
        --pos;
    return pos;
}

std::size_t TEditText::NextPos(std::size_t pos) const {
    if (pos + 1 < FText.size() && FText[pos] == '\r' && FText[pos + 1] == '\n')
        return pos + 2;
    return GbkNextCharPos(FText, pos);
}

std::size_t TEditText::PrevPos(std::size_t pos) const {
    if (pos == 0)
        return 0;
    if (pos >= 2 && FText[pos - 2] == '\r' && FText[pos - 1] == '\n')
        return pos - 2;
    std::string_view s = FText;
    std::size_t sync = SyncPointBefore(s, pos - 1);
    return sync + GbkPrevCharPos(s.substr(sync), pos - sync);
}

int TEditText::CharClass(std::size_t pos) const {
    auto c = static_cast<unsigned char>(FText[pos]);
    if (c == ' ' || c == '\t')
        return ccSpace;
    if (c == '\r' || c == '\n')
        return ccBreak;
    if (GbkCharLength(FText, pos) == 2)
        return ccWide;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
        c >= 0x80)
        return ccWord;
    return ccPunct;
}

std::size_t TEditText::WordRight(std::size_t pos) const {
    if (pos >= FText.size())
        return FText.size();
    int cls = CharClass(pos);
    if (cls == ccBreak)
        return NextPos(pos);
    if (cls != ccSpace)
        while (pos < FText.size() && CharClass(pos) == cls)
            pos = NextPos(pos);
    while (pos < FText.size() && CharClass(pos) == ccSpace)
        pos = NextPos(pos);
    return pos;
}

std::size_t TEditText::WordLeft(std::size_t pos) const {
    while (pos > 0 && CharClass(PrevPos(pos)) == ccSpace)
        pos = PrevPos(pos);
    if (pos == 0)
        return 0;
    std::size_t prev = PrevPos(pos);
    int cls = CharClass(prev);
    if (cls == ccBreak)
        return prev;
    while (pos > 0 && CharClass(PrevPos(pos)) == cls)
        pos = PrevPos(pos);
    return pos;
}

std::size_t TEditText::LineStart(std::size_t pos) const {
    if (pos < 2)
        return 0;
    std::size_t p = FText.rfind("\r\n", pos - 2);
    return p == std::string::npos ? 0 : p + 2;
}

std::size_t TEditText::LineEnd(std::size_t pos) const {
    std::size_t p = FText.find("\r\n", pos);
    return p == std::string::npos ? FText.size() : p;
}

std::pair<std::size_t, std::size_t> TEditText::WordAt(std::size_t offset) const {
    // A password edit does not tell where its words are: all of it is one word.
    if (FPasswordChar != 0)
        return {0, FText.size()};
    std::size_t pos = Snap(offset);
    // At the end of a line (or of the text) the word is the one before the caret.
    if ((pos >= FText.size() || CharClass(pos) == ccBreak) && pos > 0 &&
        CharClass(PrevPos(pos)) != ccBreak)
        pos = PrevPos(pos);
    if (pos >= FText.size())
        return {pos, pos};
    int cls = CharClass(pos);
    if (cls == ccBreak)
        return {pos, pos};
    std::size_t start = pos;
    while (start > 0 && CharClass(PrevPos(start)) == cls)
        start = PrevPos(start);
    std::size_t end = pos;
    while (end < FText.size() && CharClass(end) == cls)
        end = NextPos(end);
    return {start, end};
}

void TEditText::SelectWordAt(std::size_t offset) {
    auto [start, end] = WordAt(offset);
    SetSelection(start, end);
}

void TEditText::SetSelection(std::size_t anchor, std::size_t caret) {
    FAnchor = Snap(anchor);
    FCaret = Snap(caret);
    FUndo.BreakRun();
}

void TEditText::SetSelRange(long start, long end) {
    if (start < 0) {
        SetSelection(FCaret, FCaret);
        return;
    }
    SetSelection(static_cast<std::size_t>(start),
                 end < 0 ? FText.size() : static_cast<std::size_t>(end));
}

void TEditText::MoveCaret(TEditMove move, bool extend) {
    std::size_t caret = FCaret;
    switch (move) {
    case emCharLeft:
        caret = !extend && HasSelection() ? SelStart() : PrevPos(FCaret);
        break;
    case emCharRight:
        caret = !extend && HasSelection() ? SelEnd() : NextPos(FCaret);
        break;
    case emWordLeft:
        caret = FPasswordChar != 0 ? 0 : WordLeft(FCaret);
        break;
    case emWordRight:
        caret = FPasswordChar != 0 ? FText.size() : WordRight(FCaret);
        break;
    case emLineStart:
        caret = LineStart(FCaret);
        break;
    case emLineEnd:
        caret = LineEnd(FCaret);
        break;
    case emTextStart:
        caret = 0;
        break;
    case emTextEnd:
        caret = FText.size();
        break;
    }
    SetSelection(extend ? FAnchor : caret, caret);
}

bool TEditText::SetText(std::string_view text) {
    if (text == FText)
        return false;
    std::size_t removed = FText.size();
    FText = text;
    FAnchor = FCaret = 0;
    FUndo.Reset();
    Changed({0, removed, FText.size()});
    return true;
}

std::string TEditText::LimitInsertion(std::string_view gbk, bool& truncated) const {
    truncated = false;
    std::string text(gbk);
    // A lead byte with no trail byte would join the character after the insertion point.
    if (!text.empty()) {
        std::size_t last = GbkPrevCharPos(text, text.size());
        if (text.size() - last == 1 && IsGbkLeadByte(static_cast<unsigned char>(text[last])))
            text[last] = '?';
    }
    if (FMaxLength == 0)
        return text;
    std::size_t kept = FText.size() - SelLength();
    std::size_t room = kept < FMaxLength ? FMaxLength - kept : 0;
    if (text.size() <= room)
        return text;
    std::string_view fit = GbkTruncate(text, room);
    // A line break is never cut in half either.
    if (!fit.empty() && fit.back() == '\r' && text[fit.size()] == '\n')
        fit.remove_suffix(1);
    truncated = true;
    return std::string(fit);
}

TEditResult TEditText::Replace(std::size_t pos, std::size_t count, std::string_view inserted,
                               TEditChangeKind kind, bool canUndo) {
    if (count == 0 && inserted.empty())
        return erNone;
    std::string removed = FText.substr(pos, count);
    FText.replace(pos, count, inserted);
    if (canUndo)
        FUndo.Record(kind, pos, std::move(removed), std::string(inserted));
    else
        FUndo.Reset();
    FAnchor = FCaret = Snap(pos + inserted.size());
    Changed({pos, count, inserted.size()});
    return erChanged;
}

std::string TEditText::ApplyCharCase(std::string_view gbk) const {
    std::string text(gbk);
    if (FCharCase == eccNormal)
        return text;
    // Only one-byte letters change: the trail byte of a double-byte character may look like
    // one.
    for (std::size_t pos = 0; pos < text.size(); pos = GbkNextCharPos(text, pos)) {
        char& c = text[pos];
        if (GbkCharLength(text, pos) != 1)
            continue;
        if (FCharCase == eccUpperCase && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (FCharCase == eccLowerCase && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

TEditResult TEditText::Insert(std::string_view gbk, TEditChangeKind kind, bool canUndo) {
    bool truncated = false;
    std::string text = LimitInsertion(ApplyCharCase(gbk), truncated);
    if (text.empty() && !gbk.empty())
        return erFull;
    TEditResult result = Replace(SelStart(), SelLength(), text, kind, canUndo);
    return result == erChanged && truncated ? erTruncated : result;
}

TEditResult TEditText::Type(std::string_view gbk) {
    if (FReadOnly)
        return erReadOnly;
    if (gbk == "\r" || gbk == "\n" || gbk == "\r\n") {
        if (!FMultiLine)
            return erEnterRefused;
        return Insert("\r\n", eckTyping, true);
    }
    std::string text;
    for (char c : gbk)
        if (!IsControl(static_cast<unsigned char>(c)) || c == '\t' || c == '\r' || c == '\n')
            text += c;
    text = FMultiLine ? NormalizeLineBreaks(text) : StripLineBreaks(text);
    if (text.empty())
        return erNone;
    return Insert(text, eckTyping, true);
}

TEditResult TEditText::Backspace() {
    if (FReadOnly)
        return erReadOnly;
    if (HasSelection())
        return Replace(SelStart(), SelLength(), "", eckOther, true);
    if (FCaret == 0)
        return erNone;
    std::size_t prev = PrevPos(FCaret);
    return Replace(prev, FCaret - prev, "", eckBackspace, true);
}

TEditResult TEditText::Delete() {
    if (FReadOnly)
        return erReadOnly;
    if (HasSelection())
        return Replace(SelStart(), SelLength(), "", eckOther, true);
    if (FCaret >= FText.size())
        return erNone;
    return Replace(FCaret, NextPos(FCaret) - FCaret, "", eckDelete, true);
}

TEditResult TEditText::Paste(std::string_view gbk) {
    if (FReadOnly)
        return erReadOnly;
    std::string text;
    for (char c : gbk)
        if (c != '\0')
            text += c;
    text = FMultiLine ? NormalizeLineBreaks(text) : StripLineBreaks(text);
    if (text.empty())
        return erNone;
    return Insert(text, eckOther, true);
}

TEditResult TEditText::DeleteSelection() {
    if (FReadOnly)
        return erReadOnly;
    return Replace(SelStart(), SelLength(), "", eckOther, true);
}

TEditResult TEditText::Undo() {
    if (FReadOnly)
        return erReadOnly;
    if (!FUndo.CanUndo())
        return erNone;
    TEditChange change = FUndo.TakeUndo();
    FText.replace(change.Pos, change.Inserted.size(), change.Removed);
    // The text that came back is selected.
    FAnchor = Snap(change.Pos);
    FCaret = Snap(change.Pos + change.Removed.size());
    Changed({change.Pos, change.Inserted.size(), change.Removed.size()});
    return erChanged;
}

TEditResult TEditText::ReplaceSel(std::string_view gbk, bool canUndo) {
    std::string text = FMultiLine ? std::string(gbk) : StripLineBreaks(gbk);
    return Insert(text, eckOther, canUndo);
}

TEditCommandStates TEditText::CommandStates(bool clipboardHasText) const {
    TEditCommandStates s;
    bool writable = !FReadOnly;
    bool selection = HasSelection();
    s.Undo = writable && CanUndo();
    s.Cut = writable && selection && FPasswordChar == 0;
    s.Copy = selection && FPasswordChar == 0;
    s.Paste = writable && clipboardHasText;
    s.Delete = writable && selection;
    s.SelectAll = SelLength() < FText.size();
    return s;
}

std::string TEditText::StripLineBreaks(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (char c : gbk)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

std::string TEditText::NormalizeLineBreaks(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        char c = gbk[i];
        if (c == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

void TEditText::Changed(TEditTextChange change) {
    ++FRevision;
    FLastChange = change;
    if (OnChange)
        OnChange(*this);
}
