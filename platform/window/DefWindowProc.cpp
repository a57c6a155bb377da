#include "platform/core/Gbk.h"
#include "platform/draw/DC.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace {
HCURSOR CursorForHit(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return LoadCursor(nullptr, IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM:
        return LoadCursor(nullptr, IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return LoadCursor(nullptr, IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return LoadCursor(nullptr, IDC_SIZENESW);
    default:
        return LoadCursor(nullptr, IDC_ARROW);
    }
}

void SetTextOf(TWnd* w, const char* text) {
    w->Text = text ? text : "";
    HWND h = w->Handle;
    if (w->IsTopLevel() && w->HasSurface)
        GetBackend().SetSurfaceTitle(h, GbkToUtf8(w->Text));
    if (w->Style & WS_CAPTION)
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}
} // namespace

LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWnd* w = WndOf(wnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const TCreateStruct*>(lParam);
        if (cs && cs->lpszName)
            w->Text = cs->lpszName;
        return 1;
    }
    case WM_NCCALCSIZE: {
        auto* p = reinterpret_cast<TNcCalcSizeParams*>(lParam);
        if (p) {
            TRect r = p->rgrc[0];
            TRect c = DefaultClientRect(w, TRect(0, 0, r.Width(), r.Height()));
            p->rgrc[0] = c.Offset(r.TopLeft());
        }
        return 0;
    }
    case WM_SETTEXT:
        SetTextOf(w, reinterpret_cast<const char*>(lParam));
        return 1;
    case WM_GETTEXT: {
        char* buf = reinterpret_cast<char*>(lParam);
        if (!buf || wParam < 1)
            return 0;
        std::string_view t = GbkTruncate(w->Text, std::size_t(wParam) - 1);
        std::memcpy(buf, t.data(), t.size());
        buf[t.size()] = '\0';
        return LRESULT(t.size());
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(w->Text.size());
    case WM_CLOSE:
        DestroyWindow(wnd);
        return 0;
    case WM_ERASEBKGND: {
        auto* dc = reinterpret_cast<TDC*>(wParam);
        if (!dc || w->ClassBackground == clNoBackground)
            return 0;
        dc->FillRect(TRect(0, 0, w->Client.Width(), w->Client.Height()), w->ClassBackground);
        return 1;
    }
    case WM_PAINT:
        return 0;
    case WM_NCPAINT: {
        auto* dc = reinterpret_cast<TDC*>(wParam);
        if (dc)
            DrawClassicFrame(w, *dc);
        return 0;
    }
    case WM_NCACTIVATE:
        w->Active = wParam != 0;
        if (w->Style & WS_CAPTION)
            RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && w->IsTopLevel()) {
            HWND focus = GetFocus();
            if (focus != wnd && !IsChild(wnd, focus))
                SetFocus(wnd);
        }
        return 0;
    case WM_NCHITTEST:
        return DefaultNcHitTest(w, PointFromLParam(lParam));
    case WM_SETCURSOR: {
        if (w->Parent && SendMessage(w->Parent->Handle, WM_SETCURSOR, wParam, lParam))
            return 1;
        if (!(w = WndOf(wnd)))
            return 0;
        int hit = std::int16_t(LOWORD(WPARAM(lParam)));
        if (hit == HTCLIENT)
            SetCursor(w->ClassCursor ? w->ClassCursor : LoadCursor(nullptr, IDC_ARROW));
        else
            SetCursor(CursorForHit(hit));
        return 0;
    }
    case WM_NCLBUTTONDOWN: {
        int hit = int(wParam);
        if (hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) || hit == HTCLOSE ||
            hit == HTMINBUTTON || hit == HTMAXBUTTON)
            StartTracking(w, hit);
        return 0;
    }
    case WM_NCLBUTTONDBLCLK:
        if (int(wParam) == HTCAPTION) {
            if ((w->Style & WS_MAXIMIZEBOX) && w->IsTopLevel())
                SendMessage(wnd, WM_SYSCOMMAND, w->Maximized ? SC_RESTORE : SC_MAXIMIZE, lParam);
            return 0;
        }
        // Elsewhere on the frame a quick second press is just a press.
        return DefWindowProc(wnd, WM_NCLBUTTONDOWN, wParam, lParam);
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendMessage(wnd, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            ShowWindow(wnd, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(wnd, SW_MAXIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(wnd, SW_RESTORE);
            break;
        case SC_MOVE:
            StartTracking(w, HTCAPTION);
            break;
        default:
            break;
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (int(wParam) == VK_F4 && (GetKeyState(VK_MENU) & 0x8000)) {
            TWnd* top = TopLevelOf(w);
            SendMessage(top->Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else if (int(wParam) == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)) {
            // Shift+F10 asks for the context menu from the keyboard: no point (-1, -1).
            SendMessage(wnd, WM_CONTEXTMENU, WPARAM(wnd), LPARAM(-1));
        }
        return 0;
    case WM_KEYDOWN:
        if (int(wParam) == VK_APPS)
            SendMessage(wnd, WM_CONTEXTMENU, WPARAM(wnd), LPARAM(-1));
        return 0;
    case WM_RBUTTONUP: {
        TPoint p = PointFromLParam(lParam);
        ClientToScreen(wnd, &p);
        SendMessage(wnd, WM_CONTEXTMENU, WPARAM(wnd), PointToLParam(p));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if (w->Parent)
            return SendMessage(w->Parent->Handle, msg, wParam, lParam);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const TWindowPos*>(lParam);
        if (!pos)
            return 0;
        if (!(pos->flags & SWP_NOMOVE)) {
            TPoint co = w->Rect.TopLeft() + w->Client.TopLeft();
            SendMessage(wnd, WM_MOVE, 0, MAKELPARAM(co.X, co.Y));
            if (!(w = WndOf(wnd)))
                return 0;
        }
        if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED)) {
            WPARAM kind = w->Minimized   ? SIZE_MINIMIZED
                          : w->Maximized ? SIZE_MAXIMIZED
                                         : SIZE_RESTORED;
            SendMessage(wnd, WM_SIZE, kind, MAKELPARAM(w->Client.Width(), w->Client.Height()));
        }
        return 0;
    }
    case WM_CANCELMODE:
        if (TWindowSystem::Get().Tracking.Wnd == wnd)
            CancelTracking(); // a move or resize of this window ends where it is
        if (GetCapture() == wnd)
            ReleaseCapture();
        return 0;
    case WM_MOUSEACTIVATE:
        return 1;
    default:
        return 0;
    }
}
