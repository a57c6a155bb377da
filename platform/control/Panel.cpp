#include "platform/control/Panel.h"

#include "platform/draw/DC.h"

#include <algorithm>

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle |= csAcceptsControls | csOpaque;
    FControlStyle &= ~csDoubleClicks;
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    if (FBevelInner == v)
        return;
    FBevelInner = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    if (FBevelOuter == v)
        return;
    FBevelOuter = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
    v = std::max(v, 1);
    if (FBevelWidth == v)
        return;
    FBevelWidth = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int v) {
    v = std::max(v, 0);
    if (FBorderWidth == v)
        return;
    FBorderWidth = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment v) {
    if (FAlignment == v)
        return;
    FAlignment = v;
    Invalidate();
}

int TCustomPanel::BevelExtent() const {
    int n = 0;
    if (FBevelOuter != bvNone)
        n += FBevelWidth;
    if (FBevelInner != bvNone)
        n += FBevelWidth;
    return n + FBorderWidth;
}

void TCustomPanel::AdjustClientRect(TRect& r) {
    TCustomControl::AdjustClientRect(r);
    int n = BevelExtent();
    r = TRect{r.Left + n, r.Top + n, std::max(r.Left + n, r.Right - n),
              std::max(r.Top + n, r.Bottom - n)};
}

void TCustomPanel::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}

namespace {
// One bevel of the given width, drawn inward from r, which shrinks by it.
void DrawBevel(TDC* dc, TRect& r, TBevelCut cut, int width) {
    if (cut == bvNone)
        return;
    for (int i = 0; i < width; ++i) {
        if (cut == bvSpace) {
            r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
            continue;
        }
        unsigned edge = cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
        dc->DrawEdge(r, edge, BF_RECT | BF_ADJUST);
    }
}
} // namespace

void TCustomPanel::Paint() {
    TCanvas& c = Canvas();
    TDC* dc = c.Handle();
    TRect r = ClientRect();
    DrawBevel(dc, r, FBevelOuter, FBevelWidth);
    TRect inside{r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth,
                 r.Bottom - FBorderWidth};
    c.Brush().SetColor(Color());
    c.FillRect(r);
    r = inside;
    DrawBevel(c.Handle(), r, FBevelInner, FBevelWidth);
    std::string text = Caption();
    if (text.empty())
        return;
    c.Brush().SetStyle(bsClear);
    dc = c.Handle();
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    format |= FAlignment == taCenter         ? DT_CENTER
              : FAlignment == taRightJustify ? DT_RIGHT
                                             : DT_LEFT;
    if (!IsEnabledInChain())
        dc->SetTextColor(clGrayText);
    dc->DrawText(text, r, format);
}
