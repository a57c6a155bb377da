#include "platform/core/Gbk.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <unordered_map>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Converts exactly one short sequence with iconv; 0 when it cannot be converted.
char32_t ConvertOne(iconv_t cd, const unsigned char* bytes, std::size_t len) {
    char in[4];
    for (std::size_t i = 0; i < len; ++i)
        in[i] = char(bytes[i]);
    char32_t out = 0;
    char* inp = in;
    std::size_t inLeft = len;
    char* outp = reinterpret_cast<char*>(&out);
    std::size_t outLeft = sizeof(out);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == std::size_t(-1) || inLeft != 0 || outLeft != 0)
        return 0;
    return out;
}

// The double-byte table, decoded once through iconv: index (lead - 0x81) * 191 + (trail - 0x40).
class TGbkTable {
public:
    static const TGbkTable& Instance() {
        static TGbkTable table;
        return table;
    }

    char32_t Decode(unsigned char lead, unsigned char trail) const {
        return Codes[std::size_t(lead - 0x81) * 191 + std::size_t(trail - 0x40)];
    }

    // GBK bytes (one or two) for a code point; empty when GBK cannot hold it.
    std::string Encode(char32_t code) const {
        if (code < 0x80)
            return std::string(1, char(code));
        auto it = Reverse.find(code);
        if (it == Reverse.end())
            return {};
        if (it->second < 0x100)
            return std::string(1, char(it->second));
        return std::string{char(it->second >> 8), char(it->second & 0xFF)};
    }

private:
    std::vector<char32_t> Codes;
    std::unordered_map<char32_t, unsigned> Reverse;

    TGbkTable() : Codes(std::size_t(126) * 191, kReplacement) {
        iconv_t cd = iconv_open("UTF-32LE", "GB18030");
        iconv_t gbk = iconv_open("UTF-32LE", "GBK");
        if (cd == iconv_t(-1))
            return;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                unsigned char pair[2] = {static_cast<unsigned char>(lead),
                                         static_cast<unsigned char>(trail)};
                char32_t code = ConvertOne(cd, pair, 2);
                if (code == 0)
                    continue;
                Codes[std::size_t(lead - 0x81) * 191 + std::size_t(trail - 0x40)] = code;
                // Only characters GBK itself holds are written back as GBK.
                if (gbk != iconv_t(-1) && ConvertOne(gbk, pair, 2) == code)
                    Reverse.emplace(code, (lead << 8) | trail);
            }
        Reverse.emplace(0x20AC, 0x80); // the euro sign is the single byte 0x80
        iconv_close(cd);
        if (gbk != iconv_t(-1))
            iconv_close(gbk);
    }
};

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
        return TGbkTable::Instance().Decode(lead, static_cast<unsigned char>(ch[1]));
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
    std::string bytes = TGbkTable::Instance().Encode(code);
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
