#pragma once

#include "platform/component/Component.h"
#include "platform/component/NotifyEvent.h"
#include "platform/control/ControlMessages.h"
#include "platform/control/ControlTypes.h"
#include "platform/control/SizeConstraints.h"
#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/draw/Font.h"

#include <memory>
#include <string>

class TWinControl;
class TCustomForm;
class TPopupMenu;

// Control styles: what a control class is and does.
using TControlStyle = unsigned;
enum : unsigned {
    csAcceptsControls = 0x1, // other controls can be placed in it
    csCaptureMouse = 0x2,    // captures the mouse while a button is down
    csClickEvents = 0x4,     // a press and release inside makes a click
    csFramed = 0x8,
    csSetCaption = 0x10, // the name becomes the caption while it equals the caption
    csOpaque = 0x20,     // covers its whole rectangle when painting
    csDoubleClicks = 0x40,
    csFixedWidth = 0x80,
    csFixedHeight = 0x100,
    csNoStdEvents = 0x200, // mouse and key messages raise no events
    csParentBackground = 0x400,
    csReplicatableImage = 0x800,
};

// Control states: what a control is doing now.
using TControlState = unsigned;
enum : unsigned {
    csLButtonDown = 0x1,
    csClicked = 0x2,
    csPalette = 0x4,
    csReadingState = 0x8,
    csAlignmentNeeded = 0x10,
    csFocusing = 0x20,
    csCreating = 0x40,
    csMouseInside = 0x80,
};

// A control: a component with a place inside a parent windowed control, a size, visibility,
// enabling, colour, font, cursor and hint, that reacts to messages through WndProc.
//
// Messages: Perform hands a message to WndProc, which dispatches the messages this layer knows
// (mouse, keys, CM_ notifications) and passes the others to DefaultHandler. A class overrides
// WndProc (calling the inherited one for what it does not handle itself) or one of the virtual
// operations below. Setters that store an equal value do nothing; real changes repaint and send
// the matching CM_ message to the control.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    // --- Parent and placement ------------------------------------------------------------
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // Moves and sizes the control; the size passes through CanResize and the constraints first.
    virtual void SetBounds(int left, int top, int width, int height);
    // The client area in the control's own coordinates.
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // The origin of the client area in screen coordinates.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const { return p + ClientOrigin(); }
    TPoint ScreenToClient(TPoint p) const { return p - ClientOrigin(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints& Constraints() { return FConstraints; }

    // --- State ---------------------------------------------------------------------------
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and inside a parent chain that is visible up to a showing top-level control.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);
    // Enabled together with every parent.
    bool IsEnabledInChain() const;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor c);
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor c) { FDragCursor = c; }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v);

    // The caption or text (GBK).
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }

    // The context menu: a right click or the context-menu key (or Shift+F10) on the control
    // pops it up, unless OnContextPopup handles the request first. A control without one
    // leaves the request to its parent. A link: the control forgets a menu that is freed.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle s) { FControlStyle = s; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState s) { FControlState = s; }

    // --- Messages and painting -----------------------------------------------------------
    // Hands a message to WindowProc and answers its result.
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    // The way in for every message of the control: what its window receives and what Perform
    // sends. A windowed control runs its window hooks first (TWinControl::AddWindowHook);
    // then WndProc handles the message.
    virtual void WindowProc(TMessage& message) { WndProc(message); }
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    // Marks the control for repainting (through its window, or its parent's window).
    virtual void Invalidate();
    // Paints what is marked now.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // The form holding the control (nullptr when it is not placed in one).
    TCustomForm* GetParentForm() const;

    // --- Events --------------------------------------------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;

    // Performs a click as the mouse would (OnClick).
    virtual void Click();

protected:
    virtual std::string GetText() const { return FText; }
    virtual void SetTextValue(const std::string& text);
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Whether the control accepts the new size; may adjust it.
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Applies the constraints to a proposed size.
    virtual void ConstrainedResize(int& width, int& height);
    bool ClampNewBounds(int left, int top, int& width, int& height);
    // Called after the bounds changed.
    virtual void Resize();
    // Changes the stored bounds only (windowed controls follow their window with it).
    void UpdateBoundsFields(int left, int top, int width, int height);
    // Asks the parent to realign its controls.
    void RequestAlign();

    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Handlers of the messages WndProc dispatches.
    virtual void WMMouseButton(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMParentShowHintChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    // An accelerator character (Alt+letter) offered to the control; Result non-zero: taken.
    // Controls take none by default.
    virtual void CMDialogChar(TMessage& message);
    // The system colours changed: a control that keeps anything drawn with them drops it here.
    // A windowed control passes the message on to each of its child controls.
    virtual void CMSysColorChange(TMessage& message);
    // WM_CONTEXTMENU (lParam: the screen point, or -1,-1 from the keyboard): OnContextPopup,
    // then the PopupMenu at the point (from the keyboard at the control's top-left corner);
    // Result 1 when the request was handled, else it goes to DefaultHandler.
    virtual void WMContextMenu(TMessage& message);
    virtual void DoContextPopup(TPoint mousePos, bool& handled);

    // Called when the font object changed (not through parent inheritance).
    virtual void FontChanged();
    // Takes font as the control's font the way a parent's font comes in: ParentFont stays as it
    // is; CM_FONTCHANGED follows as for any change of the font. For controls that keep their
    // font in step with another object (a style) without turning ParentFont off.
    void InheritFont(const TFont& font);
    // The rectangle of the control inside its parent's window that must be repainted.
    void InvalidateControl(bool isVisible, bool isOpaque);

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;

private:
    friend class TWinControl;

    void FontObjectChanged();
    void ParentShowHintChanged();

    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TSizeConstraints FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FUpdatingFromParent = false;
    TCursor FCursor = crDefault;
    TCursor FDragCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    std::string FText;
    TPopupMenu* FPopupMenu = nullptr;
};
