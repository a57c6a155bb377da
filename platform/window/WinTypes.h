#pragma once

#include "platform/core/Geometry.h"

#include <cstdint>

// The handle and value types of the window layer. A window handle is an opaque number that is
// looked up in the window table on every use: a handle whose window is gone finds nothing, so a
// message to a destroyed window is simply ignored. Handles are never reused.

struct HWND__;
using HWND = HWND__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

class TDC;
using HDC = TDC*;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using BOOL = int;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, std::uintptr_t, std::uint32_t);

constexpr std::uint16_t LOWORD(std::uintptr_t v) {
    return std::uint16_t(v & 0xFFFF);
}
constexpr std::uint16_t HIWORD(std::uintptr_t v) {
    return std::uint16_t((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return LPARAM(std::uint32_t(std::uint16_t(lo)) | (std::uint32_t(std::uint16_t(hi)) << 16));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return WPARAM(MAKELPARAM(lo, hi));
}
// Signed coordinates packed into a message parameter.
constexpr int GET_X_LPARAM(LPARAM l) {
    return std::int16_t(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return std::int16_t((l >> 16) & 0xFFFF);
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return std::int16_t((w >> 16) & 0xFFFF);
}
inline TPoint PointFromLParam(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}
inline LPARAM PointToLParam(TPoint p) {
    return MAKELPARAM(p.X, p.Y);
}

// One queued message.
struct TMsg {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::uint32_t time = 0; // clock in milliseconds when it was queued
    TPoint pt;              // pointer position (screen) when it was queued
};
using MSG = TMsg;

// A window class. Background: the colour the default erase fills with (a system colour is
// resolved at erase time); clNoBackground leaves the background alone.
constexpr std::uint32_t clNoBackground = 0x1FFFFFFFu;

struct TWndClass {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    HCURSOR hCursor = nullptr;
    std::uint32_t hbrBackground = clNoBackground; // TColor or clNoBackground
    const char* lpszClassName = nullptr;
};
using WNDCLASS = TWndClass;

// Handed with WM_CREATE / WM_NCCREATE in lParam.
struct TCreateStruct {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t style = 0;
    std::uint32_t dwExStyle = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
};
using CREATESTRUCT = TCreateStruct;

// Handed with WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED in lParam; the receiver of
// WM_WINDOWPOSCHANGING may change it.
struct TWindowPos {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT flags = 0;
};
using WINDOWPOS = TWindowPos;

// Handed with WM_GETMINMAXINFO: the receiver sets the limits of the window's size.
struct TMinMaxInfo {
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};
using MINMAXINFO = TMinMaxInfo;

// Handed with WM_NCCALCSIZE in lParam: on entry the window rectangle in parent coordinates, on
// return the client rectangle in the same coordinates.
struct TNcCalcSizeParams {
    TRect rgrc[3];
};

// Handed with WM_PAINT through BeginPaint.
struct TPaintStruct {
    HDC hdc = nullptr;
    BOOL fErase = 0;
    TRect rcPaint;
};
using PAINTSTRUCT = TPaintStruct;

// Handed with WM_NOTIFY in lParam.
struct TNmHdr {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    UINT code = 0;
};
using NMHDR = TNmHdr;

// Handed with WM_DRAWITEM in lParam.
struct TDrawItemStruct {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    std::uintptr_t itemData = 0;
};
using DRAWITEMSTRUCT = TDrawItemStruct;

// TrackMouseEvent: asks for WM_MOUSELEAVE when the pointer leaves the window. The layer sends
// enter and leave notifications to every window anyway; this only exists for callers that ask.
struct TTrackMouseEvent {
    std::uint32_t dwFlags = 0;
    HWND hwndTrack = nullptr;
};
