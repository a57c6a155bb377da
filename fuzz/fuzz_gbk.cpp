// Fuzzes the GBK text helpers and the conversions between GBK and UTF-8. The input is taken
// both as GBK and as UTF-8. Any violation aborts.
//
// - GBK decoding covers the text with characters of one or two bytes, and the stepping helpers
//   agree with it at every byte;
// - GBK to UTF-8 always gives well-formed UTF-8;
// - a character written as GBK decodes back to itself;
// - UTF-8 that GBK can hold entirely comes back unchanged through GBK.
#include "platform/core/Gbk.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_gbk: %s\n", what);
        std::abort();
    }
}

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsWellFormedUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (t & 0x3F);
        }
        if ((n == 2 && code < 0x800) || (n == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

void CheckAsGbk(std::string_view gbk) {
    const std::vector<TGbkChar> chars = GbkDecode(gbk);
    Require(chars.size() == GbkCharCount(gbk), "decoding and counting disagree");
    // Finding a character's start scans from the beginning: only short texts check it at every
    // byte, so that long ones keep the fuzzer fast.
    const bool everyByte = gbk.size() <= 256;
    std::size_t expected = 0;
    for (const TGbkChar& c : chars) {
        Require(c.Offset == expected, "decoded characters leave a gap");
        Require(c.Length == 1 || c.Length == 2, "a character of neither one nor two bytes");
        Require(GbkCharLength(gbk, c.Offset) == c.Length, "length disagrees with decoding");
        Require(GbkNextCharPos(gbk, c.Offset) == c.Offset + c.Length, "next position is wrong");
        if (everyByte) {
            for (std::size_t k = 0; k < c.Length; ++k)
                Require(GbkCharStart(gbk, c.Offset + k) == c.Offset, "character start is wrong");
            Require(GbkPrevCharPos(gbk, c.Offset + c.Length) == c.Offset,
                    "previous position is wrong");
        }
        Require(GbkCharToUnicode(gbk.substr(c.Offset, c.Length)) == c.Code,
                "one character decodes otherwise alone");
        const std::string back = UnicodeToGbk(c.Code);
        if (back != "?")
            Require(GbkCharToUnicode(back) == c.Code, "an encoded character decodes to another");
        expected = c.Offset + c.Length;
    }
    Require(expected == gbk.size(), "decoded characters do not reach the end");
    for (std::size_t n :
         {std::size_t(0), gbk.size() / 2, gbk.size() - std::min<std::size_t>(1, gbk.size())}) {
        const std::string_view cut = GbkTruncate(gbk, n);
        Require(cut.size() <= n || n >= gbk.size(), "truncation is too long");
        Require(cut.size() == gbk.size() || GbkCharStart(gbk, cut.size()) == cut.size(),
                "truncation splits a character");
    }
    Require(IsWellFormedUtf8(GbkToUtf8(gbk)), "GBK to UTF-8 gave malformed UTF-8");
}

void CheckAsUtf8(std::string_view utf8) {
    const std::string gbk = Utf8ToGbk(utf8);
    Require(IsWellFormedUtf8(GbkToUtf8(gbk)), "the round trip gave malformed UTF-8");
    if (!IsWellFormedUtf8(utf8))
        return;
    // GBK held every character exactly when no "?" was added for one it lacks.
    if (std::count(gbk.begin(), gbk.end(), '?') == std::count(utf8.begin(), utf8.end(), '?'))
        Require(GbkToUtf8(gbk) == utf8, "UTF-8 that GBK holds did not come back unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckAsGbk(text);
    CheckAsUtf8(text);
    return 0;
}
