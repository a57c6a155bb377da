#pragma once

#include "platform/core/Color.h"
#include "platform/core/Geometry.h"
#include "platform/draw/GraphicsObject.h"

#include <memory>

class TCanvas;

// A picture that can draw itself on a canvas (bitmap, JPEG image).
class TGraphic : public TGraphicsObject {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // Draws the picture stretched into r (unscaled when r has the picture's size).
    virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool t) { SetField(FTransparent, t); }

protected:
    TGraphic() = default;
    TGraphic(const TGraphic& o) : TGraphicsObject(o), FTransparent(o.FTransparent) {}

private:
    bool FTransparent = false;
};
