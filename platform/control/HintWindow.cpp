#include "platform/control/HintWindow.h"

#include "platform/control/Screen.h"
#include "platform/draw/DC.h"
#include "platform/window/WindowDC.h"

#include <algorithm>

namespace {
constexpr int kHintMargin = 2;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    SetParentFont(false);
    Font().SetColor(clInfoText);
    FControlStyle |= csOpaque;
    FControlStyle &= ~(csCaptureMouse | csClickEvents);
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WndParent = nullptr;
    p.WinClassName = "THintWindow";
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    HandleNeeded();
    TRect r{0, 0, maxWidth, 0};
    if (TWindowDC dc(Handle()); dc) {
        dc->SelectFont(Font().ToLogFont());
        dc->DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }
    // Text, margins and the one-pixel border on each side.
    r.Right += 2 * kHintMargin + 2 + 4;
    r.Bottom += 2 * kHintMargin + 2;
    return r;
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint) {
    SetCaption(hint);
    TRect work = Screen ? Screen->WorkAreaRect() : TRect{0, 0, 1 << 15, 1 << 15};
    if (rect.Right > work.Right)
        rect = rect.Offset(work.Right - rect.Right, 0);
    if (rect.Left < work.Left)
        rect = rect.Offset(work.Left - rect.Left, 0);
    if (rect.Bottom > work.Bottom)
        rect = rect.Offset(0, work.Bottom - rect.Bottom);
    if (rect.Top < work.Top)
        rect = rect.Offset(0, work.Top - rect.Top);
    HandleNeeded();
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, true);
    UpdateWindow(Handle());
    FlushWindows();
}

void THintWindow::ReleaseHandle() {
    if (HandleAllocated() && IsWindowVisible(FHandle))
        ShowWindow(FHandle, SW_HIDE);
}

bool THintWindow::IsHintShowing() const {
    return FHandle && IsWindowVisible(FHandle);
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(r);
    r = TRect{r.Left + kHintMargin + 2, r.Top + kHintMargin, r.Right - kHintMargin,
              r.Bottom - kHintMargin};
    c.Brush().SetStyle(bsClear);
    TDC* dc = c.Handle();
    dc->DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WndProc(TMessage& m) {
    if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::WndProc(m);
}
