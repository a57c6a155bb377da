#include "tests/calc/GbkToUtf8.h"

#include <cerrno>
#include <iconv.h>

namespace {

bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string input(in);
    char* inPtr = input.data();
    std::size_t inLeft = input.size();
    out.assign(input.size() * 4 + 4, '\0');
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0)
        return false;
    out.resize(out.size() - outLeft);
    return true;
}

} // namespace

std::string GbkToUtf8Strict(std::string_view gbk) {
    std::string out;
    if (!Convert("UTF-8", "GBK", gbk, out))
        return "<invalid GBK: " + std::string(gbk) + ">";
    return out;
}

std::string Utf8ToGbkStrict(std::string_view utf8) {
    std::string out;
    if (!Convert("GBK", "UTF-8", utf8, out))
        return "<invalid UTF-8>";
    return out;
}

TUtf8Report ToUtf8(const TPetReport& report) {
    TUtf8Report converted;
    converted.Caption = GbkToUtf8Strict(report.Caption);
    for (const std::string& line : report.Lines)
        converted.Lines.push_back(GbkToUtf8Strict(line));
    return converted;
}
