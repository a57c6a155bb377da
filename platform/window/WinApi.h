#pragma once

#include "platform/core/Color.h"
#include "platform/core/PixelBuffer.h"
#include "platform/core/Region.h"
#include "platform/window/WinConst.h"
#include "platform/window/WinTypes.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class IBackend;

// The window layer's services under their classic names. Everything runs on the thread of the
// message loop. Coordinates of a child window are relative to its parent's client area; those of
// a top-level window are screen coordinates. Texts are GBK.
//
// Message parameters that differ from what one might guess:
//   WM_PAINT, WM_ERASEBKGND: wParam is the HDC (TDC*) to draw with: origin at the client area's
//     top-left corner, clipped to the update region and the window's visible part (parent,
//     siblings above, children, window regions). BeginPaint returns the same context. Anyone
//     may send them with a context of their own (a bitmap, the origin moved): the window paints
//     into it, also while it is painting itself, and BeginPaint returns that context then.
//   WM_NCPAINT: wParam is an HDC with its origin at the window's top-left corner, clipped to the
//     visible frame.
//   WM_NCCALCSIZE: lParam is a TNcCalcSizeParams*; rgrc[0] holds the window rectangle (parent
//     coordinates) on entry and must hold the client rectangle on return.
//   WM_MOUSEENTER (ours) and WM_MOUSELEAVE are sent to every window the pointer comes over or
//     leaves, in pairs, without asking; WM_SETCURSOR comes before every WM_MOUSEMOVE that is not
//     captured.
//   WM_TIMER of a SetTimer(ms, handler) timer has no window; DispatchMessage calls the handler.

// --- Start and end -------------------------------------------------------------------------
// Starts the window layer on a backend (it owns it until ShutdownWindowSystem). Starting again
// first shuts the previous one down.
void StartWindowSystem(std::unique_ptr<IBackend> backend);
// Destroys every window, timer and hook and drops the backend.
void ShutdownWindowSystem();
bool WindowSystemStarted();
IBackend& GetBackend();

// --- Classes and windows -------------------------------------------------------------------
bool RegisterClass(const TWndClass& wc);
bool UnregisterClass(const char* className);
bool GetClassInfo(const char* className, TWndClass* out);
HWND CreateWindowEx(std::uint32_t exStyle, const char* className, const char* windowName,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent,
                    std::uintptr_t menuOrId, void* param);
bool DestroyWindow(HWND wnd);
bool IsWindow(HWND wnd);
bool IsChild(HWND parent, HWND wnd);
HWND GetParent(HWND wnd);
HWND SetParent(HWND wnd, HWND newParent);
HWND GetOwner(HWND wnd);
HWND GetAncestorRoot(HWND wnd); // the top-level window holding wnd
enum {
    GW_HWNDFIRST = 0,
    GW_HWNDLAST = 1,
    GW_HWNDNEXT = 2,
    GW_HWNDPREV = 3,
    GW_OWNER = 4,
    GW_CHILD = 5
};
// Z-order walk: GW_CHILD is the topmost child, GW_HWNDNEXT the next one below.
HWND GetWindow(HWND wnd, UINT cmd);
std::vector<HWND> GetChildWindows(HWND wnd); // topmost first
std::vector<HWND> GetTopLevelWindows();      // topmost first
std::string GetClassName(HWND wnd);

LONG_PTR GetWindowLongPtr(HWND wnd, int index);
LONG_PTR SetWindowLongPtr(HWND wnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLong(HWND wnd, int index) {
    return GetWindowLongPtr(wnd, index);
}
inline LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value) {
    return SetWindowLongPtr(wnd, index, value);
}
// Named values kept with a window (e.g. the object behind it).
bool SetProp(HWND wnd, const char* name, void* value);
void* GetProp(HWND wnd, const char* name);
void* RemoveProp(HWND wnd, const char* name);

bool SetWindowText(HWND wnd, std::string_view text);
std::string GetWindowText(HWND wnd);
int GetWindowTextLength(HWND wnd);

// --- Messages ------------------------------------------------------------------------------
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostThreadMessage(UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// False on WM_QUIT. Waits (without using the processor) until a message is there.
bool GetMessage(TMsg* msg, HWND filter, UINT minMsg, UINT maxMsg);
bool PeekMessage(TMsg* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlag);
// Waits until a message is there or timeoutMs passed (negative: no limit).
void WaitMessage(int timeoutMs = -1);
// Queues the character a key-down makes, right after it: WM_CHAR for Return, Backspace, Tab,
// Escape and Ctrl+letter (printable text arrives from the desktop as typed), WM_SYSCHAR for
// Alt+letter, digit or space (the desktop's text for such a chord is not typed).
bool TranslateMessage(const TMsg* msg);
LRESULT DispatchMessage(const TMsg* msg);
LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Processes every message that is there now (painting included) and returns.
void ProcessPendingMessages();
// Depth of SendMessage/DispatchMessage calls now running into window procedures.
int GetDispatchDepth();

// Called with an exception that escaped a window procedure inside the layer's own loops (modal
// loops, ProcessPendingMessages); without a handler the exception propagates.
void SetLoopExceptionHandler(std::function<void(std::exception_ptr)> handler);
// Runs one message through TranslateMessage and DispatchMessage, handing an escaping exception
// to the loop exception handler when there is one.
void TranslateAndDispatch(const TMsg& msg);

// The application-wide hook: sees every message taken from the queue by GetMessage or
// PeekMessage(PM_REMOVE) before it is returned; setting handled drops the message.
using TMessageHook = std::function<void(TMsg& msg, bool& handled)>;
int AddMessageHook(TMessageHook hook);
void RemoveMessageHook(int id);

// --- Geometry ------------------------------------------------------------------------------
bool GetWindowRect(HWND wnd, TRect* rect); // screen coordinates
bool GetClientRect(HWND wnd, TRect* rect); // (0,0,width,height)
// The window's rectangle in its parent's client coordinates (screen for a top-level window).
TRect GetWindowBounds(HWND wnd);
bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint);
bool BringWindowToTop(HWND wnd);
bool ClientToScreen(HWND wnd, TPoint* p);
bool ScreenToClient(HWND wnd, TPoint* p);
// Maps points from one window's client coordinates to another's (nullptr: the screen).
int MapWindowPoints(HWND from, HWND to, TPoint* points, int count);
// The deepest visible, enabled window under a screen point (regions respected); a disabled
// child gives its nearest enabled ancestor.
HWND WindowFromPoint(TPoint screen);
// The child under a point in the parent's client coordinates, the parent itself when no child
// is there, nullptr outside the parent. Hidden and disabled children count.
HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint);

bool ShowWindow(HWND wnd, int cmd);
bool IsWindowVisible(HWND wnd); // the window and all its ancestors are visible
bool IsIconic(HWND wnd);
bool IsZoomed(HWND wnd);
// Returns whether it was disabled before. Disabling sends WM_CANCELMODE to the window inside
// that holds the capture (or else the focus), so that what it was tracking ends, and takes the
// capture and the focus away.
bool EnableWindow(HWND wnd, bool enable);
bool IsWindowEnabled(HWND wnd);
// Centres a top-level window on the work area, or over another window, inside the work area.
void CenterWindow(HWND wnd, HWND over);

// The icon of the program's windows: every top-level window but tooltips and drop-downs shows it
// on the desktop (task bar, window switcher), those already on screen at once. Pixels of the
// colour kIconTransparent are transparent; an empty picture gives the desktop's default icon.
void SetApplicationIcon(const TPixelBuffer& icon);
const TPixelBuffer& GetApplicationIcon();

// Window regions (window coordinates); nullptr removes the region.
int SetWindowRgn(HWND wnd, const TRegion* region, bool redraw);
// Copies the region into out; false when the window has none.
bool GetWindowRgn(HWND wnd, TRegion* out);

// --- Painting ------------------------------------------------------------------------------
bool InvalidateRect(HWND wnd, const TRect* rect, bool erase); // client coordinates; nullptr: all
bool InvalidateRgn(HWND wnd, const TRegion* region, bool erase);
bool ValidateRect(HWND wnd, const TRect* rect);
bool RedrawWindow(HWND wnd, const TRect* rect, const TRegion* region, UINT flags);
bool UpdateWindow(HWND wnd); // paints the window and its children now if they need it
bool GetUpdateRect(HWND wnd, TRect* rect, bool erase);
bool GetUpdateRgn(HWND wnd, TRegion* out); // client coordinates
// Inside WM_PAINT: the context the layer prepared (also handed as wParam) and the paint rectangle.
HDC BeginPaint(HWND wnd, TPaintStruct* ps);
bool EndPaint(HWND wnd, const TPaintStruct* ps);
// A context over the window's visible client area outside painting; ReleaseDC frees it and
// shows what was drawn.
HDC GetDC(HWND wnd);
HDC GetWindowDC(HWND wnd);
int ReleaseDC(HWND wnd, HDC dc);
// Shows every painted change of every top-level window through the backend.
void FlushWindows();
// The composed pixels of the top-level window holding wnd (nullptr when there is none).
const TPixelBuffer* GetWindowPixels(HWND wnd);

// --- Input state ---------------------------------------------------------------------------
HWND SetCapture(HWND wnd);
bool ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND wnd);
HWND GetFocus();
HWND SetActiveWindow(HWND wnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND wnd);
HWND GetForegroundWindow();
// The window the pointer is over now (the one that got the last enter notification).
HWND GetHoverWindow();
bool TrackMouseEvent(TTrackMouseEvent* tme);
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);
bool GetCursorPos(TPoint* p);
HCURSOR LoadCursor(void* instance, int id);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
UINT GetDoubleClickTime();
bool MessageBeep(UINT type);

// --- Timers --------------------------------------------------------------------------------
// WM_TIMER with wParam = id goes to wnd (or the callback is called) each time the interval has
// passed, only from the message loop. A window timer with an existing id is replaced.
std::uintptr_t SetTimer(HWND wnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc);
// A timer with a handler; returns its id (owned by no window).
std::uintptr_t SetTimer(UINT elapseMs, std::function<void(std::uintptr_t id)> handler);
bool KillTimer(HWND wnd, std::uintptr_t id);
std::uint32_t GetTickCount();

// --- Top-level windows ---------------------------------------------------------------------
// Shows a top-level window modally: the program's other enabled top-level windows are disabled,
// a nested message loop runs until the window is hidden, destroyed or EndModalLoop is called;
// then they are enabled again and the focus goes back where it was. Returns the code given to
// EndModalLoop (0 when the window was closed another way).
// As it starts, a move or resize in progress ends and the window holding the capture gets
// WM_CANCELMODE.
int RunModalLoop(HWND wnd);
void EndModalLoop(HWND wnd, int code);
bool IsInModalLoop(HWND wnd);
bool SystemParametersInfo(UINT action, UINT param, void* out, UINT winIni);
int GetSystemMetrics(int index);

// --- Desktop services ----------------------------------------------------------------------
// Changes system colours and tells every top-level window (hidden utility windows included)
// with WM_SYSCOLORCHANGE, then repaints all windows.
bool SetSysColors(int count, const int* indices, const TColor* values);
// Sends a message to every top-level window, hidden ones included.
void BroadcastToTopLevel(UINT msg, WPARAM wParam, LPARAM lParam);
std::string GetClipboardTextGbk();
void SetClipboardTextGbk(std::string_view gbk);
bool OpenUrl(std::string_view gbkOrAscii);
