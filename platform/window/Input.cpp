#include "platform/window/Input.h"

#include "platform/core/Gbk.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <cstdlib>

TWnd* DeepestWindowAt(TPoint screen); // WindowPos.cpp

namespace {
constexpr int kDoubleClickMs = 500;

void SetModifiers(unsigned char* keys, unsigned mods) {
    auto set = [&](int vk, bool down) {
        keys[vk] = std::uint8_t(down ? (keys[vk] | 0x80) : (keys[vk] & ~0x80));
    };
    set(VK_SHIFT, mods & ssShift);
    set(VK_CONTROL, mods & ssCtrl);
    set(VK_MENU, mods & ssAlt);
}

int ButtonVk(int button) {
    switch (TMouseButton(button)) {
    case TMouseButton::Right:
        return VK_RBUTTON;
    case TMouseButton::Middle:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

void SetKey(unsigned char* keys, int vk, bool down) {
    if (down) {
        if (!(keys[vk] & 0x80))
            keys[vk] ^= 0x01; // toggled on every press
        keys[vk] |= 0x80;
    } else {
        keys[vk] &= std::uint8_t(~0x80);
    }
}

WPARAM MouseKeyFlags(const unsigned char* keys) {
    WPARAM f = 0;
    if (keys[VK_LBUTTON] & 0x80)
        f |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80)
        f |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80)
        f |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80)
        f |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80)
        f |= MK_CONTROL;
    return f;
}

void PushFront(TWindowSystem& s, std::vector<TMsg>& out) {
    for (auto it = out.rbegin(); it != out.rend(); ++it) {
        TWindowSystem::TQueued q;
        q.Msg = *it;
        s.Queue.push_front(std::move(q));
    }
}

// Who gets a mouse message at a screen point, and the hit-test code.
HWND MouseTarget(TWindowSystem& s, TPoint screen, int* hit) {
    if (TWnd* c = s.Find(s.Capture)) {
        *hit = HTCLIENT;
        return c->Handle;
    }
    TWnd* w = DeepestWindowAt(screen);
    while (w) {
        if (!IsReallyEnabled(w))
            return nullptr;
        HWND h = w->Handle;
        LRESULT r = SendMessage(h, WM_NCHITTEST, 0, PointToLParam(screen));
        if (!(w = s.Find(h)))
            return nullptr;
        if (r == HTTRANSPARENT) {
            w = w->Parent;
            continue;
        }
        *hit = int(r);
        return h;
    }
    return nullptr;
}

void UpdateHover(TWindowSystem& s, TPoint screen, bool inside, std::vector<TMsg>& out) {
    TWnd* under = inside ? DeepestWindowAt(screen) : nullptr;
    HWND h = under ? under->Handle : nullptr;
    if (h == s.Hover)
        return;
    HWND old = s.Hover;
    s.Hover = h;
    std::uint32_t t = std::uint32_t(s.Now());
    if (old && s.Find(old))
        out.push_back(TMsg{old, WM_MOUSELEAVE, 0, 0, t, screen});
    if (h)
        out.push_back(TMsg{h, WM_MOUSEENTER, 0, 0, t, screen});
}

HWND KeyTarget(TWindowSystem& s) {
    HWND h = s.Focus;
    if (!s.Find(h))
        h = s.Active;
    TWnd* w = s.Find(h);
    if (!w || !IsReallyEnabled(w))
        return nullptr;
    return h;
}

UINT ButtonMessage(int button, bool down, bool dbl, bool client) {
    UINT base;
    switch (TMouseButton(button)) {
    case TMouseButton::Right:
        base = client ? WM_RBUTTONDOWN : WM_NCRBUTTONDOWN;
        break;
    case TMouseButton::Middle:
        base = client ? WM_MBUTTONDOWN : WM_NCLBUTTONDOWN + 6;
        break;
    default:
        base = client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
        break;
    }
    if (dbl)
        return base + 2;
    return down ? base : base + 1;
}

void RouteMouse(TWindowSystem& s, TWindowSystem::TQueued& raw) {
    using R = TWindowSystem::TQueued;
    TPoint screen = raw.Msg.pt;
    std::uint32_t t = raw.Msg.time;
    SetModifiers(s.SyncKeys, raw.Mods);
    if (raw.Raw == R::rkMouseButton)
        SetKey(s.SyncKeys, ButtonVk(raw.Button), raw.Down);
    std::vector<TMsg> out;

    if (s.Tracking.Kind != TTracking::None) {
        bool release = raw.Raw == R::rkMouseButton && !raw.Down &&
                       TMouseButton(raw.Button) == TMouseButton::Left;
        if (raw.Raw == R::rkMouseMove || release)
            TrackingMouse(screen, (s.SyncKeys[VK_LBUTTON] & 0x80) != 0, release);
        return;
    }
    if (raw.Raw == R::rkMouseLeftDesktop) {
        UpdateHover(s, screen, false, out);
        PushFront(s, out);
        return;
    }
    UpdateHover(s, screen, true, out);
    int hit = HTNOWHERE;
    HWND target = MouseTarget(s, screen, &hit);
    if (!target) {
        // A press on a window disabled by a modal loop only beeps.
        if (raw.Raw == R::rkMouseButton && raw.Down && !s.Modals.empty() && DeepestWindowAt(screen))
            s.Backend->Beep();
        // Over a disabled window the pointer is the plain arrow.
        if (raw.Raw == R::rkMouseMove && !s.Capture && DeepestWindowAt(screen))
            SetCursor(LoadCursor(nullptr, IDC_ARROW));
        PushFront(s, out);
        return;
    }
    bool client = hit == HTCLIENT || s.Capture == target;
    TPoint cp = screen;
    ScreenToClient(target, &cp);
    WPARAM keys = MouseKeyFlags(s.SyncKeys);

    if (raw.Raw == R::rkMouseMove) {
        if (!s.Capture) {
            UINT setMsg = WM_MOUSEMOVE;
            SendMessage(target, WM_SETCURSOR, WPARAM(target), MAKELPARAM(hit, int(setMsg)));
            if (!s.Find(target)) {
                PushFront(s, out);
                return;
            }
        }
        if (client)
            out.push_back(TMsg{target, WM_MOUSEMOVE, keys, PointToLParam(cp), t, screen});
        else
            out.push_back(
                TMsg{target, WM_NCMOUSEMOVE, WPARAM(hit), PointToLParam(screen), t, screen});
    } else if (raw.Raw == R::rkMouseWheel) {
        HWND to = s.Find(s.Focus) ? s.Focus : target;
        out.push_back(TMsg{to, WM_MOUSEWHEEL, MAKEWPARAM(int(keys), raw.Delta),
                           PointToLParam(screen), t, screen});
    } else {
        bool dbl = false;
        if (raw.Down) {
            // Activation of the top-level window that is clicked.
            TWnd* top = TopLevelOf(s.Find(target));
            if (top && s.Active != top->Handle && !(top->ExStyle & WS_EX_NOACTIVATE) &&
                !s.Capture) {
                SetActiveWindow(top->Handle);
                if (!s.Find(target)) {
                    PushFront(s, out);
                    return;
                }
            }
            TWnd* w = s.Find(target);
            UINT downMsg = ButtonMessage(raw.Button, true, false, client);
            bool wantsDbl = (w->ClassStyle & CS_DBLCLKS) || !client;
            if (wantsDbl && s.LastClickWnd == target && s.LastClickMsg == downMsg &&
                std::uint64_t(t) - s.LastClickTime <= kDoubleClickMs &&
                std::abs(screen.X - s.LastClickPos.X) <= 2 &&
                std::abs(screen.Y - s.LastClickPos.Y) <= 2) {
                dbl = true;
                s.LastClickWnd = nullptr;
            } else {
                s.LastClickWnd = target;
                s.LastClickMsg = downMsg;
                s.LastClickTime = t;
                s.LastClickPos = screen;
            }
        }
        UINT m = ButtonMessage(raw.Button, raw.Down, dbl, client);
        if (client)
            out.push_back(TMsg{target, m, keys, PointToLParam(cp), t, screen});
        else
            out.push_back(TMsg{target, m, WPARAM(hit), PointToLParam(screen), t, screen});
    }
    PushFront(s, out);
}

void RouteKey(TWindowSystem& s, TWindowSystem::TQueued& raw) {
    using R = TWindowSystem::TQueued;
    std::vector<TMsg> out;
    std::uint32_t t = raw.Msg.time;
    if (raw.Raw == R::rkKey) {
        SetModifiers(s.SyncKeys, raw.Mods);
        SetKey(s.SyncKeys, raw.Button, raw.Down);
        HWND to = KeyTarget(s);
        if (!to)
            return;
        bool alt = (raw.Mods & ssAlt) && !(raw.Mods & ssCtrl);
        bool sys = alt || raw.Button == VK_F10;
        UINT m = raw.Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
        LPARAM l = 1;
        if (alt)
            l |= LPARAM(1) << 29;
        if (!raw.Down)
            l |= LPARAM(0xC0000000u);
        out.push_back(TMsg{to, m, WPARAM(raw.Button), l, t, raw.Msg.pt});
    } else {
        HWND to = KeyTarget(s);
        if (!to)
            return;
        // The desktop also sends the text of an Alt chord; the chord is an accelerator
        // (WM_SYSCHAR from TranslateMessage) and types nothing. Ctrl+Alt is AltGr and types.
        bool alt = (s.SyncKeys[VK_MENU] & 0x80) && !(s.SyncKeys[VK_CONTROL] & 0x80);
        if (alt)
            return;
        std::string gbk = Utf8ToGbk(raw.Text);
        for (unsigned char c : gbk)
            out.push_back(TMsg{to, WM_CHAR, WPARAM(c), 1, t, raw.Msg.pt});
    }
    PushFront(s, out);
}

void QueueRaw(TWindowSystem::TQueued::TRaw kind, TPoint screen, int button, bool down, int delta,
              unsigned mods, std::string_view text = {}) {
    auto& s = TWindowSystem::Get();
    TWindowSystem::TQueued q;
    q.Raw = kind;
    q.Msg.pt = screen;
    q.Msg.time = std::uint32_t(s.Now());
    q.Button = button;
    q.Down = down;
    q.Delta = delta;
    q.Mods = mods;
    q.Text = std::string(text);
    s.Queue.push_back(std::move(q));
}
} // namespace

void RouteRawInput(TWindowSystem& s, TWindowSystem::TQueued& raw) {
    using R = TWindowSystem::TQueued;
    if (raw.Raw == R::rkSurfaceMinimized)
        SurfaceMinimized(raw.Msg.hwnd);
    else if (raw.Raw == R::rkSurfaceMoved)
        SurfaceMoved(raw.Msg.hwnd, raw.Msg.pt);
    else if (raw.Raw == R::rkKey || raw.Raw == R::rkText)
        RouteKey(s, raw);
    else
        RouteMouse(s, raw);
}

// --- Input from the backends ---------------------------------------------------------------

void InputMouseMove(TPoint screen, unsigned mods) {
    auto& s = TWindowSystem::Get();
    s.Pointer = screen;
    SetModifiers(s.AsyncKeys, mods);
    QueueRaw(TWindowSystem::TQueued::rkMouseMove, screen, 0, false, 0, mods);
}

void InputMouseButton(TPoint screen, TMouseButton button, bool down, unsigned mods) {
    auto& s = TWindowSystem::Get();
    s.Pointer = screen;
    SetModifiers(s.AsyncKeys, mods);
    SetKey(s.AsyncKeys, ButtonVk(int(button)), down);
    QueueRaw(TWindowSystem::TQueued::rkMouseButton, screen, int(button), down, 0, mods);
}

void InputMouseWheel(TPoint screen, int delta, unsigned mods) {
    auto& s = TWindowSystem::Get();
    s.Pointer = screen;
    QueueRaw(TWindowSystem::TQueued::rkMouseWheel, screen, 0, false, delta, mods);
}

void InputMouseLeftDesktop() {
    auto& s = TWindowSystem::Get();
    QueueRaw(TWindowSystem::TQueued::rkMouseLeftDesktop, s.Pointer, 0, false, 0, 0);
}

void InputKey(int vk, bool down, unsigned mods) {
    auto& s = TWindowSystem::Get();
    if (vk <= 0 || vk > 255)
        return;
    SetModifiers(s.AsyncKeys, mods);
    SetKey(s.AsyncKeys, vk, down);
    QueueRaw(TWindowSystem::TQueued::rkKey, s.Pointer, vk, down, 0, mods);
}

void InputText(std::string_view utf8) {
    auto& s = TWindowSystem::Get();
    if (utf8.empty())
        return;
    QueueRaw(TWindowSystem::TQueued::rkText, s.Pointer, 0, false, 0, 0, utf8);
}

void InputSurfaceActivated(HWND wnd, bool active) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w || !active || s.Active == wnd)
        return;
    if (!w->Enabled() || !w->Visible()) {
        // A window disabled by a modal loop hands the desktop focus back to the modal window,
        // which comes back first when it was minimized: nothing else could bring it back.
        if (!s.Modals.empty())
            if (TWnd* m = s.Find(s.Modals.back()->Wnd); m && m->HasSurface) {
                if (m->Minimized)
                    ShowWindow(m->Handle, SW_RESTORE);
                if ((m = s.Find(s.Modals.back()->Wnd)))
                    s.Backend->FocusSurface(m->Handle);
            }
        return;
    }
    SetActiveWindow(wnd);
}

void InputSurfaceCloseRequest(HWND wnd) {
    if (IsWindow(wnd) && IsWindowEnabled(wnd))
        PostMessage(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Queued with the input: a click the user made after the move is placed by the new position.
void InputSurfaceMoved(HWND wnd, TPoint topLeft) {
    if (!IsWindow(wnd))
        return;
    QueueRaw(TWindowSystem::TQueued::rkSurfaceMoved, topLeft, 0, false, 0, 0);
    TWindowSystem::Get().Queue.back().Msg.hwnd = wnd;
}

void InputSurfaceMinimized(HWND wnd, bool minimized) {
    if (!IsWindow(wnd) || IsIconic(wnd) == minimized)
        return;
    if (!minimized) {
        // Restoring from the task bar is the system command any window may act on.
        PostMessage(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
    }
    // A minimize is done, not asked for: the window only learns that it is off the screen.
    auto& s = TWindowSystem::Get();
    QueueRaw(TWindowSystem::TQueued::rkSurfaceMinimized, s.Pointer, 0, true, 0, 0);
    s.Queue.back().Msg.hwnd = wnd;
}

// --- Capture, focus, activation ------------------------------------------------------------

HWND SetCapture(HWND wnd) {
    auto& s = TWindowSystem::Get();
    HWND old = s.Capture;
    if (!s.Find(wnd))
        return old;
    if (old == wnd)
        return old;
    s.Capture = wnd;
    if (old && s.Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(wnd));
    return old;
}

bool ReleaseCapture() {
    auto& s = TWindowSystem::Get();
    HWND old = s.Capture;
    s.Capture = nullptr;
    if (old && s.Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    auto& s = TWindowSystem::Get();
    return s.Find(s.Capture) ? s.Capture : nullptr;
}

HWND SetFocus(HWND wnd) {
    auto& s = TWindowSystem::Get();
    HWND old = s.Find(s.Focus) ? s.Focus : nullptr;
    if (!wnd) {
        s.Focus = nullptr;
        if (old)
            SendMessage(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    TWnd* w = s.Find(wnd);
    if (!w || !IsReallyEnabled(w) || w->Destroying)
        return nullptr;
    if (wnd == old)
        return old;
    TWnd* top = TopLevelOf(w);
    if (s.Active != top->Handle) {
        if (!top->Enabled())
            return nullptr;
        SetActiveWindow(top->Handle);
        if (!s.Find(wnd))
            return nullptr;
        if (s.Focus == wnd)
            return old;
        old = s.Find(s.Focus) ? s.Focus : nullptr;
    }
    if (old) {
        SendMessage(old, WM_KILLFOCUS, WPARAM(wnd), 0);
        if (!s.Find(wnd))
            return nullptr;
    }
    s.Focus = wnd;
    SendMessage(wnd, WM_SETFOCUS, WPARAM(old), 0);
    return old;
}

HWND GetFocus() {
    auto& s = TWindowSystem::Get();
    return s.Find(s.Focus) ? s.Focus : nullptr;
}

HWND SetActiveWindow(HWND wnd) {
    auto& s = TWindowSystem::Get();
    TWnd* w = TopLevelOf(s.Find(wnd));
    HWND old = s.Find(s.Active) ? s.Active : nullptr;
    if (!w || !w->Enabled() || w->Destroying)
        return nullptr;
    wnd = w->Handle;
    if (wnd == old)
        return old;
    s.Active = wnd;
    if (old) {
        if (s.Focus && (s.Focus == old || IsChild(old, s.Focus))) {
            HWND f = s.Focus;
            s.Focus = nullptr;
            SendMessage(f, WM_KILLFOCUS, 0, 0);
        }
        SendMessage(old, WM_NCACTIVATE, 0, 0);
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(wnd));
    }
    if (s.Active != wnd || !s.Find(wnd))
        return old;
    w = s.Find(wnd);
    if (!(w->ExStyle & WS_EX_TOPMOST) || true) {
        SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // Owned windows stay above their owner.
        std::vector<HWND> owned;
        for (TWnd* t : s.TopLevels) {
            if (t->Owner == wnd && t->Visible())
                owned.push_back(t->Handle);
        }
        for (HWND o : owned)
            SetWindowPos(o, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!(w = s.Find(wnd)))
        return old;
    if (w->HasSurface && w->Visible() && !w->Minimized)
        s.Backend->FocusSurface(wnd);
    SendMessage(wnd, WM_NCACTIVATE, 1, 0);
    SendMessage(wnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
    return old;
}

HWND GetActiveWindow() {
    auto& s = TWindowSystem::Get();
    return s.Find(s.Active) ? s.Active : nullptr;
}

bool SetForegroundWindow(HWND wnd) {
    return SetActiveWindow(wnd) != nullptr || GetActiveWindow() == GetAncestorRoot(wnd);
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

HWND GetHoverWindow() {
    auto& s = TWindowSystem::Get();
    return s.Find(s.Hover) ? s.Hover : nullptr;
}

bool TrackMouseEvent(TTrackMouseEvent* tme) {
    // Enter and leave notifications are always sent; asking for them only checks the window.
    return tme && IsWindow(tme->hwndTrack);
}

short GetKeyState(int vk) {
    auto& s = TWindowSystem::Get();
    if (vk < 0 || vk > 255)
        return 0;
    unsigned char k = s.SyncKeys[vk];
    return short(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int vk) {
    auto& s = TWindowSystem::Get();
    if (vk < 0 || vk > 255)
        return 0;
    return short((s.AsyncKeys[vk] & 0x80) ? 0x8000 : 0);
}

bool GetCursorPos(TPoint* p) {
    if (!p)
        return false;
    *p = TWindowSystem::Get().Pointer;
    return true;
}

HCURSOR LoadCursor(void*, int id) {
    switch (id) {
    case IDC_ARROW:
    case IDC_IBEAM:
    case IDC_WAIT:
    case IDC_CROSS:
    case IDC_SIZENWSE:
    case IDC_SIZENESW:
    case IDC_SIZEWE:
    case IDC_SIZENS:
    case IDC_SIZEALL:
    case IDC_NO:
    case IDC_HAND:
        return reinterpret_cast<HCURSOR>(std::uintptr_t(id));
    default:
        return nullptr;
    }
}

namespace {
TCursorShape ShapeOfCursor(HCURSOR c) {
    switch (int(reinterpret_cast<std::uintptr_t>(c))) {
    case IDC_IBEAM:
        return TCursorShape::IBeam;
    case IDC_HAND:
        return TCursorShape::Hand;
    case IDC_WAIT:
        return TCursorShape::Wait;
    case IDC_CROSS:
        return TCursorShape::Cross;
    case IDC_SIZEWE:
        return TCursorShape::SizeWE;
    case IDC_SIZENS:
        return TCursorShape::SizeNS;
    case IDC_SIZENWSE:
        return TCursorShape::SizeNWSE;
    case IDC_SIZENESW:
        return TCursorShape::SizeNESW;
    case IDC_SIZEALL:
        return TCursorShape::SizeAll;
    case IDC_NO:
        return TCursorShape::No;
    default:
        return TCursorShape::Arrow;
    }
}
} // namespace

HCURSOR SetCursor(HCURSOR cursor) {
    auto& s = TWindowSystem::Get();
    HCURSOR old = s.Cursor;
    if (cursor != old) {
        s.Cursor = cursor;
        s.Backend->SetCursorShape(ShapeOfCursor(cursor));
    }
    return old;
}

HCURSOR GetCursor() {
    return TWindowSystem::Get().Cursor;
}

UINT GetDoubleClickTime() {
    return kDoubleClickMs;
}

// --- Moving and sizing by the pointer ------------------------------------------------------

void StartTracking(TWnd* w, int hit) {
    auto& s = TWindowSystem::Get();
    TWnd* top = hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) ? TopLevelOf(w) : w;
    if (!(s.AsyncKeys[VK_LBUTTON] & 0x80))
        return; // the button is already up: nothing to follow
    // A maximized window neither moves nor changes size. Any window whose hit test answers an
    // edge or corner is sized by it, also one without a native frame that draws its own border.
    if ((hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)) && top->Maximized)
        return;
    TTracking t;
    t.Kind = hit == HTCAPTION                          ? TTracking::Move
             : (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) ? TTracking::Size
                                                       : TTracking::Button;
    t.Wnd = top->Handle;
    t.Hit = hit;
    t.Start = s.Pointer;
    t.StartRect = top->Rect;
    if (s.Capture)
        ReleaseCapture();
    s.Tracking = t;
    if (t.Kind != TTracking::Button)
        SendMessage(t.Wnd, WM_ENTERSIZEMOVE, 0, 0);
}

void CancelTracking() {
    auto& s = TWindowSystem::Get();
    TTracking t = s.Tracking;
    s.Tracking = TTracking{};
    if ((t.Kind == TTracking::Move || t.Kind == TTracking::Size) && s.Find(t.Wnd))
        SendMessage(t.Wnd, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackingMouse(TPoint screen, bool leftDown, bool release) {
    auto& s = TWindowSystem::Get();
    TTracking t = s.Tracking;
    TWnd* w = s.Find(t.Wnd);
    if (!w) {
        s.Tracking = TTracking{};
        return false;
    }
    TPoint d = screen - t.Start;
    if (t.Kind == TTracking::Move) {
        SetWindowPos(t.Wnd, nullptr, t.StartRect.Left + d.X, t.StartRect.Top + d.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (t.Kind == TTracking::Size) {
        TRect r = t.StartRect;
        if (t.Hit == HTLEFT || t.Hit == HTTOPLEFT || t.Hit == HTBOTTOMLEFT)
            r.Left += d.X;
        if (t.Hit == HTRIGHT || t.Hit == HTTOPRIGHT || t.Hit == HTBOTTOMRIGHT)
            r.Right += d.X;
        if (t.Hit == HTTOP || t.Hit == HTTOPLEFT || t.Hit == HTTOPRIGHT)
            r.Top += d.Y;
        if (t.Hit == HTBOTTOM || t.Hit == HTBOTTOMLEFT || t.Hit == HTBOTTOMRIGHT)
            r.Bottom += d.Y;
        SetWindowPos(t.Wnd, nullptr, r.Left, r.Top, std::max(r.Width(), 1), std::max(r.Height(), 1),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        // A minimum size keeps the opposite edge where it was.
        if (TWnd* now = s.Find(t.Wnd)) {
            TRect n = now->Rect;
            int x = n.Left, y = n.Top;
            if (r.Left != t.StartRect.Left)
                x = t.StartRect.Right - n.Width();
            if (r.Top != t.StartRect.Top)
                y = t.StartRect.Bottom - n.Height();
            if (x != n.Left || y != n.Top)
                SetWindowPos(t.Wnd, nullptr, x, y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        s.Tracking.Inside = DefaultNcHitTest(w, screen) == t.Hit;
    }
    if (release || !leftDown) {
        bool inside = DefaultNcHitTest(w, screen) == t.Hit;
        s.Tracking = TTracking{};
        if (t.Kind == TTracking::Button) {
            if (inside && release) {
                WPARAM cmd = t.Hit == HTCLOSE       ? SC_CLOSE
                             : t.Hit == HTMINBUTTON ? SC_MINIMIZE
                                                    : (w->Maximized ? SC_RESTORE : SC_MAXIMIZE);
                SendMessage(t.Wnd, WM_SYSCOMMAND, cmd, PointToLParam(screen));
            }
        } else {
            SendMessage(t.Wnd, WM_EXITSIZEMOVE, 0, 0);
        }
    }
    return true;
}
