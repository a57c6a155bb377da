#include "platform/window/MenuWindow.h"

#include "platform/core/PixelBuffer.h"
#include "platform/draw/DC.h"
#include "platform/draw/SystemFonts.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr int kMinRowHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kBorder = 3;
constexpr int kTextIndent = 18; // room for the check mark
constexpr int kTextRightRoom = 24;
constexpr const char* kTrackProp = "TMenuTrack";

// What one open menu knows: its rows and where they are, the highlighted row and the outcome.
class TMenuTrack {
public:
    TMenuTrack(const std::vector<TMenuRow>& rows, const TMenuTrackOptions& options)
        : Rows(rows), Options(options) {}

    // Places the rows and answers the client size the menu needs.
    TSize Layout();
    void Paint(HWND wnd, TDC& dc) const;
    void MouseMove(HWND wnd, TPoint client);
    void ButtonDown(HWND wnd, TPoint client);
    void ButtonUp(TPoint client);
    // A key pressed while the menu is open.
    void Key(HWND wnd, int vk);
    void Dismiss() { Done = true; }

    bool Done = false;
    int Result = -1;

private:
    bool Choosable(int i) const {
        const TMenuRow& r = Rows[std::size_t(i)];
        return !r.Separator && r.Enabled;
    }
    bool KeyStop(int i) const {
        const TMenuRow& r = Rows[std::size_t(i)];
        return !r.Separator && (r.Enabled || !Options.SkipDisabled);
    }
    int RowAt(TPoint client) const;
    void SetHot(HWND wnd, int hot);
    void Choose(int i);
    // Moves the highlight by step rows to the next row the keyboard stops at; from no
    // highlight, Down starts at the first row and Up at the last.
    void MoveHot(HWND wnd, int step);
    void Accelerator(HWND wnd, char key);
    void PaintRow(TDC& dc, int i) const;

    std::vector<TMenuRow> Rows;
    TMenuTrackOptions Options;
    std::vector<TRect> RowRects; // client coordinates
    int Hot = -1;
};

TSize TMenuTrack::Layout() {
    TMenuLayout layout = LayoutMenu(Rows);
    RowRects = std::move(layout.Rows);
    return layout.Client;
}

int TMenuTrack::RowAt(TPoint p) const {
    for (std::size_t i = 0; i < RowRects.size(); ++i)
        if (RowRects[i].Contains(p) && !Rows[i].Separator)
            return int(i);
    return -1;
}

void TMenuTrack::SetHot(HWND wnd, int hot) {
    if (Hot == hot)
        return;
    Hot = hot;
    InvalidateRect(wnd, nullptr, false);
}

void TMenuTrack::Choose(int i) {
    if (i < 0 || !Choosable(i))
        return;
    Result = i;
    Done = true;
}

void TMenuTrack::MoveHot(HWND wnd, int step) {
    int n = int(Rows.size());
    int i = Hot;
    for (int k = 0; k < n; ++k) {
        i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
        if (KeyStop(i)) {
            SetHot(wnd, i);
            return;
        }
    }
}

void TMenuTrack::Accelerator(HWND wnd, char key) {
    std::vector<int> matches;
    for (int i = 0; i < int(Rows.size()); ++i)
        if (Choosable(i) && MenuAccelerator(Rows[std::size_t(i)].Text) == key)
            matches.push_back(i);
    if (matches.size() == 1) {
        Choose(matches.front());
        return;
    }
    // Several rows share the letter: each press highlights the next of them.
    for (int i : matches)
        if (i > Hot) {
            SetHot(wnd, i);
            return;
        }
    if (!matches.empty())
        SetHot(wnd, matches.front());
}

void TMenuTrack::Key(HWND wnd, int vk) {
    switch (vk) {
    case VK_UP:
        MoveHot(wnd, -1);
        return;
    case VK_DOWN:
        MoveHot(wnd, 1);
        return;
    case VK_HOME:
        SetHot(wnd, -1);
        MoveHot(wnd, 1);
        return;
    case VK_END:
        SetHot(wnd, -1);
        MoveHot(wnd, -1);
        return;
    case VK_RETURN:
    case VK_SPACE:
        Choose(Hot);
        return;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10:
        Dismiss();
        return;
    default:
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            Accelerator(wnd, char(vk));
        return;
    }
}

void TMenuTrack::MouseMove(HWND wnd, TPoint p) {
    TRect client;
    GetClientRect(wnd, &client);
    SetHot(wnd, client.Contains(p) ? RowAt(p) : -1);
}

void TMenuTrack::ButtonDown(HWND wnd, TPoint p) {
    TRect client;
    GetClientRect(wnd, &client);
    if (!client.Contains(p))
        Dismiss();
}

void TMenuTrack::ButtonUp(TPoint p) {
    Choose(RowAt(p));
}

void DrawCheckMark(TDC& dc, const TRect& row, TColor color) {
    // A tick of two strokes, two pixels thick, centred in the indent.
    int x = row.Left + 4;
    int y = row.Top + row.Height() / 2 - 1;
    for (int d = 0; d < 2; ++d) {
        for (int i = 0; i < 3; ++i)
            dc.FillRect(TRect(x + i, y + i + d, x + i + 1, y + i + d + 1), color);
        for (int i = 0; i < 5; ++i)
            dc.FillRect(TRect(x + 3 + i, y + 1 - i + d, x + 4 + i, y + 2 - i + d), color);
    }
}

void TMenuTrack::PaintRow(TDC& dc, int i) const {
    const TMenuRow& row = Rows[std::size_t(i)];
    TRect r = RowRects[std::size_t(i)];
    if (row.Separator) {
        int y = r.Top + r.Height() / 2 - 1;
        dc.FillRect(TRect(r.Left + 1, y, r.Right - 1, y + 1), clBtnShadow);
        dc.FillRect(TRect(r.Left + 1, y + 1, r.Right - 1, y + 2), clBtnHighlight);
        return;
    }
    bool hot = i == Hot;
    if (hot)
        dc.FillRect(r, clHighlight);
    TColor text = !row.Enabled ? clGrayText : hot ? clHighlightText : MenuTextColor();
    TRect tr(r.Left + kTextIndent, r.Top, r.Right - 4, r.Bottom);
    if (!row.Enabled && !hot) {
        // Greyed text stands out of the menu as if embossed.
        TRect shadow = tr.Offset(1, 1);
        dc.SetTextColor(clBtnHighlight);
        dc.DrawText(row.Text, shadow, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SetTextColor(text);
    dc.DrawText(row.Text, tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (row.Checked)
        DrawCheckMark(dc, r, text);
}

void TMenuTrack::Paint(HWND wnd, TDC& dc) const {
    TRect r;
    GetClientRect(wnd, &r);
    dc.FillRect(r, clMenu);
    TRect edge = r;
    dc.DrawEdge(edge, EDGE_RAISED, BF_RECT);
    dc.SelectFont(GetMenuLogFont());
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < int(Rows.size()); ++i)
        PaintRow(dc, i);
}

TMenuTrack* TrackOf(HWND wnd) {
    return static_cast<TMenuTrack*>(GetProp(wnd, kTrackProp));
}

LRESULT MenuWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMenuTrack* t = TrackOf(wnd);
    if (!t)
        return DefWindowProc(wnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT:
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            t->Paint(wnd, *dc);
        return 0;
    case WM_MOUSEMOVE:
        t->MouseMove(wnd, PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        t->ButtonDown(wnd, PointFromLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        t->ButtonUp(PointFromLParam(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != wnd)
            t->Dismiss();
        return 0;
    case WM_CANCELMODE:
        t->Dismiss();
        return 0;
    default:
        return DefWindowProc(wnd, msg, wParam, lParam);
    }
}

void EnsureMenuClass() {
    TWndClass existing;
    if (GetClassInfo(kMenuWindowClass, &existing))
        return;
    TWndClass wc;
    wc.lpfnWndProc = &MenuWindowProc;
    wc.lpszClassName = kMenuWindowClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

// Where a menu of the given size opens for a point: right of and below it where there is room,
// else left of or above it, always inside the work area.
TPoint MenuOrigin(TPoint at, TSize size) {
    TRect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    int x = at.X;
    if (x + size.cx > area.Right)
        x = at.X - size.cx;
    int y = at.Y;
    if (y + size.cy > area.Bottom)
        y = at.Y - size.cy;
    x = std::max(area.Left, std::min(x, area.Right - size.cx));
    y = std::max(area.Top, std::min(y, area.Bottom - size.cy));
    return {x, y};
}

// Takes every key while the menu is open; removes itself and the window however the loop ends.
class TMenuSession {
public:
    TMenuSession(HWND menu, TMenuTrack& track) : Menu(menu) {
        SetProp(menu, kTrackProp, &track);
        Hook = AddMessageHook([menu, &track](TMsg& msg, bool& handled) {
            switch (msg.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                handled = true;
                track.Key(menu, int(msg.wParam));
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
            case WM_CHAR:
            case WM_SYSCHAR:
                handled = true;
                break;
            default:
                break;
            }
        });
    }
    ~TMenuSession() {
        RemoveMessageHook(Hook);
        if (IsWindow(Menu)) {
            RemoveProp(Menu, kTrackProp);
            if (GetCapture() == Menu)
                ReleaseCapture();
            DestroyWindow(Menu);
        }
    }
    TMenuSession(const TMenuSession&) = delete;
    TMenuSession& operator=(const TMenuSession&) = delete;

private:
    HWND Menu;
    int Hook = 0;
};
} // namespace

TMenuLayout LayoutMenu(const std::vector<TMenuRow>& rows) {
    TPixelBuffer buffer(1, 1);
    TDC dc(buffer);
    dc.SelectFont(GetMenuLogFont());
    int rowHeight = std::max(kMinRowHeight, dc.GetTextMetrics().Height + 4);
    int textWidth = 0;
    int y = kBorder;
    TMenuLayout layout;
    for (const TMenuRow& row : rows) {
        int h = row.Separator ? kSeparatorHeight : rowHeight;
        if (!row.Separator) {
            TRect calc(0, 0, 1000, 0);
            dc.DrawText(row.Text, calc, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
            textWidth = std::max(textWidth, calc.Width());
        }
        layout.Rows.push_back(TRect(kBorder, y, 0, y + h));
        y += h;
    }
    int width = textWidth + kTextIndent + kTextRightRoom + 2 * kBorder;
    for (TRect& r : layout.Rows)
        r.Right = width - kBorder;
    layout.Client = {width, y + kBorder};
    return layout;
}

char MenuAccelerator(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x81 && c <= 0xFE) {
            ++i; // a double-byte character: its second byte is no '&'
            continue;
        }
        if (c != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return char(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

int TrackMenuWindow(HWND owner, TPoint screen, const std::vector<TMenuRow>& rows,
                    const TMenuTrackOptions& options) {
    if (rows.empty())
        return -1;
    EnsureMenuClass();
    TMenuTrack track(rows, options);
    TSize size = track.Layout();
    TPoint at = MenuOrigin(screen, size);
    HWND menu =
        CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kMenuWindowClass, "",
                       WS_POPUP, at.X, at.Y, size.cx, size.cy, owner, 0, nullptr);
    if (!menu)
        return -1;
    TMenuSession session(menu, track);
    HWND active = GetActiveWindow();
    ShowWindow(menu, SW_SHOWNOACTIVATE);
    SetCapture(menu);
    auto open = [&] {
        return !track.Done && IsWindow(menu) && (!owner || IsWindow(owner)) &&
               GetActiveWindow() == active;
    };
    while (open()) {
        TMsg msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                break;
            }
            TranslateAndDispatch(msg);
        } else {
            WaitMessage(-1);
        }
    }
    return track.Done ? track.Result : -1;
}
