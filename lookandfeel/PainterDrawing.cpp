#include "lookandfeel/PainterDrawing.h"

#include "platform/draw/DC.h"

void DrawTwoColorFrame(TDC& dc, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty())
        return;
    dc.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom), topLeft);
    dc.FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1), topLeft);
    dc.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomRight);
    dc.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomRight);
}

void DrawFrame(TDC& dc, const TRect& r, TColor color) {
    DrawTwoColorFrame(dc, r, color, color);
}
