#include "editors/EditorsRegistration.h"

#include "editors/Container.h"
#include "editors/MemoRegistration.h"
#include "editors/StyleController.h"
#include "editors/TextEdit.h"
#include "platform/component/ClassRegistry.h"
#include "platform/control/ControlRegistration.h"

namespace {
template <class T> using P = TClassProperties<T>;

const TIdentMap& ContainerBorderStyleIdents() {
    static const TIdentMap map{
        {"cbsNone", cbsNone},        {"cbsSingle", cbsSingle}, {"cbsThick", cbsThick},
        {"cbsFlat", cbsFlat},        {"cbs3D", cbs3D},         {"cbsUltraFlat", cbsUltraFlat},
        {"cbsOffice11", cbsOffice11}};
    return map;
}
const TIdentMap& EditBorderStyleIdents() {
    static const TIdentMap map{
        {"ebsNone", ebsNone},        {"ebsSingle", ebsSingle}, {"ebsThick", ebsThick},
        {"ebsFlat", ebsFlat},        {"ebs3D", ebs3D},         {"ebsUltraFlat", ebsUltraFlat},
        {"ebsOffice11", ebsOffice11}};
    return map;
}
const TIdentMap& BordersIdents() {
    // Element i is bit i of TcxBorders.
    static const TIdentMap map{
        {"bLeft", bLeft}, {"bTop", bTop}, {"bRight", bRight}, {"bBottom", bBottom}};
    return map;
}
const TIdentMap& StyleValueIdents() {
    // Element i is bit i of AssignedValues.
    static const TIdentMap map{{"svBorderColor", svBorderColor},
                               {"svBorderStyle", svBorderStyle},
                               {"svColor", svColor},
                               {"svEdges", svEdges},
                               {"svFont", svFont},
                               {"svHotTrack", svHotTrack},
                               {"svShadow", svShadow},
                               {"svTextColor", svTextColor},
                               {"svTextStyle", svTextStyle},
                               {"svTransparentBorder", svTransparentBorder},
                               {"svButtonStyle", svButtonStyle},
                               {"svButtonTransparency", svButtonTransparency},
                               {"svPopupBorderStyle", svPopupBorderStyle},
                               {"svGradientButtons", svGradientButtons},
                               {"svGradient", svGradient},
                               {"svGradientDirection", svGradientDirection}};
    return map;
}
const TIdentMap& FontStyleIdents() {
    static const TIdentMap map{
        {"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
    return map;
}
const TIdentMap& ButtonStyleIdents() {
    static const TIdentMap map{
        {"btsDefault", btsDefault},  {"btsFlat", btsFlat}, {"btsSimple", btsSimple},
        {"btsHotFlat", btsHotFlat},  {"bts3D", bts3D},     {"btsUltraFlat", btsUltraFlat},
        {"btsOffice11", btsOffice11}};
    return map;
}
const TIdentMap& ButtonTransparencyIdents() {
    static const TIdentMap map{{"ebtNone", ebtNone},
                               {"ebtInactive", ebtInactive},
                               {"ebtAlways", ebtAlways},
                               {"ebtHideInactive", ebtHideInactive},
                               {"ebtHideUnselected", ebtHideUnselected}};
    return map;
}
const TIdentMap& PopupBorderStyleIdents() {
    static const TIdentMap map{{"epbsDefault", epbsDefault},
                               {"epbsSingle", epbsSingle},
                               {"epbsFrame3D", epbsFrame3D},
                               {"epbsFlat", epbsFlat}};
    return map;
}
const TIdentMap& GradientDirectionIdents() {
    static const TIdentMap map{
        {"dirLeft", dirLeft}, {"dirRight", dirRight}, {"dirUp", dirUp}, {"dirDown", dirDown}};
    return map;
}

using S = TcxContainerStyle;

void RegisterStyles() {
    P<S>(TClassRegistry::Global().Register("TcxContainerStyle", "TPersistent"))
        .Set(
            "AssignedValues", StyleValueIdents(),
            [](S& s) { return std::uint64_t(s.AssignedValues()); },
            [](S& s, std::uint64_t v) { s.SetAssignedValues(TcxContainerStyleValues(v)); })
        .Stored(false)
        .Color(
            "BorderColor", [](S& s) { return s.BorderColor(); },
            [](S& s, TColor v) { s.SetBorderColor(v); })
        .Stored([](S& s) { return s.IsValueStored(svBorderColor); })
        .Enum<TcxContainerBorderStyle>(
            "BorderStyle", ContainerBorderStyleIdents(), [](S& s) { return s.BorderStyle(); },
            [](S& s, TcxContainerBorderStyle v) { s.SetBorderStyle(v); })
        .Stored([](S& s) { return s.IsValueStored(svBorderStyle); })
        .Color(
            "Color", [](S& s) { return s.GetStyleColor(); }, [](S& s, TColor v) { s.SetColor(v); })
        .Stored([](S& s) { return s.IsValueStored(svColor); })
        .Set(
            "Edges", BordersIdents(), [](S& s) { return std::uint64_t(s.Edges()); },
            [](S& s, std::uint64_t v) { s.SetEdges(TcxBorders(v)); })
        .Stored([](S& s) { return s.IsValueStored(svEdges); })
        .Object("Font", [](S& s) -> TPersistent* { return &s.Font(); })
        .Stored([](S& s) { return s.IsValueStored(svFont); })
        .Boolean(
            "HotTrack", [](S& s) { return s.HotTrack(); }, [](S& s, bool v) { s.SetHotTrack(v); })
        .Stored([](S& s) { return s.IsValueStored(svHotTrack); })
        .Object("LookAndFeel", [](S& s) -> TPersistent* { return &s.LookAndFeel(); })
        .Stored([](S& s) { return s.IsBaseStyle(); })
        .Boolean(
            "Shadow", [](S& s) { return s.Shadow(); }, [](S& s, bool v) { s.SetShadow(v); })
        .Stored([](S& s) { return s.IsValueStored(svShadow); })
        .Component(
            "StyleController", [](S& s) -> TComponent* { return s.StyleController(); },
            [](S& s, TComponent* v) {
                auto* controller = dynamic_cast<TcxStyleController*>(v);
                if (v && !controller)
                    throw EComponentError("A style controller is expected, not a " +
                                          v->ClassName());
                s.SetStyleController(controller);
            })
        .Stored([](S& s) { return s.IsBaseStyle() && s.StyleController() != nullptr; })
        .Color(
            "TextColor", [](S& s) { return s.TextColor(); },
            [](S& s, TColor v) { s.SetTextColor(v); })
        .Stored([](S& s) { return s.IsValueStored(svTextColor); })
        .Set(
            "TextStyle", FontStyleIdents(), [](S& s) { return std::uint64_t(s.TextStyle()); },
            [](S& s, std::uint64_t v) { s.SetTextStyle(TFontStyles(v)); })
        .Stored([](S& s) { return s.IsValueStored(svTextStyle); })
        .Boolean(
            "TransparentBorder", [](S& s) { return s.TransparentBorder(); },
            [](S& s, bool v) { s.SetTransparentBorder(v); })
        .Stored([](S& s) { return s.IsValueStored(svTransparentBorder); })
        // Written (always True) with the font; reading it, whatever its value, marks the font
        // as assigned.
        .Boolean(
            "IsFontAssigned", [](S&) { return true; }, [](S& s, bool) { s.MarkFontAssigned(); })
        .Stored([](S& s) { return s.IsValueStored(svFont); });

    using E = TcxCustomEditStyle;
    P<E>(TClassRegistry::Global().Register("TcxCustomEditStyle", "TcxContainerStyle"));
    P<E>(TClassRegistry::Global().Register("TcxEditStyle", "TcxCustomEditStyle"))
        .Enum<TcxEditBorderStyle>(
            "BorderStyle", EditBorderStyleIdents(),
            [](E& s) { return TcxEditBorderStyle(s.BorderStyle()); },
            [](E& s, TcxEditBorderStyle v) { s.SetBorderStyle(TcxContainerBorderStyle(v)); })
        .Stored([](E& s) { return s.IsValueStored(svBorderStyle); })
        .Enum<TcxEditButtonStyle>(
            "ButtonStyle", ButtonStyleIdents(), [](E& s) { return s.ButtonStyle(); },
            [](E& s, TcxEditButtonStyle v) { s.SetButtonStyle(v); })
        .Stored([](E& s) { return s.IsValueStored(svButtonStyle); })
        .Enum<TcxEditButtonTransparency>(
            "ButtonTransparency", ButtonTransparencyIdents(),
            [](E& s) { return s.ButtonTransparency(); },
            [](E& s, TcxEditButtonTransparency v) { s.SetButtonTransparency(v); })
        .Stored([](E& s) { return s.IsValueStored(svButtonTransparency); })
        .Boolean(
            "Gradient", [](E& s) { return s.Gradient(); }, [](E& s, bool v) { s.SetGradient(v); })
        .Stored([](E& s) { return s.IsValueStored(svGradient); })
        .Enum<TcxEditGradientDirection>(
            "GradientDirection", GradientDirectionIdents(),
            [](E& s) { return s.GradientDirection(); },
            [](E& s, TcxEditGradientDirection v) { s.SetGradientDirection(v); })
        .Stored([](E& s) { return s.IsValueStored(svGradientDirection); })
        .Enum<TcxEditPopupBorderStyle>(
            "PopupBorderStyle", PopupBorderStyleIdents(), [](E& s) { return s.PopupBorderStyle(); },
            [](E& s, TcxEditPopupBorderStyle v) { s.SetPopupBorderStyle(v); })
        .Stored([](E& s) { return s.IsValueStored(svPopupBorderStyle); });
}

template <class T> void StylesOf(P<T>&& p) {
    p.Object("Style", [](T& c) -> TPersistent* { return &c.Style(); })
        .Object("StyleDisabled", [](T& c) -> TPersistent* { return &c.StyleDisabled(); })
        .Object("StyleFocused", [](T& c) -> TPersistent* { return &c.StyleFocused(); })
        .Object("StyleHot", [](T& c) -> TPersistent* { return &c.StyleHot(); });
}

void RegisterControllers() {
    using C = TcxStyleController;
    P<C> controller = RegisterComponentClass<C>("TcxStyleController", "TComponent");
    controller.Event<TNotifyEvent>("OnStyleChanged",
                                   [](C& c) -> TNotifyEvent& { return c.OnStyleChanged; });
    StylesOf(std::move(controller));
    RegisterComponentClass<TcxEditStyleController>("TcxEditStyleController", "TcxStyleController");
}

void RegisterContainer() {
    RegisterComponentClass<TcxControl>("TcxControl", "TCustomControl");
    using C = TcxContainer;
    P<C> container = RegisterComponentClass<C>("TcxContainer", "TcxControl");
    // The colour and font come from the normal style, where they are stored.
    container
        .Color(
            "Color", [](C& c) { return c.Color(); }, [](C& c, TColor v) { c.SetColor(v); })
        .Stored(false)
        .Object("Font", [](C& c) -> TPersistent* { return &c.Font(); })
        .Stored(false)
        .Boolean(
            "ParentColor", [](C& c) { return c.ParentColor(); },
            [](C& c, bool v) { c.SetParentColor(v); })
        .Default(0)
        .Boolean(
            "TabStop", [](C& c) { return c.TabStop(); }, [](C& c, bool v) { c.SetTabStop(v); })
        .Default(1)
        // The normal style's controller under a name of the control itself; stored there.
        .Component(
            "FakeStyleController", [](C& c) -> TComponent* { return c.Style().StyleController(); },
            [](C& c, TComponent* v) {
                auto* controller = dynamic_cast<TcxStyleController*>(v);
                if (v && !controller)
                    throw EComponentError("A style controller is expected, not a " +
                                          v->ClassName());
                c.Style().SetStyleController(controller);
            })
        .Stored(false);
    StylesOf(std::move(container));
}
const TIdentMap& AlignmentIdents() {
    static const TIdentMap map{{"taLeftJustify", taLeftJustify},
                               {"taRightJustify", taRightJustify},
                               {"taCenter", taCenter}};
    return map;
}
const TIdentMap& VertAlignmentIdents() {
    static const TIdentMap map{{"taTopJustify", taTopJustify},
                               {"taBottomJustify", taBottomJustify},
                               {"taVCenter", taVCenter}};
    return map;
}
const TIdentMap& CharCaseIdents() {
    static const TIdentMap map{
        {"ecNormal", eccNormal}, {"ecUpperCase", eccUpperCase}, {"ecLowerCase", eccLowerCase}};
    return map;
}
const TIdentMap& EchoModeIdents() {
    static const TIdentMap map{{"eemNormal", eemNormal}, {"eemPassword", eemPassword}};
    return map;
}

void RegisterEditProperties() {
    using A = TcxEditAlignment;
    P<A>(TClassRegistry::Global().Register("TcxEditAlignment", "TPersistent"))
        .Enum<TAlignment>(
            "Horz", AlignmentIdents(), [](A& a) { return a.Horz(); },
            [](A& a, TAlignment v) { a.SetHorz(v); })
        .Default(taLeftJustify)
        .Enum<TcxEditVertAlignment>(
            "Vert", VertAlignmentIdents(), [](A& a) { return a.Vert(); },
            [](A& a, TcxEditVertAlignment v) { a.SetVert(v); })
        .Default(taTopJustify);

    using E = TcxCustomEditProperties;
    P<E>(TClassRegistry::Global().Register("TcxCustomEditProperties", "TPersistent"))
        .Object("Alignment", [](E& p) -> TPersistent* { return &p.Alignment(); })
        .Boolean(
            "AutoSelect", [](E& p) { return p.AutoSelect(); },
            [](E& p, bool v) { p.SetAutoSelect(v); })
        .Default(1)
        .Boolean(
            "BeepOnError", [](E& p) { return p.BeepOnError(); },
            [](E& p, bool v) { p.SetBeepOnError(v); })
        .Default(0)
        .Integer(
            "ClearKey", [](E& p) { return int(p.ClearKey()); },
            [](E& p, int v) { p.SetClearKey(std::uint32_t(v)); })
        .Default(0)
        .Boolean(
            "ReadOnly", [](E& p) { return p.ReadOnly(); }, [](E& p, bool v) { p.SetReadOnly(v); })
        .Stored([](E& p) { return p.IsReadOnlyAssigned(); })
        .Boolean(
            "ValidateOnEnter", [](E& p) { return p.ValidateOnEnter(); },
            [](E& p, bool v) { p.SetValidateOnEnter(v); })
        .Default(0)
        .Event<TNotifyEvent>("OnChange", [](E& p) -> TNotifyEvent& { return p.OnChange; })
        .Event<TNotifyEvent>("OnEditValueChanged",
                             [](E& p) -> TNotifyEvent& { return p.OnEditValueChanged; })
        .Event<TcxEditValidateEvent>("OnValidate",
                                     [](E& p) -> TcxEditValidateEvent& { return p.OnValidate; });

    using T = TcxCustomTextEditProperties;
    P<T>(
        TClassRegistry::Global().Register("TcxCustomTextEditProperties", "TcxCustomEditProperties"))
        .Enum<TEditCharCase>(
            "CharCase", CharCaseIdents(), [](T& p) { return p.CharCase(); },
            [](T& p, TEditCharCase v) { p.SetCharCase(v); })
        .Default(eccNormal)
        .Enum<TcxEditEchoMode>(
            "EchoMode", EchoModeIdents(), [](T& p) { return p.EchoMode(); },
            [](T& p, TcxEditEchoMode v) { p.SetEchoMode(v); })
        .Default(eemNormal)
        .Boolean(
            "HideSelection", [](T& p) { return p.HideSelection(); },
            [](T& p, bool v) { p.SetHideSelection(v); })
        .Default(1)
        .Integer(
            "MaxLength", [](T& p) { return p.MaxLength(); }, [](T& p, int v) { p.SetMaxLength(v); })
        .Stored([](T& p) { return p.IsMaxLengthAssigned(); })
        .Boolean(
            "OEMConvert", [](T& p) { return p.OEMConvert(); },
            [](T& p, bool v) { p.SetOEMConvert(v); })
        .Default(0)
        .Integer(
            "PasswordChar", [](T& p) { return int(static_cast<unsigned char>(p.PasswordChar())); },
            [](T& p, int v) { p.SetPasswordChar(char(v)); })
        .Default(0);
    TClassRegistry::Global().Register("TcxTextEditProperties", "TcxCustomTextEditProperties");
}

void RegisterTextEdit() {
    using C = TcxCustomEdit;
    RegisterComponentClass<C>("TcxCustomEdit", "TcxContainer")
        .Object("Properties", [](C& c) -> TPersistent* { return &c.Properties(); })
        .Boolean(
            "AutoSize", [](C& c) { return c.AutoSize(); }, [](C& c, bool v) { c.SetAutoSize(v); })
        .Default(1)
        .Event<TcxEditingEvent>("OnEditing", [](C& c) -> TcxEditingEvent& { return c.OnEditing; });
    using T = TcxCustomTextEdit;
    RegisterComponentClass<T>("TcxCustomTextEdit", "TcxCustomEdit")
        .Boolean(
            "BeepOnEnter", [](T& c) { return c.BeepOnEnter(); },
            [](T& c, bool v) { c.SetBeepOnEnter(v); })
        .Default(1)
        .String(
            "Text", [](T& c) { return c.Text(); }, [](T& c, const std::string& v) { c.SetText(v); })
        .Default("");
    RegisterComponentClass<TcxTextEdit>("TcxTextEdit", "TcxCustomTextEdit");
}
} // namespace

void RegisterEditorsClasses() {
    if (IsClassRegistered("TcxContainer"))
        return;
    RegisterControlClasses();
    RegisterLookAndFeelClasses();
    RegisterStyles();
    RegisterControllers();
    RegisterContainer();
    RegisterEditProperties();
    RegisterTextEdit();
    RegisterScrollBarAndMemoClasses();
}
