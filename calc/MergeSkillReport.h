#pragma once

#include "calc/PetInput.h"
#include "calc/PetReport.h"

// The merge skills the four attributes of a record that passed ReadAttributeInput allow. A pair
// of attributes both 5 or more makes both of its skills learnable; the smaller of the two decides
// the highest level (5: level 4, 6: level 6, 7 or more: unknown), and a sixth level line needs
// both at 6 or more. The pet kind is not looked at.
TPetReport BuildMergeSkillReport(const TPetInput& input);
