#include "calc/GrowthIndex.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <system_error>

namespace {

// Round to the nearest whole number, an exact half to the even one; independent of the
// floating-point rounding mode.
long double RoundHalfEven(long double value) {
    const long double below = std::floor(value);
    const long double fraction = value - below;
    if (fraction > 0.5L)
        return below + 1;
    if (fraction < 0.5L)
        return below;
    return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

} // namespace

double GrowthIndex(std::int32_t k) {
    const long double perPoint = 1.5625e-5L; // 1/64000 with a 64-bit significand
    const double raw = static_cast<double>(static_cast<long double>(k) * perPoint);
    const double step = 0.0001;
    const long double n = RoundHalfEven(static_cast<long double>(raw) / step);
    if (n == 0)
        return 0.0;
    return static_cast<double>(n * step);
}

std::string FormatGrowthIndex(double index, std::string_view decimalSeparator) {
    if (index == 0)
        return "0";
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof(buffer), index, std::chars_format::general, 15);
    std::string text;
    if (result.ec != std::errc()) // cannot happen for a finite double in 64 bytes
        return text;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p;
    }
    return text;
}

std::string LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr)
        return ".";
    const std::string separator = conventions->decimal_point;
    if (separator.size() != 1 || static_cast<unsigned char>(separator[0]) >= 0x80)
        return ".";
    return separator;
}
