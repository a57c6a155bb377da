#pragma once

#include "platform/core/Color.h"
#include "platform/draw/DrawTypes.h"
#include "platform/draw/GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmXor };

// A canvas pen: colour, width in pixels, style and mix mode.
class TPen : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor c) { SetField(FColor, c); }
    int Width() const { return FWidth; }
    void SetWidth(int w) { SetField(FWidth, w < 1 ? 1 : w); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle s) { SetField(FStyle, s); }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode m) { SetField(FMode, m); }

    TLogPen ToLogPen() const {
        static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                         PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        return {styles[FStyle], FWidth, FColor};
    }
    int Rop2() const {
        static constexpr int modes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_XORPEN};
        return modes[FMode];
    }

    bool Assign(const TPersistent& source) override {
        const auto* p = dynamic_cast<const TPen*>(&source);
        if (!p)
            return false;
        BeginUpdate();
        SetColor(p->FColor);
        SetWidth(p->FWidth);
        SetStyle(p->FStyle);
        SetMode(p->FMode);
        EndUpdate();
        return true;
    }
    std::string ClassName() const override { return "TPen"; }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};
