#include "skin/DoTrans.h"

#include "platform/control/WinControl.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DCStateSaver.h"

void DoTrans(TCanvas& canvas, TControl* control) {
    if (!control)
        return;
    TWinControl* parent = control->Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    TDCStateSaver saver(*dc);
    dc->OffsetViewportOrg(-control->Left(), -control->Top());
    dc->IntersectClipRect(parent->ClientRect());
    SendMessage(parent->Handle(), WM_ERASEBKGND, WPARAM(dc), 0);
    SendMessage(parent->Handle(), WM_PAINT, WPARAM(dc), 0);
}
