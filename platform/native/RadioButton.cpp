#include "platform/native/RadioButton.h"

#include "platform/native/NativeConst.h"

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify)
        p.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool v) {
    if (FChecked == v)
        return;
    FChecked = v;
    SetTabStop(v);
    if (HandleAllocated())
        SendMessage(FHandle, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v)
        return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
            if (sibling && sibling != this)
                sibling->SetChecked(false);
        }
    }
    if (!FClicksDisabled)
        Click();
}

void TRadioButton::SetAlignment(TAlignment v) {
    if (FAlignment == v)
        return;
    FAlignment = v;
    RecreateWnd();
}

void TRadioButton::DoEnter() {
    TButtonControl::DoEnter();
    if (FChecked || FClicksDisabled)
        return;
    FClicksDisabled = true;
    SetChecked(true);
    FClicksDisabled = false;
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TRadioButton::WndProc(TMessage& m) {
    // A press on an unfocused button focuses it first without a click of its own; when the
    // focus does not come, the press is swallowed.
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && HandleAllocated() &&
        GetFocus() != FHandle) {
        FClicksDisabled = true;
        ::SetFocus(FHandle);
        FClicksDisabled = false;
        if (GetFocus() != FHandle)
            return;
    }
    TButtonControl::WndProc(m);
}
