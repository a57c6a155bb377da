#pragma once

#include "editors/ContainerStyles.h"
#include "editors/ContainerViewInfo.h"
#include "editors/MouseTracking.h"
#include "editors/cxControl.h"

#include <memory>

// Posted to itself by a container whose window was just created: refresh once the creation is
// over.
constexpr UINT CM_SHORTREFRESHCONTAINER = 0x807F;

// The room the default transparent border takes on each side, and the shadow's colour and depth.
constexpr int cxContainerDefaultBorderExtent = 2;
constexpr TColor cxContainerShadowColor = clBtnShadow;
constexpr int cxContainerShadowWidth = 3;

// The border width a border style draws (cbsNone .. cbsOffice11: 0, 1, 2, 2, 2, 1, 1).
int GetContainerBorderWidth(TcxContainerBorderStyle borderStyle);
// The same by look-and-feel kind (lfFlat .. lfOffice11: 2, 2, 1, 1).
int GetContainerBorderWidth(TcxLookAndFeelKind kind);

// The base window of every editor control: four state styles, the view info computed from the
// style active for the current state, a border, background and optional shadow painted around
// an optional hosted child window (the inner control), focus and keys passed on to that child,
// and mouse tracking for the hot look.
//
// A refresh recomputes the view info, sizes the inner control, sets the window region (the
// transparent outer ring and the area around the shadow show the parent) and invalidates the
// frame. Style changes are copied into the control's Color and Font and back; during
// construction and loading they wait for Loaded.
class TcxContainer : public TcxControl, public IcxMouseTrackingCaller {
public:
    explicit TcxContainer(TComponent* owner);
    ~TcxContainer() override;

    std::string ClassName() const override { return "TcxContainer"; }

    // --- Styles --------------------------------------------------------------------------
    TcxContainerStyle& Style() const { return FStyles->StyleNormal(); }
    TcxContainerStyle& StyleDisabled() const { return FStyles->StyleDisabled(); }
    TcxContainerStyle& StyleFocused() const { return FStyles->StyleFocused(); }
    TcxContainerStyle& StyleHot() const { return FStyles->StyleHot(); }
    void SetStyle(const TcxContainerStyle& value) { FStyles->SetStyle(csNormal, value); }
    void SetStyleDisabled(const TcxContainerStyle& v) { FStyles->SetStyle(csDisabled, v); }
    void SetStyleFocused(const TcxContainerStyle& v) { FStyles->SetStyle(csActive, v); }
    void SetStyleHot(const TcxContainerStyle& v) { FStyles->SetStyle(csHotTrack, v); }
    TcxContainerStyle& GetInternalStyle(TcxContainerStateItem state) const {
        return FStyles->GetStyle(state);
    }
    // The style of the current state (cached per state).
    virtual TcxContainerStyle& GetActiveStyle();
    TcxContainerStyle& ActiveStyle() { return GetActiveStyle(); }
    void RestoreStyles() { FStyles->RestoreDefaults(); }

    // --- Inner control -------------------------------------------------------------------
    TWinControl* InnerControl() const { return FInnerControl; }
    void SetInnerControl(TWinControl* control);

    // --- View ----------------------------------------------------------------------------
    TcxContainerViewInfo& ViewInfo() const { return *FViewInfo; }
    bool ShortRefreshContainer(bool isMouseEvent);
    virtual bool RefreshContainer(TPoint p, TcxMouseButton button, TShiftState shift,
                                  bool isMouseEvent);
    virtual void CalculateViewInfo(TPoint p, bool isHot);
    void CheckIsViewInfoCalculated();
    // Where the hot test and the mouse tracking look.
    virtual TRect GetVisibleBounds();
    // Where the inner control goes.
    TRect GetClientBounds() { return FViewInfo->ClientRect; }
    void UpdateScrollBarsParameters() {}

    virtual bool DefaultParentColor() const { return false; }
    virtual bool IsInplace() const { return false; }
    virtual bool IsReadOnly() const { return false; }
    virtual bool IsNativeStyle();
    // The style values this control does not publish (for every style).
    virtual TcxContainerStyleValues InternalGetNotPublishedStyleValues() const { return 0; }

    // --- Overridden control operations ---------------------------------------------------
    bool Focused() const override;
    void SetFocus() override;
    void Invalidate() override;
    void Update() override;
    void GetTabOrderList(std::vector<TWinControl*>& list) override;
    void WndProc(TMessage& message) override;

    // IcxMouseTrackingCaller
    void MouseTrackingCallerMouseLeave() override;
    // The mouse came onto the inner control (straight from outside, perhaps): the container
    // takes it as its own mouse enter.
    void InnerControlMouseEnter();

protected:
    // --- Hooks of derived controls -------------------------------------------------------
    virtual bool IsContainerFocused() const;
    virtual void AdjustInnerControl();
    virtual bool CanContainerHandleTabs() const { return true; }
    // Not while the inner control has the focus already.
    bool CanFocusOnClick() const override;
    virtual bool CanHaveTransparentBorder();
    virtual bool CanShowPopupMenu(TPoint p) const {
        (void)p;
        return true;
    }
    virtual void ContainerStyleChanged(TcxContainerStyle* sender);
    virtual void DataChange() {}
    virtual void DataSetChange() { ShortRefreshContainer(false); }
    virtual void EndMouseTracking();
    virtual TRect GetBorderExtent();
    virtual TRect GetInnerControlBounds(const TRect& innerControlsRegion, TWinControl* control);
    virtual TRect GetShadowBounds();
    virtual bool HasShadow();
    virtual TcxContainerStyle& InternalGetActiveStyle();
    virtual bool IsContainerClass() const { return false; }
    virtual bool IsTransparentBackground() const { return false; }
    // Whether a mouse event that leaves the look unchanged skips sizing and repainting.
    virtual bool SkipsUnchangedMouseRefresh() const { return false; }
    virtual void SetShadowRegion();
    virtual void SetSize();
    virtual void UpdateData() {}
    virtual int GetBackgroundNativePart() const { return 1; }
    virtual int GetBackgroundNativeState();
    virtual bool HasPopupWindow() const { return false; }

    // The classes of the styles and of the view info, chosen by a derived control.
    struct TcxContainerClasses {
        TcxStyleFactory StyleClass;
        std::function<std::unique_ptr<TcxContainerViewInfo>()> ViewInfoClass;
    };
    static TcxContainerClasses ContainerClasses();
    TcxContainer(TComponent* owner, const TcxContainerClasses& classes);

    // --- Control plumbing ----------------------------------------------------------------
    void Paint() override;
    bool EraseBackground(TDC* dc) override;
    void Resize() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CMColorChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMParentColorChanged(TMessage& message) override;
    void CMParentFontChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;

    // Invalidates the frame strips (with an inner control) or the whole control.
    void InvalidateFrame();
    // Cuts the part of child outside clientRect off with a window region, when it changed.
    void ApplyInnerControlRegion(TWinControl* child, const TRect& clientRect);
    // Moves the inner control with refreshes held back meanwhile.
    void MoveInnerControl(const TRect& bounds);
    bool IsRefreshLocked() const { return FRefreshLocked; }
    bool IsInternalSetting() const { return FInternalSetting; }
    bool IsCreating() const { return FIsCreating; }
    TShiftState SavedShiftState() const { return FShiftState; }

private:
    void StyleChanged(TcxContainerStyle* sender);
    void CalculateState(TPoint p, bool isHot);
    void PassKeyToInnerControl(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMSetCursor(TMessage& message);

    TWinControl* FInnerControl = nullptr;
    std::unique_ptr<TcxContainerStyles> FStyles;
    std::unique_ptr<TcxContainerViewInfo> FViewInfo;
    TcxContainerStyle* FActiveStyle = nullptr;
    TcxContainerState FActiveStyleState = ContainerStateBit(csNormal);
    struct TSavedRegion {
        bool Empty = true;
        TRect Rect;
    };
    TSavedRegion FInnerControlRegion;
    bool FIsCreating = false;
    bool FRefreshLocked = false;
    bool FIsViewInfoCalculated = false;
    bool FIsRefreshing = false;
    bool FInternalSetting = false;
    int FLockAlignControls = 0;
    int FPopupMenuLockCount = 0;
    TShiftState FShiftState = 0;
};
