#include "app/BannerImage.h"

#include "platform/component/ClassRegistry.h"
#include "platform/core/Exception.h"

bool TBannerImage::LoadBanner(const std::string& name) {
    try {
        LoadPictureResource(name);
        return true;
    } catch (const Exception&) {
        LoadPictureResource("");
        return false;
    }
}

void RegisterBannerImage() {
    if (IsClassRegistered("TBannerImage"))
        return;
    RegisterComponentClass<TBannerImage>("TBannerImage", "TImage")
        .Picture(
            "Picture", [](TBannerImage& image) { return image.PictureResource(); },
            [](TBannerImage& image, const std::string& name) { image.LoadBanner(name); });
}
