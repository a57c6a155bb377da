#pragma once

#include "platform/control/Control.h"
#include "platform/control/ControlCanvas.h"

// A control without a window of its own: its parent paints it (Paint with the canvas, in the
// parent's window, clipped to the control) and hands it the mouse messages over it.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    std::string ClassName() const override { return "TGraphicControl"; }
    TControlCanvas& Canvas() { return FCanvas; }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    TControlCanvas FCanvas;
};
