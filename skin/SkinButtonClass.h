#pragma once

#include "platform/component/IdentMap.h"

// Registers TsuiCustomButton and TsuiButton with their published properties, so that layouts
// can create skinned buttons (the control classes are registered first). Calling it again does
// nothing.
void RegisterSkinButtonClass();

// The names layouts use for the themes (Custom, MacOS, WinXP, DeepBlue, Protein, BlueGlass) and
// the glyph layouts (blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom).
const TIdentMap& SkinButtonUIStyleIdents();
const TIdentMap& ButtonLayoutIdents();
