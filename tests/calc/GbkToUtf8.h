#pragma once

#include "calc/PetReport.h"

#include <string>
#include <string_view>
#include <vector>

// Strict GBK to UTF-8 through iconv, so the calculator's GBK texts are checked against UTF-8
// expectations independently of how they were written. A text that is not valid GBK comes back
// as "<invalid GBK: ...>" and fails every comparison.
std::string GbkToUtf8Strict(std::string_view gbk);
// UTF-8 to GBK for feeding the readers; "<invalid UTF-8>" when iconv cannot convert it.
std::string Utf8ToGbkStrict(std::string_view utf8);

// A report with caption and lines in UTF-8.
struct TUtf8Report {
    std::string Caption;
    std::vector<std::string> Lines;
};
TUtf8Report ToUtf8(const TPetReport& report);
