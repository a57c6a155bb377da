#include "platform/native/ButtonWindow.h"

#include "platform/window/WindowDC.h"
#include <algorithm>
#include <vector>

namespace {
constexpr int kRadioSize = 13;

TButtonWindow* ButtonOf(HWND wnd) {
    if (GetClassName(wnd) != kButtonClass)
        return nullptr;
    return static_cast<TButtonWindow*>(TNativeWindow::From(wnd));
}

// The radio buttons under the same parent, in creation order.
std::vector<HWND> RadioSiblings(HWND wnd) {
    std::vector<HWND> out;
    HWND parent = GetParent(wnd);
    if (!parent)
        return out;
    std::vector<HWND> children = GetChildWindows(parent); // topmost first
    std::reverse(children.begin(), children.end());
    for (HWND h : children) {
        TButtonWindow* b = ButtonOf(h);
        if (b && b->IsRadio())
            out.push_back(h);
    }
    return out;
}

void DrawEmbossedText(TDC& dc, std::string_view text, TRect r, unsigned format, bool enabled,
                      TColor color) {
    dc.SetBkMode(TRANSPARENT);
    if (enabled) {
        dc.SetTextColor(color);
        dc.DrawText(text, r, format);
        return;
    }
    TRect shifted = r.Offset(TPoint{1, 1});
    dc.SetTextColor(clBtnHighlight);
    dc.DrawText(text, shifted, format);
    dc.SetTextColor(clBtnShadow);
    dc.DrawText(text, r, format);
}
} // namespace

LRESULT ButtonWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return NativeWndProc<TButtonWindow>(wnd, msg, wParam, lParam);
}

LRESULT TButtonWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE:
        if (IsRadio())
            return DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS;
        if (IsPush())
            return DLGC_BUTTON |
                   (Kind() == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return DLGC_BUTTON;
    case WM_ERASEBKGND:
        if (IsOwnerDraw())
            return 1;
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            dc->FillRect(ClientRect(), clBtnFace);
        return 1;
    case WM_PAINT:
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            Paint(*dc);
        return 0;
    case WM_SETTEXT: {
        LRESULT r = Default(msg, wParam, lParam);
        InvalidateRect(FHandle, nullptr, true);
        return r;
    }
    case WM_ENABLE:
        InvalidateRect(FHandle, nullptr, true);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (msg == WM_KILLFOCUS) {
            FSpaceDown = false;
            if (FPushed && !FMouseDown)
                SetPushed(false);
        }
        if (IsOwnerDraw())
            DrawItemNow(ODA_FOCUS);
        else
            InvalidateRect(FHandle, nullptr, false);
        return 0;
    case WM_LBUTTONDBLCLK: {
        HWND self = FHandle;
        if (!IsPush())
            Notify(BN_DOUBLECLICKED);
        if (!IsWindow(self))
            return 0;
        PressStart();
        return 0;
    }
    case WM_LBUTTONDOWN:
        PressStart();
        return 0;
    case WM_MOUSEMOVE:
        if (FMouseDown)
            SetPushed(ClientRect().Contains(PointFromLParam(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (FMouseDown) {
            FMouseDown = false;
            bool inside = ClientRect().Contains(PointFromLParam(lParam));
            ReleaseCapture();
            SetPushed(false);
            if (inside)
                Clicked();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (FMouseDown && HWND(lParam) != FHandle) {
            FMouseDown = false;
            SetPushed(false);
        }
        return 0;
    case WM_KEYDOWN:
        switch (int(wParam)) {
        case VK_SPACE:
            if (!FSpaceDown && !FMouseDown) {
                FSpaceDown = true;
                SetPushed(true);
            }
            return 0;
        case VK_RETURN:
            if (IsPush())
                Clicked();
            return 0;
        case VK_LEFT:
        case VK_UP:
            if (IsRadio())
                MoveInGroup(-1);
            return 0;
        case VK_RIGHT:
        case VK_DOWN:
            if (IsRadio())
                MoveInGroup(1);
            return 0;
        default:
            return Default(msg, wParam, lParam);
        }
    case WM_KEYUP:
        if (int(wParam) == VK_SPACE && FSpaceDown) {
            FSpaceDown = false;
            SetPushed(false);
            Clicked();
        }
        return 0;
    case BM_GETCHECK:
        return FChecked ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        SetCheck(wParam == BST_CHECKED);
        return 0;
    case BM_GETSTATE:
        return LRESULT((FChecked ? BST_CHECKED : 0) | (FPushed ? BST_PUSHED : 0) |
                       (Focused() ? BST_FOCUS : 0));
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetWindowLongPtr(
            FHandle, GWL_STYLE,
            LONG_PTR((Style() & ~BS_TYPEMASK) | (std::uint32_t(wParam) & BS_TYPEMASK)));
        if (lParam)
            InvalidateRect(FHandle, nullptr, true);
        return 0;
    case BM_CLICK:
        Clicked();
        return 0;
    default:
        return TNativeWindow::WndProc(msg, wParam, lParam);
    }
}

void TButtonWindow::PressStart() {
    HWND self = FHandle;
    if (GetFocus() != self)
        SetFocus(self);
    if (!IsWindow(self))
        return;
    FMouseDown = true;
    SetCapture(FHandle);
    SetPushed(true);
}

void TButtonWindow::SetPushed(bool value) {
    if (FPushed == value)
        return;
    FPushed = value;
    if (IsOwnerDraw())
        DrawItemNow(ODA_SELECT);
    else
        InvalidateRect(FHandle, nullptr, false);
}

void TButtonWindow::SetCheck(bool value) {
    if (FChecked == value)
        return;
    FChecked = value;
    if (Kind() == BS_AUTORADIOBUTTON) {
        std::uint32_t style = Style();
        style = value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        SetWindowLongPtr(FHandle, GWL_STYLE, LONG_PTR(style));
    }
    InvalidateRect(FHandle, nullptr, !IsOwnerDraw());
}

void TButtonWindow::Clicked() {
    HWND self = FHandle;
    if (Kind() == BS_AUTORADIOBUTTON) {
        for (HWND h : RadioSiblings(self)) {
            TButtonWindow* b = ButtonOf(h);
            if (h != self && b && b->Kind() == BS_AUTORADIOBUTTON)
                SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        SendMessage(self, BM_SETCHECK, BST_CHECKED, 0);
    }
    Notify(BN_CLICKED);
}

void TButtonWindow::MoveInGroup(int step) {
    std::vector<HWND> group = RadioSiblings(FHandle);
    auto it = std::find(group.begin(), group.end(), FHandle);
    if (it == group.end() || group.size() < 2)
        return;
    std::size_t n = group.size();
    std::size_t i = std::size_t(it - group.begin());
    for (std::size_t k = 1; k < n; ++k) {
        HWND next = group[(i + n + (step > 0 ? k : n - k)) % n];
        if (!IsWindowVisible(next) || !IsWindowEnabled(next))
            continue;
        SetFocus(next);
        if (TButtonWindow* b = ButtonOf(next); b && b->Kind() == BS_AUTORADIOBUTTON)
            b->Clicked();
        return;
    }
}

void TButtonWindow::DrawItem(TDC& dc, UINT action) {
    TDrawItemStruct dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = UINT(Id());
    dis.itemAction = action;
    dis.itemState = (FPushed ? ODS_SELECTED : 0) | (Focused() ? ODS_FOCUS : 0) |
                    (FChecked ? ODS_CHECKED : 0) | (IsWindowEnabled(FHandle) ? 0 : ODS_DISABLED);
    dis.hwndItem = FHandle;
    dis.hDC = &dc;
    dis.rcItem = ClientRect();
    if (SendMessage(FHandle, CN_DRAWITEM, WPARAM(dis.CtlID), LPARAM(&dis)))
        return;
    HWND parent = GetParent(FHandle);
    if (parent)
        SendMessage(parent, WM_DRAWITEM, WPARAM(dis.CtlID), LPARAM(&dis));
}

void TButtonWindow::DrawItemNow(UINT action) {
    if (!IsWindowVisible(FHandle))
        return;
    TWindowDC dc(FHandle);
    if (dc)
        DrawItem(*dc, action);
}

void TButtonWindow::Paint(TDC& dc) {
    TRect r = ClientRect();
    dc.SelectFont(FFont);
    if (IsOwnerDraw())
        DrawItem(dc, ODA_DRAWENTIRE);
    else if (IsRadio())
        PaintRadio(dc, r);
    else
        PaintPush(dc, r);
}

void TButtonWindow::PaintPush(TDC& dc, const TRect& client) {
    TRect r = client;
    bool isDefault = Kind() == BS_DEFPUSHBUTTON;
    if (isDefault) {
        dc.FrameRect(r, TLogBrush{BS_SOLID, cl3DDkShadow, nullptr});
        r = r.Inflated(-1, -1);
    }
    if (FPushed) {
        dc.FrameRect(r, TLogBrush{BS_SOLID, clBtnShadow, nullptr});
        dc.FillRect(r.Inflated(-1, -1), clBtnFace);
    } else {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    TRect text = r.Inflated(-2, -2);
    if (FPushed)
        text = text.Offset(TPoint{1, 1});
    DrawEmbossedText(dc, GetWindowText(FHandle), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     IsWindowEnabled(FHandle), clBtnText);
    if (Focused())
        dc.DrawFocusRect(client.Inflated(-4, -4));
}

void TButtonWindow::PaintRadio(TDC& dc, const TRect& r) {
    int top = r.Top + (r.Height() - kRadioSize) / 2;
    bool leftText = Style() & BS_LEFTTEXT;
    int glyphLeft = leftText ? r.Right - kRadioSize : r.Left;
    TRect glyph(glyphLeft, top, glyphLeft + kRadioSize, top + kRadioSize);
    unsigned state = DFCS_BUTTONRADIO;
    if (FChecked)
        state |= DFCS_CHECKED;
    if (FPushed)
        state |= DFCS_PUSHED;
    if (!IsWindowEnabled(FHandle))
        state |= DFCS_INACTIVE;
    dc.DrawFrameControl(glyph, DFC_BUTTON, state);
    TRect text = leftText ? TRect(r.Left, r.Top, glyph.Left - 4, r.Bottom)
                          : TRect(glyph.Right + 4, r.Top, r.Right, r.Bottom);
    std::string caption = GetWindowText(FHandle);
    DrawEmbossedText(dc, caption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                     IsWindowEnabled(FHandle), clBtnText);
    if (Focused() && !caption.empty()) {
        TRect box = text;
        dc.DrawText(caption, box, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        int h = box.Height();
        box.Top = text.Top + (text.Height() - h) / 2;
        box.Bottom = box.Top + h;
        dc.DrawFocusRect(box.Inflated(1, 1).Intersected(r));
    }
}
