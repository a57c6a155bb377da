#include "platform/edit/MemoLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

int SixPerByte(std::string_view s) {
    return 6 * static_cast<int>(s.size());
}

const std::string kZhong = "\xD6\xD0"; // 中
const std::string kWen = "\xCE\xC4";   // 文

using Spans = std::vector<std::pair<std::size_t, std::size_t>>;

Spans Lay(TMemoLayout& layout, const std::string& text) {
    layout.Layout(text);
    Spans spans;
    for (std::size_t i = 0; i < layout.LineCount(); ++i)
        spans.emplace_back(layout.Line(i).Start, layout.Line(i).End);
    return spans;
}

} // namespace

TEST(MemoLayout, WrapsAtTheWidth) {
    TMemoLayout layout;
    layout.SetMeasure(SixPerByte);
    layout.SetWrapWidth(60); // ten ASCII or five Chinese characters
    const std::string zw = kZhong + kWen;
    struct Case {
        const char* name;
        std::string text;
        Spans lines;
    };
    const Case cases[] = {
        {"fits", "0123456789", {{0, 10}}},
        {"after the last space that fits", "hello world foo", {{0, 6}, {6, 15}}},
        {"an over-long word is cut", "abcdefghijklmnop", {{0, 10}, {10, 16}}},
        {"between Chinese characters", zw + zw + zw, {{0, 10}, {10, 12}}},
        {"before a Chinese character", "abcdefghi" + kZhong, {{0, 9}, {9, 11}}},
        {"a Chinese character that just fits", "abcdefgh" + zw, {{0, 10}, {10, 12}}},
        {"after a Chinese character", zw + zw + "abcd", {{0, 8}, {8, 12}}},
        {"spaces hang over the edge", "abcdefghij   k", {{0, 13}, {13, 14}}},
        {"line breaks", "ab\r\ncd\r\n", {{0, 2}, {4, 6}, {8, 8}}},
        {"empty", "", {{0, 0}}},
        {"a lone LF is no break and has no width", "abcd\nefghij", {{0, 11}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lay(layout, c.text), c.lines) << c.name;

    Lay(layout, "hello world foo\r\nx");
    EXPECT_TRUE(layout.Line(0).Wrapped());
    EXPECT_EQ(layout.Line(0).Next, 6u);
    EXPECT_FALSE(layout.Line(1).Wrapped());
    EXPECT_EQ(layout.Line(1).Next, 17u);
    EXPECT_EQ(layout.Line(0).Width, 36);
    EXPECT_EQ(layout.MaxWidth(), 54);
}

TEST(MemoLayout, WithoutWrapLinesEndOnlyAtBreaks) {
    TMemoLayout layout;
    layout.SetMeasure(SixPerByte);
    EXPECT_EQ(Lay(layout, "a very long line of text\r\nb"), (Spans{{0, 24}, {26, 27}}));
    EXPECT_EQ(layout.MaxWidth(), 144);
}

TEST(MemoLayout, MapsOffsetsToLinesAndX) {
    TMemoLayout layout;
    layout.SetMeasure(SixPerByte);
    layout.SetWrapWidth(60);
    const std::string text = "hello world foo\r\n" + kZhong + "b";
    layout.Layout(text); // lines [0,6) [6,15) [17,20)
    EXPECT_EQ(layout.LineOf(0), 0u);
    EXPECT_EQ(layout.LineOf(6), 1u);       // a wrap point starts the next line...
    EXPECT_EQ(layout.LineOf(6, true), 0u); // ...unless the caret is at the line's end
    EXPECT_EQ(layout.LineOf(15, true), 1u);
    EXPECT_EQ(layout.LineOf(17), 2u);
    EXPECT_EQ(layout.LineOf(20), 2u);
    EXPECT_EQ(layout.XOf(text, 2, 19), 12);
    EXPECT_EQ(layout.XOf(text, 1, 8), 12);

    bool atEnd = true;
    EXPECT_EQ(layout.OffsetAt(text, 2, 5, atEnd), 17u);
    EXPECT_FALSE(atEnd);
    EXPECT_EQ(layout.OffsetAt(text, 2, 6, atEnd), 19u); // half of the Chinese character
    EXPECT_EQ(layout.OffsetAt(text, 0, 500, atEnd), 6u);
    EXPECT_TRUE(atEnd); // the end of a wrapped line
    EXPECT_EQ(layout.OffsetAt(text, 1, 500, atEnd), 15u);
    EXPECT_FALSE(atEnd); // a line break follows: the offset is on this line anyway
}

TEST(MemoLayout, TabsAdvanceToTheNextStop) {
    TMemoLayout layout;
    layout.SetMeasure(SixPerByte); // tab stops every 8 spaces: 48 pixels
    const std::string text = "a\tb\r\nabcdefgh\tc";
    layout.Layout(text);
    EXPECT_EQ(layout.Line(0).Width, 54);
    EXPECT_EQ(layout.XOf(text, 0, 2), 48);
    EXPECT_EQ(layout.Line(1).Width, 102); // a tab at a stop goes a whole stop further
    bool atEnd = false;
    EXPECT_EQ(layout.OffsetAt(text, 0, 20, atEnd), 1u);
    EXPECT_EQ(layout.OffsetAt(text, 0, 30, atEnd), 2u);

    layout.SetWrapWidth(60);
    EXPECT_EQ(Lay(layout, "abcdefg\tx"), (Spans{{0, 9}}));
    EXPECT_EQ(Lay(layout, "abcdefghi\tx"), (Spans{{0, 10}, {10, 11}})); // the tab hangs
    layout.SetTabWidth(10);
    EXPECT_EQ(Lay(layout, "a\tb"), (Spans{{0, 3}}));
    EXPECT_EQ(layout.Line(0).Width, 16);
}

// Laying out only the lines around a change must give what laying out the whole text gives,
// whatever the change does to line breaks (joining a CR and an LF, splitting a pair) and wraps.
TEST(MemoLayout, UpdateAfterAChangeMatchesAFullLayout) {
    const std::string pieces[] = {"\r\n", "\r",          "\n",    " ",      "ab",
                                  kZhong, kWen + kZhong, "word ", "x\r\ny", "\t"};
    std::string text = "first line\r\nsecond" + kZhong + " line\r\n\r\nlast";
    TMemoLayout incremental;
    incremental.SetMeasure(SixPerByte);
    incremental.SetWrapWidth(36);
    incremental.Layout(text);
    TMemoLayout full;
    full.SetMeasure(SixPerByte);
    full.SetWrapWidth(36);
    unsigned seed = 12345;
    auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return n == 0 ? 0 : (seed >> 8) % n;
    };
    for (int step = 0; step < 3000; ++step) {
        std::size_t pos = next(text.size() + 1);
        std::size_t removed = std::min<std::size_t>(next(6), text.size() - pos);
        std::string inserted;
        for (std::size_t i = next(3); i > 0; --i)
            inserted += pieces[next(std::size(pieces))];
        if (text.size() > 400)
            removed = text.size() - pos; // keep the text small
        text.replace(pos, removed, inserted);
        incremental.Update(text, pos, removed, inserted.size());
        full.Layout(text);
        ASSERT_EQ(incremental.LineCount(), full.LineCount()) << "step " << step;
        for (std::size_t i = 0; i < full.LineCount(); ++i) {
            ASSERT_EQ(incremental.Line(i).Start, full.Line(i).Start) << step << " line " << i;
            ASSERT_EQ(incremental.Line(i).End, full.Line(i).End) << step << " line " << i;
            ASSERT_EQ(incremental.Line(i).Next, full.Line(i).Next) << step << " line " << i;
            ASSERT_EQ(incremental.Line(i).Width, full.Line(i).Width) << step << " line " << i;
        }
        ASSERT_EQ(incremental.MaxWidth(), full.MaxWidth()) << step;
    }
}
