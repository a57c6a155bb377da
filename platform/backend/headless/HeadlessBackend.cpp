#include "platform/backend/headless/HeadlessBackend.h"

#include "platform/draw/Png.h"

#include "platform/core/Exception.h"
#include "platform/window/WinApi.h"

THeadlessBackend::THeadlessBackend(TSize screen, int taskBarHeight)
    : Screen(screen), TaskBar(taskBarHeight) {}

void THeadlessBackend::CreateSurface(HWND wnd, const TRect& bounds, std::string_view titleUtf8,
                                     TSurfaceKind kind) {
    TSurface s;
    s.Kind = kind;
    s.Bounds = bounds;
    s.Title = std::string(titleUtf8);
    Surfaces[wnd] = s;
}

void THeadlessBackend::SetSurfaceShape(HWND wnd, const TRegion* shape) {
    auto it = Surfaces.find(wnd);
    if (it == Surfaces.end())
        return;
    if (shape)
        it->second.Shape = *shape;
    else
        it->second.Shape.reset();
}

void THeadlessBackend::DestroySurface(HWND wnd) {
    Surfaces.erase(wnd);
    if (DesktopFocus == wnd)
        DesktopFocus = nullptr;
}

void THeadlessBackend::SetSurfaceState(HWND wnd, TSurfaceState state, bool activate) {
    auto it = Surfaces.find(wnd);
    if (it == Surfaces.end())
        return;
    if (state == TSurfaceState::Minimized) {
        if (!HasWindowManager || it->second.State == TSurfaceState::Minimized)
            return;
        InputSurfaceMinimized(wnd, true);
    }
    it->second.State = state;
    if (activate && state != TSurfaceState::Hidden && state != TSurfaceState::Minimized &&
        it->second.Kind != TSurfaceKind::Popup)
        DesktopFocus = wnd;
    if ((state == TSurfaceState::Hidden || state == TSurfaceState::Minimized) &&
        DesktopFocus == wnd)
        DesktopFocus = nullptr;
}

void THeadlessBackend::MoveByDesktop(HWND wnd, TPoint topLeft) {
    auto it = Surfaces.find(wnd);
    if (it == Surfaces.end())
        return;
    it->second.Bounds = TRect(topLeft, it->second.Bounds.Size());
    InputSurfaceMoved(wnd, topLeft);
    Pump();
}

void THeadlessBackend::RestoreFromTaskBar(HWND wnd) {
    InputSurfaceMinimized(wnd, false);
    Pump();
}

void THeadlessBackend::MoveSurface(HWND wnd, const TRect& bounds) {
    auto it = Surfaces.find(wnd);
    if (it != Surfaces.end()) {
        it->second.Bounds = bounds;
        ++it->second.MoveRequests;
    }
}

void THeadlessBackend::SetSurfaceTitle(HWND wnd, std::string_view titleUtf8) {
    auto it = Surfaces.find(wnd);
    if (it != Surfaces.end())
        it->second.Title = std::string(titleUtf8);
}

void THeadlessBackend::SetSurfaceIcon(HWND wnd, const TPixelBuffer& icon) {
    auto it = Surfaces.find(wnd);
    if (it != Surfaces.end())
        it->second.Icon = icon;
}

void THeadlessBackend::Present(HWND wnd, const TPixelBuffer&, const std::vector<TRect>& dirty) {
    auto it = Surfaces.find(wnd);
    if (it == Surfaces.end())
        return;
    ++it->second.Presents;
    it->second.LastDirty = dirty;
}

void THeadlessBackend::FocusSurface(HWND wnd) {
    if (Surfaces.count(wnd))
        DesktopFocus = wnd;
}

void THeadlessBackend::SetCursorShape(TCursorShape shape) {
    CursorShape = shape;
}

TRect THeadlessBackend::GetScreenRect() {
    return TRect(0, 0, Screen.cx, Screen.cy);
}

TRect THeadlessBackend::GetWorkArea() {
    return TRect(0, 0, Screen.cx, Screen.cy - TaskBar);
}

TPoint THeadlessBackend::GetPointerPos() {
    return Pointer;
}

std::uint64_t THeadlessBackend::Now() {
    return Clock;
}

void THeadlessBackend::WaitForEvents(int timeoutMs) {
    if (timeoutMs == 0)
        return;
    ++Waits;
    if (IdleHandler && IdleHandler())
        return;
    if (timeoutMs > 0) {
        Clock += std::uint64_t(timeoutMs); // nothing else can happen meanwhile
        return;
    }
    throw EInvalidOperation("headless message loop waits with nothing to wait for");
}

void THeadlessBackend::Beep() {
    ++Beeps;
}

std::string THeadlessBackend::GetClipboardText() {
    return Clipboard;
}

void THeadlessBackend::SetClipboardText(std::string_view utf8) {
    Clipboard = std::string(utf8);
}

bool THeadlessBackend::OpenUrl(std::string_view utf8) {
    Urls.emplace_back(utf8);
    return true;
}

void THeadlessBackend::Pump() {
    ProcessPendingMessages();
}

void THeadlessBackend::MouseMove(TPoint screen, unsigned mods) {
    Pointer = screen;
    InputMouseMove(screen, mods);
    Pump();
}

void THeadlessBackend::MouseDown(TPoint screen, TMouseButton button, unsigned mods) {
    Pointer = screen;
    InputMouseButton(screen, button, true, mods);
    Pump();
}

void THeadlessBackend::MouseUp(TPoint screen, TMouseButton button, unsigned mods) {
    Pointer = screen;
    InputMouseButton(screen, button, false, mods);
    Pump();
}

void THeadlessBackend::Click(TPoint screen, TMouseButton button, unsigned mods) {
    MouseMove(screen, mods);
    MouseDown(screen, button, mods);
    MouseUp(screen, button, mods);
}

void THeadlessBackend::Drag(TPoint from, TPoint to, int steps, unsigned mods) {
    MouseMove(from, mods);
    MouseDown(from, TMouseButton::Left, mods);
    if (steps < 1)
        steps = 1;
    for (int i = 1; i <= steps; ++i) {
        TPoint p(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps);
        MouseMove(p, mods);
    }
    MouseUp(to, TMouseButton::Left, mods);
}

void THeadlessBackend::Wheel(TPoint screen, int delta, unsigned mods) {
    InputMouseWheel(screen, delta, mods);
    Pump();
}

void THeadlessBackend::KeyDown(int vk, unsigned mods) {
    InputKey(vk, true, mods);
    Pump();
}

void THeadlessBackend::KeyUp(int vk, unsigned mods) {
    InputKey(vk, false, mods);
    Pump();
}

void THeadlessBackend::PressKey(int vk, unsigned mods) {
    KeyDown(vk, mods);
    KeyUp(vk, mods);
}

void THeadlessBackend::Type(std::string_view utf8) {
    InputText(utf8);
    Pump();
}

void THeadlessBackend::AdvanceTime(std::uint64_t ms) {
    Clock += ms;
    Pump();
}

std::uint32_t THeadlessBackend::PixelAt(HWND wnd, TPoint screen) {
    HWND top = GetAncestorRoot(wnd);
    TRect r;
    if (!GetWindowRect(top, &r) || !r.Contains(screen))
        return 0xFFFFFFFFu;
    return WindowPixel(top, screen - r.TopLeft());
}

std::uint32_t THeadlessBackend::WindowPixel(HWND topLevel, TPoint p) {
    const TPixelBuffer* px = GetWindowPixels(topLevel);
    if (!px || !px->Valid(p.X, p.Y))
        return 0xFFFFFFFFu;
    return PixelToRGB(px->At(p.X, p.Y));
}

bool THeadlessBackend::SaveWindowPng(HWND wnd, const std::string& path) {
    const TPixelBuffer* px = GetWindowPixels(wnd);
    if (!px)
        return false;
    try {
        SavePng(*px, path);
    } catch (const Exception&) {
        return false;
    }
    return true;
}

const THeadlessBackend::TSurface* THeadlessBackend::Surface(HWND wnd) const {
    auto it = Surfaces.find(wnd);
    return it == Surfaces.end() ? nullptr : &it->second;
}

THeadlessBackend& StartHeadlessWindowSystem(TSize screen) {
    auto backend = std::make_unique<THeadlessBackend>(screen);
    THeadlessBackend& ref = *backend;
    StartWindowSystem(std::move(backend));
    return ref;
}
