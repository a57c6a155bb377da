#include "platform/component/LayoutWriter.h"

#include <fstream>

#include "platform/component/ClassRegistry.h"
#include "platform/core/Gbk.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned char b) {
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 15];
}

std::string OrdinalText(const TPropertyInfo& p, long long value, const TComponent& holder) {
    if (p.Kind == tkBoolean)
        return value != 0 ? "True" : "False";
    if (p.Kind == tkSet) {
        std::string text = "[";
        for (int bit = 0; bit < 64; ++bit) {
            if ((static_cast<unsigned long long>(value) & (1ull << bit)) == 0)
                continue;
            const std::string* name = p.Idents != nullptr ? p.Idents->NameOf(bit) : nullptr;
            if (name == nullptr)
                throw EComponentError(holder.Name() + "." + p.Name + " holds set element " +
                                      std::to_string(bit) + ", which has no name");
            if (text.size() > 1)
                text += ", ";
            text += *name;
        }
        return text + "]";
    }
    const std::string* name = p.Idents != nullptr ? p.Idents->NameOf(value) : nullptr;
    if (name != nullptr)
        return *name;
    if (p.Kind == tkEnumeration)
        throw EComponentError(holder.Name() + "." + p.Name + " holds value " +
                              std::to_string(value) + ", which has no name");
    return std::to_string(value);
}

} // namespace

std::string QuoteLayoutString(const std::string& gbk) {
    std::string out = "\"";
    for (const TGbkChar& ch : GbkDecode(gbk)) {
        if (ch.Length == 2) {
            if (ch.Code == 0xFFFD) {
                AppendHexByte(out, static_cast<unsigned char>(gbk[ch.Offset]));
                AppendHexByte(out, static_cast<unsigned char>(gbk[ch.Offset + 1]));
            } else {
                out += GbkToUtf8(std::string_view(gbk).substr(ch.Offset, 2));
            }
            continue;
        }
        unsigned char b = static_cast<unsigned char>(gbk[ch.Offset]);
        switch (b) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (b < 0x20 || b >= 0x7F)
                AppendHexByte(out, b);
            else
                out += char(b);
        }
    }
    return out + "\"";
}

TLayoutWriter::TLayoutWriter(TComponent& root) : FRoot(root) {}

std::string TLayoutWriter::Write() {
    FOut.clear();
    WriteComponent(FRoot, 0);
    return FOut;
}

void TLayoutWriter::Line(int depth, const std::string& text) {
    FOut.append(std::size_t(depth) * 2, ' ');
    FOut += text;
    FOut += '\n';
}

void TLayoutWriter::WriteComponent(TComponent& component, int depth) {
    if (component.Name().empty())
        throw EComponentError("A component of class " + component.ClassName() +
                              " has no name and cannot be written");
    component.Include(csWriting);
    try {
        Line(depth, "object " + component.Name() + ": " + component.ClassName());
        WriteProperties(component, component, "", "", depth + 1);
        std::vector<TComponent*> children;
        component.GetChildren([&](TComponent* c) { children.push_back(c); }, &FRoot);
        for (TComponent* c : children)
            WriteComponent(*c, depth + 1);
        Line(depth, "end");
    } catch (...) {
        component.Exclude(csWriting);
        throw;
    }
    component.Exclude(csWriting);
}

void TLayoutWriter::WriteProperties(TComponent& component, TPersistent& object,
                                    const std::string& prefix, const std::string& eventPrefix,
                                    int depth) {
    const TClassInfo* info = TClassRegistry::Global().ClassOf(object);
    if (info == nullptr)
        throw EComponentError("Class " + object.ClassName() + " is not registered");
    for (const TPropertyInfo* p : info->Properties())
        WriteProperty(component, object, *p, prefix, eventPrefix, depth);
}

void TLayoutWriter::WriteProperty(TComponent& component, TPersistent& object,
                                  const TPropertyInfo& p, const std::string& prefix,
                                  const std::string& eventPrefix, int depth) {
    const std::string name = prefix + p.Name;
    if (p.Kind == tkMethod) {
        std::string handler = component.EventHandlerName(eventPrefix + name);
        if (!handler.empty() && p.IsStored(object))
            Line(depth, name + " = " + handler);
        return;
    }
    if (!p.IsStored(object))
        return;
    switch (p.Kind) {
    case tkInteger:
    case tkBoolean:
    case tkEnumeration:
    case tkSet:
    case tkColor:
        Line(depth, name + " = " + OrdinalText(p, p.GetOrd(object), component));
        return;
    case tkString:
        Line(depth, name + " = " + QuoteLayoutString(p.GetStr(object)));
        return;
    case tkPicture:
        Line(depth, name + " = resource " + QuoteLayoutString(p.GetStr(object)));
        return;
    case tkClass:
        if (TPersistent* inner = p.GetObj(object))
            WriteProperties(component, *inner, name + ".", eventPrefix, depth);
        return;
    case tkStrings: {
        auto* strings = dynamic_cast<TStrings*>(p.GetObj(object));
        if (strings == nullptr || strings->Count() == 0) {
            Line(depth, name + " = ()");
            return;
        }
        Line(depth, name + " = (");
        for (int i = 0; i < strings->Count(); ++i)
            Line(depth + 1, QuoteLayoutString(strings->Strings(i)));
        Line(depth, ")");
        return;
    }
    case tkCollection: {
        auto* collection = dynamic_cast<TCollection*>(p.GetObj(object));
        if (collection == nullptr || collection->Count() == 0) {
            Line(depth, name + " = <>");
            return;
        }
        Line(depth, name + " = <");
        for (int i = 0; i < collection->Count(); ++i) {
            Line(depth + 1, "item");
            std::string itemPrefix = eventPrefix + name + "[" + std::to_string(i) + "].";
            WriteProperties(component, *collection->Items(i), "", itemPrefix, depth + 2);
            Line(depth + 1, "end");
        }
        Line(depth, ">");
        return;
    }
    case tkComponent: {
        TComponent* target = p.GetComp(object);
        if (target != nullptr &&
            (target == &FRoot || (target->Owner() == &FRoot && !target->Name().empty())))
            Line(depth, name + " = " + target->Name());
        return;
    }
    case tkMethod:
        return;
    }
}

std::string WriteLayout(TComponent& root) {
    return TLayoutWriter(root).Write();
}

void WriteLayoutFile(TComponent& root, const std::string& path) {
    std::string text = WriteLayout(root);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EComponentError("Cannot write the layout file " + path);
    out << text;
    if (!out)
        throw EComponentError("Cannot write the layout file " + path);
}
