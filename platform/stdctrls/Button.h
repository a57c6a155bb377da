#pragma once

#include "platform/control/WinControl.h"

// The base of the controls over native BUTTON windows: a click notification of the window
// becomes Click, a double-click notification DblClick.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    ~TButtonControl() override;
    std::string ClassName() const override { return "TButtonControl"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;
    // The window's click notification (BN_CLICKED).
    virtual void Clicked() { Click(); }
    // The caption's accelerator focuses the button and clicks it, as a click of its window does.
    void CMDialogChar(TMessage& message) override;
    void UpdateWindowFont();
};

// A push button. With a modal result, a click also gives it to the form, which closes a modal
// form. Default draws the default-button frame.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int v) { FModalResult = v; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The form offers Enter and Escape to its buttons: Enter clicks the focused button, or the
    // default one while no button has the focus; Escape clicks the cancel button.
    void WndProc(TMessage& message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
};
