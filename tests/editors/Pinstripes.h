#pragma once

#include "platform/control/CustomControl.h"
#include "platform/draw/Canvas.h"

// A parent that paints one-pixel columns, red on even and blue on odd columns of its client area
// (placed at an even screen column, the colour follows the screen column too).
class TPinstripes : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static TColor StripeAt(int screenX) { return ColorToRGB(screenX % 2 == 0 ? clRed : clBlue); }

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        for (int x = 0; x < Width(); ++x) {
            c.Brush().SetColor(x % 2 == 0 ? clRed : clBlue);
            c.FillRect(TRect(x, 0, x + 1, Height()));
        }
    }
};

// A control filled with one colour.
class TSolidControl : public TCustomControl {
public:
    TSolidControl(TComponent* owner, TColor color) : TCustomControl(owner), FFill(color) {}

protected:
    void Paint() override {
        Canvas().Brush().SetColor(FFill);
        Canvas().FillRect(ClientRect());
    }

private:
    TColor FFill;
};
