#include "lookandfeel/RadioButtonImageList.h"

#include "lookandfeel/LookAndFeelColors.h"
#include "lookandfeel/Office11Colors.h"
#include "lookandfeel/PainterResources.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DC.h"

namespace {

int gMeasureCount = 0;

constexpr TPixel Black = 0;

bool IsBlack(const TPixelBuffer& b, int x, int y) {
    return (b.At(x, y) & 0xFFFFFF) == Black;
}

// The platform's radio cell: a quarter of the width and a third of the height of its check-box
// bitmap.
TSize RadioCellSize() {
    TBitmap boxes;
    if (boxes.LoadOEM(OBM_CHECKBOXES) && boxes.Width() >= 4 && boxes.Height() >= 3)
        return {boxes.Width() / 4, boxes.Height() / 3};
    return {13, 13};
}

// The glyph's extent: the columns and rows of the flat radio mask that hold a black pixel.
void MeasureGlyph(const TPixelBuffer& mask, TcxRadioGlyphGeometry& g) {
    int left = -1, width = 0;
    for (int x = 0; x < mask.Width; ++x) {
        for (int y = 0; y < mask.Height; ++y) {
            if (IsBlack(mask, x, y)) {
                if (left < 0)
                    left = x;
                ++width;
                break;
            }
        }
    }
    int top = -1, height = 0;
    for (int y = 0; y < mask.Height; ++y) {
        for (int x = 0; x < mask.Width; ++x) {
            if (IsBlack(mask, x, y)) {
                if (top < 0)
                    top = y;
                ++height;
                break;
            }
        }
    }
    g.Offset = {left < 0 ? 0 : left, top < 0 ? 0 : top};
    g.Size = {width, height};
}

// The dot of the checked flat radio image: from just left of and above the centre, the run of
// clWindowText pixels up and then down, and along the row left and then right.
void MeasureDot(const TPixelBuffer& image, TcxRadioGlyphGeometry& g) {
    const TPixel text = ColorToPixel(clWindowText) & 0xFFFFFF;
    const TRect glyph(g.Offset, g.Size);
    auto isText = [&](int x, int y) {
        return glyph.Contains(TPoint(x, y)) && (image.At(x, y) & 0xFFFFFF) == text;
    };
    const int column = glyph.Left + g.Size.cx / 2 - 1;
    int y = glyph.Top + g.Size.cy / 2 - 2;
    while (isText(column, y))
        --y;
    const int top = y + 1;
    y = top;
    while (isText(column, y))
        ++y;
    const int bottom = y;
    const int row = glyph.Top + g.Size.cy / 2 - 1;
    int x = glyph.Left + g.Size.cx / 2 - 2;
    while (isText(x, row))
        --x;
    const int left = x + 1;
    x = left;
    while (isText(x, row))
        ++x;
    g.DotRect = {left, top, x, bottom};
}

// A glyph-sized picture of a rounded rectangle drawn black with the given brush on white.
TPixelBuffer RoundShape(TSize size, const TRect& r, TColor brush) {
    TPixelBuffer buf(size.cx, size.cy, RGBToPixel(clWhite));
    TDC dc(buf);
    dc.SelectPen({PS_SOLID, 1, clBlack});
    dc.SelectBrush({BS_SOLID, brush, nullptr});
    dc.RoundRect(r.Left, r.Top, r.Right, r.Bottom, r.Width() - 1, r.Height() - 1);
    return buf;
}

// Which half of the glyph a cell is in, cut along the anti-diagonal.
bool InUpperLeftOuter(const TSize& s, int i, int j) {
    return (s.cy - 1) * (s.cx - 1 - j) >= i * (s.cx - 1);
}

std::uint8_t InnerRingPart(const TSize& s, int i, int j) {
    const int a = (s.cx - 1 - j) * (s.cy - 1);
    const int b = (s.cx - 1) * i;
    if (a < b || (a == b && j > s.cx / 2 - 1))
        return TcxRadioGlyphGeometry::InnerRingLowerRight;
    return TcxRadioGlyphGeometry::InnerRingUpperLeft;
}

bool IsOuterRing(std::uint8_t part) {
    return part == TcxRadioGlyphGeometry::OuterRingUpperLeft ||
           part == TcxRadioGlyphGeometry::OuterRingLowerRight;
}

void BuildPatternMap(TcxRadioGlyphGeometry& g) {
    const TSize s = g.Size;
    const int w = s.cx, h = s.cy;
    g.Pattern.assign(std::size_t(w) * std::size_t(h), TcxRadioGlyphGeometry::Outside);
    if (s.IsEmpty())
        return;

    // The outer ring, split along the anti-diagonal.
    const TPixelBuffer ring = RoundShape(s, TRect(0, 0, w, h), clWhite);
    for (int i = 0; i < h; ++i)
        for (int j = 0; j < w; ++j)
            if (IsBlack(ring, j, i))
                g.At(i, j) = InUpperLeftOuter(s, i, j) ? TcxRadioGlyphGeometry::OuterRingUpperLeft
                                                       : TcxRadioGlyphGeometry::OuterRingLowerRight;

    // The body: from the middle of each row out to the ring.
    for (int i = 1; i <= h - 2; ++i) {
        for (int j = w / 2 - 1; j >= 0 && g.At(i, j) == TcxRadioGlyphGeometry::Outside; --j)
            g.At(i, j) = TcxRadioGlyphGeometry::Body;
        for (int j = w / 2; j < w && g.At(i, j) == TcxRadioGlyphGeometry::Outside; ++j)
            g.At(i, j) = TcxRadioGlyphGeometry::Body;
    }

    // The inner ring: the cell just inside the outer ring along every row and column, and the
    // whole first and last inner row and column.
    auto mark = [&](int i, int j) { g.At(i, j) = InnerRingPart(s, i, j); };
    auto walk = [&](int fixed, bool byRow, int start, int step, bool whole) {
        int pos = start;
        int last = -1;
        for (;;) {
            const int i = byRow ? fixed : pos;
            const int j = byRow ? pos : fixed;
            if (pos < 0 || pos >= (byRow ? w : h) || IsOuterRing(g.At(i, j)))
                break;
            if (whole)
                mark(i, j);
            last = pos;
            pos += step;
        }
        if (last >= 0)
            mark(byRow ? fixed : last, byRow ? last : fixed);
    };
    for (int i = 1; i <= h - 2; ++i) {
        const bool whole = i == 1 || i == h - 2;
        walk(i, true, w / 2 - 1, -1, whole);
        walk(i, true, w / 2, +1, whole);
    }
    for (int j = 1; j <= w - 2; ++j) {
        const bool whole = j == 1 || j == w - 2;
        walk(j, false, h / 2 - 1, -1, whole);
        walk(j, false, h / 2, +1, whole);
    }

    // The dot.
    const TRect dot = g.DotRect.Offset(-g.Offset.X, -g.Offset.Y);
    if (!dot.IsEmpty()) {
        const TPixelBuffer disc = RoundShape(s, dot, clBlack);
        for (int i = 0; i < h; ++i)
            for (int j = 0; j < w; ++j)
                if (IsBlack(disc, j, i))
                    g.At(i, j) = TcxRadioGlyphGeometry::Dot;
    }
}

TcxRadioGlyphGeometry MeasureRadioGlyph() {
    ++gMeasureCount;
    TcxRadioGlyphGeometry g;
    const TSize cell = RadioCellSize();
    const TRect r(0, 0, cell.cx, cell.cy);
    TPixelBuffer buf(cell.cx, cell.cy, Black);
    {
        TDC dc(buf);
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    }
    MeasureGlyph(buf, g);
    buf.Resize(cell.cx, cell.cy, Black);
    {
        TDC dc(buf);
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | DFCS_CHECKED);
    }
    MeasureDot(buf, g);
    BuildPatternMap(g);
    return g;
}

TColor UltraFlatBody(TcxButtonState state) {
    switch (state) {
    case cxbsHot:
        return GetLightSelColor();
    case cxbsPressed:
        return GetLightDownedSelColor();
    case cxbsDisabled:
        return clBtnFace;
    default:
        return clWindow;
    }
}

TcxButtonState ImageState(TcxButtonState state) {
    return state == cxbsDefault ? cxbsNormal : state;
}

} // namespace

std::array<TColor, 7> RadioButtonColorMap(TcxLookAndFeelKind kind, TcxButtonState state,
                                          bool checked, bool focused, bool isDesigning) {
    state = ImageState(state);
    const bool disabled = state == cxbsDisabled;
    const bool selected = focused || state == cxbsHot || state == cxbsPressed;
    TColor body = clWindow;
    std::array<TColor, 7> c{};
    switch (kind) {
    case lfFlat:
    case lfStandard:
        body = (state == cxbsPressed || disabled) ? clBtnFace : clWindow;
        c[1] = clBtnShadow;
        c[2] = clBtnHighlight;
        c[3] = kind == lfFlat ? cl3DLight : cl3DDkShadow;
        c[4] = cl3DLight;
        break;
    case lfUltraFlat:
        body = UltraFlatBody(state);
        c[1] = c[2] = (selected || (isDesigning && !disabled)) ? clHighlight : clBtnShadow;
        c[3] = c[4] = body;
        break;
    case lfOffice11:
        body = state == cxbsNormal ? clWindow : dxOffice11ButtonColor(state);
        c[1] = c[2] = disabled                    ? dxOffice11TextDisabledColor()
                      : (selected || isDesigning) ? dxOffice11SelectedBorderColor()
                                                  : clBtnText;
        c[3] = c[4] = body;
        break;
    }
    c[0] = clBlack; // masked out
    c[5] = body;
    if (!checked)
        c[6] = body;
    else if (!disabled)
        c[6] = clWindowText;
    else
        c[6] = kind == lfOffice11 ? dxOffice11TextDisabledColor() : clBtnShadow;
    return c;
}

// --- The cache -----------------------------------------------------------------------------

const TcxRadioGlyphGeometry& TcxRadioButtonImageList::Geometry() {
    static const TcxRadioGlyphGeometry geometry = MeasureRadioGlyph();
    return geometry;
}

int TcxRadioButtonImageList::MeasureCount() {
    return gMeasureCount;
}

TcxRadioButtonImageList::TcxRadioButtonImageList()
    : FImages(Geometry().Size.cx, Geometry().Size.cy, true) {
    const TcxRadioGlyphGeometry& g = Geometry();
    FButtonMask.SetSize(g.Size.cx, g.Size.cy);
    FButtonMask.SetMonochrome(true);
    const TPixelBuffer disc = RoundShape(g.Size, TRect(TPoint(), g.Size), clBlack);
    FButtonMask.Pixels() = disc;
    FIndexMap.fill(-1);
    Render();
}

TcxRadioButtonImageList& TcxRadioButtonImageList::Instance() {
    return PainterResources().RadioButtonImages();
}

int TcxRadioButtonImageList::GetImageIndex(TcxLookAndFeelKind kind, TcxButtonState state,
                                           bool checked, bool isDesigning, bool focused) const {
    const int index = (ImageState(state) - 1) + 4 * int(checked) + 8 * int(kind) +
                      32 * int(isDesigning) + 64 * int(focused);
    return index >= 0 && index < ImageCount ? FIndexMap[std::size_t(index)] : -1;
}

void TcxRadioButtonImageList::Prepare() {
    if (FImages.Count() == 0)
        Render();
}

void TcxRadioButtonImageList::Reset() {
    FImages.Clear();
    FIndexMap.fill(-1);
    Render();
}

// Nesting, outermost first: focused, designing, kind, checked, state; so the image index and
// the map index coincide.
void TcxRadioButtonImageList::Render() {
    const TcxRadioGlyphGeometry& g = Geometry();
    if (g.Size.IsEmpty())
        return;
    ++FRenderCount;
    TBitmap image(g.Size.cx, g.Size.cy);
    image.SetPixelFormat(pf32bit);
    for (int focused = 0; focused < 2; ++focused)
        for (int designing = 0; designing < 2; ++designing)
            for (int kind = lfFlat; kind <= lfOffice11; ++kind)
                for (int checked = 0; checked < 2; ++checked)
                    for (int state = cxbsNormal; state <= cxbsDisabled; ++state) {
                        const auto colors =
                            RadioButtonColorMap(TcxLookAndFeelKind(kind), TcxButtonState(state),
                                                checked != 0, focused != 0, designing != 0);
                        std::array<TPixel, 7> pixels{};
                        for (std::size_t k = 0; k < pixels.size(); ++k)
                            pixels[k] = ColorToPixel(colors[k]);
                        TPixelBuffer& px = image.Pixels();
                        for (int i = 0; i < g.Size.cy; ++i)
                            for (int j = 0; j < g.Size.cx; ++j)
                                px.At(j, i) = pixels[g.At(i, j)];
                        const int index = FImages.Add(image, &FButtonMask);
                        FIndexMap[std::size_t((state - 1) + 4 * checked + 8 * kind +
                                              32 * designing + 64 * focused)] = index;
                    }
}

void TcxRadioButtonImageList::Draw(TCanvas& canvas, int x, int y, TcxLookAndFeelKind kind,
                                   TcxButtonState state, bool checked, bool focused,
                                   bool isDesigning, TColor backgroundColor) const {
    const int index = GetImageIndex(kind, state, checked, isDesigning, focused);
    if (index < 0)
        return;
    // Skinned controls pass clNone; a look's own painter draws them transparently too.
    if (backgroundColor == clDefault || backgroundColor == clNone) {
        FImages.Draw(canvas, x, y, index);
        return;
    }
    const TSize s = GlyphSize();
    TBitmap square(s.cx, s.cy);
    square.DC().FillRect(TRect(TPoint(), s), backgroundColor);
    FImages.Draw(square.DC(), 0, 0, index);
    canvas.Handle()->BitBlt(x, y, s.cx, s.cy, &square.DC(), 0, 0, SRCCOPY);
}

void PrepareRadioButtonImageList() {
    TcxRadioButtonImageList::Instance().Prepare();
    PainterResources().Listen();
}
