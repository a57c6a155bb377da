#include "platform/component/PropertyInfo.h"

#include "platform/component/Collection.h"
#include "platform/component/Component.h"
#include "platform/component/Strings.h"

bool TPropertyInfo::IsStored(TPersistent& obj) const {
    if (StoredFn && !StoredFn(obj))
        return false;
    if (StoredFn)
        return true;
    switch (Kind) {
    case tkInteger:
    case tkBoolean:
    case tkEnumeration:
    case tkSet:
    case tkColor:
        return !DefaultOrd || GetOrd(obj) != *DefaultOrd;
    case tkString:
        return !DefaultStr || GetStr(obj) != *DefaultStr;
    case tkPicture:
        return DefaultStr ? GetStr(obj) != *DefaultStr : !GetStr(obj).empty();
    case tkClass:
        return GetObj(obj) != nullptr;
    case tkCollection: {
        auto* c = dynamic_cast<TCollection*>(GetObj(obj));
        return c != nullptr && c->Count() > 0;
    }
    case tkStrings: {
        auto* s = dynamic_cast<TStrings*>(GetObj(obj));
        return s != nullptr && s->Count() > 0;
    }
    case tkMethod:
        return HasHandler(obj);
    case tkComponent:
        return GetComp(obj) != nullptr;
    }
    return true;
}

const char* TypeKindName(TTypeKind kind) {
    switch (kind) {
    case tkInteger:
        return "an integer";
    case tkBoolean:
        return "True or False";
    case tkString:
        return "a string";
    case tkEnumeration:
        return "a name";
    case tkSet:
        return "a set";
    case tkColor:
        return "a colour";
    case tkClass:
        return "an object";
    case tkCollection:
        return "a collection";
    case tkStrings:
        return "a list of strings";
    case tkPicture:
        return "a picture";
    case tkMethod:
        return "an event handler";
    case tkComponent:
        return "a component";
    }
    return "a value";
}
