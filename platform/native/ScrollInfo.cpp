#include "platform/native/ScrollInfo.h"

#include "platform/core/PixelBuffer.h" // WinApi.h uses it without including it
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

bool GetScrollInfo(HWND wnd, int bar, TScrollInfo* info) {
    return info && SendMessage(wnd, WM_GETSCROLLINFO, WPARAM(bar), LPARAM(info)) != 0;
}

bool GetScrollBarInfo(HWND wnd, long idObject, TScrollBarInfo* info) {
    if (!info)
        return false;
    int bar = idObject == OBJID_VSCROLL ? SB_VERT : idObject == OBJID_HSCROLL ? SB_HORZ : -1;
    if (bar < 0)
        return false;
    return SendMessage(wnd, WM_GETSCROLLBARINFO, WPARAM(bar), LPARAM(info)) != 0;
}
