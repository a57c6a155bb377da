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

bool Qualifies(const TMergeSkill& skill, const TPetInput& input) {
    return (input.*skill.FirstAttribute).Value >= kLowestLearnable &&
           (input.*skill.SecondAttribute).Value >= kLowestLearnable;
}

std::int32_t SmallerAttribute(const TMergeSkill& skill, const TPetInput& input) {
    return std::min((input.*skill.FirstAttribute).Value, (input.*skill.SecondAttribute).Value);
}

// The level lines printed: the sixth only when both attributes are 6 or more.
std::size_t LevelLineCount(const TMergeSkill& skill, std::int32_t smallerAttribute) {
    const std::size_t count = skill.LevelLines.size();
    return count > 5 && smallerAttribute < 6 ? 5 : count;
}

void AddSkillBlock(const TMergeSkill& skill, std::int32_t smallerAttribute,
                   std::vector<std::string>& lines) {
    lines.push_back(skill.Heading());
    const std::size_t levelCount = LevelLineCount(skill, smallerAttribute);
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
    std::size_t lineCount = 5; // opening, apology and closing lines at most
    for (const TMergeSkill& skill : MergeSkillCatalogue())
        if (Qualifies(skill, input))
            lineCount += 4 + LevelLineCount(skill, SmallerAttribute(skill, input));
    lines.reserve(lineCount);
    lines.emplace_back(kMergeNote);
    lines.emplace_back(kMergeTitle);
    for (const TMergeSkill& skill : MergeSkillCatalogue())
        if (Qualifies(skill, input))
            AddSkillBlock(skill, SmallerAttribute(skill, input), lines);
    const bool allLow = input.ll.Value < kLowestLearnable && input.tp.Value < kLowestLearnable &&
                        input.ys.Value < kLowestLearnable && input.jg.Value < kLowestLearnable;
    if (allLow)
        lines.emplace_back(kMergeNoneLearnable);
    lines.emplace_back(kMergeEnd);
    lines.emplace_back(kAuthorLine);
    return report;
}
