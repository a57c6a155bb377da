#include "skin/SuiTitleBar.h"

#include "platform/control/Form.h"
#include "platform/control/PopupMenu.h"
#include "platform/core/Gbk.h"
#include "platform/draw/Icon.h"
#include "platform/draw/RegionShapes.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinContainer.h"
#include "skin/SuiForm.h"
#include "skin/ThemeElements.h"

#include <algorithm>

namespace {
constexpr int TitleLeftElement = 45;
constexpr int TitleClientElement = 46;
constexpr int TitleRightElement = 47;
constexpr int LeftOffsetElement = 67;
constexpr int RightOffsetElement = 68;
constexpr int MinWidthElement = 6;
constexpr int CornerElement = 7;

// Copies a picture into a strip of the bar: stretched into it, or unscaled from the picture's
// top-left corner and cut to the strip.
void DrawStrip(TCanvas& canvas, const TPicture& picture, const TRect& strip, bool stretch) {
    const TGraphic* g = picture.Graphic();
    if (!g || g->Empty() || strip.Width() <= 0 || strip.Height() <= 0)
        return;
    if (stretch) {
        canvas.StretchDraw(strip, *g);
        return;
    }
    TDC* dc = canvas.Handle();
    int saved = dc->SaveDC();
    dc->IntersectClipRect(strip);
    canvas.Draw(strip.Left, strip.Top, *g);
    dc->RestoreDC(saved);
}
} // namespace

TsuiTitleBar::TsuiTitleBar(TComponent* owner) : TCustomPanel(owner) {
    FControlStyle &= ~csAcceptsControls;
    FControlStyle |= csDoubleClicks | csOpaque;
    FSections = std::make_unique<TsuiTitleBarSections>(this);
    FButtons = std::make_unique<TsuiTitleBarButtons>(this);
    FButtons->BeginUpdate();
    for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin})
        FButtons->Add()->SetButtonType(type);
    FButtons->EndUpdate();
    SetAlign(alTop);
    SetBevelOuter(bvNone);
    Font().SetColor(clWhite);
    Font().SetName("Tahoma");
    Font().SetStyle(fsBold);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiTitleBar::~TsuiTitleBar() {
    *FAlive = false;
}

// --- Properties --------------------------------------------------------------------------

void TsuiTitleBar::SetAutoSize(bool v) {
    FAutoSize = v;
    if (FSections->Count() > 0)
        SetHeight(FSections->Items(0)->Picture().Height());
    else
        FAutoSize = false;
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle v) {
    FUIStyle = v;
    FSections->BeginUpdate();
    FSections->Clear();
    if (v == Custom) {
        FSections->EndUpdate();
        Invalidate();
        return;
    }
    TsuiTitleBarSection* left = FSections->Add();
    left->SetAutoSize(true);
    left->LoadPicture(nullptr, GetThemeString(v, TitleLeftElement));
    TsuiTitleBarSection* right = FSections->Add();
    right->SetAutoSize(true);
    right->LoadPicture(nullptr, GetThemeString(v, TitleRightElement));
    right->SetAlign(suiRight);
    TsuiTitleBarSection* client = FSections->Add();
    client->LoadPicture(nullptr, GetThemeString(v, TitleClientElement));
    client->SetAlign(suiClient);
    FSections->EndUpdate();

    FLeftBtnXOffset = GetThemeInt(v, LeftOffsetElement);
    FRightBtnXOffset = GetThemeInt(v, RightOffsetElement);
    if (TCustomForm* form = GetParentForm())
        form->Constraints().SetMinWidth(GetThemeInt(v, MinWidthElement));
    FRoundCorner = GetThemeInt(v, CornerElement);
    if (InForm())
        SetFormRoundCorner(FRoundCorner);
    FButtons->BeginUpdate();
    for (int i = 0; i < FButtons->Count(); ++i)
        FButtons->Items(i)->SetUIStyle(v);
    FButtons->EndUpdate();
    SetAutoSize(true);
    Invalidate();
}

void TsuiTitleBar::SetButtonInterval(int v) {
    FButtonInterval = v;
    Invalidate();
}

void TsuiTitleBar::SetCaption(const std::string& v) {
    FCaption = v;
    Invalidate();
}

void TsuiTitleBar::SetFormActive(bool v) {
    FFormActive = v;
    Invalidate();
}

void TsuiTitleBar::SetLeftBtnXOffset(int v) {
    FLeftBtnXOffset = v;
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int v) {
    FRightBtnXOffset = v;
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool v) {
    FDrawAppIcon = v;
    Invalidate();
}

// --- The window region -------------------------------------------------------------------

bool TsuiTitleBar::InForm() const {
    return dynamic_cast<TsuiForm*>(Parent()) != nullptr;
}

void TsuiTitleBar::OnFormReSize() {
    if (InForm())
        SetFormRoundCorner(FRoundCorner);
}

void TsuiTitleBar::SetFormRoundCorner(int v) {
    TCustomForm* form = GetParentForm();
    if (!form || !form->HandleAllocated() || (form->ComponentState().Contains(csDesigning)))
        return;
    TRect c = form->ClientRect();
    TRegion region = CreateRoundRectRgn(c.Left, c.Top, c.Right + 1, c.Bottom + 1, v, v);
    // Only the top corners are rounded: the bottom ones are filled in again.
    region.Unite(CreateRectRgn(c.Left, c.Bottom - 2 * v, c.Left + 2 * v, c.Bottom));
    region.Unite(CreateRectRgn(c.Right - 2 * v, c.Bottom - 2 * v, c.Right, c.Bottom));
    SetWindowRgn(form->Handle(), &region, true);
}

// --- Layout ------------------------------------------------------------------------------

TsuiTitleBar::TButtonLayout TsuiTitleBar::LayoutButtons(int width) const {
    TButtonLayout layout;
    layout.Rects.assign(std::size_t(FButtons->Count()), TRect());
    int x = width + 1 + FRightBtnXOffset;
    int controlBox = -1;
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TsuiTitleBarButton* b = FButtons->Items(i);
        if (b->ButtonType() == suiControlBox) {
            controlBox = i;
            continue;
        }
        int w = b->PicNormal().Width();
        x -= w + 1 + FButtonInterval;
        layout.Rects[std::size_t(i)] = {x, b->Top(), x + w, b->Top() + b->PicNormal().Height()};
    }
    layout.RightGroupLeft = x;
    int c = FLeftBtnXOffset;
    if (controlBox >= 0) {
        const TsuiTitleBarButton* b = FButtons->Items(controlBox);
        int w = b->PicNormal().Width();
        layout.Rects[std::size_t(controlBox)] = {c, b->Top(), c + w,
                                                 b->Top() + b->PicNormal().Height()};
        c += FDrawAppIcon ? 21 : w + 5;
    }
    if (c == 0)
        c = 6;
    layout.CaptionLeft = c;
    return layout;
}

int TsuiTitleBar::ButtonUnderCursor() const {
    TPoint cursor;
    if (!GetCursorPos(&cursor))
        return -1;
    TPoint p = ScreenToClient(cursor);
    TButtonLayout layout = LayoutButtons(Width());
    // The control box is visited last, as it is drawn after the right-hand group.
    int hot = -1;
    for (int i = 0; i < int(layout.Rects.size()); ++i) {
        const TRect& r = layout.Rects[std::size_t(i)];
        if (r.Width() <= 0 && r.Height() <= 0)
            continue;
        // Edges included, the right and bottom ones too.
        if (p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom)
            hot = i;
    }
    return hot;
}

std::string TsuiTitleBar::FittedCaption(TCanvas& canvas, int room) const {
    if (canvas.TextWidth(FCaption) <= room)
        return FCaption;
    return std::string(GbkTruncate(FCaption, 2)) + "...";
}

// --- Painting ----------------------------------------------------------------------------

void TsuiTitleBar::Paint() {
    int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap buffer(w, h);
    buffer.Canvas().Brush().SetStyle(bsClear);
    buffer.Canvas().Font().Assign(Font());
    DrawSectionsTo(buffer);
    DrawButtons(buffer);
    Canvas().Draw(0, 0, buffer);
}

void TsuiTitleBar::DrawSectionsTo(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    int w = bitmap.Width(), h = bitmap.Height();
    int left = -1, right = w + 1;
    int client = -1;
    for (int i = 0; i < FSections->Count(); ++i) {
        const TsuiTitleBarSection* s = FSections->Items(i);
        switch (s->Align()) {
        case suiLeft:
            DrawStrip(canvas, s->Picture(), {left + 1, 0, left + 1 + s->Width(), h}, s->Stretch());
            left += s->Width();
            break;
        case suiRight:
            // A right section that does not fit is left out.
            if (w - left >= s->Width()) {
                DrawStrip(canvas, s->Picture(), {right - 1 - s->Width(), 0, right - 1, h},
                          s->Stretch());
                right -= s->Width();
            }
            break;
        case suiClient:
            client = i;
            break;
        }
    }
    if (client >= 0)
        DrawStrip(canvas, FSections->Items(client)->Picture(), {left + 1, 0, right - 1, h}, true);
}

void TsuiTitleBar::DrawButtonPicture(TCanvas& canvas, const TsuiTitleBarButton& button,
                                     const TRect& rect, bool hot) {
    const TPicture& normal = button.PicNormal();
    if (normal.Empty())
        return;
    const TPicture& shown = !hot         ? normal
                            : FMouseDown ? button.PicMouseDown()
                                         : button.PicMouseOn();
    TBitmap picture(normal.Width(), normal.Height());
    if (const TGraphic* g = shown.Graphic())
        picture.Canvas().Draw(0, 0, *g);
    picture.SetTransparent(button.Transparent());
    canvas.Draw(rect.Left, rect.Top, picture);
}

void TsuiTitleBar::DrawIcon(TCanvas& canvas, int x, int y) {
    TIcon icon;
    try {
        icon.LoadFromResourceName(nullptr, "MAINICON", 16);
    } catch (const EResNotFound&) {
        return; // a program without an icon shows none
    }
    canvas.Draw(x, y, icon);
}

void TsuiTitleBar::DrawButtons(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    FHotButton = ButtonUnderCursor();
    TButtonLayout layout = LayoutButtons(bitmap.Width());
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TsuiTitleBarButton* b = FButtons->Items(i);
        const TRect& r = layout.Rects[std::size_t(i)];
        if (b->ButtonType() == suiControlBox) {
            if (FDrawAppIcon) {
                DrawIcon(canvas, r.Left + 3, b->Top());
                continue;
            }
        }
        DrawButtonPicture(canvas, *b, r, i == FHotButton);
    }

    TColor color = !FFormActive ? clInactiveCaption : FUIStyle == MacOS ? clBlack : Font().Color();
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(bsClear);
    std::string text = FittedCaption(canvas, layout.RightGroupLeft - layout.CaptionLeft);
    int y = FUIStyle == DeepBlue ? 4 : (bitmap.Height() - canvas.TextHeight(text)) / 2;
    canvas.TextOut(layout.CaptionLeft, y, text);
}

bool TsuiTitleBar::EraseBackground(TDC* dc) {
    (void)dc;
    return true; // Paint covers every pixel
}

// --- Mouse -------------------------------------------------------------------------------

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FMouseDown = true;
    FHotButton = ButtonUnderCursor();
    Invalidate();
    TCustomForm* host = GetParentForm();
    if (FHotButton < 0 && host && host->WindowState() != wsMaximized && host->HandleAllocated()) {
        ReleaseCapture();
        SendMessage(host->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        FMouseDown = false;
    }
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomPanel::MouseMove(shift, x, y);
    FHotButton = ButtonUnderCursor();
    Invalidate();
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    std::shared_ptr<bool> alive = FAlive;
    int hot = ButtonUnderCursor();
    FHotButton = hot;
    if (hot >= 0) {
        TsuiTitleBarButton* b = FButtons->Items(hot);
        TsuiTitleBarBtnType type = b->ButtonType();
        b->DoClick();
        if (!*alive)
            return; // the click freed the window
        if (OnCustomBtnsClick && type == suiCustom)
            OnCustomBtnsClick(this, hot);
        else if (OnHelpBtnClick && type == suiHelp)
            OnHelpBtnClick(this, hot);
        if (!*alive)
            return;
    }
    FMouseDown = false;
    Invalidate();
}

void TsuiTitleBar::MouseLeave() {
    TCustomPanel::MouseLeave();
    FHotButton = -1;
    Invalidate();
}

void TsuiTitleBar::DblClick() {
    TCustomPanel::DblClick();
    if (ButtonUnderCursor() >= 0)
        return;
    for (int i = 0; i < FButtons->Count(); ++i) {
        if (FButtons->Items(i)->ButtonType() == suiMax) {
            FButtons->Items(i)->DoClick();
            return;
        }
    }
}

void TsuiTitleBar::CMFontChanged(TMessage& message) {
    TCustomPanel::CMFontChanged(message);
    Invalidate();
}

void TsuiTitleBar::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove)
        return;
    for (int i = 0; i < FButtons->Count(); ++i) {
        TsuiTitleBarButton* b = FButtons->Items(i);
        if (b->FControlBoxMenu && b->FControlBoxMenu == component)
            b->FControlBoxMenu = nullptr;
    }
}
