#pragma once

#include "calc/PetReport.h"
#include "platform/component/MethodTable.h"
#include "platform/control/Form.h"

#include <string_view>

class TsuiForm;
class TcxMemo;

// The result window: one report at a time, as read-only lines under a caption. Created once,
// hidden, and shown modally over the main window for each report.
class TFormTishi : public TForm {
public:
    // Reads the stored layout of that name (another one only in tests).
    explicit TFormTishi(TComponent* owner, std::string_view layoutName = "FormTishi");
    std::string ClassName() const override { return "TFormTishi"; }
    const TMethodTable* GetMethodTable() const override { return &FHandlers; }

    // Shows the report: its caption on the frame, its lines in the memo (one Add each; a line
    // holding CR LF breaks there), the window modal and centred over the main window. Returns
    // when the user has closed the window.
    void ShowReport(const TPetReport& report);

    TsuiForm* suiForm1 = nullptr;
    TcxMemo* Memo = nullptr;

private:
    void SetFrameCaption(const std::string& caption);

    TMethodTable FHandlers;
};

// The single result window of the program.
extern TFormTishi* FormTishi;
