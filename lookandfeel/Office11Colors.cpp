#include "lookandfeel/Office11Colors.h"

#include "lookandfeel/LookAndFeelColors.h"

namespace {

struct TOffice11Colors {
    bool Valid = false;
    TColor SelectedBorder = 0;
    TColor TextDisabled = 0;
    TColor Border = 0;
    TColor ButtonNormal = 0;
    TColor ButtonHot = 0;
    TColor ButtonPressed = 0;
    TColor ButtonDisabled = 0;
};

TOffice11Colors gColors;

const TOffice11Colors& Colors() {
    if (!gColors.Valid)
        RefreshOffice11Colors();
    return gColors;
}

} // namespace

void RefreshOffice11Colors() {
    gColors.SelectedBorder = GetRealColor(clHighlight);
    gColors.TextDisabled = GetRealColor(clGrayText);
    gColors.Border = GetRealColor(clBtnShadow);
    gColors.ButtonNormal = GetLightBtnFaceColor();
    gColors.ButtonHot = GetLightSelColor();
    gColors.ButtonPressed = GetLightDownedSelColor();
    gColors.ButtonDisabled = GetRealColor(clBtnFace);
    gColors.Valid = true;
}

TColor dxOffice11SelectedBorderColor() {
    return Colors().SelectedBorder;
}

TColor dxOffice11TextDisabledColor() {
    return Colors().TextDisabled;
}

TColor dxOffice11BorderColor() {
    return Colors().Border;
}

TColor dxOffice11ButtonColor(TcxButtonState state) {
    const TOffice11Colors& c = Colors();
    switch (state) {
    case cxbsHot:
        return c.ButtonHot;
    case cxbsPressed:
        return c.ButtonPressed;
    case cxbsDisabled:
        return c.ButtonDisabled;
    default:
        return c.ButtonNormal;
    }
}
