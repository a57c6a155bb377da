#pragma once

#include "calc/PetInput.h"

#include <span>
#include <string>
#include <string_view>

// The highest level a learnable merge skill can reach, as its maximum-level line tells it.
enum TMergeSkillMaxLevel { mlLevel4, mlLevel6, mlUnknown };

// One merge skill: it joins a first and a second attribute of the pet. All texts are GBK.
struct TMergeSkill {
    std::string_view Name; // the two attributes' characters, then the merge word
    TPetNumber TPetInput::*FirstAttribute;
    TPetNumber TPetInput::*SecondAttribute;
    std::string_view FusionSkill; // the first attribute's fusion skill
    std::string_view HiddenSkill; // unlocked at level 4 together with the fusion skill
    std::span<const std::string_view> LevelLines; // level 1 upwards; four, five or six
    std::string_view EffectLine;                  // the hidden skill's effects, ending in CR LF

    // "You can learn:" and the name.
    std::string Heading() const;
    // The highest level an attendant pet can reach with this skill.
    std::string MaxLevelLine(TMergeSkillMaxLevel level) const;
    // Which fusion skill level unlocks the hidden skill.
    std::string HiddenSkillLine() const;
};
