#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"

// The ultra-flat look every control of the program uses: one-pixel frames, light hot and pressed
// faces derived from the selection colour, hot tracking.
class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class();

    const char* ClassName() const override;
    TcxLookAndFeelStyle LookAndFeelStyle() const override;
    int BorderSize() const override;
    void DrawBorder(TCanvas& canvas, const TRect& r) const override;
    int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
    TColor ButtonColor(TcxButtonState state) const override;
    TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
    int ButtonTextShift() const override;
    bool IsButtonHotTrack() const override;
    void DrawButtonBorder(TCanvas& canvas, const TRect& r, TcxButtonState state) const override;

protected:
    TcxUltraFlatLookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainterClass Parent() const override;
};
