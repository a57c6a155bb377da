#pragma once

#include "platform/window/WinConst.h"

#include <cstdint>

// The numbers of the native controls: the styles, messages and notifications of the edit, the
// multi-line edit, the button and the static text, with the platform's values.

// Window classes.
inline constexpr const char* kEditClass = "EDIT";
inline constexpr const char* kButtonClass = "BUTTON";
inline constexpr const char* kStaticClass = "STATIC";

// Edit styles.
constexpr std::uint32_t ES_LEFT = 0x0000;
constexpr std::uint32_t ES_CENTER = 0x0001;
constexpr std::uint32_t ES_RIGHT = 0x0002;
constexpr std::uint32_t ES_MULTILINE = 0x0004;
constexpr std::uint32_t ES_UPPERCASE = 0x0008;
constexpr std::uint32_t ES_LOWERCASE = 0x0010;
constexpr std::uint32_t ES_PASSWORD = 0x0020;
constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t ES_NOHIDESEL = 0x0100;
constexpr std::uint32_t ES_READONLY = 0x0800;
constexpr std::uint32_t ES_WANTRETURN = 0x1000;

// Edit messages.
constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_GETRECT = 0x00B2;
constexpr UINT EM_SCROLL = 0x00B5;
constexpr UINT EM_LINESCROLL = 0x00B6;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_GETLINECOUNT = 0x00BA;
constexpr UINT EM_LINEINDEX = 0x00BB;
constexpr UINT EM_LINELENGTH = 0x00C1;
constexpr UINT EM_REPLACESEL = 0x00C2;
constexpr UINT EM_GETLINE = 0x00C4;
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_LINEFROMCHAR = 0x00C9;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
constexpr UINT EM_SETMARGINS = 0x00D3;
constexpr UINT EM_GETMARGINS = 0x00D4;
constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr UINT EM_POSFROMCHAR = 0x00D6;
constexpr UINT EM_CHARFROMPOS = 0x00D7;
// Our own: wParam 1 turns word wrap on, 0 off (a multi-line edit).
constexpr UINT EM_SETWORDWRAP = WM_USER + 0x70;
// Our own: wParam 1 makes the edit select all its text when it gets the focus by keyboard.
constexpr UINT EM_SETAUTOSELECT = WM_USER + 0x71;
// Our own: the scroll information and the scroll-bar geometry of a window (see ScrollInfo.h).
constexpr UINT WM_GETSCROLLINFO = WM_USER + 0x72;
constexpr UINT WM_GETSCROLLBARINFO = WM_USER + 0x73;
// Our own: wParam 1 makes a multi-line edit take Tab as a character.
constexpr UINT EM_SETWANTTABS = WM_USER + 0x74;

// Our own: wParam the background TColor, lParam the text TColor of an edit.
constexpr UINT EM_SETCOLORS = WM_USER + 0x75;

// EM_SETMARGINS flags.
constexpr WPARAM EC_LEFTMARGIN = 0x0001;
constexpr WPARAM EC_RIGHTMARGIN = 0x0002;

// Edit notifications (high word of WM_COMMAND's wParam).
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_UPDATE = 0x0400;
constexpr UINT EN_MAXTEXT = 0x0501;
constexpr UINT EN_HSCROLL = 0x0601;
constexpr UINT EN_VSCROLL = 0x0602;

// Button styles.
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr std::uint32_t BS_CHECKBOX = 0x0002;
constexpr std::uint32_t BS_AUTOCHECKBOX = 0x0003;
constexpr std::uint32_t BS_RADIOBUTTON = 0x0004;
constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x0009;
constexpr std::uint32_t BS_OWNERDRAW = 0x000B;
constexpr std::uint32_t BS_TYPEMASK = 0x000F;
constexpr std::uint32_t BS_LEFTTEXT = 0x0020;
constexpr std::uint32_t BS_NOTIFY = 0x4000;

// Button messages.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_SETSTYLE = 0x00F4;
constexpr UINT BM_CLICK = 0x00F5;
constexpr WPARAM BST_UNCHECKED = 0x0000;
constexpr WPARAM BST_CHECKED = 0x0001;
constexpr LRESULT BST_PUSHED = 0x0004;
constexpr LRESULT BST_FOCUS = 0x0008;

// Button notifications.
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
constexpr UINT BN_DBLCLK = BN_DOUBLECLICKED;

// WM_GETDLGCODE answers beyond the window layer's.
constexpr LRESULT DLGC_HASSETSEL = 0x0008;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr LRESULT DLGC_STATIC = 0x0100;
constexpr LRESULT DLGC_BUTTON = 0x2000;

// Owner drawing.
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;

// Static styles.
constexpr std::uint32_t SS_LEFT = 0x0000;
constexpr std::uint32_t SS_CENTER = 0x0001;
constexpr std::uint32_t SS_RIGHT = 0x0002;
constexpr std::uint32_t SS_NOPREFIX = 0x0080;
constexpr std::uint32_t SS_NOTIFY = 0x0100;
constexpr std::uint32_t SS_CENTERIMAGE = 0x0200;
constexpr std::uint32_t SS_ENDELLIPSIS = 0x4000;

// Scroll bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;

// WM_COMMAND identifiers of the edit's context menu (the platform's numbers).
constexpr int IDM_UNDO = WM_UNDO;
constexpr int IDM_CUT = WM_CUT;
constexpr int IDM_COPY = WM_COPY;
constexpr int IDM_PASTE = WM_PASTE;
constexpr int IDM_DELETE = WM_CLEAR;
constexpr int IDM_SELECTALL = 0x00B1; // EM_SETSEL

// Notifications a native window sends to itself before it tells its parent, so that the object
// behind the window (a control of the control layer) hears them without its parent's help:
// CN_COMMAND with the WM_COMMAND parameters of every notification, and CN_DRAWITEM with the
// WM_DRAWITEM parameters of an owner-drawn button (answering non-zero keeps the request from the
// parent).
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;

// Dialog results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
