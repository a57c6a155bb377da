#include "app/Frmtishi.h"

#include "app/AppLayouts.h"
#include "platform/control/Panel.h"
#include "platform/stdctrls/CustomMemo.h"
#include "platform/window/WinApi.h"

TFormTishi* FormTishi = nullptr;

TFormTishi::TFormTishi(TComponent* owner) : TForm(owner) {
    ReadFormLayout(*this, "FormTishi");
    suiForm1 = &FindComponentAs<TPanel>("suiForm1");
    Memo = &FindComponentAs<TMemo>("Memo");
}

void TFormTishi::ShowReport(const TPetReport& report) {
    SetFrameCaption(report.Caption);
    Memo->Clear();
    for (const std::string& line : report.Lines)
        Memo->Lines().Add(line);
    // The control that had the focus (in the main window) gets it back when the window closes.
    const HWND focused = GetFocus();
    ShowModal();
    if (focused != nullptr && IsWindow(focused) && IsWindowVisible(focused) &&
        IsWindowEnabled(focused))
        ::SetFocus(focused);
}

// The plain frame has no title bar of its own: the caption goes to the window's caption bar.
void TFormTishi::SetFrameCaption(const std::string& caption) {
    SetCaption(caption);
}
