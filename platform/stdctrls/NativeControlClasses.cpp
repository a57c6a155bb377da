#include "platform/stdctrls/NativeControlClasses.h"

#include "platform/component/ClassRegistry.h"
#include "platform/component/IdentMap.h"
#include "platform/stdctrls/CustomMemo.h"
#include "platform/stdctrls/RadioButton.h"
#include "platform/stdctrls/StaticText.h"

namespace {
const TIdentMap kAlignments{
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const TIdentMap kBorderStyles{{"bsNone", bsNone}, {"bsSingle", bsSingle}};
const TIdentMap kCharCases{
    {"ecNormal", eccNormal}, {"ecUpperCase", eccUpperCase}, {"ecLowerCase", eccLowerCase}};
const TIdentMap kScrollStyles{{"ssNone", ssNone},
                              {"ssHorizontal", ssHorizontal},
                              {"ssVertical", ssVertical},
                              {"ssBoth", ssBoth}};

template <class T> TClassInfo::TFactory Factory() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

void RegisterEdit(TClassRegistry& reg, const std::string& base) {
    TClassInfo& custom = reg.Register("TCustomEdit", base, Factory<TCustomEdit>());
    TClassProperties<TCustomEdit>(custom)
        .Boolean(
            "AutoSelect", [](TCustomEdit& e) { return e.AutoSelect(); },
            [](TCustomEdit& e, bool v) { e.SetAutoSelect(v); })
        .Default(1)
        .Enum<TBorderStyle>(
            "BorderStyle", kBorderStyles, [](TCustomEdit& e) { return e.BorderStyle(); },
            [](TCustomEdit& e, TBorderStyle v) { e.SetBorderStyle(v); })
        .Default(bsSingle)
        .Enum<TEditCharCase>(
            "CharCase", kCharCases, [](TCustomEdit& e) { return e.CharCase(); },
            [](TCustomEdit& e, TEditCharCase v) { e.SetCharCase(v); })
        .Default(eccNormal)
        .Boolean(
            "HideSelection", [](TCustomEdit& e) { return e.HideSelection(); },
            [](TCustomEdit& e, bool v) { e.SetHideSelection(v); })
        .Default(1)
        .Integer(
            "MaxLength", [](TCustomEdit& e) { return e.MaxLength(); },
            [](TCustomEdit& e, int v) { e.SetMaxLength(v); })
        .Default(0)
        .Integer(
            "PasswordChar",
            [](TCustomEdit& e) { return int(static_cast<unsigned char>(e.PasswordChar())); },
            [](TCustomEdit& e, int v) { e.SetPasswordChar(char(v)); })
        .Default(0)
        .Boolean(
            "ReadOnly", [](TCustomEdit& e) { return e.ReadOnly(); },
            [](TCustomEdit& e, bool v) { e.SetReadOnly(v); })
        .Default(0)
        .String(
            "Text", [](TCustomEdit& e) { return e.Text(); },
            [](TCustomEdit& e, const std::string& v) { e.SetText(v); })
        .Event<TNotifyEvent>("OnChange",
                             [](TCustomEdit& e) -> TNotifyEvent& { return e.OnChange; });
    reg.Register("TEdit", "TCustomEdit", Factory<TEdit>());

    TClassInfo& memo = reg.Register("TCustomMemo", "TCustomEdit", Factory<TCustomMemo>());
    TClassProperties<TCustomMemo>(memo)
        .Boolean(
            "AutoSelect", [](TCustomMemo& m) { return m.AutoSelect(); },
            [](TCustomMemo& m, bool v) { m.SetAutoSelect(v); })
        .Default(0)
        .Enum<TAlignment>(
            "Alignment", kAlignments, [](TCustomMemo& m) { return m.Alignment(); },
            [](TCustomMemo& m, TAlignment v) { m.SetAlignment(v); })
        .Default(taLeftJustify)
        .Strings("Lines", [](TCustomMemo& m) -> TStrings* { return &m.Lines(); })
        .Enum<TScrollStyle>(
            "ScrollBars", kScrollStyles, [](TCustomMemo& m) { return m.ScrollBars(); },
            [](TCustomMemo& m, TScrollStyle v) { m.SetScrollBars(v); })
        .Default(ssNone)
        .Boolean(
            "WantReturns", [](TCustomMemo& m) { return m.WantReturns(); },
            [](TCustomMemo& m, bool v) { m.SetWantReturns(v); })
        .Default(1)
        .Boolean(
            "WantTabs", [](TCustomMemo& m) { return m.WantTabs(); },
            [](TCustomMemo& m, bool v) { m.SetWantTabs(v); })
        .Default(0)
        .Boolean(
            "WordWrap", [](TCustomMemo& m) { return m.WordWrap(); },
            [](TCustomMemo& m, bool v) { m.SetWordWrap(v); })
        .Default(1)
        .String(
            "Text", [](TCustomMemo& m) { return m.Text(); },
            [](TCustomMemo& m, const std::string& v) { m.SetText(v); })
        .Stored(false);
    reg.Register("TMemo", "TCustomMemo", Factory<TMemo>());
}

void RegisterButtons(TClassRegistry& reg, const std::string& base) {
    TClassInfo& control = reg.Register("TButtonControl", base);
    TClassProperties<TButtonControl>(control).String(
        "Caption", [](TButtonControl& b) { return b.Caption(); },
        [](TButtonControl& b, const std::string& v) { b.SetCaption(v); });
    TClassInfo& button = reg.Register("TButton", "TButtonControl", Factory<TButton>());
    TClassProperties<TButton>(button)
        .Boolean(
            "Default", [](TButton& b) { return b.Default(); },
            [](TButton& b, bool v) { b.SetDefault(v); })
        .Default(0)
        .Boolean(
            "Cancel", [](TButton& b) { return b.Cancel(); },
            [](TButton& b, bool v) { b.SetCancel(v); })
        .Default(0)
        .Integer(
            "ModalResult", [](TButton& b) { return b.ModalResult(); },
            [](TButton& b, int v) { b.SetModalResult(v); })
        .Default(0);
    TClassInfo& radio = reg.Register("TRadioButton", "TButtonControl", Factory<TRadioButton>());
    TClassProperties<TRadioButton>(radio)
        .Enum<TAlignment>(
            "Alignment", kAlignments, [](TRadioButton& r) { return r.Alignment(); },
            [](TRadioButton& r, TAlignment v) { r.SetAlignment(v); })
        .Default(taRightJustify)
        .Boolean(
            "Checked", [](TRadioButton& r) { return r.Checked(); },
            [](TRadioButton& r, bool v) { r.SetChecked(v); })
        .Default(0);
}

void RegisterStaticText(TClassRegistry& reg, const std::string& base) {
    TClassInfo& text = reg.Register("TStaticText", base, Factory<TStaticText>());
    TClassProperties<TStaticText>(text)
        .Enum<TAlignment>(
            "Alignment", kAlignments, [](TStaticText& s) { return s.Alignment(); },
            [](TStaticText& s, TAlignment v) { s.SetAlignment(v); })
        .Default(taLeftJustify)
        .String(
            "Caption", [](TStaticText& s) { return s.Caption(); },
            [](TStaticText& s, const std::string& v) { s.SetCaption(v); })
        .Boolean(
            "ShowAccelChar", [](TStaticText& s) { return s.ShowAccelChar(); },
            [](TStaticText& s, bool v) { s.SetShowAccelChar(v); })
        .Default(1)
        .Boolean(
            "Transparent", [](TStaticText& s) { return s.Transparent(); },
            [](TStaticText& s, bool v) { s.SetTransparent(v); })
        .Default(0);
}
} // namespace

void RegisterNativeControlClasses() {
    TClassRegistry& reg = TClassRegistry::Global();
    if (reg.Find("TCustomEdit"))
        return;
    std::string base = reg.Find("TWinControl") ? "TWinControl" : "TComponent";
    RegisterEdit(reg, base);
    RegisterButtons(reg, base);
    RegisterStaticText(reg, base);
}
