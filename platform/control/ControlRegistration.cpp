#include "platform/control/ControlRegistration.h"

#include "platform/component/ClassRegistry.h"
#include "platform/control/CustomControl.h"
#include "platform/control/Form.h"
#include "platform/control/GraphicControl.h"
#include "platform/control/Image.h"
#include "platform/control/Panel.h"
#include "platform/control/PopupMenu.h"
#include "platform/control/Timer.h"
#include "platform/draw/Picture.h"

const TIdentMap& CursorIdents() {
    static const TIdentMap map{
        {"crDefault", crDefault}, {"crNone", crNone},
        {"crArrow", crArrow},     {"crCross", crCross},
        {"crIBeam", crIBeam},     {"crSizeNESW", crSizeNESW},
        {"crSizeNS", crSizeNS},   {"crSizeNWSE", crSizeNWSE},
        {"crSizeWE", crSizeWE},   {"crHourGlass", crHourGlass},
        {"crNo", crNo},           {"crHandPoint", crHandPoint},
        {"crSizeAll", crSizeAll},
    };
    return map;
}

const TIdentMap& CharsetIdents() {
    static const TIdentMap map{
        {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
        {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
        {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
        {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
        {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
        {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
        {"OEM_CHARSET", 255},
    };
    return map;
}

namespace {
const TIdentMap& FontStyleIdents() {
    // Element i is bit i of TFontStyles.
    static const TIdentMap map{
        {"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
    return map;
}
const TIdentMap& FontPitchIdents() {
    static const TIdentMap map{
        {"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}};
    return map;
}
const TIdentMap& PenStyleIdents() {
    static const TIdentMap map{{"psSolid", psSolid},
                               {"psDash", psDash},
                               {"psDot", psDot},
                               {"psDashDot", psDashDot},
                               {"psDashDotDot", psDashDotDot},
                               {"psClear", psClear},
                               {"psInsideFrame", psInsideFrame}};
    return map;
}
const TIdentMap& PenModeIdents() {
    static const TIdentMap map{{"pmBlack", pmBlack}, {"pmWhite", pmWhite}, {"pmNop", pmNop},
                               {"pmNot", pmNot},     {"pmCopy", pmCopy},   {"pmXor", pmXor}};
    return map;
}
const TIdentMap& BrushStyleIdents() {
    static const TIdentMap map{{"bsSolid", bsSolid}, {"bsClear", bsClear}};
    return map;
}
const TIdentMap& AlignIdents() {
    static const TIdentMap map{{"alNone", alNone},    {"alTop", alTop},     {"alBottom", alBottom},
                               {"alLeft", alLeft},    {"alRight", alRight}, {"alClient", alClient},
                               {"alCustom", alCustom}};
    return map;
}
const TIdentMap& AnchorIdents() {
    // Element i is bit i of TAnchors.
    static const TIdentMap map{{"akLeft", 0}, {"akTop", 1}, {"akRight", 2}, {"akBottom", 3}};
    return map;
}
const TIdentMap& AlignmentIdents() {
    static const TIdentMap map{{"taLeftJustify", taLeftJustify},
                               {"taRightJustify", taRightJustify},
                               {"taCenter", taCenter}};
    return map;
}
const TIdentMap& BevelIdents() {
    static const TIdentMap map{
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
    return map;
}
const TIdentMap& PositionIdents() {
    static const TIdentMap map{{"poDesigned", poDesigned},
                               {"poDefault", poDefault},
                               {"poDefaultPosOnly", poDefaultPosOnly},
                               {"poDefaultSizeOnly", poDefaultSizeOnly},
                               {"poScreenCenter", poScreenCenter},
                               {"poDesktopCenter", poDesktopCenter},
                               {"poMainFormCenter", poMainFormCenter},
                               {"poOwnerFormCenter", poOwnerFormCenter}};
    return map;
}
const TIdentMap& BorderStyleIdents() {
    static const TIdentMap map{
        {"bsNone", bsNone},     {"bsSingle", bsSingle},         {"bsSizeable", bsSizeable},
        {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}};
    return map;
}
const TIdentMap& WindowStateIdents() {
    static const TIdentMap map{
        {"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};
    return map;
}

template <class T> using P = TClassProperties<T>;

void RegisterGraphicsObjects() {
    P<TFont>(TClassRegistry::Global().Register("TFont", "TPersistent"))
        .Integer(
            "Charset", [](TFont& f) { return int(f.Charset()); },
            [](TFont& f, int v) { f.SetCharset(std::uint8_t(v)); }, &CharsetIdents())
        .Color(
            "Color", [](TFont& f) { return f.Color(); }, [](TFont& f, TColor c) { f.SetColor(c); })
        .Integer(
            "Height", [](TFont& f) { return f.Height(); }, [](TFont& f, int v) { f.SetHeight(v); })
        .Range(-kMaxLayoutFontHeight, kMaxLayoutFontHeight)
        .String(
            "Name", [](TFont& f) { return f.Name(); },
            [](TFont& f, const std::string& v) { f.SetName(v); })
        .Enum<TFontPitch>(
            "Pitch", FontPitchIdents(), [](TFont& f) { return f.Pitch(); },
            [](TFont& f, TFontPitch v) { f.SetPitch(v); })
        .Default(fpDefault)
        .Integer(
            "Size", [](TFont& f) { return f.Size(); }, [](TFont& f, int v) { f.SetSize(v); })
        .Range(-kMaxLayoutFontHeight, kMaxLayoutFontHeight)
        .Stored(false)
        .Set(
            "Style", FontStyleIdents(), [](TFont& f) { return std::uint64_t(f.Style()); },
            [](TFont& f, std::uint64_t v) { f.SetStyle(TFontStyles(v)); })
        .Default(0);

    P<TPen>(TClassRegistry::Global().Register("TPen", "TPersistent"))
        .Color(
            "Color", [](TPen& p) { return p.Color(); }, [](TPen& p, TColor c) { p.SetColor(c); })
        .Default(clBlack)
        .Enum<TPenMode>(
            "Mode", PenModeIdents(), [](TPen& p) { return p.Mode(); },
            [](TPen& p, TPenMode v) { p.SetMode(v); })
        .Default(pmCopy)
        .Enum<TPenStyle>(
            "Style", PenStyleIdents(), [](TPen& p) { return p.Style(); },
            [](TPen& p, TPenStyle v) { p.SetStyle(v); })
        .Default(psSolid)
        .Integer(
            "Width", [](TPen& p) { return p.Width(); }, [](TPen& p, int v) { p.SetWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(1);

    P<TBrush>(TClassRegistry::Global().Register("TBrush", "TPersistent"))
        .Color(
            "Color", [](TBrush& b) { return b.Color(); },
            [](TBrush& b, TColor c) { b.SetColor(c); })
        .Default(clWhite)
        .Enum<TBrushStyle>(
            "Style", BrushStyleIdents(), [](TBrush& b) { return b.Style(); },
            [](TBrush& b, TBrushStyle v) { b.SetStyle(v); })
        .Default(bsSolid);

    TClassRegistry::Global().Register("TPicture", "TPersistent");

    P<TSizeConstraints>(TClassRegistry::Global().Register("TSizeConstraints", "TPersistent"))
        .Integer(
            "MaxHeight", [](TSizeConstraints& c) { return c.MaxHeight(); },
            [](TSizeConstraints& c, int v) { c.SetMaxHeight(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(0)
        .Integer(
            "MaxWidth", [](TSizeConstraints& c) { return c.MaxWidth(); },
            [](TSizeConstraints& c, int v) { c.SetMaxWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(0)
        .Integer(
            "MinHeight", [](TSizeConstraints& c) { return c.MinHeight(); },
            [](TSizeConstraints& c, int v) { c.SetMinHeight(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(0)
        .Integer(
            "MinWidth", [](TSizeConstraints& c) { return c.MinWidth(); },
            [](TSizeConstraints& c, int v) { c.SetMinWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(0);
}

void RegisterControl() {
    RegisterComponentClass<TControl>("TControl", "TComponent")
        .Integer(
            "Left", [](TControl& c) { return c.Left(); }, [](TControl& c, int v) { c.SetLeft(v); })
        .Range(-kMaxLayoutPosition, kMaxLayoutPosition)
        .Integer(
            "Top", [](TControl& c) { return c.Top(); }, [](TControl& c, int v) { c.SetTop(v); })
        .Range(-kMaxLayoutPosition, kMaxLayoutPosition)
        .Integer(
            "Width", [](TControl& c) { return c.Width(); },
            [](TControl& c, int v) { c.SetWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Integer(
            "Height", [](TControl& c) { return c.Height(); },
            [](TControl& c, int v) { c.SetHeight(v); })
        .Range(0, kMaxLayoutExtent)
        .Enum<TAlign>(
            "Align", AlignIdents(), [](TControl& c) { return c.Align(); },
            [](TControl& c, TAlign v) { c.SetAlign(v); })
        .Default(alNone)
        .Set(
            "Anchors", AnchorIdents(), [](TControl& c) { return std::uint64_t(c.Anchors()); },
            [](TControl& c, std::uint64_t v) { c.SetAnchors(TAnchors(v)); })
        .Default(akLeft | akTop)
        .Object("Constraints", [](TControl& c) -> TPersistent* { return &c.Constraints(); })
        .Color(
            "Color", [](TControl& c) { return c.Color(); },
            [](TControl& c, TColor v) { c.SetColor(v); })
        .Stored([](TControl& c) { return !c.ParentColor(); })
        .Integer(
            "Cursor", [](TControl& c) { return c.Cursor(); },
            [](TControl& c, int v) { c.SetCursor(v); }, &CursorIdents())
        .Default(crDefault)
        .Integer(
            "DragCursor", [](TControl& c) { return c.DragCursor(); },
            [](TControl& c, int v) { c.SetDragCursor(v); }, &CursorIdents())
        .Default(crDefault)
        .Boolean(
            "Enabled", [](TControl& c) { return c.Enabled(); },
            [](TControl& c, bool v) { c.SetEnabled(v); })
        .Default(1)
        .Object("Font", [](TControl& c) -> TPersistent* { return &c.Font(); })
        .Stored([](TControl& c) { return !c.ParentFont(); })
        .String(
            "Hint", [](TControl& c) { return c.Hint(); },
            [](TControl& c, const std::string& v) { c.SetHint(v); })
        .Default("")
        .Boolean(
            "ParentColor", [](TControl& c) { return c.ParentColor(); },
            [](TControl& c, bool v) { c.SetParentColor(v); })
        .Default(1)
        .Boolean(
            "ParentFont", [](TControl& c) { return c.ParentFont(); },
            [](TControl& c, bool v) { c.SetParentFont(v); })
        .Default(1)
        .Boolean(
            "ParentShowHint", [](TControl& c) { return c.ParentShowHint(); },
            [](TControl& c, bool v) { c.SetParentShowHint(v); })
        .Default(1)
        .Component(
            "PopupMenu", [](TControl& c) -> TComponent* { return c.PopupMenu(); },
            [](TControl& c, TComponent* v) {
                auto* menu = dynamic_cast<TPopupMenu*>(v);
                if (v && !menu)
                    throw EComponentError("'" + v->Name() + "' is no popup menu");
                c.SetPopupMenu(menu);
            })
        .Boolean(
            "ShowHint", [](TControl& c) { return c.ShowHint(); },
            [](TControl& c, bool v) { c.SetShowHint(v); })
        .Stored([](TControl& c) { return !c.ParentShowHint(); })
        .Boolean(
            "Visible", [](TControl& c) { return c.Visible(); },
            [](TControl& c, bool v) { c.SetVisible(v); })
        .Default(1)
        .Event<TNotifyEvent>("OnClick", [](TControl& c) -> TNotifyEvent& { return c.OnClick; })
        .Event<TNotifyEvent>("OnDblClick",
                             [](TControl& c) -> TNotifyEvent& { return c.OnDblClick; })
        .Event<TMouseEvent>("OnMouseDown",
                            [](TControl& c) -> TMouseEvent& { return c.OnMouseDown; })
        .Event<TMouseMoveEvent>("OnMouseMove",
                                [](TControl& c) -> TMouseMoveEvent& { return c.OnMouseMove; })
        .Event<TMouseEvent>("OnMouseUp", [](TControl& c) -> TMouseEvent& { return c.OnMouseUp; })
        .Event<TNotifyEvent>("OnMouseEnter",
                             [](TControl& c) -> TNotifyEvent& { return c.OnMouseEnter; })
        .Event<TNotifyEvent>("OnMouseLeave",
                             [](TControl& c) -> TNotifyEvent& { return c.OnMouseLeave; })
        .Event<TNotifyEvent>("OnResize", [](TControl& c) -> TNotifyEvent& { return c.OnResize; });

    RegisterComponentClass<TWinControl>("TWinControl", "TControl")
        .Integer(
            "TabOrder", [](TWinControl& c) { return c.TabOrder(); },
            [](TWinControl& c, int v) { c.SetTabOrder(v); })
        .Stored([](TWinControl& c) { return c.Parent() != nullptr; })
        .Boolean(
            "TabStop", [](TWinControl& c) { return c.TabStop(); },
            [](TWinControl& c, bool v) { c.SetTabStop(v); })
        .Default(0)
        .Event<TNotifyEvent>("OnEnter", [](TWinControl& c) -> TNotifyEvent& { return c.OnEnter; })
        .Event<TNotifyEvent>("OnExit", [](TWinControl& c) -> TNotifyEvent& { return c.OnExit; })
        .Event<TKeyEvent>("OnKeyDown", [](TWinControl& c) -> TKeyEvent& { return c.OnKeyDown; })
        .Event<TKeyPressEvent>("OnKeyPress",
                               [](TWinControl& c) -> TKeyPressEvent& { return c.OnKeyPress; })
        .Event<TKeyEvent>("OnKeyUp", [](TWinControl& c) -> TKeyEvent& { return c.OnKeyUp; });

    RegisterComponentClass<TGraphicControl>("TGraphicControl", "TControl");
    RegisterComponentClass<TCustomControl>("TCustomControl", "TWinControl");
}

void RegisterPanel() {
    auto caption = [](P<TCustomPanel>& p) -> P<TCustomPanel>& {
        return p.String(
            "Caption", [](TCustomPanel& c) { return c.Caption(); },
            [](TCustomPanel& c, const std::string& v) { c.SetCaption(v); });
    };
    P<TCustomPanel> panel = RegisterComponentClass<TCustomPanel>("TCustomPanel", "TCustomControl");
    caption(panel)
        .Default("")
        .Enum<TAlignment>(
            "Alignment", AlignmentIdents(), [](TCustomPanel& c) { return c.Alignment(); },
            [](TCustomPanel& c, TAlignment v) { c.SetAlignment(v); })
        .Default(taCenter)
        .Enum<TBevelCut>(
            "BevelInner", BevelIdents(), [](TCustomPanel& c) { return c.BevelInner(); },
            [](TCustomPanel& c, TBevelCut v) { c.SetBevelInner(v); })
        .Default(bvNone)
        .Enum<TBevelCut>(
            "BevelOuter", BevelIdents(), [](TCustomPanel& c) { return c.BevelOuter(); },
            [](TCustomPanel& c, TBevelCut v) { c.SetBevelOuter(v); })
        .Default(bvRaised)
        .Integer(
            "BevelWidth", [](TCustomPanel& c) { return c.BevelWidth(); },
            [](TCustomPanel& c, int v) { c.SetBevelWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(1)
        .Integer(
            "BorderWidth", [](TCustomPanel& c) { return c.BorderWidth(); },
            [](TCustomPanel& c, int v) { c.SetBorderWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Default(0);
    RegisterComponentClass<TPanel>("TPanel", "TCustomPanel");
}

void RegisterImage() {
    RegisterComponentClass<TImage>("TImage", "TGraphicControl")
        .Boolean(
            "AutoSize", [](TImage& c) { return c.AutoSize(); },
            [](TImage& c, bool v) { c.SetAutoSize(v); })
        .Default(0)
        .Boolean(
            "Center", [](TImage& c) { return c.Center(); },
            [](TImage& c, bool v) { c.SetCenter(v); })
        .Default(0)
        .Picture(
            "Picture", [](TImage& c) { return c.PictureResource(); },
            [](TImage& c, const std::string& v) { c.LoadPictureResource(v); })
        .Boolean(
            "Proportional", [](TImage& c) { return c.Proportional(); },
            [](TImage& c, bool v) { c.SetProportional(v); })
        .Default(0)
        .Boolean(
            "Stretch", [](TImage& c) { return c.Stretch(); },
            [](TImage& c, bool v) { c.SetStretch(v); })
        .Default(0)
        .Boolean(
            "Transparent", [](TImage& c) { return c.Transparent(); },
            [](TImage& c, bool v) { c.SetTransparent(v); })
        .Default(0);
}

void RegisterForms() {
    RegisterComponentClass<TCustomForm>("TCustomForm", "TWinControl")
        .Boolean(
            "ParentColor", [](TCustomForm& c) { return c.ParentColor(); },
            [](TCustomForm& c, bool v) { c.SetParentColor(v); })
        .Default(0)
        .Boolean(
            "ParentFont", [](TCustomForm& c) { return c.ParentFont(); },
            [](TCustomForm& c, bool v) { c.SetParentFont(v); })
        .Default(0)
        .Boolean(
            "Visible", [](TCustomForm& c) { return c.Visible(); },
            [](TCustomForm& c, bool v) { c.SetVisible(v); })
        .Default(0)
        .Integer(
            "ClientWidth", [](TCustomForm& c) { return c.ClientWidth(); },
            [](TCustomForm& c, int v) { c.SetClientWidth(v); })
        .Range(0, kMaxLayoutExtent)
        .Stored(false)
        .Integer(
            "ClientHeight", [](TCustomForm& c) { return c.ClientHeight(); },
            [](TCustomForm& c, int v) { c.SetClientHeight(v); })
        .Range(0, kMaxLayoutExtent)
        .Stored(false)
        .String(
            "Caption", [](TCustomForm& c) { return c.Caption(); },
            [](TCustomForm& c, const std::string& v) { c.SetCaption(v); })
        .Default("")
        .Integer(
            "PixelsPerInch", [](TCustomForm& c) { return c.PixelsPerInch(); },
            [](TCustomForm& c, int v) { c.SetPixelsPerInch(v); })
        .Enum<TPosition>(
            "Position", PositionIdents(), [](TCustomForm& c) { return c.Position(); },
            [](TCustomForm& c, TPosition v) { c.SetPosition(v); })
        .Default(poDesigned)
        .Enum<TFormBorderStyle>(
            "BorderStyle", BorderStyleIdents(), [](TCustomForm& c) { return c.BorderStyle(); },
            [](TCustomForm& c, TFormBorderStyle v) { c.SetBorderStyle(v); })
        .Default(bsSizeable)
        .Enum<TWindowState>(
            "WindowState", WindowStateIdents(), [](TCustomForm& c) { return c.WindowState(); },
            [](TCustomForm& c, TWindowState v) { c.SetWindowState(v); })
        .Default(wsNormal)
        .Boolean(
            "KeyPreview", [](TCustomForm& c) { return c.KeyPreview(); },
            [](TCustomForm& c, bool v) { c.SetKeyPreview(v); })
        .Default(0)
        .Component(
            "ActiveControl", [](TCustomForm& c) -> TComponent* { return c.ActiveControl(); },
            [](TCustomForm& c, TComponent* v) {
                auto* w = dynamic_cast<TWinControl*>(v);
                if (v && !w)
                    throw EInvalidOperation("The active control must be a windowed control");
                c.SetActiveControl(w);
            })
        .Component(
            "Menu", [](TCustomForm& c) { return c.Menu(); },
            [](TCustomForm& c, TComponent* v) { c.SetMenu(v); })
        .Event<TNotifyEvent>("OnShow", [](TCustomForm& c) -> TNotifyEvent& { return c.OnShow; })
        .Event<TNotifyEvent>("OnHide", [](TCustomForm& c) -> TNotifyEvent& { return c.OnHide; })
        .Event<TCloseEvent>("OnClose", [](TCustomForm& c) -> TCloseEvent& { return c.OnClose; })
        .Event<TCloseQueryEvent>("OnCloseQuery",
                                 [](TCustomForm& c) -> TCloseQueryEvent& { return c.OnCloseQuery; })
        .Event<TNotifyEvent>("OnCreate", [](TCustomForm& c) -> TNotifyEvent& { return c.OnCreate; })
        .Event<TNotifyEvent>("OnDestroy",
                             [](TCustomForm& c) -> TNotifyEvent& { return c.OnDestroy; })
        .Event<TNotifyEvent>("OnActivate",
                             [](TCustomForm& c) -> TNotifyEvent& { return c.OnActivate; })
        .Event<TNotifyEvent>("OnDeactivate",
                             [](TCustomForm& c) -> TNotifyEvent& { return c.OnDeactivate; });
    RegisterComponentClass<TForm>("TForm", "TCustomForm");
}

void RegisterTimer() {
    RegisterComponentClass<TTimer>("TTimer", "TComponent")
        .Boolean(
            "Enabled", [](TTimer& t) { return t.Enabled(); },
            [](TTimer& t, bool v) { t.SetEnabled(v); })
        .Default(1)
        .Integer(
            "Interval", [](TTimer& t) { return int(t.Interval()); },
            [](TTimer& t, int v) { t.SetInterval(unsigned(std::max(v, 0))); })
        .Default(1000)
        .Event<TNotifyEvent>("OnTimer", [](TTimer& t) -> TNotifyEvent& { return t.OnTimer; });
}
void RegisterMenus() {
    RegisterComponentClass<TPopupMenu>("TPopupMenu", "TComponent")
        .Boolean(
            "AutoPopup", [](TPopupMenu& m) { return m.AutoPopup(); },
            [](TPopupMenu& m, bool v) { m.SetAutoPopup(v); })
        .Default(1)
        .Event<TNotifyEvent>("OnPopup", [](TPopupMenu& m) -> TNotifyEvent& { return m.OnPopup; });
    RegisterComponentClass<TMenuItem>("TMenuItem", "TComponent")
        .String(
            "Caption", [](TMenuItem& i) { return i.Caption(); },
            [](TMenuItem& i, const std::string& v) { i.SetCaption(v); })
        .Default("")
        .Boolean(
            "Checked", [](TMenuItem& i) { return i.Checked(); },
            [](TMenuItem& i, bool v) { i.SetChecked(v); })
        .Default(0)
        .Boolean(
            "Enabled", [](TMenuItem& i) { return i.Enabled(); },
            [](TMenuItem& i, bool v) { i.SetEnabled(v); })
        .Default(1)
        .Boolean(
            "Visible", [](TMenuItem& i) { return i.Visible(); },
            [](TMenuItem& i, bool v) { i.SetVisible(v); })
        .Default(1)
        .Event<TNotifyEvent>("OnClick", [](TMenuItem& i) -> TNotifyEvent& { return i.OnClick; });
}
} // namespace

void RegisterControlClasses() {
    if (IsClassRegistered("TControl"))
        return;
    RegisterGraphicsObjects();
    RegisterControl();
    RegisterPanel();
    RegisterImage();
    RegisterForms();
    RegisterTimer();
    RegisterMenus();
}
