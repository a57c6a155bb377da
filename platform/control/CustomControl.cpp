#include "platform/control/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    FCanvas.SetControl(this);
}

TCustomControl::~TCustomControl() {
    FCanvas.Unlock();
}

namespace {
// A paint into another context can come while the control paints itself (a transparent child
// copying it into a bitmap from inside its paint): the canvas is handed back afterwards with the
// context and objects it had.
class TCanvasKeeper {
public:
    explicit TCanvasKeeper(TControlCanvas& canvas) : C(canvas), Dc(canvas.PeekHandle()) {
        Font.Assign(C.Font());
        Brush.Assign(C.Brush());
        Pen.Assign(C.Pen());
    }
    ~TCanvasKeeper() {
        C.SetHandle(Dc);
        C.Font().Assign(Font);
        C.Brush().Assign(Brush);
        C.Pen().Assign(Pen);
    }
    TCanvasKeeper(const TCanvasKeeper&) = delete;
    TCanvasKeeper& operator=(const TCanvasKeeper&) = delete;

private:
    TControlCanvas& C;
    TDC* Dc;
    TFont Font;
    TBrush Brush;
    TPen Pen;
};
} // namespace

void TCustomControl::PaintWindow(TDC* dc) {
    TCanvasKeeper keeper(FCanvas);
    FCanvas.SetHandle(dc);
    FCanvas.UpdateFromControl();
    Paint();
}
