#include "app/Frmtishi.h"

#include "app/AppLayouts.h"
#include "platform/control/Panel.h"
#include "platform/native/CustomMemo.h"

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
    ShowModal();
}

// The plain frame has no title bar of its own: the caption goes to the window's caption bar.
void TFormTishi::SetFrameCaption(const std::string& caption) {
    SetCaption(caption);
}
