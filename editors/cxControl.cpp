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
    DestroyScrollBars();
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

void TcxControl::CreateScrollBars() {
    if (!NeedsScrollBars() || FHScrollBar || IsDestroying())
        return;
    auto makeBar = [this](TScrollBarKind kind) {
        TComponentPtr<TcxControlScrollBar> bar = MakeComponent<TcxControlScrollBar>(nullptr);
        bar->SetKind(kind);
        bar->LookAndFeel().SetMasterLookAndFeel(FLookAndFeel.get());
        bar->OnScroll = [this, kind](TPersistent*, TScrollCode code, int& position) {
            Scroll(kind, code, position);
        };
        bar->SetParent(this);
        return bar;
    };
    FHScrollBar = makeBar(sbHorizontal);
    FVScrollBar = makeBar(sbVertical);
    FSizeGrip = MakeComponent<TcxSizeGrip>(nullptr);
    FSizeGrip->LookAndFeel().SetMasterLookAndFeel(FLookAndFeel.get());
    FSizeGrip->SetParent(this);
}

void TcxControl::DestroyScrollBars() {
    FSizeGrip.reset();
    FVScrollBar.reset();
    FHScrollBar.reset();
}

void TcxControl::Scroll(TScrollBarKind kind, TScrollCode code, int& position) {
    (void)kind;
    (void)code;
    (void)position;
}
