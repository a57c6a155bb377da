#include "lookandfeel/WinXPLookAndFeelPainter.h"

#include "lookandfeel/ThemeManager.h"

TcxCustomLookAndFeelPainterClass TcxWinXPLookAndFeelPainter::Class() {
    static const TcxWinXPLookAndFeelPainter cls;
    return &cls;
}

const char* TcxWinXPLookAndFeelPainter::ClassName() const {
    return "TcxWinXPLookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxWinXPLookAndFeelPainter::Parent() const {
    return TcxStandardLookAndFeelPainter::Class();
}

TcxLookAndFeelStyle TcxWinXPLookAndFeelPainter::LookAndFeelStyle() const {
    return lfsNative;
}

int TcxWinXPLookAndFeelPainter::BorderSize() const {
    return OpenTheme(totListView) ? 1 : 2;
}

bool TcxWinXPLookAndFeelPainter::IsButtonHotTrack() const {
    return true;
}
