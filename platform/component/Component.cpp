#include "platform/component/Component.h"

#include <algorithm>

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

void EraseOne(std::vector<TComponent*>& list, TComponent* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

} // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

bool IsValidIdent(std::string_view name) {
    if (name.empty())
        return false;
    auto alpha = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (!alpha(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    FDeleting = true;
    if (!FState.Contains(csDestroying))
        Destroying();
    NotifyFreeNotifies();
    DestroyComponents();
    if (FOwner != nullptr)
        FOwner->RemoveComponent(this);
}

void TComponent::Free() {
    if (FDeleting)
        return; // already on its way out
    FDeleting = true;
    Destroying();
    NotifyFreeNotifies(); // while the component is still whole
    delete this;
}

void TComponent::NotifyFreeNotifies() {
    // Those sharing our owner (and the owner itself) hear it from the owner when we leave it.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseOne(other->FFreeNotifies, this);
        bool toldByOwner = FOwner != nullptr && (other == FOwner || other->FOwner == FOwner);
        if (!toldByOwner)
            other->Notification(this, opRemove);
    }
}

void TComponent::Destroying() {
    if (FState.Contains(csDestroying))
        return;
    FState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        if (last->FDeleting)
            RemoveComponent(last); // its destructor is already running further up the stack
        else
            last->Free();
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EComponentError("Component index out of bounds (" + std::to_string(index) + ")");
    return FComponents[std::size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (FOwner == nullptr)
        return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name))
            return c;
    return nullptr;
}

void TComponent::ThrowMissingComponent(std::string_view name, bool wrongClass) {
    std::string n(name);
    if (wrongClass)
        throw EComponentError("Component " + n + " is not of the expected class");
    throw EComponentError("Component " + n + " not found");
}

void TComponent::ValidateRename(const std::string& name) const {
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (FOwner != nullptr && !name.empty()) {
        TComponent* other = FOwner->FindComponent(name);
        if (other != nullptr && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
}

void TComponent::SetName(const std::string& name) {
    if (name == FName)
        return;
    ValidateRename(name);
    FName = name;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->FOwner == this)
        return;
    if (component == this)
        throw EComponentError("A component cannot own itself");
    if (!component->FName.empty() && FindComponent(component->FName) != nullptr)
        throw EComponentError("A component named " + component->FName + " already exists");
    if (component->FOwner != nullptr)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
    NotifyOwnedOf(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component == nullptr || component->FOwner != this)
        return;
    EraseOne(FComponents, component);
    component->FOwner = nullptr;
    Notification(component, opRemove);
    NotifyOwnedOf(component, opRemove);
}

void TComponent::NotifyOwnedOf(TComponent* component, TOperation operation) {
    // Index-based: a handler may take components out of the list.
    for (std::size_t i = 0; i < FComponents.size(); ++i)
        if (FComponents[i] != component)
            FComponents[i]->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (component == nullptr)
        return;
    EraseOne(FFreeNotifies, component);
    EraseOne(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove)
        EraseOne(FFreeNotifies, component);
}

void TComponent::Loaded() {
    FState.Exclude(csLoading);
}

void TComponent::Updating() {
    FState.Include(csUpdating);
}

void TComponent::Updated() {
    FState.Exclude(csUpdating);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    if (root != this)
        return;
    for (std::size_t i = 0; i < FComponents.size(); ++i)
        if (!FComponents[i]->HasParent())
            proc(FComponents[i]);
}

std::string TComponent::EventHandlerName(const std::string& path) const {
    auto it = FEventHandlerNames.find(path);
    return it == FEventHandlerNames.end() ? std::string() : it->second;
}

void TComponent::SetEventHandlerName(const std::string& path, const std::string& handler) {
    if (handler.empty())
        FEventHandlerNames.erase(path);
    else
        FEventHandlerNames[path] = handler;
}
