#include "platform/core/Gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(GbkConversion, GbkToUtf8) {
    const struct {
        std::string Gbk;
        std::string Utf8;
    } cases[] = {
        {"", ""},
        {"abc 12\r\n", "abc 12\r\n"},
        {"\xD6\xD0"
         "a\xCE\xC4",
         "中a文"},
        {"\xB5\xC8\xBC\xB6\xA3\xBA", "等级："},
        {"\x80", "€"}, // the euro sign of the code page
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},                      // no character starts with 0xFF
        {"a\xD6", "a\xEF\xBF\xBD"}, // lead byte at the end
        {"\xD6"
         "0",
         "\xEF\xBF\xBD"
         "0"}, // lead byte without a trail byte
        {"\x81\x30\x81\x30", "\xEF\xBF\xBD"
                             "0\xEF\xBF\xBD"
                             "0"},    // four-byte GB18030 forms are not GBK
        {"\xAA\xA1", "\xEE\x80\x80"}, // user-defined area: private use
    };
    for (const auto& c : cases)
        EXPECT_EQ(GbkToUtf8(c.Gbk), c.Utf8) << c.Utf8;
}

TEST(GbkConversion, Utf8ToGbk) {
    const struct {
        std::string Utf8;
        std::string Gbk;
    } cases[] = {
        {"", ""},
        {" 40", " 40"},
        {"$28", "$28"},
        {"中a文", "\xD6\xD0"
                  "a\xCE\xC4"},
        {"１２", "\xA3\xB1\xA3\xB2"},
        {"€", "\x80"},
        {"a😀b", "a?b"},      // not in GBK
        {"a\xE4\xB8", "a?"}, // cut-off sequence: one replacement
        {"\xFF"
         "1",
         "?1"},
        {"\xC0\xB1", "??"},      // overlong form
        {"\xED\xA0\x80", "???"}, // surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToGbk(c.Utf8), c.Gbk) << c.Utf8;
}

} // namespace
