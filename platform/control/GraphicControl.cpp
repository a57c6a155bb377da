#include "platform/control/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
    FCanvas.SetControl(this);
}

TGraphicControl::~TGraphicControl() {
    FCanvas.Unlock();
}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg != WM_PAINT) {
        TControl::WndProc(m);
        return;
    }
    auto* dc = reinterpret_cast<TDC*>(m.WParam);
    if (!dc)
        return;
    FCanvas.SetHandle(dc);
    FCanvas.UpdateFromControl();
    struct TRelease {
        TControlCanvas& C;
        ~TRelease() { C.SetHandle(nullptr); }
    } release{FCanvas};
    Paint();
}
