#pragma once

#include "platform/stdctrls/CustomEdit.h"

// A label-like text over a native STATIC window: the caption drawn with the control's font and
// colours, aligned left, centred or right; "&" underlines the next letter unless ShowAccelChar
// is off. Transparent leaves the parent's background showing. With a FocusControl, the caption's
// accelerator moves the focus to that control (the text itself never takes the focus).
class TStaticText : public TWinControl {
public:
    explicit TStaticText(TComponent* owner);
    ~TStaticText() override;
    std::string ClassName() const override { return "TStaticText"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // Not owned; dropped when that control is freed. The text itself is refused.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;
    void CMDialogChar(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void UpdateWindowLook();

    TAlignment FAlignment = taLeftJustify;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    TWinControl* FFocusControl = nullptr;
};
