#include "platform/control/Form.h"

#include "platform/control/Application.h"
#include "platform/control/Screen.h"
#include "platform/core/Exception.h"
#include "platform/window/ClassicFrame.h"

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    FControlStyle |= csAcceptsControls;
    SetControlStyle(FControlStyle);
    InitForm();
}

void TCustomForm::InitForm() {
    // A form starts hidden, with its own font and colour.
    FChangingVisibility = true;
    SetVisible(false);
    FChangingVisibility = false;
    SetParentFont(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (Application)
                Application->HandleException(this);
        }
    }
    if (Screen)
        Screen->RemoveForm(this);
    DestroyComponents();
}

// --- Window ----------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS);
    p.Style |= WS_CLIPCHILDREN;
    p.ExStyle = 0;
    switch (FBorderStyle) {
    case bsNone:
        p.Style |= WS_POPUP;
        break;
    case bsSingle:
        p.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case bsSizeable:
        p.Style |= WS_OVERLAPPEDWINDOW;
        break;
    case bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
        p.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        p.Style |= WS_CAPTION | WS_SYSMENU;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        p.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    p.WndParent = nullptr;
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        p.WndParent = Application->MainForm()->Handle();
    p.Caption = Caption();
}

TSize TCustomForm::FrameExtra() const {
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    TClassicFrameMetrics m = ClassicFrameMetrics(p.Style, p.ExStyle, {Width(), Height()});
    int cx = 2 * (m.Border + m.ClientEdge);
    int cy = 2 * (m.Border + m.ClientEdge) + m.Caption;
    return {cx, cy};
}

TRect TCustomForm::ClientRect() const {
    if (HandleAllocated())
        return TWinControl::ClientRect();
    TSize extra = FrameExtra();
    return {0, 0, std::max(0, Width() - extra.cx), std::max(0, Height() - extra.cy)};
}

TPoint TCustomForm::ClientOrigin() const {
    if (HandleAllocated())
        return TWinControl::ClientOrigin();
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    TClassicFrameMetrics m = ClassicFrameMetrics(p.Style, p.ExStyle, {Width(), Height()});
    return {Left() + m.Border + m.ClientEdge, Top() + m.Border + m.ClientEdge + m.Caption};
}

bool TCustomForm::Showing() const {
    return Visible() && FHandle && IsWindowVisible(FHandle);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
    if (FBorderStyle == s)
        return;
    FBorderStyle = s;
    RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (FHandle) {
        if (IsIconic(FHandle))
            return wsMinimized;
        if (IsZoomed(FHandle))
            return wsMaximized;
        if (IsWindowVisible(FHandle))
            return wsNormal;
    }
    return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState s) {
    FWindowState = s;
    if (FHandle && Showing()) {
        static constexpr int cmds[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
        ShowWindow(FHandle, cmds[s]);
    }
}

void TCustomForm::SetMenu(TComponent* menu) {
    if (FMenu == menu)
        return;
    if (FMenu)
        RemoveFreeNotification(FMenu);
    FMenu = menu;
    if (menu)
        FreeNotification(menu);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FMenu)
        FMenu = nullptr;
    if (component == FActiveControl)
        FActiveControl = nullptr;
    if (component == FFocusedControl)
        FFocusedControl = nullptr;
}

void TCustomForm::CMTextChanged(TMessage& m) {
    TWinControl::CMTextChanged(m);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    // The form read from its layout is complete now.
    if (OnCreate)
        OnCreate(this);
    if (Visible()) {
        FChangingVisibility = false;
        ShowWindowNow();
    }
}

// --- Showing and closing ---------------------------------------------------------------------

void TCustomForm::UpdateBoundsFromWindowPublic() {
    UpdateBoundsFromWindow();
}

void TCustomForm::Show() {
    SetVisible(true);
    if (FHandle)
        BringWindowToTop(FHandle);
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::CMVisibleChanged(TMessage& m) {
    (void)m;
    if (FChangingVisibility || ComponentState().Contains(csLoading))
        return;
    if (Visible())
        ShowWindowNow();
    else
        HideWindowNow();
}

void TCustomForm::ShowWindowNow() {
    HandleNeeded();
    DoShow();
    if (!Visible())
        return; // OnShow hid it again
    ApplyPosition();
    FChangingVisibility = true;
    static constexpr int cmds[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(FHandle, cmds[FWindowState]);
    FChangingVisibility = false;
    UpdateBoundsFromWindowPublic();
}

void TCustomForm::HideWindowNow() {
    if (!FHandle)
        return;
    FChangingVisibility = true;
    ShowWindow(FHandle, SW_HIDE);
    FChangingVisibility = false;
    DoHide();
}

void TCustomForm::ApplyPosition() {
    if (!FHandle)
        return;
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        CenterWindow(FHandle, nullptr);
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* over = Application ? Application->MainForm() : nullptr;
        if (FPosition == poOwnerFormCenter)
            if (auto* f = dynamic_cast<TCustomForm*>(Owner()))
                over = f;
        if (over && over != this && over->HandleAllocated() && over->Showing())
            CenterWindow(FHandle, over->Handle());
        else
            CenterWindow(FHandle, nullptr);
        break;
    }
    default:
        break;
    }
    UpdateBoundsFromWindowPublic();
}

void TCustomForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}

bool TCustomForm::CloseQuery() {
    bool can = true;
    if (OnCloseQuery)
        OnCloseQuery(this, can);
    return can;
}

void TCustomForm::Close() {
    if (FModal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Hide();
        PostMessage(Handle(), CM_RELEASE, 0, 0);
        break;
    default:
        break;
    }
}

void TCustomForm::SetModalResult(TModalResult result) {
    FModalResult = result;
    if (!FModal || result == mrNone)
        return;
    if (!CloseQuery()) {
        FModalResult = mrNone;
        return;
    }
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) {
        FModalResult = mrNone;
        return;
    }
    if (FHandle)
        EndModalLoop(FHandle, int(result));
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FModal)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (GetCapture())
        ReleaseCapture();
    SetCaptureControl(nullptr);
    TCustomForm* previousActive = Screen ? Screen->ActiveForm() : nullptr;
    FModal = true;
    FModalResult = mrNone;
    struct TModalScope {
        TCustomForm& Form;
        TCustomForm* Previous;
        ~TModalScope() {
            Form.FModal = false;
            if (Form.FHandle && IsWindowVisible(Form.FHandle)) {
                Form.FChangingVisibility = true;
                ShowWindow(Form.FHandle, SW_HIDE);
                Form.FChangingVisibility = false;
            }
            if (Form.Visible()) {
                Form.FChangingVisibility = true;
                Form.SetVisible(false);
                Form.FChangingVisibility = false;
                Form.DoHide();
            }
            if (Screen && Previous)
                Screen->SetActiveForm(Previous);
        }
    } scope{*this, previousActive};
    // The modal loop shows the window itself, so that the focus it gives back afterwards is
    // the one from before.
    FChangingVisibility = true;
    SetVisible(true);
    FChangingVisibility = false;
    HandleNeeded();
    DoShow();
    if (!Visible())
        return FModalResult ? FModalResult : mrCancel;
    ApplyPosition();
    int code = RunModalLoop(FHandle);
    if (FModalResult == mrNone)
        FModalResult = code ? code : mrCancel;
    return FModalResult;
}

// --- Focus -----------------------------------------------------------------------------------

bool TCustomForm::Active() const {
    return FHandle && GetActiveWindow() == FHandle;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (FActiveControl == control)
        return;
    if (control && !ContainsControl(control))
        throw EInvalidOperation("The active control must be a control of the form");
    if (ComponentState().Contains(csLoading) || !control) {
        FActiveControl = control;
        return;
    }
    if (!control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (Showing())
        ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (!control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (Showing())
        ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this)
        control = nullptr;
    if (control)
        FActiveControl = control;
    if (FFocusedControl == control)
        return;
    TWinControl* old = FFocusedControl;
    FFocusedControl = control;
    if (old)
        old->Perform(CM_EXIT, 0, 0);
    if (control && FFocusedControl == control)
        control->Perform(CM_ENTER, 0, 0);
    Perform(CM_FOCUSCHANGED, 0, LPARAM(control));
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (FActiveControl && control->ContainsControl(FActiveControl))
        FActiveControl = removing ? nullptr : FActiveControl;
    if (FFocusedControl && control->ContainsControl(FFocusedControl)) {
        FFocusedControl = nullptr;
        if (!removing && FHandle && Showing())
            ::SetFocus(FHandle);
    }
    if (removing && FActiveControl && control->ContainsControl(FActiveControl))
        FActiveControl = nullptr;
}

void TCustomForm::Activate() {
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate)
        OnDeactivate(this);
}

void TCustomForm::CMDialogKey(TMessage& m) {
    auto key = int(m.WParam);
    TShiftState shift = KeyboardShiftState();
    if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
        SelectNext(FActiveControl, !(shift & ssShift), true);
        m.Result = 1;
        return;
    }
    Broadcast(m);
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case CM_RELEASE:
        Free();
        return;
    case CM_DIALOGKEY:
        CMDialogKey(m);
        return;
    case WM_ACTIVATE:
        DefaultHandler(m);
        if (LOWORD(m.WParam) != WA_INACTIVE) {
            if (Screen)
                Screen->SetActiveForm(this);
            if (FActiveControl && FActiveControl->CanFocus())
                ::SetFocus(FActiveControl->Handle());
            else if (!FActiveControl)
                SelectNext(nullptr, true, true);
            Activate();
        } else {
            Deactivate();
        }
        return;
    case WM_SHOWWINDOW:
        DefaultHandler(m);
        if (!m.WParam && !FChangingVisibility && Visible()) {
            // Hidden from outside (a modal loop ending): keep Visible in step.
            FChangingVisibility = true;
            SetVisible(false);
            FChangingVisibility = false;
        }
        return;
    case WM_GETMINMAXINFO: {
        DefaultHandler(m);
        auto* info = reinterpret_cast<TMinMaxInfo*>(m.LParam);
        if (info) {
            TSizeConstraints& c = Constraints();
            if (c.MinWidth() > 0)
                info->ptMinTrackSize.X = c.MinWidth();
            if (c.MinHeight() > 0)
                info->ptMinTrackSize.Y = c.MinHeight();
            if (c.MaxWidth() > 0)
                info->ptMaxTrackSize.X = c.MaxWidth();
            if (c.MaxHeight() > 0)
                info->ptMaxTrackSize.Y = c.MaxHeight();
        }
        return;
    }
    default:
        TWinControl::WndProc(m);
    }
}
