#include "platform/native/NativeWindow.h"

#include "platform/draw/DCStateSaver.h"
#include "platform/draw/SystemFonts.h"

TNativeWindow::TNativeWindow(HWND wnd) : FHandle(wnd), FFont(GetMessageLogFont()) {}

TNativeWindow* TNativeWindow::From(HWND wnd) {
    return static_cast<TNativeWindow*>(GetProp(wnd, "TNativeWindow"));
}

TRect TNativeWindow::ClientRect() const {
    TRect r;
    GetClientRect(FHandle, &r);
    return r;
}

void TNativeWindow::Notify(UINT code) {
    HWND self = FHandle;
    HWND parent = GetParent(self);
    WPARAM w = MAKEWPARAM(Id(), int(code));
    SendMessage(self, CN_COMMAND, w, LPARAM(self));
    if (parent && IsWindow(self))
        SendMessage(parent, WM_COMMAND, w, LPARAM(self));
}

LRESULT TNativeWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFONT: {
        auto* font = reinterpret_cast<const TLogFont*>(wParam);
        FFont = font ? *font : GetMessageLogFont();
        FontChanged();
        if (lParam)
            InvalidateRect(FHandle, nullptr, true);
        return 0;
    }
    case WM_GETFONT:
        return LRESULT(&FFont);
    default:
        return Default(msg, wParam, lParam);
    }
}

TMeasureDC::TMeasureDC(const TLogFont& font) {
    FDC.SelectFont(font);
}

void DrawParentBackground(HWND child, TDC& dc) {
    HWND parent = GetParent(child);
    if (!parent)
        return;
    TPoint client{0, 0};
    ClientToScreen(child, &client);
    TPoint origin{0, 0};
    ClientToScreen(parent, &origin);
    TPoint shift = client - origin; // the child's client area in the parent's client area
    TDCStateSaver saver(dc);
    dc.OffsetViewportOrg(-shift.X, -shift.Y);
    SendMessage(parent, WM_ERASEBKGND, WPARAM(&dc), 0);
    SendMessage(parent, WM_PAINT, WPARAM(&dc), 0);
}
