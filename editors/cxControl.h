#pragma once

#include "editors/ControlScrollBar.h"
#include "editors/SizeGrip.h"
#include "editors/cxCanvas.h"
#include "lookandfeel/LookAndFeel.h"
#include "platform/control/CustomControl.h"

#include <memory>

// The base of the editor controls: a windowed control with its own TcxCanvas over its canvas,
// its own look-and-feel (whose changes reach LookAndFeelChanged), loading and destroying
// flags, mouse-enter and mouse-leave notifications, and, for a control that needs them, a
// horizontal and a vertical scroll bar and the size grip between them.
class TcxControl : public TCustomControl, public IcxLookAndFeelContainer {
public:
    explicit TcxControl(TComponent* owner);
    ~TcxControl() override;

    std::string ClassName() const override { return "TcxControl"; }

    TcxLookAndFeel& LookAndFeel() { return *FLookAndFeel; }
    // Assigns into the own look-and-feel.
    void SetLookAndFeel(const TcxLookAndFeel& value) { FLookAndFeel->Assign(value); }
    TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
    TcxCanvas& cxCanvas() { return FcxCanvas; }

    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    bool IsDestroying() const { return FIsDestroying || ComponentState().Contains(csDestroying); }
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

    // The scroll bars and the size grip; nullptr until CreateScrollBars made them.
    TcxControlScrollBar* HScrollBar() const { return FHScrollBar.get(); }
    TcxControlScrollBar* VScrollBar() const { return FVScrollBar.get(); }
    TcxSizeGrip* SizeGrip() const { return FSizeGrip.get(); }

protected:
    virtual void LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed);
    // Whether a left-button press gives the control the focus.
    virtual bool CanFocusOnClick() const { return true; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Destroying() override;
    virtual bool NeedsScrollBars() const { return false; }
    // Makes the two bars and the size grip, once, when the control needs scroll bars; their
    // look follows the control's and their scrolling reaches Scroll.
    void CreateScrollBars();
    void DestroyScrollBars();
    virtual void Scroll(TScrollBarKind kind, TScrollCode code, int& position);
    // Raised by derived destructors before they take their parts down.
    void MarkDestroying() { FIsDestroying = true; }

private:
    TcxCanvas FcxCanvas;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    TComponentPtr<TcxControlScrollBar> FHScrollBar;
    TComponentPtr<TcxControlScrollBar> FVScrollBar;
    TComponentPtr<TcxSizeGrip> FSizeGrip;
    bool FIsDestroying = false;
};
