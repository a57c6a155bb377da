#pragma once

#include "platform/control/CustomControl.h"

// The small window that shows a control's hint: a borderless top-level popup that never takes
// the focus, in the tooltip colours, sized to its text.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    std::string ClassName() const override { return "THintWindow"; }

    // The window rectangle the text needs (origin 0,0), lines broken at maxWidth.
    TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the text in rect (screen coordinates), kept inside the work area.
    void ActivateHint(TRect rect, const std::string& hint);
    void ReleaseHandle();
    bool IsHintShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
};
