#include "platform/native/StaticWindow.h"

LRESULT StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return NativeWndProc<TStaticWindow>(wnd, msg, wParam, lParam);
}

LRESULT TStaticWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCHITTEST:
        return (Style() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_ERASEBKGND:
        if (auto* dc = reinterpret_cast<TDC*>(wParam)) {
            if (FBackColor == clNoBackground)
                DrawParentBackground(FHandle, *dc);
            else
                dc->FillRect(ClientRect(), TColor(FBackColor));
        }
        return 1;
    case WM_PAINT: {
        auto* dc = reinterpret_cast<TDC*>(wParam);
        if (!dc)
            return 0;
        std::uint32_t style = Style();
        unsigned format = (style & SS_CENTER) ? DT_CENTER : (style & SS_RIGHT) ? DT_RIGHT : DT_LEFT;
        if (style & SS_NOPREFIX)
            format |= DT_NOPREFIX;
        if (style & SS_ENDELLIPSIS)
            format |= DT_SINGLELINE | DT_END_ELLIPSIS;
        else
            format |= DT_WORDBREAK | DT_EXPANDTABS;
        if (style & SS_CENTERIMAGE)
            format = (format & ~unsigned(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
        dc->SelectFont(FFont);
        dc->SetBkMode(TRANSPARENT);
        TRect r = ClientRect();
        std::string text = GetWindowText(FHandle);
        if (IsWindowEnabled(FHandle)) {
            dc->SetTextColor(FTextColor);
            dc->DrawText(text, r, format);
        } else {
            TRect shifted = r.Offset(1, 1);
            dc->SetTextColor(clBtnHighlight);
            dc->DrawText(text, shifted, format);
            dc->SetTextColor(clBtnShadow);
            dc->DrawText(text, r, format);
        }
        return 0;
    }
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = Default(msg, wParam, lParam);
        Repaint();
        return r;
    }
    case WM_LBUTTONDOWN:
        if (Style() & SS_NOTIFY)
            Notify(STN_CLICKED);
        return 0;
    case STM_SETCOLORS:
        FBackColor = std::uint32_t(wParam);
        FTextColor = TColor(lParam);
        Repaint();
        return 0;
    default:
        return TNativeWindow::WndProc(msg, wParam, lParam);
    }
}

void TStaticWindow::Repaint() {
    InvalidateRect(FHandle, nullptr, true);
}
