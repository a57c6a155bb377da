#pragma once

#include <string_view>

// Whether key is the accelerator of a caption: the character after a single "&", compared
// without regard to case ("&&" shows one ampersand and marks nothing). Only the first mark
// counts, and only a single-byte character can be an accelerator.
bool IsAccel(char key, std::string_view caption);
