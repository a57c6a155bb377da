#include "skin/SuiCustomButton.h"

#include "platform/control/Accelerator.h"
#include "platform/control/Form.h"
#include "platform/control/Timer.h"
#include "platform/core/Exception.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/ImageList.h"
#include "skin/DoTrans.h"
#include "skin/SkinBitmap.h"
#include "skin/SpitDraw.h"

#include <algorithm>

TsuiCustomButton::TsuiCustomButton(TComponent* owner) : TCustomControl(owner) {
    // No children, no double clicks (a double click is two clicks), the name never becomes the
    // caption, and Paint covers every pixel so nothing is erased first.
    FControlStyle &= ~unsigned(csAcceptsControls | csDoubleClicks | csSetCaption);
    FControlStyle |= csOpaque;
}

TsuiCustomButton::~TsuiCustomButton() {
    // No tick may reach a button that is going away.
    FRepeatTimer.reset();
}

void TsuiCustomButton::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WindowClassStyle &= ~UINT(CS_DBLCLKS);
}

// --- Properties ------------------------------------------------------------------------------

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style) {
    if (FUIStyle == style)
        return;
    FUIStyle = style;
    SetButtonPic(style);
    UIStyleChanged();
    Invalidate();
}

void TsuiCustomButton::UIStyleChanged() {
    if (FUIStyle == Custom)
        SetAutoSize(true);
}

void TsuiCustomButton::SetAutoSize(bool v) {
    if (FAutoSize == v)
        return;
    FAutoSize = v;
    AutoSizeChanged();
    Invalidate();
}

void TsuiCustomButton::AutoSizeChanged() {
    if (!FAutoSize || FPicNormal.empty())
        return;
    TBitmap picture;
    LoadPicture(picture, FPicNormal);
    SetHeight(picture.Height());
    SetWidth(picture.Width());
}

void TsuiCustomButton::SetTransparent(bool v) {
    if (FTransparent == v)
        return;
    FTransparent = v;
    TransparentChanged();
    Invalidate();
}

void TsuiCustomButton::TransparentChanged() {
    FPicTransparent = FTransparent;
    Invalidate();
}

void TsuiCustomButton::SetDefault(bool v) {
    if (FDefault == v)
        return;
    FDefault = v;
    // The buttons of the form look again at which of them acts on Enter.
    if (!HandleAllocated())
        return;
    if (TCustomForm* form = GetParentForm())
        form->Perform(CM_FOCUSCHANGED, 0, LPARAM(form->ActiveControl()));
}

HMODULE TsuiCustomButton::ResHandle() const {
    return FResHandle == HInstance() ? nullptr : FResHandle;
}

void TsuiCustomButton::DoSetResHandle(HMODULE module) {
    FResHandle = module == HInstance() ? nullptr : module;
    Invalidate();
}

void TsuiCustomButton::SetPicNormal(const std::string& name) {
    FPicNormal = name;
    Invalidate();
}

void TsuiCustomButton::SetPicMouseOn(const std::string& name) {
    FPicMouseOn = name;
    Invalidate();
}

void TsuiCustomButton::SetPicMouseDown(const std::string& name) {
    FPicMouseDown = name;
    Invalidate();
}

void TsuiCustomButton::StorePictureNames(const std::string& normal, const std::string& mouseOn,
                                         const std::string& mouseDown) {
    FPicNormal = normal;
    FPicMouseOn = mouseOn;
    FPicMouseDown = mouseDown;
}

bool TsuiCustomButton::RepeatTimerRunning() const {
    return FRepeatTimer && FRepeatTimer->Enabled() && FRepeatTimer->Running();
}

bool TsuiCustomButton::HasVisibleCaption() const {
    std::string text = Caption();
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// --- Painting --------------------------------------------------------------------------------

void TsuiCustomButton::LoadPicture(TBitmap& picture, const std::string& name) const {
    try {
        LoadSkinBitmap(&picture, FResHandle, name);
    } catch (const Exception&) {
        picture.SetPixelFormat(pfDevice);
        picture.SetSize(0, 0);
        picture.SetSize(BlankPictureWidth, BlankPictureHeight);
    }
}

void TsuiCustomButton::PaintButtonNormal(TBitmap& picture) {
    LoadPicture(picture, FPicNormal);
}

void TsuiCustomButton::PaintButtonMouseOn(TBitmap& picture) {
    LoadPicture(picture, FPicMouseOn);
}

void TsuiCustomButton::PaintButtonMouseDown(TBitmap& picture) {
    LoadPicture(picture, FPicMouseDown);
}

void TsuiCustomButton::PaintButtonDisabled(TBitmap& picture) {
    LoadPicture(picture, FPicNormal);
}

void TsuiCustomButton::Paint() {
    TBitmap picture;
    if (!Enabled())
        PaintButtonDisabled(picture);
    else if (FMouseDown)
        PaintButtonMouseDown(picture);
    else if (FMouseOn)
        PaintButtonMouseOn(picture);
    else
        PaintButtonNormal(picture);
    picture.SetTransparent(FPicTransparent);

    const TRect client = ClientRect();
    TBitmap buffer(client.Width(), client.Height());
    TCanvas& canvas = buffer.Canvas();
    if (FTransparent) {
        DoTrans(canvas, this);
    } else {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    PaintPic(canvas, picture);
    if (Focused() && TabStop())
        PaintFocus(canvas);
    canvas.Font().Assign(Font());
    Canvas().Font().Assign(Font());
    if (HasVisibleCaption())
        PaintText(canvas, Caption());
    Canvas().Handle()->BitBlt(0, 0, client.Width(), client.Height(), &buffer.DC(), 0, 0, SRCCOPY);
}

void TsuiCustomButton::PaintPic(TCanvas& canvas, TBitmap& picture) {
    if (FUIStyle != Custom) {
        SpitDraw(picture, canvas, ClientRect(), FPicTransparent);
        return;
    }
    // A picture of its own is drawn as it is, greyed when the button is disabled.
    TImageList list(picture.Width(), picture.Height(), true);
    if (FPicTransparent)
        list.AddMasked(picture, PixelToRGB(picture.Pixels().At(0, 0)));
    else
        list.Add(picture, nullptr);
    list.Draw(canvas, 0, 0, 0, Enabled());
}

void TsuiCustomButton::PaintFocus(TCanvas& canvas) {
    const TRect client = ClientRect();
    canvas.DrawFocusRect({2, 2, client.Right - 2, client.Bottom - 2});
}

void TsuiCustomButton::PaintText(TCanvas& canvas, const std::string& text) {
    TRect r = ClientRect();
    if (FMouseDown)
        r = r.Offset(1, 1);
    const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        canvas.Font().SetColor(clWhite);
        TRect shadow = r.Offset(1, 1);
        canvas.Handle()->DrawText(text, shadow, format);
        canvas.Font().SetColor(DisabledCaptionColor);
    }
    canvas.Handle()->DrawText(text, r, format);
}

// --- Clicks ----------------------------------------------------------------------------------

void TsuiCustomButton::Click() {
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TsuiCustomButton::StartRepeatTimer() {
    if (RepeatTimerRunning())
        return;
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->OnTimer = [this](TPersistent*) { RepeatTick(); };
    }
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(unsigned(std::max(FMouseContinuouslyDownInterval, 0)));
    FRepeatTimer->SetEnabled(true);
}

void TsuiCustomButton::StopRepeatTimer() {
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
}

void TsuiCustomButton::RepeatTick() {
    if (OnMouseContinuouslyDown)
        OnMouseContinuouslyDown(this);
}

void TsuiCustomButton::MouseEnter() {
    FMouseOn = true;
    Invalidate();
    TCustomControl::MouseEnter();
}

void TsuiCustomButton::MouseLeave() {
    FMouseOn = false;
    FMouseDown = false;
    StopRepeatTimer();
    Invalidate();
    TCustomControl::MouseLeave();
    if (OnMouseExit)
        OnMouseExit(this);
}

void TsuiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FMouseDown = true;
        StartRepeatTimer();
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TsuiCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (x < 0 || y < 0 || x > Width() || y > Height()) {
        FMouseOn = false;
        FMouseDown = false;
        Invalidate();
    }
}

void TsuiCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        LeftReleased();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TsuiCustomButton::LeftReleased() {
    StopRepeatTimer();
    if (!FMouseDown)
        return;
    FMouseDown = false;
    Invalidate();
}

void TsuiCustomButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && Enabled()) {
        FMouseDown = true;
        Invalidate();
    }
}

void TsuiCustomButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && FMouseDown && Enabled()) {
        FMouseDown = false;
        Invalidate();
        Click();
    }
}

void TsuiCustomButton::CMDialogKey(TMessage& m) {
    const auto key = int(m.WParam);
    const bool act = (key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel);
    if (act && !(KeyboardShiftState() & (ssShift | ssCtrl | ssAlt)) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(m);
}

void TsuiCustomButton::CMDialogChar(TMessage& m) {
    // The button holds no controls to offer the character to; only a button that can be seen
    // and used answers to its accelerator.
    if (IsAccel(char(m.WParam), Caption()) && Enabled() && Showing() && IsEnabledInChain()) {
        SetFocus();
        Click();
        m.Result = 1;
        return;
    }
    m.Result = 0;
}

// --- Messages --------------------------------------------------------------------------------

void TsuiCustomButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONUP:
        // The click comes with the release, before MouseUp: the repeats end and the button
        // looks released before the click handler runs (it may open a modal window).
        LeftReleased();
        TCustomControl::WndProc(m);
        return;
    case WM_CANCELMODE:
        // Tracking ends (a modal window opens, the window is disabled): no release will come.
        LeftReleased();
        TCustomControl::WndProc(m);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    case CM_FOCUSCHANGED:
        Invalidate();
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

void TsuiCustomButton::CMFontChanged(TMessage& m) {
    TCustomControl::CMFontChanged(m);
    Canvas().Font().Assign(Font());
    Invalidate();
}

void TsuiCustomButton::CMEnabledChanged(TMessage& m) {
    TCustomControl::CMEnabledChanged(m);
    // A disabled button gets no release: it stops repeating now.
    if (!Enabled())
        LeftReleased();
    EnableChanged();
    Invalidate();
}

void TsuiCustomButton::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    CaptionChanged();
    Invalidate();
}
