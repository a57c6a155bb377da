#pragma once

#include <string>
#include <string_view>

// Conversion between the calculator's GBK texts and the terminal's UTF-8, through iconv.

// GBK to UTF-8. A lead byte with its trail byte is one character (decoded as GB18030, which
// holds every GBK code); the single byte 0x80 is the euro sign; a byte that starts no character
// becomes U+FFFD and the next byte is read afresh.
std::string Utf8FromGbk(std::string_view gbk);

// UTF-8 to GBK. A character GBK cannot hold, and every malformed UTF-8 sequence, becomes "?".
std::string GbkFromUtf8(std::string_view utf8);
