#include "skin/SuiMenuBar.h"

#include "platform/control/MenuItem.h"
#include "platform/control/PopupMenu.h"
#include "platform/draw/Bitmap.h"
#include "skin/SuiForm.h"
#include "skin/SuiMainMenu.h"

namespace {
// Room left and right of a caption inside its button.
constexpr int CaptionMargin = 7;
} // namespace

TsuiMenuBar::TsuiMenuBar(TComponent* owner, TsuiForm* frame)
    : TCustomControl(owner), FFrame(frame) {
    FControlStyle &= ~csAcceptsControls;
    FControlStyle |= csOpaque;
}

void TsuiMenuBar::SetBarHeight(int height) {
    SetHeight(height);
    LayoutButtons();
    Invalidate();
}

std::string TsuiMenuBar::ShownCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return shown;
}

void TsuiMenuBar::Rebuild(TsuiMainMenu* menu) {
    FMenu = menu;
    FButtons.clear();
    FHot = FSelected = -1;
    if (menu)
        for (int i = 0; i < menu->Count(); ++i)
            FButtons.push_back({menu->Items(i), "", true, {}});
    UpdateButtons();
}

void TsuiMenuBar::UpdateButtons() {
    for (TButton& b : FButtons) {
        b.Caption = ShownCaption(b.Item->Caption());
        b.Enabled = b.Item->Enabled();
    }
    LayoutButtons();
    Invalidate();
}

void TsuiMenuBar::LayoutButtons() {
    TBitmap measure(1, 1);
    if (FMenu)
        measure.Canvas().Font().Assign(FMenu->Font());
    int x = 0;
    for (TButton& b : FButtons) {
        int w = measure.Canvas().TextWidth(b.Caption) + 2 * CaptionMargin;
        b.Rect = {x, 0, x + w, Height()};
        x += w;
    }
}

int TsuiMenuBar::ButtonAt(TPoint p) const {
    for (int i = 0; i < ButtonCount(); ++i)
        if (FButtons[std::size_t(i)].Rect.Contains(p))
            return i;
    return -1;
}

bool TsuiMenuBar::EraseBackground(TDC* dc) {
    (void)dc;
    return true; // Paint covers the bar
}

void TsuiMenuBar::Paint() {
    TRect r = ClientRect();
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    TBitmap buffer(r.Width(), r.Height());
    TCanvas& canvas = buffer.Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    FFrame->DrawMenuBar(canvas, r);
    if (FMenu)
        canvas.Font().Assign(FMenu->Font());
    for (int i = 0; i < ButtonCount(); ++i) {
        const TButton& b = FButtons[std::size_t(i)];
        bool selected = i == FSelected, hot = i == FHot && b.Enabled;
        if (hot || selected) {
            FFrame->DrawButton(canvas, b.Rect, b.Caption, selected);
            continue;
        }
        canvas.Font().SetColor(b.Enabled ? (FMenu ? FMenu->Font().Color() : clMenuText)
                                         : clGrayText);
        canvas.Brush().SetStyle(bsClear);
        TRect text = b.Rect;
        canvas.Handle()->DrawText(b.Caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Canvas().Draw(0, 0, buffer);
}

void TsuiMenuBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    int hot = ButtonAt({x, y});
    if (hot != FHot) {
        FHot = hot;
        Invalidate();
    }
}

void TsuiMenuBar::MouseLeave() {
    TCustomControl::MouseLeave();
    FHot = -1;
    Invalidate();
}

void TsuiMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    int index = ButtonAt({x, y});
    if (button == mbLeft && index >= 0 && FButtons[std::size_t(index)].Enabled)
        DropDown(index);
}

void TsuiMenuBar::DropDown(int index) {
    TMenuItem* item = FButtons[std::size_t(index)].Item;
    TPopupMenu* commands = FMenu ? FMenu->SubMenu(item) : nullptr;
    ReleaseCapture();
    SetCaptureControl(nullptr);
    if (!commands || commands->Count() == 0) {
        item->Click();
        return;
    }
    FSelected = index;
    Repaint();
    TRect r = FButtons[std::size_t(index)].Rect;
    TPoint at = ClientToScreen({r.Left, r.Bottom});
    commands->SetPopupComponent(this);
    std::shared_ptr<bool> alive = FAlive;
    commands->Popup(at.X, at.Y); // runs until a command is chosen or the menu is dismissed
    if (!*alive)
        return;
    FSelected = -1;
    Invalidate();
}
