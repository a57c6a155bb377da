#include "platform/edit/MemoModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int SixPerByte(std::string_view s) {
    return 6 * static_cast<int>(s.size());
}

const std::string kZhong = "\xD6\xD0"; // 中
const std::string kWen = "\xCE\xC4";   // 文

// A memo 200 x 130 pixels with 13 pixel lines: a page of 10 lines.
struct MemoFixture : ::testing::Test {
    TMemoModel Memo;
    MemoFixture() {
        Memo.SetMeasure(SixPerByte);
        Memo.SetLineHeight(13);
        Memo.SetClientSize(200, 130);
    }
};

} // namespace

TEST_F(MemoFixture, HundredLinesAddedThenScrollInformation) {
    Memo.SetText("old");
    Memo.Clear();
    for (int i = 0; i < 100; ++i)
        Memo.AddLine("line " + std::to_string(i));
    EXPECT_EQ(Memo.LinesCount(), 100u);
    EXPECT_EQ(Memo.Line(0), "line 0");
    EXPECT_EQ(Memo.Line(99), "line 99");
    // The text ends with a line break, so there are 101 visual lines and the caret is on the
    // last, empty one, scrolled into view.
    EXPECT_EQ(Memo.VisualLineCount(), 101u);
    EXPECT_EQ(Memo.VertScrollInfo(), (TEditScrollInfo{0, 100, 10, 91}));
    EXPECT_EQ(Memo.CaretPos(), (TPoint{0, 9 * 13}));

    Memo.VScroll(escTop);
    EXPECT_EQ(Memo.VertScrollInfo().Pos, 0);
    Memo.VScroll(escPageDown);
    Memo.VScroll(escLineDown);
    EXPECT_EQ(Memo.VertScrollInfo().Pos, 11);
    Memo.VScroll(escTrack, 500);
    EXPECT_EQ(Memo.VertScrollInfo().Pos, 91); // clamped so the last page is full
    Memo.VScroll(escLineUp);
    Memo.VScroll(escPageUp);
    EXPECT_EQ(Memo.VertScrollInfo().Pos, 80);
    EXPECT_FALSE(Memo.LineScroll(-100) && Memo.LineScroll(-1));
    EXPECT_EQ(Memo.FirstVisibleLine(), 0u);

    // The wheel: 3 lines a notch, partial notches add up.
    EXPECT_TRUE(Memo.Wheel(-120));
    EXPECT_EQ(Memo.FirstVisibleLine(), 3u);
    EXPECT_FALSE(Memo.Wheel(60));
    EXPECT_TRUE(Memo.Wheel(60));
    EXPECT_EQ(Memo.FirstVisibleLine(), 0u);
    EXPECT_FALSE(Memo.Wheel(120)); // already at the top

    // A smaller window: the page shrinks and the position stays within range.
    Memo.VScroll(escBottom);
    Memo.SetClientSize(200, 65);
    EXPECT_EQ(Memo.VertScrollInfo(), (TEditScrollInfo{0, 100, 5, 91}));
    Memo.SetClientSize(200, 1300);
    EXPECT_EQ(Memo.VertScrollInfo(), (TEditScrollInfo{0, 100, 100, 1}));
}

TEST_F(MemoFixture, LinesAddFollowsTheClassicMemo) {
    struct Case {
        const char* name;
        std::string before;
        std::string line;
        std::string after;
        std::size_t lines;
    };
    const Case cases[] = {
        {"empty memo: line and a break", "", "a", "a\r\n", 1},
        {"after a final break: line and a break", "a\r\n", "b", "a\r\nb\r\n", 2},
        {"no final break: a break and the line", kZhong + kWen, "x", kZhong + kWen + "\r\nx", 2},
        {"CR LF inside makes two lines", "", "a\r\nb", "a\r\nb\r\n", 2},
        {"a lone LF stays and is no line break", "", "c\nd", "c\nd\r\n", 1},
        {"a lone CR stays and is no line break", "x", "c\rd", "x\r\nc\rd", 2},
        {"LF CR becomes two line breaks", "", "e\n\rf", "e\r\n\r\nf\r\n", 3},
        {"two CR LF pairs stay two breaks", "", "g\r\n\r\nh", "g\r\n\r\nh\r\n", 3},
        {"CR LF before a lone CR stays", "", "i\r\n\rj", "i\r\n\rj\r\n", 2},
        {"an empty line", "a\r\n", "", "a\r\n\r\n", 2},
    };
    for (const auto& c : cases) {
        Memo.SetText(c.before);
        Memo.AddLine(c.line);
        EXPECT_EQ(Memo.Text().Text(), c.after) << c.name;
        EXPECT_EQ(Memo.LinesCount(), c.lines) << c.name;
    }
    Memo.SetText("");
    Memo.AddLine("c\nd");
    EXPECT_EQ(Memo.Line(0), "c\nd");
    EXPECT_EQ(Memo.VisualLineCount(), 2u); // "c\nd" and the empty line after the break

    // Lines can be added to a read-only memo; the caret ends after the inserted text.
    Memo.SetText("a");
    Memo.Text().SetReadOnly(true);
    Memo.AddLine("b");
    EXPECT_EQ(Memo.Text().Text(), "a\r\nb");
    EXPECT_EQ(Memo.Text().Caret(), 4u);
    EXPECT_FALSE(Memo.Text().CanUndo());

    // Inserting before an existing line.
    Memo.InsertLine(0, "z");
    EXPECT_EQ(Memo.Text().Text(), "z\r\na\r\nb");
    EXPECT_EQ(Memo.LineStartOffset(2), 6u);
}

TEST_F(MemoFixture, AddedLinesEndingInABreakAreFollowedByOneEmptyLine) {
    Memo.SetText("");
    Memo.AddLine("a\r\n");
    Memo.AddLine("b");
    Memo.AddLine("c\r\n");
    Memo.AddLine("d");
    EXPECT_EQ(Memo.Text().Text(), "a\r\n\r\nb\r\nc\r\n\r\nd\r\n");
    EXPECT_EQ(Memo.LinesCount(), 6u);
    EXPECT_EQ(Memo.Line(1), "");
    // A lone LF CR inside a line is still made into two breaks.
    Memo.SetText("");
    Memo.AddLine("x\n\ry");
    EXPECT_EQ(Memo.Text().Text(), "x\r\n\r\ny\r\n");
}

TEST_F(MemoFixture, CaretUpAndDownKeepThePreferredX) {
    Memo.SetText("abcdefghij\r\nab\r\n" + kZhong + kWen + kZhong + kWen + "\r\nabcdefghij");
    // lines: [0,10) [12,14) [16,24) [26,36)
    Memo.Text().SetCaret(7); // x 42
    struct Step {
        TMemoMove move;
        std::size_t caret;
    };
    const Step steps[] = {
        {mmLineDown, 14}, // the short line's end
        {mmLineDown, 24}, // back to x 42, halfway through 文: the nearer boundary is after it
        {mmLineDown, 33}, // x 42 again
        {mmLineDown, 33}, // the last line: stays
        {mmLineUp, 24},   {mmLineUp, 14}, {mmLineUp, 7}, {mmLineUp, 7},
    };
    for (const auto& s : steps) {
        Memo.MoveCaret(s.move, false);
        EXPECT_EQ(Memo.Text().Caret(), s.caret) << s.move;
    }
    // Another move forgets the preferred x.
    Memo.MoveCaret(mmCharLeft, false);
    Memo.MoveCaret(mmLineDown, false);
    EXPECT_EQ(Memo.Text().Caret(), 14u);
    Memo.MoveCaret(mmLineDown, true);
    EXPECT_EQ(Memo.Text().Anchor(), 14u);
    EXPECT_EQ(Memo.Text().Caret(), 22u); // x 36 after the second Chinese character
}

TEST_F(MemoFixture, WrappedLinesHomeEndAndClicks) {
    Memo.SetClientSize(60, 130);
    Memo.SetText("hello world foo"); // [0,6) [6,15)
    EXPECT_EQ(Memo.VisualLineCount(), 2u);
    EXPECT_EQ(Memo.VisualLineOf(5), 0u);
    EXPECT_EQ(Memo.VisualLineOf(6), 1u);
    EXPECT_EQ(Memo.VisualLineOf(99), 1u);
    Memo.Text().SetCaret(2);
    Memo.MoveCaret(mmLineEnd, false);
    EXPECT_EQ(Memo.Text().Caret(), 6u);
    EXPECT_EQ(Memo.CaretLine(), 0u); // shown at the end of the first line
    EXPECT_EQ(Memo.CaretPos(), (TPoint{36, 0}));
    Memo.MoveCaret(mmLineStart, false);
    EXPECT_EQ(Memo.Text().Caret(), 0u);
    Memo.MoveCaret(mmLineDown, false);
    Memo.MoveCaret(mmLineEnd, true);
    EXPECT_EQ(Memo.Text().SelStart(), 6u);
    EXPECT_EQ(Memo.Text().SelEnd(), 15u);

    Memo.ClickAt({20, 15}, false); // second line, between "wo" and "rld"
    EXPECT_EQ(Memo.Text().Caret(), 9u);
    EXPECT_EQ(Memo.CaretLine(), 1u);
    Memo.ClickAt({5, 2}, true);
    EXPECT_EQ(Memo.Text().Anchor(), 9u);
    EXPECT_EQ(Memo.Text().Caret(), 1u);
    Memo.ClickAt({200, 2}, false); // right of the first line
    EXPECT_EQ(Memo.CaretLine(), 0u);
    Memo.DoubleClickAt({20, 14});
    EXPECT_EQ(Memo.Text().SelText(), "world");

    // The selection as the painter sees it, line by line.
    Memo.Text().SetSelection(3, 8);
    int left = 0, right = 0;
    ASSERT_TRUE(Memo.SelectionOnLine(0, left, right));
    EXPECT_EQ(left, 18);
    EXPECT_EQ(right, 36);
    ASSERT_TRUE(Memo.SelectionOnLine(1, left, right));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 12);
    Memo.Text().SetSelection(6, 6);
    EXPECT_FALSE(Memo.SelectionOnLine(1, left, right));

    // Narrower margins rewrap the text.
    Memo.SetMargins(0, 24); // 36 pixels: "hello " "world " "foo"
    EXPECT_EQ(Memo.VisualLineCount(), 3u);
}

TEST_F(MemoFixture, PageKeysAndCtrlHomeEnd) {
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "L" + std::to_string(i % 10) + "\r\n";
    Memo.SetText(text); // 31 visual lines, each "Ln" 3 bytes + CR LF
    Memo.MoveCaret(mmCharRight, false);
    Memo.MoveCaret(mmPageDown, false);
    EXPECT_EQ(Memo.CaretLine(), 10u);
    EXPECT_EQ(Memo.Text().Caret(), 10u * 4 + 1);
    EXPECT_EQ(Memo.FirstVisibleLine(), 10u);
    Memo.MoveCaret(mmPageDown, true);
    EXPECT_EQ(Memo.CaretLine(), 20u);
    EXPECT_EQ(Memo.Text().Anchor(), 41u);
    Memo.MoveCaret(mmPageUp, false);
    EXPECT_EQ(Memo.CaretLine(), 10u);
    EXPECT_EQ(Memo.FirstVisibleLine(), 10u);
    Memo.MoveCaret(mmTextEnd, false);
    EXPECT_EQ(Memo.Text().Caret(), text.size());
    EXPECT_EQ(Memo.FirstVisibleLine(), 21u);
    Memo.MoveCaret(mmTextStart, true);
    EXPECT_EQ(Memo.Text().SelLength(), text.size());
    EXPECT_EQ(Memo.FirstVisibleLine(), 0u);
}

TEST_F(MemoFixture, HorizontalScrollingKeepsTheCaretVisibleWhenWrapIsOff) {
    Memo.SetWordWrap(false);
    Memo.SetClientSize(60, 130);
    Memo.SetText("0123456789abcdefghij\r\nshort"); // 120 pixels in a 60 pixel view
    EXPECT_EQ(Memo.VisualLineCount(), 2u);
    Memo.MoveCaret(mmLineEnd, false);
    EXPECT_EQ(Memo.ScrollX(), 61);
    EXPECT_EQ(Memo.CaretPos().X, 59);
    EXPECT_EQ(Memo.HorzScrollInfo(), (TEditScrollInfo{0, 120, 60, 61}));
    Memo.MoveCaret(mmLineDown, false); // "short" ends at x 30
    EXPECT_EQ(Memo.Text().Caret(), 27u);
    EXPECT_EQ(Memo.ScrollX(), 15); // a quarter of the view left of the caret
    Memo.MoveCaret(mmLineStart, false);
    EXPECT_EQ(Memo.ScrollX(), 0);
    Memo.HScroll(escLineDown);
    EXPECT_EQ(Memo.ScrollX(), 6);
    Memo.HScroll(escBottom);
    EXPECT_EQ(Memo.ScrollX(), 61);
    Memo.HScroll(escTrack, -4);
    EXPECT_EQ(Memo.ScrollX(), 0);
    // With wrap on there is nothing to scroll sideways.
    Memo.SetWordWrap(true);
    Memo.HScroll(escBottom);
    EXPECT_EQ(Memo.ScrollX(), 0);
    EXPECT_EQ(Memo.VisualLineCount(), 3u);
}

TEST_F(MemoFixture, TypingAtTheBottomScrollsTheCaretIntoView) {
    for (int i = 0; i < 10; ++i)
        Memo.AddLine("x");
    Memo.VScroll(escTop);
    Memo.MoveCaret(mmTextEnd, false);
    EXPECT_EQ(Memo.FirstVisibleLine(), 1u);
    Memo.Text().Type("\r");
    Memo.ScrollCaret();
    EXPECT_EQ(Memo.FirstVisibleLine(), 2u);
    // A replace-selection of the program shows the caret by itself.
    Memo.VScroll(escTop);
    Memo.ReplaceSel("y");
    EXPECT_EQ(Memo.FirstVisibleLine(), 2u);
}

TEST_F(MemoFixture, EachLineIsAlignedOnItsOwn) {
    Memo.SetText("ab\r\nabcd"); // 12 and 24 pixels in a 200 pixel view
    struct Case {
        TEditAlign align;
        int x0, x1;
    };
    const Case cases[] = {{eaLeft, 0, 0}, {eaCenter, 93, 87}, {eaRight, 187, 175}};
    for (const auto& c : cases) {
        Memo.SetAlign(c.align);
        EXPECT_EQ(Memo.LineX(0), c.x0) << c.align;
        EXPECT_EQ(Memo.LineX(1), c.x1) << c.align;
    }
    Memo.ClickAt({194, 3}, false);
    EXPECT_EQ(Memo.Text().Caret(), 1u);
    Memo.MoveCaret(mmLineEnd, false);
    EXPECT_EQ(Memo.CaretPos(), (TPoint{199, 0}));
    // Down keeps the column on the screen: the end of "ab" is above the end of "abcd".
    Memo.MoveCaret(mmLineDown, false);
    EXPECT_EQ(Memo.Text().Caret(), 8u);
    Memo.MoveCaret(mmCharLeft, false);
    Memo.MoveCaret(mmCharLeft, false);
    Memo.MoveCaret(mmLineUp, false);
    EXPECT_EQ(Memo.Text().Caret(), 0u); // x 187: the start of "ab"
}

TEST_F(MemoFixture, DeleteAndReplaceLines) {
    Memo.SetText("a\r\nb\r\nc");
    Memo.DeleteLine(1);
    EXPECT_EQ(Memo.Text().Text(), "a\r\nc");
    Memo.DeleteLine(1); // the last line: the break before it stays
    EXPECT_EQ(Memo.Text().Text(), "a\r\n");
    EXPECT_EQ(Memo.LinesCount(), 1u);
    Memo.DeleteLine(1); // no such line
    EXPECT_EQ(Memo.Text().Text(), "a\r\n");
    Memo.SetLine(0, kZhong);
    EXPECT_EQ(Memo.Text().Text(), kZhong + "\r\n");
    Memo.DeleteLine(0);
    EXPECT_EQ(Memo.Text().Text(), "");
    EXPECT_EQ(Memo.LinesCount(), 0u);
}

TEST_F(MemoFixture, ANewFontIsMeasuredAtOnce) {
    Memo.SetText("ab" + kZhong);
    Memo.MoveCaret(mmTextEnd, false);
    EXPECT_EQ(Memo.CaretPos().X, 24);
    Memo.SetMeasure([](std::string_view s) { return 8 * static_cast<int>(s.size()); });
    EXPECT_EQ(Memo.CaretPos().X, 32);
    EXPECT_EQ(Memo.VisualLine(0).Width, 32);
}
