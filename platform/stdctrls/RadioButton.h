#pragma once

#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/CustomEdit.h"

// A radio button over a native BUTTON window. Checking one unchecks the other radio buttons of
// the same parent; only the checked one is a tab stop. The window's click checks it; the
// keyboard focus arriving on an unchecked one checks it and clicks it once. Checked is sent to
// the window when it is created.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override { SetChecked(true); }
    void DoEnter() override;
    // The arrow keys move the focus (and so the check) to the previous or next radio button of
    // the same parent, also when the window is owner-drawn.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;

    bool FClicksDisabled = false;

private:
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};
