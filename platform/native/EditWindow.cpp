#include "platform/native/EditWindow.h"

#include "platform/core/Gbk.h"
#include "platform/draw/DCStateSaver.h"
#include "platform/native/EditMenu.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::uintptr_t kBlinkTimer = 1;
constexpr std::uintptr_t kDragTimer = 2;
constexpr std::uintptr_t kBarTimer = 3;
constexpr UINT kBlinkMs = 530;
// The caret stops blinking, and stays shown, once it has blinked this long without the user
// doing anything with the field: a program left alone wakes up for nothing.
constexpr UINT kBlinkTimeoutMs = 10000;
constexpr UINT kDragMs = 100;
constexpr UINT kBarFirstMs = 400;
constexpr UINT kBarRepeatMs = 60;

bool IsKeyDown(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// Where the client area starts inside the window (window coordinates).
TPoint ClientOffset(HWND wnd) {
    TRect wr;
    GetWindowRect(wnd, &wr);
    TPoint c{0, 0};
    ClientToScreen(wnd, &c);
    return c - wr.TopLeft();
}

int Along(TPoint p, bool vertical) {
    return vertical ? p.Y : p.X;
}
} // namespace

LRESULT EditWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return NativeWndProc<TEditWindow>(wnd, msg, wParam, lParam);
}

TEditWindow::TEditWindow(HWND wnd) : TNativeWindow(wnd) {
    FText.OnChange = [this](TEditText&) { FChangePending = true; };
}

TEditWindow::~TEditWindow() = default;

void TEditWindow::FontChanged() {
    FMeasure = std::make_unique<TMeasureDC>(FFont);
    FLineHeight = std::max(1, FMeasure->LineHeight());
    TMeasureDC* m = FMeasure.get();
    TEditMeasure measure = [m](std::string_view gbk) { return m->TextWidth(gbk); };
    if (FMemo) {
        FMemo->SetMeasure(measure);
        FMemo->SetLineHeight(FLineHeight);
    } else {
        FView.SetMeasure(measure);
    }
    Refresh(erNone, false);
}

void TEditWindow::ApplyClientSize() {
    TRect r = ClientRect();
    if (FMemo)
        FMemo->SetClientSize(r.Width(), r.Height());
    else
        FView.SetClientWidth(r.Width());
}

// --- Messages --------------------------------------------------------------------------------

LRESULT TEditWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const TCreateStruct*>(lParam);
        std::uint32_t style = cs ? cs->style : 0;
        if (style & ES_MULTILINE) {
            FMemo = std::make_unique<TMemoModel>();
            FMemo->Text().OnChange = [this](TEditText&) { FChangePending = true; };
            FMemo->SetWordWrap(!(style & (WS_HSCROLL | ES_AUTOHSCROLL)));
            FMemo->SetAlign(TEditAlign(style & 3));
            FAutoSelect = false;
        } else {
            FView.SetAlign(TEditAlign(style & 3));
        }
        TEditText& t = Text();
        t.SetReadOnly(style & ES_READONLY);
        if (style & ES_PASSWORD)
            t.SetPasswordChar('*');
        if (style & ES_UPPERCASE)
            t.SetCharCase(eccUpperCase);
        else if (style & ES_LOWERCASE)
            t.SetCharCase(eccLowerCase);
        return Default(msg, wParam, lParam);
    }
    case WM_CREATE: {
        auto* cs = reinterpret_cast<const TCreateStruct*>(lParam);
        FontChanged();
        ApplyClientSize();
        if (cs && cs->lpszName && *cs->lpszName) {
            if (FMemo)
                FMemo->SetText(cs->lpszName);
            else
                FText.SetText(cs->lpszName);
        }
        FChangePending = false;
        Refresh(erNone, false);
        return 0;
    }
    case WM_SIZE:
        ApplyClientSize();
        Refresh(erNone, false);
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (FMemo && (Style() & ES_WANTRETURN))
            code |= DLGC_WANTALLKEYS;
        if (FMemo && FWantTabs)
            code |= DLGC_WANTTAB;
        return code;
    }
    case WM_SETCURSOR:
        if (std::int16_t(LOWORD(WPARAM(lParam))) == HTCLIENT) {
            SetCursor(LoadCursor(nullptr, IDC_IBEAM));
            return 1;
        }
        return Default(msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            Paint(*dc);
        return 0;
    case WM_ENABLE:
        InvalidateRect(FHandle, nullptr, false);
        return 0;
    case WM_SETFOCUS: {
        bool byMouse = IsKeyDown(VK_LBUTTON) || IsKeyDown(VK_RBUTTON) || IsKeyDown(VK_MBUTTON);
        if (FAutoSelect && !byMouse)
            Text().SelectAll();
        RestartBlink();
        // The view stays where it is; only an auto-select shows the caret.
        Refresh(erNone, FAutoSelect && !byMouse);
        Notify(EN_SETFOCUS);
        return 0;
    }
    case WM_KILLFOCUS:
        KillTimer(FHandle, kBlinkTimer);
        FCaretOn = false;
        FLeadByte = 0;
        Text().BreakUndoRun();
        InvalidateRect(FHandle, nullptr, false);
        Notify(EN_KILLFOCUS);
        return 0;
    case WM_TIMER:
        if (wParam == kBlinkTimer) {
            FCaretOn = !FCaretOn;
            if (FCaretOn && GetTickCount() - FBlinkStart >= kBlinkTimeoutMs)
                KillTimer(FHandle, kBlinkTimer);
            TRect r = CaretRect();
            InvalidateRect(FHandle, &r, false);
        } else if (wParam == kDragTimer) {
            DragScroll();
        } else if (wParam == kBarTimer) {
            BarRepeat();
        }
        return 0;
    case WM_KEYDOWN:
        // The context-menu key asks through WM_CONTEXTMENU (as Shift+F10 does), so that a
        // procedure put in front of this one can show a menu of its own.
        if (int(wParam) == VK_APPS)
            return Default(msg, wParam, lParam);
        KeyDown(int(wParam));
        return 0;
    case WM_CHAR:
        Char(static_cast<unsigned char>(wParam & 0xFF));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(PointFromLParam(lParam), (wParam & MK_SHIFT) != 0, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        if (FBarTracking >= 0)
            BarMouseMove(PointFromLParam(lParam) + ClientOffset(FHandle));
        else
            MouseMove(PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (FBarTracking >= 0)
            BarMouseUp();
        else
            MouseUp();
        return 0;
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != FHandle) {
            if (FBarTracking >= 0)
                BarMouseUp();
            FSelecting = false;
            KillTimer(FHandle, kDragTimer);
        }
        return 0;
    case WM_RBUTTONDOWN:
        if (!Focused())
            SetFocus(FHandle);
        return 0;
    case WM_CONTEXTMENU:
        ShowContextMenu(lParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (!FMemo)
            return Default(msg, wParam, lParam);
        if (FMemo->Wheel(GET_WHEEL_DELTA_WPARAM(wParam))) {
            InvalidateRect(FHandle, nullptr, false);
            UpdateBars();
        }
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam), std::int16_t(HIWORD(wParam)));
        return 0;
    case WM_NCCALCSIZE: {
        LRESULT r = Default(msg, wParam, lParam);
        auto* p = reinterpret_cast<TNcCalcSizeParams*>(lParam);
        if (p && FMemo) {
            TRect& c = p->rgrc[0];
            if (HasBar(SB_VERT))
                c.Right = std::max(c.Left, c.Right - GetSystemMetrics(SM_CXVSCROLL));
            if (HasBar(SB_HORZ))
                c.Bottom = std::max(c.Top, c.Bottom - GetSystemMetrics(SM_CYHSCROLL));
        }
        return r;
    }
    case WM_NCPAINT: {
        LRESULT r = Default(msg, wParam, lParam);
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            PaintBars(*dc);
        return r;
    }
    case WM_NCHITTEST:
        return NcHitTest(PointFromLParam(lParam));
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (int(wParam) == HTVSCROLL || int(wParam) == HTHSCROLL) {
            TRect wr;
            GetWindowRect(FHandle, &wr);
            if (!Focused())
                SetFocus(FHandle);
            BarMouseDown(PointFromLParam(lParam) - wr.TopLeft());
            return 0;
        }
        return Default(msg, wParam, lParam);
    case WM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<TScrollInfo*>(lParam);
        if (!FMemo || !info)
            return 0;
        TEditScrollInfo si = BarInfo(int(wParam));
        info->nMin = si.Min;
        info->nMax = si.Max;
        info->nPage = UINT(std::max(si.Page, 0));
        info->nPos = si.Pos;
        info->nTrackPos = si.Pos;
        return 1;
    }
    case WM_GETSCROLLBARINFO:
        return GetScrollBarInfoOf(int(wParam), reinterpret_cast<TScrollBarInfo*>(lParam));
    case WM_SETTEXT: {
        const char* s = reinterpret_cast<const char*>(lParam);
        std::string_view text = s ? std::string_view(s) : std::string_view();
        if (FMemo)
            FMemo->SetText(text);
        else
            FText.SetText(text);
        // A text the program sets is no modification, but it is a change.
        bool changed = FChangePending;
        FChangePending = false;
        Refresh(erNone, false);
        FModified = false;
        if (changed)
            Notify(EN_CHANGE);
        return 1;
    }
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(lParam);
        if (!buf || wParam < 1)
            return 0;
        std::string_view t = GbkTruncate(Text().Text(), std::size_t(wParam) - 1);
        std::memcpy(buf, t.data(), t.size());
        buf[t.size()] = '\0';
        return LRESULT(t.size());
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(Text().Length());
    case WM_CUT:
        Cut();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        Clear();
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        UndoEdit();
        return 1;
    case EM_CANUNDO:
        return Text().CanUndo();
    case EM_GETSEL: {
        auto start = std::uint32_t(Text().SelStart());
        auto end = std::uint32_t(Text().SelEnd());
        if (auto* p = reinterpret_cast<std::uint32_t*>(wParam))
            *p = start;
        if (auto* p = reinterpret_cast<std::uint32_t*>(lParam))
            *p = end;
        return MAKELPARAM(int(std::min<std::uint32_t>(start, 0xFFFF)),
                          int(std::min<std::uint32_t>(end, 0xFFFF)));
    }
    case EM_SETSEL:
        Text().SetSelRange(long(std::intptr_t(wParam)), long(lParam));
        Refresh(erNone);
        return 0;
    case EM_REPLACESEL: {
        HWND self = FHandle;
        const char* s = reinterpret_cast<const char*>(lParam);
        std::string_view text = s ? std::string_view(s) : std::string_view();
        TEditResult r =
            FMemo ? FMemo->ReplaceSel(text, wParam != 0) : FText.ReplaceSel(text, wParam != 0);
        if (r == erFull || r == erTruncated)
            Notify(EN_MAXTEXT);
        if (IsWindow(self))
            Refresh(erNone);
        return 0;
    }
    case EM_SCROLLCARET:
        Refresh(erNone);
        return 1;
    case EM_LIMITTEXT:
        Text().SetMaxLength(std::size_t(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return LRESULT(Text().MaxLength());
    case EM_SETREADONLY: {
        Text().SetReadOnly(wParam != 0);
        std::uint32_t style = Style();
        style = wParam ? (style | ES_READONLY) : (style & ~ES_READONLY);
        SetWindowLongPtr(FHandle, GWL_STYLE, LONG_PTR(style));
        InvalidateRect(FHandle, nullptr, false);
        return 1;
    }
    case EM_SETPASSWORDCHAR:
        Text().SetPasswordChar(char(wParam));
        Refresh(erNone);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(Text().PasswordChar());
    case EM_SETMARGINS: {
        int left = FMemo ? FMemo->LeftMargin() : FView.LeftMargin();
        int right = FMemo ? FMemo->RightMargin() : FView.RightMargin();
        if (wParam & EC_LEFTMARGIN)
            left = LOWORD(WPARAM(lParam));
        if (wParam & EC_RIGHTMARGIN)
            right = HIWORD(WPARAM(lParam));
        if (FMemo)
            FMemo->SetMargins(left, right);
        else
            FView.SetMargins(left, right);
        Refresh(erNone);
        return 0;
    }
    case EM_GETMARGINS:
        return FMemo ? MAKELPARAM(FMemo->LeftMargin(), FMemo->RightMargin())
                     : MAKELPARAM(FView.LeftMargin(), FView.RightMargin());
    case EM_GETMODIFY:
        return FModified;
    case EM_SETMODIFY:
        FModified = wParam != 0;
        return 0;
    case EM_GETLINECOUNT:
        return FMemo ? LRESULT(std::max<std::size_t>(1, FMemo->VisualLineCount())) : 1;
    case EM_LINEINDEX: {
        if (!FMemo)
            return 0;
        std::size_t line = std::intptr_t(wParam) < 0 ? FMemo->CaretLine() : std::size_t(wParam);
        if (line >= FMemo->VisualLineCount())
            return -1;
        return LRESULT(FMemo->VisualLine(line).Start);
    }
    case EM_LINEFROMCHAR: {
        if (!FMemo)
            return 0;
        if (std::intptr_t(wParam) < 0)
            return LRESULT(FMemo->CaretLine());
        return LRESULT(FMemo->VisualLineOf(std::size_t(wParam)));
    }
    case EM_LINELENGTH: {
        if (!FMemo)
            return LRESULT(FText.Length());
        std::size_t off = std::intptr_t(wParam) < 0 ? FMemo->Text().Caret() : std::size_t(wParam);
        const TMemoLine& l = FMemo->VisualLine(FMemo->VisualLineOf(off));
        return LRESULT(l.End - l.Start);
    }
    case EM_GETFIRSTVISIBLELINE:
        return FMemo ? LRESULT(FMemo->FirstVisibleLine()) : 0;
    case EM_LINESCROLL:
        if (FMemo && FMemo->LineScroll(int(lParam))) {
            InvalidateRect(FHandle, nullptr, false);
            UpdateBars();
        }
        return FMemo != nullptr;
    case EM_SCROLL:
        if (FMemo && wParam <= WPARAM(SB_PAGEDOWN))
            Scroll(SB_VERT, int(wParam), 0);
        return FMemo != nullptr;
    case EM_POSFROMCHAR: {
        std::size_t off = std::min(std::size_t(wParam), Text().Length());
        if (FMemo) {
            std::size_t line = FMemo->VisualLineOf(off);
            int y = (int(line) - int(FMemo->FirstVisibleLine())) * FLineHeight;
            return MAKELPARAM(FMemo->XOfOffset(line, off), y);
        }
        return MAKELPARAM(FView.XOfOffset(off), TextTop());
    }
    case EM_CHARFROMPOS: {
        TPoint p = PointFromLParam(lParam);
        if (FMemo) {
            bool atEnd = false;
            std::size_t off = FMemo->HitTest(p, atEnd);
            return MAKELPARAM(int(std::min<std::size_t>(off, 0xFFFF)),
                              int(std::min<std::size_t>(FMemo->VisualLineOf(off), 0xFFFF)));
        }
        return MAKELPARAM(int(std::min<std::size_t>(FView.HitTest(p.X), 0xFFFF)), 0);
    }
    case EM_GETRECT:
        if (auto* r = reinterpret_cast<TRect*>(lParam)) {
            TRect c = ClientRect();
            int left = FMemo ? FMemo->LeftMargin() : FView.LeftMargin();
            int right = FMemo ? FMemo->RightMargin() : FView.RightMargin();
            *r = TRect(left, 0, std::max(left, c.Right - right), c.Bottom);
        }
        return 0;
    case EM_SETWORDWRAP:
        if (FMemo) {
            FMemo->SetWordWrap(wParam != 0);
            Refresh(erNone);
        }
        return 0;
    case EM_SETAUTOSELECT:
        FAutoSelect = wParam != 0;
        return 0;
    case EM_SETWANTTABS:
        FWantTabs = wParam != 0;
        return 0;
    case EM_SETCOLORS:
        FBackColor = TColor(wParam);
        FTextColor = TColor(lParam);
        InvalidateRect(FHandle, nullptr, false);
        return 0;
    default:
        return TNativeWindow::WndProc(msg, wParam, lParam);
    }
}

// --- Keyboard --------------------------------------------------------------------------------

void TEditWindow::KeyDown(int vk) {
    bool shift = IsKeyDown(VK_SHIFT);
    bool ctrl = IsKeyDown(VK_CONTROL);
    switch (vk) {
    case VK_DELETE:
        if (shift && !ctrl)
            Cut();
        else
            Refresh(Text().Delete());
        return;
    case VK_INSERT:
        if (ctrl && !shift)
            Copy();
        else if (shift && !ctrl)
            Paste();
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        Move(vk, shift, ctrl);
        return;
    default:
        return;
    }
}

void TEditWindow::Move(int vk, bool shift, bool ctrl) {
    if (FMemo) {
        TMemoMove m = mmCharLeft;
        switch (vk) {
        case VK_LEFT:
            m = ctrl ? mmWordLeft : mmCharLeft;
            break;
        case VK_RIGHT:
            m = ctrl ? mmWordRight : mmCharRight;
            break;
        case VK_UP:
            m = mmLineUp;
            break;
        case VK_DOWN:
            m = mmLineDown;
            break;
        case VK_PRIOR:
            m = mmPageUp;
            break;
        case VK_NEXT:
            m = mmPageDown;
            break;
        case VK_HOME:
            m = ctrl ? mmTextStart : mmLineStart;
            break;
        default:
            m = ctrl ? mmTextEnd : mmLineEnd;
            break;
        }
        FMemo->MoveCaret(m, shift);
    } else {
        TEditMove m = emCharLeft;
        switch (vk) {
        case VK_LEFT:
        case VK_UP:
            m = ctrl ? emWordLeft : emCharLeft;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            m = ctrl ? emWordRight : emCharRight;
            break;
        case VK_HOME:
        case VK_PRIOR:
            m = emLineStart;
            break;
        default:
            m = emLineEnd;
            break;
        }
        FText.MoveCaret(m, shift);
    }
    Refresh(erNone);
}

void TEditWindow::Char(unsigned char c) {
    if (FLeadByte) {
        unsigned char lead = FLeadByte;
        FLeadByte = 0;
        if (IsGbkTrailByte(c)) {
            char pair[2] = {char(lead), char(c)};
            TypeChar(std::string_view(pair, 2));
            return;
        }
        // A lead byte without its trail byte is no character: it is dropped.
    }
    if (IsGbkLeadByte(c)) {
        FLeadByte = c;
        return;
    }
    bool ctrl = IsKeyDown(VK_CONTROL);
    switch (c) {
    case 8:
        Refresh(Text().Backspace());
        return;
    case '\r':
    case '\n':
        // A memo takes Enter when it wants returns or with Ctrl; a single-line edit refuses it
        // with the default beep.
        if (FMemo && !(Style() & ES_WANTRETURN) && !ctrl)
            return;
        TypeChar("\r");
        return;
    case '\t':
        if (FMemo && FWantTabs)
            TypeChar("\t");
        return;
    case 1: // Ctrl+A
        SelectAll();
        return;
    case 3: // Ctrl+C
        Copy();
        return;
    case 22: // Ctrl+V
        Paste();
        return;
    case 24: // Ctrl+X
        Cut();
        return;
    case 26: // Ctrl+Z
        UndoEdit();
        return;
    default:
        if (c < 0x20 || c == 0x7F)
            return;
        TypeChar(std::string_view(reinterpret_cast<const char*>(&c), 1));
        return;
    }
}

void TEditWindow::TypeChar(std::string_view gbk) {
    HWND self = FHandle;
    TEditResult r = Text().Type(gbk);
    if (r == erFull)
        Notify(EN_MAXTEXT);
    if (IsWindow(self))
        Refresh(r);
}

// --- Commands --------------------------------------------------------------------------------

void TEditWindow::Copy() {
    TEditText& t = Text();
    if (!t.HasSelection() || t.PasswordChar())
        return;
    SetClipboardTextGbk(t.SelText());
}

void TEditWindow::Cut() {
    TEditText& t = Text();
    if (t.ReadOnly()) {
        Refresh(erReadOnly);
        return;
    }
    if (!t.HasSelection() || t.PasswordChar())
        return;
    SetClipboardTextGbk(t.SelText());
    Refresh(t.DeleteSelection());
}

void TEditWindow::Paste() {
    std::string clip = GetClipboardTextGbk();
    Refresh(Text().Paste(clip));
}

void TEditWindow::Clear() {
    Refresh(Text().DeleteSelection());
}

void TEditWindow::UndoEdit() {
    Refresh(Text().Undo());
}

void TEditWindow::SelectAll() {
    Text().SelectAll();
    Refresh(erNone);
}

void TEditWindow::RunCommand(int command) {
    switch (command) {
    case IDM_UNDO:
        UndoEdit();
        break;
    case IDM_CUT:
        Cut();
        break;
    case IDM_COPY:
        Copy();
        break;
    case IDM_PASTE:
        Paste();
        break;
    case IDM_DELETE:
        Clear();
        break;
    case IDM_SELECTALL:
        SelectAll();
        break;
    default:
        break;
    }
}

void TEditWindow::ShowContextMenu(LPARAM screenPoint) {
    HWND self = FHandle;
    if (!Focused())
        SetFocus(FHandle);
    TPoint at = PointFromLParam(screenPoint);
    if (screenPoint == -1 || (at.X == -1 && at.Y == -1)) {
        // From the keyboard: at the caret.
        TRect c = CaretRect();
        at = {c.Left, c.Bottom};
        ClientToScreen(FHandle, &at);
    }
    bool clip = !GetClipboardTextGbk().empty();
    int command = TrackEditMenu(FHandle, at, EditMenuItems(Text().CommandStates(clip)));
    if (command && IsWindow(self))
        RunCommand(command);
}

// --- Refresh ---------------------------------------------------------------------------------

void TEditWindow::Refresh(TEditResult result, bool scrollCaret) {
    if (result == erReadOnly || result == erEnterRefused || result == erFull)
        MessageBeep(MB_OK);
    if (FMemo) {
        if (scrollCaret)
            FMemo->ScrollCaret();
    } else {
        FView.Update(FText);
    }
    RestartBlink();
    InvalidateRect(FHandle, nullptr, false);
    UpdateBars();
    Changed();
}

void TEditWindow::Changed() {
    if (!FChangePending)
        return;
    FChangePending = false;
    FModified = true;
    Notify(EN_CHANGE);
}

// --- Mouse -----------------------------------------------------------------------------------

void TEditWindow::SetCaretFromPoint(TPoint p, bool extend) {
    if (FMemo) {
        FMemo->ClickAt(p, extend);
        return;
    }
    std::size_t off = FView.HitTest(p.X);
    if (extend)
        FText.SetSelection(FText.Anchor(), off);
    else
        FText.SetCaret(off);
}

void TEditWindow::MouseDown(TPoint p, bool shift, bool dbl) {
    HWND self = FHandle;
    if (!Focused())
        SetFocus(self);
    if (!IsWindow(self) || !Focused())
        return;
    if (dbl) {
        if (FMemo) {
            FMemo->DoubleClickAt(p);
        } else {
            FText.SelectWordAt(FView.HitTest(p.X));
        }
        Refresh(erNone);
        return;
    }
    SetCaretFromPoint(p, shift);
    Text().BreakUndoRun();
    FSelecting = true;
    FMouse = p;
    SetCapture(FHandle);
    SetTimer(FHandle, kDragTimer, kDragMs, nullptr);
    Refresh(erNone);
}

void TEditWindow::MouseMove(TPoint p) {
    if (!FSelecting)
        return;
    FMouse = p;
    TRect c = ClientRect();
    TPoint inside{p.X, std::clamp(p.Y, 0, std::max(0, c.Bottom - 1))};
    SetCaretFromPoint(FMemo ? inside : p, true);
    Refresh(erNone);
}

void TEditWindow::MouseUp() {
    if (!FSelecting)
        return;
    FSelecting = false;
    KillTimer(FHandle, kDragTimer);
    if (GetCapture() == FHandle)
        ReleaseCapture();
}

// While the button is held outside the text, the view keeps scrolling towards the pointer.
void TEditWindow::DragScroll() {
    if (!FSelecting) {
        KillTimer(FHandle, kDragTimer);
        return;
    }
    TRect c = ClientRect();
    if (FMemo) {
        int lines = FMouse.Y < 0 ? -1 : FMouse.Y >= c.Bottom ? 1 : 0;
        if (lines)
            FMemo->LineScroll(lines);
        TPoint inside{FMouse.X, std::clamp(FMouse.Y, 0, std::max(0, c.Bottom - 1))};
        if (!lines && FMouse.X >= 0 && FMouse.X < c.Right)
            return;
        FMemo->ClickAt(inside, true);
        Refresh(erNone, FMouse.X < 0 || FMouse.X >= c.Right);
        return;
    }
    if (FMouse.X < FView.LeftMargin())
        FText.MoveCaret(emCharLeft, true);
    else if (FMouse.X >= c.Right - FView.RightMargin())
        FText.MoveCaret(emCharRight, true);
    else
        return;
    Refresh(erNone);
}

// --- Caret -----------------------------------------------------------------------------------

void TEditWindow::RestartBlink() {
    if (!Focused())
        return;
    FCaretOn = true;
    FBlinkStart = GetTickCount();
    SetTimer(FHandle, kBlinkTimer, kBlinkMs, nullptr);
}

TRect TEditWindow::CaretRect() {
    if (FMemo) {
        TPoint p = FMemo->CaretPos();
        return TRect(p.X, p.Y, p.X + 1, p.Y + FLineHeight);
    }
    int x = FView.CaretX();
    int top = TextTop();
    return TRect(x, top, x + 1, top + FLineHeight);
}

// --- Painting --------------------------------------------------------------------------------

int TEditWindow::TextTop() {
    return std::max(0, (ClientRect().Height() - FLineHeight) / 2);
}

bool TEditWindow::ShowSelection() const {
    return Focused() || (Style() & ES_NOHIDESEL);
}

void TEditWindow::DrawRun(TDC& dc, int x, int y, std::string_view text, const TRect& clip,
                          bool selected) {
    if (text.empty() || clip.IsEmpty())
        return;
    TDCStateSaver saver(dc);
    dc.IntersectClipRect(clip);
    dc.SetBkMode(TRANSPARENT);
    TColor color = selected ? clHighlightText : IsWindowEnabled(FHandle) ? FTextColor : clGrayText;
    dc.SetTextColor(color);
    dc.TextOut(x, y, text);
}

void TEditWindow::Paint(TDC& dc) {
    TRect c = ClientRect();
    dc.FillRect(c, IsWindowEnabled(FHandle) ? FBackColor : clBtnFace);
    dc.SelectFont(FFont);
    if (FMemo)
        PaintMemo(dc);
    else
        PaintLine(dc);
    if (Focused() && FCaretOn)
        dc.InvertRect(CaretRect().Intersected(c));
}

void TEditWindow::PaintLine(TDC& dc) {
    TRect c = ClientRect();
    int top = TextTop();
    TRect area(FView.LeftMargin(), 0, std::max(FView.LeftMargin(), c.Right - FView.RightMargin()),
               c.Bottom);
    const std::string& shown = FView.DisplayText();
    DrawRun(dc, FView.TextX(), top, shown, area, false);
    if (ShowSelection() && FText.HasSelection()) {
        TRect sel(FView.XOfOffset(FText.SelStart()), top, FView.XOfOffset(FText.SelEnd()),
                  top + FLineHeight);
        sel = sel.Intersected(area);
        if (!sel.IsEmpty()) {
            dc.FillRect(sel, clHighlight);
            DrawRun(dc, FView.TextX(), top, shown, sel, true);
        }
    }
}

void TEditWindow::PaintMemo(TDC& dc) {
    TRect c = ClientRect();
    TRect area(FMemo->LeftMargin(), 0,
               std::max(FMemo->LeftMargin(), c.Right - FMemo->RightMargin()), c.Bottom);
    const std::string& text = FMemo->Text().Text();
    std::size_t first = FMemo->FirstVisibleLine();
    std::size_t count = FMemo->VisualLineCount();
    bool showSel = ShowSelection() && FMemo->Text().HasSelection();
    for (std::size_t i = first; i < count; ++i) {
        int y = int(i - first) * FLineHeight;
        if (y >= c.Bottom)
            break;
        const TMemoLine& line = FMemo->VisualLine(i);
        std::size_t start = line.Start;
        std::size_t end = line.End;
        TRect selRect;
        int left = 0, right = 0;
        if (showSel && FMemo->SelectionOnLine(i, left, right)) {
            selRect = TRect(left, y, right, y + FLineHeight).Intersected(area);
            if (!selRect.IsEmpty())
                dc.FillRect(selRect, clHighlight);
        }
        // Runs between tabs and stray line-break characters, each at its own place.
        std::size_t a = start;
        while (a < end) {
            std::size_t b = a;
            while (b < end && text[b] != '\t' && text[b] != '\r' && text[b] != '\n')
                b = GbkNextCharPos(text, b);
            if (b > a) {
                int x = FMemo->XOfOffset(i, a);
                std::string_view run(text.data() + a, b - a);
                DrawRun(dc, x, y, run, area, false);
                if (!selRect.IsEmpty())
                    DrawRun(dc, x, y, run, selRect, true);
            }
            a = b < end ? b + 1 : b;
        }
    }
}

// --- Scroll bars -----------------------------------------------------------------------------

bool TEditWindow::HasBar(int bar) const {
    return FMemo && (Style() & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL));
}

TRect TEditWindow::BarRect(int bar) const {
    TPoint o = ClientOffset(FHandle);
    TRect c = ClientRect().Offset(o);
    if (bar == SB_VERT)
        return TRect(c.Right, c.Top, c.Right + GetSystemMetrics(SM_CXVSCROLL), c.Bottom);
    return TRect(c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL));
}

TEditScrollInfo TEditWindow::BarInfo(int bar) {
    if (!FMemo)
        return {};
    return bar == SB_VERT ? FMemo->VertScrollInfo() : FMemo->HorzScrollInfo();
}

void TEditWindow::PaintBars(TDC& dc) {
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!HasBar(bar))
            continue;
        TScrollBarLayout l = LayoutScrollBar(BarRect(bar), bar == SB_VERT, BarInfo(bar));
        DrawScrollBar(dc, l, FBarTracking == bar && FBarPressed ? FBarPart : sbpNone);
    }
    if (HasBar(SB_VERT) && HasBar(SB_HORZ)) {
        TRect v = BarRect(SB_VERT);
        dc.FillRect(TRect(v.Left, v.Bottom, v.Right, v.Bottom + GetSystemMetrics(SM_CYHSCROLL)),
                    clBtnFace);
    }
}

void TEditWindow::UpdateBars() {
    if (HasBar(SB_VERT) || HasBar(SB_HORZ))
        RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TEditWindow::Scroll(int bar, int code, int pos) {
    if (!FMemo)
        return;
    if (bar == SB_VERT)
        FMemo->VScroll(TEditScrollCode(code), pos);
    else
        FMemo->HScroll(TEditScrollCode(code), pos);
    InvalidateRect(FHandle, nullptr, false);
    UpdateBars();
    Notify(bar == SB_VERT ? EN_VSCROLL : EN_HSCROLL);
}

LRESULT TEditWindow::NcHitTest(TPoint screen) {
    TRect wr;
    GetWindowRect(FHandle, &wr);
    TPoint p = screen - wr.TopLeft();
    if (HasBar(SB_VERT) && BarRect(SB_VERT).Contains(p))
        return HTVSCROLL;
    if (HasBar(SB_HORZ) && BarRect(SB_HORZ).Contains(p))
        return HTHSCROLL;
    return Default(WM_NCHITTEST, 0, PointToLParam(screen));
}

namespace {
int StepCode(TScrollBarPart part) {
    switch (part) {
    case sbpArrow1:
        return SB_LINEUP;
    case sbpArrow2:
        return SB_LINEDOWN;
    case sbpPage1:
        return SB_PAGEUP;
    case sbpPage2:
        return SB_PAGEDOWN;
    default:
        return -1;
    }
}
} // namespace

bool TEditWindow::BarMouseDown(TPoint wp) {
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!HasBar(bar) || !BarRect(bar).Contains(wp))
            continue;
        TScrollBarLayout l = LayoutScrollBar(BarRect(bar), bar == SB_VERT, BarInfo(bar));
        TScrollBarPart part = ScrollBarPartAt(l, wp);
        if (part == sbpNone)
            return true;
        FBarTracking = bar;
        FBarPart = part;
        FBarPressed = true;
        FBarMouse = wp;
        SetCapture(FHandle);
        if (part == sbpThumb) {
            FThumbGrab = Along(wp, bar == SB_VERT) - Along(l.Thumb.TopLeft(), bar == SB_VERT);
            UpdateBars();
        } else {
            Scroll(bar, StepCode(part), 0);
            SetTimer(FHandle, kBarTimer, kBarFirstMs, nullptr);
        }
        return true;
    }
    return false;
}

void TEditWindow::BarMouseMove(TPoint wp) {
    FBarMouse = wp;
    bool vertical = FBarTracking == SB_VERT;
    TEditScrollInfo info = BarInfo(FBarTracking);
    TScrollBarLayout l = LayoutScrollBar(BarRect(FBarTracking), vertical, info);
    if (FBarPart == sbpThumb) {
        int barStart = Along(l.Bar.TopLeft(), vertical);
        int offset = Along(wp, vertical) - barStart - l.TrackStart - FThumbGrab;
        int pos = ScrollBarPosForThumb(l, info, offset);
        if (pos != info.Pos)
            Scroll(FBarTracking, SB_THUMBTRACK, pos);
        return;
    }
    bool pressed = ScrollBarPartAt(l, wp) == FBarPart;
    if (pressed != FBarPressed) {
        FBarPressed = pressed;
        UpdateBars();
    }
}

void TEditWindow::BarMouseUp() {
    int bar = FBarTracking;
    FBarTracking = -1;
    FBarPressed = false;
    KillTimer(FHandle, kBarTimer);
    if (GetCapture() == FHandle)
        ReleaseCapture();
    if (bar >= 0)
        Scroll(bar, SB_ENDSCROLL, 0);
}

void TEditWindow::BarRepeat() {
    SetTimer(FHandle, kBarTimer, kBarRepeatMs, nullptr);
    if (FBarTracking < 0 || FBarPart == sbpThumb) {
        KillTimer(FHandle, kBarTimer);
        return;
    }
    TScrollBarLayout l =
        LayoutScrollBar(BarRect(FBarTracking), FBarTracking == SB_VERT, BarInfo(FBarTracking));
    if (ScrollBarPartAt(l, FBarMouse) == FBarPart)
        Scroll(FBarTracking, StepCode(FBarPart), 0);
}

LRESULT TEditWindow::GetScrollBarInfoOf(int bar, TScrollBarInfo* info) {
    if (!FMemo || !info)
        return 0;
    *info = TScrollBarInfo{};
    if (!HasBar(bar)) {
        info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
        return 1;
    }
    bool vertical = bar == SB_VERT;
    TScrollBarLayout l = LayoutScrollBar(BarRect(bar), vertical, BarInfo(bar));
    TRect wr;
    GetWindowRect(FHandle, &wr);
    info->rcScrollBar = l.Bar.Offset(wr.TopLeft());
    info->dxyLineButton =
        Along(l.Arrow1.BottomRight(), vertical) - Along(l.Arrow1.TopLeft(), vertical);
    int start = Along(l.Bar.TopLeft(), vertical);
    if (!l.Thumb.IsEmpty()) {
        info->xyThumbTop = Along(l.Thumb.TopLeft(), vertical) - start;
        info->xyThumbBottom = Along(l.Thumb.BottomRight(), vertical) - start;
    }
    std::uint32_t state = 0;
    if (!l.Enabled || !IsWindowEnabled(FHandle))
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(FHandle))
        state |= STATE_SYSTEM_INVISIBLE;
    info->rgstate[0] = state;
    return 1;
}
