#pragma once

#include "platform/component/IdentMap.h"

// Registers the control classes (TControl, TWinControl, TGraphicControl, TCustomControl,
// TCustomPanel, TPanel, TImage, TCustomForm, TForm, TTimer, TPopupMenu, TMenuItem) and the
// persistent classes they carry (TFont, TPen, TBrush, TPicture, TSizeConstraints) with their
// published properties, so that layouts can create them and set them. Calling it again does
// nothing.
void RegisterControlClasses();

// The names layouts use for these values.
const TIdentMap& CursorIdents();  // crDefault, crArrow, crHandPoint...
const TIdentMap& CharsetIdents(); // ANSI_CHARSET, DEFAULT_CHARSET, GB2312_CHARSET...
