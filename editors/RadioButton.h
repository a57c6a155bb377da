#pragma once

#include "editors/MouseTracking.h"
#include "editors/cxCanvas.h"
#include "lookandfeel/LookAndFeel.h"
#include "platform/draw/Canvas.h"
#include "platform/stdctrls/RadioButton.h"

#include <memory>

class TDC;

enum TcxRadioButtonState { rbsDisabled, rbsHot, rbsNormal, rbsPressed };

// The button state the painter draws for a radio button state.
TcxButtonState RadioButtonStateToButtonState(TcxRadioButtonState state);

// The platform's radio button with the look of the editor controls: its window still handles
// the focus, the keys, the clicks and the checked state, but it is owner-drawn; the control
// paints the glyph with its look-and-feel's painter, follows the mouse for a hot and a pressed
// look, draws a focus rectangle around a non-empty caption and can show its parent through
// (Transparent), the controls created before it included.
class TcxRadioButton : public TRadioButton,
                       public IcxLookAndFeelContainer,
                       public IdxSkinSupport,
                       public IcxMouseTrackingCaller {
public:
    explicit TcxRadioButton(TComponent* owner);
    ~TcxRadioButton() override;
    std::string ClassName() const override { return "TcxRadioButton"; }

    TcxLookAndFeel& LookAndFeel() { return *FLookAndFeel; }
    void SetLookAndFeel(const TcxLookAndFeel& value) { FLookAndFeel->Assign(value); }
    TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
    // Only a pop-up menu is accepted; anything else leaves none.
    void SetPopupMenuComponent(TComponent* menu);
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    TcxRadioButtonState State() const { return FState; }
    // Where the glyph was drawn last.
    TRect GlyphRect() const { return FGlyphRect; }
    // The caption's focus rectangle for the current caption, font and size; empty when the
    // caption is.
    TRect FocusRect();

    bool Focused() const override;
    void Invalidate() override;

    // IcxMouseTrackingCaller
    void MouseTrackingCallerMouseLeave() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CMEnabledChanged(TMessage& message) override;
    void CMSysColorChange(TMessage& message) override;

    virtual void DrawCaption(TCanvas& canvas, bool isNative);
    virtual void CorrectTextRect(TRect& r, bool isNative);
    virtual void DrawBackground(TCanvas& canvas);
    virtual bool IsInplace() const { return false; }
    virtual bool IsNativeBackground();
    virtual bool IsNativeStyle();
    virtual bool IsTransparent() const { return FTransparent && !IsInplace(); }
    virtual bool IsTransparentBackground();
    virtual void LookAndFeelChanged() { Invalidate(); }
    virtual void Paint(TDC& dc, bool focusOnly);
    // The painter of the glyph: the one the look-and-feel resolves for buttons.
    virtual TcxCustomLookAndFeelPainterClass GetPainter() const;

private:
    TRect CalculateGlyphRect();
    void SetState(TcxRadioButtonState value);
    void UpdateState(TPoint p, bool buttonsOrKeysDown);
    void UpdateStateFromCursor();
    TRect CaptionTextRect(bool isNative);
    unsigned CaptionFlags() const;
    void BeginTracking();

    std::unique_ptr<TCanvas> FCanvas;
    TcxCanvas FcxCanvas;
    std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
    TcxRadioButtonState FState = rbsNormal;
    bool FTransparent = false;
    bool FParentBackground = true;
    bool FWordWrap = false;
    TRect FGlyphRect;
};
