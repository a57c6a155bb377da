#pragma once

#include <string>

// The skin engine's refusal of a setting: a modal box with the error icon and an OK button,
// captioned with the application's title.
void ShowSkinError(const std::string& text);
