#include "platform/stdctrls/RadioButton.h"

#include "platform/native/NativeConst.h"

#include <algorithm>
#include <vector>

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

void TRadioButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TButtonControl::KeyDown(key, shift);
    int step = (key == VK_LEFT || key == VK_UP) ? -1 : (key == VK_RIGHT || key == VK_DOWN) ? 1 : 0;
    TWinControl* parent = Parent();
    if (!step || !parent)
        return;
    key = 0;
    std::vector<TRadioButton*> group;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(parent->Controls(i)))
            group.push_back(r);
    auto self = std::find(group.begin(), group.end(), this);
    int n = int(group.size());
    int at = int(self - group.begin());
    for (int k = 1; k < n; ++k) {
        TRadioButton* next = group[std::size_t((at + n + step * k) % n)];
        if (next->CanFocus()) {
            next->SetFocus();
            return;
        }
    }
}

void TRadioButton::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        TButtonControl::WndProc(m);
        m.Result |= DLGC_WANTARROWS;
        return;
    }
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
