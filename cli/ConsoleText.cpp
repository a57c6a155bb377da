#include "cli/ConsoleText.h"

#include <cstddef>
#include <cstdint>
#include <iconv.h>

namespace {

const char kReplacementUtf8[] = "\xEF\xBF\xBD"; // U+FFFD
const char kEuroUtf8[] = "\xE2\x82\xAC";        // U+20AC

// One iconv conversion descriptor for the duration of a conversion.
class TIconv {
public:
    TIconv(const char* to, const char* from) : Handle(iconv_open(to, from)) {}
    ~TIconv() {
        if (IsOpen())
            iconv_close(Handle);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    bool IsOpen() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    // Converts one complete character; false when iconv cannot.
    bool Convert(std::string_view in, std::string& out) {
        if (!IsOpen())
            return false;
        iconv(Handle, nullptr, nullptr, nullptr, nullptr); // fresh state for every character
        char inBuffer[8];
        char outBuffer[16];
        if (in.size() > sizeof(inBuffer))
            return false;
        for (std::size_t i = 0; i < in.size(); ++i)
            inBuffer[i] = in[i];
        char* inPtr = inBuffer;
        std::size_t inLeft = in.size();
        char* outPtr = outBuffer;
        std::size_t outLeft = sizeof(outBuffer);
        if (iconv(Handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0)
            return false;
        out.append(outBuffer, sizeof(outBuffer) - outLeft);
        return true;
    }

private:
    iconv_t Handle;
};

bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

// The UTF-8 sequence at pos: its length, and whether it is well formed (shortest form, no
// surrogates, at most U+10FFFF). A malformed sequence covers its lead byte and the continuation
// bytes that still fitted, so each maximal malformed part is replaced once.
struct TUtf8Sequence {
    std::size_t Length;
    bool Valid;
};

TUtf8Sequence ReadUtf8Sequence(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80)
        return {1, true};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= s.size())
            return {i, false};
        const auto c = static_cast<unsigned char>(s[pos + i]);
        const unsigned char min = i == 1 ? low : 0x80;
        const unsigned char max = i == 1 ? high : 0xBF;
        if (c < min || c > max)
            return {i, false};
    }
    return {length, true};
}

} // namespace

std::string Utf8FromGbk(std::string_view gbk) {
    TIconv decoder("UTF-8", "GB18030");
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    std::size_t i = 0;
    while (i < gbk.size()) {
        const auto c = static_cast<unsigned char>(gbk[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (c == 0x80) {
            out += kEuroUtf8;
            ++i;
        } else if (IsLeadByte(c) && i + 1 < gbk.size() &&
                   IsTrailByte(static_cast<unsigned char>(gbk[i + 1]))) {
            if (!decoder.Convert(gbk.substr(i, 2), out))
                out += kReplacementUtf8;
            i += 2;
        } else {
            out += kReplacementUtf8;
            ++i;
        }
    }
    return out;
}

std::string GbkFromUtf8(std::string_view utf8) {
    TIconv encoder("GBK", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const TUtf8Sequence sequence = ReadUtf8Sequence(utf8, i);
        if (!sequence.Valid)
            out += '?';
        else if (sequence.Length == 1)
            out += utf8[i];
        else if (!encoder.Convert(utf8.substr(i, sequence.Length), out))
            out += '?';
        i += sequence.Length;
    }
    return out;
}
