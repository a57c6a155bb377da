#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/component/Collection.h"
#include "platform/component/Component.h"
#include "platform/component/MethodTable.h"
#include "platform/component/NotifyEvent.h"
#include "platform/component/StringList.h"
#include "platform/core/Color.h"

// Stand-ins for fonts, styles, controls and forms, with published properties registered from
// outside the classes, for the layout tests. Every property set on a component while it is read
// and every Loaded call is written to the log.

using TKeyPressEvent = std::function<void(TPersistent* Sender, char& Key)>;

std::vector<std::string>& TestLog();

enum TTestFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum TTestAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TTestAnchor { akLeft, akTop, akRight, akBottom };
enum TTestScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TTestPosition { poDesigned, poDesktopCenter, poMainFormCenter };
enum TTestButtonType { tbMax, tbMin, tbClose, tbHelp, tbControlBox, tbCustom };

class TTestFont : public TPersistent {
public:
    std::string ClassName() const override { return "TTestFont"; }
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clWindowText;
    int Charset = 1;
    std::uint64_t Style = 0;
};

class TTestStyle : public TPersistent {
public:
    std::string ClassName() const override { return "TTestStyle"; }
    TColor Color = clWindow;
    TTestFont Font;
    bool IsFontAssigned = false;
    bool TransparentBorder = true;
};

class TTestConstraints : public TPersistent {
public:
    std::string ClassName() const override { return "TTestConstraints"; }
    int MinWidth = 0;
    int MaxWidth = 0;
};

class TTestProperties : public TPersistent {
public:
    std::string ClassName() const override { return "TTestProperties"; }
    bool ReadOnly = false;
    TTestScrollStyle ScrollBars = ssNone;
    TNotifyEvent OnChange;
};

class TTestButton : public TCollectionItem {
public:
    std::string ClassName() const override { return "TTestButton"; }
    TTestButtonType ButtonType = tbCustom;
    bool Transparent = false;
    int Top = 2;
    std::string PicNormal;
    TNotifyEvent OnClick;
};

class TTestButtons : public TCollectionOf<TTestButton> {
public:
    std::string ClassName() const override { return "TTestButtons"; }
    int Updates = 0;

protected:
    void Update(TCollectionItem*) override { ++Updates; }
};

// A control: a component placed inside a parent control.
class TTestControl : public TComponent {
public:
    explicit TTestControl(TComponent* owner);
    ~TTestControl() override;
    std::string ClassName() const override { return "TTestControl"; }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return Parent; }
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    // Logs "Name.Property" (the reader applies properties in file order).
    void Record(const std::string& property);

    TTestControl* Parent = nullptr;
    std::vector<TTestControl*> Controls;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    TTestAlign Align = alNone;
    std::uint64_t Anchors = (1u << akLeft) | (1u << akTop);
    std::string Caption;
    TColor Color = clBtnFace;
    int Cursor = 0;
    std::string Hint;
    bool Visible = true;
    TTestFont Font;
    TTestStyle Style;
    TTestConstraints Constraints;
    TTestProperties Properties;
    TStringList Lines;
    TTestButtons Buttons;
    std::string Picture;
    TComponent* FocusControl = nullptr;
    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;
    int LoadedCount = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    void ReadState(const std::function<void()>& read) override;
};

// A form: the root of a layout, offering its handlers by name.
class TTestForm : public TTestControl {
public:
    explicit TTestForm(TComponent* owner);
    std::string ClassName() const override { return "TTestForm"; }
    const TMethodTable* GetMethodTable() const override { return &Handlers; }

    TTestPosition Position = poDesigned;
    TComponent* ActiveControl = nullptr;
    TNotifyEvent OnShow;
    std::vector<std::string> Calls; // handler calls: "FormShow Form1"

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMethodTable Handlers;
};

// A component without parent, kept at the root of a layout.
class TTestTimer : public TComponent {
public:
    explicit TTestTimer(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TTestTimer"; }
    int Interval = 1000;
    bool Enabled = true;
    TNotifyEvent OnTimer;

protected:
    void Loaded() override;
};

// Frees the component its Victim property names when it is loaded.
class TTestKiller : public TComponent {
public:
    explicit TTestKiller(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TTestKiller"; }
    TComponent* Victim = nullptr;

protected:
    void Loaded() override;
};

// Registers the classes above once.
void RegisterTestClasses();
