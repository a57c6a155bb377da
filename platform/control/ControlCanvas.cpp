#include "platform/control/ControlCanvas.h"

#include "platform/control/WinControl.h"

TControlCanvas::~TControlCanvas() {
    Unlock();
}

void TControlCanvas::SetControl(TControl* control) {
    if (FControl == control)
        return;
    Unlock();
    FControl = control;
}

bool TControlCanvas::Lock() {
    if (HandleAllocated())
        return true;
    if (!FControl || !WindowSystemStarted())
        return false;
    auto* win = dynamic_cast<TWinControl*>(FControl);
    TPoint offset;
    if (!win) {
        win = FControl->Parent();
        offset = {FControl->Left(), FControl->Top()};
    }
    if (!win || !win->HandleAllocated())
        return false;
    HWND h = win->Handle();
    TDC* dc = GetDC(h);
    if (!dc)
        return false;
    FSaved = dc->SaveDC();
    if (offset.X || offset.Y || !dynamic_cast<TWinControl*>(FControl)) {
        dc->IntersectClipRect(FControl->BoundsRect());
        dc->OffsetViewportOrg(offset.X, offset.Y);
    }
    FWindow = h;
    FOwnDc = dc;
    SetHandle(dc);
    UpdateFromControl();
    return true;
}

void TControlCanvas::Unlock() {
    if (!FOwnDc)
        return;
    TDC* dc = FOwnDc;
    FOwnDc = nullptr;
    SetHandle(nullptr);
    dc->RestoreDC(FSaved);
    if (WindowSystemStarted())
        ReleaseDC(static_cast<HWND>(FWindow), dc);
    FWindow = nullptr;
}

void TControlCanvas::UpdateFromControl() {
    if (!FControl)
        return;
    Font().Assign(FControl->Font());
    Brush().SetColor(FControl->Color());
}
