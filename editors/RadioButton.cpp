#include "editors/RadioButton.h"

#include "editors/TransparentBackground.h"
#include "lookandfeel/RadioButtonImageList.h"
#include "platform/control/PopupMenu.h"
#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"
#include "platform/native/NativeConst.h"
#include "platform/window/WinApi.h"

namespace {
// The painter's background colour for a glyph drawn over what lies behind it.
constexpr TColor cxTransparentGlyphBackground = 0x20000000;
constexpr TColor cxSkinTransparentGlyphBackground = 0x1FFFFFFF;

bool AnyButtonOrKeyDown() {
    for (int vk : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU})
        if (GetKeyState(vk) < 0)
            return true;
    return false;
}

// The edges of the caption rectangle move inward by these (left, top, right, bottom); a
// negative value widens it.
TRect CaptionCorrection(bool isNative, bool wordWrap, bool textLeftOfGlyph) {
    if (!isNative) {
        if (!textLeftOfGlyph)
            return wordWrap ? TRect(5, -1, 2, 0) : TRect(5, -1, 0, 0);
        return wordWrap ? TRect(2, -1, 6, 0) : TRect(2, -1, 1, 0);
    }
    if (!textLeftOfGlyph)
        return TRect(3, -1, 0, 0);
    return wordWrap ? TRect(0, -1, 3, 0) : TRect(0, -1, 1, 0);
}
} // namespace

TcxButtonState RadioButtonStateToButtonState(TcxRadioButtonState state) {
    switch (state) {
    case rbsDisabled:
        return cxbsDisabled;
    case rbsHot:
        return cxbsHot;
    case rbsPressed:
        return cxbsPressed;
    case rbsNormal:
        break;
    }
    return cxbsNormal;
}

// --- Life -----------------------------------------------------------------------------------

TcxRadioButton::TcxRadioButton(TComponent* owner)
    : TRadioButton(owner), FCanvas(std::make_unique<TCanvas>()), FcxCanvas(FCanvas.get()),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
    SetControlStyle(ControlStyle() | csDoubleClicks);
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) {
        LookAndFeelChanged();
    };
    // The glyph images are made once for every radio button of the process.
    TcxRadioButtonImageList::Instance();
}

TcxRadioButton::~TcxRadioButton() {
    ::EndMouseTracking(this);
    FLookAndFeel->OnChanged = nullptr;
}

void TcxRadioButton::CreateParams(TCreateParams& params) {
    TRadioButton::CreateParams(params);
    params.Style = (params.Style & ~std::uint32_t(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TcxRadioButton::CreateHandle() {
    TRadioButton::CreateHandle();
    UpdateStateFromCursor();
}

// --- Properties -----------------------------------------------------------------------------

void TcxRadioButton::SetPopupMenuComponent(TComponent* menu) {
    SetPopupMenu(dynamic_cast<TPopupMenu*>(menu));
}

void TcxRadioButton::SetParentBackground(bool value) {
    if (FParentBackground == value)
        return;
    FParentBackground = value;
    Invalidate();
}

void TcxRadioButton::SetTransparent(bool value) {
    if (FTransparent == value)
        return;
    FTransparent = value;
    Invalidate();
}

void TcxRadioButton::SetWordWrap(bool value) {
    if (FWordWrap == value)
        return;
    FWordWrap = value;
    Invalidate();
}

bool TcxRadioButton::IsNativeStyle() {
    return FLookAndFeel->NativeStyle() && OpenTheme(totButton) != nullptr;
}

bool TcxRadioButton::IsNativeBackground() {
    return IsNativeStyle() && FParentBackground && !IsInplace() && !FTransparent;
}

bool TcxRadioButton::IsTransparentBackground() {
    return IsNativeBackground() || IsTransparent();
}

bool TcxRadioButton::Focused() const {
    if (ComponentState().Contains(csDesigning))
        return false;
    return FHandle && GetFocus() == FHandle;
}

void TcxRadioButton::Invalidate() {
    if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, false);
}

// --- Hot state ------------------------------------------------------------------------------

void TcxRadioButton::SetState(TcxRadioButtonState value) {
    if (FState == value)
        return;
    FState = value;
    if (HandleAllocated()) {
        TRect r = FGlyphRect.Inflated(1, 1);
        InvalidateRect(Handle(), &r, false);
    }
}

void TcxRadioButton::UpdateState(TPoint p, bool buttonsOrKeysDown) {
    if (!Enabled())
        SetState(rbsDisabled);
    else if (ComponentState().Contains(csDesigning))
        SetState(rbsNormal);
    else if (HandleAllocated() && GetCapture() == Handle())
        SetState(ClientRect().Contains(p) ? rbsPressed : rbsHot);
    else
        SetState(ClientRect().Contains(p) && !buttonsOrKeysDown ? rbsHot : rbsNormal);
}

void TcxRadioButton::UpdateStateFromCursor() {
    TPoint cursor;
    GetCursorPos(&cursor);
    TPoint p(-1, -1);
    if (HandleAllocated() && WindowFromPoint(cursor) == Handle())
        p = ScreenToClient(cursor);
    UpdateState(p, AnyButtonOrKeyDown());
}

void TcxRadioButton::BeginTracking() {
    BeginMouseTracking(this, ClientRect(), this);
}

void TcxRadioButton::MouseEnter() {
    TRadioButton::MouseEnter();
    UpdateStateFromCursor();
    BeginTracking();
}

void TcxRadioButton::MouseLeave() {
    TRadioButton::MouseLeave();
    MouseTrackingCallerMouseLeave();
}

void TcxRadioButton::MouseTrackingCallerMouseLeave() {
    UpdateState(TPoint(-1, -1), false);
    ::EndMouseTracking(this);
}

void TcxRadioButton::CMEnabledChanged(TMessage& message) {
    TRadioButton::CMEnabledChanged(message);
    UpdateStateFromCursor();
    Invalidate();
}

void TcxRadioButton::CMSysColorChange(TMessage& message) {
    TRadioButton::CMSysColorChange(message);
    Invalidate();
}

// --- Messages -------------------------------------------------------------------------------

void TcxRadioButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM: {
        auto* dis = reinterpret_cast<TDrawItemStruct*>(m.LParam);
        if (!ComponentState().Contains(csDestroying) && dis && dis->hDC)
            // A focus change is drawn whole: a focus rectangle that goes away must not stay.
            Paint(*dis->hDC, false);
        m.Result = 1;
        return;
    }
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case BM_SETCHECK:
        TRadioButton::WndProc(m);
        if (HandleAllocated())
            InvalidateRect(Handle(), &FGlyphRect, false);
        return;
    case WM_WINDOWPOSCHANGED:
        TRadioButton::WndProc(m);
        // What lies behind a see-through button changed with its place.
        if (!ComponentState().Contains(csDestroying) && IsTransparentBackground())
            Invalidate();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE: {
        HWND self = Handle();
        TRadioButton::WndProc(m);
        if (!IsWindow(self) || ComponentState().Contains(csDestroying))
            return;
        TPoint p(std::int16_t(LOWORD(std::uint32_t(m.LParam))),
                 std::int16_t(HIWORD(std::uint32_t(m.LParam))));
        const WPARAM down = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL;
        UpdateState(p, (m.WParam & down) != 0);
        if (m.Msg == WM_MOUSEMOVE)
            BeginTracking();
        return;
    }
    case WM_CONTEXTMENU:
        if (ComponentState().Contains(csDesigning))
            return;
        TRadioButton::WndProc(m);
        return;
    default:
        TRadioButton::WndProc(m);
    }
}

// --- Painting -------------------------------------------------------------------------------

void TcxRadioButton::Paint(TDC& dc, bool focusOnly) {
    TDCStateSaver saved(dc);
    FCanvas->SetHandle(&dc);
    TCanvas& canvas = *FCanvas;
    TRect client = ClientRect();
    bool native = IsNativeStyle();
    if (!focusOnly) {
        if (IsTransparent()) {
            if (!cxIsPaintingCopy(this))
                cxDrawTransparentControlBackground(this, dc, client);
        } else if (IsNativeBackground())
            cxDrawTransparentControlBackground(this, dc, client, false);
        if (native)
            DrawBackground(canvas);
    }
    TcxCustomLookAndFeelPainterClass painter = GetPainter();
    FGlyphRect = CalculateGlyphRect();
    TColor background = Color();
    if (IsTransparentBackground())
        background = FLookAndFeel->SkinPainter() ? cxSkinTransparentGlyphBackground
                                                 : cxTransparentGlyphBackground;
    painter->DrawRadioButton(canvas, FGlyphRect.Left, FGlyphRect.Top,
                             RadioButtonStateToButtonState(FState), Checked(), Focused(),
                             background, ComponentState().Contains(csDesigning));
    canvas.Handle()->ExcludeClipRect(FGlyphRect);
    if (!focusOnly && !native)
        DrawBackground(canvas);
    DrawCaption(canvas, native);
    FCanvas->SetHandle(nullptr);
}

TcxCustomLookAndFeelPainterClass TcxRadioButton::GetPainter() const {
    return FLookAndFeel->GetAvailablePainter(totButton);
}

// The glyph is centred vertically (the odd pixel left above); at the left, one pixel in (none
// when native), or flush with the right edge when the caption is at its left.
TRect TcxRadioButton::CalculateGlyphRect() {
    TSize size = GetPainter()->RadioButtonSize();
    int top = (Height() - size.cy) / 2;
    int left = Alignment() == taRightJustify ? (IsNativeStyle() ? 0 : 1) : Width() - size.cx;
    return TRect(left, top, left + size.cx, top + size.cy);
}

void TcxRadioButton::DrawBackground(TCanvas& canvas) {
    if (IsTransparentBackground())
        return;
    canvas.Handle()->FillRect(ClientRect(), Color());
}

void TcxRadioButton::CorrectTextRect(TRect& r, bool isNative) {
    TRect c = CaptionCorrection(isNative, FWordWrap, Alignment() == taLeftJustify);
    r.Left += c.Left;
    r.Top += c.Top;
    r.Right -= c.Right;
    r.Bottom -= c.Bottom;
}

TRect TcxRadioButton::CaptionTextRect(bool isNative) {
    TRect r = ClientRect();
    if (Alignment() == taRightJustify)
        r.Left = FGlyphRect.Right;
    else
        r.Right = FGlyphRect.Left;
    CorrectTextRect(r, isNative);
    return r;
}

unsigned TcxRadioButton::CaptionFlags() const {
    return DT_LEFT | DT_VCENTER | (FWordWrap ? DT_WORDBREAK | DT_NOCLIP : DT_SINGLELINE);
}

void TcxRadioButton::DrawCaption(TCanvas& canvas, bool isNative) {
    canvas.Font().Assign(Font());
    if (!Enabled())
        canvas.Font().SetColor(clBtnShadow);
    TRect r = CaptionTextRect(isNative);
    TDC* dc = canvas.Handle();
    dc->SetBkMode(TRANSPARENT);
    std::string caption = Caption();
    unsigned flags = CaptionFlags();
    TRect textRect = r;
    if (!Enabled() && !isNative) {
        TRect raised = r.Offset(1, 1);
        dc->SetTextColor(clBtnHighlight);
        dc->DrawText(caption, raised, flags);
        dc->SetTextColor(clBtnShadow);
    } else
        dc->SetTextColor(canvas.Font().Color());
    dc->DrawText(caption, textRect, flags);
    if (Focused() && !caption.empty()) {
        dc->SetBkColor(Color());
        dc->SetTextColor(Font().Color());
        dc->DrawFocusRect(FocusRect());
    }
}

TRect TcxRadioButton::FocusRect() {
    std::string caption = Caption();
    if (caption.empty())
        return TRect();
    if (FGlyphRect.IsEmpty())
        FGlyphRect = CalculateGlyphRect();
    TRect r = CaptionTextRect(IsNativeStyle());
    TPixelBuffer pixel(1, 1);
    TDC dc(pixel);
    dc.SelectFont(Font().ToLogFont());
    TRect bounds = r;
    unsigned flags = CaptionFlags();
    dc.DrawText(caption, bounds, flags | DT_CALCRECT);
    // The measured block is placed where the caption is drawn: vertically centred when single
    // line.
    if (!FWordWrap) {
        int h = bounds.Height();
        bounds.Top = r.Top + (r.Height() - h) / 2;
        bounds.Bottom = bounds.Top + h;
    }
    bounds = bounds.Inflated(1, 1);
    bounds.Bottom += 1;
    return bounds;
}
