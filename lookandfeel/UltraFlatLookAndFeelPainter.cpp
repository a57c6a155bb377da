#include "lookandfeel/UltraFlatLookAndFeelPainter.h"

#include "lookandfeel/LookAndFeelColors.h"
#include "lookandfeel/PainterDrawing.h"
#include "platform/draw/Canvas.h"

TcxCustomLookAndFeelPainterClass TcxUltraFlatLookAndFeelPainter::Class() {
    static const TcxUltraFlatLookAndFeelPainter cls;
    return &cls;
}

const char* TcxUltraFlatLookAndFeelPainter::ClassName() const {
    return "TcxUltraFlatLookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxUltraFlatLookAndFeelPainter::Parent() const {
    return TcxCustomLookAndFeelPainter::Class();
}

TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainter::LookAndFeelStyle() const {
    return lfsUltraFlat;
}

int TcxUltraFlatLookAndFeelPainter::BorderSize() const {
    return 1;
}

void TcxUltraFlatLookAndFeelPainter::DrawBorder(TCanvas& canvas, const TRect& r) const {
    if (TDC* dc = canvas.Handle())
        DrawFrame(*dc, r, clBtnShadow);
}

int TcxUltraFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const {
    return state == cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonColor(TcxButtonState state) const {
    switch (state) {
    case cxbsHot:
        return GetLightSelColor();
    case cxbsPressed:
        return GetLightDownedSelColor();
    default:
        return clBtnFace;
    }
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonSymbolColor(TcxButtonState state,
                                                         TColor defaultColor) const {
    if (state == cxbsPressed)
        return clHighlightText;
    return TcxCustomLookAndFeelPainter::ButtonSymbolColor(state, defaultColor);
}

int TcxUltraFlatLookAndFeelPainter::ButtonTextShift() const {
    return 0;
}

bool TcxUltraFlatLookAndFeelPainter::IsButtonHotTrack() const {
    return true;
}

// One line in the button text colour, the selection colour when hot or pressed and the shadow
// colour when disabled; the default button has two window-frame lines.
void TcxUltraFlatLookAndFeelPainter::DrawButtonBorder(TCanvas& canvas, const TRect& r,
                                                      TcxButtonState state) const {
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    switch (state) {
    case cxbsDefault:
        DrawFrame(*dc, r, clWindowFrame);
        DrawFrame(*dc, r.Inflated(-1, -1), clWindowFrame);
        break;
    case cxbsHot:
    case cxbsPressed:
        DrawFrame(*dc, r, clHighlight);
        break;
    case cxbsDisabled:
        DrawFrame(*dc, r, clBtnShadow);
        break;
    default:
        DrawFrame(*dc, r, clBtnText);
        break;
    }
}
