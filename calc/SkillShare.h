#pragma once

#include <cstdint>

// The skill points a pet gains per level out of its growth rate: the growth rate times the
// double nearest to 0.6, formed with a 64-bit significand and truncated toward zero. The double
// lies just below 0.6, so a nonzero multiple of 5 gives one less than three fifths of it:
// 5 gives 2, 25 gives 14, -5 gives -2.
std::int32_t PetSkillShare(std::int32_t growthRate);
