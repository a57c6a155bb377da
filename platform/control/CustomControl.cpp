#include "platform/control/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    FCanvas.SetControl(this);
}

TCustomControl::~TCustomControl() {
    FCanvas.Unlock();
}

void TCustomControl::PaintWindow(TDC* dc) {
    FCanvas.SetHandle(dc);
    FCanvas.UpdateFromControl();
    struct TRelease {
        TControlCanvas& C;
        ~TRelease() { C.SetHandle(nullptr); }
    } release{FCanvas};
    Paint();
}
