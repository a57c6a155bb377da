#pragma once

#include "platform/window/WinApi.h"

// A drawing context over a window's visible client area outside painting (GetDC), released when
// the scope ends. Check it before use: a window that is gone gives none.
class TWindowDC {
public:
    explicit TWindowDC(HWND wnd) : FWnd(wnd), FDC(GetDC(wnd)) {}
    ~TWindowDC() {
        if (FDC)
            ReleaseDC(FWnd, FDC);
    }

    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    explicit operator bool() const { return FDC != nullptr; }
    TDC& operator*() const { return *FDC; }
    TDC* operator->() const { return FDC; }
    HDC Get() const { return FDC; }

private:
    HWND FWnd;
    HDC FDC;
};
