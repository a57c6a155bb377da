#include "platform/edit/EditLineView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A fixed-width font: 6 pixels a byte, so a Chinese character is 12 wide.
int SixPerByte(std::string_view s) {
    return 6 * static_cast<int>(s.size());
}

const std::string kZhong = "\xD6\xD0"; // 中

struct EditLineViewFixture : ::testing::Test {
    TEditText Text;
    TEditLineView View;
    EditLineViewFixture() {
        View.SetMeasure(SixPerByte);
        View.SetClientWidth(60);
    }
};

} // namespace

TEST_F(EditLineViewFixture, ScrollsSoTheCaretStaysVisible) {
    Text.SetText("0123456789abc"); // 78 pixels in a 60 pixel view
    struct Step {
        std::size_t caret;
        int scrollX;
    };
    const Step steps[] = {
        {0, 0},   // the start is visible
        {9, 0},   // x 54: still inside
        {10, 16}, // x 60 would put the caret past the edge: a quarter of the view further
        {13, 19}, // the end: never beyond the text plus the caret
        {12, 19}, // inside the view: no scrolling
        {3, 3},   // left of the view: a quarter back, as far as the start allows
        {0, 0},
    };
    for (const auto& s : steps) {
        Text.SetCaret(s.caret);
        View.Update(Text);
        EXPECT_EQ(View.ScrollX(), s.scrollX) << s.caret;
        EXPECT_GE(View.CaretX(), 0) << s.caret;
        EXPECT_LE(View.CaretX(), 59) << s.caret;
    }
    // Deleting text pulls a scrolled view back so no empty space is shown on the right.
    Text.SetCaret(13);
    View.Update(Text);
    Text.SetSelection(13, 5);
    Text.Delete();
    View.Update(Text);
    EXPECT_EQ(View.ScrollX(), 0);
}

TEST_F(EditLineViewFixture, MarginsAndAlignment) {
    View.SetMargins(2, 3); // a 55 pixel view
    Text.SetText("ab");    // 12 pixels and the caret: 42 pixels free
    struct Case {
        TEditAlign align;
        int textX;
    };
    const Case cases[] = {{eaLeft, 2}, {eaCenter, 23}, {eaRight, 44}};
    for (const auto& c : cases) {
        View.SetAlign(c.align);
        View.Update(Text);
        EXPECT_EQ(View.TextX(), c.textX) << c.align;
    }
    // A text wider than the view is shown from its start whatever the alignment.
    Text.SetText("0123456789abc");
    View.Update(Text);
    EXPECT_EQ(View.TextX(), 2);
    Text.SetCaret(13);
    View.Update(Text);
    EXPECT_EQ(View.CaretX(), 56); // the last pixel of the view: 2 + 55 - 1
}

TEST_F(EditLineViewFixture, HitTestGivesTheNearestCharacterBoundary) {
    Text.SetText("a" + kZhong + "b"); // boundaries at x 0, 6, 18, 24
    View.Update(Text);
    struct Case {
        int x;
        std::size_t offset;
    };
    const Case cases[] = {{-5, 0}, {2, 0}, {3, 1}, {11, 1}, {12, 3}, {20, 3}, {21, 4}, {100, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(View.HitTest(c.x), c.offset) << c.x;
    EXPECT_EQ(View.XOfOffset(3), 18);
}

TEST_F(EditLineViewFixture, PasswordShowsOneCharacterPerCharacter) {
    Text.SetText(kZhong + "ab");
    Text.SetPasswordChar('*');
    Text.SetCaret(2);
    View.Update(Text);
    EXPECT_EQ(View.DisplayText(), "***");
    EXPECT_EQ(View.TextWidth(), 18);
    EXPECT_EQ(View.CaretX(), 6);
    EXPECT_EQ(View.HitTest(7), 2u);
}
