#include "skin/SuiTitleBarSections.h"

#include "skin/SkinBitmap.h"
#include "skin/SkinErrorBox.h"
#include "skin/SuiTitleBar.h"

void TsuiTitleBarSection::SetAutoSize(bool v) {
    FAutoSize = v;
    if (FAutoSize && !FPicture.Empty())
        FWidth = FPicture.Width();
    Changed(false);
}

void TsuiTitleBarSection::SetWidth(int v) {
    FWidth = v;
    Changed(false);
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign v) {
    if (v == suiClient) {
        if (auto* sections = dynamic_cast<TsuiTitleBarSections*>(Collection())) {
            for (int i = 0; i < sections->Count(); ++i) {
                if (sections->Items(i)->FAlign == suiClient) {
                    ShowSkinError("Sorry, only one section's Align property can be \"suiClient\"");
                    return;
                }
            }
        }
        FStretch = true;
    }
    FAlign = v;
    Changed(false);
}

void TsuiTitleBarSection::SetStretch(bool v) {
    FStretch = v || FAlign == suiClient;
    Changed(false);
}

void TsuiTitleBarSection::SetPicture(const TPicture* picture) {
    if (picture)
        FPicture.Assign(*picture);
    else
        FPicture.SetGraphic(nullptr);
    FPictureResource.clear();
    PictureChanged();
}

void TsuiTitleBarSection::LoadPicture(HMODULE module, const std::string& name) {
    if (name.empty()) {
        SetPicture(nullptr);
        return;
    }
    TBitmap bitmap;
    LoadSkinBitmap(&bitmap, module, name); // a missing name leaves the picture as it was
    FPicture.SetGraphic(&bitmap);
    FPictureResource = name;
    PictureChanged();
}

void TsuiTitleBarSection::PictureChanged() {
    if (FAutoSize && !FPicture.Empty())
        FWidth = FPicture.Width();
    Changed(false);
}

TsuiTitleBar* TsuiTitleBarSection::Bar() const {
    auto* sections = dynamic_cast<TsuiTitleBarSections*>(Collection());
    return sections ? sections->Bar() : nullptr;
}

bool TsuiTitleBarSection::Assign(const TPersistent& source) {
    const auto* s = dynamic_cast<const TsuiTitleBarSection*>(&source);
    if (!s)
        return false;
    FWidth = s->FWidth;
    FAlign = s->FAlign;
    FPicture.Assign(s->FPicture);
    FPictureResource = s->FPictureResource;
    FStretch = s->FStretch;
    FAutoSize = s->FAutoSize;
    Changed(false);
    return true;
}

void TsuiTitleBarSections::Update(TCollectionItem* item) {
    (void)item;
    if (FBar)
        FBar->Invalidate();
}
