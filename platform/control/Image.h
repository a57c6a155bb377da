#pragma once

#include "platform/control/GraphicControl.h"
#include "platform/draw/Picture.h"

#include <string>

// A picture on a form: a bitmap or JPEG image drawn at the top-left corner, centred, or
// stretched (optionally keeping its proportions). With AutoSize the control takes the
// picture's size whenever the picture changes.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    std::string ClassName() const override { return "TImage"; }

    TPicture& Picture() { return FPicture; }
    // Loads the picture from a resource of the program (EResNotFound when there is none) and
    // remembers the name, as layouts store it.
    void LoadPictureResource(const std::string& name);
    const std::string& PictureResource() const { return FPictureResource; }

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool Center() const { return FCenter; }
    void SetCenter(bool v);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);

    // Where the picture is drawn, in the control's coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
    void PictureChanged();
    void AdjustSize();

    TPicture FPicture;
    std::string FPictureResource;
    bool FLoadingResource = false;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FStretch = false;
    bool FProportional = false;
    bool FTransparent = false;
};
