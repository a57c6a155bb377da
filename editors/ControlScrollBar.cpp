#include "editors/ControlScrollBar.h"

#include "platform/window/WinConst.h"

TcxControlScrollBar::TcxControlScrollBar(TComponent* owner)
    : TcxScrollBar(owner), FAlive(std::make_shared<bool>(true)) {
    SetColor(clBtnFace);
    SetControlStyle(ControlStyle() & ~csFramed);
    SetTabStop(false);
    SetVisible(false);
}

TcxControlScrollBar::~TcxControlScrollBar() {
    *FAlive = false;
}

void TcxControlScrollBar::ApplyData() {
    if (FData.Visible) {
        SetScrollParams(FData.Min, FData.Max, FData.Position, FData.PageSize, true);
        SetSmallChange(FData.SmallChange);
        SetLargeChange(FData.LargeChange);
    }
    SetEnabled(FData.Enabled);
    if (Visible() != FData.Visible)
        SetVisible(FData.Visible);
}

void TcxControlScrollBar::FocusParent() {
    TWinControl* parent = Parent();
    if (!parent || !parent->CanFocus() || parent->Focused())
        return;
    parent->SetFocus();
}

void TcxControlScrollBar::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
        std::shared_ptr<bool> alive = FAlive;
        FocusParent();
        // Taking the focus may have freed the bar.
        if (!*alive)
            return;
    }
    TcxScrollBar::WndProc(m);
}
