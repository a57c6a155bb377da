#pragma once

class TCanvas;
class TControl;

// Paints what lies under control into canvas, whose (0, 0) is the control's top-left corner:
// the parent erases its background and paints itself there, shifted by the control's position
// and clipped to the parent's client area. Nothing happens for a control without parent or
// whose parent has no window yet.
void DoTrans(TCanvas& canvas, TControl* control);
