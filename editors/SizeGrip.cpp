#include "editors/SizeGrip.h"

#include "lookandfeel/CustomLookAndFeelPainter.h"

TcxSizeGrip::TcxSizeGrip(TComponent* owner)
    : TCustomControl(owner), FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
    SetColor(clBtnFace);
    SetVisible(false);
    FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Invalidate(); };
}

TcxSizeGrip::~TcxSizeGrip() {
    FLookAndFeel->OnChanged = nullptr;
}

void TcxSizeGrip::Paint() {
    FLookAndFeel->GetPainter()->DrawSizeGrip(Canvas(), ClientRect());
}
