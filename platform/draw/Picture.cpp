#include "platform/draw/Picture.h"

#include "platform/draw/JPEGImage.h"

void TPicture::Hook() {
    if (FGraphic)
        FGraphic->OnChange = [this](TPersistent*) { Changed(); };
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    FGraphic = graphic ? graphic->Clone() : nullptr;
    Hook();
    Changed();
}

TBitmap& TPicture::Bitmap() {
    if (auto* b = dynamic_cast<TBitmap*>(FGraphic.get()))
        return *b;
    auto bmp = std::make_unique<TBitmap>();
    if (FGraphic)
        bmp->Assign(*FGraphic);
    FGraphic = std::move(bmp);
    Hook();
    Changed();
    return static_cast<TBitmap&>(*FGraphic);
}

bool TPicture::Assign(const TPersistent& source) {
    if (&source == this)
        return true;
    if (const auto* p = dynamic_cast<const TPicture*>(&source)) {
        SetGraphic(p->FGraphic.get());
        return true;
    }
    if (const auto* g = dynamic_cast<const TGraphic*>(&source)) {
        SetGraphic(g);
        return true;
    }
    return false;
}

void TPicture::LoadFromResourceName(HINSTANCE module, const std::string& name) {
    std::unique_ptr<TGraphic> g;
    if (FindResource(module, name, RT_BITMAP)) {
        auto bmp = std::make_unique<TBitmap>();
        bmp->LoadFromResourceName(module, name);
        g = std::move(bmp);
    } else {
        auto jpg = std::make_unique<TJPEGImage>();
        jpg->LoadFromResourceName(module, name);
        g = std::move(jpg);
    }
    FGraphic = std::move(g);
    Hook();
    Changed();
}
