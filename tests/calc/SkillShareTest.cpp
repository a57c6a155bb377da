#include "calc/SkillShare.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Three fifths rounded toward zero, minus one for nonzero multiples of 5: the whole-number form
// of the rule.
std::int32_t WholeNumberShare(std::int32_t czl) {
    const std::int64_t magnitude = czl < 0 ? -static_cast<std::int64_t>(czl) : czl;
    if (magnitude == 0)
        return 0;
    const std::int64_t share = (3 * magnitude - 1) / 5;
    return static_cast<std::int32_t>(czl < 0 ? -share : share);
}

TEST(calc_PetSkillShare, MatchesTheTableOfValues) {
    const struct {
        std::int32_t Czl, Share;
    } cases[] = {{0, 0},
                 {1, 0},
                 {2, 1},
                 {3, 1},
                 {4, 2},
                 {5, 2},
                 {7, 4},
                 {10, 5},
                 {20, 11},
                 {24, 14},
                 {25, 14},
                 {30, 17},
                 {-1, 0},
                 {-2, -1},
                 {-5, -2},
                 {-25, -14},
                 {2147483647, 1288490188},
                 {-2147483647 - 1, -1288490188}};
    for (const auto& c : cases)
        EXPECT_EQ(PetSkillShare(c.Czl), c.Share) << "czl " << c.Czl;
}

TEST(calc_PetSkillShare, AgreesWithTheWholeNumberRuleAcrossTheRange) {
    for (std::int32_t czl = -100000; czl <= 100000; ++czl)
        ASSERT_EQ(PetSkillShare(czl), WholeNumberShare(czl)) << "czl " << czl;
    for (std::int64_t czl = -2147483648LL; czl <= 2147483647LL; czl += 99991) {
        const auto value = static_cast<std::int32_t>(czl);
        ASSERT_EQ(PetSkillShare(value), WholeNumberShare(value)) << "czl " << value;
    }
    for (std::int32_t czl = 2147483647; czl > 2147483647 - 1000; --czl) {
        ASSERT_EQ(PetSkillShare(czl), WholeNumberShare(czl)) << "czl " << czl;
        ASSERT_EQ(PetSkillShare(-czl), WholeNumberShare(-czl)) << "czl " << -czl;
    }
}

} // namespace
