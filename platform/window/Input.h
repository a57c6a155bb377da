#pragma once

#include "platform/core/Geometry.h"
#include "platform/window/WinTypes.h"

#include <string_view>

// The user's input as the backends (and tests, through the headless backend) hand it to the
// window layer. Points are screen coordinates; mods is a set of ssShift, ssCtrl and ssAlt.
// Each call queues the resulting messages in order; the message loop delivers them.

enum class TMouseButton { Left, Right, Middle };

void InputMouseMove(TPoint screen, unsigned mods);
void InputMouseButton(TPoint screen, TMouseButton button, bool down, unsigned mods);
void InputMouseWheel(TPoint screen, int delta, unsigned mods);
// The pointer left every window of the program.
void InputMouseLeftDesktop();
void InputKey(int vk, bool down, unsigned mods);
// Typed text (UTF-8) becomes WM_CHAR messages, one per GBK byte, to the focused window.
void InputText(std::string_view utf8);
// The desktop activated one of our surfaces by itself.
void InputSurfaceActivated(HWND wnd, bool active);
// The desktop moved one of our surfaces by itself (its window manager, a tool of the user's):
// topLeft is the surface's new screen position.
void InputSurfaceMoved(HWND wnd, TPoint topLeft);
void InputSurfaceCloseRequest(HWND wnd);
// The desktop minimized or restored a surface (e.g. from its task bar).
void InputSurfaceMinimized(HWND wnd, bool minimized);
