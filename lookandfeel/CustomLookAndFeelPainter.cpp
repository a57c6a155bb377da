#include "lookandfeel/CustomLookAndFeelPainter.h"

#include "lookandfeel/PainterDrawing.h"
#include "lookandfeel/PainterResources.h"
#include "lookandfeel/RadioButtonImageList.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DCStateSaver.h"

#include <algorithm>

namespace {

// The part rectangle made square by taking the same amount off both ends of its longer side.
TRect ArrowBox(const TRect& r) {
    TRect box = r;
    const int w = r.Width(), h = r.Height();
    if (w > h) {
        box.Left += (w - h) / 2;
        box.Right -= (w - h) / 2;
    } else if (h > w) {
        box.Top += (h - w) / 2;
        box.Bottom -= (h - w) / 2;
    }
    return box;
}

// A filled triangle, apex toward the direction, centred in box: (side - 1) / 4 + 1 rows from
// apex to base, the base twice that less one wide.
void FillArrow(TDC& dc, const TRect& box, TcxArrowDirection direction, TColor color) {
    const int side = std::min(box.Width(), box.Height());
    if (side <= 0)
        return;
    const int depth = (side - 1) / 4 + 1;
    const int span = 2 * depth - 1;
    const bool vertical = direction == adUp || direction == adDown;
    const int across = vertical ? box.Width() : box.Height();
    const int along = vertical ? box.Height() : box.Width();
    const int a0 = (vertical ? box.Left : box.Top) + (across - span) / 2;
    const int d0 = (vertical ? box.Top : box.Left) + (along - depth) / 2;
    for (int k = 0; k < depth; ++k) {
        // Row k counted from the apex is 2k + 1 wide.
        const int pos = (direction == adUp || direction == adLeft) ? d0 + k : d0 + depth - 1 - k;
        const int from = a0 + depth - 1 - k;
        const int to = a0 + depth + k;
        const TRect row = vertical ? TRect(from, pos, to, pos + 1) : TRect(pos, from, pos + 1, to);
        dc.FillRect(row, color);
    }
}

} // namespace

TcxCustomLookAndFeelPainterClass TcxCustomLookAndFeelPainter::Class() {
    static const TcxCustomLookAndFeelPainter cls;
    return &cls;
}

const char* TcxCustomLookAndFeelPainter::ClassName() const {
    return "TcxCustomLookAndFeelPainter";
}

TcxCustomLookAndFeelPainterClass TcxCustomLookAndFeelPainter::Parent() const {
    return nullptr;
}

bool TcxCustomLookAndFeelPainter::InheritsFrom(TcxCustomLookAndFeelPainterClass cls) const {
    for (TcxCustomLookAndFeelPainterClass c = this; c; c = c->Parent()) {
        if (c == cls)
            return true;
    }
    return false;
}

TcxLookAndFeelStyle TcxCustomLookAndFeelPainter::LookAndFeelStyle() const {
    return lfsStandard;
}

// --- Frames --------------------------------------------------------------------------------

int TcxCustomLookAndFeelPainter::BorderSize() const {
    return 0;
}

void TcxCustomLookAndFeelPainter::DrawBorder(TCanvas&, const TRect&) const {}

// --- Buttons -------------------------------------------------------------------------------

int TcxCustomLookAndFeelPainter::ButtonBorderSize(TcxButtonState) const {
    return 2;
}

TColor TcxCustomLookAndFeelPainter::ButtonColor(TcxButtonState) const {
    return clBtnFace;
}

TColor TcxCustomLookAndFeelPainter::ButtonSymbolColor(TcxButtonState state,
                                                      TColor defaultColor) const {
    if (state == cxbsDisabled)
        return clBtnShadow;
    return defaultColor == clDefault ? clBtnText : defaultColor;
}

int TcxCustomLookAndFeelPainter::ButtonTextShift() const {
    return 0;
}

int TcxCustomLookAndFeelPainter::ButtonTextOffset() const {
    return 2;
}

bool TcxCustomLookAndFeelPainter::IsButtonHotTrack() const {
    return false;
}

void TcxCustomLookAndFeelPainter::DrawButton(TCanvas& canvas, const TRect& r,
                                             std::string_view caption, TcxButtonState state,
                                             bool drawBorder, TColor color, TColor textColor,
                                             bool wordWrap) const {
    TDC* dc = canvas.Handle();
    if (!dc || r.IsEmpty())
        return;
    TRect face = r;
    if (drawBorder) {
        DrawButtonBorder(canvas, r, state);
        const int b = ButtonBorderSize(state);
        face = face.Inflated(-b, -b);
    }
    if (face.IsEmpty())
        return;
    dc->FillRect(face, color == clDefault ? ButtonColor(state) : color);
    if (caption.empty())
        return;
    TDCStateSaver saver(*dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(ButtonSymbolColor(state, textColor));
    TRect text = face;
    if (state == cxbsPressed)
        text = text.Offset(ButtonTextShift(), ButtonTextShift());
    unsigned format = DT_CENTER | DT_VCENTER | DT_NOPREFIX;
    format |= wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    dc->DrawText(caption, text, format);
}

void TcxCustomLookAndFeelPainter::DrawButtonBorder(TCanvas& canvas, const TRect& r,
                                                   TcxButtonState state) const {
    TDC* dc = canvas.Handle();
    if (!dc)
        return;
    // Raised, or sunken when pressed, in two one-pixel frames.
    if (state == cxbsPressed) {
        DrawTwoColorFrame(*dc, r, clBtnShadow, clBtnShadow);
        DrawTwoColorFrame(*dc, r.Inflated(-1, -1), clBtnFace, clBtnFace);
    } else {
        DrawTwoColorFrame(*dc, r, cl3DLight, cl3DDkShadow);
        DrawTwoColorFrame(*dc, r.Inflated(-1, -1), clBtnHighlight, clBtnShadow);
    }
}

void TcxCustomLookAndFeelPainter::ButtonFocusRect(TCanvas& canvas, const TRect& r) const {
    canvas.DrawFocusRect(r);
}

// --- Arrows --------------------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::DrawArrow(TCanvas& canvas, const TRect& r,
                                            TcxArrowDirection direction, TColor color) const {
    if (TDC* dc = canvas.Handle())
        FillArrow(*dc, ArrowBox(r), direction, color);
}

void TcxCustomLookAndFeelPainter::DrawArrow(TCanvas& canvas, const TRect& r, TcxButtonState state,
                                            TcxArrowDirection direction, bool drawBorder) const {
    DrawButton(canvas, r, {}, state, drawBorder);
    DrawScrollBarArrow(canvas, r, state, direction);
}

void TcxCustomLookAndFeelPainter::DrawArrowBorder(TCanvas& canvas, const TRect& r,
                                                  TcxButtonState state) const {
    DrawButtonBorder(canvas, r, state);
}

// --- Scroll bars ---------------------------------------------------------------------------

void TcxCustomLookAndFeelPainter::DrawScrollBarArrow(TCanvas& canvas, const TRect& r,
                                                     TcxButtonState state,
                                                     TcxArrowDirection direction) const {
    TDC* dc = canvas.Handle();
    if (!dc || r.IsEmpty())
        return;
    TRect box = ArrowBox(r);
    if (state == cxbsPressed)
        box = box.Offset(ButtonTextShift(), ButtonTextShift());
    if (state == cxbsDisabled) {
        // Embossed: a light copy one pixel right and down under the shadow-coloured arrow.
        FillArrow(*dc, box.Offset(1, 1), direction, clBtnHighlight);
        FillArrow(*dc, box, direction, clBtnShadow);
    } else {
        FillArrow(*dc, box, direction, ButtonSymbolColor(state));
    }
}

int TcxCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(bool) const {
    return 8;
}

void TcxCustomLookAndFeelPainter::DrawScrollBarPart(TCanvas& canvas, bool horizontal,
                                                    const TRect& r, TcxScrollBarPart part,
                                                    TcxButtonState state) const {
    if (r.IsEmpty() || (part == sbpThumbnail && state == cxbsDisabled))
        return;
    switch (part) {
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail:
        DrawButton(canvas, r, {}, state, true);
        if (part == sbpLineUp)
            DrawScrollBarArrow(canvas, r, state, horizontal ? adLeft : adUp);
        else if (part == sbpLineDown)
            DrawScrollBarArrow(canvas, r, state, horizontal ? adRight : adDown);
        break;
    case sbpPageUp:
    case sbpPageDown:
        if (TDC* dc = canvas.Handle()) {
            TLogBrush brush{BS_PATTERN, clBtnFace,
                            PainterResources().ScrollBarPattern(state == cxbsPressed)};
            dc->FillRect(r, brush);
        }
        break;
    case sbpNone:
        break;
    }
}

void TcxCustomLookAndFeelPainter::DrawSizeGrip(TCanvas& canvas, const TRect& r,
                                               TColor backgroundColor) const {
    if (TDC* dc = canvas.Handle())
        dc->FillRect(r,
                     backgroundColor == clDefault ? DefaultSizeGripAreaColor() : backgroundColor);
}

TColor TcxCustomLookAndFeelPainter::DefaultSizeGripAreaColor() const {
    return clBtnFace;
}

// --- Radio buttons -------------------------------------------------------------------------

TSize TcxCustomLookAndFeelPainter::RadioButtonSize() const {
    return TcxRadioButtonImageList::Geometry().Size;
}

void TcxCustomLookAndFeelPainter::DrawRadioButton(TCanvas& canvas, int x, int y,
                                                  TcxButtonState state, bool checked, bool focused,
                                                  TColor backgroundColor, bool isDesigning) const {
    TcxRadioButtonImageList::Instance().Draw(canvas, x, y,
                                             LookAndFeelKindOfStyle(LookAndFeelStyle()), state,
                                             checked, focused, isDesigning, backgroundColor);
}

// --- Edit framework hooks and default colours ----------------------------------------------

void TcxCustomLookAndFeelPainter::DrawBackground(TCanvas& canvas, const TRect& r,
                                                 TColor color) const {
    if (color == clDefault || color == clNone)
        return;
    if (TDC* dc = canvas.Handle())
        dc->FillRect(r, color);
}

TColor TcxCustomLookAndFeelPainter::GetContainerBorderColor(bool isHighlightBorder) const {
    return isHighlightBorder ? clHighlight : clBtnShadow;
}

void TcxCustomLookAndFeelPainter::DrawEditorButton(TCanvas& canvas, const TRect& r,
                                                   TcxButtonState state) const {
    DrawButton(canvas, r, {}, state, true);
}

TColor TcxCustomLookAndFeelPainter::EditButtonTextColor() const {
    return clBtnText;
}

TColor TcxCustomLookAndFeelPainter::DefaultContentColor() const {
    return clWindow;
}

TColor TcxCustomLookAndFeelPainter::DefaultContentTextColor() const {
    return clWindowText;
}

TColor TcxCustomLookAndFeelPainter::DefaultSelectionColor() const {
    return clHighlight;
}

TColor TcxCustomLookAndFeelPainter::DefaultSelectionTextColor() const {
    return clHighlightText;
}
