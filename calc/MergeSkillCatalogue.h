#pragma once

#include "calc/MergeSkill.h"

#include <array>

// The twelve merge skills in report order: the pairs (li,ti), (li,yuan), (li,jin), (ti,yuan),
// (ti,jin), (yuan,jin), and within a pair the skill named in that order before its mirror.
const std::array<TMergeSkill, 12>& MergeSkillCatalogue();
