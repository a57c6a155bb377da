#include "platform/edit/EditText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// "中a文 bc" in GBK: 中 = D6 D0 (0-1), a (2), 文 = CE C4 (3-4), space (5), b (6), c (7).
const std::string kMixed = "\xD6\xD0"
                           "a\xCE\xC4 bc";
const std::string kZhong = "\xD6\xD0"; // 中
const std::string kWen = "\xCE\xC4";   // 文
const std::string kCe = "\xB2\xE2";    // 测

TEditText Make(const std::string& text, std::size_t anchor, std::size_t caret,
               bool multiLine = false) {
    TEditText t(multiLine);
    t.SetText(text);
    t.SetSelection(anchor, caret);
    return t;
}

} // namespace

TEST(EditText, CaretMovesNeverSplitADoubleByteCharacter) {
    struct Case {
        std::size_t anchor, caret;
        TEditMove move;
        bool extend;
        std::size_t wantAnchor, wantCaret;
    };
    const Case cases[] = {
        {0, 0, emCharRight, false, 2, 2}, {2, 2, emCharRight, false, 3, 3},
        {3, 3, emCharRight, false, 5, 5}, {5, 5, emCharLeft, false, 3, 3},
        {3, 3, emCharLeft, false, 2, 2},  {2, 2, emCharLeft, false, 0, 0},
        {0, 0, emCharLeft, false, 0, 0},  {8, 8, emCharRight, false, 8, 8},
        {0, 0, emCharRight, true, 0, 2},  {0, 3, emCharRight, true, 0, 5},
        {5, 2, emCharLeft, true, 5, 0},   {0, 5, emCharLeft, false, 0, 0},
        {0, 5, emCharRight, false, 5, 5}, {5, 0, emCharRight, false, 5, 5},
        {8, 8, emWordLeft, false, 6, 6},  {6, 6, emWordLeft, false, 3, 3},
        {3, 3, emWordLeft, false, 2, 2},  {2, 2, emWordLeft, false, 0, 0},
        {0, 0, emWordRight, false, 2, 2}, {3, 3, emWordRight, false, 6, 6},
        {6, 6, emWordRight, true, 6, 8},  {2, 2, emLineEnd, true, 2, 8},
        {5, 5, emLineStart, false, 0, 0}, {3, 3, emTextEnd, false, 8, 8},
        {8, 3, emTextStart, true, 8, 0},
    };
    for (const auto& c : cases) {
        TEditText t = Make(kMixed, c.anchor, c.caret);
        t.MoveCaret(c.move, c.extend);
        EXPECT_EQ(t.Anchor(), c.wantAnchor) << c.anchor << "," << c.caret << " move " << c.move;
        EXPECT_EQ(t.Caret(), c.wantCaret) << c.anchor << "," << c.caret << " move " << c.move;
    }
}

TEST(EditText, SelectionSnapsToCharacterStartsAndStaysOffLineBreakHalves) {
    TEditText t = Make(kMixed, 1, 4);
    EXPECT_EQ(t.Anchor(), 0u);
    EXPECT_EQ(t.Caret(), 3u);
    EXPECT_EQ(t.SelText(), kZhong + "a");
    t.SetSelection(100, 4);
    EXPECT_EQ(t.Anchor(), 8u);
    EXPECT_EQ(t.SelStart(), 3u);
    EXPECT_EQ(t.SelLength(), 5u);

    // The select message's form.
    t.SetSelRange(2, -1);
    EXPECT_EQ(t.Anchor(), 2u);
    EXPECT_EQ(t.Caret(), 8u);
    t.SetSelRange(-1, 0);
    EXPECT_EQ(t.Anchor(), 8u);
    EXPECT_EQ(t.Caret(), 8u);
    t.SetSelRange(6, 1);
    EXPECT_EQ(t.Anchor(), 6u);
    EXPECT_EQ(t.Caret(), 0u);

    TEditText memo = Make("a\r\n" + kZhong, 2, 2, true);
    EXPECT_EQ(memo.Caret(), 1u); // never between CR and LF
    memo.MoveCaret(emCharRight, false);
    EXPECT_EQ(memo.Caret(), 3u); // the break is one step
    memo.MoveCaret(emCharRight, false);
    EXPECT_EQ(memo.Caret(), 5u);
    memo.MoveCaret(emCharLeft, false);
    memo.MoveCaret(emCharLeft, false);
    EXPECT_EQ(memo.Caret(), 1u);
    memo.SetCaret(5);
    memo.MoveCaret(emLineStart, false);
    EXPECT_EQ(memo.Caret(), 3u);
    memo.MoveCaret(emWordLeft, false);
    EXPECT_EQ(memo.Caret(), 1u); // a line break is a stop of its own
}

TEST(EditText, TypingAndDeletingOverMixedText) {
    struct Case {
        const char* name;
        std::size_t anchor, caret;
        std::function<TEditResult(TEditText&)> op;
        std::string wantText;
        std::size_t wantCaret;
    };
    const Case cases[] = {
        {"backspace after a Chinese character", 5, 5, [](TEditText& t) { return t.Backspace(); },
         kZhong + "a bc", 3},
        {"backspace removes the whole character", 2, 2, [](TEditText& t) { return t.Backspace(); },
         "a" + kWen + " bc", 0},
        {"delete removes the whole character", 0, 0, [](TEditText& t) { return t.Delete(); },
         "a" + kWen + " bc", 0},
        {"delete with a selection removes it", 2, 6, [](TEditText& t) { return t.Delete(); },
         kZhong + "bc", 2},
        {"typing replaces the selection", 3, 2, [](TEditText& t) { return t.Type("x"); },
         kZhong + "x" + kWen + " bc", 3},
        {"typing a Chinese character", 3, 3, [](TEditText& t) { return t.Type(kCe); },
         kZhong + "a" + kCe + kWen + " bc", 5},
        {"typing a run", 8, 8, [](TEditText& t) { return t.Type("d" + kCe); }, kMixed + "d" + kCe,
         11},
        {"tab is typed", 0, 0, [](TEditText& t) { return t.Type("\t"); }, "\t" + kMixed, 1},
        {"delete selection", 0, 8, [](TEditText& t) { return t.DeleteSelection(); }, "", 0},
    };
    for (const auto& c : cases) {
        TEditText t = Make(kMixed, c.anchor, c.caret);
        EXPECT_EQ(c.op(t), erChanged) << c.name;
        EXPECT_EQ(t.Text(), c.wantText) << c.name;
        EXPECT_EQ(t.Caret(), c.wantCaret) << c.name;
        EXPECT_FALSE(t.HasSelection()) << c.name;
    }

    TEditText t = Make(kMixed, 0, 0);
    EXPECT_EQ(t.Backspace(), erNone);
    t.SetCaret(8);
    EXPECT_EQ(t.Delete(), erNone);
    EXPECT_EQ(t.Type("\x01"), erNone); // a control character types nothing
    EXPECT_EQ(t.Text(), kMixed);

    TEditText memo = Make("a\r\nb", 3, 3, true);
    EXPECT_EQ(memo.Backspace(), erChanged);
    EXPECT_EQ(memo.Text(), "ab");
    memo.SetCaret(1);
    EXPECT_EQ(memo.Type("\r"), erChanged);
    EXPECT_EQ(memo.Text(), "a\r\nb");
    EXPECT_EQ(memo.Caret(), 3u);
    memo.SetCaret(1);
    EXPECT_EQ(memo.Delete(), erChanged);
    EXPECT_EQ(memo.Text(), "ab");
}

TEST(EditText, MaximumLengthNeverSplitsACharacter) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t anchor, caret, max;
        std::string typed;
        TEditResult want;
        std::string wantText;
    };
    const Case cases[] = {
        {"room for one of two characters", "ab", 2, 2, 4, kZhong + kWen, erTruncated,
         "ab" + kZhong},
        {"one byte left: the double-byte character does not fit", "ab", 2, 2, 3, kZhong, erFull,
         "ab"},
        {"one byte left: an ASCII character fits", "ab", 2, 2, 3, "c", erChanged, "abc"},
        {"full", "abc", 3, 3, 3, "d", erFull, "abc"},
        {"the selection's bytes are free", "abcd", 0, 2, 4, kZhong, erChanged, kZhong + "cd"},
        {"text longer than the limit is kept", "abcdef", 6, 6, 3, "g", erFull, "abcdef"},
    };
    for (const auto& c : cases) {
        TEditText t = Make(c.text, c.anchor, c.caret);
        t.SetMaxLength(c.max);
        EXPECT_EQ(t.Type(c.typed), c.want) << c.name;
        EXPECT_EQ(t.Text(), c.wantText) << c.name;
    }

    // A line break is not cut in half either.
    TEditText memo = Make("ab", 2, 2, true);
    memo.SetMaxLength(3);
    EXPECT_EQ(memo.Type("\r"), erFull);
    EXPECT_EQ(memo.Paste("x\r\ny"), erTruncated);
    EXPECT_EQ(memo.Text(), "abx");
    // SetText is not limited.
    EXPECT_TRUE(memo.SetText("abcdef"));
    EXPECT_EQ(memo.Text(), "abcdef");
}

TEST(EditText, UndoTakesBackTheLastChangeAndASecondUndoRedoes) {
    TEditText t;
    t.Type("a");
    t.Type("b");
    t.Type(kZhong);
    EXPECT_TRUE(t.CanUndo());
    EXPECT_EQ(t.Undo(), erChanged); // the typing run is one change
    EXPECT_EQ(t.Text(), "");
    EXPECT_EQ(t.Undo(), erChanged);
    EXPECT_EQ(t.Text(), "ab" + kZhong);
    EXPECT_EQ(t.SelText(), "ab" + kZhong); // what came back is selected

    // A caret move ends the run: only the later typing is taken back.
    t.SetCaret(4);
    t.Type("x");
    t.MoveCaret(emCharLeft, false);
    t.Type("y");
    EXPECT_EQ(t.Text(), "ab" + kZhong + "yx");
    t.Undo();
    EXPECT_EQ(t.Text(), "ab" + kZhong + "x");

    // Backspaces merge; undo restores and selects the deleted text.
    t.SetText("hello");
    EXPECT_FALSE(t.CanUndo()); // set-text forgets the undo
    EXPECT_EQ(t.Undo(), erNone);
    t.SetCaret(5);
    t.Backspace();
    t.Backspace();
    t.Backspace();
    EXPECT_EQ(t.Text(), "he");
    t.Undo();
    EXPECT_EQ(t.Text(), "hello");
    EXPECT_EQ(t.SelText(), "llo");

    // Deletes merge too; typing over a selection undoes to the selection's text.
    t.SetCaret(0);
    t.Delete();
    t.Delete();
    t.Undo();
    EXPECT_EQ(t.Text(), "hello");
    t.SetSelection(1, 4);
    t.Type("A");
    t.Type("B");
    EXPECT_EQ(t.Text(), "hABo");
    t.Undo();
    EXPECT_EQ(t.Text(), "hello");
    t.Undo();
    EXPECT_EQ(t.Text(), "hABo");

    // Paste is a change of its own; ReplaceSel without undo forgets it.
    t.SetCaret(4);
    t.Paste("zz");
    t.Undo();
    EXPECT_EQ(t.Text(), "hABo");
    t.ReplaceSel("q", false);
    EXPECT_FALSE(t.CanUndo());
}

TEST(EditText, ReadOnlyRefusesChangesButCaretAndSelectionWork) {
    TEditText t = Make(kMixed, 0, 0);
    int changes = 0;
    t.OnChange = [&](TEditText&) { ++changes; };
    t.Type("x");
    t.SetReadOnly(true);
    EXPECT_EQ(t.Type("y"), erReadOnly);
    EXPECT_EQ(t.Type("\r"), erReadOnly);
    EXPECT_EQ(t.Backspace(), erReadOnly);
    EXPECT_EQ(t.Delete(), erReadOnly);
    EXPECT_EQ(t.Paste("z"), erReadOnly);
    EXPECT_EQ(t.Undo(), erReadOnly);
    t.SelectAll();
    EXPECT_EQ(t.DeleteSelection(), erReadOnly);
    EXPECT_EQ(t.Text(), "x" + kMixed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(t.SelLength(), 9u);
    t.MoveCaret(emCharLeft, false);
    t.MoveCaret(emWordRight, true);
    EXPECT_EQ(t.Anchor(), 0u);
    EXPECT_EQ(t.Caret(), 1u);
    // The program's own writes still work.
    EXPECT_EQ(t.ReplaceSel("p"), erChanged);
    EXPECT_EQ(t.Text(), "p" + kMixed);
    EXPECT_EQ(changes, 2);
}

TEST(EditText, SingleLineEditDropsLineBreaksAndRefusesEnter) {
    TEditText t = Make("ab", 1, 1);
    int changes = 0;
    t.OnChange = [&](TEditText&) { ++changes; };
    EXPECT_EQ(t.Paste("1\r\n2\n3\r4"), erChanged);
    EXPECT_EQ(t.Text(), "a1234b");
    EXPECT_EQ(t.Caret(), 5u);
    EXPECT_EQ(t.Type("\r"), erEnterRefused);
    EXPECT_EQ(t.Type("\n"), erEnterRefused);
    EXPECT_EQ(t.ReplaceSel("x\r\ny"), erChanged);
    EXPECT_EQ(t.Text(), "a1234xyb");
    EXPECT_EQ(t.Paste("\r\n"), erNone);
    EXPECT_EQ(changes, 2);
    // The program may still set a text with line breaks; it reads back as set.
    t.SetText("l1\r\nl2");
    EXPECT_EQ(t.Text(), "l1\r\nl2");
}

TEST(EditText, MemoPasteMakesLoneBreaksCrLf) {
    TEditText memo(true);
    EXPECT_EQ(memo.Paste("a\nb\rc\r\nd\n\re"), erChanged);
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    // A lead byte without its trail byte does not join the next character.
    memo.SetText("b");
    memo.Paste("a\xD6");
    EXPECT_EQ(memo.Text(), "a?b");
}

TEST(EditText, ChangeIsNotifiedOncePerRealChange) {
    TEditText t;
    int changes = 0;
    t.OnChange = [&](TEditText& sender) {
        EXPECT_EQ(&sender, &t);
        ++changes;
    };
    t.SetText("abc");
    t.SetText("abc");
    EXPECT_EQ(changes, 1);
    t.SelectAll();
    t.MoveCaret(emCharLeft, false);
    t.Backspace();
    EXPECT_EQ(changes, 1);
    t.SetSelection(0, 3);
    t.Type("x");
    EXPECT_EQ(changes, 2);
    t.Undo();
    EXPECT_EQ(changes, 3);
    t.SetCaret(3);
    t.SetMaxLength(3);
    EXPECT_EQ(t.Type("y"), erFull);
    EXPECT_EQ(changes, 3);
}

TEST(EditText, WordAtGivesTheRunForADoubleClick) {
    // "ab  中文,x"
    const std::string text = "ab  " + kZhong + kWen + ",x";
    struct Case {
        std::size_t offset, start, end;
    };
    const Case cases[] = {
        {0, 0, 2}, {1, 0, 2}, {2, 2, 4},  {3, 2, 4},   {4, 4, 8},
        {7, 4, 8}, {8, 8, 9}, {9, 9, 10}, {10, 9, 10},
    };
    TEditText t = Make(text, 0, 0);
    for (const auto& c : cases) {
        auto [start, end] = t.WordAt(c.offset);
        EXPECT_EQ(start, c.start) << c.offset;
        EXPECT_EQ(end, c.end) << c.offset;
    }
    t.SelectWordAt(5);
    EXPECT_EQ(t.SelText(), kZhong + kWen);
}

TEST(EditText, ContextMenuCommandStates) {
    struct Case {
        const char* name;
        std::size_t anchor, caret;
        bool readOnly;
        char password;
        bool clipboard;
        TEditCommandStates want; // Undo, Cut, Copy, Paste, Delete, SelectAll
    };
    const Case cases[] = {
        {"caret only", 1, 1, false, 0, false, {false, false, false, false, false, true}},
        {"selection and clipboard", 0, 2, false, 0, true, {false, true, true, true, true, true}},
        {"all selected", 0, 3, false, 0, false, {false, true, true, false, true, false}},
        {"read-only", 0, 2, true, 0, true, {false, false, true, false, false, true}},
        {"password", 0, 2, false, '*', true, {false, false, false, true, true, true}},
    };
    for (const auto& c : cases) {
        TEditText t = Make("abc", c.anchor, c.caret);
        t.SetReadOnly(c.readOnly);
        t.SetPasswordChar(c.password);
        EXPECT_EQ(t.CommandStates(c.clipboard), c.want) << c.name;
    }
    TEditText t;
    EXPECT_FALSE(t.CommandStates(true).SelectAll); // nothing to select
    t.Type("a");
    EXPECT_TRUE(t.CommandStates(false).Undo);
    t.SetReadOnly(true);
    EXPECT_FALSE(t.CommandStates(false).Undo);
}

TEST(EditText, PasswordEditHidesItsWords) {
    TEditText t = Make("ab cd", 3, 3);
    t.SetPasswordChar('*');
    t.MoveCaret(emWordLeft, false);
    EXPECT_EQ(t.Caret(), 0u);
    t.MoveCaret(emWordRight, true);
    EXPECT_EQ(t.Caret(), 5u);
    t.SelectWordAt(1);
    EXPECT_EQ(t.SelLength(), 5u);
}

TEST(EditText, CharCaseChangesOnlyOneByteLetters) {
    // "\x81\x61" is one double-byte character whose trail byte is the letter a.
    const std::string wide = "\x81\x61";
    TEditText t;
    t.SetCharCase(eccUpperCase);
    t.Type("ab" + wide);
    t.Paste("c");
    EXPECT_EQ(t.Text(), "AB" + wide + "C");
    t.SetCharCase(eccLowerCase);
    t.ReplaceSel("XY");
    EXPECT_EQ(t.Text(), "AB" + wide + "Cxy");
}
