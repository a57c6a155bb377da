#include "platform/core/Gbk.h"
#include "platform/window/ClassicFrame.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {
// The window's pixels (rectangle and region) in its top-level window's coordinates.
TRegion ShapeInTopLevel(const TWnd* w) {
    TPoint o = OriginInTopLevel(w);
    TRegion r(TRect(o, w->Rect.Size()));
    if (w->Region)
        r.Intersect(w->Region->Offset(o));
    return r;
}

void Restack(TWindowSystem& s, TWnd* w, HWND after) {
    auto& list = w->Parent ? w->Parent->Children : s.TopLevels;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    if (after == HWND_BOTTOM) {
        list.insert(list.begin(), w);
        return;
    }
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        if (after == HWND_TOPMOST)
            w->ExStyle |= WS_EX_TOPMOST;
        if (after == HWND_NOTOPMOST)
            w->ExStyle &= ~WS_EX_TOPMOST;
        // Topmost windows stay above the others.
        auto pos = list.end();
        if (!(w->ExStyle & WS_EX_TOPMOST) && !w->Parent) {
            pos = std::find_if(list.begin(), list.end(),
                               [](TWnd* t) { return (t->ExStyle & WS_EX_TOPMOST) != 0; });
        }
        list.insert(pos, w);
        return;
    }
    TWnd* a = s.Find(after);
    auto it = std::find(list.begin(), list.end(), a);
    if (it == list.end())
        list.push_back(w);
    else
        list.insert(it, w); // just below "after"
}

TSurfaceKind SurfaceKindOf(const TWnd* w) {
    if ((w->ExStyle & WS_EX_NOACTIVATE) && (w->ExStyle & WS_EX_TOPMOST))
        return TSurfaceKind::Popup;
    if (w->ExStyle & WS_EX_TOOLWINDOW)
        return TSurfaceKind::Tool;
    return TSurfaceKind::Normal;
}

void EnsureSurface(TWindowSystem& s, TWnd* w) {
    if (w->HasSurface)
        return;
    const TSurfaceKind kind = SurfaceKindOf(w);
    s.Backend->CreateSurface(w->Handle, w->Rect, GbkToUtf8(w->Text), kind);
    w->HasSurface = true;
    if (w->Region)
        s.Backend->SetSurfaceShape(w->Handle, &*w->Region);
    if (kind != TSurfaceKind::Popup && !s.ApplicationIcon.Pixels.empty())
        s.Backend->SetSurfaceIcon(w->Handle, s.ApplicationIcon);
}

void SizeBuffer(TWnd* top) {
    if (top->Pixels.Width != top->Rect.Width() || top->Pixels.Height != top->Rect.Height())
        top->Pixels.Resize(top->Rect.Width(), top->Rect.Height(), 0);
}

// Activation passes on when the active window disappears from the screen.
void ActivateNextAfter(TWindowSystem& s, TWnd* w) {
    if (s.Active != w->Handle)
        return;
    TWnd* next = s.Find(w->Owner);
    if (!next || !IsReallyVisible(next) || !next->Enabled()) {
        next = nullptr;
        for (auto it = s.TopLevels.rbegin(); it != s.TopLevels.rend(); ++it) {
            TWnd* t = *it;
            if (t != w && IsReallyVisible(t) && t->Enabled() && !(t->ExStyle & WS_EX_NOACTIVATE)) {
                next = t;
                break;
            }
        }
    }
    if (next) {
        SetActiveWindow(next->Handle);
    } else {
        HWND old = s.Active;
        s.Active = nullptr;
        if (s.Focus && (s.Focus == old || IsChild(old, s.Focus))) {
            HWND f = s.Focus;
            s.Focus = nullptr;
            SendMessage(f, WM_KILLFOCUS, 0, 0);
        }
        SendMessage(old, WM_NCACTIVATE, 0, 0);
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, 0);
    }
}
} // namespace

bool GetWindowRect(HWND wnd, TRect* rect) {
    TWnd* w = WndOf(wnd);
    if (!w || !rect)
        return false;
    *rect = TRect(WindowOriginOnScreen(w), w->Rect.Size());
    return true;
}

bool GetClientRect(HWND wnd, TRect* rect) {
    TWnd* w = WndOf(wnd);
    if (!w || !rect)
        return false;
    *rect = TRect(0, 0, w->Client.Width(), w->Client.Height());
    return true;
}

TRect GetWindowBounds(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w ? w->Rect : TRect();
}

bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w)
        return false;
    TWindowPos pos;
    pos.hwnd = wnd;
    pos.hwndInsertAfter = insertAfter;
    pos.x = (flags & SWP_NOMOVE) ? w->Rect.Left : x;
    pos.y = (flags & SWP_NOMOVE) ? w->Rect.Top : y;
    pos.cx = (flags & SWP_NOSIZE) ? w->Rect.Width() : std::max(cx, 0);
    pos.cy = (flags & SWP_NOSIZE) ? w->Rect.Height() : std::max(cy, 0);
    pos.flags = flags;
    if (w->IsTopLevel() && !(flags & SWP_NOSIZE)) {
        TMinMaxInfo mm;
        TRect work = s.Backend->GetWorkArea();
        mm.ptMaxSize = {work.Width(), work.Height()};
        mm.ptMaxPosition = work.TopLeft();
        mm.ptMinTrackSize = {0, 0};
        mm.ptMaxTrackSize = {32767, 32767};
        SendMessage(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mm));
        if (!(w = s.Find(wnd)))
            return false;
        pos.cx = std::clamp(pos.cx, mm.ptMinTrackSize.X,
                            std::max(mm.ptMinTrackSize.X, mm.ptMaxTrackSize.X));
        pos.cy = std::clamp(pos.cy, mm.ptMinTrackSize.Y,
                            std::max(mm.ptMinTrackSize.Y, mm.ptMaxTrackSize.Y));
    }
    SendMessage(wnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = s.Find(wnd)))
        return false;
    flags = pos.flags;
    TRect oldRect = w->Rect;
    TRect newRect = TRect::FromXYWH(pos.x, pos.y, std::max(pos.cx, 0), std::max(pos.cy, 0));
    bool moved = newRect.TopLeft() != oldRect.TopLeft();
    bool sized = newRect.Size() != oldRect.Size();
    TWnd* top = TopLevelOf(w);
    bool childVisible = w->Parent && IsReallyVisible(w);
    TRegion oldShape = childVisible ? ShapeInTopLevel(w) : TRegion();

    bool restacked = false;
    if (!(flags & SWP_NOZORDER)) {
        auto& list = w->Parent ? w->Parent->Children : s.TopLevels;
        std::vector<TWnd*> before = list;
        Restack(s, w, pos.hwndInsertAfter);
        restacked = before != list;
    }
    w->Rect = newRect;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        RecalcClient(w);
        if (!(w = s.Find(wnd)))
            return false;
    }
    if (flags & SWP_HIDEWINDOW) {
        ShowWindow(wnd, SW_HIDE);
        if (!(w = s.Find(wnd)))
            return false;
    }
    if (w->Parent) {
        if (childVisible && !(flags & SWP_NOREDRAW) &&
            (moved || sized || restacked || (flags & SWP_FRAMECHANGED))) {
            TRegion area = oldShape;
            if (IsReallyVisible(w))
                area.Unite(ShapeInTopLevel(w));
            InvalidateTopLevelArea(top, area);
        }
    } else {
        if (sized) {
            SizeBuffer(w);
            if (!(flags & SWP_NOREDRAW))
                RedrawWindow(wnd, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        } else if (flags & SWP_FRAMECHANGED) {
            RedrawWindow(wnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        // A window following the desktop's own move is where its surface already is.
        const bool followed = s.SurfaceMovedByDesktop == wnd && !sized;
        if (w->HasSurface && (moved || sized) && !followed)
            s.Backend->MoveSurface(wnd, w->Rect);
    }
    if (flags & SWP_SHOWWINDOW) {
        ShowWindow(wnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
        if (!(w = s.Find(wnd)))
            return false;
    }
    if (moved || sized || (flags & SWP_FRAMECHANGED)) {
        TWindowPos done = pos;
        if (!moved)
            done.flags |= SWP_NOMOVE;
        if (!sized)
            done.flags |= SWP_NOSIZE;
        done.x = w->Rect.Left;
        done.y = w->Rect.Top;
        done.cx = w->Rect.Width();
        done.cy = w->Rect.Height();
        SendMessage(wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
    }
    return true;
}

bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(wnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND wnd) {
    return SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool ClientToScreen(HWND wnd, TPoint* p) {
    TWnd* w = WndOf(wnd);
    if (!w || !p)
        return false;
    *p += WindowOriginOnScreen(w) + w->Client.TopLeft();
    return true;
}

bool ScreenToClient(HWND wnd, TPoint* p) {
    TWnd* w = WndOf(wnd);
    if (!w || !p)
        return false;
    *p -= WindowOriginOnScreen(w) + w->Client.TopLeft();
    return true;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, int count) {
    TPoint shift;
    if (from) {
        TWnd* w = WndOf(from);
        if (!w)
            return 0;
        shift += WindowOriginOnScreen(w) + w->Client.TopLeft();
    }
    if (to) {
        TWnd* w = WndOf(to);
        if (!w)
            return 0;
        shift -= WindowOriginOnScreen(w) + w->Client.TopLeft();
    }
    for (int i = 0; i < count; ++i)
        points[i] += shift;
    return int(std::uint16_t(shift.X)) | (int(std::uint16_t(shift.Y)) << 16);
}

namespace {
bool ShapeContains(const TWnd* w, TPoint inParent) {
    if (!w->Rect.Contains(inParent))
        return false;
    return !w->Region || w->Region->Contains(inParent - w->Rect.TopLeft());
}
} // namespace

// The deepest visible window under a screen point, disabled ones included.
TWnd* DeepestWindowAt(TPoint screen) {
    auto& s = TWindowSystem::Get();
    for (auto it = s.TopLevels.rbegin(); it != s.TopLevels.rend(); ++it) {
        TWnd* t = *it;
        if (!t->Visible() || t->Minimized || !ShapeContains(t, screen))
            continue;
        TWnd* w = t;
        TPoint p = screen - t->Rect.TopLeft(); // window coordinates of w
        for (;;) {
            if (!w->Client.Contains(p))
                return w;
            TPoint c = p - w->Client.TopLeft();
            TWnd* hit = nullptr;
            for (auto ci = w->Children.rbegin(); ci != w->Children.rend(); ++ci) {
                if ((*ci)->Visible() && ShapeContains(*ci, c)) {
                    hit = *ci;
                    break;
                }
            }
            if (!hit)
                return w;
            p = c - hit->Rect.TopLeft();
            w = hit;
        }
    }
    return nullptr;
}

HWND WindowFromPoint(TPoint screen) {
    TWnd* w = DeepestWindowAt(screen);
    // A disabled child gives way to its nearest ancestor that takes input.
    TWnd* enabledAt = w;
    for (TWnd* a = w; a; a = a->Parent) {
        if (!a->Enabled())
            enabledAt = a->Parent;
    }
    if (w && !enabledAt && !w->Enabled())
        return nullptr;
    if (w && !enabledAt) // a disabled top-level window
        return TopLevelOf(w)->Enabled() ? w->Handle : nullptr;
    return enabledAt ? enabledAt->Handle : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint) {
    TWnd* w = WndOf(parent);
    if (!w)
        return nullptr;
    TPoint inWindow = clientPoint + w->Client.TopLeft();
    if (!TRect(0, 0, w->Rect.Width(), w->Rect.Height()).Contains(inWindow))
        return nullptr;
    for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it) {
        if (ShapeContains(*it, clientPoint))
            return (*it)->Handle;
    }
    return parent;
}

bool ShowWindow(HWND wnd, int cmd) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w)
        return false;
    bool wasVisible = w->Visible();
    if (cmd == SW_HIDE) {
        if (!wasVisible)
            return false;
        SendMessage(wnd, WM_SHOWWINDOW, 0, 0);
        if (!(w = s.Find(wnd)))
            return true;
        TRegion area = w->Parent && IsReallyVisible(w) ? ShapeInTopLevel(w) : TRegion();
        w->Style &= ~WS_VISIBLE;
        if (s.Capture && (s.Capture == wnd || IsChild(wnd, s.Capture)))
            ReleaseCapture();
        if (!(w = s.Find(wnd)))
            return true;
        if (s.Hover && (s.Hover == wnd || IsChild(wnd, s.Hover)))
            s.Hover = nullptr;
        if (w->Parent) {
            InvalidateTopLevelArea(TopLevelOf(w), area);
            // A hidden window keeps no keyboard focus: it goes to the parent.
            if (s.Focus && (s.Focus == wnd || IsChild(wnd, s.Focus)))
                SetFocus(w->Parent->Handle);
        } else {
            if (w->HasSurface)
                s.Backend->SetSurfaceState(wnd, TSurfaceState::Hidden, false);
            ActivateNextAfter(s, w);
        }
        return true;
    }

    bool activate = !(cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE || cmd == SW_SHOWMINNOACTIVE ||
                      cmd == SW_MINIMIZE || (w->ExStyle & WS_EX_NOACTIVATE));
    if (!wasVisible) {
        SendMessage(wnd, WM_SHOWWINDOW, 1, 0);
        if (!(w = s.Find(wnd)))
            return false;
    }
    w->Style |= WS_VISIBLE;
    if (w->Parent) {
        if (IsReallyVisible(w) && !wasVisible)
            InvalidateTopLevelArea(TopLevelOf(w), ShapeInTopLevel(w));
        return wasVisible;
    }

    bool minimize = cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED || cmd == SW_SHOWMINNOACTIVE;
    bool maximize = cmd == SW_MAXIMIZE;
    bool restore = cmd == SW_RESTORE || cmd == SW_SHOWNORMAL;
    EnsureSurface(s, w);
    SizeBuffer(w);
    if (minimize && !w->Minimized) {
        // Only asked for: the window leaves the screen when the desktop says it did
        // (SurfaceMinimized). A desktop without a window manager ignores the request, and the
        // window then stays on the screen and usable.
        if (!wasVisible) {
            RedrawWindow(wnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            s.Backend->SetSurfaceState(wnd, TSurfaceState::Normal, false);
        }
        s.Backend->SetSurfaceState(wnd, TSurfaceState::Minimized, false);
        return wasVisible;
    }
    if (w->Minimized && !minimize) {
        w->Minimized = false;
        w->Style &= ~WS_MINIMIZE;
        SendMessage(wnd, WM_SIZE, w->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    MAKELPARAM(w->Client.Width(), w->Client.Height()));
        if (!(w = s.Find(wnd)))
            return wasVisible;
    }
    if (maximize && !w->Maximized) {
        w->NormalRect = w->Rect;
        w->Maximized = true;
        w->Style |= WS_MAXIMIZE;
        TRect work = s.Backend->GetWorkArea();
        SetWindowPos(wnd, nullptr, work.Left, work.Top, work.Width(), work.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (restore && w->Maximized) {
        w->Maximized = false;
        w->Style &= ~WS_MAXIMIZE;
        TRect n = w->NormalRect;
        SetWindowPos(wnd, nullptr, n.Left, n.Top, n.Width(), n.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!(w = s.Find(wnd)))
        return wasVisible;
    if (!wasVisible)
        RedrawWindow(wnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    s.Backend->SetSurfaceState(wnd, w->Maximized ? TSurfaceState::Maximized : TSurfaceState::Normal,
                               activate);
    if (activate)
        SetActiveWindow(wnd);
    return wasVisible;
}

void SurfaceMinimized(HWND wnd) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w || !w->IsTopLevel() || !w->Visible() || w->Minimized)
        return;
    w->Minimized = true;
    w->Style |= WS_MINIMIZE;
    SendMessage(wnd, WM_SIZE, SIZE_MINIMIZED, 0);
    if ((w = s.Find(wnd)))
        ActivateNextAfter(s, w);
}

void SurfaceMoved(HWND wnd, TPoint topLeft) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w || !w->IsTopLevel() || !w->HasSurface || w->Minimized || w->Rect.TopLeft() == topLeft)
        return;
    {
        struct TFollowing {
            TWindowSystem& S;
            ~TFollowing() { S.SurfaceMovedByDesktop = nullptr; }
        } following{s};
        s.SurfaceMovedByDesktop = wnd;
        SetWindowPos(wnd, nullptr, topLeft.X, topLeft.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A window that keeps to other places (its WM_WINDOWPOSCHANGING said so) puts its surface
    // back there.
    if ((w = s.Find(wnd)) && w->HasSurface && w->Rect.TopLeft() != topLeft)
        s.Backend->MoveSurface(wnd, w->Rect);
}

bool IsWindowVisible(HWND wnd) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return false;
    for (; w; w = w->Parent) {
        if (!w->Visible())
            return false;
    }
    return true;
}

bool IsIconic(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w && w->Minimized;
}

bool IsZoomed(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w && w->Maximized;
}

void CancelModeInside(HWND root) {
    auto& s = TWindowSystem::Get();
    auto inside = [&](HWND h) { return h && s.Find(h) && (h == root || IsChild(root, h)); };
    // The capture holder is the one in the middle of something (a drag, a pressed button, a
    // scroll); without one, the focus holder (a key held down on a button).
    HWND holder = inside(s.Capture) ? s.Capture : inside(s.Focus) ? s.Focus : nullptr;
    if (TWnd* t = s.Find(s.Tracking.Wnd); t && (t->Handle == root || IsChild(root, t->Handle)))
        CancelTracking();
    if (holder)
        SendMessage(holder, WM_CANCELMODE, 0, 0);
}

bool EnableWindow(HWND wnd, bool enable) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w)
        return false;
    bool wasDisabled = !w->Enabled();
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable) {
        w->Style &= ~WS_DISABLED;
    } else {
        w->Style |= WS_DISABLED;
        CancelModeInside(wnd);
        if (!(w = s.Find(wnd)))
            return wasDisabled;
        if (s.Capture && (s.Capture == wnd || IsChild(wnd, s.Capture)))
            ReleaseCapture();
        if (!(w = s.Find(wnd)))
            return wasDisabled;
        if (s.Focus && (s.Focus == wnd || IsChild(wnd, s.Focus))) {
            if (w->Parent) {
                SetFocus(nullptr);
            } else {
                HWND f = s.Focus;
                s.Focus = nullptr;
                SendMessage(f, WM_KILLFOCUS, 0, 0);
            }
        }
    }
    SendMessage(wnd, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w && w->Enabled();
}

void CenterWindow(HWND wnd, HWND over) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return;
    TRect work = GetBackend().GetWorkArea();
    TRect around = work;
    if (TWnd* o = WndOf(over); o && o != w) {
        GetWindowRect(over, &around);
    }
    TPoint c = around.CenterPoint();
    int x = c.X - w->Rect.Width() / 2;
    int y = c.Y - w->Rect.Height() / 2;
    x = std::max(work.Left, std::min(x, work.Right - w->Rect.Width()));
    y = std::max(work.Top, std::min(y, work.Bottom - w->Rect.Height()));
    SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int SetWindowRgn(HWND wnd, const TRegion* region, bool redraw) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return 0;
    bool visible = w->Parent && IsReallyVisible(w);
    TRegion before = visible ? ShapeInTopLevel(w) : TRegion();
    if (region)
        w->Region = *region;
    else
        w->Region.reset();
    if (w->IsTopLevel() && w->HasSurface)
        GetBackend().SetSurfaceShape(wnd, region);
    if (redraw) {
        if (visible) {
            before.Unite(ShapeInTopLevel(w));
            InvalidateTopLevelArea(TopLevelOf(w), before);
        } else {
            RedrawWindow(wnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
    return 1;
}

void SetApplicationIcon(const TPixelBuffer& icon) {
    TWindowSystem& s = TWindowSystem::Get();
    s.ApplicationIcon = icon;
    for (TWnd* w : s.TopLevels)
        if (w->HasSurface && SurfaceKindOf(w) != TSurfaceKind::Popup)
            s.Backend->SetSurfaceIcon(w->Handle, icon);
}

const TPixelBuffer& GetApplicationIcon() {
    return TWindowSystem::Get().ApplicationIcon;
}

bool GetWindowRgn(HWND wnd, TRegion* out) {
    TWnd* w = WndOf(wnd);
    if (!w || !w->Region)
        return false;
    if (out)
        *out = *w->Region;
    return true;
}

namespace {
// Thickness, arrow size and fixed thumb length of the classic scroll bars.
constexpr int kScrollBarSize = 17;
} // namespace

int GetSystemMetrics(int index) {
    TRect screen = GetBackend().GetScreenRect();
    switch (index) {
    case SM_CXSCREEN:
        return screen.Width();
    case SM_CYSCREEN:
        return screen.Height();
    case SM_CYCAPTION:
        return kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return kScrollBarSize;
    default:
        return 0;
    }
}
