#include "editors/ScrollBar.h"

#include "lookandfeel/PainterResources.h"
#include "platform/control/ControlMessages.h"
#include "platform/core/Exception.h"
#include "platform/core/MulDiv.h"
#include "platform/draw/DC.h"
#include "platform/window/WinApi.h"
#include "platform/window/WinConst.h"

#include <algorithm>

namespace {
constexpr unsigned FirstRepeatInterval = 400;
constexpr unsigned RepeatInterval = 60;
// How far from the bar a dragged thumb keeps tracking: across the bar and along it.
constexpr int TrackingAcross = 136;
constexpr int TrackingAlong = 34;
} // namespace

TcxScrollBar::TcxScrollBar(TComponent* owner)
    : TCustomControl(owner), FBitmap(std::make_unique<TBitmap>()),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)),
      FViewInfo(std::make_unique<TcxScrollBarViewInfo>(*this)),
      FTimer(MakeComponent<TTimer>(nullptr)),
      FThemeListener(std::make_unique<TdxThemeChangedNotificator>()) {
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
        LookAndFeelChanged(sender, changed);
    };
    FTimer->SetEnabled(false);
    FTimer->SetInterval(FirstRepeatInterval);
    FTimer->OnTimer = [this](TPersistent*) { TimerTick(); };
    FThemeListener->OnThemeChanged = [this] { ThemeChanged(); };
    SetControlStyle(csCaptureMouse | csFramed | csOpaque);
    FViewInfo->CalculateMinThumnailSize();
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
    FViewInfo->Calculate();
}

TcxScrollBar::~TcxScrollBar() {
    FTimer->OnTimer = nullptr;
    FThemeListener->OnThemeChanged = nullptr;
    FLookAndFeel->OnChanged = nullptr;
}

// --- Parameters -----------------------------------------------------------------------------

void TcxScrollBar::SetKind(TScrollBarKind value) {
    if (FKind == value)
        return;
    FKind = value;
    FViewInfo->CalculateMinThumnailSize();
    FViewInfo->Calculate();
    Invalidate();
}

void TcxScrollBar::SetCtl3D(bool value) {
    if (FCtl3D == value)
        return;
    FCtl3D = value;
    FParentCtl3D = false;
    RecalculateView();
}

int TcxScrollBar::ClampPosition(int pos) const {
    return std::clamp(pos, FMin, std::max(FMin, FMax));
}

void TcxScrollBar::SetScrollParams(int min, int max, int position, int pageSize, bool redraw) {
    if (ComponentState().Contains(csLoading)) {
        // A layout gives the values one by one: they are checked together once it is read.
        FMin = min;
        FMax = max;
        FPageSize = pageSize;
        FPosition = position;
        return;
    }
    if (max < min || max < pageSize)
        throw EInvalidOperation("Scrollbar property out of range");
    position = std::clamp(position, min, max);
    bool repaint = redraw && HandleAllocated() &&
                   (FMin != min || FMax != max || FPageSize != pageSize || FPosition != position);
    FMin = min;
    FMax = max;
    FPageSize = pageSize;
    if (FPosition == position) {
        FViewInfo->CalculateThumbnailRect();
        if (repaint)
            Invalidate();
        return;
    }
    SetEnabled(true);
    FPosition = position;
    FViewInfo->CalculateThumbnailRect();
    if (repaint)
        Invalidate();
    Change();
}

void TcxScrollBar::Change() {
    if (OnChange)
        OnChange(this);
}

// --- Scrolling ------------------------------------------------------------------------------

void TcxScrollBar::Scroll(TScrollCode scrollCode, int& scrollPos) {
    if (OnScroll)
        OnScroll(this, scrollCode, scrollPos);
}

void TcxScrollBar::InternalScroll(TScrollCode scrollCode) {
    int pos = FPosition;
    switch (scrollCode) {
    case scLineUp:
        pos -= FSmallChange;
        break;
    case scLineDown:
        pos += FSmallChange;
        break;
    case scPageUp:
        pos -= FLargeChange;
        break;
    case scPageDown:
        pos += FLargeChange;
        break;
    case scTop:
        pos = FMin;
        break;
    case scBottom:
        pos = FMax;
        break;
    case scPosition:
    case scTrack:
    case scEndScroll:
        break;
    }
    pos = ClampPosition(pos);
    Scroll(scrollCode, pos);
    pos = ClampPosition(pos);
    if (pos == FPosition)
        return;
    if (scrollCode == scTrack) {
        // The thumb stays where the mouse put it.
        FPosition = pos;
        Invalidate();
        return;
    }
    SetScrollParams(FMin, FMax, pos, FPageSize, true);
}

void TcxScrollBar::DoScroll(TcxScrollBarPart part) {
    switch (part) {
    case sbpLineUp:
        InternalScroll(scLineUp);
        break;
    case sbpLineDown:
        InternalScroll(scLineDown);
        break;
    case sbpThumbnail:
        InternalScroll(scTrack);
        break;
    case sbpPageUp:
        InternalScroll(scPageUp);
        break;
    case sbpPageDown:
        InternalScroll(scPageDown);
        break;
    case sbpNone:
        break;
    }
}

// --- Geometry -------------------------------------------------------------------------------

TcxScrollBarPart TcxScrollBar::GetScrollBarPart(TPoint p) const {
    const TcxScrollBarViewInfo& vi = *FViewInfo;
    if (!TRect(0, 0, Width(), Height()).Contains(p))
        return sbpNone;
    if (vi.TopLeftArrowRect.Contains(p))
        return sbpLineUp;
    if (vi.BottomRightArrowRect.Contains(p))
        return sbpLineDown;
    if (vi.ThumbnailRect.IsEmpty())
        return sbpNone;
    if (vi.ThumbnailRect.Contains(p))
        return sbpThumbnail;
    if (vi.PageUpRect.Contains(p))
        return sbpPageUp;
    if (vi.PageDownRect.Contains(p))
        return sbpPageDown;
    return sbpNone;
}

int TcxScrollBar::GetPositionFromThumbnail() const {
    const TcxScrollBarViewInfo& vi = *FViewInfo;
    int room = vi.TrackEnd() - vi.TrackStart() - vi.ThumbnailLength();
    if (room <= 0)
        return FMin;
    int range = FMax - FMin + (FPageSize > 0 ? 1 - FPageSize : 0);
    return FMin + MulDiv(range, vi.ThumbnailStart() - vi.TrackStart(), room);
}

void TcxScrollBar::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    if (width > 0 && height > 0 && FBitmap) {
        FBitmap->SetSize(width, height);
        FViewInfo->Calculate();
    }
}

void TcxScrollBar::Loaded() {
    TCustomControl::Loaded();
    const int position = FPosition;
    FPosition = std::clamp(position, FMin, std::max(FMin, FMax));
    SetScrollParams(FMin, FMax, position, FPageSize, true);
    FViewInfo->Calculate();
}

// --- Mouse ----------------------------------------------------------------------------------

bool TcxScrollBar::IsArrowOrPage(TcxScrollBarPart part) const {
    return part == sbpLineUp || part == sbpLineDown || part == sbpPageUp || part == sbpPageDown;
}

bool TcxScrollBar::PainterTracksHot() const {
    return Painter()->IsButtonHotTrack();
}

TPoint TcxScrollBar::CursorInClient() const {
    TPoint p;
    if (!GetCursorPos(&p))
        return TPoint(-1, -1);
    return ScreenToClient(p);
}

void TcxScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    TcxScrollBarPart part = GetScrollBarPart(TPoint(x, y));
    if (part == sbpNone)
        return;
    if (part == sbpThumbnail) {
        FSavePoint = TPoint(x, y);
        FSavePosition = FPosition;
        FSaveThumbnailPos = FViewInfo->ThumbnailStart();
        InternalScroll(scTrack);
        FState = part;
        FHotPart = part;
    } else {
        FState = part;
        FHotPart = part;
        DoScroll(part);
        FTimer->SetInterval(FirstRepeatInterval);
        FTimer->SetEnabled(true);
    }
    Invalidate();
}

void TcxScrollBar::MoveThumb(TPoint p) {
    TRect tracking = TRect(0, 0, Width(), Height());
    if (Vertical())
        tracking = tracking.Inflated(TrackingAcross, TrackingAlong);
    else
        tracking = tracking.Inflated(TrackingAlong, TrackingAcross);
    if (!FUnlimitedTracking && !tracking.Contains(p)) {
        SetScrollParams(FMin, FMax, FSavePosition, FPageSize, true);
        InternalScroll(scTrack);
        return;
    }
    TcxScrollBarViewInfo& vi = *FViewInfo;
    int start = FSaveThumbnailPos + Along(p) - Along(FSavePoint);
    start = std::clamp(start, vi.TrackStart(),
                       std::max(vi.TrackStart(), vi.TrackEnd() - vi.ThumbnailLength()));
    vi.SetThumbnailPos(start);
    Invalidate();
    // Back where the drag began is the position it began with, not the thumb's rounded one.
    int pos =
        start == FSaveThumbnailPos ? FSavePosition : ClampPosition(GetPositionFromThumbnail());
    if (pos != FPosition) {
        FPosition = pos;
        InternalScroll(scTrack);
    }
}

void TcxScrollBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (FState == sbpThumbnail) {
        MoveThumb(TPoint(x, y));
        return;
    }
    TcxScrollBarPart part = GetScrollBarPart(TPoint(x, y));
    if (IsArrowOrPage(FState))
        FTimer->SetEnabled(part == FState);
    if (part != FHotPart) {
        FHotPart = part;
        if (PainterTracksHot())
            Invalidate();
    }
}

void TcxScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    CancelScroll();
    TcxScrollBarPart part = GetScrollBarPart(TPoint(x, y));
    if (part != FHotPart) {
        FHotPart = part;
        Invalidate();
    }
}

void TcxScrollBar::MouseEnter() {
    TCustomControl::MouseEnter();
    if (PainterTracksHot() || IsArrowOrPage(FState))
        Invalidate();
}

void TcxScrollBar::MouseLeave() {
    TCustomControl::MouseLeave();
    if (FState != sbpThumbnail)
        FHotPart = sbpNone;
    if (PainterTracksHot() || IsArrowOrPage(FState))
        Invalidate();
}

void TcxScrollBar::TimerTick() {
    if (GetCaptureControl() != this || !IsArrowOrPage(FState)) {
        CancelScroll();
        return;
    }
    if (FTimer->Interval() != RepeatInterval)
        FTimer->SetInterval(RepeatInterval);
    TcxScrollBarPart pressed = FState;
    DoScroll(pressed);
    // The handler may have ended the scroll.
    if (FState == pressed)
        FTimer->SetEnabled(GetScrollBarPart(CursorInClient()) == pressed);
}

void TcxScrollBar::CancelScroll() {
    if (FState == sbpNone)
        return;
    bool dragged = FState == sbpThumbnail;
    FState = sbpNone;
    FTimer->SetEnabled(false);
    if (dragged) {
        int pos = FViewInfo->ThumbnailStart() == FSaveThumbnailPos
                      ? FSavePosition
                      : ClampPosition(GetPositionFromThumbnail());
        FPosition = pos;
        InternalScroll(scPosition);
    }
    FHotPart = sbpNone;
    InternalScroll(scEndScroll);
    FViewInfo->CalculateThumbnailRect();
    Invalidate();
}

// --- Messages -------------------------------------------------------------------------------

void TcxScrollBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CANCELMODE:
        CancelScroll();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (LOWORD(std::uintptr_t(m.WParam)) <= scEndScroll) {
            InternalScroll(TScrollCode(LOWORD(std::uintptr_t(m.WParam))));
            m.Result = 0;
            return;
        }
        break;
    case CM_SYSCOLORCHANGE:
    case WM_SYSCOLORCHANGE:
        UpdateScrollBarBitmaps();
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TcxScrollBar::CMEnabledChanged(TMessage& m) {
    if (!Enabled())
        CancelScroll();
    TCustomControl::CMEnabledChanged(m);
    FViewInfo->CalculateThumbnailRect();
    Invalidate();
}

void TcxScrollBar::CMVisibleChanged(TMessage& m) {
    if (!Visible())
        CancelScroll();
    TCustomControl::CMVisibleChanged(m);
}

// --- Look -----------------------------------------------------------------------------------

void TcxScrollBar::RecalculateView() {
    FViewInfo->CalculateMinThumnailSize();
    FViewInfo->Calculate();
    Invalidate();
}

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    (void)sender;
    (void)changed;
    RecalculateView();
}

void TcxScrollBar::ThemeChanged() {
    FViewInfo->CalculateMinThumnailSize();
    FViewInfo->Calculate();
    UpdateScrollBarBitmaps();
    if (Parent())
        Parent()->Realign();
    Invalidate();
}

TcxButtonState TcxScrollBar::GetPartState(TcxScrollBarPart part) const {
    if (!Enabled())
        return cxbsDisabled;
    if (part == sbpThumbnail && !PainterTracksHot())
        return cxbsNormal;
    if (FState != sbpNone)
        return part == FState && part == FHotPart ? cxbsPressed : cxbsNormal;
    if (part == FHotPart && !ComponentState().Contains(csDesigning))
        return cxbsHot;
    return cxbsNormal;
}

void TcxScrollBar::DrawScrollBarPart(const TRect& r, TcxScrollBarPart part) {
    Painter()->DrawScrollBarPart(FBitmap->Canvas(), !Vertical(), r, part, GetPartState(part));
}

bool TcxScrollBar::EraseBackground(TDC* dc) {
    (void)dc;
    return true;
}

void TcxScrollBar::Paint() {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0 || !Canvas().Handle())
        return;
    if (FBitmap->Width() != w || FBitmap->Height() != h)
        FBitmap->SetSize(w, h);
    const TcxScrollBarViewInfo& vi = *FViewInfo;
    if (vi.ThumbnailRect.IsEmpty())
        Painter()->DrawScrollBarPart(FBitmap->Canvas(), !Vertical(), TRect(0, 0, w, h), sbpPageUp,
                                     cxbsNormal);
    else
        DrawScrollBarPart(vi.ThumbnailRect, sbpThumbnail);
    DrawScrollBarPart(vi.TopLeftArrowRect, sbpLineUp);
    DrawScrollBarPart(vi.BottomRightArrowRect, sbpLineDown);
    if (!vi.PageUpRect.IsEmpty())
        DrawScrollBarPart(vi.PageUpRect, sbpPageUp);
    if (!vi.PageDownRect.IsEmpty())
        DrawScrollBarPart(vi.PageDownRect, sbpPageDown);
    Canvas().Handle()->BitBlt(0, 0, w, h, &FBitmap->DC(), 0, 0, SRCCOPY);
}
