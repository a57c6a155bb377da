#pragma once

#include "editors/ScrollBarViewInfo.h"
#include "lookandfeel/LookAndFeel.h"
#include "lookandfeel/ThemeManager.h"
#include "platform/component/NotifyEvent.h"
#include "platform/control/CustomControl.h"
#include "platform/control/Timer.h"
#include "platform/draw/Bitmap.h"

#include <functional>
#include <memory>

enum TScrollBarKind { sbHorizontal, sbVertical };

// The scroll codes of the platform's scroll notifications.
enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

// OnScroll: the handler may change the position the bar is about to take.
using TScrollEvent =
    std::function<void(TPersistent* sender, TScrollCode scrollCode, int& scrollPos)>;

// The scroll bar the editor controls draw themselves: two arrows, a thumb and two page areas
// laid out by the view info and painted through the look-and-feel painter into an off-screen
// bitmap. A left-button press on an arrow or page area scrolls once at once, again after 400 ms
// and then every 60 ms while the mouse stays on that part; a press on the thumb drags it, and
// dragging far away from the bar puts the position back where the drag began.
class TcxScrollBar : public TCustomControl {
public:
    explicit TcxScrollBar(TComponent* owner);
    ~TcxScrollBar() override;

    std::string ClassName() const override { return "TcxScrollBar"; }

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value) { SetScrollParams(value, FMax, FPosition, FPageSize, true); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetScrollParams(FMin, value, FPosition, FPageSize, true); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { SetScrollParams(FMin, FMax, FPosition, value, true); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetScrollParams(FMin, FMax, value, FPageSize, true); }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value) { FSmallChange = value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value) { FLargeChange = value; }
    bool UnlimitedTracking() const { return FUnlimitedTracking; }
    void SetUnlimitedTracking(bool value) { FUnlimitedTracking = value; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool value) { FParentCtl3D = value; }

    // The one setter behind Min, Max, PageSize and Position. Raises EInvalidOperation when max
    // is below min or below the page size; the position is kept within [min, max]. A new
    // position enables the bar and fires OnChange.
    void SetScrollParams(int min, int max, int position, int pageSize, bool redraw = true);
    // Keeps the page size.
    void SetParams(int position, int min, int max) {
        SetScrollParams(min, max, position, FPageSize, true);
    }

    TcxLookAndFeel& LookAndFeel() { return *FLookAndFeel; }
    void SetLookAndFeel(const TcxLookAndFeel& value) { FLookAndFeel->Assign(value); }
    TcxCustomLookAndFeelPainterClass Painter() const { return FLookAndFeel->GetPainter(); }
    TcxScrollBarViewInfo& ViewInfo() { return *FViewInfo; }

    // The part under a client point.
    TcxScrollBarPart GetScrollBarPart(TPoint p) const;
    // The part held by the left button (sbpNone when no scroll runs) and the part under the
    // mouse.
    TcxScrollBarPart PressedPart() const { return FState; }
    TcxScrollBarPart HotPart() const { return FHotPart; }
    // The position the thumb stands for.
    int GetPositionFromThumbnail() const;
    // Ends a running scroll (also on cancel mode, disabling and hiding).
    void CancelScroll();
    bool IsScrolling() const { return FState != sbpNone; }
    // The state a part is painted in.
    TcxButtonState GetPartState(TcxScrollBarPart part) const;

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    bool EraseBackground(TDC* dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void Loaded() override;

    virtual void Change();
    virtual void Scroll(TScrollCode scrollCode, int& scrollPos);
    // Moves by the scroll code, lets OnScroll have its say and takes the position.
    void InternalScroll(TScrollCode scrollCode);
    void DoScroll(TcxScrollBarPart part);
    virtual void LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed);
    void ThemeChanged();

private:
    bool Vertical() const { return FKind == sbVertical; }
    int Along(TPoint p) const { return Vertical() ? p.Y : p.X; }
    bool IsArrowOrPage(TcxScrollBarPart part) const;
    bool PainterTracksHot() const;
    void RecalculateView();
    void DrawScrollBarPart(const TRect& r, TcxScrollBarPart part);
    void TimerTick();
    void MoveThumb(TPoint p);
    TPoint CursorInClient() const;
    int ClampPosition(int pos) const;

    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    std::unique_ptr<TcxScrollBarViewInfo> FViewInfo;
    TComponentPtr<TTimer> FTimer;
    std::unique_ptr<TdxThemeChangedNotificator> FThemeListener;
    TScrollBarKind FKind = sbHorizontal;
    int FSmallChange = 1;
    int FLargeChange = 1;
    int FMin = 0;
    int FMax = 100;
    int FPageSize = 0;
    int FPosition = 0;
    TcxScrollBarPart FState = sbpNone;
    TcxScrollBarPart FHotPart = sbpNone;
    TPoint FSavePoint;
    int FSavePosition = 0;
    int FSaveThumbnailPos = 0;
    bool FUnlimitedTracking = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
};
