// lookandfeel-gallery: draws the parts of every look-and-feel painter in every state side by
// side into one PNG, so that the looks can be compared by eye.
//   lookandfeel-gallery <out.png> [--zoom N]
#include "lookandfeel/FlatLookAndFeelPainter.h"
#include "lookandfeel/Office11LookAndFeelPainter.h"
#include "lookandfeel/StandardLookAndFeelPainter.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "lookandfeel/WinXPLookAndFeelPainter.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Png.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int LabelWidth = 210;
constexpr int RowHeight = 84;
constexpr int HeaderHeight = 34;
constexpr int RadioCell = 16;
constexpr int ButtonWidth = 44;
constexpr int ButtonHeight = 20;
constexpr int Bar = 17;

constexpr TcxButtonState States[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};

struct TColumns {
    int Radio = LabelWidth;
    int Buttons = Radio + 16 * RadioCell + 16;
    int Scroll = Buttons + 5 * (ButtonWidth + 4) + 12;
    int Frame = Scroll + 4 * (Bar + 6) + 2 * (Bar + 4) + 48;
    int Width = Frame + 96;
};

void Text(TCanvas& c, int x, int y, const std::string& text, TColor color = clBlack) {
    c.Font().SetColor(color);
    c.Brush().SetStyle(bsClear);
    c.TextOut(x, y, text);
    c.Brush().SetStyle(bsSolid);
}

// Unchecked, then checked, each in the four states; then the same focused.
void DrawRadios(TCanvas& c, TcxCustomLookAndFeelPainterClass p, int x, int y) {
    int i = 0;
    for (bool focused : {false, true})
        for (bool checked : {false, true})
            for (TcxButtonState s : States) {
                p->DrawRadioButton(c, x + i * RadioCell, y, s, checked, focused, clDefault);
                ++i;
            }
    // The same glyphs on an opaque window-coloured background, below.
    i = 0;
    for (bool focused : {false, true})
        for (bool checked : {false, true})
            for (TcxButtonState s : States) {
                p->DrawRadioButton(c, x + i * RadioCell, y + RadioCell + 4, s, checked, focused,
                                   clWindow);
                ++i;
            }
}

void DrawButtons(TCanvas& c, TcxCustomLookAndFeelPainterClass p, int x, int y) {
    const TcxButtonState all[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
    for (int i = 0; i < 5; ++i) {
        TRect r = TRect::FromXYWH(x + i * (ButtonWidth + 4), y, ButtonWidth, ButtonHeight);
        p->DrawButton(c, r, "OK", all[i]);
        if (all[i] == cxbsDefault)
            p->ButtonFocusRect(c, r.Inflated(-4, -4));
    }
    // Arrow buttons of every direction.
    const TcxArrowDirection dirs[] = {adUp, adDown, adLeft, adRight};
    for (int i = 0; i < 4; ++i)
        p->DrawArrow(c, TRect::FromXYWH(x + i * (Bar + 4), y + ButtonHeight + 8, Bar, Bar),
                     States[i], dirs[i]);
}

// A small vertical bar per state: line up, thumb, page area, line down; then the two line
// buttons of a horizontal bar in the normal and disabled states.
void DrawScrollParts(TCanvas& c, TcxCustomLookAndFeelPainterClass p, int x, int y) {
    for (int i = 0; i < 4; ++i) {
        const int bx = x + i * (Bar + 6);
        const TcxButtonState s = States[i];
        p->DrawScrollBarPart(c, false, TRect::FromXYWH(bx, y, Bar, Bar), sbpLineUp, s);
        p->DrawScrollBarPart(c, false, TRect::FromXYWH(bx, y + Bar, Bar, 8), sbpPageUp, s);
        p->DrawScrollBarPart(c, false, TRect::FromXYWH(bx, y + Bar + 8, Bar, 14), sbpThumbnail, s);
        p->DrawScrollBarPart(c, false, TRect::FromXYWH(bx, y + Bar + 22, Bar, 12), sbpPageDown, s);
        p->DrawScrollBarPart(c, false, TRect::FromXYWH(bx, y + Bar + 34, Bar, Bar), sbpLineDown, s);
    }
    const int hx = x + 4 * (Bar + 6);
    for (int i = 0; i < 2; ++i) {
        const TcxButtonState s = i == 0 ? cxbsNormal : cxbsDisabled;
        p->DrawScrollBarPart(c, true, TRect::FromXYWH(hx, y + i * (Bar + 4), Bar, Bar), sbpLineUp,
                             s);
        p->DrawScrollBarPart(c, true, TRect::FromXYWH(hx + Bar + 4, y + i * (Bar + 4), Bar, Bar),
                             sbpLineDown, s);
    }
}

void DrawFrame(TCanvas& c, TcxCustomLookAndFeelPainterClass p, int x, int y) {
    TRect r = TRect::FromXYWH(x, y, 80, 40);
    c.Handle()->FillRect(r, clWindow);
    p->DrawBorder(c, r);
    Text(c, x + 6, y + 13, "size " + std::to_string(p->BorderSize()));
}

TPixelBuffer Zoomed(const TPixelBuffer& src, int zoom) {
    TPixelBuffer out(src.Width * zoom, src.Height * zoom);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x)
            out.At(x, y) = src.At(x / zoom, y / zoom);
    return out;
}

TPixelBuffer Gallery() {
    const TcxCustomLookAndFeelPainterClass painters[] = {
        TcxStandardLookAndFeelPainter::Class(), TcxFlatLookAndFeelPainter::Class(),
        TcxUltraFlatLookAndFeelPainter::Class(), TcxOffice11LookAndFeelPainter::Class(),
        TcxWinXPLookAndFeelPainter::Class()};
    const TColumns col;
    const int height = HeaderHeight + int(std::size(painters)) * RowHeight;
    TBitmap b(col.Width, height);
    TCanvas& c = b.Canvas();
    c.Handle()->FillRect(TRect(0, 0, col.Width, height), clBtnFace);

    Text(c, 8, 4, "look-and-feel painters");
    Text(c, col.Radio, 4, "radio: unchecked, checked; focused");
    Text(c, col.Radio, 18, "(each: normal hot pressed disabled)");
    Text(c, col.Buttons, 4, "buttons: default normal hot pressed");
    Text(c, col.Buttons, 18, "disabled; arrows up down left right");
    Text(c, col.Scroll, 4, "scroll bar: normal hot");
    Text(c, col.Scroll, 18, "pressed disabled; horizontal");
    Text(c, col.Frame, 4, "frame");

    int y = HeaderHeight;
    for (TcxCustomLookAndFeelPainterClass p : painters) {
        c.Handle()->FillRect(TRect(0, y, col.Width, y + 1), clBtnShadow);
        Text(c, 8, y + 8, p->ClassName());
        DrawRadios(c, p, col.Radio, y + 8);
        DrawButtons(c, p, col.Buttons, y + 8);
        DrawScrollParts(c, p, col.Scroll, y + 8);
        DrawFrame(c, p, col.Frame, y + 8);
        y += RowHeight;
    }
    return b.Pixels();
}

int Usage() {
    std::fprintf(stderr, "usage: lookandfeel-gallery <out.png> [--zoom N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int zoom = 1;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--zoom" && i + 1 < args.size())
            zoom = std::atoi(args[++i].c_str());
        else if (out.empty() && args[i].rfind("--", 0) != 0)
            out = args[i];
        else
            return Usage();
    }
    if (out.empty() || zoom < 1 || zoom > 8)
        return Usage();
    try {
        SavePng(Zoomed(Gallery(), zoom), out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lookandfeel-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
