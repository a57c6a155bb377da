#include "lookandfeel/Office11LookAndFeelPainter.h"

#include "lookandfeel/Office11Colors.h"
#include "lookandfeel/PainterDrawing.h"
#include "platform/draw/Canvas.h"

TcxCustomLookAndFeelPainterClass TcxOffice11LookAndFeelPainter::Class() {
    static const TcxOffice11LookAndFeelPainter cls;
    return &cls;
}

const char* TcxOffice11LookAndFeelPainter::ClassName() const {
    return "TcxOffice11LookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxOffice11LookAndFeelPainter::Parent() const {
    return TcxUltraFlatLookAndFeelPainter::Class();
}

TcxLookAndFeelStyle TcxOffice11LookAndFeelPainter::LookAndFeelStyle() const {
    return lfsOffice11;
}

void TcxOffice11LookAndFeelPainter::DrawBorder(TCanvas& canvas, const TRect& r) const {
    if (TDC* dc = canvas.Handle())
        DrawFrame(*dc, r, dxOffice11BorderColor());
}

TColor TcxOffice11LookAndFeelPainter::ButtonColor(TcxButtonState state) const {
    return dxOffice11ButtonColor(state);
}

TColor TcxOffice11LookAndFeelPainter::ButtonSymbolColor(TcxButtonState state,
                                                        TColor defaultColor) const {
    if (state == cxbsDisabled)
        return dxOffice11TextDisabledColor();
    if (state == cxbsPressed)
        return clBtnText;
    return TcxUltraFlatLookAndFeelPainter::ButtonSymbolColor(state, defaultColor);
}

void TcxOffice11LookAndFeelPainter::DrawButtonBorder(TCanvas& canvas, const TRect& r,
                                                     TcxButtonState state) const {
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    switch (state) {
    case cxbsDefault:
        DrawFrame(*dc, r, dxOffice11SelectedBorderColor());
        DrawFrame(*dc, r.Inflated(-1, -1), dxOffice11SelectedBorderColor());
        break;
    case cxbsHot:
    case cxbsPressed:
        DrawFrame(*dc, r, dxOffice11SelectedBorderColor());
        break;
    case cxbsDisabled:
        DrawFrame(*dc, r, dxOffice11TextDisabledColor());
        break;
    default:
        DrawFrame(*dc, r, dxOffice11BorderColor());
        break;
    }
}

TColor TcxOffice11LookAndFeelPainter::GetContainerBorderColor(bool isHighlightBorder) const {
    return isHighlightBorder ? dxOffice11SelectedBorderColor() : dxOffice11BorderColor();
}
