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

// The double-byte table, filled one character at a time as characters are first met: building
// all of it at once took longer than the rest of the program's start-up. Decoding goes through
// GB18030 (which fills the gaps GBK leaves); a character is written back as GBK only when GBK
// holds it and its bytes read back as the same character.
class TGbkTable {
public:
    static TGbkTable& Instance() {
        static TGbkTable table;
        return table;
    }

    TGbkTable(const TGbkTable&) = delete;
    TGbkTable& operator=(const TGbkTable&) = delete;

    char32_t Decode(unsigned char lead, unsigned char trail) {
        char32_t& code = Codes[std::size_t(lead - 0x81) * 191 + std::size_t(trail - 0x40)];
        if (code == kNotYet) {
            const unsigned char pair[2] = {lead, trail};
            code = FromGb18030 == kNoConverter ? 0 : ConvertOne(FromGb18030, pair, 2);
            if (code == 0)
                code = kReplacement;
        }
        return code;
    }

    // GBK bytes (one or two) for a code point; empty when GBK cannot hold it.
    std::string Encode(char32_t code) {
        if (code < 0x80)
            return std::string(1, char(code));
        if (code == 0x20AC)
            return std::string(1, char(0x80)); // the euro sign is the single byte 0x80
        auto known = Encoded.find(code);
        if (known != Encoded.end())
            return known->second;
        std::string bytes = EncodeNew(code);
        Encoded.emplace(code, bytes);
        return bytes;
    }

private:
    static constexpr char32_t kNotYet = 0;
    static inline const iconv_t kNoConverter = iconv_t(-1);

    std::vector<char32_t> Codes;
    std::unordered_map<char32_t, std::string> Encoded;
    iconv_t FromGb18030;
    iconv_t ToGbk;

    TGbkTable()
        : Codes(std::size_t(126) * 191, kNotYet), FromGb18030(iconv_open("UTF-32LE", "GB18030")),
          ToGbk(iconv_open("GBK", "UTF-32LE")) {}

    ~TGbkTable() {
        if (FromGb18030 != kNoConverter)
            iconv_close(FromGb18030);
        if (ToGbk != kNoConverter)
            iconv_close(ToGbk);
    }

    std::string EncodeNew(char32_t code) {
        if (ToGbk == kNoConverter || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        char in[4];
        for (int i = 0; i < 4; ++i)
            in[i] = char((code >> (8 * i)) & 0xFF);
        char out[4];
        char* inp = in;
        std::size_t inLeft = sizeof in;
        char* outp = out;
        std::size_t outLeft = sizeof out;
        iconv(ToGbk, nullptr, nullptr, nullptr, nullptr);
        if (iconv(ToGbk, &inp, &inLeft, &outp, &outLeft) == std::size_t(-1) || inLeft != 0 ||
            sizeof out - outLeft != 2)
            return {};
        const auto lead = static_cast<unsigned char>(out[0]);
        const auto trail = static_cast<unsigned char>(out[1]);
        if (!IsGbkLeadByte(lead) || !IsGbkTrailByte(trail) || Decode(lead, trail) != code)
            return {};
        return std::string(out, 2);
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
