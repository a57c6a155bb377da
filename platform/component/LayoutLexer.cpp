#include "platform/component/LayoutLexer.h"

#include <algorithm>
#include <cstdio>

#include "platform/core/Gbk.h"

namespace {

bool IsIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

// "U+1F600" for the first character of valid UTF-8 text that GBK cannot hold.
std::string FirstNonGbk(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t n = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
        for (std::size_t k = 1; k <= n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n + 1;
        if (cp != '?' && UnicodeToGbk(cp) == "?") {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "U+%04X", unsigned(cp));
            return buffer;
        }
    }
    return "?";
}

} // namespace

EReadError::EReadError(const std::string& fileName, int line, const std::string& message)
    : Exception(fileName + "(" + std::to_string(line) + "): " + message), FFileName(fileName),
      FLine(line) {}

std::string TLayoutToken::Describe() const {
    switch (Kind) {
    case ltEnd:
        return "the end of the file";
    case ltIdent:
        return Text;
    case ltNumber:
        return std::to_string(Number);
    case ltString:
        return "\"" + Text + "\"";
    case ltSymbol:
        return "'" + Text + "'";
    }
    return Text;
}

TLayoutLexer::TLayoutLexer(std::string_view text, std::string fileName)
    : FText(text), FFileName(std::move(fileName)) {
    if (FText.size() > kMaxLayoutBytes)
        Fail(1, "The layout is longer than " + std::to_string(kMaxLayoutBytes) + " bytes");
    if (FText.substr(0, 3) == "\xEF\xBB\xBF")
        FPos = 3; // byte-order mark
}

void TLayoutLexer::Fail(int line, const std::string& message) const {
    throw EReadError(FFileName, line, message);
}

const TLayoutToken& TLayoutLexer::Peek() {
    if (!FHasPeek) {
        FPeek = Scan();
        FHasPeek = true;
    }
    return FPeek;
}

TLayoutToken TLayoutLexer::Next() {
    if (FHasPeek) {
        FHasPeek = false;
        return std::move(FPeek);
    }
    return Scan();
}

void TLayoutLexer::SkipBlanks() {
    while (FPos < FText.size()) {
        char c = FText[FPos];
        if (c == '\n') {
            ++FLine;
            ++FPos;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++FPos;
        } else if (c == '#') {
            while (FPos < FText.size() && FText[FPos] != '\n')
                ++FPos;
        } else {
            return;
        }
    }
}

TLayoutToken TLayoutLexer::Scan() {
    SkipBlanks();
    TLayoutToken t;
    t.Line = FLine;
    if (FPos >= FText.size())
        return t;
    char c = FText[FPos];
    if (IsIdentStart(c)) {
        std::size_t start = FPos;
        while (FPos < FText.size() && (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos])))
            ++FPos;
        if (FPos - start > kMaxLayoutNameLength)
            Fail(FLine, "Name " + std::string(FText.substr(start, 16)) + "... is longer than " +
                            std::to_string(kMaxLayoutNameLength) + " characters");
        t.Kind = ltIdent;
        t.Text = std::string(FText.substr(start, FPos - start));
        return t;
    }
    if (IsDigit(c) || (c == '-' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1])))
        return ScanNumber();
    if (c == '"')
        return ScanString();
    if (std::string_view("=:.,[]()<>").find(c) != std::string_view::npos) {
        ++FPos;
        t.Kind = ltSymbol;
        t.Text = std::string(1, c);
        return t;
    }
    unsigned char u = static_cast<unsigned char>(c);
    std::string shown = u >= 0x20 && u < 0x7F ? std::string(1, c) : "byte " + std::to_string(u);
    Fail(FLine, "Unexpected character " + shown);
}

TLayoutToken TLayoutLexer::ScanNumber() {
    TLayoutToken t;
    t.Line = FLine;
    t.Kind = ltNumber;
    std::size_t start = FPos;
    bool negative = FText[FPos] == '-';
    if (negative)
        ++FPos;
    unsigned base = 10;
    if (FPos + 1 < FText.size() && FText[FPos] == '0' &&
        (FText[FPos + 1] == 'x' || FText[FPos + 1] == 'X')) {
        base = 16;
        FPos += 2;
    }
    unsigned long long value = 0;
    bool any = false, overflow = false;
    while (FPos < FText.size()) {
        int d =
            base == 16 ? HexValue(FText[FPos]) : (IsDigit(FText[FPos]) ? FText[FPos] - '0' : -1);
        if (d < 0)
            break;
        any = true;
        if (value > (0xFFFFFFFFFFFFFFFFull - unsigned(d)) / base)
            overflow = true;
        value = value * base + unsigned(d);
        ++FPos;
    }
    bool trailing = false;
    while (FPos < FText.size() && (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos]))) {
        trailing = true; // "12px" is one bad number, not a number and a name
        ++FPos;
    }
    std::string text(FText.substr(start, FPos - start));
    if (!any || trailing)
        Fail(t.Line, "Bad number " + text);
    if (overflow || value > (negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull))
        Fail(t.Line, "Number out of range: " + text);
    t.Number = negative ? (long long)(0 - value) : (long long)value;
    t.Text = text;
    return t;
}

TLayoutToken TLayoutLexer::ScanString() {
    TLayoutToken t;
    t.Line = FLine;
    t.Kind = ltString;
    const std::size_t start = FPos++; // opening quote
    std::string segment;              // UTF-8 bytes not yet converted
    auto flush = [&]() {
        if (segment.empty())
            return;
        if (!IsValidUtf8(segment))
            Fail(t.Line, "Malformed UTF-8 in a string");
        std::string gbk = Utf8ToGbk(segment);
        // Utf8ToGbk writes "?" for what GBK cannot hold: more "?" than given means a loss.
        if (std::count(gbk.begin(), gbk.end(), '?') !=
            std::count(segment.begin(), segment.end(), '?'))
            Fail(t.Line, "The string holds character " + FirstNonGbk(segment) +
                             ", which GBK does not have");
        t.Text += gbk;
        segment.clear();
    };
    while (true) {
        if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
            Fail(t.Line, "Unterminated string");
        if (FText[FPos] != '"' && FPos - start - 1 >= kMaxLayoutStringBytes)
            Fail(t.Line, "String longer than " + std::to_string(kMaxLayoutStringBytes) + " bytes");
        char c = FText[FPos++];
        if (c == '"')
            break;
        if (c != '\\') {
            segment += c;
            continue;
        }
        if (FPos >= FText.size())
            Fail(t.Line, "Unterminated string");
        char e = FText[FPos++];
        flush();
        switch (e) {
        case '"':
        case '\\':
            t.Text += e;
            break;
        case 'r':
            t.Text += '\r';
            break;
        case 'n':
            t.Text += '\n';
            break;
        case 't':
            t.Text += '\t';
            break;
        case 'x': {
            int hi = FPos < FText.size() ? HexValue(FText[FPos]) : -1;
            int lo = FPos + 1 < FText.size() ? HexValue(FText[FPos + 1]) : -1;
            if (hi < 0 || lo < 0)
                Fail(t.Line, "Bad escape \\x in a string: two hexadecimal digits expected");
            t.Text += char(hi * 16 + lo);
            FPos += 2;
            break;
        }
        default:
            Fail(t.Line, std::string("Unknown escape \\") + e + " in a string");
        }
    }
    flush();
    return t;
}
