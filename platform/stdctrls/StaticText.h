#pragma once

#include "platform/stdctrls/CustomEdit.h"

// A label-like text over a native STATIC window: the caption drawn with the control's font and
// colours, aligned left, centred or right; "&" underlines the next letter unless ShowAccelChar
// is off. Transparent leaves the parent's background showing.
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

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;

private:
    void UpdateWindowLook();

    TAlignment FAlignment = taLeftJustify;
    bool FShowAccelChar = true;
    bool FTransparent = false;
};
