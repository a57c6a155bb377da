#include "platform/core/Gbk.h"

#include <gtest/gtest.h>

namespace {
// "中a文" in GBK: D6 D0, 61, CE C4.
const std::string kMixed = "\xD6\xD0"
                           "a\xCE\xC4";
} // namespace

TEST(Gbk, SteppingNeverSplitsADoubleByteCharacter) {
    struct Case {
        std::size_t pos, next, prev, start;
    };
    const Case cases[] = {
        {0, 2, 0, 0}, {1, 3, 0, 0}, {2, 3, 0, 2}, {3, 5, 2, 3}, {4, 5, 3, 3}, {5, 5, 3, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GbkNextCharPos(kMixed, c.pos), c.next) << c.pos;
        EXPECT_EQ(GbkPrevCharPos(kMixed, c.pos), c.prev) << c.pos;
        EXPECT_EQ(GbkCharStart(kMixed, c.pos), c.start) << c.pos;
    }
    EXPECT_EQ(GbkCharCount(kMixed), 3u);
    EXPECT_EQ(GbkTruncate(kMixed, 4), std::string_view(kMixed).substr(0, 3));
    // A lone lead byte at the end is one character of its own.
    EXPECT_EQ(GbkCharLength("a\xD6", 1), 1u);
    // Trail bytes overlap the lead range: "\xD6\xD6\xD6" is one pair and a lone byte.
    EXPECT_EQ(GbkPrevCharPos("\xD6\xD6\xD6", 3), 2u);
}

TEST(Gbk, ConvertsToAndFromUtf8) {
    EXPECT_EQ(GbkToUtf8(kMixed), "中a文");
    EXPECT_EQ(Utf8ToGbk("中a文"), kMixed);
    EXPECT_EQ(Utf8ToGbk("宠物体检鉴定中心"), "\xB3\xE8\xCE\xEF\xCC\xE5\xBC\xEC\xBC\xF8\xB6\xA8"
                                             "\xD6\xD0\xD0\xC4");
    // What GBK cannot hold becomes "?", malformed UTF-8 too.
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(Utf8ToGbk("a\xFF"
                        "b"),
              "a?b");
    // A byte that starts no character decodes to U+FFFD.
    EXPECT_EQ(GbkToUtf8("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(GbkToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToGbk("€"), "\x80");
}
