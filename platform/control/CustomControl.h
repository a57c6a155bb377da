#pragma once

#include "platform/control/ControlCanvas.h"
#include "platform/control/WinControl.h"

// A control with a window that paints itself with a canvas (Paint).

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    std::string ClassName() const override { return "TCustomControl"; }
    TControlCanvas& Canvas() { return FCanvas; }

protected:
    virtual void Paint() {}
    void PaintWindow(TDC* dc) override;

private:
    TControlCanvas FCanvas;
};
