#pragma once

#include "lookandfeel/StandardLookAndFeelPainter.h"

// The native look: the platform's visual styles. Where a part's theme cannot be opened (on this
// desktop, always) it draws as the standard look does, with hot tracking.
class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class();

    const char* ClassName() const override;
    TcxLookAndFeelStyle LookAndFeelStyle() const override;
    // 1 with the list-view theme's frame, 2 (the standard frame) without it.
    int BorderSize() const override;
    bool IsButtonHotTrack() const override;

protected:
    TcxWinXPLookAndFeelPainter() = default;
    TcxCustomLookAndFeelPainterClass Parent() const override;
};
