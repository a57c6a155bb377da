#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"

// The flat look: one-pixel sunken frames and thin raised buttons.
class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
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
    TcxFlatLookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainterClass Parent() const override;
};
