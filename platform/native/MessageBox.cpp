#include "platform/native/MessageBox.h"

#include "platform/draw/DC.h"
#include "platform/draw/SystemFonts.h"
#include "platform/native/NativeConst.h"
#include "platform/native/NativeWindow.h"
#include "platform/window/WinApi.h"

#include <algorithm>

namespace {
constexpr const char* kBoxClass = "PetCalcMessageBox";
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMinClientWidth = 120;
constexpr unsigned kTextFormat = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
const char* const kOkText = "\xC8\xB7\xB6\xA8"; // 确定

struct TBoxData {
    std::string Text;
    std::string Caption;
    bool Icon = false;
    TRect TextRect;
    TRect IconRect;
    HWND Button = nullptr;
};

TBoxData* DataOf(HWND wnd) {
    return static_cast<TBoxData*>(GetProp(wnd, "TBoxData"));
}

void DrawErrorIcon(TDC& dc, const TRect& r) {
    dc.SelectPen(TLogPen{PS_SOLID, 1, RGB(128, 0, 0)});
    dc.SelectBrush(TLogBrush{BS_SOLID, RGB(220, 0, 0), nullptr});
    dc.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    dc.SelectPen(TLogPen{PS_SOLID, 3, clWhite});
    int inset = r.Width() * 3 / 10;
    dc.MoveToEx(r.Left + inset, r.Top + inset);
    dc.LineTo(r.Right - inset, r.Bottom - inset);
    dc.MoveToEx(r.Right - inset - 1, r.Top + inset);
    dc.LineTo(r.Left + inset - 1, r.Bottom - inset);
}

LRESULT BoxProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TBoxData* d = DataOf(wnd);
    switch (msg) {
    case WM_PAINT: {
        auto* dc = reinterpret_cast<TDC*>(wParam);
        if (!dc || !d)
            return 0;
        if (d->Icon)
            DrawErrorIcon(*dc, d->IconRect);
        dc->SelectFont(GetMessageLogFont());
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(clWindowText);
        TRect r = d->TextRect;
        dc->DrawText(d->Text, r, kTextFormat);
        return 0;
    }
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        if (d && d->Button && (msg == WM_SETFOCUS || LOWORD(wParam) != WA_INACTIVE))
            SetFocus(d->Button);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED)
            EndModalLoop(wnd, IDOK);
        return 0;
    case WM_CLOSE:
        EndModalLoop(wnd, IDOK);
        return 0;
    default:
        return DefWindowProc(wnd, msg, wParam, lParam);
    }
}

void EnsureBoxClass() {
    TWndClass existing;
    if (GetClassInfo(kBoxClass, &existing))
        return;
    TWndClass wc;
    wc.lpfnWndProc = &BoxProc;
    wc.lpszClassName = kBoxClass;
    wc.hbrBackground = clBtnFace;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

// Lays the box out: the client size it needs and where the icon, text and button go.
TSize Layout(TBoxData& d) {
    TMeasureDC m(GetMessageLogFont());
    TRect screen;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &screen, 0);
    int maxTextWidth = std::max(200, screen.Width() * 3 / 4 - 2 * kMargin - kIconSize);
    TRect text(0, 0, maxTextWidth, 0);
    m.DC().DrawText(d.Text.empty() ? std::string_view(" ") : std::string_view(d.Text), text,
                    kTextFormat | DT_CALCRECT);
    int captionWidth = m.TextWidth(d.Caption) + 60; // the caption and its close button
    int left = kMargin;
    if (d.Icon) {
        d.IconRect = TRect(kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize);
        left = d.IconRect.Right + kMargin;
    }
    int top = kMargin;
    if (d.Icon && text.Height() < kIconSize)
        top += (kIconSize - text.Height()) / 2;
    d.TextRect = TRect(left, top, left + text.Width(), top + text.Height());
    int contentBottom = std::max(d.TextRect.Bottom, d.Icon ? d.IconRect.Bottom : 0);
    int width = std::max({d.TextRect.Right + kMargin, kButtonWidth + 2 * kMargin, kMinClientWidth,
                          std::min(captionWidth, screen.Width())});
    int height = contentBottom + kMargin + kButtonHeight + kMargin;
    return {width, height};
}
} // namespace

std::string MessageBoxClipboardText(const std::string& text, const std::string& caption) {
    return caption + "\r\n" + text;
}

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    RegisterNativeClasses();
    EnsureBoxClass();
    TBoxData data;
    data.Text = text;
    data.Caption = caption;
    data.Icon = (type & MB_ICONERROR) != 0;
    TSize client = Layout(data);

    HWND box = CreateWindowEx(WS_EX_DLGMODALFRAME, kBoxClass, caption.c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, client.cx, client.cy, owner,
                              0, nullptr);
    if (!box)
        return 0;
    SetProp(box, "TBoxData", &data);
    // Grow the window by its frame so that the client area has the size the layout needs.
    TRect wr, cr;
    GetWindowRect(box, &wr);
    GetClientRect(box, &cr);
    MoveWindow(box, 0, 0, client.cx + wr.Width() - cr.Width(),
               client.cy + wr.Height() - cr.Height(), false);
    CenterWindow(box, nullptr);
    data.Button = CreateWindowEx(
        0, kButtonClass, kOkText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        (client.cx - kButtonWidth) / 2, client.cy - kMargin - kButtonHeight, kButtonWidth,
        kButtonHeight, box, IDOK, nullptr);

    // Keys the box answers wherever its focus is: Escape and Enter close it, Ctrl+C copies.
    int hook = AddMessageHook([box, &data](TMsg& m, bool& handled) {
        if (m.message != WM_KEYDOWN || (m.hwnd != box && !IsChild(box, m.hwnd)))
            return;
        int vk = int(m.wParam);
        bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        if (vk == VK_ESCAPE || vk == VK_RETURN || (vk == VK_SPACE && m.hwnd != data.Button)) {
            handled = true;
            EndModalLoop(box, IDOK);
        } else if (ctrl && (vk == 'C' || vk == VK_INSERT)) {
            handled = true;
            SetClipboardTextGbk(MessageBoxClipboardText(data.Text, data.Caption));
        }
    });
    struct TCleanup {
        int Hook;
        HWND Box;
        ~TCleanup() {
            RemoveMessageHook(Hook);
            if (IsWindow(Box)) {
                RemoveProp(Box, "TBoxData");
                DestroyWindow(Box);
            }
        }
    } cleanup{hook, box};
    RunModalLoop(box);
    return IDOK;
}
