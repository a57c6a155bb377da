#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/component/Collection.h"
#include "platform/component/Component.h"
#include "platform/component/MethodTable.h"
#include "platform/component/NotifyEvent.h"
#include "platform/component/StringList.h"

// Stand-ins for the program's two windows and their controls (frame, labels, text fields,
// buttons, radio buttons, image, memo), registered under the real class names with the
// properties their layouts set, so that the layout format can be shown to carry both windows
// before the real classes exist. Each stand-in keeps its values by property name and stores a
// value when it has been given one.

using TStandInKeyEvent = std::function<void(TPersistent* Sender, char& Key)>;

struct TStandInValues {
    std::map<std::string, long long> Ordinals;
    std::map<std::string, std::string> Strings;
    std::map<std::string, std::unique_ptr<TPersistent>> Objects;
    std::map<std::string, std::unique_ptr<TStringList>> Lists;
    std::map<std::string, std::unique_ptr<TCollection>> Collections;
    std::map<std::string, TNotifyEvent> Events;
    std::map<std::string, TStandInKeyEvent> KeyEvents;
};

class TStandInObject : public TPersistent {
public:
    explicit TStandInObject(std::string className) : Class(std::move(className)) {}
    std::string ClassName() const override { return Class; }
    std::string Class;
    TStandInValues Values;
};

class TStandInItem : public TCollectionItem {
public:
    explicit TStandInItem(std::string className) : Class(std::move(className)) {}
    std::string ClassName() const override { return Class; }
    std::string Class;
    TStandInValues Values;
};

class TStandInItems : public TCollection {
public:
    explicit TStandInItems(std::string itemClass) : ItemClass(std::move(itemClass)) {}
    TStandInItem* Item(int index) const { return static_cast<TStandInItem*>(Items(index)); }
    std::string ItemClass;

protected:
    std::unique_ptr<TCollectionItem> CreateItem() override {
        return std::make_unique<TStandInItem>(ItemClass);
    }
};

class TStandInComponent : public TComponent {
public:
    TStandInComponent(TComponent* owner, std::string className);
    ~TStandInComponent() override;
    std::string ClassName() const override { return Class; }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return Parent; }
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    const TMethodTable* GetMethodTable() const override { return &Handlers; }

    std::string Class;
    TStandInValues Values;
    TStandInComponent* Parent = nullptr;
    std::vector<TStandInComponent*> Controls;
    TMethodTable Handlers; // a form's handlers: every name records its call in Calls
    std::vector<std::string> Calls;
};

// Registers TFormZuvo, TFormTishi and the control classes of their layouts once.
void RegisterStandIns();
// A form stand-in of that class offering the handler names the layouts bind.
TComponentPtr<TStandInComponent> MakeStandInForm(const std::string& className);
