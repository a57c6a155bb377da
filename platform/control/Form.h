#pragma once

#include "platform/control/WinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TPersistent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TPersistent* Sender, bool& CanClose)>;

// A top-level window: caption, border style, placement when shown, window state, the active
// control, modal showing with a modal result. Hidden until shown. Closing the application's
// main form ends the application's loop; closing another form hides it.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }

    void Show();
    void Hide();
    // Asks OnCloseQuery, then OnClose decides (hide by default); a modal form ends its loop
    // with mrCancel; the main form ends the application.
    void Close();
    bool CloseQuery();
    // Shows the form modally: the other forms are disabled until a non-zero modal result is set
    // or the form is closed; then they are enabled again and the focus goes back. Returns the
    // modal result (mrCancel when the form was closed without one).
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result);
    bool IsModal() const { return FModal; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle s);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition p) { FPosition = p; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState s);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
    // With KeyPreview the form's key events run before those of the focused control and can
    // take the key away from it.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    TComponent* Menu() const { return FMenu; }
    void SetMenu(TComponent* menu);

    // The control that has (or gets when the form is activated) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Focuses a control of the form (EInvalidOperation when it cannot take the focus).
    void FocusControl(TWinControl* control);
    // Called when a control of the form received the focus: exit and enter notifications.
    void SetFocusedControl(TWinControl* control);
    // Forgets a control that is going away or being hidden.
    void DefocusControl(TWinControl* control, bool removing);
    bool Active() const;

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnCreate; // once the form's layout has been read (Loaded)
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    void CreateParams(TCreateParams& params) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    void ApplyPosition();
    void CMDialogKey(TMessage& message) override;

private:
    void InitForm();
    void UpdateBoundsFromWindowPublic();
    void ShowWindowNow();
    void HideWindowNow();
    TSize FrameExtra() const;

    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    int FPixelsPerInch = 96;
    bool FKeyPreview = false;
    TComponent* FMenu = nullptr;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FChangingVisibility = false;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
    std::string ClassName() const override { return "TForm"; }
};
