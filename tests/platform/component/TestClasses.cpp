#include "TestClasses.h"

#include <algorithm>
#include <mutex>

#include "platform/component/ClassRegistry.h"

std::vector<std::string>& TestLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {

void LogLoaded(TComponent& c) {
    // Loaded comes after every component has been read, before csLoading is cleared.
    bool flagsRight =
        c.ComponentState().Contains(csLoading) && !c.ComponentState().Contains(csReading);
    TestLog().push_back("Loaded " + c.Name() + (flagsRight ? "" : " (wrong flags)"));
}

const TIdentMap kFontStyles{{"fsBold", fsBold},
                            {"fsItalic", fsItalic},
                            {"fsUnderline", fsUnderline},
                            {"fsStrikeOut", fsStrikeOut}};
const TIdentMap kAligns{{"alNone", alNone}, {"alTop", alTop},     {"alBottom", alBottom},
                        {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}};
const TIdentMap kAnchors{
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
const TIdentMap kScrollStyles{{"ssNone", ssNone},
                              {"ssHorizontal", ssHorizontal},
                              {"ssVertical", ssVertical},
                              {"ssBoth", ssBoth}};
const TIdentMap kPositions{{"poDesigned", poDesigned},
                           {"poDesktopCenter", poDesktopCenter},
                           {"poMainFormCenter", poMainFormCenter}};
const TIdentMap kButtonTypes{{"tbMax", tbMax},
                             {"tbMin", tbMin},
                             {"tbClose", tbClose},
                             {"tbHelp", tbHelp},
                             {"tbControlBox", tbControlBox},
                             {"tbCustom", tbCustom}};
const TIdentMap kCharsets{{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"GB2312_CHARSET", 134}};
const TIdentMap kCursors{{"crDefault", 0}, {"crDrag", -12}, {"crHandPoint", -21}};

void RegisterAll() {
    RegisterPersistentClass<TTestFont>("TTestFont", "TPersistent")
        .String(
            "Name", [](TTestFont& f) { return f.Name; },
            [](TTestFont& f, const std::string& v) { f.Name = v; })
        .Default("MS Sans Serif")
        .Integer(
            "Height", [](TTestFont& f) { return f.Height; },
            [](TTestFont& f, int v) { f.Height = v; })
        .Default(-11)
        .Color(
            "Color", [](TTestFont& f) { return f.Color; },
            [](TTestFont& f, TColor v) { f.Color = v; })
        .Default(clWindowText)
        .Integer(
            "Charset", [](TTestFont& f) { return f.Charset; },
            [](TTestFont& f, int v) { f.Charset = v; }, &kCharsets)
        .Default(1)
        .Set(
            "Style", kFontStyles, [](TTestFont& f) { return f.Style; },
            [](TTestFont& f, std::uint64_t v) { f.Style = v; })
        .Default(0);

    RegisterPersistentClass<TTestStyle>("TTestStyle", "TPersistent")
        .Color(
            "Color", [](TTestStyle& s) { return s.Color; },
            [](TTestStyle& s, TColor v) { s.Color = v; })
        .Default(clWindow)
        .Object("Font", [](TTestStyle& s) -> TPersistent* { return &s.Font; })
        .Stored([](TTestStyle& s) { return s.IsFontAssigned; })
        .Boolean(
            "IsFontAssigned", [](TTestStyle& s) { return s.IsFontAssigned; },
            [](TTestStyle& s, bool v) { s.IsFontAssigned = v; })
        .Default(0)
        .Boolean(
            "TransparentBorder", [](TTestStyle& s) { return s.TransparentBorder; },
            [](TTestStyle& s, bool v) { s.TransparentBorder = v; })
        .Default(1);

    RegisterPersistentClass<TTestConstraints>("TTestConstraints", "TPersistent")
        .Integer(
            "MinWidth", [](TTestConstraints& c) { return c.MinWidth; },
            [](TTestConstraints& c, int v) { c.MinWidth = v; })
        .Default(0)
        .Integer(
            "MaxWidth", [](TTestConstraints& c) { return c.MaxWidth; },
            [](TTestConstraints& c, int v) { c.MaxWidth = v; })
        .Default(0);

    RegisterPersistentClass<TTestProperties>("TTestProperties", "TPersistent")
        .Boolean(
            "ReadOnly", [](TTestProperties& p) { return p.ReadOnly; },
            [](TTestProperties& p, bool v) { p.ReadOnly = v; })
        .Default(0)
        .Enum<TTestScrollStyle>(
            "ScrollBars", kScrollStyles, [](TTestProperties& p) { return p.ScrollBars; },
            [](TTestProperties& p, TTestScrollStyle v) { p.ScrollBars = v; })
        .Default(ssNone)
        .Event<TNotifyEvent>("OnChange",
                             [](TTestProperties& p) -> TNotifyEvent& { return p.OnChange; });

    RegisterPersistentClass<TTestButton>("TTestButton", "TCollectionItem")
        .Enum<TTestButtonType>(
            "ButtonType", kButtonTypes, [](TTestButton& b) { return b.ButtonType; },
            [](TTestButton& b, TTestButtonType v) { b.ButtonType = v; })
        .Boolean(
            "Transparent", [](TTestButton& b) { return b.Transparent; },
            [](TTestButton& b, bool v) { b.Transparent = v; })
        .Default(0)
        .Integer(
            "Top", [](TTestButton& b) { return b.Top; }, [](TTestButton& b, int v) { b.Top = v; })
        .Default(2)
        .Picture(
            "PicNormal", [](TTestButton& b) { return b.PicNormal; },
            [](TTestButton& b, const std::string& v) { b.PicNormal = v; })
        .Event<TNotifyEvent>("OnClick", [](TTestButton& b) -> TNotifyEvent& { return b.OnClick; });

    RegisterComponentClass<TTestControl>("TTestControl", "TComponent")
        .Integer(
            "Left", [](TTestControl& c) { return c.Left; },
            [](TTestControl& c, int v) { c.Left = v, c.Record("Left"); })
        .Default(0)
        .Integer(
            "Top", [](TTestControl& c) { return c.Top; },
            [](TTestControl& c, int v) { c.Top = v, c.Record("Top"); })
        .Default(0)
        .Integer(
            "Width", [](TTestControl& c) { return c.Width; },
            [](TTestControl& c, int v) { c.Width = v, c.Record("Width"); })
        .Default(0)
        .Integer(
            "Height", [](TTestControl& c) { return c.Height; },
            [](TTestControl& c, int v) { c.Height = v, c.Record("Height"); })
        .Default(0)
        .Enum<TTestAlign>(
            "Align", kAligns, [](TTestControl& c) { return c.Align; },
            [](TTestControl& c, TTestAlign v) { c.Align = v, c.Record("Align"); })
        .Default(alNone)
        .Set(
            "Anchors", kAnchors, [](TTestControl& c) { return c.Anchors; },
            [](TTestControl& c, std::uint64_t v) { c.Anchors = v, c.Record("Anchors"); })
        .Default((1u << akLeft) | (1u << akTop))
        .String(
            "Caption", [](TTestControl& c) { return c.Caption; },
            [](TTestControl& c, const std::string& v) { c.Caption = v, c.Record("Caption"); })
        .Default("")
        .Color(
            "Color", [](TTestControl& c) { return c.Color; },
            [](TTestControl& c, TColor v) { c.Color = v, c.Record("Color"); })
        .Default(clBtnFace)
        .Integer(
            "Cursor", [](TTestControl& c) { return c.Cursor; },
            [](TTestControl& c, int v) { c.Cursor = v, c.Record("Cursor"); }, &kCursors)
        .Default(0)
        .String(
            "Hint", [](TTestControl& c) { return c.Hint; },
            [](TTestControl& c, const std::string& v) { c.Hint = v, c.Record("Hint"); })
        .Default("")
        .Boolean(
            "Visible", [](TTestControl& c) { return c.Visible; },
            [](TTestControl& c, bool v) { c.Visible = v, c.Record("Visible"); })
        .Default(1)
        .Object("Font", [](TTestControl& c) -> TPersistent* { return &c.Font; })
        .Object("Style", [](TTestControl& c) -> TPersistent* { return &c.Style; })
        .Object("Constraints", [](TTestControl& c) -> TPersistent* { return &c.Constraints; })
        .Object("Properties", [](TTestControl& c) -> TPersistent* { return &c.Properties; })
        .Strings("Lines", [](TTestControl& c) -> TStrings* { return &c.Lines; })
        .Collection("Buttons", [](TTestControl& c) -> TCollection* { return &c.Buttons; })
        .Picture(
            "Picture", [](TTestControl& c) { return c.Picture; },
            [](TTestControl& c, const std::string& v) { c.Picture = v, c.Record("Picture"); })
        .Component(
            "FocusControl", [](TTestControl& c) { return c.FocusControl; },
            [](TTestControl& c, TComponent* v) {
                c.FocusControl = v;
                if (v != nullptr)
                    v->FreeNotification(&c);
            })
        .Event<TNotifyEvent>("OnClick", [](TTestControl& c) -> TNotifyEvent& { return c.OnClick; })
        .Event<TKeyPressEvent>("OnKeyPress",
                               [](TTestControl& c) -> TKeyPressEvent& { return c.OnKeyPress; });

    RegisterComponentClass<TTestForm>("TTestForm", "TTestControl")
        .Enum<TTestPosition>(
            "Position", kPositions, [](TTestForm& f) { return f.Position; },
            [](TTestForm& f, TTestPosition v) { f.Position = v, f.Record("Position"); })
        .Default(poDesigned)
        .Component(
            "ActiveControl", [](TTestForm& f) { return f.ActiveControl; },
            [](TTestForm& f, TComponent* v) { f.ActiveControl = v; })
        .Event<TNotifyEvent>("OnShow", [](TTestForm& f) -> TNotifyEvent& { return f.OnShow; });

    RegisterComponentClass<TTestTimer>("TTestTimer", "TComponent")
        .Integer(
            "Interval", [](TTestTimer& t) { return t.Interval; },
            [](TTestTimer& t, int v) { t.Interval = v; })
        .Default(1000)
        .Boolean(
            "Enabled", [](TTestTimer& t) { return t.Enabled; },
            [](TTestTimer& t, bool v) { t.Enabled = v; })
        .Default(1)
        .Event<TNotifyEvent>("OnTimer", [](TTestTimer& t) -> TNotifyEvent& { return t.OnTimer; });

    RegisterComponentClass<TTestKiller>("TTestKiller", "TComponent")
        .Component(
            "Victim", [](TTestKiller& k) { return k.Victim; },
            [](TTestKiller& k, TComponent* v) { k.Victim = v; });
}

} // namespace

void RegisterTestClasses() {
    static std::once_flag once;
    std::call_once(once, RegisterAll);
}

TTestControl::TTestControl(TComponent* owner) : TComponent(owner) {}

TTestControl::~TTestControl() {
    DestroyComponents();
    for (TTestControl* c : Controls)
        c->Parent = nullptr;
    if (Parent != nullptr)
        Parent->Controls.erase(std::find(Parent->Controls.begin(), Parent->Controls.end(), this));
}

void TTestControl::SetParentComponent(TComponent* parent) {
    auto* p = dynamic_cast<TTestControl*>(parent);
    if (p == Parent)
        return;
    if (Parent != nullptr)
        Parent->Controls.erase(std::find(Parent->Controls.begin(), Parent->Controls.end(), this));
    Parent = p;
    if (p != nullptr)
        p->Controls.push_back(this);
}

void TTestControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    if (this == root) {
        // The root's own controls and its components without parent, in creation order.
        for (int i = 0; i < ComponentCount(); ++i) {
            TComponent* c = Components(i);
            if (!c->HasParent() || c->GetParentComponent() == this)
                proc(c);
        }
        return;
    }
    for (TTestControl* c : Controls)
        if (c->Owner() == root)
            proc(c);
}

void TTestControl::Record(const std::string& property) {
    bool reading = ComponentState().Contains(csReading) && ComponentState().Contains(csLoading);
    TestLog().push_back(Name() + "." + property + (reading ? "" : " (not reading)"));
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FocusControl)
        FocusControl = nullptr;
}

void TTestControl::ReadState(const std::function<void()>& read) {
    TestLog().push_back("{ " + Name());
    read();
    TestLog().push_back("} " + Name());
}

void TTestControl::Loaded() {
    LogLoaded(*this);
    ++LoadedCount;
    TComponent::Loaded();
}

TTestForm::TTestForm(TComponent* owner) : TTestControl(owner) {
    Handlers.Add("FormShow", TNotifyEvent([this](TPersistent* sender) {
                     auto* c = dynamic_cast<TComponent*>(sender);
                     Calls.push_back("FormShow " + (c != nullptr ? c->Name() : std::string("?")));
                 }));
    Handlers.Add("ButtonClick",
                 TNotifyEvent([this](TPersistent*) { Calls.push_back("ButtonClick"); }));
    Handlers.Add("EditKeyPress", TKeyPressEvent([this](TPersistent*, char& key) {
                     Calls.push_back(std::string("EditKeyPress ") + key);
                     key = 0;
                 }));
}

void TTestForm::Notification(TComponent* component, TOperation operation) {
    TTestControl::Notification(component, operation);
    if (operation == opRemove && component == ActiveControl)
        ActiveControl = nullptr;
}

void TTestTimer::Loaded() {
    LogLoaded(*this);
    TComponent::Loaded();
}

void TTestKiller::Loaded() {
    TComponent::Loaded();
    TestLog().push_back("Loaded " + Name());
    if (Victim != nullptr)
        Victim->Free();
    Victim = nullptr;
}
