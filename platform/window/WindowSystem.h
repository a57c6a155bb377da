#pragma once

#include "platform/core/PixelBuffer.h"
#include "platform/core/Region.h"
#include "platform/window/Backend.h"
#include "platform/window/WinApi.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TDC;

// One window as the layer keeps it. Rect is in parent client coordinates (screen for a
// top-level window); Client is the client area in window coordinates.
struct TWnd {
    HWND Handle = nullptr;
    std::string ClassName;
    UINT ClassStyle = 0;
    HCURSOR ClassCursor = nullptr;
    std::uint32_t ClassBackground = clNoBackground;
    WNDPROC Proc = nullptr;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    LONG_PTR UserData = 0;
    LONG_PTR Id = 0;
    std::string Text;
    std::map<std::string, void*> Props;

    TWnd* Parent = nullptr;
    HWND Owner = nullptr;
    std::vector<TWnd*> Children; // bottom first, topmost last

    TRect Rect;
    TRect Client;
    std::optional<TRegion> Region; // window coordinates

    bool Destroying = false;
    bool Minimized = false;
    bool Maximized = false;
    TRect NormalRect; // before maximizing

    // Painting: the update region in window coordinates (frame included).
    TRegion Update;
    bool EraseNeeded = false;
    bool FrameNeeded = false;
    TDC* PaintDC = nullptr;
    TRect PaintRect;

    // Top-level only: the composed pixels, what is not on screen yet, and the desktop surface.
    TPixelBuffer Pixels;
    TRegion Dirty;
    bool HasSurface = false;
    bool Active = false; // caption drawn active

    bool IsTopLevel() const { return Parent == nullptr; }
    bool Visible() const { return (Style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (Style & WS_DISABLED) == 0; }
};

struct TWindowTimer {
    HWND Wnd = nullptr;
    std::uintptr_t Id = 0;
    UINT Interval = 0;
    std::uint64_t Due = 0;
    std::uint64_t Order = 0; // creation order, breaks ties in due time
    TIMERPROC Proc = nullptr;
    std::function<void(std::uintptr_t)> Handler;
    bool Running = false; // its tick is being handled
};

// A window move or resize that follows the pointer, or a pressed caption button.
struct TTracking {
    enum TKind { None, Move, Size, Button } Kind = None;
    HWND Wnd = nullptr;
    int Hit = 0;
    TPoint Start; // pointer at start
    TRect StartRect;
    bool Inside = true;
};

struct TModalFrame {
    HWND Wnd = nullptr;
    bool Ended = false;
    int Code = 0;
};

// The process-wide state of the window layer.
class TWindowSystem {
public:
    explicit TWindowSystem(std::unique_ptr<IBackend> backend);
    ~TWindowSystem();

    static TWindowSystem* Current();
    static TWindowSystem& Get();

    std::unique_ptr<IBackend> Backend;
    TPixelBuffer ApplicationIcon; // see SetApplicationIcon
    std::unordered_map<std::string, TWndClass> Classes;
    std::unordered_map<std::uintptr_t, std::unique_ptr<TWnd>> Windows;
    std::vector<std::unique_ptr<TWnd>> Graveyard; // freed when no dispatch runs
    std::vector<TWnd*> TopLevels;                 // bottom first, topmost last
    std::uintptr_t NextHandle = 0x10;

    // Queued messages and raw input; raw input turns into messages when it reaches the front,
    // so that it is routed with the capture, focus and window positions of that moment.
    struct TQueued {
        TMsg Msg;
        enum TRaw {
            rkNone,
            rkMouseMove,
            rkMouseButton,
            rkMouseWheel,
            rkMouseLeftDesktop,
            rkKey,
            rkText,
            rkSurfaceMinimized, // the desktop took a surface off the screen (Msg.hwnd)
            rkSurfaceMoved      // the desktop moved a surface (Msg.hwnd) to Msg.pt
        };
        TRaw Raw = rkNone;
        int Button = 0; // TMouseButton, or the virtual key
        bool Down = false;
        int Delta = 0;
        unsigned Mods = 0;
        std::string Text;
    };
    std::deque<TQueued> Queue;
    std::function<void(std::exception_ptr)> LoopExceptionHandler;
    bool QuitPosted = false;
    int QuitCode = 0;
    std::vector<std::pair<int, TMessageHook>> Hooks;
    int NextHookId = 1;
    int DispatchDepth = 0;
    HWND SurfaceMovedByDesktop = nullptr; // while its window follows a move the desktop made

    std::vector<TWindowTimer> Timers;
    std::uint64_t NextTimerOrder = 0;
    std::uintptr_t NextTimerId = 0x1000;

    HWND Focus = nullptr;
    HWND Active = nullptr;
    HWND Capture = nullptr;
    HWND Hover = nullptr;
    HCURSOR Cursor = nullptr;
    TPoint Pointer;
    unsigned char AsyncKeys[256] = {};
    unsigned char SyncKeys[256] = {};
    TTracking Tracking;
    std::vector<TModalFrame*> Modals;

    // Double clicks.
    HWND LastClickWnd = nullptr;
    UINT LastClickMsg = 0;
    std::uint64_t LastClickTime = 0;
    TPoint LastClickPos;

    TWnd* Find(HWND h) const;
    TWnd& Create(); // a new window record with a fresh handle
    void Bury(TWnd* w);
    void FreeGraveyard();

    std::uint64_t Now() const { return Backend->Now(); }
};

// Internal helpers shared by the layer's source files.
TWnd* WndOf(HWND h);
TWnd* TopLevelOf(TWnd* w);
// Window origin of w in its top-level window's coordinates.
TPoint OriginInTopLevel(const TWnd* w);
// Screen position of the window's top-left corner.
TPoint WindowOriginOnScreen(const TWnd* w);
bool IsReallyVisible(const TWnd* w);
bool IsReallyEnabled(const TWnd* w);
// The pixels of the top-level buffer w may paint (window coordinates of its top-level):
// clipped by its ancestors' client areas, window regions and siblings above it, without its
// visible children. clientOnly leaves out the frame.
TRegion VisibleRegion(const TWnd* w, bool clientOnly);
// Adds area (top-level coordinates) to the update region of every window of top that shows
// pixels there.
void InvalidateTopLevelArea(TWnd* top, const TRegion& area);
void RecalcClient(TWnd* w);
// Classic frame metrics and drawing.
TRect DefaultClientRect(const TWnd* w, const TRect& windowRect); // rect in window coordinates
int DefaultNcHitTest(const TWnd* w, TPoint screen);
void DrawClassicFrame(TWnd* w, TDC& dc);
void PaintWindowNow(TWnd* w);
void ClearPointerReferences(TWnd* w);
// The desktop has minimized the surface of a top-level window (asked for or on its own).
void SurfaceMinimized(HWND wnd);
// The desktop has moved the surface of a top-level window: the window follows, and the desktop
// is not asked to move the surface again.
void SurfaceMoved(HWND wnd, TPoint topLeft);
void StartTracking(TWnd* w, int hit);
// Ends a move, resize or caption-button press that follows the pointer, if one runs.
void CancelTracking();
// Sends WM_CANCELMODE to the window inside root (root included) that holds the capture, or
// else the focus, and ends a move or resize of root.
void CancelModeInside(HWND root);
bool TrackingMouse(TPoint screen, bool leftDown, bool release);
