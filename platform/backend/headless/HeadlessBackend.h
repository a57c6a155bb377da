#pragma once

#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/WinConst.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A backend without a display, for tests and benchmarks. Its clock only moves when told to;
// input is injected at screen points; the composed pixels of every window can be read back; beeps,
// opened web addresses and the clipboard stay inside it.
class THeadlessBackend : public IBackend {
public:
    struct TSurface {
        TRect Bounds;
        std::string Title; // UTF-8
        TSurfaceState State = TSurfaceState::Hidden;
        int Presents = 0;
        std::vector<TRect> LastDirty;
        TSurfaceKind Kind = TSurfaceKind::Normal;
        std::optional<TRegion> Shape;
        TPixelBuffer Icon;    // as the window layer last gave it
        int MoveRequests = 0; // MoveSurface calls
    };

    explicit THeadlessBackend(TSize screen = {1024, 768}, int taskBarHeight = 30);

    // IBackend
    void CreateSurface(HWND wnd, const TRect& bounds, std::string_view titleUtf8,
                       TSurfaceKind kind) override;
    void SetSurfaceShape(HWND wnd, const TRegion* shape) override;
    void DestroySurface(HWND wnd) override;
    void SetSurfaceState(HWND wnd, TSurfaceState state, bool activate) override;
    void MoveSurface(HWND wnd, const TRect& bounds) override;
    void SetSurfaceTitle(HWND wnd, std::string_view titleUtf8) override;
    void SetSurfaceIcon(HWND wnd, const TPixelBuffer& icon) override;
    void Present(HWND wnd, const TPixelBuffer& pixels, const std::vector<TRect>& dirty) override;
    void FocusSurface(HWND wnd) override;
    void SetCursorShape(TCursorShape shape) override;
    TRect GetScreenRect() override;
    TRect GetWorkArea() override;
    TPoint GetPointerPos() override;
    std::uint64_t Now() override;
    void WaitForEvents(int timeoutMs) override;
    void Beep() override;
    std::string GetClipboardText() override;
    void SetClipboardText(std::string_view utf8) override;
    bool OpenUrl(std::string_view utf8) override;

    // --- Driving it from a test ----------------------------------------------------------
    // Each call queues the input and then processes every pending message.
    void MouseMove(TPoint screen, unsigned mods = 0);
    void MouseDown(TPoint screen, TMouseButton button = TMouseButton::Left, unsigned mods = 0);
    void MouseUp(TPoint screen, TMouseButton button = TMouseButton::Left, unsigned mods = 0);
    void Click(TPoint screen, TMouseButton button = TMouseButton::Left, unsigned mods = 0);
    // Press at from, move in steps to to, release there.
    void Drag(TPoint from, TPoint to, int steps = 4, unsigned mods = 0);
    void Wheel(TPoint screen, int delta, unsigned mods = 0);
    void KeyDown(int vk, unsigned mods = 0);
    void KeyUp(int vk, unsigned mods = 0);
    void PressKey(int vk, unsigned mods = 0);
    void Type(std::string_view utf8);
    // Moves the clock forward, then processes what became due.
    void AdvanceTime(std::uint64_t ms);
    void Pump();

    // With a window manager (the default) a minimize request is carried out and reported back;
    // without one, as on a bare X server, it is ignored and nothing is reported.
    void SetWindowManager(bool present) { HasWindowManager = present; }
    // The user restores a minimized window from the task bar.
    void RestoreFromTaskBar(HWND wnd);
    // The desktop moves a surface by itself (a window manager would), and says so.
    void MoveByDesktop(HWND wnd, TPoint topLeft);

    // Called when a message loop would wait: it may inject input or close windows. Returns
    // false when it has nothing more to do.
    void SetIdleHandler(std::function<bool()> handler) { IdleHandler = std::move(handler); }

    // The pixel shown at a screen point by the top-level window holding wnd (0xFFFFFFFF
    // outside it), as 0x00BBGGRR.
    std::uint32_t PixelAt(HWND wnd, TPoint screen);
    // Whole-buffer access in window coordinates of the top-level window.
    std::uint32_t WindowPixel(HWND topLevel, TPoint windowPoint);
    // Writes the composed image of the top-level window holding wnd to a PNG file; false when
    // there is no such window or the file cannot be written.
    bool SaveWindowPng(HWND wnd, const std::string& path);

    const TSurface* Surface(HWND wnd) const;
    HWND FocusedSurface() const { return DesktopFocus; }
    int BeepCount() const { return Beeps; }
    const std::vector<std::string>& OpenedUrls() const { return Urls; }
    TCursorShape Cursor() const { return CursorShape; }
    int WaitCount() const { return Waits; }

private:
    TSize Screen;
    int TaskBar;
    std::uint64_t Clock = 1000;
    std::map<HWND, TSurface> Surfaces;
    HWND DesktopFocus = nullptr;
    TCursorShape CursorShape = TCursorShape::Arrow;
    int Beeps = 0;
    int Waits = 0;
    std::vector<std::string> Urls;
    std::string Clipboard;
    TPoint Pointer;
    std::function<bool()> IdleHandler;
    bool HasWindowManager = true;
};

// Starts the window layer on a new headless backend and returns it (owned by the layer).
THeadlessBackend& StartHeadlessWindowSystem(TSize screen = {1024, 768});
