#include "platform/control/Control.h"

#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/control/PopupMenu.h"
#include "platform/control/WinControl.h"
#include "platform/core/Exception.h"

#include <algorithm>

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TPersistent*) { FontObjectChanged(); };
    FConstraints.OnChange = [this](TPersistent*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
    if (Application)
        Application->ControlDestroying(this);
    if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
    if (FParent)
        FParent->RemoveControl(this);
    FFont->OnChange = nullptr;
}

// --- Parent and placement --------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot be its own parent");
    for (TWinControl* p = parent; p; p = p->Parent())
        if (p == this)
            throw EInvalidOperation("A control cannot be placed inside itself");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (FParentFont)
            Perform(CM_PARENTFONTCHANGED, 0, 0);
        if (FParentColor)
            Perform(CM_PARENTCOLORCHANGED, 0, 0);
        if (FParentShowHint)
            ParentShowHintChanged();
    }
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* p = dynamic_cast<TWinControl*>(parent))
        SetParent(p);
}

// Makes the new size acceptable (never negative, as CanResize and the constraints allow);
// false when the bounds then stay as they are.
bool TControl::ClampNewBounds(int left, int top, int& width, int& height) {
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if ((width != FWidth || height != FHeight) && !CanResize(width, height)) {
        width = FWidth;
        height = FHeight;
    }
    ConstrainedResize(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return false;
    return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (!ClampNewBounds(left, top, width, height))
        return;
    InvalidateControl(FVisible, false);
    bool sized = width != FWidth || height != FHeight;
    UpdateBoundsFields(left, top, width, height);
    InvalidateControl(FVisible, false);
    RequestAlign();
    if (sized)
        Resize();
}

void TControl::UpdateBoundsFields(int left, int top, int width, int height) {
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
}

TRect TControl::ClientRect() const {
    return {0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int v) {
    SetWidth(FWidth - ClientWidth() + v);
}

void TControl::SetClientHeight(int v) {
    SetHeight(FHeight - ClientHeight() + v);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent)
        return {FLeft, FTop};
    return FParent->ClientOrigin() + TPoint(FLeft, FTop);
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
    (void)newWidth;
    (void)newHeight;
    return true;
}

bool TControl::CanAutoSize(int& newWidth, int& newHeight) {
    (void)newWidth;
    (void)newHeight;
    return false;
}

void TControl::ConstrainedResize(int& width, int& height) {
    FConstraints.Apply(width, height);
}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

void TControl::RequestAlign() {
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (FAlign == align)
        return;
    FAlign = align;
    if (FParent)
        FParent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
    FAnchors = anchors;
}

// --- State -----------------------------------------------------------------------------------

void TControl::SetVisible(bool visible) {
    if (FVisible == visible)
        return;
    FVisible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    if (FParent)
        FParent->Realign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (FEnabled == enabled)
        return;
    FEnabled = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::IsEnabledInChain() const {
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FEnabled)
            return false;
    return true;
}

void TControl::SetColor(TColor color) {
    if (FColor == color) {
        FParentColor = FUpdatingFromParent ? FParentColor : false;
        return;
    }
    FColor = color;
    if (!FUpdatingFromParent)
        FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool v) {
    if (FParentColor == v)
        return;
    FParentColor = v;
    if (v && FParent)
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool v) {
    if (FParentFont == v)
        return;
    FParentFont = v;
    if (v && FParent)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontObjectChanged() {
    if (!FUpdatingFromParent)
        FParentFont = false;
    FontChanged();
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor c) {
    if (FCursor == c)
        return;
    FCursor = c;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool v) {
    FParentShowHint = false;
    if (FShowHint == v)
        return;
    FShowHint = v;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool v) {
    if (FParentShowHint == v)
        return;
    FParentShowHint = v;
    if (v)
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetText(const std::string& text) {
    if (GetText() == text)
        return;
    SetTextValue(text);
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetTextValue(const std::string& text) {
    FText = text;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (FPopupMenu == menu)
        return;
    if (FPopupMenu)
        RemoveFreeNotification(FPopupMenu);
    FPopupMenu = menu;
    if (menu)
        FreeNotification(menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupMenu)
        FPopupMenu = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent) {
        if (FParentFont)
            Perform(CM_PARENTFONTCHANGED, 0, 0);
        if (FParentColor)
            Perform(CM_PARENTCOLORCHANGED, 0, 0);
        if (FParentShowHint)
            ParentShowHintChanged();
    }
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// --- Messages --------------------------------------------------------------------------------

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::DefaultHandler(TMessage& message) {
    (void)message;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        WMMouseButton(m);
        return;
    case CM_MOUSEENTER:
        if (!(FControlState & csMouseInside)) {
            FControlState |= csMouseInside;
            MouseEnter();
        }
        return;
    case CM_MOUSELEAVE:
        if (FControlState & csMouseInside) {
            FControlState &= ~csMouseInside;
            MouseLeave();
        }
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(m);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(m);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        CMParentShowHintChanged(m);
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(m);
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(m);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(m);
        return;
    case CM_COLORCHANGED:
        CMColorChanged(m);
        return;
    case CM_TEXTCHANGED:
        CMTextChanged(m);
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(m);
        return;
    case CM_SYSCOLORCHANGE:
        CMSysColorChange(m);
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(m);
        return;
    default:
        DefaultHandler(m);
    }
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
}

void TControl::WMContextMenu(TMessage& m) {
    if (m.Result != 0)
        return;
    TPoint screen = PointFromLParam(m.LParam);
    bool fromKeyboard = screen == TPoint(-1, -1);
    bool handled = false;
    DoContextPopup(fromKeyboard ? screen : ScreenToClient(screen), handled);
    if (handled) {
        m.Result = 1;
        return;
    }
    if (FPopupMenu && FPopupMenu->AutoPopup()) {
        TPoint at = screen;
        if (fromKeyboard)
            at = FParent ? FParent->ClientToScreen({FLeft, FTop}) : TPoint(FLeft, FTop);
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(at.X, at.Y);
        m.Result = 1;
        return;
    }
    DefaultHandler(m);
}

void TControl::CMSysColorChange(TMessage& m) {
    m.Result = 0;
}

void TControl::WMMouseButton(TMessage& m) {
    TPoint p = PointFromLParam(m.LParam);
    TShiftState shift = MouseShiftState(m.WParam);
    bool events = !(FControlStyle & csNoStdEvents);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        if (events)
            MouseMove(shift, p.X, p.Y);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FControlStyle & csCaptureMouse)
            SetCaptureControl(this);
        if (FControlStyle & csClickEvents)
            FControlState |= csClicked;
        FControlState |= csLButtonDown;
        if (m.Msg == WM_LBUTTONDBLCLK) {
            shift |= ssDouble;
            if (FControlStyle & csDoubleClicks)
                DblClick();
        }
        if (events)
            MouseDown(mbLeft, shift, p.X, p.Y);
        return;
    case WM_LBUTTONUP:
        if (GetCaptureControl() == this)
            SetCaptureControl(nullptr);
        FControlState &= ~csLButtonDown;
        if (FControlState & csClicked) {
            FControlState &= ~csClicked;
            if (ClientRect().Contains(p))
                Click();
        }
        if (events)
            MouseUp(mbLeft, shift, p.X, p.Y);
        return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        TMouseButton b =
            (m.Msg == WM_RBUTTONDOWN || m.Msg == WM_RBUTTONDBLCLK) ? mbRight : mbMiddle;
        if (m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK)
            shift |= ssDouble;
        if (events)
            MouseDown(b, shift, p.X, p.Y);
        return;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (events)
            MouseUp(m.Msg == WM_RBUTTONUP ? mbRight : mbMiddle, shift, p.X, p.Y);
        return;
    default:
        return;
    }
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::CMParentFontChanged(TMessage& m) {
    (void)m;
    if (!FParentFont || !FParent)
        return;
    FUpdatingFromParent = true;
    try {
        FFont->Assign(FParent->Font());
    } catch (...) {
        FUpdatingFromParent = false;
        throw;
    }
    FUpdatingFromParent = false;
}

void TControl::InheritFont(const TFont& font) {
    bool saved = FUpdatingFromParent;
    FUpdatingFromParent = true;
    try {
        FFont->Assign(font);
    } catch (...) {
        FUpdatingFromParent = saved;
        throw;
    }
    FUpdatingFromParent = saved;
}

void TControl::CMParentColorChanged(TMessage& m) {
    (void)m;
    if (!FParentColor || !FParent)
        return;
    FUpdatingFromParent = true;
    SetColor(FParent->Color());
    FUpdatingFromParent = false;
}

void TControl::CMParentShowHintChanged(TMessage& m) {
    (void)m;
    if (!FParentShowHint || !FParent)
        return;
    if (FShowHint != FParent->ShowHint()) {
        FShowHint = FParent->ShowHint();
        Perform(CM_SHOWHINTCHANGED, 0, 0);
    }
}

void TControl::CMVisibleChanged(TMessage& m) {
    (void)m;
    InvalidateControl(true, false);
}

void TControl::CMEnabledChanged(TMessage& m) {
    (void)m;
    Invalidate();
}

void TControl::CMFontChanged(TMessage& m) {
    (void)m;
    Invalidate();
}

void TControl::CMColorChanged(TMessage& m) {
    (void)m;
    Invalidate();
}

void TControl::CMTextChanged(TMessage& m) {
    (void)m;
    Invalidate();
}

// Accelerators: "&x" in the caption answers Alt+x (and x alone on forms without text input).
void TControl::CMDialogChar(TMessage& m) {
    // A control takes no accelerator unless its class says so; those that do override this.
    m.Result = 0;
}

// --- Painting --------------------------------------------------------------------------------

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !FParent || !FParent->HandleAllocated())
        return;
    if (dynamic_cast<TWinControl*>(this))
        return; // windows repaint themselves
    TRect r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, !isOpaque);
}

void TControl::Invalidate() {
    InvalidateControl(FVisible, (FControlStyle & csOpaque) != 0);
}

void TControl::Update() {
    if (FParent)
        FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) {
        list.erase(it);
        list.push_back(this);
    }
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack() {
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) {
        list.erase(it);
        list.insert(list.begin(), this);
    }
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}
