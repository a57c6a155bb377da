#pragma once

#include "platform/core/Color.h"
#include "platform/core/PixelBuffer.h"
#include "platform/draw/DC.h"
#include "platform/draw/GraphicsObject.h"

#include <memory>

class TBitmap;

enum TBrushStyle { bsSolid, bsClear };

// A canvas brush: a colour and a style, or a bitmap pattern. Assigning a bitmap takes a copy of
// its pixels at that moment (and makes the brush solid); the pattern tiles from the context's
// brush origin. A clear brush fills nothing, whatever pattern it keeps.
class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle s);
    // nullptr removes the pattern.
    void SetBitmap(const TBitmap* bitmap);
    bool HasBitmap() const { return Pattern != nullptr; }

    TLogBrush ToLogBrush() const;

    bool Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TBrush"; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::shared_ptr<const TPixelBuffer> Pattern;
};
