#include "platform/draw/Font.h"

#include <cmath>

int TFont::Size() const {
    return int(std::lround(-double(FHeight) * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int points) {
    SetHeight(-int(std::lround(double(points) * PixelsPerInch / 72.0)));
}

TLogFont TFont::ToLogFont() const {
    TLogFont lf;
    lf.FaceName = FName;
    lf.Height = FHeight;
    lf.Weight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.Italic = FStyle & fsItalic;
    lf.Underline = FStyle & fsUnderline;
    lf.StrikeOut = FStyle & fsStrikeOut;
    lf.CharSet = FCharset;
    lf.Escapement = FOrientation;
    return lf;
}

bool TFont::Assign(const TPersistent& source) {
    const auto* f = dynamic_cast<const TFont*>(&source);
    if (!f)
        return false;
    if (f == this)
        return true;
    BeginUpdate();
    SetName(f->FName);
    SetHeight(f->FHeight);
    SetColor(f->FColor);
    SetStyle(f->FStyle);
    SetCharset(f->FCharset);
    SetPitch(f->FPitch);
    SetOrientation(f->FOrientation);
    EndUpdate();
    return true;
}
