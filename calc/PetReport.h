#pragma once

#include <string>
#include <vector>

// A report for the result window: its caption and its lines in order. A line may contain or end
// in CR LF, which the result window shows as a line break.
struct TPetReport {
    std::string Caption;
    std::vector<std::string> Lines;
};
