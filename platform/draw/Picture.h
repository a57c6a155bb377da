#pragma once

#include "platform/draw/Bitmap.h"
#include "platform/draw/Graphic.h"
#include "platform/draw/GraphicsObject.h"

#include <memory>

// A holder of one picture of any kind (bitmap or JPEG image), or none.
class TPicture : public TGraphicsObject {
public:
    TPicture() = default;
    ~TPicture() override = default;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes a copy of the graphic (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The picture as a bitmap: an empty or non-bitmap picture is replaced by a new bitmap (a
    // JPEG picture is converted).
    TBitmap& Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    bool Empty() const { return !FGraphic || FGraphic->Empty(); }
    // Loads a resource of the module (nullptr: the program's own): a bitmap, else a JPEG
    // ("JPG" or "JPEG" type). Raises EResNotFound when neither exists, EInvalidGraphic when the
    // data is broken; the picture keeps its old graphic then.
    void LoadFromResourceName(HINSTANCE module, const std::string& name);

    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TPicture"; }

private:
    std::unique_ptr<TGraphic> FGraphic;
    void Hook();
};
