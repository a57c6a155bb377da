#pragma once

#include "platform/control/Image.h"

#include <string>

// The main window's banner: an image whose picture resource, when it is missing or cannot be
// decoded, leaves the image empty instead of failing the whole window.
class TBannerImage : public TImage {
public:
    using TImage::TImage;
    std::string ClassName() const override { return "TBannerImage"; }

    // Loads the picture resource; on failure the image is left empty and false returned.
    bool LoadBanner(const std::string& name);
};

// Registers TBannerImage (below TImage, with the tolerant Picture property) once.
void RegisterBannerImage();
