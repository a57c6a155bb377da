#pragma once

#include "calc/PetInput.h"
#include "calc/PetReport.h"

#include <cstdint>
#include <string_view>

// The check-up of a record that passed ReadCheckupInput: the skill points and potential at the
// target level, the skills they pay for, and the growth index. Integer arithmetic wraps around
// at 32 bits; divisions truncate toward zero. The lines of the target level and the growth rate
// show the texts as typed. The index uses the given decimal separator.
TPetReport BuildCheckupReport(const TPetInput& input, std::string_view decimalSeparator);
// The same with the decimal separator of the user's locale (LC_NUMERIC).
TPetReport BuildCheckupReport(const TPetInput& input);

// The whole number the growth index is taken from.
std::int32_t CheckupGrowthBase(const TPetInput& input);
