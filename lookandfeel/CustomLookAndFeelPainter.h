#pragma once

#include "lookandfeel/LookAndFeelTypes.h"
#include "platform/core/Color.h"
#include "platform/core/Geometry.h"

#include <string_view>

class TCanvas;
class TcxCustomLookAndFeelPainter;

// A painter class: the drawing rules of one look. Controls never make painters; they get the
// class of their look from their TcxLookAndFeel and call its operations. Each class is one
// stateless object that stands for the class (its operations behave as class-level operations
// that the looks override), reached through Class().
using TcxCustomLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

// The root of the painter family; the shared drawing rules live here. Colour arguments take
// clDefault (0x20000000) for "the look's own colour" or, for backgrounds, "draw transparently".
class TcxCustomLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class();

    TcxCustomLookAndFeelPainter(const TcxCustomLookAndFeelPainter&) = delete;
    TcxCustomLookAndFeelPainter& operator=(const TcxCustomLookAndFeelPainter&) = delete;

    // The class's name ("TcxUltraFlatLookAndFeelPainter").
    virtual const char* ClassName() const;
    // Whether this class is cls or derives from it.
    bool InheritsFrom(TcxCustomLookAndFeelPainterClass cls) const;
    virtual TcxLookAndFeelStyle LookAndFeelStyle() const;

    // Frames of controls whose frame style asks for the look's frame.
    virtual int BorderSize() const;
    virtual void DrawBorder(TCanvas& canvas, const TRect& r) const;

    // Buttons.
    virtual int ButtonBorderSize(TcxButtonState state = cxbsNormal) const;
    virtual TColor ButtonColor(TcxButtonState state) const;
    virtual TColor ButtonSymbolColor(TcxButtonState state, TColor defaultColor = clDefault) const;
    virtual int ButtonTextShift() const;
    virtual int ButtonTextOffset() const;
    // The look changes buttons under the mouse (scroll bars repaint on hover only then).
    virtual bool IsButtonHotTrack() const;
    // The border, then the face (colour clDefault: ButtonColor), then the caption centred in
    // ButtonSymbolColor (text colour clDefault: the look's), shifted when pressed.
    virtual void DrawButton(TCanvas& canvas, const TRect& r, std::string_view caption,
                            TcxButtonState state, bool drawBorder = true, TColor color = clDefault,
                            TColor textColor = clDefault, bool wordWrap = false) const;
    virtual void DrawButtonBorder(TCanvas& canvas, const TRect& r, TcxButtonState state) const;
    // The dotted focus frame, inside r.
    virtual void ButtonFocusRect(TCanvas& canvas, const TRect& r) const;

    // Arrows: a filled triangle centred in r.
    virtual void DrawArrow(TCanvas& canvas, const TRect& r, TcxArrowDirection direction,
                           TColor color) const;
    // An arrow button: border (when wanted), face and the arrow in the state's colours.
    virtual void DrawArrow(TCanvas& canvas, const TRect& r, TcxButtonState state,
                           TcxArrowDirection direction, bool drawBorder = true) const;
    virtual void DrawArrowBorder(TCanvas& canvas, const TRect& r, TcxButtonState state) const;

    // Scroll bars.
    virtual void DrawScrollBarArrow(TCanvas& canvas, const TRect& r, TcxButtonState state,
                                    TcxArrowDirection direction) const;
    virtual int ScrollBarMinimalThumbSize(bool horizontal) const;
    virtual void DrawScrollBarPart(TCanvas& canvas, bool horizontal, const TRect& r,
                                   TcxScrollBarPart part, TcxButtonState state) const;
    // The corner between two scroll bars.
    virtual void DrawSizeGrip(TCanvas& canvas, const TRect& r,
                              TColor backgroundColor = clDefault) const;
    virtual TColor DefaultSizeGripAreaColor() const;

    // Radio buttons: the glyph size, and the glyph with its top-left corner at (x, y) on a
    // background colour (clDefault: transparently).
    virtual TSize RadioButtonSize() const;
    virtual void DrawRadioButton(TCanvas& canvas, int x, int y, TcxButtonState state, bool checked,
                                 bool focused, TColor backgroundColor,
                                 bool isDesigning = false) const;

    // Hooks of the edit framework for skinned looks.
    virtual void DrawBackground(TCanvas& canvas, const TRect& r, TColor color) const;
    virtual TColor GetContainerBorderColor(bool isHighlightBorder) const;
    virtual void DrawEditorButton(TCanvas& canvas, const TRect& r, TcxButtonState state) const;
    virtual TColor EditButtonTextColor() const;

    // Colours of content areas.
    virtual TColor DefaultContentColor() const;
    virtual TColor DefaultContentTextColor() const;
    virtual TColor DefaultSelectionColor() const;
    virtual TColor DefaultSelectionTextColor() const;

protected:
    TcxCustomLookAndFeelPainter() = default;
    virtual ~TcxCustomLookAndFeelPainter() = default;

    // The class this one derives from; nullptr for the root.
    virtual TcxCustomLookAndFeelPainterClass Parent() const;
};
