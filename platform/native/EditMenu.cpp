#include "platform/native/EditMenu.h"

#include "platform/core/Gbk.h"
#include "platform/draw/DC.h"
#include "platform/draw/SystemFonts.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kBorder = 3;
constexpr int kTextIndent = 18;

struct TMenuState {
    std::vector<TEditMenuItem> Items;
    std::vector<TRect> ItemRects; // client coordinates
    int Hot = -1;
    bool Done = false;
    int Result = 0;
};

TMenuState* StateOf(HWND wnd) {
    return static_cast<TMenuState*>(GetProp(wnd, "TMenuState"));
}

int ItemAt(const TMenuState& s, TPoint p) {
    for (std::size_t i = 0; i < s.ItemRects.size(); ++i)
        if (s.ItemRects[i].Contains(p) && !s.Items[i].Text.empty())
            return int(i);
    return -1;
}

void SetHot(HWND wnd, TMenuState& s, int hot) {
    if (s.Hot == hot)
        return;
    s.Hot = hot;
    InvalidateRect(wnd, nullptr, false);
}

void Choose(TMenuState& s, int index) {
    if (index < 0 || !s.Items[std::size_t(index)].Enabled)
        return;
    s.Result = s.Items[std::size_t(index)].Command;
    s.Done = true;
}

void MoveHot(HWND wnd, TMenuState& s, int step) {
    int n = int(s.Items.size());
    int i = s.Hot;
    for (int k = 0; k < n; ++k) {
        i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
        if (!s.Items[std::size_t(i)].Text.empty()) {
            SetHot(wnd, s, i);
            return;
        }
    }
}

char AcceleratorOf(const std::string& text) {
    std::size_t amp = text.find('&');
    if (amp == std::string::npos || amp + 1 >= text.size())
        return 0;
    return char(std::toupper(static_cast<unsigned char>(text[amp + 1])));
}

void Paint(HWND wnd, TDC& dc, TMenuState& s) {
    TRect r;
    GetClientRect(wnd, &r);
    dc.FillRect(r, clMenu);
    TRect edge = r;
    dc.DrawEdge(edge, EDGE_RAISED, BF_RECT);
    dc.SelectFont(GetMenuLogFont());
    dc.SetBkMode(TRANSPARENT);
    for (std::size_t i = 0; i < s.Items.size(); ++i) {
        const TEditMenuItem& item = s.Items[i];
        TRect ir = s.ItemRects[i];
        if (item.Text.empty()) {
            int y = ir.Top + ir.Height() / 2 - 1;
            dc.FillRect(TRect(ir.Left + 1, y, ir.Right - 1, y + 1), clBtnShadow);
            dc.FillRect(TRect(ir.Left + 1, y + 1, ir.Right - 1, y + 2), clBtnHighlight);
            continue;
        }
        bool hot = int(i) == s.Hot;
        if (hot)
            dc.FillRect(ir, clHighlight);
        TRect tr(ir.Left + kTextIndent, ir.Top, ir.Right - 4, ir.Bottom);
        if (!item.Enabled) {
            if (!hot) {
                TRect shadow = tr.Offset(1, 1);
                dc.SetTextColor(clBtnHighlight);
                dc.DrawText(item.Text, shadow, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            }
            dc.SetTextColor(clGrayText);
        } else {
            dc.SetTextColor(hot ? clHighlightText : MenuTextColor());
        }
        dc.DrawText(item.Text, tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

LRESULT MenuProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMenuState* s = StateOf(wnd);
    if (!s)
        return DefWindowProc(wnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT:
        if (auto* dc = reinterpret_cast<TDC*>(wParam))
            Paint(wnd, *dc, *s);
        return 0;
    case WM_MOUSEMOVE: {
        TRect r;
        GetClientRect(wnd, &r);
        TPoint p = PointFromLParam(lParam);
        if (r.Contains(p))
            SetHot(wnd, *s, ItemAt(*s, p));
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        TRect r;
        GetClientRect(wnd, &r);
        if (!r.Contains(PointFromLParam(lParam)))
            s->Done = true;
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        int i = ItemAt(*s, PointFromLParam(lParam));
        if (i >= 0)
            Choose(*s, i);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != wnd)
            s->Done = true;
        return 0;
    default:
        return DefWindowProc(wnd, msg, wParam, lParam);
    }
}

void EnsureMenuClass() {
    TWndClass existing;
    if (GetClassInfo(kEditMenuClass, &existing))
        return;
    TWndClass wc;
    wc.lpfnWndProc = &MenuProc;
    wc.lpszClassName = kEditMenuClass;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}
} // namespace

std::vector<TEditMenuItem> EditMenuItems(const TEditCommandStates& st) {
    return {
        {Utf8ToGbk("撤消(&U)"), IDM_UNDO, st.Undo},
        {"", 0, false},
        {Utf8ToGbk("剪切(&T)"), IDM_CUT, st.Cut},
        {Utf8ToGbk("复制(&C)"), IDM_COPY, st.Copy},
        {Utf8ToGbk("粘贴(&P)"), IDM_PASTE, st.Paste},
        {Utf8ToGbk("删除(&D)"), IDM_DELETE, st.Delete},
        {"", 0, false},
        {Utf8ToGbk("全选(&A)"), IDM_SELECTALL, st.SelectAll},
    };
}

int TrackEditMenu(HWND owner, TPoint screen, const std::vector<TEditMenuItem>& items) {
    EnsureMenuClass();
    TMenuState state;
    state.Items = items;
    TMeasureDC m(GetMenuLogFont());
    int width = 0;
    int y = kBorder;
    for (const TEditMenuItem& item : items) {
        int h = item.Text.empty() ? kSeparatorHeight : kItemHeight;
        TRect calc(0, 0, 1000, 0);
        if (!item.Text.empty())
            m.DC().DrawText(item.Text, calc, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        width = std::max(width, calc.Width());
        state.ItemRects.push_back(TRect(kBorder, y, 0, y + h));
        y += h;
    }
    int clientWidth = width + kTextIndent + 24 + 2 * kBorder;
    for (TRect& r : state.ItemRects)
        r.Right = clientWidth - kBorder;
    int clientHeight = y + kBorder;
    TRect screenRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    int x = std::clamp(screen.X, screenRect.Left, std::max(0, screenRect.Right - clientWidth));
    int top = screen.Y;
    if (top + clientHeight > screenRect.Bottom)
        top = std::max(screenRect.Top, screen.Y - clientHeight);

    HWND menu = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kEditMenuClass,
                               "", WS_POPUP, x, top, clientWidth, clientHeight, owner, 0, nullptr);
    if (!menu)
        return 0;
    SetProp(menu, "TMenuState", &state);
    ShowWindow(menu, SW_SHOWNOACTIVATE);
    SetCapture(menu);
    int hook = AddMessageHook([&state, menu](TMsg& msg, bool& handled) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            handled = true;
            switch (int(msg.wParam)) {
            case VK_UP:
                MoveHot(menu, state, -1);
                break;
            case VK_DOWN:
                MoveHot(menu, state, 1);
                break;
            case VK_RETURN:
                Choose(state, state.Hot);
                break;
            case VK_ESCAPE:
            case VK_MENU:
                state.Done = true;
                break;
            default: {
                // The letter keys choose by accelerator (the typed character that follows is
                // swallowed below).
                char c = char(msg.wParam);
                if (c >= 'A' && c <= 'Z')
                    for (std::size_t i = 0; i < state.Items.size(); ++i)
                        if (AcceleratorOf(state.Items[i].Text) == c)
                            Choose(state, int(i));
                break;
            }
            }
        } else if (msg.message == WM_CHAR || msg.message == WM_KEYUP ||
                   msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR) {
            handled = true;
        }
    });
    while (!state.Done && IsWindow(menu) && (!owner || IsWindow(owner))) {
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
    RemoveMessageHook(hook);
    if (IsWindow(menu)) {
        RemoveProp(menu, "TMenuState");
        if (GetCapture() == menu)
            ReleaseCapture();
        DestroyWindow(menu);
    }
    return state.Done ? state.Result : 0;
}
