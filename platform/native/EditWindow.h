#pragma once

#include "platform/edit/EditLineView.h"
#include "platform/edit/EditText.h"
#include "platform/edit/MemoModel.h"
#include "platform/native/ClassicScrollBar.h"
#include "platform/native/NativeWindow.h"
#include "platform/native/ScrollInfo.h"

#include <cstdint>
#include <memory>

// The EDIT window class: a single-line edit, or with ES_MULTILINE a multi-line edit (memo). The
// text, caret, selection and undo live in the text models (TEditText, TEditLineView,
// TMemoModel); the window feeds them keys, characters and mouse hits and paints what they say
// with its font.
//
// Messages beyond the classic ones:
//   EM_SETCOLORS (ours): wParam the background TColor, lParam the text TColor.
//   EM_SETAUTOSELECT, EM_SETWANTTABS, EM_SETWORDWRAP (ours, see NativeConst.h).
//   WM_GETSCROLLINFO / WM_GETSCROLLBARINFO: the memo's own scroll bars (see ScrollInfo.h).
// The parent hears EN_CHANGE after every change of the text (also one made by WM_SETTEXT),
// EN_SETFOCUS, EN_KILLFOCUS, EN_MAXTEXT, EN_VSCROLL and EN_HSCROLL.
//
// A memo with WS_VSCROLL or WS_HSCROLL keeps its bars in its frame, always shown and disabled
// when there is nothing to scroll. An owner that draws its own bars over them removes the
// scroll-bar styles around the memo's WM_NCPAINT: the memo draws only the bars whose style is
// set at that moment.

class TEditWindow : public TNativeWindow {
public:
    explicit TEditWindow(HWND wnd);
    ~TEditWindow() override;

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool MultiLine() const { return FMemo != nullptr; }
    TEditText& Text() { return FMemo ? FMemo->Text() : FText; }
    TMemoModel* Memo() { return FMemo.get(); }
    bool Modified() const { return FModified; }

protected:
    void FontChanged() override;

private:
    // Keyboard and characters.
    void KeyDown(int vk);
    void Char(unsigned char c);
    void TypeChar(std::string_view gbk);
    void Move(int vk, bool shift, bool ctrl);
    // Clipboard and commands.
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    void UndoEdit();
    void SelectAll();
    void RunCommand(int command);
    void ShowContextMenu(LPARAM screenPoint);
    // After any change of text, caret or selection: measure, scroll the caret into view, repaint,
    // notify; result beeps for refused edits.
    void Refresh(TEditResult result = erNone, bool scrollCaret = true);
    void Changed();
    // Mouse.
    void MouseDown(TPoint p, bool shift, bool dbl);
    void MouseMove(TPoint p);
    void MouseUp();
    void DragScroll();
    void SetCaretFromPoint(TPoint p, bool extend);
    // Caret blinking.
    void RestartBlink();
    TRect CaretRect();
    // Painting.
    void Paint(TDC& dc);
    void PaintLine(TDC& dc);
    void PaintMemo(TDC& dc);
    void DrawRun(TDC& dc, int x, int y, std::string_view text, const TRect& clip, bool selected);
    int TextTop();
    bool ShowSelection() const;
    // Scroll bars (memo).
    bool HasBar(int bar) const;
    TRect BarRect(int bar) const; // window coordinates
    TEditScrollInfo BarInfo(int bar);
    void PaintBars(TDC& dc);
    void UpdateBars();
    void Scroll(int bar, int code, int pos);
    bool BarMouseDown(TPoint windowPoint);
    void BarMouseMove(TPoint windowPoint);
    void BarMouseUp();
    void BarRepeat();
    LRESULT NcHitTest(TPoint screen);
    LRESULT GetScrollBarInfoOf(int bar, TScrollBarInfo* info);
    void ApplyClientSize();

    TEditText FText;
    TEditLineView FView;
    std::unique_ptr<TMemoModel> FMemo;
    std::unique_ptr<TMeasureDC> FMeasure;
    int FLineHeight = 12;
    TColor FBackColor = clWindow;
    TColor FTextColor = clWindowText;
    bool FModified = false;
    bool FChangePending = false;
    bool FAutoSelect = true;
    bool FWantTabs = false;
    unsigned char FLeadByte = 0; // first byte of a double-byte character typed in two messages
    // Caret.
    bool FCaretOn = false;
    std::uint32_t FBlinkStart = 0; // when the blinking last (re)started
    // Mouse selection.
    bool FSelecting = false;
    TPoint FMouse;
    // Scroll-bar tracking.
    int FBarTracking = -1; // SB_VERT or SB_HORZ while the mouse holds a part of a bar
    TScrollBarPart FBarPart = sbpNone;
    bool FBarPressed = false;
    int FThumbGrab = 0; // pointer offset inside the thumb
    TPoint FBarMouse;
};

LRESULT EditWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
