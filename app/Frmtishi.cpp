#include "app/Frmtishi.h"

#include "app/AppLayouts.h"
#include "editors/Memo.h"
#include "platform/window/WinApi.h"
#include "skin/SuiForm.h"

TFormTishi* FormTishi = nullptr;

TFormTishi::TFormTishi(TComponent* owner, std::string_view layoutName) : TForm(owner) {
    ReadFormLayout(*this, layoutName);
    suiForm1 = &FindComponentAs<TsuiForm>("suiForm1");
    Memo = &FindComponentAs<TcxMemo>("Memo");
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

// The frame shows the caption in its title bar and gives it to the window as well.
void TFormTishi::SetFrameCaption(const std::string& caption) {
    suiForm1->SetCaption(caption);
}
