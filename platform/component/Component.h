#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/core/Persistent.h"

class TMethodTable;

// A misuse of a component: an invalid or duplicate name, a missing component.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// The flags of TComponent::ComponentState.
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,    // created from a layout, Loaded not yet called
    csReading = 1u << 1,    // the layout reader is applying its properties
    csWriting = 1u << 2,    // the layout writer is storing it
    csDestroying = 1u << 3, // being destroyed
    csDesigning = 1u << 4,  // in a designer: never set at run time
    csUpdating = 1u << 5,   // between Updating and Updated
};

class TComponentState {
public:
    constexpr TComponentState() = default;
    constexpr bool Contains(TComponentStateFlag flag) const { return (Bits & flag) != 0; }
    constexpr bool Empty() const { return Bits == 0; }
    constexpr void Include(TComponentStateFlag flag) { Bits |= flag; }
    constexpr void Exclude(TComponentStateFlag flag) { Bits &= ~unsigned(flag); }
    constexpr bool operator==(const TComponentState&) const = default;

private:
    unsigned Bits = 0;
};

// What Notification tells about a component.
enum TOperation { opInsert, opRemove };

// A component: a persistent object with an owner, a name and a list of the components it owns.
//
// Ownership. A component created with an owner is owned by it: the owner's list holds it and the
// owner destroys it, last created first, when the owner itself is destroyed. Such a component is
// referenced by plain pointers; never put it in a std::unique_ptr (the owner would free it a
// second time). It may still be destroyed early, with Free() or delete: it then leaves its
// owner's list and everybody concerned is told. A component without owner belongs to whoever
// created it, typically through a TComponentPtr (a std::unique_ptr that frees through Free()).
//
// Destruction, in this order: csDestroying is set and Destroying() runs; every component that
// asked for a free notification gets Notification(this, opRemove); the destructors of the
// derived classes run; the owned components are destroyed, last created first; the component
// leaves its owner, which gets Notification(this, opRemove) and passes it on to the other
// components it owns. Free() (and an owner destroying what it owns) does the first two steps
// while the component is still whole; a plain delete only when the base destructor is reached.
// A derived class whose owned components must go while its own members still exist calls
// DestroyComponents() first thing in its destructor.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    // Destroys the component (see above). Allowed for owned and unowned components alike.
    void Free();

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // A name is empty or an identifier (a letter or '_', then letters, digits or '_') unique
    // among the owner's components (compared without regard to ASCII case).
    virtual void SetName(const std::string& name);

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const;
    // Position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // The owned component of that name (ASCII case ignored), nullptr when there is none.
    TComponent* FindComponent(std::string_view name) const;
    // The owned component of that name and class; raises EComponentError when it is missing or of
    // another class.
    template <class T> T& FindComponentAs(std::string_view name) const {
        TComponent* c = FindComponent(name);
        T* typed = dynamic_cast<T*>(c);
        if (typed == nullptr)
            ThrowMissingComponent(name, c != nullptr);
        return *typed;
    }

    // Takes a component into the owned list (removing it from its previous owner first) and
    // lets a component leave the list without being destroyed.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponentState ComponentState() const { return FState; }

    // Asks to be told (Notification(component, opRemove)) when component is destroyed. The
    // link goes both ways: whichever of the two is destroyed first tells the other, so neither
    // keeps a dangling pointer. Components with the same owner need no link: the owner passes
    // removals on to all it owns.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Marks the component and the components it owns as updating (csUpdating) and back.
    virtual void Updating();
    virtual void Updated();

    // Layout support. A component placed inside another one in a layout gets that one through
    // SetParentComponent right after its creation; GetChildren lists the components stored
    // inside this one (the root lists the owned components that have no parent).
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent) { (void)parent; }
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);

    // The handlers that events read from a layout bind to by name; a form provides its own.
    virtual const TMethodTable* GetMethodTable() const { return nullptr; }
    // The handler name an event property (by path, "OnClick", "Properties.OnChange") was bound
    // to from a layout; empty when none.
    std::string EventHandlerName(const std::string& path) const;
    void SetEventHandlerName(const std::string& path, const std::string& handler);

protected:
    // Called for components entering (opInsert) or leaving (opRemove) the owner's list, for
    // the component's owned components, and for components this one asked to be told about.
    // Overrides call the inherited one.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called once after the component and its layout siblings have been read; clears
    // csLoading. Overrides call the inherited one first.
    virtual void Loaded();
    // Reads the component's part of a layout: read() applies its properties and creates the
    // components placed inside it. An override can act before and after (a memo takes its
    // edit value from the lines it was given); it calls read() exactly once.
    virtual void ReadState(const std::function<void()>& read) { read(); }
    // Called when destruction starts; sets csDestroying on this and the owned components.
    virtual void Destroying();
    // Destroys the owned components, last created first.
    void DestroyComponents();

private:
    friend class TLayoutReader;
    friend class TLayoutWriter;

    void NotifyOwnedOf(TComponent* component, TOperation operation);
    void NotifyFreeNotifies();
    void ValidateRename(const std::string& name) const;
    [[noreturn]] static void ThrowMissingComponent(std::string_view name, bool wrongClass);
    void Include(TComponentStateFlag flag) { FState.Include(flag); }
    void Exclude(TComponentStateFlag flag) { FState.Exclude(flag); }

    bool FDeleting = false;
    TComponent* FOwner = nullptr;
    std::string FName;
    TComponentState FState;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::map<std::string, std::string> FEventHandlerNames;
};

// Frees through TComponent::Free, for unowned components held by std::unique_ptr.
struct TComponentDeleter {
    void operator()(TComponent* component) const { component->Free(); }
};
template <class T> using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

// Creates an unowned component held by its creator.
template <class T, class... A> TComponentPtr<T> MakeComponent(A&&... args) {
    return TComponentPtr<T>(new T(std::forward<A>(args)...));
}

// ASCII case-insensitive comparison, as names are compared in components and layouts.
bool SameText(std::string_view a, std::string_view b);
// An identifier: a letter or '_', then letters, digits or '_'.
bool IsValidIdent(std::string_view name);
