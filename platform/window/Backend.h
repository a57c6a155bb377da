#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/PixelBuffer.h"
#include "platform/core/Region.h"
#include "platform/window/WinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the window layer needs from the desktop it runs on. The layer keeps every window, message
// and pixel itself; a backend only shows the composed pixels of each visible top-level window as
// a desktop surface, reports the user's input back through the functions of
// platform/window/Input.h, and offers the few desktop services (clock, clipboard, web addresses,
// the beep).
enum class TCursorShape {
    Arrow,
    IBeam,
    Hand,
    Wait,
    Cross,
    SizeWE,
    SizeNS,
    SizeNWSE,
    SizeNESW,
    SizeAll,
    No
};

// The colour of a window icon's transparent pixels (magenta).
inline constexpr TPixel kIconTransparent = 0xFF00FF;

enum class TSurfaceState { Hidden, Normal, Minimized, Maximized };

// Normal: a program window with a taskbar entry; Tool: no taskbar entry; Popup: never takes the
// keyboard focus and floats above the others (tooltips, drop-downs).
enum class TSurfaceKind { Normal, Tool, Popup };

class IBackend {
public:
    virtual ~IBackend() = default;

    // Surfaces: one per top-level window that has been shown at least once. Rectangles are in
    // screen coordinates; titles are UTF-8.
    virtual void CreateSurface(HWND wnd, const TRect& bounds, std::string_view titleUtf8,
                               TSurfaceKind kind) = 0;
    // Limits the surface to a region (window coordinates); nullptr: the whole rectangle.
    virtual void SetSurfaceShape(HWND wnd, const TRegion* shape) = 0;
    virtual void DestroySurface(HWND wnd) = 0;
    virtual void SetSurfaceState(HWND wnd, TSurfaceState state, bool activate) = 0;
    virtual void MoveSurface(HWND wnd, const TRect& bounds) = 0;
    virtual void SetSurfaceTitle(HWND wnd, std::string_view titleUtf8) = 0;
    // The picture the desktop shows for the surface in its task bar and window switcher. Pixels
    // of the key colour kIconTransparent are transparent; an empty picture: the desktop's own.
    virtual void SetSurfaceIcon(HWND wnd, const TPixelBuffer& icon) = 0;
    // Copies the given rectangles (buffer coordinates) of the window's pixels to the screen.
    virtual void Present(HWND wnd, const TPixelBuffer& pixels, const std::vector<TRect>& dirty) = 0;
    // Raises the surface and gives it the desktop's keyboard focus.
    virtual void FocusSurface(HWND wnd) = 0;

    virtual void SetCursorShape(TCursorShape shape) = 0;
    virtual TRect GetScreenRect() = 0;
    // The screen less the task bars.
    virtual TRect GetWorkArea() = 0;
    // Pointer position in screen coordinates as the desktop knows it.
    virtual TPoint GetPointerPos() = 0;

    // Milliseconds of a monotonic clock.
    virtual std::uint64_t Now() = 0;
    // Delivers pending desktop input to the layer; waits at most timeoutMs (negative: until
    // something arrives) when there is none. Must not use the processor while it waits.
    virtual void WaitForEvents(int timeoutMs) = 0;

    virtual void Beep() = 0;
    virtual std::string GetClipboardText() = 0; // UTF-8
    virtual void SetClipboardText(std::string_view utf8) = 0;
    virtual bool OpenUrl(std::string_view utf8) = 0;
};
