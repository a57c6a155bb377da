#pragma once

#include "platform/native/NativeWindow.h"

// The BUTTON window class: push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON), radio buttons
// (BS_RADIOBUTTON, BS_AUTORADIOBUTTON) and owner-drawn buttons (BS_OWNERDRAW).
//
// A button is pressed by the left mouse button (released over it) or by Space (pressed and
// released); a push button also by Enter. Each press sends BN_CLICKED to the parent; a double
// click on a radio or owner-drawn button sends BN_DOUBLECLICKED. An automatic radio button
// checks itself when clicked and unchecks the automatic radio buttons beside it (same parent);
// the checked one of a group is its tab stop. The arrow keys move the focus (and the check of
// automatic radio buttons) to the previous or next radio button under the same parent.
//
// An owner-drawn button asks its parent to draw it with WM_DRAWITEM: ODA_DRAWENTIRE when
// painted, ODA_SELECT when its pressed look changes and ODA_FOCUS (focus only) when it gains or
// loses the focus; the item state carries ODS_SELECTED, ODS_FOCUS, ODS_CHECKED and ODS_DISABLED.
class TButtonWindow : public TNativeWindow {
public:
    explicit TButtonWindow(HWND wnd) : TNativeWindow(wnd) {}

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    std::uint32_t Kind() const { return Style() & BS_TYPEMASK; }
    bool IsRadio() const { return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON; }
    bool IsPush() const { return Kind() == BS_PUSHBUTTON || Kind() == BS_DEFPUSHBUTTON; }
    bool IsOwnerDraw() const { return Kind() == BS_OWNERDRAW; }
    bool Checked() const { return FChecked; }
    bool Pushed() const { return FPushed; }

private:
    void Paint(TDC& dc);
    void PaintPush(TDC& dc, const TRect& r);
    void PaintRadio(TDC& dc, const TRect& r);
    void DrawItem(TDC& dc, UINT action);
    void DrawItemNow(UINT action);
    void SetPushed(bool value);
    void SetCheck(bool value);
    void Clicked();
    void MoveInGroup(int step);
    void PressStart();

    bool FChecked = false;
    bool FPushed = false;
    bool FMouseDown = false; // captured by a left-button press
    bool FSpaceDown = false;
};

LRESULT ButtonWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
