#pragma once

#include "calc/PetKind.h"
#include "calc/PetReadResult.h"

#include <string_view>

// Reads the six check-up fields and the kind. The checks run in a fixed order and the first
// failure gives the only message: an empty field, a field that is no integer, more skill points
// than total skill points, a target level below the current one, a target level equal to it.
// The texts are tested as given, never trimmed.
TPetReadResult ReadCheckupInput(std::string_view dj, std::string_view czl, std::string_view qjn,
                                std::string_view hjn, std::string_view qn, std::string_view mbdj,
                                TPetKind kind);

// Reads the four attributes: an empty field, then a field that is no integer, gives the message.
TPetReadResult ReadAttributeInput(std::string_view ll, std::string_view tp, std::string_view ys,
                                  std::string_view jg);
