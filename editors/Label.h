#pragma once

#include "editors/CustomEdit.h"
#include "platform/core/PixelBuffer.h"
#include "platform/draw/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>

class TDC;
class TFont;

enum TcxLabelEffect { cxleNormal, cxleFun, cxleExtrude, cxleCool };
enum TcxLabelStyle { cxlsNormal, cxlsRaised, cxlsLowered, cxlsOutLine };
enum TcxLabelOrientation {
    cxoLeft,
    cxoRight,
    cxoTop,
    cxoBottom,
    cxoLeftTop,
    cxoLeftBottom,
    cxoRightTop,
    cxoRightBottom
};

// An angle in degrees taken into 0..359 (450 is 90, -90 is 270).
int cxNormalizeLabelAngle(int angle);

// The settings of a label: rotation, three-dimensional effect, letter style, texture, accelerator
// marks, word wrap. Every change recalculates and repaints the label.
class TcxCustomLabelProperties : public TcxCustomEditProperties {
public:
    explicit TcxCustomLabelProperties(TPersistent* owner);
    ~TcxCustomLabelProperties() override;
    std::string ClassName() const override { return "TcxCustomLabelProperties"; }

    // Degrees, counter-clockwise, always 0..359.
    int Angle() const { return FAngle; }
    void SetAngle(int value) { Set(FAngle, cxNormalizeLabelAngle(value)); }
    std::uint16_t Depth() const { return FDepth; }
    void SetDepth(std::uint16_t value) { Set(FDepth, value); }
    // The texture that fills the letters; made empty on first read.
    TBitmap& Glyph();
    // nullptr (or an empty bitmap) takes the texture away.
    void SetGlyph(const TBitmap* value);
    bool HasGlyph() const { return FGlyph && FGlyph->Width() > 0 && FGlyph->Height() > 0; }
    TcxLabelEffect LabelEffect() const { return FLabelEffect; }
    void SetLabelEffect(TcxLabelEffect value) { Set(FLabelEffect, value); }
    TcxLabelStyle LabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TcxLabelStyle value) { Set(FLabelStyle, value); }
    TcxLabelOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TcxLabelOrientation value) { Set(FOrientation, value); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int value) { Set(FPenWidth, value); }
    TColor ShadowedColor() const { return FShadowedColor; }
    void SetShadowedColor(TColor value) { Set(FShadowedColor, value); }
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value) { Set(FShowAccelChar, value); }
    // Honoured only by a label inside another control.
    bool ShowEndEllipsis() const { return FShowEndEllipsis; }
    void SetShowEndEllipsis(bool value) { Set(FShowEndEllipsis, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { Set(FWordWrap, value); }

    // The room the effect takes: (0, 0) without an effect, else Depth along the orientation.
    TSize DepthDelta() const;

private:
    int FAngle = 0;
    std::uint16_t FDepth = 0;
    std::unique_ptr<TBitmap> FGlyph;
    TcxLabelEffect FLabelEffect = cxleNormal;
    TcxLabelStyle FLabelStyle = cxlsNormal;
    TcxLabelOrientation FOrientation = cxoRightBottom;
    int FPenWidth = 1;
    TColor FShadowedColor = clGrayText;
    bool FShowAccelChar = true;
    bool FShowEndEllipsis = false;
    bool FWordWrap = false;
};

class TcxLabelProperties : public TcxCustomLabelProperties {
public:
    using TcxCustomLabelProperties::TcxCustomLabelProperties;
    std::string ClassName() const override { return "TcxLabelProperties"; }
};

// The label's style: no border and no hot look unless asked for.
class TcxLabelEditStyle : public TcxEditStyle {
public:
    using TcxEditStyle::TcxEditStyle;
    std::string ClassName() const override { return "TcxLabelEditStyle"; }

protected:
    TcxContainerBorderStyle DefaultBorderStyle() const override;
    bool DefaultHotTrack() const override { return false; }
};

// What a label draws, copied from its properties at each calculation, and the off-screen image
// of its content with the place it was last rendered at.
class TcxCustomLabelViewInfo : public TcxContainerViewInfo {
public:
    TcxEditAlignment Alignment;
    int Angle = 0;
    int Depth = 0;
    TSize DepthDelta;
    TcxLabelEffect LabelEffect = cxleNormal;
    TcxLabelStyle LabelStyle = cxlsNormal;
    TcxLabelOrientation Orientation = cxoRightBottom;
    int PenWidth = 1;
    TColor ShadowedColor = clGrayText;
    bool WordWrap = false;
    bool ShowAccelChar = true;
    bool Transparent = false;
    bool Focused = false;
    TRect TextRect;
    TPixelBuffer Bitmap;
    TPoint RenderedAt{2147483647, 2147483647};
    bool NeedsRender = true;

    void SetBackgroundColor(TColor color) override;
};

// A caption with the styling of the editor controls. Its edit value is its caption; it sizes
// itself to its text in the style's font, can be see-through (it shows what its parent and the
// controls created before it paint under it), and never takes the focus itself: its accelerator
// focuses FocusControl instead.
class TcxCustomLabel : public TcxCustomEdit {
public:
    explicit TcxCustomLabel(TComponent* owner);
    ~TcxCustomLabel() override;
    std::string ClassName() const override { return "TcxCustomLabel"; }

    TcxCustomLabelProperties& Properties() const {
        return static_cast<TcxCustomLabelProperties&>(TcxCustomEdit::Properties());
    }
    TcxCustomLabelViewInfo& LabelViewInfo() const {
        return static_cast<TcxCustomLabelViewInfo&>(ViewInfo());
    }

    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& value) { SetText(value); }
    TWinControl* FocusControl() const { return FFocusControl; }
    // The label itself is refused.
    void SetFocusControl(TWinControl* value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    bool CanFocus() const override;
    bool DefaultParentColor() const override { return true; }
    bool CanAutoWidth() const { return !Properties().WordWrap(); }
    // The size the content needs; widthLimit < 0: no limit.
    TSize GetEditContentSize(int widthLimit = -1);
    void CalculateViewInfo(TPoint p, bool isHot) override;

protected:
    // The caption is the label's own: its window holds no text.
    std::string GetText() const override { return FCaption; }
    std::string GetDisplayText() const override { return FCaption; }
    void InternalSetEditValue(const TcxEditValue& value) override;
    void SetTextValue(const std::string& text) override;
    bool CanFocusOnClick() const override { return IsInplace(); }
    TRect GetBorderExtent() override;
    bool CanHaveTransparentBorder() override { return false; }
    bool IsTransparentBackground() const override { return FTransparent; }
    void Paint() override;
    void SetSize() override;
    void PropertiesChanged() override;
    void ReadState(const std::function<void()>& read) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogChar(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void WndProc(TMessage& message) override;
    bool IsRightBoundFixed() const;
    // The label's content: background (when asked for), effect copies and letters.
    void DrawLabel(TDC& dc);

private:
    int StyleMargin(const TFont& font) const;
    bool HasBorder();
    void RenderContent(TDC& dc, const TRect& content, bool withBackground);
    void DrawTextAt(TDC& dc, const TRect& content, TPoint origin, TColor color);
    void DrawLetters(TDC& dc, const TRect& content, TPoint origin, bool trueType);

    std::string FCaption;
    TWinControl* FFocusControl = nullptr;
    bool FTransparent = false;
    bool FSettingCaption = false;
    bool FSizing = false;
    bool FLoadedSizePending = false;
};

// The published label.
class TcxLabel : public TcxCustomLabel {
public:
    using TcxCustomLabel::TcxCustomLabel;
    std::string ClassName() const override { return "TcxLabel"; }
};
