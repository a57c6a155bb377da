#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The growth index of the check-up, from its whole-number base K: K / 64000 rounded to four
// decimals, exact halves going to the even neighbour. The steps use the 64-bit significand of
// long double where the rule asks for it, which decides the few K that fall on a half.
// Zero is always +0.
double GrowthIndex(std::int32_t k);

// The index in general number format: at most four decimals, no trailing zeros or trailing
// separator, "0" before the separator below 1, "-" before negative values, never "-0".
std::string FormatGrowthIndex(double index, std::string_view decimalSeparator);

// The decimal separator of the current LC_NUMERIC locale; "." when the locale's separator is not
// a single ASCII character (the reports are GBK text).
std::string LocaleDecimalSeparator();
