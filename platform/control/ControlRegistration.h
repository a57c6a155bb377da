#pragma once

#include "platform/component/IdentMap.h"

// Registers the control classes (TControl, TWinControl, TGraphicControl, TCustomControl,
// TCustomPanel, TPanel, TImage, TCustomForm, TForm, TTimer, TPopupMenu, TMenuItem) and the
// persistent classes they carry (TFont, TPen, TBrush, TPicture, TSizeConstraints) with their
// published properties, so that layouts can create them and set them. Calling it again does
// nothing.
// A layout places a control at most kMaxLayoutPosition pixels from its parent's origin either
// way; sizes (bounds, client size, constraints, bevel, border and pen widths) are at most
// kMaxLayoutExtent and font heights and sizes at most kMaxLayoutFontHeight either way. Larger
// values are refused as out of range, before a window, bitmap or glyph of that size is made.
void RegisterControlClasses();
inline constexpr int kMaxLayoutPosition = 32767;
inline constexpr int kMaxLayoutExtent = 8192;
inline constexpr int kMaxLayoutFontHeight = 1024;

// The names layouts use for these values.
const TIdentMap& CursorIdents();  // crDefault, crArrow, crHandPoint...
const TIdentMap& CharsetIdents(); // ANSI_CHARSET, DEFAULT_CHARSET, GB2312_CHARSET...
