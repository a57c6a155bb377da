#include "platform/component/ClassRegistry.h"

#include "platform/component/StringList.h"

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TFactory factory)
    : FName(std::move(name)), FParent(parent), FFactory(std::move(factory)) {}

bool TClassInfo::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->FParent)
        if (SameText(c->FName, className))
            return true;
    return false;
}

TPropertyInfo& TClassInfo::AddProperty(TPropertyInfo info) {
    for (auto& p : FOwn)
        if (SameText(p->Name, info.Name))
            throw EComponentError("Class " + FName + " already has a property " + info.Name);
    FOwn.push_back(std::make_unique<TPropertyInfo>(std::move(info)));
    return *FOwn.back();
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->FParent)
        for (auto& p : c->FOwn)
            if (SameText(p->Name, name))
                return p.get();
    return nullptr;
}

std::vector<const TPropertyInfo*> TClassInfo::Properties() const {
    std::vector<const TPropertyInfo*> list =
        FParent != nullptr ? FParent->Properties() : std::vector<const TPropertyInfo*>{};
    for (auto& p : FOwn) {
        bool replaced = false;
        for (auto& slot : list)
            if (SameText(slot->Name, p->Name)) {
                slot = p.get();
                replaced = true;
            }
        if (!replaced)
            list.push_back(p.get());
    }
    return list;
}

TClassRegistry::TClassRegistry() {
    auto add = [this](const char* name, const TClassInfo* parent) {
        FClasses.push_back(std::make_unique<TClassInfo>(name, parent, nullptr));
        return FClasses.back().get();
    };
    TClassInfo* persistent = add("TPersistent", nullptr);
    add("TComponent", persistent);
    TClassInfo* strings = add("TStrings", persistent);
    add("TStringList", strings);
    add("TCollection", persistent);
    add("TCollectionItem", persistent);
}

TClassRegistry& TClassRegistry::Global() {
    static TClassRegistry registry;
    return registry;
}

TClassInfo& TClassRegistry::Register(const std::string& name, const std::string& parentName,
                                     TClassInfo::TFactory factory) {
    if (!IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid class name");
    if (Find(name) != nullptr)
        throw EComponentError("Class " + name + " is already registered");
    const TClassInfo* parent = Find(parentName);
    if (parent == nullptr)
        throw EComponentError("Class " + name + " derives from the unregistered class " +
                              parentName);
    if (factory && !parent->InheritsFrom("TComponent"))
        throw EComponentError("Class " + name + " has a factory but is no component");
    FClasses.push_back(std::make_unique<TClassInfo>(name, parent, std::move(factory)));
    return *FClasses.back();
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
    for (auto& c : FClasses)
        if (SameText(c->Name(), name))
            return c.get();
    return nullptr;
}

TClassInfo* TClassRegistry::Find(std::string_view name) {
    for (auto& c : FClasses)
        if (SameText(c->Name(), name))
            return c.get();
    return nullptr;
}

const TClassInfo* TClassRegistry::ClassOf(const TPersistent& object) const {
    return Find(object.ClassName());
}

bool IsClassRegistered(std::string_view name) {
    return TClassRegistry::Global().Find(name) != nullptr;
}
