#pragma once

// Registers TCustomEdit, TEdit, TCustomMemo, TMemo, TButtonControl, TButton, TRadioButton and
// TStaticText with their own published properties, so layouts can create them. Their common
// control properties (Left, Top, Font, TabOrder...) are those of TWinControl when the control
// layer has registered it; without it they derive from TComponent. Registering twice does
// nothing.
void RegisterNativeControlClasses();
