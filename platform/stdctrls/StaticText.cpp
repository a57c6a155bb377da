#include "platform/stdctrls/StaticText.h"

#include "platform/control/Accelerator.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"
#include "platform/native/StaticWindow.h"

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetColor(clBtnFace);
}

void TStaticText::CreateParams(TCreateParams& p) {
    RegisterNativeClasses();
    TWinControl::CreateParams(p);
    p.WinClassName = kStaticClass;
    if (FAlignment == taCenter)
        p.Style |= SS_CENTER;
    else if (FAlignment == taRightJustify)
        p.Style |= SS_RIGHT;
    if (!FShowAccelChar)
        p.Style |= SS_NOPREFIX;
}

void TStaticText::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateWindowLook();
}

void TStaticText::UpdateWindowLook() {
    if (!HandleAllocated())
        return;
    TLogFont lf = Font().ToLogFont();
    SendMessage(FHandle, WM_SETFONT, WPARAM(&lf), 0);
    std::uint32_t back = FTransparent ? clNoBackground : std::uint32_t(ColorToRGB(Color()));
    SendMessage(FHandle, STM_SETCOLORS, WPARAM(back), LPARAM(ColorToRGB(Font().Color())));
}

void TStaticText::CMFontChanged(TMessage& m) {
    TWinControl::CMFontChanged(m);
    UpdateWindowLook();
}

void TStaticText::CMColorChanged(TMessage& m) {
    TWinControl::CMColorChanged(m);
    UpdateWindowLook();
}

std::string TStaticText::GetText() const {
    if (FHandle)
        return GetWindowText(FHandle);
    return TWinControl::GetText();
}

void TStaticText::SetTextValue(const std::string& text) {
    TWinControl::SetTextValue(text);
    if (HandleAllocated())
        SetWindowText(FHandle, text);
}

void TStaticText::SetAlignment(TAlignment v) {
    if (FAlignment == v)
        return;
    FAlignment = v;
    RecreateWnd();
}

void TStaticText::SetShowAccelChar(bool v) {
    if (FShowAccelChar == v)
        return;
    FShowAccelChar = v;
    RecreateWnd();
}

void TStaticText::SetTransparent(bool v) {
    if (FTransparent == v)
        return;
    FTransparent = v;
    UpdateWindowLook();
}

void TStaticText::SetFocusControl(TWinControl* control) {
    if (control == this || FFocusControl == control)
        return;
    if (FFocusControl)
        RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    if (control)
        FreeNotification(control);
}

void TStaticText::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TStaticText::CMDialogChar(TMessage& m) {
    m.Result = 0;
    if (!FFocusControl || !FShowAccelChar || !IsEnabledInChain() || !Showing() ||
        !IsAccel(char(m.WParam), Caption()) || !FFocusControl->CanFocus())
        return;
    FFocusControl->SetFocus();
    m.Result = 1;
}

TStaticText::~TStaticText() {
    // The window goes back to its own procedure, so that it is destroyed together with the
    // object behind it after this control is gone.
    if (FHandle && FDefWndProc)
        SetWindowLongPtr(FHandle, GWLP_WNDPROC, LONG_PTR(FDefWndProc));
}
