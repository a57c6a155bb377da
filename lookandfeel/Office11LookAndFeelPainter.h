#pragma once

#include "lookandfeel/UltraFlatLookAndFeelPainter.h"

// The office look: the ultra-flat rules in the office-style colours.
class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class();

    const char* ClassName() const override;
    TcxLookAndFeelStyle LookAndFeelStyle() const override;
    void DrawBorder(TCanvas& canvas, const TRect& r) const override;
    TColor ButtonColor(TcxButtonState state) const override;
    TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
    void DrawButtonBorder(TCanvas& canvas, const TRect& r, TcxButtonState state) const override;
    TColor GetContainerBorderColor(bool isHighlightBorder) const override;

protected:
    TcxOffice11LookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainterClass Parent() const override;
};
