#pragma once

#include <any>
#include <climits>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/component/Collection.h"
#include "platform/component/Component.h"
#include "platform/component/PropertyInfo.h"
#include "platform/component/Strings.h"
#include "platform/core/Color.h"

// A registered class: its name (as ClassName() gives it), its parent, the factory layouts
// create it with (components only) and its own published properties, in the order the writer
// stores them.
class TClassInfo {
public:
    using TFactory = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(std::string name, const TClassInfo* parent, TFactory factory);

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    const TFactory& Factory() const { return FFactory; }
    bool InheritsFrom(std::string_view className) const;

    // Adds a property; raises EComponentError when the class already declares one of that name.
    // A derived class may declare a property of its parent again (another default, another
    // stored rule): it takes the parent's place.
    TPropertyInfo& AddProperty(TPropertyInfo info);
    // The property of this class or the nearest parent declaring it (ASCII case ignored).
    const TPropertyInfo* FindProperty(std::string_view name) const;
    // Every property, the parents' first, in declaration order.
    std::vector<const TPropertyInfo*> Properties() const;

private:
    std::string FName;
    const TClassInfo* FParent;
    TFactory FFactory;
    std::vector<std::unique_ptr<TPropertyInfo>> FOwn;
};

// The classes layouts can name. Process-wide: classes are registered once at start-up (each
// layer offers a RegisterXxxClasses function; registration in static initialisers of a static
// library would be dropped by the linker). TPersistent, TComponent, TStrings, TStringList,
// TCollection and TCollectionItem are always there.
class TClassRegistry {
public:
    static TClassRegistry& Global();

    // Raises EComponentError for a name registered before or an unknown parent.
    TClassInfo& Register(const std::string& name, const std::string& parentName,
                         TClassInfo::TFactory factory = nullptr);
    const TClassInfo* Find(std::string_view name) const;
    TClassInfo* Find(std::string_view name);
    // The class of an object, by its ClassName(); nullptr when not registered.
    const TClassInfo* ClassOf(const TPersistent& object) const;

private:
    TClassRegistry();
    std::vector<std::unique_ptr<TClassInfo>> FClasses;
};

// Typed registration of the published properties of class T, from outside the class:
//
//   TClassProperties<TMyForm>(info)
//       .Integer("Left", [](TMyForm& f) { return f.Left(); }, [](TMyForm& f, int v) { f.SetLeft(v);
//       }) .Default(0);
//
// Each adder returns the builder; Default and Stored apply to the property added last.
template <class T> class TClassProperties {
public:
    explicit TClassProperties(TClassInfo& info) : FInfo(info) {}
    TClassInfo& Info() const { return FInfo; }

    TClassProperties& Integer(std::string name, std::function<int(T&)> get,
                              std::function<void(T&, int)> set, const TIdentMap* idents = nullptr) {
        TPropertyInfo p = Ordinal(std::move(name), tkInteger, INT_MIN, INT_MAX, idents);
        p.GetOrd = [get](TPersistent& o) { return (long long)get(Cast(o)); };
        p.SetOrd = [set](TPersistent& o, long long v) { set(Cast(o), int(v)); };
        return Added(std::move(p));
    }
    TClassProperties& Boolean(std::string name, std::function<bool(T&)> get,
                              std::function<void(T&, bool)> set) {
        TPropertyInfo p = Ordinal(std::move(name), tkBoolean, 0, 1, nullptr);
        p.GetOrd = [get](TPersistent& o) { return get(Cast(o)) ? 1LL : 0LL; };
        p.SetOrd = [set](TPersistent& o, long long v) { set(Cast(o), v != 0); };
        return Added(std::move(p));
    }
    template <class E>
    TClassProperties& Enum(std::string name, const TIdentMap& idents, std::function<E(T&)> get,
                           std::function<void(T&, E)> set) {
        TPropertyInfo p = Ordinal(std::move(name), tkEnumeration, LLONG_MIN, LLONG_MAX, &idents);
        p.GetOrd = [get](TPersistent& o) { return (long long)get(Cast(o)); };
        p.SetOrd = [set](TPersistent& o, long long v) { set(Cast(o), E(v)); };
        return Added(std::move(p));
    }
    // A set as bits: element i of the ident map (value i) is bit i.
    TClassProperties& Set(std::string name, const TIdentMap& idents,
                          std::function<std::uint64_t(T&)> get,
                          std::function<void(T&, std::uint64_t)> set) {
        TPropertyInfo p = Ordinal(std::move(name), tkSet, LLONG_MIN, LLONG_MAX, &idents);
        p.GetOrd = [get](TPersistent& o) { return (long long)get(Cast(o)); };
        p.SetOrd = [set](TPersistent& o, long long v) { set(Cast(o), std::uint64_t(v)); };
        return Added(std::move(p));
    }
    TClassProperties& Color(std::string name, std::function<TColor(T&)> get,
                            std::function<void(T&, TColor)> set) {
        TPropertyInfo p = Ordinal(std::move(name), tkColor, 0, 0xFFFFFFFFLL, &ColorIdents());
        p.GetOrd = [get](TPersistent& o) { return (long long)get(Cast(o)); };
        p.SetOrd = [set](TPersistent& o, long long v) { set(Cast(o), TColor(v)); };
        return Added(std::move(p));
    }
    TClassProperties& String(std::string name, std::function<std::string(T&)> get,
                             std::function<void(T&, const std::string&)> set) {
        return StringLike(std::move(name), tkString, std::move(get), std::move(set));
    }
    // A picture named by its resource; the empty name is no picture.
    TClassProperties& Picture(std::string name, std::function<std::string(T&)> get,
                              std::function<void(T&, const std::string&)> set) {
        return StringLike(std::move(name), tkPicture, std::move(get), std::move(set));
    }
    // A nested object owned by the holder; its own class's properties apply to it.
    TClassProperties& Object(std::string name, std::function<TPersistent*(T&)> get) {
        return ObjectLike(std::move(name), tkClass, std::move(get));
    }
    TClassProperties& Collection(std::string name, std::function<TCollection*(T&)> get) {
        return ObjectLike(std::move(name), tkCollection,
                          [get](T& o) -> TPersistent* { return get(o); });
    }
    TClassProperties& Strings(std::string name, std::function<TStrings*(T&)> get) {
        return ObjectLike(std::move(name), tkStrings,
                          [get](T& o) -> TPersistent* { return get(o); });
    }
    // An event held as a std::function of type F; access gives the holder's event.
    template <class F> TClassProperties& Event(std::string name, std::function<F&(T&)> access) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = tkMethod;
        p.HasHandler = [access](TPersistent& o) { return bool(access(Cast(o))); };
        p.SetHandler = [access](TPersistent& o, const std::any& handler) {
            access(Cast(o)) = std::any_cast<const F&>(handler);
        };
        return Added(std::move(p));
    }
    // A link to another component of the layout, set once the whole layout has been read.
    TClassProperties& Component(std::string name, std::function<TComponent*(T&)> get,
                                std::function<void(T&, TComponent*)> set) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = tkComponent;
        p.GetComp = [get](TPersistent& o) { return get(Cast(o)); };
        p.SetComp = [set](TPersistent& o, TComponent* c) { set(Cast(o), c); };
        return Added(std::move(p));
    }

    // The default of the property added last (ordinals: numbers, enum values, set bits).
    template <class V>
    requires std::is_integral_v<V> || std::is_enum_v<V> TClassProperties& Default(V value) {
        FLast->DefaultOrd = (long long)value;
        return *this;
    }
    TClassProperties& Default(std::string value) {
        FLast->DefaultStr = std::move(value);
        return *this;
    }
    TClassProperties& Default(const char* value) { return Default(std::string(value)); }
    // The values a layout may give the ordinal property added last; others are refused.
    TClassProperties& Range(long long min, long long max) {
        FLast->MinValue = min;
        FLast->MaxValue = max;
        return *this;
    }
    // The stored rule of the property added last.
    TClassProperties& Stored(std::function<bool(T&)> stored) {
        FLast->StoredFn = [stored](TPersistent& o) { return stored(Cast(o)); };
        return *this;
    }
    template <class B>
    requires std::same_as<B, bool> TClassProperties& Stored(B stored) {
        FLast->StoredFn = [stored](TPersistent&) { return stored; };
        return *this;
    }

private:
    static T& Cast(TPersistent& o) {
        T* typed = dynamic_cast<T*>(&o);
        if (typed == nullptr)
            throw EComponentError("A " + o.ClassName() + " has no property of class " +
                                  typeid(T).name());
        return *typed;
    }
    static TPropertyInfo Ordinal(std::string name, TTypeKind kind, long long min, long long max,
                                 const TIdentMap* idents) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        p.MinValue = min;
        p.MaxValue = max;
        p.Idents = idents;
        return p;
    }
    TClassProperties& StringLike(std::string name, TTypeKind kind,
                                 std::function<std::string(T&)> get,
                                 std::function<void(T&, const std::string&)> set) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        p.GetStr = [get](TPersistent& o) { return get(Cast(o)); };
        p.SetStr = [set](TPersistent& o, const std::string& v) { set(Cast(o), v); };
        return Added(std::move(p));
    }
    TClassProperties& ObjectLike(std::string name, TTypeKind kind,
                                 std::function<TPersistent*(T&)> get) {
        TPropertyInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        p.GetObj = [get](TPersistent& o) { return get(Cast(o)); };
        return Added(std::move(p));
    }
    TClassProperties& Added(TPropertyInfo p) {
        FLast = &FInfo.AddProperty(std::move(p));
        return *this;
    }

    TClassInfo& FInfo;
    TPropertyInfo* FLast = nullptr;
};

// Registers component class T (created as new T(owner)) under name, below parentName.
template <class T>
TClassProperties<T> RegisterComponentClass(const std::string& name, const std::string& parentName) {
    TClassInfo& info = TClassRegistry::Global().Register(
        name, parentName, [](TComponent* owner) -> TComponent* { return new T(owner); });
    return TClassProperties<T>(info);
}

// Registers a persistent class T that exists only inside components (fonts, styles, items).
template <class T>
TClassProperties<T> RegisterPersistentClass(const std::string& name,
                                            const std::string& parentName) {
    return TClassProperties<T>(TClassRegistry::Global().Register(name, parentName));
}

// Whether a class of that name is registered.
bool IsClassRegistered(std::string_view name);
