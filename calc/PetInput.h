#pragma once

#include "calc/PetKind.h"

#include <cstdint>
#include <string>

// One number of the main window with the text it was read from, exactly as typed.
struct TPetNumber {
    std::int32_t Value = 0;
    std::string Text;
};

// The pet's numbers, named after the main window's edits. A reader fills only the fields its
// report needs; the others stay zero with an empty text.
struct TPetInput {
    TPetNumber dj;   // current level
    TPetNumber czl;  // growth rate: points gained with each level
    TPetNumber qjn;  // current skill points
    TPetNumber hjn;  // total skill points
    TPetNumber qn;   // unspent potential
    TPetNumber mbdj; // target level
    TPetNumber ll;   // strength (力)
    TPetNumber tp;   // physique (体)
    TPetNumber ys;   // spirit (元)
    TPetNumber jg;   // sinews (筋)
    TPetKind Kind = pkAttendant;
};
