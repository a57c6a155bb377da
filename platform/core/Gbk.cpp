#include "platform/core/Gbk.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The double-byte tables, generated from the C library's converters when the program is built
// (tools/gbktable): loading the converters at run time cost more start-up time and memory than
// the tables. Decoding follows GB18030 (which fills the gaps GBK leaves); a character is written
// back as GBK only when GBK holds it and its bytes read back as the same character.
#include "GbkTable.inc"

char32_t DecodePair(unsigned char lead, unsigned char trail) {
    const char32_t code = kGbkToUnicode[std::size_t(lead - 0x81) * 191 + std::size_t(trail - 0x40)];
    return code ? code : kReplacement;
}

// GBK bytes (one or two) for a code point; empty when GBK cannot hold it.
std::string EncodeCode(char32_t code) {
    if (code < 0x80)
        return std::string(1, char(code));
    if (code == 0x20AC)
        return std::string(1, char(0x80)); // the euro sign is the single byte 0x80
    std::uint64_t found = 0;
    if (code <= 0xFFFF) {
        const std::uint32_t* end = std::end(kUnicodeToGbk);
        const std::uint32_t* it = std::lower_bound(std::begin(kUnicodeToGbk), end, code << 16);
        if (it != end && (*it >> 16) == code)
            found = *it;
    } else {
        const auto end = kHighUnicodeToGbk.end();
        const auto it = std::lower_bound(kHighUnicodeToGbk.begin(), end, std::uint64_t(code) << 16);
        if (it != end && (*it >> 16) == code)
            found = *it;
    }
    if (!found)
        return {};
    return {char(found >> 8 & 0xFF), char(found & 0xFF)};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos and advances pos. A malformed sequence gives one U+FFFD for
// its longest well-formed beginning (at least one byte), so a cut-off character becomes a single
// replacement and every stray byte one of its own.
char32_t NextUtf8(std::string_view s, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos++);
    if (lead < 0x80)
        return lead;
    std::size_t len = 0;
    char32_t code = 0;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        code = lead & 0x0F;
        lo = lead == 0xE0 ? 0xA0 : 0x80;
        hi = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        code = lead & 0x07;
        lo = lead == 0xF0 ? 0x90 : 0x80;
        hi = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return kReplacement;
    }
    for (std::size_t i = 1; i < len; ++i, lo = 0x80, hi = 0xBF) {
        if (pos >= s.size() || byte(pos) < lo || byte(pos) > hi)
            return kReplacement;
        code = (code << 6) | (byte(pos++) & 0x3F);
    }
    return code;
}

} // namespace

std::size_t GbkCharLength(std::string_view s, std::size_t pos) {
    if (pos >= s.size())
        return 0;
    if (IsGbkLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() &&
        IsGbkTrailByte(static_cast<unsigned char>(s[pos + 1])))
        return 2;
    return 1;
}

std::size_t GbkNextCharPos(std::string_view s, std::size_t pos) {
    if (pos >= s.size())
        return s.size();
    return pos + GbkCharLength(s, pos);
}

std::size_t GbkCharStart(std::string_view s, std::size_t pos) {
    if (pos >= s.size())
        return s.size();
    std::size_t i = 0;
    while (true) {
        std::size_t next = i + GbkCharLength(s, i);
        if (next > pos)
            return i;
        i = next;
    }
}

std::size_t GbkPrevCharPos(std::string_view s, std::size_t pos) {
    if (pos == 0)
        return 0;
    if (pos > s.size())
        pos = s.size();
    return GbkCharStart(s, pos - 1);
}

std::size_t GbkCharCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += GbkCharLength(s, i))
        ++n;
    return n;
}

std::string_view GbkTruncate(std::string_view s, std::size_t maxBytes) {
    if (maxBytes >= s.size())
        return s;
    return s.substr(0, GbkCharStart(s, maxBytes));
}

char32_t GbkCharToUnicode(std::string_view ch) {
    if (ch.empty())
        return kReplacement;
    auto lead = static_cast<unsigned char>(ch[0]);
    if (lead < 0x80)
        return lead;
    if (lead == 0x80)
        return 0x20AC;
    if (ch.size() >= 2 && IsGbkLeadByte(lead) && IsGbkTrailByte(static_cast<unsigned char>(ch[1])))
        return DecodePair(lead, static_cast<unsigned char>(ch[1]));
    return kReplacement;
}

std::vector<TGbkChar> GbkDecode(std::string_view gbk) {
    std::vector<TGbkChar> chars;
    chars.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        std::size_t len = GbkCharLength(gbk, i);
        chars.push_back({GbkCharToUnicode(gbk.substr(i, len)), i, len});
        i += len;
    }
    return chars;
}

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (const TGbkChar& c : GbkDecode(gbk))
        AppendUtf8(out, c.Code);
    return out;
}

std::string UnicodeToGbk(char32_t code) {
    std::string bytes = EncodeCode(code);
    return bytes.empty() ? std::string("?") : bytes;
}

std::string Utf8ToGbk(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t code = NextUtf8(utf8, pos);
        out += UnicodeToGbk(code);
    }
    return out;
}
