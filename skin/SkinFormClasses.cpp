#include "skin/SkinFormClasses.h"

#include "platform/component/ClassRegistry.h"
#include "platform/control/ControlRegistration.h"
#include "platform/control/PopupMenu.h"
#include "skin/SuiForm.h"
#include "skin/SuiMainMenu.h"
#include "skin/SuiTitleBar.h"

namespace {
template <class T> using P = TClassProperties<T>;

const TIdentMap& UIStyleNames() {
    static const TIdentMap map{{"Custom", Custom},   {"MacOS", MacOS},
                               {"WinXP", WinXP},     {"DeepBlue", DeepBlue},
                               {"Protein", Protein}, {"BlueGlass", BlueGlass}};
    return map;
}
const TIdentMap& AlignNames() {
    static const TIdentMap map{
        {"suiLeft", suiLeft}, {"suiRight", suiRight}, {"suiClient", suiClient}};
    return map;
}
const TIdentMap& ButtonTypeNames() {
    static const TIdentMap map{{"suiMax", suiMax},
                               {"suiMin", suiMin},
                               {"suiClose", suiClose},
                               {"suiHelp", suiHelp},
                               {"suiControlBox", suiControlBox},
                               {"suiCustom", suiCustom}};
    return map;
}

void RegisterSections() {
    TClassRegistry::Global().Register("TsuiTitleBarSections", "TCollection");
    P<TsuiTitleBarSection>(
        TClassRegistry::Global().Register("TsuiTitleBarSection", "TCollectionItem"))
        .Boolean(
            "AutoSize", [](TsuiTitleBarSection& s) { return s.AutoSize(); },
            [](TsuiTitleBarSection& s, bool v) { s.SetAutoSize(v); })
        .Default(0)
        .Integer(
            "Width", [](TsuiTitleBarSection& s) { return s.Width(); },
            [](TsuiTitleBarSection& s, int v) { s.SetWidth(v); })
        .Default(10)
        .Enum<TsuiTitleBarAlign>(
            "Align", AlignNames(), [](TsuiTitleBarSection& s) { return s.Align(); },
            [](TsuiTitleBarSection& s, TsuiTitleBarAlign v) { s.SetAlign(v); })
        .Default(suiLeft)
        .Picture(
            "Picture", [](TsuiTitleBarSection& s) { return s.PictureResource(); },
            [](TsuiTitleBarSection& s, const std::string& v) { s.LoadPicture(nullptr, v); })
        .Boolean(
            "Stretch", [](TsuiTitleBarSection& s) { return s.Stretch(); },
            [](TsuiTitleBarSection& s, bool v) { s.SetStretch(v); })
        .Default(0);
}

void RegisterButtons() {
    TClassRegistry::Global().Register("TsuiTitleBarButtons", "TCollection");
    auto picture = [](TsuiTitleBarBtnState state) {
        return std::make_pair(
            std::function<std::string(TsuiTitleBarButton&)>(
                [state](TsuiTitleBarButton& b) { return b.PictureResource(state); }),
            std::function<void(TsuiTitleBarButton&, const std::string&)>(
                [state](TsuiTitleBarButton& b, const std::string& v) {
                    b.LoadPicture(state, nullptr, v);
                }));
    };
    auto normal = picture(tbsNormal), on = picture(tbsMouseOn), down = picture(tbsMouseDown);
    P<TsuiTitleBarButton>(
        TClassRegistry::Global().Register("TsuiTitleBarButton", "TCollectionItem"))
        .Enum<TsuiTitleBarBtnType>(
            "ButtonType", ButtonTypeNames(), [](TsuiTitleBarButton& b) { return b.ButtonType(); },
            [](TsuiTitleBarButton& b, TsuiTitleBarBtnType v) { b.SetButtonType(v); })
        .Default(suiCustom)
        .Boolean(
            "Transparent", [](TsuiTitleBarButton& b) { return b.Transparent(); },
            [](TsuiTitleBarButton& b, bool v) { b.SetTransparent(v); })
        .Default(0)
        .Integer(
            "Top", [](TsuiTitleBarButton& b) { return b.Top(); },
            [](TsuiTitleBarButton& b, int v) { b.SetTop(v); })
        .Default(2)
        .Enum<TsuiUIStyle>(
            "UIStyle", UIStyleNames(), [](TsuiTitleBarButton& b) { return b.UIStyle(); },
            [](TsuiTitleBarButton& b, TsuiUIStyle v) { b.SetUIStyle(v); })
        .Component(
            "ControlBoxMenu",
            [](TsuiTitleBarButton& b) -> TComponent* { return b.ControlBoxMenu(); },
            [](TsuiTitleBarButton& b, TComponent* v) {
                auto* menu = dynamic_cast<TPopupMenu*>(v);
                if (v && !menu)
                    throw EInvalidOperation("ControlBoxMenu must be a popup menu");
                b.SetControlBoxMenu(menu);
            })
        .Picture("PicNormal", normal.first, normal.second)
        .Picture("PicMouseOn", on.first, on.second)
        .Picture("PicMouseDown", down.first, down.second);
}

void RegisterTitleBar() {
    RegisterComponentClass<TsuiTitleBar>("TsuiTitleBar", "TCustomPanel")
        .Boolean(
            "AutoSize", [](TsuiTitleBar& b) { return b.AutoSize(); },
            [](TsuiTitleBar& b, bool v) { b.SetAutoSize(v); })
        .Collection("Sections", [](TsuiTitleBar& b) -> TCollection* { return &b.Sections(); })
        .Enum<TsuiUIStyle>(
            "UIStyle", UIStyleNames(), [](TsuiTitleBar& b) { return b.UIStyle(); },
            [](TsuiTitleBar& b, TsuiUIStyle v) { b.SetUIStyle(v); })
        .Collection("Buttons", [](TsuiTitleBar& b) -> TCollection* { return &b.Buttons(); })
        .Integer(
            "ButtonInterval", [](TsuiTitleBar& b) { return b.ButtonInterval(); },
            [](TsuiTitleBar& b, int v) { b.SetButtonInterval(v); })
        .Default(0)
        .String(
            "Caption", [](TsuiTitleBar& b) { return b.Caption(); },
            [](TsuiTitleBar& b, const std::string& v) { b.SetCaption(v); })
        .Default("")
        .Boolean(
            "FormActive", [](TsuiTitleBar& b) { return b.FormActive(); },
            [](TsuiTitleBar& b, bool v) { b.SetFormActive(v); })
        .Default(1)
        .Integer(
            "LeftBtnXOffset", [](TsuiTitleBar& b) { return b.LeftBtnXOffset(); },
            [](TsuiTitleBar& b, int v) { b.SetLeftBtnXOffset(v); })
        .Integer(
            "RightBtnXOffset", [](TsuiTitleBar& b) { return b.RightBtnXOffset(); },
            [](TsuiTitleBar& b, int v) { b.SetRightBtnXOffset(v); })
        .Boolean(
            "DrawAppIcon", [](TsuiTitleBar& b) { return b.DrawAppIcon(); },
            [](TsuiTitleBar& b, bool v) { b.SetDrawAppIcon(v); })
        .Default(0)
        .Event<TsuiTitleBarButtonClickEvent>(
            "OnCustomBtnsClick",
            [](TsuiTitleBar& b) -> TsuiTitleBarButtonClickEvent& { return b.OnCustomBtnsClick; })
        .Event<TsuiTitleBarButtonClickEvent>(
            "OnHelpBtnClick",
            [](TsuiTitleBar& b) -> TsuiTitleBarButtonClickEvent& { return b.OnHelpBtnClick; });
}

void RegisterFrame() {
    RegisterComponentClass<TsuiForm>("TsuiForm", "TCustomPanel")
        .Enum<TsuiUIStyle>(
            "UIStyle", UIStyleNames(), [](TsuiForm& f) { return f.UIStyle(); },
            [](TsuiForm& f, TsuiUIStyle v) { f.SetUIStyle(v); })
        .Boolean(
            "UIStyleAutoUpdateSub", [](TsuiForm& f) { return f.UIStyleAutoUpdateSub(); },
            [](TsuiForm& f, bool v) { f.SetUIStyleAutoUpdateSub(v); })
        .Color(
            "BorderColor", [](TsuiForm& f) { return f.BorderColor(); },
            [](TsuiForm& f, TColor v) { f.SetBorderColor(v); })
        .Integer(
            "BorderWidth", [](TsuiForm& f) { return f.BorderWidth(); },
            [](TsuiForm& f, int v) { f.SetBorderWidth(v); })
        .Boolean(
            "TitleBarVisible", [](TsuiForm& f) { return f.TitleBarVisible(); },
            [](TsuiForm& f, bool v) { f.SetTitleBarVisible(v); })
        .String(
            "Caption", [](TsuiForm& f) { return f.Caption(); },
            [](TsuiForm& f, const std::string& v) { f.SetCaption(v); })
        .Component(
            "FormPanel", [](TsuiForm& f) -> TComponent* { return f.FormPanel(); },
            [](TsuiForm& f, TComponent* v) {
                auto* panel = dynamic_cast<TCustomPanel*>(v);
                if (v && !panel)
                    throw EInvalidOperation("FormPanel must be a panel");
                f.SetFormPanel(panel);
            })
        .Collection("TitleBarButtons",
                    [](TsuiForm& f) -> TCollection* { return &f.TitleBarButtons(); })
        .Collection("TitleBarSections",
                    [](TsuiForm& f) -> TCollection* { return &f.TitleBarSections(); })
        .Boolean(
            "TitleBarDrawAppIcon", [](TsuiForm& f) { return f.TitleBarDrawAppIcon(); },
            [](TsuiForm& f, bool v) { f.SetTitleBarDrawAppIcon(v); })
        .Object("Font", [](TsuiForm& f) -> TPersistent* { return &f.Font(); })
        .Component(
            "Menu", [](TsuiForm& f) -> TComponent* { return f.Menu(); },
            [](TsuiForm& f, TComponent* v) {
                auto* menu = dynamic_cast<TsuiMainMenu*>(v);
                if (v && !menu)
                    throw EInvalidOperation("Menu must be a skinned main menu (TsuiMainMenu)");
                f.SetMenu(menu);
            })
        .Color(
            "MenuBarColor", [](TsuiForm& f) { return f.MenuBarColor(); },
            [](TsuiForm& f, TColor v) { f.SetMenuBarColor(v); })
        .Integer(
            "MenuBarHeight", [](TsuiForm& f) { return f.MenuBarHeight(); },
            [](TsuiForm& f, int v) { f.SetMenuBarHeight(v); })
        .Integer(
            "Height", [](TsuiForm& f) { return f.Height(); },
            [](TsuiForm& f, int v) { f.SetHeight(v); })
        .Integer(
            "Width", [](TsuiForm& f) { return f.Width(); },
            [](TsuiForm& f, int v) { f.SetWidth(v); })
        .Event<TsuiTitleBarButtonClickEvent>("OnTitleBarCustomBtnsClick",
                                             [](TsuiForm& f) -> TsuiTitleBarButtonClickEvent& {
                                                 return f.OnTitleBarCustomBtnsClick();
                                             })
        .Event<TsuiTitleBarButtonClickEvent>("OnTitleBarHelpBtnClick",
                                             [](TsuiForm& f) -> TsuiTitleBarButtonClickEvent& {
                                                 return f.OnTitleBarHelpBtnClick();
                                             });
}
} // namespace

void RegisterSkinFormClasses() {
    RegisterControlClasses();
    if (IsClassRegistered("TsuiForm"))
        return;
    RegisterSections();
    RegisterButtons();
    RegisterTitleBar();
    RegisterFrame();
    RegisterComponentClass<TsuiMainMenu>("TsuiMainMenu", "TComponent")
        .Enum<TsuiUIStyle>(
            "UIStyle", UIStyleNames(), [](TsuiMainMenu& m) { return m.UIStyle(); },
            [](TsuiMainMenu& m, TsuiUIStyle v) { m.SetUIStyle(v); });
}
