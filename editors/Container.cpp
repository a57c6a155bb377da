#include "editors/Container.h"

#include "editors/FlagGuard.h"
#include "lookandfeel/Office11Colors.h"
#include "platform/control/Form.h"
#include "platform/window/WinApi.h"

#include <algorithm>

int GetContainerBorderWidth(TcxContainerBorderStyle borderStyle) {
    static constexpr int widths[] = {0, 1, 2, 2, 2, 1, 1};
    int i = int(borderStyle);
    return i >= 0 && i < 7 ? widths[i] : 0;
}

int GetContainerBorderWidth(TcxLookAndFeelKind kind) {
    static constexpr int widths[] = {2, 2, 1, 1};
    int i = int(kind);
    return i >= 0 && i < 4 ? widths[i] : 1;
}

namespace {

TcxMouseButton ButtonOf(TMouseButton button) {
    switch (button) {
    case TMouseButton::Left:
        return cxmbLeft;
    case TMouseButton::Right:
        return cxmbRight;
    case TMouseButton::Middle:
        return cxmbMiddle;
    }
    return cxmbNone;
}

// The keyboard and mouse-button state as it is now.
TShiftState LiveShiftState() {
    TShiftState shift = KeyboardShiftState();
    if (GetKeyState(VK_LBUTTON) < 0)
        shift |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0)
        shift |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0)
        shift |= ssMiddle;
    return shift;
}

TRect Deflated(const TRect& r, const TRect& by) {
    return {r.Left + by.Left, r.Top + by.Top, r.Right - by.Right, r.Bottom - by.Bottom};
}
} // namespace

// --- Life -----------------------------------------------------------------------------------

TcxContainer::TcxContainerClasses TcxContainer::ContainerClasses() {
    return {StyleFactoryOf<TcxContainerStyle>(),
            [] { return std::make_unique<TcxContainerViewInfo>(); }};
}

TcxContainer::TcxContainer(TComponent* owner) : TcxContainer(owner, ContainerClasses()) {}

TcxContainer::TcxContainer(TComponent* owner, const TcxContainerClasses& classes)
    : TcxControl(owner) {
    TFlagGuard creating(FIsCreating, true);
    FStyles = std::make_unique<TcxContainerStyles>(this, classes.StyleClass);
    FStyles->SetOnChanged([this](TcxContainerStyle* sender) { StyleChanged(sender); });
    FActiveStyle = &Style();
    FActiveStyleState = ContainerStateBit(csNormal);
    FViewInfo = classes.ViewInfoClass();
    LookAndFeel().SetMasterLookAndFeel(&Style().LookAndFeel());
    SetControlStyle(ControlStyle() | csCaptureMouse | csSetCaption);
    SetTabStop(true);
    TFlagGuard internal(FInternalSetting, true);
    SetParentColor(false);
    SetColor(clWindow);
}

TcxContainer::~TcxContainer() {
    ::EndMouseTracking(this);
    MarkDestroying();
    FInnerControl = nullptr;
    LookAndFeel().SetMasterLookAndFeel(nullptr);
    FViewInfo.reset();
    FStyles->SetOnChanged(nullptr);
    FActiveStyle = nullptr;
    FStyles.reset();
}

void TcxContainer::Loaded() {
    TcxControl::Loaded();
    ContainerStyleChanged(&Style());
    ShortRefreshContainer(false);
}

void TcxContainer::Notification(TComponent* component, TOperation operation) {
    TcxControl::Notification(component, operation);
    if (operation == opRemove && component == FInnerControl) {
        FInnerControl = nullptr;
        FInnerControlRegion = TSavedRegion{};
    }
}

void TcxContainer::SetInnerControl(TWinControl* control) {
    if (control == FInnerControl)
        return;
    if (FInnerControl)
        RemoveFreeNotification(FInnerControl);
    FInnerControl = control;
    FInnerControlRegion = TSavedRegion{};
    if (FInnerControl)
        FreeNotification(FInnerControl);
}

// --- Styles and propagation -----------------------------------------------------------------

TcxContainerStyle& TcxContainer::InternalGetActiveStyle() {
    TcxContainerState state = FViewInfo->ContainerState;
    if (StateHolds(state, csDisabled))
        return StyleDisabled();
    if (StateHolds(state, csActive))
        return StyleFocused();
    if (StateHolds(state, csHotTrack) && Style().HotTrack())
        return StyleHot();
    return Style();
}

TcxContainerStyle& TcxContainer::GetActiveStyle() {
    if (FViewInfo->ContainerState != FActiveStyleState || !FActiveStyle) {
        FActiveStyle = &InternalGetActiveStyle();
        FActiveStyleState = FViewInfo->ContainerState;
    }
    return *FActiveStyle;
}

void TcxContainer::StyleChanged(TcxContainerStyle* sender) {
    if (IsDestroying())
        return;
    ContainerStyleChanged(sender);
}

void TcxContainer::ContainerStyleChanged(TcxContainerStyle* sender) {
    (void)sender;
    if (FIsCreating || IsLoading() || IsDestroying())
        return;
    ShortRefreshContainer(false);
    TFlagGuard internal(FInternalSetting, true);
    if (!ParentColor() || Style().IsValueAssigned(svColor))
        SetColor(Style().GetStyleColor());
    InheritFont(Style().Font());
    if (Style().IsValueAssigned(svFont))
        SetParentFont(false);
}

void TcxContainer::CMColorChanged(TMessage& m) {
    TcxControl::CMColorChanged(m);
    if (FIsCreating || IsDestroying())
        return;
    if (!FInternalSetting) {
        Style().SetColor(Color());
        return;
    }
    if (!IsLoading())
        ShortRefreshContainer(false);
}

void TcxContainer::CMFontChanged(TMessage& m) {
    TcxControl::CMFontChanged(m);
    if (FIsCreating || IsDestroying())
        return;
    if (!FInternalSetting) {
        // The control's font becomes the style's font without counting as assigned there,
        // unless it was assigned already.
        TcxContainerStyle& style = Style();
        bool assigned = (style.AssignedValues() & StyleValueBit(svFont)) != 0;
        if (!assigned)
            ++style.FFontAssignedLock;
        try {
            style.SetFont(Font());
        } catch (...) {
            if (!assigned)
                --style.FFontAssignedLock;
            throw;
        }
        if (!assigned)
            --style.FFontAssignedLock;
        return;
    }
    if (!IsLoading())
        ShortRefreshContainer(false);
}

void TcxContainer::CMParentColorChanged(TMessage& m) {
    {
        TFlagGuard internal(FInternalSetting, true);
        TcxControl::CMParentColorChanged(m);
    }
    if (FIsCreating || IsDestroying())
        return;
    TcxContainerStyle& style = Style();
    bool assigned = (style.AssignedValues() & StyleValueBit(svColor)) != 0;
    if (!assigned || ParentColor())
        style.SetAssignedValues(style.AssignedValues() & ~StyleValueBit(svColor));
    if (style.GetStyleColor() != Color())
        ContainerStyleChanged(&style);
}

void TcxContainer::CMParentFontChanged(TMessage& m) {
    TcxControl::CMParentFontChanged(m);
    if (FIsCreating || IsDestroying())
        return;
    TcxContainerStyle& style = Style();
    if (!ParentFont())
        style.UpdateFont();
    bool assigned = (style.AssignedValues() & StyleValueBit(svFont)) != 0;
    if (!assigned || ParentFont())
        style.SetAssignedValues(style.AssignedValues() & ~StyleValueBit(svFont));
}

void TcxContainer::CMEnabledChanged(TMessage& m) {
    TcxControl::CMEnabledChanged(m);
    ShortRefreshContainer(false);
}

// --- View info ------------------------------------------------------------------------------

bool TcxContainer::IsNativeStyle() {
    return Style().LookAndFeel().NativeStyle() && AreVisualStylesAvailable(totEdit);
}

int TcxContainer::GetBackgroundNativeState() {
    TcxContainerState state = FViewInfo->ContainerState;
    if (StateHolds(state, csDisabled))
        return 4;
    if (IsReadOnly())
        return 6;
    if (StateHolds(state, csActive))
        return 5;
    if (StateHolds(state, csHotTrack))
        return 2;
    return 1;
}

bool TcxContainer::HasShadow() {
    return GetActiveStyle().Shadow() && !FViewInfo->NativeStyle;
}

void TcxContainer::CalculateState(TPoint p, bool isHot) {
    TcxContainerViewInfo& vi = *FViewInfo;
    TcxContainerState state;
    if (!Enabled())
        state = ContainerStateBit(csDisabled);
    else if (IsDesigning())
        state = ContainerStateBit(csNormal);
    else {
        state = ContainerStateBit(IsContainerFocused() ? csActive : csNormal);
        if (isHot && GetVisibleBounds().Contains(p))
            state |= ContainerStateBit(csHotTrack);
    }
    vi.ContainerState = state;
    TcxContainerStyle& active = GetActiveStyle();
    if (!active.HotTrack())
        vi.HotState = chsNoHotTrack;
    else if (StateHolds(state, csActive) || StateHolds(state, csHotTrack))
        vi.HotState = chsSelected;
    else
        vi.HotState = chsNormal;
    if (vi.NativeStyle)
        vi.BorderStyle = Style().BorderStyle();
    else {
        vi.BorderStyle = active.BorderStyle();
        if (vi.BorderStyle == cbsUltraFlat || vi.BorderStyle == cbsOffice11)
            vi.BorderStyle = cbsSingle;
    }
}

void TcxContainer::CalculateViewInfo(TPoint p, bool isHot) {
    TcxContainerViewInfo& vi = *FViewInfo;
    vi.NativeStyle = IsNativeStyle();
    vi.HasSkinPainter = LookAndFeel().SkinPainter() != nullptr;
    int previousWidth = GetContainerBorderWidth(vi.BorderStyle);
    CalculateState(p, isHot);
    if (!vi.NativeStyle && GetContainerBorderWidth(vi.BorderStyle) < previousWidth) {
        // The hot test depends on the border width: test again with the thinner border.
        vi.BorderWidth = GetContainerBorderWidth(vi.BorderStyle);
        CalculateState(p, isHot);
    }
    if (vi.NativeStyle) {
        vi.NativePart = GetBackgroundNativePart();
        vi.NativeState = GetBackgroundNativeState();
    }
    vi.Bounds = TRect(0, 0, Width(), Height());
    vi.InnerRect = Deflated(vi.Bounds, GetBorderExtent());
    vi.ClientRect = vi.InnerRect;
    vi.BorderWidth = vi.HasSkinPainter ? 1 : GetContainerBorderWidth(vi.BorderStyle);
    TcxContainerStyle& active = GetActiveStyle();
    vi.Edges = active.Edges();
    vi.Shadow = HasShadow();

    TcxContainerState state = vi.ContainerState;
    bool highlighted = StateHolds(state, csActive) ||
                       (StateHolds(state, csHotTrack) && active.HotTrack()) ||
                       (IsDesigning() && Enabled());
    TcxContainerBorderStyle styleBorder = active.BorderStyle();
    if (styleBorder != cbsUltraFlat && styleBorder != cbsOffice11)
        vi.BorderColor = active.BorderColor();
    else if (!highlighted)
        vi.BorderColor = clBtnShadow;
    else
        vi.BorderColor = styleBorder == cbsOffice11 ? dxOffice11SelectedBorderColor() : clHighlight;
    vi.SetBackgroundColor(active.GetColor());
}

TRect TcxContainer::GetBorderExtent() {
    TcxContainerStyle& active = GetActiveStyle();
    const TcxContainerViewInfo& vi = *FViewInfo;
    TRect extent;
    if (active.TransparentBorder() && !vi.HasSkinPainter)
        extent = TRect(cxContainerDefaultBorderExtent, cxContainerDefaultBorderExtent,
                       cxContainerDefaultBorderExtent, cxContainerDefaultBorderExtent);
    else if (!active.HasBorder() || (vi.NativeStyle && Style().BorderStyle() == cbsNone))
        extent = TRect();
    else if (vi.NativeStyle)
        extent = TRect(2, 2, 2, 2);
    else {
        int w = GetContainerBorderWidth(vi.BorderStyle);
        TcxBorders edges = active.Edges();
        extent = TRect(edges & BorderBit(bLeft) ? w : 0, edges & BorderBit(bTop) ? w : 0,
                       edges & BorderBit(bRight) ? w : 0, edges & BorderBit(bBottom) ? w : 0);
    }
    if (HasShadow()) {
        extent.Right += cxContainerShadowWidth;
        extent.Bottom += cxContainerShadowWidth;
    }
    return extent;
}

TRect TcxContainer::GetShadowBounds() {
    TRect r = FViewInfo->InnerRect;
    int w = FViewInfo->BorderWidth;
    TcxBorders edges = GetActiveStyle().Edges();
    if (edges & BorderBit(bLeft))
        r.Left -= w;
    if (edges & BorderBit(bTop))
        r.Top -= w;
    if (edges & BorderBit(bRight))
        r.Right += w;
    if (edges & BorderBit(bBottom))
        r.Bottom += w;
    return r;
}

bool TcxContainer::CanHaveTransparentBorder() {
    return !(FViewInfo->NativeStyle && Style().BorderStyle() != cbsNone);
}

void TcxContainer::SetShadowRegion() {
    if (!HandleAllocated())
        return;
    TRegion current;
    bool hasCurrent = GetWindowRgn(Handle(), &current);
    if (!CanHaveTransparentBorder()) {
        if (hasCurrent)
            SetWindowRgn(Handle(), nullptr, true);
        return;
    }
    TRect r = GetShadowBounds();
    TRegion region(r);
    if (HasShadow())
        region.Unite(r.Offset(cxContainerShadowWidth, cxContainerShadowWidth));
    if (!hasCurrent || !(current == region))
        SetWindowRgn(Handle(), &region, true);
}

TRect TcxContainer::GetVisibleBounds() {
    TRect r(0, 0, Width(), Height());
    if (HasShadow()) {
        r.Right -= cxContainerShadowWidth;
        r.Bottom -= cxContainerShadowWidth;
    }
    TcxContainerStyle& style = Style();
    if (style.HasBorder()) {
        if (FViewInfo->NativeStyle) {
            if (style.TransparentBorder() && style.BorderStyle() == cbsNone)
                r = r.Inflated(-2, -2);
        } else if (style.TransparentBorder()) {
            int w = FViewInfo->BorderWidth;
            r = r.Inflated(-(2 - w), -(2 - w));
            TcxBorders edges = style.Edges();
            if (!(edges & BorderBit(bLeft)))
                r.Left += w;
            if (!(edges & BorderBit(bTop)))
                r.Top += w;
            if (!(edges & BorderBit(bRight)))
                r.Right -= w;
            if (!(edges & BorderBit(bBottom)))
                r.Bottom -= w;
        }
    } else if (style.TransparentBorder())
        r = r.Inflated(-2, -2);
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    return r;
}

// --- Refresh --------------------------------------------------------------------------------

bool TcxContainer::RefreshContainer(TPoint p, TcxMouseButton button, TShiftState shift,
                                    bool isMouseEvent) {
    (void)button;
    (void)isMouseEvent;
    if (FRefreshLocked || IsDestroying())
        return false;
    bool wasCalculated = FIsViewInfoCalculated;
    TcxContainerViewInfo before(*FViewInfo);
    FIsViewInfoCalculated = true;
    CalculateViewInfo(p, shift == 0 && GetActiveStyle().HotTrack());
    if (isMouseEvent && wasCalculated && SkipsUnchangedMouseRefresh() &&
        before.SameLook(*FViewInfo))
        return true;
    SetSize();
    AdjustInnerControl();
    SetShadowRegion();
    InvalidateFrame();
    if (StateHolds(FViewInfo->ContainerState, csHotTrack))
        BeginMouseTracking(this, GetVisibleBounds(), this);
    return true;
}

bool TcxContainer::ShortRefreshContainer(bool isMouseEvent) {
    if (!HandleAllocated() || IsDestroying() || FIsRefreshing)
        return false;
    TFlagGuard refreshing(FIsRefreshing, true);
    TPoint cursor;
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    HWND own = Handle();
    TPoint p(-1, -1);
    if (under && (under == own || IsChild(own, under)))
        p = ScreenToClient(cursor);
    return RefreshContainer(p, cxmbNone, LiveShiftState(), isMouseEvent);
}

void TcxContainer::CheckIsViewInfoCalculated() {
    if (!FIsViewInfoCalculated)
        ShortRefreshContainer(false);
}

void TcxContainer::InvalidateFrame() {
    if (!HandleAllocated())
        return;
    const TcxContainerViewInfo& vi = *FViewInfo;
    if (!FInnerControl) {
        InvalidateRect(Handle(), nullptr, false);
        return;
    }
    const TRect& b = vi.Bounds;
    const TRect& in = vi.InnerRect;
    const TRect strips[] = {{b.Left, b.Top, b.Right, in.Top},
                            {b.Left, in.Bottom, b.Right, b.Bottom},
                            {b.Left, in.Top, in.Left, in.Bottom},
                            {in.Right, in.Top, b.Right, in.Bottom}};
    for (const TRect& s : strips)
        if (!s.IsEmpty())
            InvalidateRect(Handle(), &s, false);
}

// --- Inner control --------------------------------------------------------------------------

TRect TcxContainer::GetInnerControlBounds(const TRect& innerControlsRegion, TWinControl* control) {
    (void)control;
    return innerControlsRegion;
}

void TcxContainer::SetSize() {
    if (!FInnerControl)
        return;
    MoveInnerControl(GetInnerControlBounds(GetClientBounds(), FInnerControl));
    ApplyInnerControlRegion(FInnerControl, GetClientBounds());
}

void TcxContainer::MoveInnerControl(const TRect& bounds) {
    if (!FInnerControl || FInnerControl->BoundsRect() == bounds)
        return;
    TFlagGuard locked(FRefreshLocked, true);
    FInnerControl->SetBoundsRect(bounds);
}

void TcxContainer::AdjustInnerControl() {
    if (!FInnerControl)
        return;
    FInnerControl->SetColor(FViewInfo->BackgroundColor);
    FInnerControl->Font().Assign(GetActiveStyle().GetVisibleFont());
}

void TcxContainer::ApplyInnerControlRegion(TWinControl* child, const TRect& clientRect) {
    if (!child->HandleAllocated())
        return;
    TRect bounds = child->BoundsRect();
    TRect visible = bounds.Intersected(clientRect);
    TSavedRegion wanted;
    wanted.Empty = visible == bounds;
    if (!wanted.Empty)
        wanted.Rect = visible.Offset(-bounds.Left, -bounds.Top);
    if (child == FInnerControl) {
        if (wanted.Empty == FInnerControlRegion.Empty && wanted.Rect == FInnerControlRegion.Rect)
            return;
        FInnerControlRegion = wanted;
    }
    if (wanted.Empty)
        SetWindowRgn(child->Handle(), nullptr, true);
    else {
        TRegion region(wanted.Rect);
        SetWindowRgn(child->Handle(), &region, true);
    }
}

void TcxContainer::AlignControls(TControl* control, TRect& rect) {
    TcxControl::AlignControls(control, rect);
    if (FLockAlignControls > 0 || !FInnerControl)
        return;
    ApplyInnerControlRegion(FInnerControl, GetClientBounds());
}

// --- Focus ----------------------------------------------------------------------------------

bool TcxContainer::CanFocusOnClick() const {
    return !(FInnerControl && FInnerControl->Focused()) && TcxControl::CanFocusOnClick();
}

bool TcxContainer::IsContainerFocused() const {
    return Focused();
}

bool TcxContainer::Focused() const {
    if (IsDesigning() || !FHandle)
        return false;
    HWND focus = GetFocus();
    if (focus == FHandle)
        return true;
    return FInnerControl && FInnerControl->Focused();
}

void TcxContainer::SetFocus() {
    TcxControl::SetFocus();
    if (FInnerControl && HandleAllocated() && GetFocus() == Handle() && FInnerControl->CanFocus())
        FInnerControl->SetFocus();
}

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& list) {
    // The parent has just listed this control; its children follow.
    std::size_t self = list.size();
    TcxControl::GetTabOrderList(list);
    TCustomForm* form = GetParentForm();
    if (!FInnerControl || !form || form->ActiveControl() != FInnerControl || self == 0 ||
        list[self - 1] != this)
        return;
    list[self - 1] = FInnerControl;
    auto later = std::find(list.begin() + std::ptrdiff_t(self), list.end(), FInnerControl);
    if (later != list.end())
        list.erase(later);
}

void TcxContainer::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxControl::KeyDown(key, shift);
    if (key != VK_TAB || (shift & (ssAlt | ssCtrl)) || !Focused() || !CanContainerHandleTabs())
        return;
    key = 0;
    if (TCustomForm* form = GetParentForm())
        form->SelectNext(this, !(shift & ssShift), true);
    if (FInnerControl && HandleAllocated() && GetFocus() == Handle() && FInnerControl->CanFocus())
        FInnerControl->SetFocus();
}

// --- Mouse ----------------------------------------------------------------------------------

void TcxContainer::MouseEnter() {
    TcxControl::MouseEnter();
    ShortRefreshContainer(true);
    BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::InnerControlMouseEnter() {
    if (IsDestroying())
        return;
    ShortRefreshContainer(true);
    BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseLeave() {
    EndMouseTracking();
    TcxControl::MouseLeave();
}

void TcxContainer::MouseMove(TShiftState shift, int x, int y) {
    TcxControl::MouseMove(shift, x, y);
    RefreshContainer(TPoint(x, y), cxmbNone, shift, true);
    BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FShiftState = shift;
    RefreshContainer(TPoint(x, y), ButtonOf(button), shift, true);
    TcxControl::MouseDown(button, shift, x, y);
}

void TcxContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FShiftState = shift;
    RefreshContainer(TPoint(x, y), ButtonOf(button), shift, true);
    TcxControl::MouseUp(button, shift, x, y);
}

void TcxContainer::EndMouseTracking() {
    // Tracking stops first: when the cursor went on into the inner control, the refresh finds
    // it still inside and tracks it again, so the hot look ends only when it leaves for good.
    FShiftState = 0;
    ::EndMouseTracking(this);
    ShortRefreshContainer(true);
}

void TcxContainer::MouseTrackingCallerMouseLeave() {
    EndMouseTracking();
}

// --- Painting and window --------------------------------------------------------------------

void TcxContainer::Paint() {
    cxCanvas().SetCanvas(&Canvas());
    if (!cxCanvas().RectVisible(TRect(0, 0, Width(), Height())))
        return;
    CheckIsViewInfoCalculated();
    FViewInfo->Paint(cxCanvas());
}

bool TcxContainer::EraseBackground(TDC* dc) {
    (void)dc;
    return true;
}

void TcxContainer::Invalidate() {
    TcxControl::Invalidate();
    if (FInnerControl)
        FInnerControl->Invalidate();
}

void TcxContainer::Update() {
    TcxControl::Update();
    if (FInnerControl)
        FInnerControl->Update();
}

void TcxContainer::Resize() {
    TcxControl::Resize();
    ShortRefreshContainer(false);
}

void TcxContainer::CreateParams(TCreateParams& params) {
    TcxControl::CreateParams(params);
    params.WindowClassStyle &= ~UINT(CS_HREDRAW | CS_VREDRAW);
    params.Caption.clear();
}

void TcxContainer::CreateWnd() {
    TcxControl::CreateWnd();
    FInnerControlRegion = TSavedRegion{};
    PostMessage(Handle(), CM_SHORTREFRESHCONTAINER, 0, 0);
}

void TcxContainer::PassKeyToInnerControl(TMessage& m) {
    m.Result = SendMessage(FInnerControl->Handle(), m.Msg, m.WParam, m.LParam);
}

void TcxContainer::WMSetFocus(TMessage& m) {
    TcxControl::WndProc(m);
    HWND from = reinterpret_cast<HWND>(m.WParam);
    if (FInnerControl && FInnerControl->HandleAllocated() && from != FInnerControl->Handle() &&
        FInnerControl->CanFocus())
        ::SetFocus(FInnerControl->Handle());
    ShortRefreshContainer(false);
}

void TcxContainer::WMSetCursor(TMessage& m) {
    int hit = std::int16_t(LOWORD(WPARAM(m.LParam)));
    if (hit == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle) {
        TPoint cursor;
        GetCursorPos(&cursor);
        if (!GetClientBounds().Contains(ScreenToClient(cursor))) {
            ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
            m.Result = 1;
            return;
        }
    }
    TcxControl::WndProc(m);
}

void TcxContainer::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        if (FInnerControl && FInnerControl->HandleAllocated()) {
            PassKeyToInnerControl(m);
            return;
        }
        break;
    case WM_SETFOCUS:
        WMSetFocus(m);
        return;
    case WM_KILLFOCUS:
        if (FInnerControl && FInnerControl->HandleAllocated() &&
            reinterpret_cast<HWND>(m.WParam) == FInnerControl->Handle()) {
            m.Result = 0;
            return;
        }
        TcxControl::WndProc(m);
        ShortRefreshContainer(false);
        return;
    case CM_FOCUSCHANGED:
        TcxControl::WndProc(m);
        ShortRefreshContainer(false);
        return;
    case CM_SYSCOLORCHANGE:
        TcxControl::WndProc(m);
        ShortRefreshContainer(false);
        return;
    case CM_SHORTREFRESHCONTAINER:
        ShortRefreshContainer(false);
        return;
    case WM_SETCURSOR:
        WMSetCursor(m);
        return;
    case WM_NCPAINT:
        m.Result = 0;
        return;
    case WM_WINDOWPOSCHANGED:
        TcxControl::WndProc(m);
        if (FInnerControl && HandleAllocated() && GetFocus() == Handle() &&
            FInnerControl->CanFocus() && FInnerControl->HandleAllocated())
            ::SetFocus(FInnerControl->Handle());
        return;
    default:
        break;
    }
    TcxControl::WndProc(m);
}
