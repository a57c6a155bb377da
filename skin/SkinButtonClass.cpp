#include "skin/SkinButtonClass.h"

#include "platform/component/ClassRegistry.h"
#include "platform/control/ControlRegistration.h"
#include "skin/SuiButton.h"

const TIdentMap& SkinButtonUIStyleIdents() {
    static const TIdentMap map{{"Custom", Custom},   {"MacOS", MacOS},
                               {"WinXP", WinXP},     {"DeepBlue", DeepBlue},
                               {"Protein", Protein}, {"BlueGlass", BlueGlass}};
    return map;
}

const TIdentMap& ButtonLayoutIdents() {
    static const TIdentMap map{{"blGlyphLeft", blGlyphLeft},
                               {"blGlyphRight", blGlyphRight},
                               {"blGlyphTop", blGlyphTop},
                               {"blGlyphBottom", blGlyphBottom}};
    return map;
}

namespace {
template <class T> using P = TClassProperties<T>;

// A layout names only the program's own module, as 0: other modules exist only at run time.
void SetResHandleFromLayout(TsuiCustomButton& b, int v) {
    if (v != 0)
        throw EComponentError("ResHandle: a layout can only name the program's own module (0)");
    b.SetResHandle(nullptr);
}

void RegisterCustomButton() {
    P<TsuiCustomButton>(TClassRegistry::Global().Register("TsuiCustomButton", "TCustomControl"))
        .Enum<TsuiUIStyle>(
            "UIStyle", SkinButtonUIStyleIdents(), [](TsuiCustomButton& b) { return b.UIStyle(); },
            [](TsuiCustomButton& b, TsuiUIStyle v) { b.SetUIStyle(v); })
        .String(
            "Caption", [](TsuiCustomButton& b) { return b.Caption(); },
            [](TsuiCustomButton& b, const std::string& v) { b.SetCaption(v); })
        .Default("")
        .Boolean(
            "AutoSize", [](TsuiCustomButton& b) { return b.AutoSize(); },
            [](TsuiCustomButton& b, bool v) { b.SetAutoSize(v); })
        .Boolean(
            "Cancel", [](TsuiCustomButton& b) { return b.Cancel(); },
            [](TsuiCustomButton& b, bool v) { b.SetCancel(v); })
        .Default(0)
        .Boolean(
            "Default", [](TsuiCustomButton& b) { return b.Default(); },
            [](TsuiCustomButton& b, bool v) { b.SetDefault(v); })
        .Default(0)
        .Boolean(
            "Transparent", [](TsuiCustomButton& b) { return b.Transparent(); },
            [](TsuiCustomButton& b, bool v) { b.SetTransparent(v); })
        .Integer(
            "ModalResult", [](TsuiCustomButton& b) { return b.ModalResult(); },
            [](TsuiCustomButton& b, int v) { b.SetModalResult(v); })
        .Integer(
            "ResHandle", [](TsuiCustomButton&) { return 0; }, SetResHandleFromLayout)
        .Stored([](TsuiCustomButton& b) { return b.ResHandle() == nullptr; })
        .String(
            "PicNormalResName", [](TsuiCustomButton& b) { return b.PicNormalResName(); },
            [](TsuiCustomButton& b, const std::string& v) { b.SetPicNormalResName(v); })
        .Default("")
        .String(
            "PicMouseDownResName", [](TsuiCustomButton& b) { return b.PicMouseDownResName(); },
            [](TsuiCustomButton& b, const std::string& v) { b.SetPicMouseDownResName(v); })
        .Default("")
        .String(
            "PicMouseOnResName", [](TsuiCustomButton& b) { return b.PicMouseOnResName(); },
            [](TsuiCustomButton& b, const std::string& v) { b.SetPicMouseOnResName(v); })
        .Default("")
        .Integer(
            "MouseContinuouslyDownInterval",
            [](TsuiCustomButton& b) { return b.MouseContinuouslyDownInterval(); },
            [](TsuiCustomButton& b, int v) { b.SetMouseContinuouslyDownInterval(v); })
        .Event<TNotifyEvent>("OnMouseExit",
                             [](TsuiCustomButton& b) -> TNotifyEvent& { return b.OnMouseExit; })
        .Event<TNotifyEvent>("OnMouseContinuouslyDown", [](TsuiCustomButton& b) -> TNotifyEvent& {
            return b.OnMouseContinuouslyDown;
        });
}

void RegisterButton() {
    RegisterComponentClass<TsuiButton>("TsuiButton", "TsuiCustomButton")
        .Picture(
            "Glyph", [](TsuiButton& b) { return b.GlyphResource(); },
            [](TsuiButton& b, const std::string& v) { b.LoadGlyphResource(v); })
        .Default("")
        .Enum<TButtonLayout>(
            "Layout", ButtonLayoutIdents(), [](TsuiButton& b) { return b.Layout(); },
            [](TsuiButton& b, TButtonLayout v) { b.SetLayout(v); })
        .Integer(
            "Spacing", [](TsuiButton& b) { return b.Spacing(); },
            [](TsuiButton& b, int v) { b.SetSpacing(v); });
}
} // namespace

void RegisterSkinButtonClass() {
    RegisterControlClasses();
    if (IsClassRegistered("TsuiButton"))
        return;
    RegisterCustomButton();
    RegisterButton();
}
