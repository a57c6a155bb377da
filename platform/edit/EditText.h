#pragma once

#include "platform/edit/EditUndo.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The outcome of an editing operation, so the edit window knows whether to repaint, notify or
// beep. The window beeps for erReadOnly, erEnterRefused and erFull.
enum TEditResult {
    erNone,         // nothing to do (Backspace at the start, an empty paste...)
    erChanged,      // the text changed
    erTruncated,    // the text changed, but the insertion was cut at the maximum length
    erFull,         // nothing could be inserted: the maximum length is reached
    erReadOnly,     // refused: the edit is read-only
    erEnterRefused, // refused: a single-line edit takes no Enter
};

// Where the text last changed: Removed bytes at Pos were replaced by Inserted bytes.
struct TEditTextChange {
    std::size_t Pos = 0;
    std::size_t Removed = 0;
    std::size_t Inserted = 0;
};

// Caret movements of the keyboard. Line start and end are the logical line here (between line
// breaks); the memo model moves by visual lines itself.
enum TEditMove {
    emCharLeft,
    emCharRight,
    emWordLeft,
    emWordRight,
    emLineStart,
    emLineEnd,
    emTextStart,
    emTextEnd,
};

// Letter case forced on what is typed, pasted or inserted (ASCII letters only).
enum TEditCharCase { eccNormal, eccUpperCase, eccLowerCase };

// Which commands of the edit's context menu apply now.
struct TEditCommandStates {
    bool Undo = false;
    bool Cut = false;
    bool Copy = false;
    bool Paste = false;
    bool Delete = false;
    bool SelectAll = false;
    bool operator==(const TEditCommandStates&) const = default;
};

// The text of a native edit or memo with its caret and selection: a GBK string and two byte
// offsets, the anchor (where the selection began) and the caret (where it ends). Both always sit
// on a character boundary and never between the CR and the LF of a line break, which the caret
// steps over as one.
//
// User operations (typing, Backspace, Delete, paste, cut, undo) are refused in read-only mode;
// the program's own writes (SetText, ReplaceSel) are not. The maximum length limits what the user
// types or pastes and what ReplaceSel inserts, never SetText.
class TEditText {
public:
    using TChangeEvent = std::function<void(TEditText& sender)>;

    explicit TEditText(bool multiLine = false) : FMultiLine(multiLine) {}

    // Fired once after every real change of the text (never for an equal SetText).
    TChangeEvent OnChange;

    const std::string& Text() const { return FText; }
    std::size_t Length() const { return FText.size(); }
    bool MultiLine() const { return FMultiLine; }
    // Counts the changes of the text, so views know when to measure it again.
    std::size_t Revision() const { return FRevision; }
    // The change that made the current revision, so views can re-measure only what changed.
    const TEditTextChange& LastChange() const { return FLastChange; }

    // Replaces the whole text as given (line breaks kept even in a single-line edit, the maximum
    // length not applied), puts the caret at 0 and forgets the undo. An equal text does nothing.
    // Answers whether the text changed.
    bool SetText(std::string_view text);

    // --- Caret and selection -------------------------------------------------------------
    std::size_t Anchor() const { return FAnchor; }
    std::size_t Caret() const { return FCaret; }
    std::size_t SelStart() const { return FAnchor < FCaret ? FAnchor : FCaret; }
    std::size_t SelEnd() const { return FAnchor < FCaret ? FCaret : FAnchor; }
    std::size_t SelLength() const { return SelEnd() - SelStart(); }
    bool HasSelection() const { return FAnchor != FCaret; }
    std::string SelText() const { return FText.substr(SelStart(), SelLength()); }
    // Offsets are clamped to the text and moved back to the start of the character (or line
    // break) they fall into.
    void SetSelection(std::size_t anchor, std::size_t caret);
    void SetCaret(std::size_t caret) { SetSelection(caret, caret); }
    // The select message's form: start -1 removes the selection (the caret stays), end -1
    // means the end of the text; the caret goes to end.
    void SetSelRange(long start, long end);
    void SelectAll() { SetSelection(0, FText.size()); }
    // Moves the caret; with extend the anchor stays, else the selection collapses (a plain
    // left or right move with a selection goes to the selection's start or end).
    void MoveCaret(TEditMove move, bool extend);
    // The word (or run of spaces, punctuation or Chinese characters) at an offset, for a
    // double-click: [start, end).
    std::pair<std::size_t, std::size_t> WordAt(std::size_t offset) const;
    void SelectWordAt(std::size_t offset);

    // --- User editing --------------------------------------------------------------------
    // One typed character (GBK, one or two bytes) or a typed run. "\r" or "\n" is Enter: a line
    // break in a memo, refused in a single-line edit. Control characters other than Tab are
    // ignored (erNone).
    TEditResult Type(std::string_view gbk);
    TEditResult Backspace();
    TEditResult Delete();
    // Pasting clipboard text over the selection. A single-line edit drops CR and LF; a memo makes
    // every lone CR or LF (desktop clipboards hold LF breaks) a CR LF.
    TEditResult Paste(std::string_view gbk);
    // Removes the selection (the Delete command and the second half of Cut).
    TEditResult DeleteSelection();
    TEditResult Undo();
    bool CanUndo() const { return FUndo.CanUndo(); }
    // Ends a typing run without a caret move (for example when the edit loses the focus).
    void BreakUndoRun() { FUndo.BreakRun(); }

    // --- Program writes ------------------------------------------------------------------
    // Replaces the selection, as the replace-selection message does; with canUndo False the
    // undo is forgotten. A single-line edit drops CR and LF. Works in read-only mode.
    TEditResult ReplaceSel(std::string_view gbk, bool canUndo = true);

    // --- Settings ------------------------------------------------------------------------
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Maximum length in bytes; 0 means no limit. Text already longer is kept.
    std::size_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(std::size_t value) { FMaxLength = value; }
    // The password character (0: none). A password edit does not give its text away: Copy and
    // Cut do not apply, and word moves and double-clicks treat the whole text as one word.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value) { FPasswordChar = value; }

    // Letter case of inserted text; the text already there is kept.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value) { FCharCase = value; }

    TEditCommandStates CommandStates(bool clipboardHasText) const;

    // A single-line edit's form of inserted text: CR and LF removed.
    static std::string StripLineBreaks(std::string_view gbk);
    // A memo's form of pasted text: every CR or LF that is not part of a CR LF pair becomes
    // CR LF.
    static std::string NormalizeLineBreaks(std::string_view gbk);

private:
    TEditResult Insert(std::string_view gbk, TEditChangeKind kind, bool canUndo);
    TEditResult Replace(std::size_t pos, std::size_t count, std::string_view inserted,
                        TEditChangeKind kind, bool canUndo);
    std::size_t Snap(std::size_t offset) const;
    std::size_t NextPos(std::size_t pos) const;
    std::size_t PrevPos(std::size_t pos) const;
    std::size_t WordLeft(std::size_t pos) const;
    std::size_t WordRight(std::size_t pos) const;
    std::size_t LineStart(std::size_t pos) const;
    std::size_t LineEnd(std::size_t pos) const;
    int CharClass(std::size_t pos) const;
    std::string ApplyCharCase(std::string_view gbk) const;
    std::string LimitInsertion(std::string_view gbk, bool& truncated) const;
    void Changed(TEditTextChange change);

    std::string FText;
    std::size_t FAnchor = 0;
    std::size_t FCaret = 0;
    bool FMultiLine;
    bool FReadOnly = false;
    std::size_t FMaxLength = 0;
    char FPasswordChar = 0;
    TEditCharCase FCharCase = eccNormal;
    TEditUndo FUndo;
    std::size_t FRevision = 0;
    TEditTextChange FLastChange;
};
