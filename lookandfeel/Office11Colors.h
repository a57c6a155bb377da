#pragma once

#include "lookandfeel/LookAndFeelTypes.h"
#include "platform/core/Color.h"

// The office-style colour scheme, derived from the system colours and refreshed when they
// change (the system-palette listener does it before anybody else hears of the change).

void RefreshOffice11Colors();
// The frame of a selected (focused, hot, pressed) part.
TColor dxOffice11SelectedBorderColor();
// Text and marks of a disabled part.
TColor dxOffice11TextDisabledColor();
// The frame of a control.
TColor dxOffice11BorderColor();
// The face of a button in a state.
TColor dxOffice11ButtonColor(TcxButtonState state);
