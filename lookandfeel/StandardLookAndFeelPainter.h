#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"

// The classic three-dimensional look: two-pixel sunken frames, raised buttons.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class();

    const char* ClassName() const override;
    TcxLookAndFeelStyle LookAndFeelStyle() const override;
    int BorderSize() const override;
    void DrawBorder(TCanvas& canvas, const TRect& r) const override;
    int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
    int ButtonTextShift() const override;
    void DrawButtonBorder(TCanvas& canvas, const TRect& r, TcxButtonState state) const override;

protected:
    TcxStandardLookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainterClass Parent() const override;
};
