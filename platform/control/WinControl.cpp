#include "platform/control/WinControl.h"

#include "platform/control/Application.h"
#include "platform/control/Form.h"
#include "platform/control/Screen.h"
#include "platform/core/Exception.h"
#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"

#include <algorithm>
#include <set>

namespace {
constexpr const char* kControlProp = "TWinControl";
TWinControl* gCreationControl = nullptr;
TControl* gCaptureControl = nullptr;
} // namespace

TControl* GetCaptureControl() {
    return gCaptureControl;
}

void SetCaptureControl(TControl* control) {
    gCaptureControl = control;
    if (!control) {
        if (WindowSystemStarted() && GetCapture())
            ReleaseCapture();
        return;
    }
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w)
        w = control->Parent();
    if (w && w->HandleAllocated())
        SetCapture(w->Handle());
}

LRESULT ControlWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<TWinControl*>(GetProp(wnd, kControlProp));
    if (!control && gCreationControl) {
        control = gCreationControl;
        gCreationControl = nullptr;
        control->FHandle = wnd;
        SetProp(wnd, kControlProp, control);
    }
    if (!control)
        return DefWindowProc(wnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    control->MainWndProc(m);
    if (msg == WM_NCDESTROY) {
        RemoveProp(wnd, kControlProp);
        if (control->FHandle == wnd)
            control->FHandle = nullptr;
    }
    return m.Result;
}

TWinControl* TWinControl::FindControl(HWND wnd) {
    if (!wnd || !WindowSystemStarted())
        return nullptr;
    return static_cast<TWinControl*>(GetProp(wnd, kControlProp));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Nothing reaches the hooks or this control's procedure from a chain still running.
    *FAlive = false;
    for (auto& entry : FHooks)
        entry->Removed = true;
    FHooks.clear();
    // Owned controls go while this control is still whole; children owned elsewhere go with it.
    DestroyComponents();
    while (!FControls.empty())
        FControls.back()->Free();
    if (TCustomForm* form = GetParentForm(); form && form != this)
        form->DefocusControl(this, true);
    FMouseControl = nullptr;
    if (FParent)
        FParent->RemoveControl(this);
    if (FHandle && WindowSystemStarted()) {
        HWND h = FHandle;
        // A window of another class gets its own procedure back for its last messages.
        if (FDefWndProc && FDefWndProc != &DefWindowProc)
            SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
        RemoveProp(h, kControlProp);
        FHandle = nullptr;
        // A native window gets its own procedure back, so that it frees what it keeps when it
        // is destroyed.
        if (FDefWndProc && FDefWndProc != &DefWindowProc)
            SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
        DestroyWindow(h);
    }
    FHandle = nullptr;
}

// --- Window hooks ----------------------------------------------------------------------------

// One message's walk down the hooks as they were when it arrived. A hook removed meanwhile is
// passed over; the control's own procedure is not called once the control is gone.
class TWinControl::THookChain {
public:
    THookChain(TWinControl* control, std::vector<std::shared_ptr<TWindowHookEntry>> hooks)
        : Control(control), Alive(control->FAlive), Hooks(std::move(hooks)) {}

    void Call(std::size_t index, TMessage& m) const {
        while (index < Hooks.size() && !Runs(*Hooks[index]))
            ++index;
        if (index == Hooks.size()) {
            if (*Alive)
                Control->WndProc(m);
            return;
        }
        // The entry is held here, so a hook that removes itself finishes safely.
        std::shared_ptr<TWindowHookEntry> entry = Hooks[index];
        TWndMethod previous = [this, index](TMessage& message) { Call(index + 1, message); };
        entry->Hook(m, previous);
    }

private:
    bool Runs(const TWindowHookEntry& e) const {
        return !e.Removed && *Alive && !Control->ComponentState().Contains(csDestroying) &&
               !e.Owner->ComponentState().Contains(csDestroying);
    }

    TWinControl* Control;
    std::shared_ptr<bool> Alive;
    std::vector<std::shared_ptr<TWindowHookEntry>> Hooks;
};

void TWinControl::AddWindowHook(TComponent* owner, TWindowHook hook) {
    if (!owner)
        throw EInvalidOperation("A window hook needs an owner");
    if (!hook)
        throw EInvalidOperation("A window hook needs a procedure");
    for (auto& entry : FHooks) {
        if (entry->Owner == owner && !entry->Removed) {
            // Replaced in place; a chain running now keeps the procedure it started with.
            auto replacement = std::make_shared<TWindowHookEntry>();
            replacement->Owner = owner;
            replacement->Hook = std::move(hook);
            entry->Removed = true;
            entry = replacement;
            return;
        }
    }
    auto entry = std::make_shared<TWindowHookEntry>();
    entry->Owner = owner;
    entry->Hook = std::move(hook);
    FHooks.insert(FHooks.begin(), std::move(entry));
    if (owner != this)
        FreeNotification(owner);
}

void TWinControl::RemoveWindowHook(TComponent* owner) {
    // The free notification link stays: the owner may be linked to this control otherwise too.
    std::erase_if(FHooks, [owner](const std::shared_ptr<TWindowHookEntry>& e) {
        if (e->Owner != owner)
            return false;
        e->Removed = true;
        return true;
    });
}

bool TWinControl::HasWindowHook(const TComponent* owner) const {
    return std::any_of(FHooks.begin(), FHooks.end(),
                       [owner](const auto& e) { return e->Owner == owner && !e->Removed; });
}

void TWinControl::WindowProc(TMessage& m) {
    if (FHooks.empty()) {
        WndProc(m);
        return;
    }
    THookChain chain(this, FHooks);
    chain.Call(0, m);
}

void TWinControl::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == opRemove)
        RemoveWindowHook(component);
}

void TWinControl::MainWndProc(TMessage& m) {
    try {
        WindowProc(m);
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(this);
    }
}

// --- Window ----------------------------------------------------------------------------------

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    if (!FHandle)
        CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = FText;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible())
        p.Style |= WS_VISIBLE;
    if (!Enabled())
        p.Style |= WS_DISABLED;
    if (FTabStop)
        p.Style |= WS_TABSTOP;
    if (FControlStyle & csAcceptsControls)
        p.Style |= WS_CLIPCHILDREN;
    p.X = FLeft;
    p.Y = FTop;
    p.Width = FWidth;
    p.Height = FHeight;
    p.WndParent = FParent ? FParent->FHandle : nullptr;
    p.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if ((p.Style & WS_CHILD) && !p.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    TWndClass existing;
    bool known = GetClassInfo(p.WinClassName.c_str(), &existing);
    bool own = !known || existing.lpfnWndProc == &ControlWindowProc;
    if (!known) {
        TWndClass wc;
        wc.style = p.WindowClassStyle;
        wc.lpfnWndProc = &ControlWindowProc;
        wc.hbrBackground = p.WindowClassBackground;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = p.WinClassName.c_str();
        RegisterClass(wc);
    }
    CreateWindowHandle(p);
    if (!FHandle)
        throw EInvalidOperation("Error creating window of '" + Name() + "'");
    if (own) {
        FDefWndProc = &DefWindowProc;
    } else {
        // A class of someone else: its procedure handles what this control does not.
        SetProp(FHandle, kControlProp, this);
        FDefWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
            FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
    }
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    TWndClass existing;
    GetClassInfo(p.WinClassName.c_str(), &existing);
    bool own = existing.lpfnWndProc == &ControlWindowProc;
    if (own)
        gCreationControl = this;
    HWND h = CreateWindowEx(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y,
                            p.Width, p.Height, p.WndParent, 0, nullptr);
    gCreationControl = nullptr;
    FHandle = h;
}

void TWinControl::CreateHandle() {
    if (FHandle)
        return;
    FControlState |= csCreating;
    try {
        CreateWnd();
    } catch (...) {
        FControlState &= ~csCreating;
        throw;
    }
    FControlState &= ~csCreating;
    // Windows of the children, in Tab order's reverse so the first is on top.
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->FHandle)
            w->CreateHandle();
    UpdateBoundsFromWindow();
    Realign();
}

void TWinControl::DestroyWnd() {
    FText = GetText();
    HWND h = FHandle;
    DestroyWindow(h);
    FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
    if (!FHandle)
        return;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->FText = w->GetText();
    DestroyWnd();
}

void TWinControl::RecreateWnd() {
    if (!FHandle)
        return;
    bool focused = Focused();
    DestroyHandle();
    HandleNeeded();
    if (focused && CanFocus())
        ::SetFocus(FHandle);
}

// --- Children --------------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
    control->FParent = this;
    FControls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FTabList.push_back(w);
        if (FHandle && !w->FHandle)
            w->CreateHandle();
        else if (FHandle && w->FHandle)
            ::SetParent(w->FHandle, FHandle);
    } else {
        control->Invalidate();
    }
    Perform(CM_CONTROLCHANGE, WPARAM(control), 1);
    Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    Perform(CM_CONTROLCHANGE, WPARAM(control), 0);
    control->Invalidate();
    std::erase(FControls, control);
    if (FMouseControl == control)
        FMouseControl = nullptr;
    // Compared by address: a control leaving from its destructor is no TWinControl any more.
    std::erase_if(FTabList,
                  [control](TWinControl* t) { return static_cast<TControl*>(t) == control; });
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (w->FHandle && !(w->ComponentState().Contains(csDestroying)))
            w->DestroyHandle();
    }
    control->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying))
        Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        bool win = dynamic_cast<TWinControl*>(c) != nullptr;
        if (win && !allowWinControls)
            continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        if (c->BoundsRect().Contains(p))
            return c;
    }
    return nullptr;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TControl* c : FControls)
        if (c->Owner() == root)
            proc(c);
    // The root also stores what it owns outside the control tree (timers).
    if (this == root)
        TComponent::GetChildren(proc, root);
}

void TWinControl::Broadcast(TMessage& message) {
    auto list = FControls;
    for (TControl* c : list) {
        c->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    TMessage m{msg, 0, 0, 0};
    Broadcast(m);
}

// --- Alignment -------------------------------------------------------------------------------

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0)
        Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || FAligning)
        return;
    auto state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying))
        return;
    FAligning = true;
    try {
        TRect r = ClientRect();
        AdjustClientRect(r);
        AlignControls(nullptr, r);
    } catch (...) {
        FAligning = false;
        throw;
    }
    FAligning = false;
}

void TWinControl::AdjustClientRect(TRect& rect) {
    (void)rect;
}

void TWinControl::AnchorChildren(const TSize& oldClient, const TSize& newClient) {
    int dx = newClient.cx - oldClient.cx;
    int dy = newClient.cy - oldClient.cy;
    if (dx == 0 && dy == 0)
        return;
    for (TControl* c : FControls) {
        if (c->Align() != alNone)
            continue;
        TAnchors a = c->Anchors();
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if ((a & akRight) && (a & akLeft))
            w += dx;
        else if (a & akRight)
            l += dx;
        if ((a & akBottom) && (a & akTop))
            h += dy;
        else if (a & akBottom)
            t += dy;
        if (l != c->Left() || t != c->Top() || w != c->Width() || h != c->Height())
            c->SetBounds(l, t, w, h);
    }
}

void TWinControl::AlignControls(TControl* control, TRect& r) {
    (void)control;
    TSize client = ClientRect().Size();
    if (FLastClient.cx >= 0 && !(FLastClient == client))
        AnchorChildren(FLastClient, client);
    FLastClient = client;
    static constexpr TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign align : order) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        auto key = [align](TControl* c) {
            switch (align) {
            case alTop:
                return c->Top();
            case alBottom:
                return -(c->Top() + c->Height());
            case alLeft:
                return c->Left();
            case alRight:
                return -(c->Left() + c->Width());
            default:
                return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(),
                         [&](TControl* a, TControl* b) { return key(a) < key(b); });
        for (TControl* c : list) {
            switch (align) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top = std::min(r.Bottom, r.Top + c->Height());
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                r.Bottom = std::max(r.Top, r.Bottom - c->Height());
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left = std::min(r.Right, r.Left + c->Width());
                break;
            case alRight:
                c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                r.Right = std::max(r.Left, r.Right - c->Width());
                break;
            default:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            }
        }
    }
}

// --- Bounds ----------------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (!ClampNewBounds(left, top, width, height))
        return;
    if (FHandle) {
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBoundsFromWindow();
    } else {
        bool sized = width != FWidth || height != FHeight;
        UpdateBoundsFields(left, top, width, height);
        if (sized) {
            Realign();
            Resize();
        }
    }
    RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!FHandle)
        return;
    TRect r = GetWindowBounds(FHandle);
    if (IsIconic(FHandle))
        return;
    bool sized = r.Width() != FWidth || r.Height() != FHeight;
    UpdateBoundsFields(r.Left, r.Top, r.Width(), r.Height());
    if (sized || !(FLastClient == ClientRect().Size())) {
        Realign();
        if (sized)
            Resize();
    }
}

TRect TWinControl::ClientRect() const {
    if (FHandle) {
        TRect r;
        GetClientRect(FHandle, &r);
        return r;
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) {
        TPoint p{0, 0};
        ::ClientToScreen(FHandle, &p);
        return p;
    }
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
    if (!Visible())
        return false;
    if (FParent)
        return FParent->Showing();
    return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == FParent)
        return;
    if (FHandle && !parent)
        DestroyHandle();
    TControl::SetParent(parent);
}

// --- Painting --------------------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (FHandle)
        InvalidateRect(FHandle, nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    if (FHandle) {
        InvalidateRect(FHandle, nullptr, true);
        UpdateWindow(FHandle);
    }
}

bool TWinControl::EraseBackground(TDC* dc) {
    if (!dc)
        return false;
    if (FControlStyle & csOpaque)
        return true; // Paint covers everything

    TRect r = ClientRect();
    dc->FillRect(r, Color());
    return true;
}

void TWinControl::PaintWindow(TDC* dc) {
    (void)dc;
}

void TWinControl::PaintControls(TDC* dc, TControl* first) {
    if (!dc)
        return;
    auto it = FControls.begin();
    if (first) {
        it = std::find(FControls.begin(), FControls.end(), first);
        if (it == FControls.end())
            it = FControls.begin();
    }
    auto list = std::vector<TControl*>(it, FControls.end());
    for (TControl* c : list) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        TRect r = c->BoundsRect();
        if (!dc->RectVisible(r))
            continue;
        int saved = dc->SaveDC();
        dc->IntersectClipRect(r);
        dc->OffsetViewportOrg(r.Left, r.Top);
        c->Perform(WM_PAINT, WPARAM(dc), 0);
        dc->RestoreDC(saved);
    }
}

void TWinControl::PaintHandler(TMessage& m) {
    // A context given with the message wins, also while the window paints itself.
    TPaintStruct ps;
    HDC dc = reinterpret_cast<TDC*>(m.WParam);
    if (!dc)
        dc = BeginPaint(FHandle, &ps);
    if (dc) {
        {
            TDCStateSaver saved(*dc);
            PaintWindow(dc);
        }
        PaintControls(dc, nullptr);
    }
    EndPaint(FHandle, &ps);
    m.Result = 0;
}

// --- Messages --------------------------------------------------------------------------------

void TWinControl::DefaultHandler(TMessage& m) {
    if (!FHandle) {
        m.Result = 0;
        return;
    }
    WNDPROC proc = FDefWndProc ? FDefWndProc : &DefWindowProc;
    m.Result = CallWindowProc(proc, FHandle, m.Msg, m.WParam, m.LParam);
}

void TWinControl::MouseMessage(TMessage& m) {
    TPoint p = PointFromLParam(m.LParam);
    TControl* target = nullptr;
    if (gCaptureControl && gCaptureControl->Parent() == this &&
        !dynamic_cast<TWinControl*>(gCaptureControl))
        target = gCaptureControl;
    else if (!gCaptureControl || gCaptureControl == this)
        target = ControlAtPos(p, false);
    if (m.Msg == WM_MOUSEMOVE)
        UpdateMouseControl(p);
    if (target && target != this) {
        TPoint local = p - TPoint(target->Left(), target->Top());
        TMessage forwarded{m.Msg, m.WParam, PointToLParam(local), 0};
        target->WindowProc(forwarded);
        m.Result = forwarded.Result;
        // Releasing the right button over a graphic child asks for a context menu as it does
        // over the window itself (WMContextMenu hands the request to the child).
        if (m.Msg == WM_RBUTTONUP && FHandle)
            SendMessage(FHandle, WM_CONTEXTMENU, WPARAM(FHandle), PointToLParam(ClientToScreen(p)));
        return;
    }
    TControl::WndProc(m);
    if (m.Msg != WM_MOUSEMOVE || !(FControlStyle & csNoStdEvents))
        DefaultHandler(m);
}

void TWinControl::UpdateMouseControl(TPoint client) {
    TControl* now = ControlAtPos(client, false);
    if (now == FMouseControl)
        return;
    TControl* old = FMouseControl;
    FMouseControl = now;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
    if (now)
        now->Perform(CM_MOUSEENTER, 0, LPARAM(now));
}

void TWinControl::ClearMouseControl() {
    if (TControl* old = FMouseControl) {
        FMouseControl = nullptr;
        old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
    }
}

void TWinControl::WMSetCursor(TMessage& m) {
    int hit = std::int16_t(LOWORD(WPARAM(m.LParam)));
    if (hit == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle) {
        TCursor cursor = Screen ? Screen->Cursor() : crDefault;
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(&p);
            TControl* c = ControlAtPos(ScreenToClient(p), false);
            cursor = c ? c->Cursor() : crDefault;
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(TScreen::CursorHandle(cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMSysColorChange(TMessage& m) {
    // Only top-level windows hear of the change from the window layer; the control passes it
    // down its tree of controls.
    Perform(CM_SYSCOLORCHANGE, 0, 0);
    DefaultHandler(m);
}

void TWinControl::WMContextMenu(TMessage& m) {
    TPoint screen = PointFromLParam(m.LParam);
    bool fromHere = reinterpret_cast<HWND>(m.WParam) == FHandle && FHandle;
    if (fromHere && !(screen == TPoint(-1, -1))) {
        if (TControl* child = ControlAtPos(ScreenToClient(screen), false)) {
            m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
            if (m.Result != 0)
                return;
        }
    }
    TControl::WMContextMenu(m);
}

void TWinControl::CMSysColorChange(TMessage& m) {
    TControl::CMSysColorChange(m);
    auto list = FControls; // a handler may add or remove controls
    for (TControl* c : list)
        if (std::find(FControls.begin(), FControls.end(), c) != FControls.end())
            c->Perform(CM_SYSCOLORCHANGE, 0, 0);
    // Child windows that are no controls (a helper window of a control) hear it as a window.
    if (FHandle)
        for (HWND child : GetChildWindows(FHandle))
            if (!FindControl(child))
                SendMessage(child, WM_SYSCOLORCHANGE, 0, 0);
}

TWinControl* TWinControl::PreviewForm() const {
    TCustomForm* form = GetParentForm();
    if (!form || form == this || !form->KeyPreview())
        return nullptr;
    return form;
}

LRESULT TWinControl::DialogCode() {
    if (!FHandle)
        return 0;
    return SendMessage(FHandle, WM_GETDLGCODE, 0, 0);
}

bool TWinControl::DoDialogKey(std::uint16_t key) {
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        return false;
    }
    if (Perform(CM_WANTSPECIALKEY, key, 0) != 0)
        return false;
    LRESULT code = DialogCode();
    if (code & (mask | DLGC_WANTALLKEYS))
        return false;
    TCustomForm* form = GetParentForm();
    if (!form)
        return false;
    return form->Perform(CM_DIALOGKEY, key, 0) != 0;
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        MouseMessage(m);
        return;
    case WM_MOUSEENTER:
        Perform(CM_MOUSEENTER, 0, LPARAM(this));
        DefaultHandler(m);
        return;
    case WM_MOUSELEAVE:
        ClearMouseControl();
        Perform(CM_MOUSELEAVE, 0, LPARAM(this));
        if (Application)
            Application->HintMouseLeft(this);
        DefaultHandler(m);
        return;
    case WM_CAPTURECHANGED:
        if (gCaptureControl && (gCaptureControl == this || gCaptureControl->Parent() == this) &&
            reinterpret_cast<HWND>(m.LParam) != FHandle)
            gCaptureControl = nullptr;
        DefaultHandler(m);
        return;
    case WM_SETCURSOR:
        WMSetCursor(m);
        return;
    case WM_SYSCOLORCHANGE:
        WMSysColorChange(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        auto key = std::uint16_t(m.WParam);
        if (DoDialogKey(key)) {
            FControlState |= csFocusing; // the character this key makes is not typed
            m.Result = 0;
            return;
        }
        if (TWinControl* form = PreviewForm())
            form->KeyDown(key, KeyboardShiftState());
        if (key != 0)
            KeyDown(key, KeyboardShiftState());
        if (key == 0) {
            m.Result = 0;
            return;
        }
        m.WParam = key;
        DefaultHandler(m);
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        auto key = std::uint16_t(m.WParam);
        if (TWinControl* form = PreviewForm())
            form->KeyUp(key, KeyboardShiftState());
        if (key != 0)
            KeyUp(key, KeyboardShiftState());
        if (key == 0)
            return;
        m.WParam = key;
        DefaultHandler(m);
        return;
    }
    case WM_CHAR: {
        char ch = char(m.WParam);
        bool swallowed = (FControlState & csFocusing) && (ch == '\t' || ch == '\r' || ch == 27);
        FControlState &= ~csFocusing;
        if (swallowed || (ch == '\t' && !(DialogCode() & (DLGC_WANTTAB | DLGC_WANTALLKEYS)))) {
            m.Result = 0;
            return;
        }
        if (TWinControl* form = PreviewForm())
            form->KeyPress(ch);
        if (ch != 0)
            KeyPress(ch);
        if (ch == 0) {
            m.Result = 0;
            return;
        }
        m.WParam = WPARAM(static_cast<unsigned char>(ch));
        DefaultHandler(m);
        return;
    }
    case CM_DIALOGKEY:
        CMDialogKey(m);
        return;
    case WM_SYSCHAR:
        if (TCustomForm* form = GetParentForm();
            form && form->Perform(CM_DIALOGCHAR, m.WParam, 0) != 0) {
            m.Result = 0;
            return;
        }
        DefaultHandler(m);
        return;
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(); form && form != this)
            form->SetFocusedControl(this);
        DefaultHandler(m);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_FOCUSCHANGED:
        Broadcast(m);
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case WM_ERASEBKGND:
        if (FDefWndProc == &DefWindowProc || !FDefWndProc) {
            m.Result = EraseBackground(reinterpret_cast<TDC*>(m.WParam)) ? 1 : 0;
            return;
        }
        DefaultHandler(m);
        return;
    case WM_PAINT:
        if (FDefWndProc == &DefWindowProc || !FDefWndProc) {
            PaintHandler(m);
            return;
        }
        DefaultHandler(m);
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(m);
        UpdateBoundsFromWindow();
        return;
    case WM_SHOWWINDOW:
        DefaultHandler(m);
        return;
    default:
        TControl::WndProc(m);
    }
}

std::string TWinControl::GetText() const {
    if (FHandle)
        return GetWindowText(FHandle);
    return TControl::GetText();
}

void TWinControl::SetTextValue(const std::string& text) {
    TControl::SetTextValue(text);
    if (FHandle)
        SetWindowText(FHandle, text);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

void TWinControl::CMDialogChar(TMessage& m) {
    // A hidden or disabled container hides the accelerators of everything inside it.
    if (FParent && !(Visible() && Enabled()))
        return;
    Broadcast(m);
}

void TWinControl::CMDialogKey(TMessage& m) {
    // Enter and Escape reach the Default and Cancel buttons however deep they sit, but not
    // through a hidden or disabled container.
    if (FParent && !(Visible() && Enabled()))
        return;
    Broadcast(m);
}

void TWinControl::CMFontChanged(TMessage& m) {
    (void)m;
    Invalidate();
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& m) {
    (void)m;
    Invalidate();
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMVisibleChanged(TMessage& m) {
    (void)m;
    if (FHandle) {
        if (!Visible() && Focused() && FParent) {
            if (TCustomForm* form = GetParentForm())
                form->DefocusControl(this, false);
        }
        ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
    } else if (Visible() && FParent && FParent->HandleAllocated()) {
        HandleNeeded();
    }
    Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TWinControl::CMEnabledChanged(TMessage& m) {
    (void)m;
    if (FHandle)
        EnableWindow(FHandle, Enabled());
    Invalidate();
}

void TWinControl::CMTextChanged(TMessage& m) {
    (void)m;
    Invalidate();
}

// --- Keys and focus --------------------------------------------------------------------------

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::SetTabStop(bool v) {
    if (FTabStop == v)
        return;
    FTabStop = v;
    if (FHandle) {
        LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        style = v ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP));
        SetWindowLongPtr(FHandle, GWL_STYLE, style);
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
    if (!FParent)
        return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (ComponentState().Contains(csReading)) {
        FStoredTabOrder = order;
        return;
    }
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::FixupTabList() {
    std::vector<std::pair<long long, TWinControl*>> keyed;
    long long n = 0;
    for (TWinControl* w : FTabList) {
        long long key = w->FStoredTabOrder >= 0 ? w->FStoredTabOrder : (1LL << 40) + n;
        keyed.emplace_back(key, w);
        ++n;
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        FTabList[i] = keyed[i].second;
        keyed[i].second->FStoredTabOrder = -1;
    }
}

void TWinControl::ReadState(const std::function<void()>& read) {
    read();
    FixupTabList();
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm();
    if (form && form != this) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool TWinControl::IsActiveControl() const {
    TCustomForm* form = GetParentForm();
    return form && form->ActiveControl() == this;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* w : FTabList) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    const_cast<TWinControl*>(this)->GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = int(list.size());
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (list[std::size_t(i)] == current)
            start = i;
    if (start < 0)
        start = goForward ? count - 1 : 0;
    int i = start;
    for (int n = 0; n < count; ++n) {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[std::size_t(i)];
        if (c == current)
            break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) &&
            c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
        next->SetFocus();
}
