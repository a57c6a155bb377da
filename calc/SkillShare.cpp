#include "calc/SkillShare.h"

std::int32_t PetSkillShare(std::int32_t growthRate) {
    const double share = 0.6;
    const long double product = static_cast<long double>(growthRate) * share;
    // |product| < 2^31, so the truncated value always fits.
    return static_cast<std::int32_t>(product);
}
