#include "platform/stdctrls/Button.h"

#include "platform/control/Accelerator.h"
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

void TButtonControl::CMDialogChar(TMessage& m) {
    m.Result = 0;
    if (!IsAccel(char(m.WParam), Caption()) || !CanFocus())
        return;
    SetFocus();
    if (HandleAllocated() && Focused())
        SendMessage(FHandle, BM_CLICK, 0, 0);
    m.Result = 1;
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

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) {
        int key = int(m.WParam);
        TWinControl* focused = FindControl(GetFocus());
        bool act = false;
        if (key == VK_RETURN)
            act = focused == this || (FDefault && !dynamic_cast<TButton*>(focused));
        else if (key == VK_ESCAPE)
            act = FCancel;
        if (act && Showing() && IsEnabledInChain()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    TButtonControl::WndProc(m);
}

void TButton::Click() {
    if (FModalResult != 0) {
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(FModalResult);
    }
    TButtonControl::Click();
}

TButtonControl::~TButtonControl() {
    // The window goes back to its own procedure, so that it is destroyed together with the
    // object behind it after this control is gone.
    if (FHandle && FDefWndProc)
        SetWindowLongPtr(FHandle, GWLP_WNDPROC, LONG_PTR(FDefWndProc));
}
