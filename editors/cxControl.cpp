#include "editors/cxControl.h"

TcxControl::TcxControl(TComponent* owner)
    : TCustomControl(owner), FcxCanvas(&Canvas()),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
        LookAndFeelChanged(sender, changed);
    };
}

TcxControl::~TcxControl() {
    FIsDestroying = true;
    FLookAndFeel->OnChanged = nullptr;
}

void TcxControl::LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    (void)sender;
    (void)changed;
}

void TcxControl::Destroying() {
    FIsDestroying = true;
    TCustomControl::Destroying();
}

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && !IsDesigning() && CanFocusOnClick() && CanFocus() && !Focused())
        SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}
