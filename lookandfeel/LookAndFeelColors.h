#pragma once

#include "platform/core/Color.h"

// Colours derived from the system colours, computed afresh on each call.

// The colour the screen shows for a colour (system colours resolved).
TColor GetRealColor(TColor color);
// A mix of clBtnFace, clHighlight and clWindow with signed per-cent weights, per channel, each
// term rounded as MulDiv rounds and the sum clamped to 0..255; clHighlight itself when
// clBtnFace is pure black or pure white. Mapped to a colour the screen shows.
TColor GetLightColor(int btnFaceWeight, int highlightWeight, int windowWeight);
// The hot colour of ultra-flat parts (-2, 30, 72).
TColor GetLightSelColor();
// The pressed colour of ultra-flat parts (14, 44, 40).
TColor GetLightDownedSelColor();
// (11, 9, 73).
TColor GetLightDownedColor();
// clBtnFace lightened by 16 per cent toward white.
TColor GetLightBtnFaceColor();
