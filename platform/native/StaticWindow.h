#pragma once

#include "platform/native/NativeWindow.h"

// The STATIC window class: a text label drawn with its font on its background (clBtnFace unless
// STM_SETCOLORS gives another colour, or clNoBackground to leave the parent showing), aligned by
// SS_LEFT, SS_CENTER or SS_RIGHT, wrapped at words unless SS_ENDELLIPSIS shortens a single line;
// "&" underlines the next letter unless SS_NOPREFIX. With SS_NOTIFY a click sends STN_CLICKED to
// the parent. Mouse hits fall through to the parent otherwise.
constexpr UINT STM_SETCOLORS = WM_USER + 0x76; // wParam background TColor (or clNoBackground)
                                               // lParam text TColor
constexpr UINT STN_CLICKED = 0;

class TStaticWindow : public TNativeWindow {
public:
    explicit TStaticWindow(HWND wnd) : TNativeWindow(wnd) {}
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Repaint();

    std::uint32_t FBackColor = clBtnFace;
    TColor FTextColor = clBtnText;
};

LRESULT StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
