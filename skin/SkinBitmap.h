#pragma once

#include "platform/draw/Bitmap.h"
#include "platform/draw/Resources.h"

#include <string>

// Reads the bitmap resource `name` of `module` (nullptr: the program's own module) into bitmap,
// replacing its size, format and pixels. Raises EResNotFound ("Resource NAME not found") when the
// module lacks the name.
void LoadSkinBitmap(TBitmap* bitmap, HMODULE module, const std::string& name);
