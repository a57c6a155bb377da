#pragma once

#include "platform/draw/Bitmap.h"
#include "skin/SkinBitmap.h"
#include "skin/SuiTitleBar.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <string>

// A headless desktop with helpers to read back what a window shows.
class TSkinFrameTest : public TControlTest {
public:
    // The colour a control shows at a point of its client area (0x00BBGGRR).
    TColor ShownAt(TControl* control, TPoint client) {
        TCustomForm* form = control->GetParentForm();
        return Desk->PixelAt(form->Handle(), control->ClientToScreen(client));
    }
    // The colour of a pixel of a skin picture.
    static TColor PicturePixel(const std::string& name, TPoint p) {
        TBitmap b;
        LoadSkinBitmap(&b, nullptr, name);
        return b.Canvas().Pixel(p.X, p.Y);
    }
    TPoint Screen(TControl* control, TPoint client) { return control->ClientToScreen(client); }
};
