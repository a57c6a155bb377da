#include "platform/control/Image.h"

#include "platform/draw/Resources.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    FControlStyle |= csReplicatableImage;
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this](TPersistent*) { PictureChanged(); };
}

void TImage::LoadPictureResource(const std::string& name) {
    if (name.empty()) {
        FPicture.SetGraphic(nullptr);
        FPictureResource.clear();
        return;
    }
    FLoadingResource = true;
    try {
        FPicture.LoadFromResourceName(HInstance(), name);
    } catch (...) {
        FLoadingResource = false;
        throw;
    }
    FLoadingResource = false;
    FPictureResource = name;
}

void TImage::PictureChanged() {
    if (!FLoadingResource)
        FPictureResource.clear();
    if (FPicture.Graphic())
        FPicture.Graphic()->SetTransparent(FTransparent);
    AdjustSize();
    Invalidate();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
    if (FPicture.Empty())
        return false;
    newWidth = FPicture.Width();
    newHeight = FPicture.Height();
    return true;
}

void TImage::AdjustSize() {
    int w = Width(), h = Height();
    if (FAutoSize && CanAutoSize(w, h))
        SetBounds(Left(), Top(), w, h);
}

void TImage::SetAutoSize(bool v) {
    if (FAutoSize == v)
        return;
    FAutoSize = v;
    AdjustSize();
}

void TImage::SetCenter(bool v) {
    if (FCenter == v)
        return;
    FCenter = v;
    Invalidate();
}

void TImage::SetStretch(bool v) {
    if (FStretch == v)
        return;
    FStretch = v;
    Invalidate();
}

void TImage::SetProportional(bool v) {
    if (FProportional == v)
        return;
    FProportional = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    if (FTransparent == v)
        return;
    FTransparent = v;
    if (FPicture.Graphic())
        FPicture.Graphic()->SetTransparent(v);
    Invalidate();
}

TRect TImage::DestRect() const {
    int pw = FPicture.Width(), ph = FPicture.Height();
    int cw = Width(), ch = Height();
    int w = pw, h = ph;
    if (FStretch || (FProportional && (pw > cw || ph > ch))) {
        if (FProportional && pw > 0 && ph > 0) {
            if (static_cast<long long>(cw) * ph <= static_cast<long long>(ch) * pw) {
                w = cw;
                h = int(static_cast<long long>(ph) * cw / pw);
            } else {
                h = ch;
                w = int(static_cast<long long>(pw) * ch / ph);
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r{0, 0, w, h};
    if (FCenter)
        r = r.Offset((cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint() {
    if (FPicture.Empty() || !FPicture.Graphic())
        return;
    Canvas().StretchDraw(DestRect(), *FPicture.Graphic());
}
