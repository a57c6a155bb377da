#include "lookandfeel/StandardLookAndFeelPainter.h"

#include "lookandfeel/PainterDrawing.h"
#include "platform/draw/Canvas.h"

TcxCustomLookAndFeelPainterClass TcxStandardLookAndFeelPainter::Class() {
    static const TcxStandardLookAndFeelPainter cls;
    return &cls;
}

const char* TcxStandardLookAndFeelPainter::ClassName() const {
    return "TcxStandardLookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxStandardLookAndFeelPainter::Parent() const {
    return TcxCustomLookAndFeelPainter::Class();
}

TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::LookAndFeelStyle() const {
    return lfsStandard;
}

int TcxStandardLookAndFeelPainter::BorderSize() const {
    return 2;
}

// Sunken: the outer frame in shadow and highlight, the inner one in dark shadow and light.
void TcxStandardLookAndFeelPainter::DrawBorder(TCanvas& canvas, const TRect& r) const {
    if (TDC* dc = canvas.Handle()) {
        DrawTwoColorFrame(*dc, r, clBtnShadow, clBtnHighlight);
        DrawTwoColorFrame(*dc, r.Inflated(-1, -1), cl3DDkShadow, cl3DLight);
    }
}

int TcxStandardLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const {
    return state == cxbsDefault ? 3 : 2;
}

int TcxStandardLookAndFeelPainter::ButtonTextShift() const {
    return 1;
}

// Raised (the default button inside a window-frame line); pressed, a shadow line around a flat
// face.
void TcxStandardLookAndFeelPainter::DrawButtonBorder(TCanvas& canvas, const TRect& r,
                                                     TcxButtonState state) const {
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    TRect rc = r;
    if (state == cxbsDefault) {
        DrawFrame(*dc, rc, clWindowFrame);
        rc = rc.Inflated(-1, -1);
    }
    TcxCustomLookAndFeelPainter::DrawButtonBorder(canvas, rc, state);
}
