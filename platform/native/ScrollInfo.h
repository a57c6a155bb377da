#pragma once

#include "platform/core/Geometry.h"
#include "platform/window/WinTypes.h"

#include <cstdint>

// What an owner reads of a window's own scroll bars (the multi-line edit answers these): the
// scroll information (range, page, position) and the bar's geometry and state.

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct TScrollInfo {
    UINT cbSize = sizeof(TScrollInfo);
    UINT fMask = SIF_ALL;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};
using SCROLLINFO = TScrollInfo;

// Object ids of GetScrollBarInfo.
constexpr long OBJID_HSCROLL = -6;
constexpr long OBJID_VSCROLL = -5;

// State bits of GetScrollBarInfo.
constexpr std::uint32_t STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr std::uint32_t STATE_SYSTEM_PRESSED = 0x00000008;
constexpr std::uint32_t STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr std::uint32_t STATE_SYSTEM_OFFSCREEN = 0x00010000;

// rcScrollBar is in screen coordinates; the thumb is given from the bar's top (left) edge;
// rgstate[0] is the state of the whole bar, [1] the first arrow, [2] the upper page area, [3]
// the thumb, [4] the lower page area, [5] the second arrow.
struct TScrollBarInfo {
    std::uint32_t cbSize = sizeof(TScrollBarInfo);
    TRect rcScrollBar;
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    std::uint32_t rgstate[6] = {};
};
using SCROLLBARINFO = TScrollBarInfo;

// Both ask the window (WM_GETSCROLLINFO, WM_GETSCROLLBARINFO); False when it keeps no such bar.
bool GetScrollInfo(HWND wnd, int bar, TScrollInfo* info);
bool GetScrollBarInfo(HWND wnd, long idObject, TScrollBarInfo* info);
