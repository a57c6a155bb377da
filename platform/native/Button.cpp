#include "platform/native/Button.h"

#include "platform/control/Form.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    // The native window captures the mouse itself and reports its clicks.
    FControlStyle &= ~unsigned(csSetCaption | csClickEvents | csCaptureMouse);
    FControlStyle |= csDoubleClicks;
}

void TButtonControl::CreateParams(TCreateParams& p) {
    RegisterNativeClasses();
    TWinControl::CreateParams(p);
    p.WinClassName = kButtonClass;
}

void TButtonControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateWindowFont();
}

void TButtonControl::UpdateWindowFont() {
    if (!HandleAllocated())
        return;
    TLogFont lf = Font().ToLogFont();
    SendMessage(FHandle, WM_SETFONT, WPARAM(&lf), 1);
}

void TButtonControl::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED)
            Clicked();
        else if (HIWORD(m.WParam) == BN_DOUBLECLICKED)
            DblClick();
        return;
    }
    TWinControl::WndProc(m);
}

void TButtonControl::CMFontChanged(TMessage& m) {
    TWinControl::CMFontChanged(m);
    UpdateWindowFont();
}

void TButtonControl::CMTextChanged(TMessage& m) {
    TWinControl::CMTextChanged(m);
}

std::string TButtonControl::GetText() const {
    if (FHandle)
        return GetWindowText(FHandle);
    return TWinControl::GetText();
}

void TButtonControl::SetTextValue(const std::string& text) {
    TWinControl::SetTextValue(text);
    if (HandleAllocated())
        SetWindowText(FHandle, text);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
    if (FDefault == v)
        return;
    FDefault = v;
    if (HandleAllocated())
        SendMessage(FHandle, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TButton::Click() {
    if (FModalResult != 0) {
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(FModalResult);
    }
    TButtonControl::Click();
}
