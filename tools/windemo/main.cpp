// windemo: a window with a few child windows on the desktop backend, to try dragging, focus,
// capture, timers and modal windows by hand.
//
//   - drag the caption (or the dark strip of the frameless window) to move a window; drag the
//     frameless window's dark border to resize it;
//   - click a box to focus it, then type: each typed byte shows as a bar (double-byte
//     characters as two taller bars), Backspace removes one;
//   - press the button and slide off it: it stays pressed only while the pointer is over it
//     (capture); releasing over it opens a modal window that disables the main one;
//   - the strip at the bottom moves on a timer;
//   - the close button or Alt+F4 closes; closing the main window ends the program.

#include "platform/backend/sdl/SdlBackend.h"
#include "platform/draw/DC.h"
#include "platform/window/WinApi.h"

#include <string>

namespace {
constexpr TColor kFace = clBtnFace;
HWND gMain = nullptr;

TDC& DcOf(WPARAM w) {
    return *reinterpret_cast<TDC*>(w);
}

void Bevel(TDC& dc, const TRect& r, bool sunken) {
    TColor a = sunken ? clBtnShadow : clBtnHighlight;
    TColor b = sunken ? clBtnHighlight : cl3DDkShadow;
    dc.FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1), a);
    dc.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom), a);
    dc.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), b);
    dc.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom), b);
}

// A box that takes the focus and shows what was typed into it.
struct TBoxState {
    std::string Typed;
};

LRESULT BoxProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* st = static_cast<TBoxState*>(GetProp(h, "box"));
    switch (m) {
    case WM_CREATE:
        SetProp(h, "box", new TBoxState);
        return 0;
    case WM_NCDESTROY:
        delete static_cast<TBoxState*>(RemoveProp(h, "box"));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(h);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(h, nullptr, true);
        return 0;
    case WM_CHAR:
        if (!st)
            return 0;
        if (w == 8) {
            if (!st->Typed.empty())
                st->Typed.pop_back();
        } else if (w >= 32) {
            st->Typed.push_back(char(w));
        } else {
            MessageBeep(MB_OK);
        }
        InvalidateRect(h, nullptr, true);
        return 0;
    case WM_PAINT: {
        TDC& dc = DcOf(w);
        TRect r;
        GetClientRect(h, &r);
        bool focused = GetFocus() == h;
        dc.FillRect(r, focused ? RGB(255, 255, 224) : RGB(255, 255, 255));
        Bevel(dc, r, true);
        int x = 4;
        if (st) {
            for (unsigned char c : st->Typed) {
                int height = c >= 0x80 ? r.Height() - 8 : (r.Height() - 8) / 2;
                dc.FillRect(TRect(x, r.Bottom - 4 - height, x + 2, r.Bottom - 4),
                            c >= 0x80 ? RGB(160, 0, 0) : RGB(0, 0, 0));
                x += 4;
            }
        }
        if (focused) // the caret
            dc.FillRect(TRect(x, 4, x + 1, r.Bottom - 4), RGB(0, 0, 0));
        return 0;
    }
    default:
        return DefWindowProc(h, m, w, l);
    }
}

// A push button: pressed while captured and under the pointer.
LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    TRect r;
    GetClientRect(h, &r);
    bool down = GetProp(h, "down") != nullptr;
    switch (m) {
    case WM_LBUTTONDOWN:
        SetCapture(h);
        SetProp(h, "down", h);
        InvalidateRect(h, nullptr, false);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == h) {
            bool inside = r.Contains(PointFromLParam(l));
            if (inside != down) {
                SetProp(h, "down", inside ? h : nullptr);
                InvalidateRect(h, nullptr, false);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == h) {
            ReleaseCapture();
            SetProp(h, "down", nullptr);
            InvalidateRect(h, nullptr, false);
            if (down)
                PostMessage(GetParent(h), WM_COMMAND, WPARAM(GetWindowLongPtr(h, GWL_ID)),
                            reinterpret_cast<LPARAM>(h));
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (down) {
            SetProp(h, "down", nullptr);
            InvalidateRect(h, nullptr, false);
        }
        return 0;
    case WM_PAINT: {
        TDC& dc = DcOf(w);
        dc.FillRect(r, kFace);
        Bevel(dc, r, down);
        int o = down ? 1 : 0;
        // A small triangle instead of a text.
        TPoint c = r.CenterPoint();
        for (int i = 0; i < 6; ++i)
            dc.FillRect(TRect(c.X - 3 + o + i, c.Y - 6 + o + i, c.X - 2 + o + i, c.Y + 6 + o - i),
                        RGB(0, 0, 128));
        return 0;
    }
    default:
        return DefWindowProc(h, m, w, l);
    }
}

// A strip with a block that moves on a timer.
LRESULT TickerProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_CREATE:
        SetTimer(h, 1, 40, nullptr);
        return 0;
    case WM_TIMER: {
        auto pos = GetWindowLongPtr(h, GWL_USERDATA);
        SetWindowLongPtr(h, GWL_USERDATA, pos + 3);
        InvalidateRect(h, nullptr, false);
        return 0;
    }
    case WM_PAINT: {
        TDC& dc = DcOf(w);
        TRect r;
        GetClientRect(h, &r);
        dc.FillRect(r, RGB(0, 64, 0));
        int span = std::max(r.Width() - 20, 1);
        int x = int(GetWindowLongPtr(h, GWL_USERDATA) % (2 * span));
        if (x >= span)
            x = 2 * span - x;
        dc.FillRect(TRect(x, 2, x + 20, r.Bottom - 2), RGB(0, 220, 0));
        return 0;
    }
    default:
        return DefWindowProc(h, m, w, l);
    }
}

// The frameless window moves by its dark strip the way a skinned title bar does it, and its
// 4-pixel border is its own resize zone. Its corners are cut off by a window region.
int FramelessHit(HWND h, LPARAM l) {
    TPoint p = PointFromLParam(l);
    ScreenToClient(h, &p);
    TRect c;
    GetClientRect(h, &c);
    bool left = p.X < 4, right = p.X >= c.Right - 4, top = p.Y < 4, bottom = p.Y >= c.Bottom - 4;
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    return HTCLIENT;
}

void CutCorners(HWND h) {
    TRect c;
    GetClientRect(h, &c);
    TRegion shape(c);
    for (TRect corner :
         {TRect(0, 0, 2, 2), TRect(c.Right - 2, 0, c.Right, 2), TRect(0, c.Bottom - 2, 2, c.Bottom),
          TRect(c.Right - 2, c.Bottom - 2, c.Right, c.Bottom)})
        shape.Subtract(TRegion(corner));
    SetWindowRgn(h, &shape, true);
}

LRESULT FramelessProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_NCHITTEST:
        return FramelessHit(h, l);
    case WM_GETMINMAXINFO:
        reinterpret_cast<TMinMaxInfo*>(l)->ptMinTrackSize = {100, 60};
        return 0;
    case WM_SIZE:
        CutCorners(h);
        return 0;
    case WM_LBUTTONDOWN:
        if (GET_Y_LPARAM(l) < 16) {
            ReleaseCapture();
            SendMessage(h, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
        return 0;
    case WM_PAINT: {
        TDC& dc = DcOf(w);
        TRect r;
        GetClientRect(h, &r);
        dc.FillRect(r, RGB(40, 60, 120));
        dc.FillRect(TRect(4, 16, r.Right - 4, r.Bottom - 4), RGB(200, 220, 255));
        return 0;
    }
    default:
        return DefWindowProc(h, m, w, l);
    }
}

LRESULT ModalProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND) {
        EndModalLoop(h, 1);
        return 0;
    }
    if (m == WM_CLOSE) { // closing hides a modal window
        ShowWindow(h, SW_HIDE);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND: {
        HWND dlg = CreateWindowEx(0, "DemoModal", "Modal", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                  200, 120, h, 0, nullptr);
        CreateWindowEx(0, "DemoButton", "", WS_CHILD | WS_VISIBLE, 70, 40, 60, 26, dlg, 1, nullptr);
        CenterWindow(dlg, h);
        RunModalLoop(dlg);
        DestroyWindow(dlg);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(h, m, w, l);
    }
}

void Register(const char* name, WNDPROC proc, std::uint32_t background, HCURSOR cursor) {
    TWndClass wc;
    wc.lpszClassName = name;
    wc.lpfnWndProc = proc;
    wc.hbrBackground = background;
    wc.hCursor = cursor;
    RegisterClass(wc);
}
} // namespace

int main(int argc, char** argv) {
    // --still leaves the timer strip out, so that nothing is due while nobody touches it.
    bool still = argc > 1 && std::string(argv[1]) == "--still";
    StartWindowSystem(CreateSdlBackendOrExit("windemo"));
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    Register("DemoMain", MainProc, kFace, arrow);
    Register("DemoBox", BoxProc, clNoBackground, LoadCursor(nullptr, IDC_IBEAM));
    Register("DemoButton", ButtonProc, clNoBackground, LoadCursor(nullptr, IDC_HAND));
    Register("DemoTicker", TickerProc, clNoBackground, arrow);
    Register("DemoFrameless", FramelessProc, clNoBackground, arrow);
    Register("DemoModal", ModalProc, kFace, arrow);

    gMain = CreateWindowEx(0, "DemoMain", "\xB4\xB0\xBF\xDA\xD1\xDD\xCA\xBE" /* GBK */,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 320, 220,
                           nullptr, 0, nullptr);
    CreateWindowEx(0, "DemoBox", "", WS_CHILD | WS_VISIBLE, 12, 12, 200, 26, gMain, 10, nullptr);
    CreateWindowEx(0, "DemoBox", "", WS_CHILD | WS_VISIBLE, 12, 48, 200, 26, gMain, 11, nullptr);
    CreateWindowEx(0, "DemoButton", "", WS_CHILD | WS_VISIBLE, 224, 12, 72, 62, gMain, 12, nullptr);
    if (!still)
        CreateWindowEx(0, "DemoTicker", "", WS_CHILD | WS_VISIBLE, 12, 150, 284, 24, gMain, 13,
                       nullptr);
    CenterWindow(gMain, nullptr);
    ShowWindow(gMain, SW_SHOW);

    HWND frameless = CreateWindowEx(WS_EX_TOOLWINDOW, "DemoFrameless", "frameless", WS_POPUP, 40,
                                    40, 160, 90, gMain, 0, nullptr);
    ShowWindow(frameless, SW_SHOWNA);

    TMsg msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    ShutdownWindowSystem();
    return int(msg.wParam);
}
