#pragma once

#include "platform/draw/Canvas.h"

class TControl;

// A canvas bound to a control. While the control paints, it draws on the context the window
// layer handed over (SetHandle); outside painting, Lock takes a context over the control's
// visible area (a graphic control's part of its parent's window) until Unlock or destruction.
class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    void SetControl(TControl* control);

    // Takes a context over the control when none is set; false without a window.
    bool Lock();
    void Unlock();
    // Takes the control's font and colour as the canvas's font and brush.
    void UpdateFromControl();

    std::string ClassName() const override { return "TControlCanvas"; }

private:
    TControl* FControl = nullptr;
    void* FWindow = nullptr; // the window the context was taken from
    TDC* FOwnDc = nullptr;
    int FSaved = 0;
};
