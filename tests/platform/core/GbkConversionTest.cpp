#include "platform/core/Gbk.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <vector>

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

// The tables built into the program say what the C library's converters say, for every
// double-byte code and every code point of the basic plane: decoding as GB18030, writing back as
// GBK only what reads back as the same character.
TEST(GbkConversion, TheTablesAgreeWithTheConvertersEverywhere) {
    iconv_t fromGb18030 = iconv_open("UTF-32LE", "GB18030");
    iconv_t toGbk = iconv_open("GBK", "UTF-32LE");
    ASSERT_NE(fromGb18030, iconv_t(-1));
    ASSERT_NE(toGbk, iconv_t(-1));
    auto convert = [](iconv_t cd, std::string in) {
        char out[8];
        char* inp = in.data();
        char* outp = out;
        std::size_t inLeft = in.size(), outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == std::size_t(-1) || inLeft != 0)
            return std::string();
        return std::string(out, sizeof out - outLeft);
    };
    int mismatches = 0;
    std::vector<char32_t> codes; // the basic plane and what double-byte codes read as
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string pair{char(lead), char(trail)};
            const std::string utf32 = convert(fromGb18030, pair);
            char32_t want = 0xFFFD;
            if (utf32.size() == 4)
                want = char32_t(std::uint8_t(utf32[0])) | char32_t(std::uint8_t(utf32[1])) << 8 |
                       char32_t(std::uint8_t(utf32[2])) << 16;
            if (GbkCharToUnicode(pair) != want && ++mismatches < 10)
                ADD_FAILURE() << std::hex << lead << " " << trail;
            if (want > 0xFFFF)
                codes.push_back(want);
        }
    for (char32_t code = 0x80; code <= 0x10000; ++code)
        codes.push_back(code);
    for (char32_t code : codes) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const std::string utf32{char(code & 0xFF), char(code >> 8 & 0xFF), char(code >> 16), 0};
        std::string want = convert(toGbk, utf32);
        if (code == 0x20AC)
            want = "\x80";
        else if (want.size() != 2 || GbkCharToUnicode(want) != code)
            want = "?";
        if (UnicodeToGbk(code) != want && ++mismatches < 10)
            ADD_FAILURE() << std::hex << std::uint32_t(code);
    }
    EXPECT_EQ(mismatches, 0);
    iconv_close(fromGb18030);
    iconv_close(toGbk);
}

} // namespace
