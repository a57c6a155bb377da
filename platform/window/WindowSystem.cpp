#include "platform/window/WindowSystem.h"

#include "platform/core/Exception.h"
#include "platform/core/Gbk.h"
#include "platform/draw/DC.h"

#include <algorithm>
#include <cstring>

namespace {
std::unique_ptr<TWindowSystem> gSystem;

std::uintptr_t HandleValue(HWND h) {
    return reinterpret_cast<std::uintptr_t>(h);
}

// Keeps the dispatch depth right when a window procedure throws.
struct TDispatchScope {
    TWindowSystem& S;
    explicit TDispatchScope(TWindowSystem& s) : S(s) { ++S.DispatchDepth; }
    ~TDispatchScope() {
        if (--S.DispatchDepth == 0)
            S.FreeGraveyard();
    }
    TDispatchScope(const TDispatchScope&) = delete;
    TDispatchScope& operator=(const TDispatchScope&) = delete;
};

// A WM_PAINT sent with a context paints into that context, also while the window is painting
// itself (a transparent child copying its parent into a bitmap from inside the parent's paint):
// for the time of the message BeginPaint hands out the given context and its visible area.
class TGivenPaintContext {
public:
    TGivenPaintContext(TWindowSystem& s, HWND wnd, UINT msg, WPARAM wParam) : S(s), Wnd(wnd) {
        auto* dc = reinterpret_cast<TDC*>(wParam);
        TWnd* w = S.Find(wnd);
        if (msg != WM_PAINT || !dc || !w || w->PaintDC == dc)
            return;
        Active = true;
        SavedDC = w->PaintDC;
        SavedRect = w->PaintRect;
        w->PaintDC = dc;
        w->PaintRect = dc->GetClipBox();
    }
    ~TGivenPaintContext() {
        if (!Active)
            return;
        if (TWnd* w = S.Find(Wnd)) {
            w->PaintDC = SavedDC;
            w->PaintRect = SavedRect;
        }
    }
    TGivenPaintContext(const TGivenPaintContext&) = delete;
    TGivenPaintContext& operator=(const TGivenPaintContext&) = delete;

private:
    TWindowSystem& S;
    HWND Wnd;
    bool Active = false;
    TDC* SavedDC = nullptr;
    TRect SavedRect;
};
} // namespace

TWindowSystem::TWindowSystem(std::unique_ptr<IBackend> backend) : Backend(std::move(backend)) {}

TWindowSystem::~TWindowSystem() = default;

TWindowSystem* TWindowSystem::Current() {
    return gSystem.get();
}

TWindowSystem& TWindowSystem::Get() {
    if (!gSystem)
        throw EInvalidOperation("the window system is not started");
    return *gSystem;
}

TWnd* TWindowSystem::Find(HWND h) const {
    if (!h)
        return nullptr;
    auto it = Windows.find(HandleValue(h));
    return it == Windows.end() ? nullptr : it->second.get();
}

TWnd& TWindowSystem::Create() {
    auto w = std::make_unique<TWnd>();
    NextHandle += 4;
    w->Handle = reinterpret_cast<HWND>(NextHandle);
    TWnd& ref = *w;
    Windows.emplace(NextHandle, std::move(w));
    return ref;
}

void TWindowSystem::Bury(TWnd* w) {
    auto it = Windows.find(HandleValue(w->Handle));
    if (it == Windows.end())
        return;
    Graveyard.push_back(std::move(it->second));
    Windows.erase(it);
    if (DispatchDepth == 0)
        FreeGraveyard();
}

void TWindowSystem::FreeGraveyard() {
    Graveyard.clear();
}

TWnd* WndOf(HWND h) {
    TWindowSystem* s = TWindowSystem::Current();
    return s ? s->Find(h) : nullptr;
}

TWnd* TopLevelOf(TWnd* w) {
    while (w && w->Parent)
        w = w->Parent;
    return w;
}

TPoint OriginInTopLevel(const TWnd* w) {
    TPoint p;
    while (w->Parent) {
        p += w->Rect.TopLeft() + w->Parent->Client.TopLeft();
        w = w->Parent;
    }
    return p;
}

TPoint WindowOriginOnScreen(const TWnd* w) {
    const TWnd* top = w;
    while (top->Parent)
        top = top->Parent;
    return top->Rect.TopLeft() + OriginInTopLevel(w);
}

bool IsReallyVisible(const TWnd* w) {
    for (; w; w = w->Parent) {
        if (!w->Visible() || w->Minimized)
            return false;
    }
    return true;
}

bool IsReallyEnabled(const TWnd* w) {
    for (; w; w = w->Parent) {
        if (!w->Enabled())
            return false;
    }
    return true;
}

void RecalcClient(TWnd* w) {
    TNcCalcSizeParams p;
    p.rgrc[0] = w->Rect;
    p.rgrc[1] = w->Rect;
    SendMessage(w->Handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&p));
    if (!WndOf(w->Handle))
        return;
    TRect c = p.rgrc[0].Offset(-w->Rect.Left, -w->Rect.Top);
    c.Right = std::max(c.Left, c.Right);
    c.Bottom = std::max(c.Top, c.Bottom);
    w->Client = c;
}

// --- Start and end -------------------------------------------------------------------------

void StartWindowSystem(std::unique_ptr<IBackend> backend) {
    ShutdownWindowSystem();
    gSystem = std::make_unique<TWindowSystem>(std::move(backend));
    gSystem->Pointer = gSystem->Backend->GetPointerPos();
}

void ShutdownWindowSystem() {
    if (!gSystem)
        return;
    // Owned and owner windows go in any order; destroy until none is left.
    while (!gSystem->TopLevels.empty()) {
        HWND h = gSystem->TopLevels.back()->Handle;
        DestroyWindow(h);
        if (gSystem->Find(h)) // a window that refuses to go: drop it
            gSystem->TopLevels.pop_back();
    }
    gSystem->Timers.clear();
    gSystem->Hooks.clear();
    gSystem->Queue.clear();
    gSystem->FreeGraveyard();
    gSystem.reset();
}

bool WindowSystemStarted() {
    return gSystem != nullptr;
}

IBackend& GetBackend() {
    return *TWindowSystem::Get().Backend;
}

// --- Classes -------------------------------------------------------------------------------

bool RegisterClass(const TWndClass& wc) {
    auto& s = TWindowSystem::Get();
    if (!wc.lpszClassName || !*wc.lpszClassName)
        return false;
    std::string name = wc.lpszClassName;
    if (s.Classes.count(name))
        return false;
    TWndClass c = wc;
    c.lpszClassName = nullptr; // the map keeps the name
    s.Classes.emplace(name, c);
    return true;
}

bool UnregisterClass(const char* className) {
    auto& s = TWindowSystem::Get();
    return className && s.Classes.erase(className) > 0;
}

bool GetClassInfo(const char* className, TWndClass* out) {
    auto& s = TWindowSystem::Get();
    if (!className)
        return false;
    auto it = s.Classes.find(className);
    if (it == s.Classes.end())
        return false;
    if (out) {
        *out = it->second;
        out->lpszClassName = it->first.c_str();
    }
    return true;
}

std::string GetClassName(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w ? w->ClassName : std::string();
}

// --- Windows -------------------------------------------------------------------------------

HWND CreateWindowEx(std::uint32_t exStyle, const char* className, const char* windowName,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent,
                    std::uintptr_t menuOrId, void* param) {
    auto& s = TWindowSystem::Get();
    if (!className)
        return nullptr;
    auto cls = s.Classes.find(className);
    if (cls == s.Classes.end())
        return nullptr;
    TWnd* parentWnd = s.Find(parent);
    if ((style & WS_CHILD) && !parentWnd)
        return nullptr;
    if (parent && !parentWnd)
        return nullptr;

    TWnd& w = s.Create();
    w.ClassName = cls->first;
    w.ClassStyle = cls->second.style;
    w.ClassCursor = cls->second.hCursor;
    w.ClassBackground = cls->second.hbrBackground;
    w.Proc = cls->second.lpfnWndProc;
    w.Style = style & ~WS_VISIBLE;
    w.ExStyle = exStyle;
    w.Rect = TRect::FromXYWH(x, y, std::max(width, 0), std::max(height, 0));
    w.Client = TRect(0, 0, w.Rect.Width(), w.Rect.Height());
    if (style & WS_CHILD) {
        w.Parent = parentWnd;
        w.Id = LONG_PTR(menuOrId);
        parentWnd->Children.push_back(&w);
    } else {
        w.Owner = parent;
        s.TopLevels.push_back(&w);
    }
    HWND h = w.Handle;

    TCreateStruct cs;
    cs.lpCreateParams = param;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.lpszName = windowName;
    cs.lpszClass = className;

    if (!SendMessage(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!s.Find(h))
        return nullptr;
    RecalcClient(&w);
    if (!s.Find(h))
        return nullptr;
    if (SendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    TWnd* alive = s.Find(h);
    if (!alive)
        return nullptr;
    SendMessage(h, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(alive->Client.Width(), alive->Client.Height()));
    if ((alive = s.Find(h)) == nullptr)
        return nullptr;
    TPoint co = alive->Rect.TopLeft() + alive->Client.TopLeft();
    SendMessage(h, WM_MOVE, 0, MAKELPARAM(co.X, co.Y));
    if ((alive = s.Find(h)) == nullptr)
        return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(h, SW_SHOW);
    return s.Find(h) ? h : nullptr;
}

bool IsWindow(HWND wnd) {
    return WndOf(wnd) != nullptr;
}

namespace {
void DetachWindow(TWindowSystem& s, TWnd* w) {
    auto& list = w->Parent ? w->Parent->Children : s.TopLevels;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    std::erase_if(s.Timers, [&](const TWindowTimer& t) { return t.Wnd == w->Handle; });
    if (s.Tracking.Wnd == w->Handle)
        s.Tracking = TTracking{};
    if (s.LastClickWnd == w->Handle)
        s.LastClickWnd = nullptr;
}

bool InSubtree(TWnd* root, HWND h) {
    for (TWnd* w = WndOf(h); w; w = w->Parent) {
        if (w == root)
            return true;
    }
    return false;
}
} // namespace

bool DestroyWindow(HWND wnd) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w)
        return false;
    if (w->Destroying)
        return true;
    w->Destroying = true;

    // Owned windows go first.
    if (w->IsTopLevel()) {
        std::vector<HWND> owned;
        for (TWnd* t : s.TopLevels) {
            if (t->Owner == wnd)
                owned.push_back(t->Handle);
        }
        for (HWND o : owned)
            DestroyWindow(o);
        if (!(w = s.Find(wnd)))
            return true;
    }

    // Off the screen.
    if (w->Visible()) {
        w->Style &= ~WS_VISIBLE;
        if (w->Parent) {
            TWnd* top = TopLevelOf(w);
            TRegion area(TRect(OriginInTopLevel(w), w->Rect.Size()));
            InvalidateTopLevelArea(top, area);
        }
    }
    if (w->IsTopLevel() && w->HasSurface) {
        s.Backend->DestroySurface(wnd);
        w->HasSurface = false;
    }
    ClearPointerReferences(w);
    if (!(w = s.Find(wnd)))
        return true;

    SendMessage(wnd, WM_DESTROY, 0, 0);
    if (!(w = s.Find(wnd)))
        return true;
    std::vector<HWND> children;
    for (TWnd* c : w->Children)
        children.push_back(c->Handle);
    for (HWND c : children)
        DestroyWindow(c);
    SendMessage(wnd, WM_NCDESTROY, 0, 0);
    if (!(w = s.Find(wnd)))
        return true;
    // Anything that still points here (a handler may have set focus or capture again).
    if (s.Focus == wnd)
        s.Focus = nullptr;
    if (s.Capture == wnd)
        s.Capture = nullptr;
    if (s.Hover == wnd)
        s.Hover = nullptr;
    if (s.Active == wnd)
        s.Active = nullptr;
    DetachWindow(s, w);
    s.Bury(w);
    return true;
}

void ClearPointerReferences(TWnd* w) {
    auto& s = TWindowSystem::Get();
    HWND h = w->Handle;
    if (s.Capture && InSubtree(w, s.Capture)) {
        HWND old = s.Capture;
        s.Capture = nullptr;
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    if (s.Hover && InSubtree(w, s.Hover))
        s.Hover = nullptr;
    if (s.Tracking.Wnd && InSubtree(w, s.Tracking.Wnd))
        s.Tracking = TTracking{};
    if (!(w = s.Find(h)))
        return;
    if (s.Focus && InSubtree(w, s.Focus)) {
        HWND old = s.Focus;
        s.Focus = nullptr;
        SendMessage(old, WM_KILLFOCUS, 0, 0);
        if (!(w = s.Find(h)))
            return;
        // The focus goes to the parent of a child that loses it.
        if (w->Parent && IsReallyVisible(w->Parent) && IsReallyEnabled(w->Parent) &&
            !w->Parent->Destroying)
            SetFocus(w->Parent->Handle);
        if (!(w = s.Find(h)))
            return;
    }
    if (s.Active == h) {
        s.Active = nullptr;
        SendMessage(h, WM_NCACTIVATE, 0, 0);
        SendMessage(h, WM_ACTIVATE, WA_INACTIVE, 0);
        if (!(w = s.Find(h)))
            return;
        // Activation passes to the owner, else to the topmost other visible window.
        TWnd* next = s.Find(w->Owner);
        if (!next || !IsReallyVisible(next) || !next->Enabled() || next->Destroying) {
            next = nullptr;
            for (auto it = s.TopLevels.rbegin(); it != s.TopLevels.rend(); ++it) {
                TWnd* t = *it;
                if (t != w && IsReallyVisible(t) && t->Enabled() && !t->Destroying &&
                    !(t->ExStyle & WS_EX_NOACTIVATE)) {
                    next = t;
                    break;
                }
            }
        }
        if (next)
            SetActiveWindow(next->Handle);
    }
}

bool IsChild(HWND parent, HWND wnd) {
    TWnd* p = WndOf(parent);
    TWnd* w = WndOf(wnd);
    if (!p || !w)
        return false;
    for (w = w->Parent; w; w = w->Parent) {
        if (w == p)
            return true;
    }
    return false;
}

HWND GetParent(HWND wnd) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return nullptr;
    return w->Parent ? w->Parent->Handle : w->Owner;
}

HWND SetParent(HWND wnd, HWND newParent) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    TWnd* p = s.Find(newParent);
    if (!w || (newParent && !p))
        return nullptr;
    for (TWnd* a = p; a; a = a->Parent) {
        if (a == w)
            return nullptr; // would make a cycle
    }
    HWND old = w->Parent ? w->Parent->Handle : nullptr;
    bool visible = w->Visible();
    if (visible)
        ShowWindow(wnd, SW_HIDE);
    if (!(w = s.Find(wnd)))
        return nullptr;
    auto& list = w->Parent ? w->Parent->Children : s.TopLevels;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    if (p) {
        if (w->HasSurface) {
            s.Backend->DestroySurface(wnd);
            w->HasSurface = false;
        }
        w->Pixels = TPixelBuffer();
        w->Parent = p;
        w->Style = (w->Style | WS_CHILD) & ~WS_POPUP;
        p->Children.push_back(w);
    } else {
        w->Parent = nullptr;
        w->Style &= ~WS_CHILD;
        s.TopLevels.push_back(w);
    }
    if (visible)
        ShowWindow(wnd, SW_SHOWNA);
    return old;
}

HWND GetOwner(HWND wnd) {
    TWnd* w = WndOf(wnd);
    return w ? w->Owner : nullptr;
}

HWND GetAncestorRoot(HWND wnd) {
    TWnd* w = TopLevelOf(WndOf(wnd));
    return w ? w->Handle : nullptr;
}

std::vector<HWND> GetChildWindows(HWND wnd) {
    std::vector<HWND> out;
    TWnd* w = WndOf(wnd);
    if (!w)
        return out;
    for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it)
        out.push_back((*it)->Handle);
    return out;
}

std::vector<HWND> GetTopLevelWindows() {
    std::vector<HWND> out;
    auto& s = TWindowSystem::Get();
    for (auto it = s.TopLevels.rbegin(); it != s.TopLevels.rend(); ++it)
        out.push_back((*it)->Handle);
    return out;
}

HWND GetWindow(HWND wnd, UINT cmd) {
    auto& s = TWindowSystem::Get();
    TWnd* w = s.Find(wnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->Children.empty() ? nullptr : w->Children.back()->Handle;
    if (cmd == GW_OWNER)
        return w->Owner;
    const auto& list = w->Parent ? w->Parent->Children : s.TopLevels;
    auto it = std::find(list.begin(), list.end(), w);
    std::size_t i = std::size_t(it - list.begin());
    switch (cmd) {
    case GW_HWNDFIRST:
        return list.back()->Handle;
    case GW_HWNDLAST:
        return list.front()->Handle;
    case GW_HWNDNEXT: // below
        return i == 0 ? nullptr : list[i - 1]->Handle;
    case GW_HWNDPREV: // above
        return i + 1 >= list.size() ? nullptr : list[i + 1]->Handle;
    default:
        return nullptr;
    }
}

namespace {
constexpr std::uint32_t kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME | WS_BORDER;
constexpr std::uint32_t kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;

void FrameChanged(TWnd* w) {
    HWND h = w->Handle;
    TSize before = w->Client.Size();
    RecalcClient(w);
    if (!(w = WndOf(h)))
        return;
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (w->Client.Size() != before)
        SendMessage(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->Client.Width(), w->Client.Height()));
}
} // namespace

LONG_PTR GetWindowLongPtr(HWND wnd, int index) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->Proc);
    case GWL_STYLE:
        return LONG_PTR(w->Style);
    case GWL_EXSTYLE:
        return LONG_PTR(w->ExStyle);
    case GWL_USERDATA:
        return w->UserData;
    case GWL_ID:
        return w->Id;
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->Owner);
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND wnd, int index, LONG_PTR value) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return 0;
    LONG_PTR old = GetWindowLongPtr(wnd, index);
    switch (index) {
    case GWL_WNDPROC:
        w->Proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_STYLE: {
        // Visibility and enabling go through ShowWindow and EnableWindow; the child bit stays.
        std::uint32_t keep = WS_VISIBLE | WS_DISABLED | WS_CHILD | WS_MINIMIZE | WS_MAXIMIZE;
        std::uint32_t style = (std::uint32_t(value) & ~keep) | (w->Style & keep);
        bool frame = ((style ^ w->Style) & kFrameStyles) != 0;
        w->Style = style;
        if (frame)
            FrameChanged(w);
        break;
    }
    case GWL_EXSTYLE: {
        bool frame = ((std::uint32_t(value) ^ w->ExStyle) & kFrameExStyles) != 0;
        w->ExStyle = std::uint32_t(value);
        if (frame)
            FrameChanged(w);
        break;
    }
    case GWL_USERDATA:
        w->UserData = value;
        break;
    case GWL_ID:
        w->Id = value;
        break;
    case GWL_HWNDPARENT:
        if (w->IsTopLevel())
            w->Owner = reinterpret_cast<HWND>(value);
        break;
    default:
        return 0;
    }
    return old;
}

bool SetProp(HWND wnd, const char* name, void* value) {
    TWnd* w = WndOf(wnd);
    if (!w || !name)
        return false;
    w->Props[name] = value;
    return true;
}

void* GetProp(HWND wnd, const char* name) {
    TWnd* w = WndOf(wnd);
    if (!w || !name)
        return nullptr;
    auto it = w->Props.find(name);
    return it == w->Props.end() ? nullptr : it->second;
}

void* RemoveProp(HWND wnd, const char* name) {
    TWnd* w = WndOf(wnd);
    if (!w || !name)
        return nullptr;
    auto it = w->Props.find(name);
    if (it == w->Props.end())
        return nullptr;
    void* v = it->second;
    w->Props.erase(it);
    return v;
}

bool SetWindowText(HWND wnd, std::string_view text) {
    std::string copy(text);
    return SendMessage(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str())) != 0;
}

std::string GetWindowText(HWND wnd) {
    if (!IsWindow(wnd))
        return {};
    LRESULT len = SendMessage(wnd, WM_GETTEXTLENGTH, 0, 0);
    if (len <= 0)
        return {};
    std::string buf(std::size_t(len) + 1, '\0');
    LRESULT got =
        SendMessage(wnd, WM_GETTEXT, WPARAM(buf.size()), reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(std::size_t(std::clamp<LRESULT>(got, 0, len)));
    return buf;
}

int GetWindowTextLength(HWND wnd) {
    return int(SendMessage(wnd, WM_GETTEXTLENGTH, 0, 0));
}

// --- Messages ------------------------------------------------------------------------------

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindowSystem* s = TWindowSystem::Current();
    if (!s)
        return 0;
    TWnd* w = s->Find(wnd);
    if (!w)
        return 0;
    WNDPROC proc = w->Proc;
    TDispatchScope scope(*s);
    TGivenPaintContext paint(*s, wnd, msg, wParam);
    if (!proc)
        return DefWindowProc(wnd, msg, wParam, lParam);
    return proc(wnd, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindowSystem* s = TWindowSystem::Current();
    if (!s || !s->Find(wnd))
        return 0;
    TDispatchScope scope(*s);
    if (!proc)
        return DefWindowProc(wnd, msg, wParam, lParam);
    return proc(wnd, msg, wParam, lParam);
}

int GetDispatchDepth() {
    TWindowSystem* s = TWindowSystem::Current();
    return s ? s->DispatchDepth : 0;
}

bool PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = TWindowSystem::Get();
    if (wnd && !s.Find(wnd))
        return false;
    TWindowSystem::TQueued q;
    q.Msg = TMsg{wnd, msg, wParam, lParam, std::uint32_t(s.Now()), s.Pointer};
    s.Queue.push_back(std::move(q));
    return true;
}

bool PostThreadMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return PostMessage(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    auto& s = TWindowSystem::Get();
    s.QuitPosted = true;
    s.QuitCode = exitCode;
}

int AddMessageHook(TMessageHook hook) {
    auto& s = TWindowSystem::Get();
    int id = s.NextHookId++;
    s.Hooks.emplace_back(id, std::move(hook));
    return id;
}

void RemoveMessageHook(int id) {
    auto& s = TWindowSystem::Get();
    std::erase_if(s.Hooks, [id](const auto& h) { return h.first == id; });
}

void SetLoopExceptionHandler(std::function<void(std::exception_ptr)> handler) {
    TWindowSystem::Get().LoopExceptionHandler = std::move(handler);
}

namespace {
bool Matches(const TMsg& m, HWND filter, UINT minMsg, UINT maxMsg) {
    if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd))
        return false;
    if (minMsg == 0 && maxMsg == 0)
        return true;
    return m.message >= minMsg && m.message <= maxMsg;
}

bool RunHooks(TWindowSystem& s, TMsg& m) {
    if (s.Hooks.empty())
        return false;
    auto hooks = s.Hooks; // a hook may add or remove hooks
    for (auto& [id, hook] : hooks) {
        bool handled = false;
        hook(m, handled);
        if (handled)
            return true;
    }
    return false;
}

// The next window that needs painting, parents before their children.
TWnd* FindPaintNeeded(TWnd* w, HWND filter) {
    if (!w->Visible() || w->Minimized)
        return nullptr;
    if (!w->Update.IsEmpty() && (!filter || w->Handle == filter || IsChild(filter, w->Handle)))
        return w;
    for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it) {
        if (TWnd* f = FindPaintNeeded(*it, filter))
            return f;
    }
    return nullptr;
}

TWindowTimer* FindDueTimer(TWindowSystem& s, HWND filter) {
    std::uint64_t now = s.Now();
    TWindowTimer* best = nullptr;
    for (TWindowTimer& t : s.Timers) {
        if (t.Running || t.Due > now)
            continue;
        if (filter && t.Wnd != filter && !IsChild(filter, t.Wnd))
            continue;
        if (!best || t.Due < best->Due || (t.Due == best->Due && t.Order < best->Order))
            best = &t;
    }
    return best;
}

bool InRange(UINT msg, UINT minMsg, UINT maxMsg) {
    return (minMsg == 0 && maxMsg == 0) || (msg >= minMsg && msg <= maxMsg);
}
} // namespace

void RouteRawInput(TWindowSystem& s, TWindowSystem::TQueued& raw); // Input.cpp

bool PeekMessage(TMsg* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlag) {
    auto& s = TWindowSystem::Get();
    bool remove = (removeFlag & PM_REMOVE) != 0;
    s.Backend->WaitForEvents(0);
    for (;;) {
        // Raw input at the front becomes messages now.
        while (!s.Queue.empty() && s.Queue.front().Raw != TWindowSystem::TQueued::rkNone) {
            TWindowSystem::TQueued raw = std::move(s.Queue.front());
            s.Queue.pop_front();
            RouteRawInput(s, raw);
        }
        auto it = std::find_if(s.Queue.begin(), s.Queue.end(), [&](const auto& q) {
            return q.Raw == TWindowSystem::TQueued::rkNone &&
                   Matches(q.Msg, filter, minMsg, maxMsg);
        });
        if (it != s.Queue.end()) {
            TMsg m = it->Msg;
            if (!remove) {
                *msg = m;
                return true;
            }
            s.Queue.erase(it);
            if (RunHooks(s, m))
                continue;
            *msg = m;
            return true;
        }
        if (s.QuitPosted && !filter && InRange(WM_QUIT, minMsg, maxMsg)) {
            *msg = TMsg{nullptr, WM_QUIT, WPARAM(s.QuitCode), 0, std::uint32_t(s.Now()), s.Pointer};
            if (remove)
                s.QuitPosted = false;
            return true;
        }
        if (InRange(WM_PAINT, minMsg, maxMsg)) {
            for (auto t = s.TopLevels.rbegin(); t != s.TopLevels.rend(); ++t) {
                if (TWnd* w = FindPaintNeeded(*t, filter)) {
                    *msg = TMsg{w->Handle, WM_PAINT, 0, 0, std::uint32_t(s.Now()), s.Pointer};
                    return true;
                }
            }
        }
        if (InRange(WM_TIMER, minMsg, maxMsg)) {
            if (TWindowTimer* t = FindDueTimer(s, filter)) {
                TMsg m{t->Wnd,
                       WM_TIMER,
                       t->Id,
                       reinterpret_cast<LPARAM>(t->Proc),
                       std::uint32_t(s.Now()),
                       s.Pointer};
                if (!remove) {
                    *msg = m;
                    return true;
                }
                t->Due = s.Now() + t->Interval;
                if (RunHooks(s, m))
                    continue;
                *msg = m;
                return true;
            }
        }
        FlushWindows();
        return false;
    }
}

void WaitMessage(int timeoutMs) {
    auto& s = TWindowSystem::Get();
    FlushWindows();
    std::uint64_t now = s.Now();
    long long wait = timeoutMs;
    for (const TWindowTimer& t : s.Timers) {
        if (t.Running)
            continue;
        long long d = t.Due > now ? (long long)(t.Due - now) : 0;
        if (wait < 0 || d < wait)
            wait = d;
    }
    s.Backend->WaitForEvents(int(std::min<long long>(wait, 1 << 30)));
}

bool GetMessage(TMsg* msg, HWND filter, UINT minMsg, UINT maxMsg) {
    for (;;) {
        if (PeekMessage(msg, filter, minMsg, maxMsg, PM_REMOVE))
            return msg->message != WM_QUIT;
        WaitMessage(-1);
    }
}

namespace {
// The character of an Alt+key chord: a letter (lower case unless Shift or Caps Lock makes it
// upper case), a digit or a space; 0 for other keys.
int SysCharOf(const TWindowSystem& s, int vk) {
    if (vk >= 'A' && vk <= 'Z') {
        bool upper = ((s.SyncKeys[VK_SHIFT] & 0x80) != 0) != ((s.SyncKeys[VK_CAPITAL] & 0x01) != 0);
        return upper ? vk : vk - 'A' + 'a';
    }
    if ((vk >= '0' && vk <= '9') || vk == VK_SPACE)
        return vk;
    return 0;
}
} // namespace

bool TranslateMessage(const TMsg* msg) {
    auto& s = TWindowSystem::Get();
    if (!msg)
        return false;
    if (msg->message == WM_SYSKEYDOWN) {
        // Alt+letter, digit or space: the accelerator character, queued after the key.
        int ch = (msg->lParam & (LPARAM(1) << 29)) ? SysCharOf(s, int(msg->wParam)) : 0;
        if (!ch)
            return false;
        TWindowSystem::TQueued q;
        q.Msg = TMsg{msg->hwnd, WM_SYSCHAR, WPARAM(ch), msg->lParam, msg->time, msg->pt};
        s.Queue.push_front(std::move(q));
        return true;
    }
    if (msg->message != WM_KEYDOWN)
        return false;
    int vk = int(msg->wParam);
    int ch = 0;
    // Ctrl+Alt (AltGr) makes no control character.
    bool ctrl = (s.SyncKeys[VK_CONTROL] & 0x80) && !(s.SyncKeys[VK_MENU] & 0x80);
    // Printable characters arrive as typed text; the keys below type nothing on the desktop.
    if (vk == VK_RETURN)
        ch = 13;
    else if (vk == VK_BACK)
        ch = 8;
    else if (vk == VK_TAB)
        ch = 9;
    else if (vk == VK_ESCAPE)
        ch = 27;
    else if (ctrl && vk >= 'A' && vk <= 'Z')
        ch = vk - 'A' + 1;
    if (!ch)
        return false;
    TWindowSystem::TQueued q;
    q.Msg = TMsg{msg->hwnd, WM_CHAR, WPARAM(ch), 1, msg->time, msg->pt};
    s.Queue.push_front(std::move(q));
    return true;
}

LRESULT DispatchMessage(const TMsg* msg) {
    auto& s = TWindowSystem::Get();
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER) {
        auto find = [&]() -> TWindowTimer* {
            for (TWindowTimer& t : s.Timers) {
                if (t.Wnd == msg->hwnd && t.Id == msg->wParam)
                    return &t;
            }
            return nullptr;
        };
        TWindowTimer* t = find();
        if (!t)
            return 0; // killed meanwhile
        if (msg->hwnd && !s.Find(msg->hwnd))
            return 0;
        t->Running = true;
        struct TRunningScope {
            std::function<TWindowTimer*()> Find;
            ~TRunningScope() {
                if (TWindowTimer* t = Find())
                    t->Running = false;
            }
        } running{find};
        if (t->Handler) {
            auto handler = t->Handler;
            handler(msg->wParam);
            return 0;
        }
        if (t->Proc) {
            TDispatchScope scope(s);
            t->Proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
            return 0;
        }
        return SendMessage(msg->hwnd, WM_TIMER, msg->wParam, msg->lParam);
    }
    if (msg->message == WM_PAINT) {
        if (TWnd* w = s.Find(msg->hwnd))
            PaintWindowNow(w);
        return 0;
    }
    if (!msg->hwnd)
        return 0;
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void TranslateAndDispatch(const TMsg& msg) {
    auto& s = TWindowSystem::Get();
    if (!s.LoopExceptionHandler) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        return;
    }
    try {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    } catch (...) {
        auto handler = s.LoopExceptionHandler;
        handler(std::current_exception());
    }
}

void ProcessPendingMessages() {
    TMsg m;
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(int(m.wParam));
            break;
        }
        TranslateAndDispatch(m);
    }
}

// --- Timers --------------------------------------------------------------------------------

std::uintptr_t SetTimer(HWND wnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc) {
    auto& s = TWindowSystem::Get();
    if (wnd && !s.Find(wnd))
        return 0;
    if (!wnd)
        id = ++s.NextTimerId;
    UINT interval = std::max<UINT>(elapseMs, 1);
    for (TWindowTimer& t : s.Timers) {
        if (t.Wnd == wnd && t.Id == id) {
            t.Interval = interval;
            t.Due = s.Now() + interval;
            t.Proc = proc;
            t.Order = s.NextTimerOrder++;
            return id;
        }
    }
    TWindowTimer t;
    t.Wnd = wnd;
    t.Id = id;
    t.Interval = interval;
    t.Due = s.Now() + interval;
    t.Order = s.NextTimerOrder++;
    t.Proc = proc;
    s.Timers.push_back(std::move(t));
    return wnd ? (id ? id : 1) : id;
}

std::uintptr_t SetTimer(UINT elapseMs, std::function<void(std::uintptr_t id)> handler) {
    auto& s = TWindowSystem::Get();
    std::uintptr_t id = SetTimer(nullptr, 0, elapseMs, nullptr);
    for (TWindowTimer& t : s.Timers) {
        if (!t.Wnd && t.Id == id)
            t.Handler = std::move(handler);
    }
    return id;
}

bool KillTimer(HWND wnd, std::uintptr_t id) {
    auto& s = TWindowSystem::Get();
    auto n =
        std::erase_if(s.Timers, [&](const TWindowTimer& t) { return t.Wnd == wnd && t.Id == id; });
    return n > 0;
}

std::uint32_t GetTickCount() {
    return std::uint32_t(TWindowSystem::Get().Now());
}

// --- Modal loops ---------------------------------------------------------------------------

int RunModalLoop(HWND wnd) {
    auto& s = TWindowSystem::Get();
    if (!s.Find(wnd))
        return 0;
    TModalFrame frame;
    frame.Wnd = wnd;
    HWND prevFocus = s.Focus;
    HWND prevActive = s.Active;
    std::vector<HWND> disabled;
    for (TWnd* t : s.TopLevels) {
        if (t->Handle != wnd && t->Visible() && t->Enabled())
            disabled.push_back(t->Handle);
    }
    struct TRestore {
        TWindowSystem& S;
        TModalFrame& Frame;
        std::vector<HWND>& Disabled;
        HWND PrevActive, PrevFocus;
        ~TRestore() {
            std::erase(S.Modals, &Frame);
            for (HWND h : Disabled)
                EnableWindow(h, true);
            if (TWnd* w = S.Find(Frame.Wnd); w && w->Visible())
                ShowWindow(Frame.Wnd, SW_HIDE);
            if (S.Find(PrevActive))
                SetActiveWindow(PrevActive);
            if (S.Find(PrevFocus))
                SetFocus(PrevFocus);
        }
    } restore{s, frame, disabled, prevActive, prevFocus};
    // Whatever the pointer was doing ends: a window that holds the capture outside the windows
    // about to be disabled is told here, those inside are told as they are disabled.
    CancelTracking();
    if (HWND holder = s.Find(s.Capture) ? s.Capture : nullptr) {
        HWND top = GetAncestorRoot(holder);
        if (std::find(disabled.begin(), disabled.end(), top) == disabled.end())
            SendMessage(holder, WM_CANCELMODE, 0, 0);
    }
    for (HWND h : disabled)
        EnableWindow(h, false);
    s.Modals.push_back(&frame);
    ShowWindow(wnd, SW_SHOW);
    SetActiveWindow(wnd);
    TMsg m;
    auto running = [&]() {
        TWnd* w = s.Find(wnd);
        return !frame.Ended && w && w->Visible();
    };
    while (running()) {
        if (!PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
            // Something handled inside a nested loop may have ended this one meanwhile.
            if (running())
                WaitMessage(-1);
            continue;
        }
        if (m.message == WM_QUIT) {
            PostQuitMessage(int(m.wParam));
            break;
        }
        TranslateAndDispatch(m);
    }
    return frame.Code;
}

void EndModalLoop(HWND wnd, int code) {
    auto& s = TWindowSystem::Get();
    for (TModalFrame* f : s.Modals) {
        if (f->Wnd == wnd) {
            f->Ended = true;
            f->Code = code;
            PostMessage(nullptr, WM_NULL, 0, 0); // wakes the loop
        }
    }
}

bool IsInModalLoop(HWND wnd) {
    auto& s = TWindowSystem::Get();
    return std::any_of(s.Modals.begin(), s.Modals.end(),
                       [&](const TModalFrame* f) { return f->Wnd == wnd && !f->Ended; });
}

// --- Desktop services ----------------------------------------------------------------------

bool SystemParametersInfo(UINT action, UINT, void* out, UINT) {
    if (action != SPI_GETWORKAREA || !out)
        return false;
    *static_cast<TRect*>(out) = GetBackend().GetWorkArea();
    return true;
}

bool SetSysColors(int count, const int* indices, const TColor* values) {
    if (count < 0 || (count > 0 && (!indices || !values)))
        return false;
    for (int i = 0; i < count; ++i) {
        if (indices[i] < 0 || indices[i] >= COLOR_COUNT)
            return false;
    }
    for (int i = 0; i < count; ++i)
        TColorScheme::Current().Set(indices[i], values[i]);
    BroadcastToTopLevel(WM_SYSCOLORCHANGE, 0, 0);
    for (HWND h : GetTopLevelWindows())
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}

void BroadcastToTopLevel(UINT msg, WPARAM wParam, LPARAM lParam) {
    for (HWND h : GetTopLevelWindows())
        SendMessage(h, msg, wParam, lParam);
}

std::string GetClipboardTextGbk() {
    return Utf8ToGbk(GetBackend().GetClipboardText());
}

void SetClipboardTextGbk(std::string_view gbk) {
    GetBackend().SetClipboardText(GbkToUtf8(gbk));
}

bool OpenUrl(std::string_view gbkOrAscii) {
    return GetBackend().OpenUrl(GbkToUtf8(gbkOrAscii));
}

bool MessageBeep(UINT) {
    GetBackend().Beep();
    return true;
}
