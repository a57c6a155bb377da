#pragma once

#include "platform/control/Control.h"
#include "platform/core/PixelBuffer.h" // WinApi.h uses it without including it
#include "platform/window/WinApi.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What CreateParams fills in before a windowed control's window is created. WinClassName is the
// window class: a class of this layer's own (registered on first use with the control layer's
// window procedure) or a class registered by someone else (a native class), whose procedure
// then becomes the default handler.
struct TCreateParams {
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::string WinClassName;
    UINT WindowClassStyle = CS_DBLCLKS;
    std::uint32_t WindowClassBackground = clNoBackground;
};

// A window procedure as a callable: it handles the message and leaves its answer in Result.
using TWndMethod = std::function<void(TMessage&)>;
// A procedure put in front of a control's own: it sees the message first and calls previous
// (the rest of the chain, down to the control's WndProc) when the control is to handle it too.
using TWindowHook = std::function<void(TMessage& message, const TWndMethod& previous)>;

// A control with a window of its own: it can hold other controls, take the focus and take part
// in Tab navigation. The window is created on demand (HandleNeeded), with its parent's.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    // --- Window --------------------------------------------------------------------------
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and creates it again with fresh creation parameters.
    void RecreateWnd();
    // The control behind a window of this layer (nullptr for other windows).
    static TWinControl* FindControl(HWND wnd);

    // --- Window hooks --------------------------------------------------------------------
    // Puts hook in front of the control's window procedure on behalf of owner: from now on
    // every message of the control (what its window receives and what Perform sends) goes to
    // the hook first, which may answer it alone or call previous. The hook belongs to the
    // control, not to its window, so it stays when the window is recreated. Hooks chain like
    // replaced window procedures: the newest is in front and its previous leads to the one
    // installed before it. An owner has one hook per control: adding again replaces its hook
    // in place. The hook goes when RemoveWindowHook is called, when the owner is freed (the
    // control asks for its free notification) and with the control. While the owner or the
    // control is being destroyed the hook is passed over. An owner that is destroyed with a
    // plain delete rather than Free removes its hooks in its own destructor.
    void AddWindowHook(TComponent* owner, TWindowHook hook);
    void RemoveWindowHook(TComponent* owner);
    bool HasWindowHook(const TComponent* owner) const;

    // --- Children ------------------------------------------------------------------------
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls[std::size_t(index)]; }
    // The visible, enabled child control at a client point (graphic controls first when
    // allowWinControls is false; topmost first).
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
    bool ContainsControl(const TControl* control) const;
    // Lays out the aligned children in the client area and moves anchored ones.
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    // Sends a message to every child control.
    void Broadcast(TMessage& message);
    void NotifyControls(UINT msg);

    // --- Focus and Tab order -------------------------------------------------------------
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    // Position among the windowed siblings in Tab order (-1 without parent).
    int TabOrder() const;
    void SetTabOrder(int order);
    virtual bool CanFocus() const;
    virtual bool Focused() const;
    virtual void SetFocus();
    // The windowed children in Tab order, depth first (containers before their children).
    virtual void GetTabOrderList(std::vector<TWinControl*>& list);
    // The next control after current (Shift+Tab: before it) among the descendants, in Tab
    // order, that can take the focus (and is a tab stop when checkTabStop); wraps around.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // Whether the control is the active one of its form.
    bool IsActiveControl() const;

    TColor BrushColor() const { return Color(); }

    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void WindowProc(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void SetParent(TWinControl* parent) override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    friend class TControl;

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Called once the window exists (children windows are created after it).
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void InsertControl(TControl* control);
    virtual void RemoveControl(TControl* control);
    // Lays out the children in rect (the client area by default).
    virtual void AlignControls(TControl* control, TRect& rect);
    // The client area the aligned children share.
    virtual void AdjustClientRect(TRect& rect);
    virtual void PaintWindow(TDC* dc);
    // Paints the graphic children onto the window's context.
    void PaintControls(TDC* dc, TControl* first);
    virtual void PaintHandler(TMessage& message);
    virtual bool EraseBackground(TDC* dc);
    // Takes the bounds from the window (after the window layer moved or sized it).
    void UpdateBoundsFromWindow();

    // Key processing. DoKeyDown and friends raise the events; a handler may clear the key.
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The form that sees the keys first (KeyPreview), nullptr when none.
    TWinControl* PreviewForm() const;
    // The window's answer to WM_GETDLGCODE.
    LRESULT DialogCode();
    // Offers Tab, Return, Escape and the arrows to the form when the control does not want
    // them; true when the form took the key.
    bool DoDialogKey(std::uint16_t key);

    std::string GetText() const override;
    void SetTextValue(const std::string& text) override;
    void Loaded() override;
    // Both offer the message to the child controls in order until one takes it.
    void CMDialogChar(TMessage& message) override;
    virtual void CMDialogKey(TMessage& message);
    void ReadState(const std::function<void()>& read) override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMSysColorChange(TMessage& message) override;
    // A request from a point over a graphic child goes to that child first.
    void WMContextMenu(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    std::vector<TControl*> FControls;   // graphic and windowed, bottom first
    std::vector<TWinControl*> FTabList; // windowed children in Tab order
    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;

private:
    friend LRESULT ControlWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    friend class TApplication;

    void MainWndProc(TMessage& message);
    void UpdateShowing();
    void AnchorChildren(const TSize& oldClient, const TSize& newClient);
    void MouseMessage(TMessage& message);
    void UpdateMouseControl(TPoint client);
    void ClearMouseControl();
    void WMSetCursor(TMessage& message);
    void WMSysColorChange(TMessage& message);

    void FixupTabList();

    struct TWindowHookEntry {
        TComponent* Owner = nullptr;
        TWindowHook Hook;
        bool Removed = false;
    };
    class THookChain;

    std::vector<std::shared_ptr<TWindowHookEntry>> FHooks; // newest first
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

    bool FTabStop = false;
    int FStoredTabOrder = -1; // read from a layout, applied when the parent's part is read
    int FAlignLevel = 0;
    bool FAligning = false;
    TSize FLastClient{-1, -1};
    TControl* FMouseControl = nullptr; // the graphic child under the pointer
};

// The graphic child that captured the mouse (nullptr when none): it gets the mouse messages of
// its parent's window until the button is released.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
