#include "editors/LabelRadioRegistration.h"

#include "editors/Label.h"
#include "editors/RadioButton.h"
#include "platform/component/ClassRegistry.h"
#include "platform/control/PopupMenu.h"
#include "platform/stdctrls/NativeControlClasses.h"

namespace {
template <class T> using P = TClassProperties<T>;

const TIdentMap& LabelEffectIdents() {
    static const TIdentMap map{{"cxleNormal", cxleNormal},
                               {"cxleFun", cxleFun},
                               {"cxleExtrude", cxleExtrude},
                               {"cxleCool", cxleCool}};
    return map;
}
const TIdentMap& LabelStyleIdents() {
    static const TIdentMap map{{"cxlsNormal", cxlsNormal},
                               {"cxlsRaised", cxlsRaised},
                               {"cxlsLowered", cxlsLowered},
                               {"cxlsOutLine", cxlsOutLine}};
    return map;
}
const TIdentMap& LabelOrientationIdents() {
    static const TIdentMap map{{"cxoLeft", cxoLeft},         {"cxoRight", cxoRight},
                               {"cxoTop", cxoTop},           {"cxoBottom", cxoBottom},
                               {"cxoLeftTop", cxoLeftTop},   {"cxoLeftBottom", cxoLeftBottom},
                               {"cxoRightTop", cxoRightTop}, {"cxoRightBottom", cxoRightBottom}};
    return map;
}

void RegisterLabelProperties() {
    using L = TcxCustomLabelProperties;
    P<L>(TClassRegistry::Global().Register("TcxCustomLabelProperties", "TcxCustomEditProperties"))
        .Integer(
            "Angle", [](L& p) { return p.Angle(); }, [](L& p, int v) { p.SetAngle(v); })
        .Default(0)
        .Integer(
            "Depth", [](L& p) { return int(p.Depth()); },
            [](L& p, int v) { p.SetDepth(std::uint16_t(v)); })
        .Default(0)
        .Enum<TcxLabelEffect>(
            "LabelEffect", LabelEffectIdents(), [](L& p) { return p.LabelEffect(); },
            [](L& p, TcxLabelEffect v) { p.SetLabelEffect(v); })
        .Default(cxleNormal)
        .Enum<TcxLabelStyle>(
            "LabelStyle", LabelStyleIdents(), [](L& p) { return p.LabelStyle(); },
            [](L& p, TcxLabelStyle v) { p.SetLabelStyle(v); })
        .Default(cxlsNormal)
        .Enum<TcxLabelOrientation>(
            "Orientation", LabelOrientationIdents(), [](L& p) { return p.Orientation(); },
            [](L& p, TcxLabelOrientation v) { p.SetOrientation(v); })
        .Default(cxoRightBottom)
        .Integer(
            "PenWidth", [](L& p) { return p.PenWidth(); }, [](L& p, int v) { p.SetPenWidth(v); })
        .Default(1)
        .Color(
            "ShadowedColor", [](L& p) { return p.ShadowedColor(); },
            [](L& p, TColor v) { p.SetShadowedColor(v); })
        .Default(clGrayText)
        .Boolean(
            "ShowAccelChar", [](L& p) { return p.ShowAccelChar(); },
            [](L& p, bool v) { p.SetShowAccelChar(v); })
        .Default(1)
        .Boolean(
            "ShowEndEllipsis", [](L& p) { return p.ShowEndEllipsis(); },
            [](L& p, bool v) { p.SetShowEndEllipsis(v); })
        .Stored(false)
        .Boolean(
            "Transparent", [](L& p) { return p.Transparent(); },
            [](L& p, bool v) { p.SetTransparent(v); })
        .Stored(false)
        .Boolean(
            "WordWrap", [](L& p) { return p.WordWrap(); }, [](L& p, bool v) { p.SetWordWrap(v); })
        .Default(0);
    TClassRegistry::Global().Register("TcxLabelProperties", "TcxCustomLabelProperties");
    TClassRegistry::Global().Register("TcxLabelEditStyle", "TcxEditStyle");
}

void RegisterLabel() {
    using C = TcxCustomLabel;
    RegisterComponentClass<C>("TcxCustomLabel", "TcxCustomEdit")
        .String(
            "Caption", [](C& c) { return c.Caption(); },
            [](C& c, const std::string& v) { c.SetCaption(v); })
        .Default("")
        .Component(
            "FocusControl", [](C& c) -> TComponent* { return c.FocusControl(); },
            [](C& c, TComponent* v) {
                auto* control = dynamic_cast<TWinControl*>(v);
                if (v && !control)
                    throw EComponentError("'" + v->Name() + "' is no windowed control");
                c.SetFocusControl(control);
            })
        .Boolean(
            "ParentColor", [](C& c) { return c.ParentColor(); },
            [](C& c, bool v) { c.SetParentColor(v); })
        .Default(1)
        // A label's place in the tab order is never written to a layout, so a value a layout
        // gives is not taken either: the label keeps the place its creation gave it, and a layout
        // written from the window reads back as the same window.
        .Integer(
            "TabOrder", [](C& c) { return c.TabOrder(); },
            [](C& c, int v) {
                if (!c.ComponentState().Contains(csReading))
                    c.SetTabOrder(v);
            })
        .Stored(false)
        .Boolean(
            "TabStop", [](C& c) { return c.TabStop(); }, [](C& c, bool v) { c.SetTabStop(v); })
        .Default(0)
        .Boolean(
            "Transparent", [](C& c) { return c.Transparent(); },
            [](C& c, bool v) { c.SetTransparent(v); })
        .Default(0);
    RegisterComponentClass<TcxLabel>("TcxLabel", "TcxCustomLabel");
}

void RegisterRadioButton() {
    using R = TcxRadioButton;
    RegisterComponentClass<R>("TcxRadioButton", "TRadioButton")
        .Object("LookAndFeel", [](R& r) -> TPersistent* { return &r.LookAndFeel(); })
        .Boolean(
            "ParentBackground", [](R& r) { return r.ParentBackground(); },
            [](R& r, bool v) { r.SetParentBackground(v); })
        .Default(1)
        // A component of another kind leaves the button without a menu.
        .Component(
            "PopupMenu", [](R& r) -> TComponent* { return r.PopupMenu(); },
            [](R& r, TComponent* v) { r.SetPopupMenuComponent(v); })
        .Boolean(
            "Transparent", [](R& r) { return r.Transparent(); },
            [](R& r, bool v) { r.SetTransparent(v); })
        .Default(0)
        .Boolean(
            "WordWrap", [](R& r) { return r.WordWrap(); }, [](R& r, bool v) { r.SetWordWrap(v); })
        .Default(0);
}
} // namespace

void RegisterLabelAndRadioButtonClasses() {
    RegisterNativeControlClasses();
    RegisterLabelProperties();
    RegisterLabel();
    RegisterRadioButton();
}
