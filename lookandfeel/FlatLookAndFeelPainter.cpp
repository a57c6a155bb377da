#include "lookandfeel/FlatLookAndFeelPainter.h"

#include "lookandfeel/PainterDrawing.h"
#include "platform/draw/Canvas.h"

TcxCustomLookAndFeelPainterClass TcxFlatLookAndFeelPainter::Class() {
    static const TcxFlatLookAndFeelPainter cls;
    return &cls;
}

const char* TcxFlatLookAndFeelPainter::ClassName() const {
    return "TcxFlatLookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxFlatLookAndFeelPainter::Parent() const {
    return TcxCustomLookAndFeelPainter::Class();
}

TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::LookAndFeelStyle() const {
    return lfsFlat;
}

int TcxFlatLookAndFeelPainter::BorderSize() const {
    return 1;
}

// A one-pixel sunken edge.
void TcxFlatLookAndFeelPainter::DrawBorder(TCanvas& canvas, const TRect& r) const {
    if (TDC* dc = canvas.Handle())
        DrawTwoColorFrame(*dc, r, clBtnShadow, clBtnHighlight);
}

int TcxFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState state) const {
    return state == cxbsDefault ? 2 : 1;
}

int TcxFlatLookAndFeelPainter::ButtonTextShift() const {
    return 1;
}

// One pixel, raised, or sunken when pressed; the default button inside a window-frame line.
void TcxFlatLookAndFeelPainter::DrawButtonBorder(TCanvas& canvas, const TRect& r,
                                                 TcxButtonState state) const {
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    TRect rc = r;
    if (state == cxbsDefault) {
        DrawFrame(*dc, rc, clWindowFrame);
        rc = rc.Inflated(-1, -1);
    }
    if (state == cxbsPressed)
        DrawTwoColorFrame(*dc, rc, clBtnShadow, clBtnHighlight);
    else
        DrawTwoColorFrame(*dc, rc, clBtnHighlight, clBtnShadow);
}
