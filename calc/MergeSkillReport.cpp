#include "calc/MergeSkillReport.h"

#include "calc/MergeSkillCatalogue.h"
#include "calc/Texts.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int32_t kLowestLearnable = 5;

TMergeSkillMaxLevel MaxLevelFor(std::int32_t smallerAttribute) {
    if (smallerAttribute <= 5)
        return mlLevel4;
    if (smallerAttribute == 6)
        return mlLevel6;
    return mlUnknown;
}

void AddSkillBlock(const TMergeSkill& skill, std::int32_t smallerAttribute,
                   std::vector<std::string>& lines) {
    lines.push_back(skill.Heading());
    std::size_t levelCount = skill.LevelLines.size();
    if (levelCount > 5 && smallerAttribute < 6)
        levelCount = 5;
    for (std::size_t i = 0; i < levelCount; ++i)
        lines.emplace_back(skill.LevelLines[i]);
    lines.push_back(skill.MaxLevelLine(MaxLevelFor(smallerAttribute)));
    lines.push_back(skill.HiddenSkillLine());
    lines.emplace_back(skill.EffectLine);
}

} // namespace

TPetReport BuildMergeSkillReport(const TPetInput& input) {
    TPetReport report;
    report.Caption = std::string(kMergeCaption);
    std::vector<std::string>& lines = report.Lines;
    lines.emplace_back(kMergeNote);
    lines.emplace_back(kMergeTitle);
    for (const TMergeSkill& skill : MergeSkillCatalogue()) {
        const std::int32_t first = (input.*skill.FirstAttribute).Value;
        const std::int32_t second = (input.*skill.SecondAttribute).Value;
        if (first >= kLowestLearnable && second >= kLowestLearnable)
            AddSkillBlock(skill, std::min(first, second), lines);
    }
    const bool allLow = input.ll.Value < kLowestLearnable && input.tp.Value < kLowestLearnable &&
                        input.ys.Value < kLowestLearnable && input.jg.Value < kLowestLearnable;
    if (allLow)
        lines.emplace_back(kMergeNoneLearnable);
    lines.emplace_back(kMergeEnd);
    lines.emplace_back(kAuthorLine);
    return report;
}
