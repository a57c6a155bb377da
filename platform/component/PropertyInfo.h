#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/component/IdentMap.h"
#include "platform/core/Persistent.h"

class TComponent;

// The kinds of published properties a layout can carry.
enum TTypeKind {
    tkInteger,     // a number, optionally named through an ident map (charsets, cursors)
    tkBoolean,     // True / False
    tkString,      // "text"
    tkEnumeration, // a name of the ident map
    tkSet,         // [name, name]: bit i set for the element whose value is i
    tkColor,       // a colour name or a number
    tkClass,       // a nested persistent object owned by the holder (Font, Style, Constraints)
    tkCollection,  // items of a collection
    tkStrings,     // lines of a string list
    tkPicture,     // a picture given by resource name
    tkMethod,      // an event, bound to a handler of the root by name
    tkComponent,   // a link to another component of the same layout, by name
};

// One published property of a class: how to read and write it, and when the writer stores it.
// The accessors take the object as a TPersistent; TClassProperties<T> builds them from typed
// lambdas.
struct TPropertyInfo {
    std::string Name;
    TTypeKind Kind = tkInteger;
    const TIdentMap* Idents = nullptr;
    long long MinValue = 0;
    long long MaxValue = 0;

    // tkInteger, tkBoolean, tkEnumeration, tkSet, tkColor
    std::function<long long(TPersistent&)> GetOrd;
    std::function<void(TPersistent&, long long)> SetOrd;
    // tkString, tkPicture
    std::function<std::string(TPersistent&)> GetStr;
    std::function<void(TPersistent&, const std::string&)> SetStr;
    // tkClass, tkCollection, tkStrings: the object the holder owns
    std::function<TPersistent*(TPersistent&)> GetObj;
    // tkMethod
    std::function<bool(TPersistent&)> HasHandler;
    std::function<void(TPersistent&, const std::any&)> SetHandler;
    // tkComponent
    std::function<TComponent*(TPersistent&)> GetComp;
    std::function<void(TPersistent&, TComponent*)> SetComp;

    // The "stored" rule. Without one, a value equal to the default is not stored; without
    // default either, scalars are always stored, pictures when named, string lists and
    // collections when not empty, links when set, events when bound by name.
    std::function<bool(TPersistent&)> StoredFn;
    std::optional<long long> DefaultOrd;
    std::optional<std::string> DefaultStr;

    bool IsOrdinal() const {
        return Kind == tkInteger || Kind == tkBoolean || Kind == tkEnumeration || Kind == tkSet ||
               Kind == tkColor;
    }
    // Whether the writer stores the property of obj (events: whether a handler is assigned).
    bool IsStored(TPersistent& obj) const;
};

const char* TypeKindName(TTypeKind kind);
