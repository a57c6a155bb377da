#pragma once

#include "platform/core/PixelBuffer.h"

#include <optional>

// The platform's predefined bitmaps, drawn by this layer. OBM_CHECKBOXES (32759) is a 4 x 3 grid
// of 13 x 13 cells: row 0 check boxes, row 1 radio buttons, row 2 three-state boxes; columns
// normal, checked, pushed, pushed and checked. Nothing for an unknown id.
std::optional<TPixelBuffer> LoadOemBitmap(int id);
