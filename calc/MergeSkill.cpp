#include "calc/MergeSkill.h"

#include "calc/Texts.h"

#include <initializer_list>

namespace {

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts)
        size += part.size();
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts)
        text += part;
    return text;
}

std::string_view MaxLevelEnding(TMergeSkillMaxLevel level) {
    switch (level) {
    case mlLevel4:
        return kSkillMaxLevel4;
    case mlLevel6:
        return kSkillMaxLevel6;
    case mlUnknown:
        break;
    }
    return kSkillMaxLevelUnknown;
}

} // namespace

std::string TMergeSkill::Heading() const {
    return Concat({kSkillHeadingBefore, Name});
}

std::string TMergeSkill::MaxLevelLine(TMergeSkillMaxLevel level) const {
    return Concat({kSkillMaxLevelBefore, Name, MaxLevelEnding(level)});
}

std::string TMergeSkill::HiddenSkillLine() const {
    return Concat({kSkillHiddenBefore, Name, kSkillHiddenMiddle, FusionSkill, kSkillHiddenAfter,
                   HiddenSkill});
}
