#pragma once

#include "platform/draw/DC.h"
#include "platform/draw/DrawTypes.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

#include <memory>
#include <string_view>

// The object behind a native control's window. Each native window class creates its object on
// WM_NCCREATE and deletes it after WM_NCDESTROY; the object's WndProc answers the messages.
//
// Fonts: there are no font handles in this layer. WM_SETFONT takes a const TLogFont* in wParam
// (nullptr: the control's default font, the desktop's 宋体 9 pt) and a redraw flag in lParam;
// WM_GETFONT answers a const TLogFont* to the font in use, valid until the next WM_SETFONT.
class TNativeWindow {
public:
    explicit TNativeWindow(HWND wnd);
    virtual ~TNativeWindow() = default;
    TNativeWindow(const TNativeWindow&) = delete;
    TNativeWindow& operator=(const TNativeWindow&) = delete;

    HWND Handle() const { return FHandle; }
    const TLogFont& Font() const { return FFont; }
    std::uint32_t Style() const { return std::uint32_t(GetWindowLongPtr(FHandle, GWL_STYLE)); }
    int Id() const { return int(GetWindowLongPtr(FHandle, GWL_ID)); }
    TRect ClientRect() const;
    // Tracked from WM_SETFOCUS and WM_KILLFOCUS (during WM_KILLFOCUS the window no longer counts
    // as focused).
    bool Focused() const { return FFocused; }

    // The object of a native window (nullptr for other windows).
    static TNativeWindow* From(HWND wnd);

    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    // Sends WM_COMMAND (id, code) to the parent.
    void Notify(UINT code);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) {
        return DefWindowProc(FHandle, msg, wParam, lParam);
    }
    virtual void FontChanged() {}

    HWND FHandle;
    TLogFont FFont;
    bool FFocused = false;

    template <class T> friend LRESULT NativeWndProc(HWND, UINT, WPARAM, LPARAM);
};

// The window procedure of a native class whose object is T.
template <class T> LRESULT NativeWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto object = std::make_unique<T>(wnd);
        SetProp(wnd, "TNativeWindow", static_cast<TNativeWindow*>(object.release()));
    }
    TNativeWindow* self = TNativeWindow::From(wnd);
    if (!self)
        return DefWindowProc(wnd, msg, wParam, lParam);
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
        self->FFocused = msg == WM_SETFOCUS;
    if (msg == WM_NCDESTROY) {
        RemoveProp(wnd, "TNativeWindow");
        LRESULT r = self->WndProc(msg, wParam, lParam);
        delete self;
        return r;
    }
    return self->WndProc(msg, wParam, lParam);
}

// A drawing context over a one-pixel buffer, to measure text outside painting with the same
// code the painting uses.
class TMeasureDC {
public:
    explicit TMeasureDC(const TLogFont& font);
    TDC& DC() { return FDC; }
    int TextWidth(std::string_view gbk) { return FDC.GetTextExtentPoint32(gbk).cx; }
    int LineHeight() { return FDC.GetTextMetrics().Height; }

private:
    TPixelBuffer FBuffer{1, 1};
    TDC FDC{FBuffer};
};

// Draws the parent's picture under a child window into the child's context (the parent erases
// and paints into it, shifted to the child's place), for windows without a background of their
// own.
void DrawParentBackground(HWND child, TDC& dc);

// Registers the native window classes (EDIT, BUTTON, STATIC) with the running window layer;
// does nothing when they are there already. Creating a native control calls it.
void RegisterNativeClasses();
