#pragma once

#include "editors/cxCanvas.h"
#include "lookandfeel/LookAndFeel.h"
#include "platform/control/CustomControl.h"

#include <memory>

// The base of the editor controls: a windowed control with its own TcxCanvas over its canvas,
// its own look-and-feel (whose changes reach LookAndFeelChanged), loading and destroying
// flags, and mouse-enter and mouse-leave notifications.
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

protected:
    virtual void LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed);
    // Whether a left-button press gives the control the focus.
    virtual bool CanFocusOnClick() const { return true; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Destroying() override;
    // Raised by derived destructors before they take their parts down.
    void MarkDestroying() { FIsDestroying = true; }

private:
    TcxCanvas FcxCanvas;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    bool FIsDestroying = false;
};
