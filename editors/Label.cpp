#include "editors/Label.h"

#include "editors/FlagGuard.h"
#include "editors/TransparentBackground.h"
#include "platform/control/Accelerator.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DC.h"
#include "platform/draw/DCStateSaver.h"
#include "platform/window/WinApi.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// The caption without its accelerator marks: "&&" becomes "&", a single "&" goes.
std::string RemoveAccelChars(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 >= text.size())
                break;
            ++i;
        }
        out += text[i];
    }
    return out;
}

bool IsTrueType(TDC& dc) {
    return (dc.GetTextMetrics().PitchAndFamily & TMPF_TRUETYPE) != 0;
}

double Radians(int degrees) {
    return degrees * std::numbers::pi / 180.0;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// Per channel: background + Trunc(i * (shadowed - background) / copies).
TColor FunColor(TColor background, TColor shadowed, int i, int copies) {
    TColor b = ColorToRGB(background), s = ColorToRGB(shadowed);
    auto channel = [&](std::uint8_t bc, std::uint8_t sc) {
        return std::uint8_t(bc + (i * (int(sc) - int(bc))) / copies);
    };
    return RGB(channel(GetRValue(b), GetRValue(s)), channel(GetGValue(b), GetGValue(s)),
               channel(GetBValue(b), GetBValue(s)));
}

bool ExtendsRight(TcxLabelOrientation o) {
    return o == cxoRight || o == cxoRightTop || o == cxoRightBottom;
}

bool ExtendsDown(TcxLabelOrientation o) {
    return o == cxoBottom || o == cxoLeftBottom || o == cxoRightBottom;
}
} // namespace

int cxNormalizeLabelAngle(int angle) {
    int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

// --- Properties -----------------------------------------------------------------------------

TcxCustomLabelProperties::TcxCustomLabelProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner) {}

TcxCustomLabelProperties::~TcxCustomLabelProperties() = default;

TBitmap& TcxCustomLabelProperties::Glyph() {
    if (!FGlyph)
        FGlyph = std::make_unique<TBitmap>();
    return *FGlyph;
}

void TcxCustomLabelProperties::SetGlyph(const TBitmap* value) {
    if (!value || value->Width() <= 0 || value->Height() <= 0) {
        if (!FGlyph)
            return;
        FGlyph.reset();
    } else
        FGlyph = std::make_unique<TBitmap>(*value);
    Changed();
}

TSize TcxCustomLabelProperties::DepthDelta() const {
    if (FLabelEffect == cxleNormal)
        return {0, 0};
    switch (FOrientation) {
    case cxoLeft:
    case cxoRight:
        return {FDepth, 0};
    case cxoTop:
    case cxoBottom:
        return {0, FDepth};
    default:
        return {FDepth, FDepth};
    }
}

TcxContainerBorderStyle TcxLabelEditStyle::DefaultBorderStyle() const {
    if (IsBaseStyle())
        return cbsNone;
    return TcxEditStyle::DefaultBorderStyle();
}

void TcxCustomLabelViewInfo::SetBackgroundColor(TColor color) {
    if (color != BackgroundColor)
        NeedsRender = true;
    TcxContainerViewInfo::SetBackgroundColor(color);
}

// --- Life -----------------------------------------------------------------------------------

TcxCustomLabel::TcxCustomLabel(TComponent* owner)
    : TcxCustomEdit(owner, [](TPersistent* o) { return std::make_unique<TcxLabelProperties>(o); },
                    {StyleFactoryOf<TcxLabelEditStyle>(),
                     [] { return std::make_unique<TcxCustomLabelViewInfo>(); }}) {
    SetControlStyle(ControlStyle() & ~TControlStyle(csCaptureMouse));
    SetTabStop(false);
    SetParentColor(true);
    SetBounds(Left(), Top(), 121, 21);
}

TcxCustomLabel::~TcxCustomLabel() {
    MarkDestroying();
    SetFocusControl(nullptr);
}

void TcxCustomLabel::SetFocusControl(TWinControl* value) {
    if (value == this || value == FFocusControl)
        return;
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (FFocusControl)
        FFocusControl->FreeNotification(this);
}

void TcxCustomLabel::Notification(TComponent* component, TOperation operation) {
    TcxCustomEdit::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TcxCustomLabel::SetTransparent(bool value) {
    if (FTransparent == value)
        return;
    FTransparent = value;
    LabelViewInfo().NeedsRender = true;
    ShortRefreshContainer(false);
    Invalidate();
}

bool TcxCustomLabel::CanFocus() const {
    return IsInplace() && TcxCustomEdit::CanFocus();
}

void TcxCustomLabel::ReadState(const std::function<void()>& read) {
    FLoadedSizePending = true;
    TcxCustomEdit::ReadState(read);
}

void TcxCustomLabel::Loaded() {
    TcxCustomEdit::Loaded();
    ShortRefreshContainer(false);
}

// --- Caption and value ----------------------------------------------------------------------

void TcxCustomLabel::SetTextValue(const std::string& text) {
    FCaption = text;
    if (!FSettingCaption) {
        TFlagGuard setting(FSettingCaption, true);
        InternalSetEditValue(TcxEditValue(text));
    }
    ShortRefreshContainer(false);
    Invalidate();
}

void TcxCustomLabel::InternalSetEditValue(const TcxEditValue& value) {
    TcxCustomEdit::InternalSetEditValue(value);
    if (!FSettingCaption) {
        TFlagGuard setting(FSettingCaption, true);
        SetText(EditValueToText(value));
    }
}

void TcxCustomLabel::PropertiesChanged() {
    LabelViewInfo().NeedsRender = true;
    TcxCustomEdit::PropertiesChanged();
    Invalidate();
}

void TcxCustomLabel::CMColorChanged(TMessage& message) {
    TcxCustomEdit::CMColorChanged(message);
    LabelViewInfo().NeedsRender = true;
}

// --- Accelerator ----------------------------------------------------------------------------

void TcxCustomLabel::CMDialogChar(TMessage& m) {
    m.Result = 0;
    if (!FFocusControl || !Enabled() || !Properties().ShowAccelChar() ||
        !IsAccel(char(m.WParam), Caption()))
        return;
    if (FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        m.Result = 1;
    }
}

void TcxCustomLabel::WndProc(TMessage& m) {
    // A moved label renders its image again where it now is.
    if (m.Msg == WM_WINDOWPOSCHANGED && FTransparent)
        LabelViewInfo().NeedsRender = true;
    TcxCustomEdit::WndProc(m);
}

// --- Geometry -------------------------------------------------------------------------------

bool TcxCustomLabel::HasBorder() {
    return Style().BorderStyle() != cbsNone;
}

TRect TcxCustomLabel::GetBorderExtent() {
    if (!HasBorder())
        return TRect();
    int w = GetContainerBorderWidth(ViewInfo().BorderStyle);
    return TRect(w, w, w, w);
}

int TcxCustomLabel::StyleMargin(const TFont& font) const {
    TcxLabelStyle style = Properties().LabelStyle();
    if (style != cxlsRaised && style != cxlsLowered)
        return 0;
    return font.Size() < 12 ? 1 : 2;
}

TSize TcxCustomLabel::GetEditContentSize(int widthLimit) {
    const TcxCustomLabelProperties& p = Properties();
    std::string text = GetDisplayText();
    if (text.empty())
        text.push_back(' ');
    const TFont& font = GetActiveStyle().GetVisibleFont();
    TPixelBuffer pixel(1, 1);
    TDC dc(pixel);
    dc.SelectFont(font.ToLogFont());
    int angle = IsTrueType(dc) ? p.Angle() : 0;
    TSize delta = p.DepthDelta();
    int margin = StyleMargin(font);
    bool border = HasBorder() && !IsInplace();

    unsigned flags = DT_CALCRECT | DT_LEFT | DT_TOP;
    if (angle != 0) {
        if (p.ShowAccelChar())
            text = RemoveAccelChars(text);
        flags |= DT_NOPREFIX;
    } else {
        if (!p.ShowAccelChar())
            flags |= DT_NOPREFIX;
        if (p.WordWrap() && widthLimit >= 0)
            flags |= DT_WORDBREAK;
    }
    TRect r(0, 0, 0, 0);
    if (widthLimit >= 0)
        r.Right = std::max(0, widthLimit - margin - delta.cx - (border ? 2 : 0));
    dc.DrawText(text, r, flags);
    int w = r.Width(), h = r.Height();
    if (angle != 0) {
        double a = Radians(angle);
        double c = std::cos(a), s = std::sin(a);
        int rw = int(std::trunc(std::fabs(w * c) + std::fabs(h * s) + 0.5));
        int rh = int(std::trunc(std::fabs(w * s) + std::fabs(h * c) + 0.5));
        w = rw;
        h = rh;
    }
    TSize size(w + delta.cx + margin, h + delta.cy + margin);
    if (border)
        size.cx += 2;
    return size;
}

bool TcxCustomLabel::IsRightBoundFixed() const {
    return Properties().Alignment().Horz() == taRightJustify && !IsLoading() && !FLoadedSizePending;
}

void TcxCustomLabel::SetSize() {
    if (!AutoSize() || IsInplace() || FSizing || IsDestroying() || IsLoading() ||
        Align() == alClient)
        return;
    bool autoWidth = CanAutoWidth() && Align() != alTop && Align() != alBottom;
    bool autoHeight = Align() != alLeft && Align() != alRight;
    TSize size = GetEditContentSize(autoWidth ? -1 : Width());
    int width = autoWidth ? size.cx : Width();
    int height = autoHeight ? size.cy : Height();
    int left = Left();
    if (autoWidth && IsRightBoundFixed())
        left = Left() + Width() - width;
    FLoadedSizePending = false;
    if (width == Width() && height == Height() && left == Left())
        return;
    TFlagGuard sizing(FSizing, true);
    SetBounds(left, Top(), width, height);
    CalculateViewInfo(TPoint(-1, -1), false);
}

void TcxCustomLabel::CalculateViewInfo(TPoint p, bool isHot) {
    TcxCustomEdit::CalculateViewInfo(p, isHot);
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    TcxCustomLabelProperties& props = Properties();
    vi.Alignment.Assign(props.Alignment());
    vi.Angle = props.Angle();
    vi.Depth = props.Depth();
    vi.DepthDelta = props.DepthDelta();
    vi.LabelEffect = props.LabelEffect();
    vi.LabelStyle = props.LabelStyle();
    vi.Orientation = props.Orientation();
    vi.PenWidth = props.PenWidth();
    vi.ShadowedColor = props.ShadowedColor();
    vi.WordWrap = props.WordWrap();
    vi.ShowAccelChar = props.ShowAccelChar();
    vi.TextRect = vi.ClientRect;
    vi.Transparent = IsInplace() ? props.Transparent() : FTransparent;
    vi.Focused = Focused() && !Text().empty();
}

// --- Painting -------------------------------------------------------------------------------

void TcxCustomLabel::Paint() {
    cxCanvas().SetCanvas(&Canvas());
    CheckIsViewInfoCalculated();
    TDC* dc = Canvas().Handle();
    if (!dc)
        return;
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    if (HasBorder() && !(FTransparent && cxIsPaintingCopy(this))) {
        TRect frame = vi.Bounds;
        vi.DrawBorder(cxCanvas(), frame);
    }
    DrawLabel(*dc);
    if (vi.Focused)
        dc->DrawFocusRect(vi.TextRect.Inflated(1, 1));
}

void TcxCustomLabel::DrawLabel(TDC& dc) {
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    TRect content = vi.TextRect;
    if (HasBorder() && !IsInplace()) {
        content.Left += 1;
        content.Right -= 1;
    }
    if (content.IsEmpty())
        return;
    if (vi.Transparent && cxIsPaintingCopy(this)) {
        // Painted as part of another control's background: the parent is there already.
        RenderContent(dc, content, false);
        return;
    }
    TPoint at(Left(), Top());
    bool sizeChanged = vi.Bitmap.Width != content.Width() || vi.Bitmap.Height != content.Height();
    if (vi.Transparent || vi.NeedsRender || sizeChanged || vi.RenderedAt != at) {
        vi.Bitmap.Resize(content.Width(), content.Height());
        TDC memory(vi.Bitmap);
        memory.SetViewportOrg({-content.Left, -content.Top});
        RenderContent(memory, content, true);
        vi.RenderedAt = at;
        vi.NeedsRender = false;
    }
    dc.DrawBuffer(content.Left, content.Top, vi.Bitmap,
                  TRect(0, 0, vi.Bitmap.Width, vi.Bitmap.Height));
}

void TcxCustomLabel::RenderContent(TDC& dc, const TRect& content, bool withBackground) {
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    TDCStateSaver saved(dc);
    if (withBackground) {
        if (vi.Transparent)
            cxDrawTransparentControlBackground(this, dc, content);
        else
            dc.FillRect(content, vi.BackgroundColor);
    }
    const TFont& font = GetActiveStyle().GetVisibleFont();
    TLogFont lf = font.ToLogFont();
    dc.SelectFont(lf);
    bool trueType = IsTrueType(dc);
    bool rotated = trueType && vi.Angle != 0;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    TPoint origin(0, 0);
    if (rotated) {
        std::string text = GetDisplayText();
        if (vi.ShowAccelChar)
            text = RemoveAccelChars(text);
        TSize extent = dc.GetTextExtentPoint32(text);
        lf.Escapement = vi.Angle * 10;
        dc.SelectFont(lf);
        double a = Radians(vi.Angle);
        double cx = (content.Left + content.Right - vi.DepthDelta.cx) / 2.0;
        double cy = (content.Top + content.Bottom - vi.DepthDelta.cy) / 2.0;
        origin.X = int(std::lround(cx - std::cos(a) * extent.cx / 2 - std::sin(a) * extent.cy / 2));
        origin.Y = int(std::lround(cy + std::sin(a) * extent.cx / 2 - std::cos(a) * extent.cy / 2));
    }
    int margin = StyleMargin(font);
    if (vi.LabelEffect != cxleNormal && vi.Depth != 0) {
        TSize step = vi.DepthDelta;
        if (ExtendsRight(vi.Orientation)) {
            origin.X += margin + vi.DepthDelta.cx;
            step.cx = -step.cx;
        }
        if (ExtendsDown(vi.Orientation)) {
            origin.Y += margin + vi.DepthDelta.cy;
            step.cy = -step.cy;
        }
        if (vi.LabelEffect == cxleFun || vi.LabelEffect == cxleExtrude)
            step = TSize(Sign(step.cx), Sign(step.cy));
        int first = step.cx != 0 ? std::abs(step.cx) : std::abs(step.cy);
        int copies = first > 0 ? vi.Depth / first : 0;
        for (int i = 1; i <= copies; ++i) {
            TColor color = vi.LabelEffect == cxleFun
                               ? FunColor(vi.BackgroundColor, vi.ShadowedColor, i, copies)
                               : vi.ShadowedColor;
            DrawTextAt(dc, content, origin, color);
            origin = origin + TPoint(step.cx, step.cy);
        }
        if (step.cx < 0)
            origin.X -= margin;
        if (step.cy < 0)
            origin.Y -= margin;
    }
    DrawLetters(dc, content, origin, trueType);
}

void TcxCustomLabel::DrawLetters(TDC& dc, const TRect& content, TPoint origin, bool trueType) {
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    int points = GetActiveStyle().GetVisibleFont().Size();
    TPoint final = origin;
    switch (vi.LabelStyle) {
    case cxlsRaised:
        DrawTextAt(dc, content, origin, clBtnHighlight);
        if (points >= 12)
            DrawTextAt(dc, content, origin + TPoint(2, 2), clBtnShadow);
        final = origin + TPoint(1, 1);
        break;
    case cxlsLowered:
        if (points > 11)
            DrawTextAt(dc, content, origin, clBtnShadow);
        DrawTextAt(dc, content, origin + TPoint(2, 2), clBtnHighlight);
        final = origin + TPoint(1, 1);
        break;
    default:
        break;
    }
    TColor textColor = GetActiveStyle().TextColor();
    TcxCustomLabelProperties& p = Properties();
    bool textured = trueType && p.HasGlyph();
    bool outlined = trueType && vi.LabelStyle == cxlsOutLine;
    if (!textured && !outlined) {
        DrawTextAt(dc, content, final, textColor);
        return;
    }
    TDCStateSaver saved(dc);
    dc.BeginPath();
    DrawTextAt(dc, content, final, textColor);
    dc.EndPath();
    if (textured) {
        TLogBrush pattern{BS_PATTERN, clBlack,
                          std::make_shared<const TPixelBuffer>(p.Glyph().Pixels())};
        dc.SelectClipPath(RGN_AND);
        dc.FillRect(content, pattern);
        return;
    }
    dc.SelectPen(TLogPen{PS_SOLID, std::max(1, vi.PenWidth), textColor});
    dc.StrokePath();
}

void TcxCustomLabel::DrawTextAt(TDC& dc, const TRect& content, TPoint origin, TColor color) {
    TcxCustomLabelViewInfo& vi = LabelViewInfo();
    dc.SetTextColor(color);
    std::string text = GetDisplayText();
    if (vi.Angle != 0 && IsTrueType(dc)) {
        if (vi.ShowAccelChar)
            text = RemoveAccelChars(text);
        dc.TextOut(origin.X, origin.Y, text);
        return;
    }
    TRect r(content.Left, content.Top, content.Right - vi.DepthDelta.cx,
            content.Bottom - vi.DepthDelta.cy);
    r = r.Offset(origin);
    unsigned flags = 0;
    switch (vi.Alignment.Horz()) {
    case taCenter:
        flags |= DT_CENTER;
        break;
    case taRightJustify:
        flags |= DT_RIGHT;
        break;
    case taLeftJustify:
        break;
    }
    if (!vi.ShowAccelChar)
        flags |= DT_NOPREFIX;
    if (vi.WordWrap)
        flags |= DT_WORDBREAK;
    if (IsInplace() && Properties().ShowEndEllipsis())
        flags |= DT_END_ELLIPSIS;
    if (vi.Alignment.Vert() != taTopJustify) {
        // The text block is placed inside the rectangle; it may hold several lines.
        TRect measured(r.Left, 0, r.Right, 0);
        dc.DrawText(text, measured, flags | DT_CALCRECT);
        int free = r.Height() - measured.Height();
        r.Top += vi.Alignment.Vert() == taVCenter ? free / 2 : free;
    }
    dc.DrawText(text, r, flags);
}
