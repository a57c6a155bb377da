#include "StandIns.h"

#include <algorithm>
#include <mutex>

#include "platform/component/ClassRegistry.h"

namespace {

const TIdentMap kUIStyles{{"Custom", 0},   {"MacOS", 1},   {"WinXP", 2},
                          {"DeepBlue", 3}, {"Protein", 4}, {"BlueGlass", 5}};
const TIdentMap kPositions{{"poDesigned", 0},       {"poDefault", 1},
                           {"poDefaultPosOnly", 2}, {"poDefaultSizeOnly", 3},
                           {"poScreenCenter", 4},   {"poDesktopCenter", 5},
                           {"poMainFormCenter", 6}, {"poOwnerFormCenter", 7}};
const TIdentMap kCursors{{"crDefault", 0}, {"crDrag", -12}, {"crHandPoint", -21}};
const TIdentMap kCharsets{{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"GB2312_CHARSET", 134}};
const TIdentMap kFontStyles{{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
const TIdentMap kButtonTypes{{"suiMax", 0},  {"suiMin", 1},        {"suiClose", 2},
                             {"suiHelp", 3}, {"suiControlBox", 4}, {"suiCustom", 5}};
const TIdentMap kTitleBarAligns{{"suiLeft", 0}, {"suiRight", 1}, {"suiClient", 2}};
const TIdentMap kButtonLayouts{
    {"blGlyphLeft", 0}, {"blGlyphRight", 1}, {"blGlyphTop", 2}, {"blGlyphBottom", 3}};
const TIdentMap kAligns{{"alNone", 0}, {"alTop", 1},   {"alBottom", 2},
                        {"alLeft", 3}, {"alRight", 4}, {"alClient", 5}};
const TIdentMap kScrollStyles{{"ssNone", 0}, {"ssHorizontal", 1}, {"ssVertical", 2}, {"ssBoth", 3}};

enum TEntryKind {
    skInt,
    skBool,
    skEnum,
    skSet,
    skColor,
    skString,
    skPicture,
    skObject,
    skCollection,
    skStrings,
    skEvent,
    skKeyEvent
};

struct TEntry {
    const char* Name;
    TEntryKind Kind;
    const TIdentMap* Idents = nullptr;
    const char* Class = nullptr; // nested object class or collection item class
};

template <class H>
void AddEntries(TClassProperties<H> props, std::initializer_list<TEntry> entries) {
    for (const TEntry& s : entries) {
        std::string n = s.Name;
        auto hasOrd = [n](H& h) { return h.Values.Ordinals.count(n) > 0; };
        auto getOrd = [n](H& h) { return h.Values.Ordinals[n]; };
        auto setOrd = [n](H& h, auto v) { h.Values.Ordinals[n] = (long long)v; };
        switch (s.Kind) {
        case skInt:
            props.Integer(
                n, [getOrd](H& h) { return int(getOrd(h)); },
                [setOrd](H& h, int v) { setOrd(h, v); }, s.Idents);
            props.Stored(hasOrd);
            break;
        case skBool:
            props.Boolean(
                n, [getOrd](H& h) { return getOrd(h) != 0; },
                [setOrd](H& h, bool v) { setOrd(h, v); });
            props.Stored(hasOrd);
            break;
        case skEnum:
            props.template Enum<long long>(n, *s.Idents, getOrd,
                                           [setOrd](H& h, long long v) { setOrd(h, v); });
            props.Stored(hasOrd);
            break;
        case skSet:
            props.Set(
                n, *s.Idents, [getOrd](H& h) { return std::uint64_t(getOrd(h)); },
                [setOrd](H& h, std::uint64_t v) { setOrd(h, v); });
            props.Stored(hasOrd);
            break;
        case skColor:
            props.Color(
                n, [getOrd](H& h) { return TColor(getOrd(h)); },
                [setOrd](H& h, TColor v) { setOrd(h, v); });
            props.Stored(hasOrd);
            break;
        case skString:
        case skPicture: {
            auto get = [n](H& h) { return h.Values.Strings[n]; };
            auto set = [n](H& h, const std::string& v) { h.Values.Strings[n] = v; };
            if (s.Kind == skString)
                props.String(n, get, set);
            else
                props.Picture(n, get, set);
            props.Stored([n](H& h) { return h.Values.Strings.count(n) > 0; });
            break;
        }
        case skObject: {
            std::string cls = s.Class;
            props.Object(n, [n, cls](H& h) -> TPersistent* {
                auto& slot = h.Values.Objects[n];
                if (!slot)
                    slot = std::make_unique<TStandInObject>(cls);
                return slot.get();
            });
            props.Stored([n](H& h) { return h.Values.Objects.count(n) > 0; });
            break;
        }
        case skCollection: {
            std::string cls = s.Class;
            props.Collection(n, [n, cls](H& h) -> TCollection* {
                auto& slot = h.Values.Collections[n];
                if (!slot)
                    slot = std::make_unique<TStandInItems>(cls);
                return slot.get();
            });
            props.Stored([n](H& h) { return h.Values.Collections.count(n) > 0; });
            break;
        }
        case skStrings:
            props.Strings(n, [n](H& h) -> TStrings* {
                auto& slot = h.Values.Lists[n];
                if (!slot)
                    slot = std::make_unique<TStringList>();
                return slot.get();
            });
            props.Stored([n](H& h) { return h.Values.Lists.count(n) > 0; });
            break;
        case skEvent:
            props.template Event<TNotifyEvent>(
                n, [n](H& h) -> TNotifyEvent& { return h.Values.Events[n]; });
            break;
        case skKeyEvent:
            props.template Event<TStandInKeyEvent>(
                n, [n](H& h) -> TStandInKeyEvent& { return h.Values.KeyEvents[n]; });
            break;
        }
    }
}

void RegisterComponent(const std::string& name, const std::string& parent,
                       std::initializer_list<TEntry> entries) {
    TClassInfo& info =
        TClassRegistry::Global().Register(name, parent, [name](TComponent* owner) -> TComponent* {
            return new TStandInComponent(owner, name);
        });
    AddEntries(TClassProperties<TStandInComponent>(info), entries);
}

void RegisterAll() {
    auto& registry = TClassRegistry::Global();
    AddEntries(TClassProperties<TStandInObject>(registry.Register("TStandInFont", "TPersistent")),
               {{"Charset", skInt, &kCharsets},
                {"Color", skColor},
                {"Height", skInt},
                {"Name", skString},
                {"Style", skSet, &kFontStyles}});
    AddEntries(
        TClassProperties<TStandInObject>(registry.Register("TStandInConstraints", "TPersistent")),
        {{"MinWidth", skInt}});
    AddEntries(TClassProperties<TStandInObject>(registry.Register("TStandInStyle", "TPersistent")),
               {{"Font", skObject, nullptr, "TStandInFont"},
                {"TransparentBorder", skBool},
                {"IsFontAssigned", skBool}});
    AddEntries(TClassProperties<TStandInObject>(
                   registry.Register("TStandInMemoProperties", "TPersistent")),
               {{"ReadOnly", skBool}, {"ScrollBars", skEnum, &kScrollStyles}});
    AddEntries(
        TClassProperties<TStandInItem>(registry.Register("TsuiTitleBarButton", "TCollectionItem")),
        {{"ButtonType", skEnum, &kButtonTypes},
         {"Transparent", skBool},
         {"Top", skInt},
         {"UIStyle", skEnum, &kUIStyles},
         {"PicNormal", skPicture},
         {"PicMouseOn", skPicture},
         {"PicMouseDown", skPicture}});
    AddEntries(
        TClassProperties<TStandInItem>(registry.Register("TsuiTitleBarSection", "TCollectionItem")),
        {{"AutoSize", skBool},
         {"Width", skInt},
         {"Align", skEnum, &kTitleBarAligns},
         {"Picture", skPicture},
         {"Stretch", skBool}});

    RegisterComponent("TStandInControl", "TComponent",
                      {{"Left", skInt}, {"Top", skInt}, {"Width", skInt}, {"Height", skInt}});
    const std::initializer_list<TEntry> form = {
        {"Caption", skString},
        {"PixelsPerInch", skInt},
        {"Position", skEnum, &kPositions},
        {"Constraints", skObject, nullptr, "TStandInConstraints"},
        {"Color", skColor},
        {"Font", skObject, nullptr, "TStandInFont"},
        {"OnShow", skEvent}};
    RegisterComponent("TFormZuvo", "TStandInControl", form);
    RegisterComponent("TFormTishi", "TStandInControl", form);
    RegisterComponent("TsuiForm", "TStandInControl",
                      {{"UIStyle", skEnum, &kUIStyles},
                       {"UIStyleAutoUpdateSub", skBool},
                       {"BorderColor", skColor},
                       {"BorderWidth", skInt},
                       {"TitleBarVisible", skBool},
                       {"Color", skColor},
                       {"Caption", skString},
                       {"TitleBarButtons", skCollection, nullptr, "TsuiTitleBarButton"},
                       {"TitleBarSections", skCollection, nullptr, "TsuiTitleBarSection"},
                       {"TitleBarDrawAppIcon", skBool},
                       {"Font", skObject, nullptr, "TStandInFont"},
                       {"MenuBarColor", skColor},
                       {"MenuBarHeight", skInt}});
    RegisterComponent("TImage", "TStandInControl",
                      {{"AutoSize", skBool},
                       {"Center", skBool},
                       {"Cursor", skInt, &kCursors},
                       {"DragCursor", skInt, &kCursors},
                       {"Hint", skString},
                       {"ParentShowHint", skBool},
                       {"Picture", skPicture},
                       {"ShowHint", skBool},
                       {"OnClick", skEvent}});
    RegisterComponent("TcxLabel", "TStandInControl",
                      {{"Caption", skString},
                       {"ParentFont", skBool},
                       {"Style", skObject, nullptr, "TStandInStyle"},
                       {"Transparent", skBool}});
    RegisterComponent("TcxTextEdit", "TStandInControl",
                      {{"TabOrder", skInt}, {"OnKeyPress", skKeyEvent}});
    RegisterComponent("TsuiButton", "TStandInControl",
                      {{"UIStyle", skEnum, &kUIStyles},
                       {"Caption", skString},
                       {"AutoSize", skBool},
                       {"TabOrder", skInt},
                       {"TabStop", skBool},
                       {"Transparent", skBool},
                       {"ModalResult", skInt},
                       {"Layout", skEnum, &kButtonLayouts},
                       {"Spacing", skInt},
                       {"ResHandle", skInt},
                       {"MouseContinuouslyDownInterval", skInt},
                       {"OnClick", skEvent}});
    RegisterComponent("TcxRadioButton", "TStandInControl",
                      {{"Caption", skString}, {"TabOrder", skInt}, {"Transparent", skBool}});
    RegisterComponent("TcxMemo", "TStandInControl",
                      {{"Align", skEnum, &kAligns},
                       {"Lines", skStrings},
                       {"ParentFont", skBool},
                       {"Properties", skObject, nullptr, "TStandInMemoProperties"},
                       {"Style", skObject, nullptr, "TStandInStyle"},
                       {"TabOrder", skInt}});
}

} // namespace

void RegisterStandIns() {
    static std::once_flag once;
    std::call_once(once, RegisterAll);
}

TStandInComponent::TStandInComponent(TComponent* owner, std::string className)
    : TComponent(owner), Class(std::move(className)) {}

TStandInComponent::~TStandInComponent() {
    DestroyComponents();
    for (TStandInComponent* c : Controls)
        c->Parent = nullptr;
    if (Parent != nullptr)
        Parent->Controls.erase(std::find(Parent->Controls.begin(), Parent->Controls.end(), this));
}

void TStandInComponent::SetParentComponent(TComponent* parent) {
    Parent = dynamic_cast<TStandInComponent*>(parent);
    if (Parent != nullptr)
        Parent->Controls.push_back(this);
}

void TStandInComponent::GetChildren(const std::function<void(TComponent*)>& proc,
                                    TComponent* root) {
    for (TStandInComponent* c : Controls)
        if (c->Owner() == root)
            proc(c);
}

TComponentPtr<TStandInComponent> MakeStandInForm(const std::string& className) {
    auto form = MakeComponent<TStandInComponent>(nullptr, className);
    TStandInComponent* f = form.get();
    for (const char* name : {"FormShow", "Image1Click", "fxClick", "xxClick", "kxClick"})
        f->Handlers.Add(name, TNotifyEvent([f, name](TPersistent*) { f->Calls.push_back(name); }));
    for (const char* name :
         {"djKeyPress", "qjnKeyPress", "hjnKeyPress", "czlKeyPress", "qnKeyPress", "mbdjKeyPress"})
        f->Handlers.Add(
            name, TStandInKeyEvent([f, name](TPersistent*, char&) { f->Calls.push_back(name); }));
    return form;
}
