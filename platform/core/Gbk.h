#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// GBK text: the program's 8-bit strings. A lead byte 0x81-0xFE followed by a trail byte
// (0x40-0x7E or 0x80-0xFE) is one double-byte character; every other byte is one character.
// Trail bytes overlap the lead range, so stepping backwards scans forward from the start.

constexpr bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
constexpr bool IsGbkTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

// Byte length (1 or 2) of the character starting at pos; 0 at or past the end.
std::size_t GbkCharLength(std::string_view s, std::size_t pos);
// Start of the character after the one at pos (s.size() at most).
std::size_t GbkNextCharPos(std::string_view s, std::size_t pos);
// Start of the character before pos (0 at least).
std::size_t GbkPrevCharPos(std::string_view s, std::size_t pos);
// pos itself when it starts a character, else the start of the character holding it.
std::size_t GbkCharStart(std::string_view s, std::size_t pos);
// Number of characters.
std::size_t GbkCharCount(std::string_view s);
// The longest prefix of s of at most maxBytes bytes that does not split a character.
std::string_view GbkTruncate(std::string_view s, std::size_t maxBytes);

// One decoded character of a GBK string.
struct TGbkChar {
    char32_t Code;      // Unicode code point (U+FFFD for a byte that is no character)
    std::size_t Offset; // byte offset in the GBK string
    std::size_t Length; // 1 or 2 bytes
};

// Unicode of every character, with its byte position.
std::vector<TGbkChar> GbkDecode(std::string_view gbk);
// The Unicode code point of one character (1 or 2 bytes).
char32_t GbkCharToUnicode(std::string_view ch);

// Conversion at the desktop's edge. Bytes that are no GBK character become U+FFFD; a character
// GBK cannot hold, or malformed UTF-8, becomes "?".
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// One code point as GBK bytes ("?" when GBK cannot hold it).
std::string UnicodeToGbk(char32_t code);
