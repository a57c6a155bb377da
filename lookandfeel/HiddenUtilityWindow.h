#pragma once

#include "platform/window/WinTypes.h"

#include <functional>
#include <string>

// A hidden top-level window with its own window procedure, for process-wide services that hear
// broadcasts to top-level windows (system colour and theme changes). The window is made when a
// window system runs and Ensure is called; it is made again in a window system started later.
// Messages the handler leaves go to the default window procedure.
class THiddenUtilityWindow {
public:
    // The handler answers true when it handled the message, with result set.
    using THandler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    THiddenUtilityWindow(std::string className, THandler handler);
    ~THiddenUtilityWindow();
    THiddenUtilityWindow(const THiddenUtilityWindow&) = delete;
    THiddenUtilityWindow& operator=(const THiddenUtilityWindow&) = delete;

    // Makes the window when a window system runs and this object has none in it.
    void Ensure();
    // The window in the running window system, nullptr when there is none.
    HWND Handle() const;

private:
    static LRESULT WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::string FClassName;
    THandler FHandler;
    HWND FHandle = nullptr;
};
