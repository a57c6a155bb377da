#include "platform/draw/Brush.h"

#include "platform/draw/Bitmap.h"

void TBrush::SetColor(TColor c) {
    if (FColor == c && !(FStyle == bsClear))
        return;
    FColor = c;
    // Giving a colour to a clear brush makes it solid, as the platform's canvas does.
    if (FStyle == bsClear)
        FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle s) {
    SetField(FStyle, s);
}

void TBrush::SetBitmap(const TBitmap* bitmap) {
    if (!bitmap && !Pattern)
        return;
    Pattern = bitmap && !bitmap->Empty() ? std::make_shared<const TPixelBuffer>(bitmap->Pixels())
                                         : nullptr;
    // A pattern is a fill: a clear brush becomes solid again.
    if (Pattern)
        FStyle = bsSolid;
    Changed();
}

TLogBrush TBrush::ToLogBrush() const {
    TLogBrush b;
    if (FStyle == bsClear) {
        b.Style = BS_NULL;
    } else if (Pattern) {
        b.Style = BS_PATTERN;
        b.Pattern = Pattern;
    } else {
        b.Style = FStyle == bsClear ? BS_NULL : BS_SOLID;
    }
    b.Color = FColor;
    return b;
}

bool TBrush::Assign(const TPersistent& source) {
    const auto* b = dynamic_cast<const TBrush*>(&source);
    if (!b)
        return false;
    if (b == this)
        return true;
    FColor = b->FColor;
    FStyle = b->FStyle;
    Pattern = b->Pattern;
    Changed();
    return true;
}
