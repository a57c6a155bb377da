#include "platform/component/LayoutReader.h"

#include <algorithm>
#include <fstream>

#include "platform/component/ClassRegistry.h"
#include "platform/component/MethodTable.h"

// The components the reader created, forgotten as soon as one is destroyed some other way, so
// that a failed read can destroy what is left.
class TLayoutReader::TCreatedList : public TComponent {
public:
    TCreatedList() : TComponent(nullptr) {}
    void Add(TComponent* c) {
        List.push_back(c);
        FreeNotification(c);
    }
    void DestroyAll() {
        while (!List.empty()) {
            TComponent* c = List.back();
            List.pop_back();
            RemoveFreeNotification(c);
            c->Free();
        }
    }
    bool Contains(TComponent* c) const {
        return std::find(List.begin(), List.end(), c) != List.end();
    }
    void Forget() {
        for (TComponent* c : List)
            RemoveFreeNotification(c);
        List.clear();
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            List.erase(std::remove(List.begin(), List.end(), component), List.end());
    }

private:
    std::vector<TComponent*> List;
};

class TLayoutReader::TNestingGuard {
public:
    explicit TNestingGuard(int& depth) : FDepth(depth) { ++FDepth; }
    ~TNestingGuard() { --FDepth; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    int& FDepth;
};

TLayoutReader::TNestingGuard TLayoutReader::Nest(int line) {
    if (FDepth >= kMaxLayoutDepth)
        Fail(line, "Layout nested deeper than " + std::to_string(kMaxLayoutDepth) + " levels");
    return TNestingGuard(FDepth);
}

TLayoutReader::TLayoutReader(std::string_view text, std::string fileName)
    : FLexer(text, std::move(fileName)) {}

TLayoutReader::~TLayoutReader() {
    delete FCreated;
}

void TLayoutReader::Fail(int line, const std::string& message) const {
    FLexer.Fail(line, message);
}

template <class F> void TLayoutReader::Apply(const std::string& name, int line, F&& setter) {
    try {
        setter();
    } catch (const EReadError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(line, "Cannot set " + name + ": " + e.what());
    }
}

TLayoutToken TLayoutReader::Expect(TLayoutTokenKind kind, const char* what) {
    TLayoutToken t = FLexer.Next();
    if (t.Kind != kind)
        Fail(t.Line, std::string(what) + " expected instead of " + t.Describe());
    return t;
}

void TLayoutReader::ExpectSymbol(char symbol) {
    TLayoutToken t = FLexer.Next();
    if (!t.IsSymbol(symbol))
        Fail(t.Line, std::string("'") + symbol + "' expected instead of " + t.Describe());
}

void TLayoutReader::ExpectWord(const char* word) {
    TLayoutToken t = FLexer.Next();
    if (!t.IsWord(word))
        Fail(t.Line, std::string("\"") + word + "\" expected instead of " + t.Describe());
}

const TClassInfo& TLayoutReader::ClassOf(const TPersistent& object, int line) const {
    const TClassInfo* info = TClassRegistry::Global().ClassOf(object);
    if (info == nullptr)
        Fail(line, "Class " + object.ClassName() + " is not registered");
    return *info;
}

void TLayoutReader::ReadRoot(TComponent& root) {
    ExpectWord("object");
    TLayoutToken name = Expect(ltIdent, "A component name");
    ExpectSymbol(':');
    TLayoutToken cls = Expect(ltIdent, "A class name");
    if (!SameText(cls.Text, root.ClassName()))
        Fail(cls.Line, "The layout is for class " + cls.Text + ", not " + root.ClassName());
    Apply("Name", name.Line, [&] { root.SetName(name.Text); });
    ReadInto(root);
}

// "object Name: TClass": the class must be registered and creatable.
const TClassInfo* TLayoutReader::ReadObjectHeading(TLayoutToken& name, TLayoutToken& cls) {
    ExpectWord("object");
    name = Expect(ltIdent, "A component name");
    ExpectSymbol(':');
    cls = Expect(ltIdent, "A class name");
    const TClassInfo* info = TClassRegistry::Global().Find(cls.Text);
    if (info == nullptr)
        Fail(cls.Line, "Unknown class " + cls.Text);
    if (!info->Factory())
        Fail(cls.Line, "Class " + cls.Text + " cannot be created from a layout");
    return info;
}

TComponent* TLayoutReader::CreateRoot(TComponent* owner) {
    TLayoutToken name, cls;
    const TClassInfo* info = ReadObjectHeading(name, cls);
    TComponent* root = nullptr;
    Apply(cls.Text, cls.Line, [&] { root = info->Factory()(owner); });
    if (root == nullptr)
        Fail(cls.Line, "Class " + cls.Text + " created no component");
    TComponentPtr<TComponent> guard(root);
    if (!SameText(root->ClassName(), info->Name()))
        Fail(cls.Line, "Class " + info->Name() + " creates objects of class " + root->ClassName());
    Apply("Name", name.Line, [&] { root->SetName(name.Text); });
    ReadInto(*root);
    return guard.release();
}

void TLayoutReader::ReadInto(TComponent& root) {
    FRoot = &root;
    delete FCreated;
    FCreated = new TCreatedList();
    root.Include(csLoading);
    root.Include(csReading);
    FLoadOrder.assign(1, &root);
    try {
        ReadState(root);
        TLayoutToken rest = FLexer.Next();
        if (rest.Kind != ltEnd)
            Fail(rest.Line, "Text after the end of the layout: " + rest.Describe());
        ResolveFixups();
    } catch (...) {
        FCreated->DestroyAll();
        root.Exclude(csReading);
        root.Exclude(csLoading);
        throw;
    }
    FinishLoading();
    FCreated->Forget();
}

void TLayoutReader::FinishLoading() {
    // A Loaded override may destroy components of the layout: only live ones are visited.
    auto alive = [this](TComponent* c) { return c == FRoot || FCreated->Contains(c); };
    for (TComponent* c : FLoadOrder)
        c->Exclude(csReading);
    try {
        for (TComponent* c : FLoadOrder)
            if (alive(c)) {
                c->Loaded();
                if (alive(c))
                    c->Exclude(csLoading); // even when an override forgot the inherited call
            }
    } catch (...) {
        for (TComponent* c : FLoadOrder)
            if (alive(c))
                c->Exclude(csLoading);
        FCreated->Forget();
        throw;
    }
}

void TLayoutReader::ReadBody(TComponent& component) {
    while (true) {
        const TLayoutToken& t = FLexer.Peek();
        if (t.IsWord("end"))
            return;
        if (t.IsWord("object")) {
            ReadChild(component);
        } else if (t.Kind == ltIdent) {
            ReadProperty(component, component, "");
        } else {
            Fail(t.Line, "A property, \"object\" or \"end\" expected instead of " + t.Describe());
        }
    }
}

void TLayoutReader::ReadChild(TComponent& parent) {
    const TNestingGuard nesting = Nest(FLexer.Peek().Line);
    if (int(FLoadOrder.size()) > kMaxLayoutComponents)
        Fail(FLexer.Peek().Line,
             "More than " + std::to_string(kMaxLayoutComponents) + " components in the layout");
    TLayoutToken name, cls;
    const TClassInfo* info = ReadObjectHeading(name, cls);
    TComponent* c = nullptr;
    Apply(cls.Text, cls.Line, [&] { c = info->Factory()(FRoot); });
    if (c == nullptr)
        Fail(cls.Line, "Class " + cls.Text + " created no component");
    FCreated->Add(c);
    if (!SameText(c->ClassName(), info->Name()))
        Fail(cls.Line, "Class " + info->Name() + " creates objects of class " + c->ClassName());
    c->Include(csLoading);
    c->Include(csReading);
    if (FRoot->FindComponent(name.Text) != nullptr)
        Fail(name.Line, "A component named " + name.Text + " already exists");
    Apply("Name", name.Line, [&] { c->SetName(name.Text); });
    Apply(name.Text, name.Line, [&] { c->SetParentComponent(&parent); });
    if (&parent != FRoot && c->GetParentComponent() != &parent)
        Fail(name.Line, "Component " + name.Text + " (" + cls.Text + ") cannot be placed inside " +
                            parent.Name());
    FLoadOrder.push_back(c);
    ReadState(*c);
}

void TLayoutReader::ReadState(TComponent& component) {
    bool read = false;
    component.ReadState([&] {
        if (read)
            throw EComponentError("ReadState of " + component.Name() + " read twice");
        read = true;
        ReadBody(component);
        ExpectWord("end");
    });
    if (!read)
        Fail(FLexer.Peek().Line, "Component " + component.Name() + " did not read its part");
}

void TLayoutReader::ReadProperty(TComponent& component, TPersistent& holder,
                                 const std::string& eventPrefix) {
    TLayoutToken first = Expect(ltIdent, "A property name");
    int line = first.Line;
    std::string path = first.Text;
    TPersistent* object = &holder;
    const TPropertyInfo* property = ClassOf(*object, line).FindProperty(first.Text);
    if (property == nullptr)
        Fail(line, "Unknown property " + first.Text + " of class " + object->ClassName());
    std::string written = property->Name;
    while (FLexer.Peek().IsSymbol('.')) {
        FLexer.Next();
        TLayoutToken part = Expect(ltIdent, "A property name");
        if (property->Kind != tkClass)
            Fail(part.Line, "Property " + written + " has no properties (it is not an object)");
        TPersistent* inner = property->GetObj(*object);
        if (inner == nullptr)
            Fail(part.Line, "Property " + written + " holds no object");
        object = inner;
        property = ClassOf(*object, part.Line).FindProperty(part.Text);
        if (property == nullptr)
            Fail(part.Line, "Unknown property " + part.Text + " of class " + object->ClassName() +
                                " (in " + written + "." + part.Text + ")");
        written += "." + property->Name;
    }
    ExpectSymbol('=');
    ReadValue(component, *object, *property, eventPrefix + written, line);
}

void TLayoutReader::ReadValue(TComponent& component, TPersistent& object,
                              const TPropertyInfo& property, const std::string& eventPath,
                              int line) {
    switch (property.Kind) {
    case tkInteger:
    case tkBoolean:
    case tkEnumeration:
    case tkColor:
        ReadOrdinal(object, property, line);
        return;
    case tkSet:
        ReadSet(object, property, line);
        return;
    case tkString: {
        TLayoutToken t = FLexer.Next();
        if (t.Kind != ltString)
            Fail(t.Line,
                 "Bad value " + t.Describe() + " for " + property.Name + ": a string expected");
        Apply(property.Name, t.Line, [&] { property.SetStr(object, t.Text); });
        return;
    }
    case tkPicture: {
        TLayoutToken t = FLexer.Next();
        if (!t.IsWord("resource"))
            Fail(t.Line, "Bad value " + t.Describe() + " for " + property.Name +
                             ": resource \"NAME\" expected");
        TLayoutToken name = Expect(ltString, "A resource name");
        Apply(property.Name, name.Line, [&] { property.SetStr(object, name.Text); });
        return;
    }
    case tkClass:
        Fail(line, "Property " + property.Name + " is an object: set its properties (" +
                       property.Name + ".Name = ...)");
    case tkCollection:
        ReadCollection(component, object, property, eventPath, line);
        return;
    case tkStrings:
        ReadStringList(object, property, line);
        return;
    case tkMethod:
        ReadEvent(component, object, property, eventPath, line);
        return;
    case tkComponent: {
        TLayoutToken t = FLexer.Next();
        if (t.Kind != ltIdent)
            Fail(t.Line, "Bad value " + t.Describe() + " for " + property.Name +
                             ": a component name expected");
        FFixups.push_back(TFixup{&object, &property, t.Text, t.Line});
        return;
    }
    }
}

void TLayoutReader::ReadOrdinal(TPersistent& object, const TPropertyInfo& property, int line) {
    (void)line;
    TLayoutToken t = FLexer.Next();
    long long value = 0;
    bool ok = false;
    if (t.Kind == ltNumber) {
        ok = property.Kind == tkInteger || property.Kind == tkColor;
        value = t.Number;
    } else if (t.Kind == ltIdent) {
        if (property.Kind == tkBoolean) {
            ok = SameText(t.Text, "True") || SameText(t.Text, "False");
            value = SameText(t.Text, "True") ? 1 : 0;
        } else if (property.Idents != nullptr) {
            ok = property.Idents->ValueOf(t.Text, value);
        }
    }
    if (!ok) {
        std::string expected = TypeKindName(property.Kind);
        if (property.Kind == tkEnumeration && property.Idents != nullptr &&
            property.Idents->Count() <= 12) {
            expected = "one of ";
            for (int i = 0; i < property.Idents->Count(); ++i)
                expected += (i > 0 ? ", " : "") + property.Idents->Entry(i).first;
        }
        Fail(t.Line,
             "Bad value " + t.Describe() + " for " + property.Name + ": " + expected + " expected");
    }
    if (value < property.MinValue || value > property.MaxValue)
        Fail(t.Line, "Value " + t.Describe() + " out of range for " + property.Name);
    Apply(property.Name, t.Line, [&] { property.SetOrd(object, value); });
}

void TLayoutReader::ReadSet(TPersistent& object, const TPropertyInfo& property, int line) {
    (void)line;
    TLayoutToken open = FLexer.Next();
    if (!open.IsSymbol('['))
        Fail(open.Line,
             "Bad value " + open.Describe() + " for " + property.Name + ": a set [...] expected");
    unsigned long long bits = 0;
    if (FLexer.Peek().IsSymbol(']')) {
        FLexer.Next();
    } else {
        while (true) {
            TLayoutToken e = Expect(ltIdent, "A set element");
            long long bit = 0;
            if (property.Idents == nullptr || !property.Idents->ValueOf(e.Text, bit) || bit < 0 ||
                bit > 63)
                Fail(e.Line, "Bad set element " + e.Text + " for " + property.Name);
            bits |= 1ull << bit;
            TLayoutToken sep = FLexer.Next();
            if (sep.IsSymbol(']'))
                break;
            if (!sep.IsSymbol(','))
                Fail(sep.Line, "',' or ']' expected instead of " + sep.Describe());
        }
    }
    Apply(property.Name, open.Line, [&] { property.SetOrd(object, (long long)bits); });
}

void TLayoutReader::ReadStringList(TPersistent& object, const TPropertyInfo& property, int line) {
    TLayoutToken open = FLexer.Next();
    if (!open.IsSymbol('('))
        Fail(open.Line, "Bad value " + open.Describe() + " for " + property.Name +
                            ": a list ( \"line\" ... ) expected");
    auto* strings = dynamic_cast<TStrings*>(property.GetObj(object));
    if (strings == nullptr)
        Fail(line, "Property " + property.Name + " holds no string list");
    std::vector<std::string> lines;
    while (true) {
        TLayoutToken t = FLexer.Next();
        if (t.IsSymbol(')'))
            break;
        if (t.Kind != ltString)
            Fail(t.Line,
                 "A string or ')' expected in " + property.Name + " instead of " + t.Describe());
        if (int(lines.size()) >= kMaxStringListLines)
            Fail(t.Line,
                 "More than " + std::to_string(kMaxStringListLines) + " lines in " + property.Name);
        lines.push_back(t.Text);
    }
    Apply(property.Name, line, [&] {
        strings->BeginUpdate();
        try {
            strings->Clear();
            for (auto& l : lines)
                strings->Add(l);
        } catch (...) {
            strings->EndUpdate();
            throw;
        }
        strings->EndUpdate();
    });
}

void TLayoutReader::ReadCollection(TComponent& component, TPersistent& object,
                                   const TPropertyInfo& property, const std::string& eventPath,
                                   int line) {
    TLayoutToken open = FLexer.Next();
    if (!open.IsSymbol('<'))
        Fail(open.Line, "Bad value " + open.Describe() + " for " + property.Name +
                            ": a collection < item ... end > expected");
    auto* collection = dynamic_cast<TCollection*>(property.GetObj(object));
    if (collection == nullptr)
        Fail(line, "Property " + property.Name + " holds no collection");
    collection->BeginUpdate();
    try {
        Apply(property.Name, line, [&] { collection->Clear(); });
        while (true) {
            TLayoutToken t = FLexer.Next();
            if (t.IsSymbol('>'))
                break;
            if (!t.IsWord("item"))
                Fail(t.Line, "\"item\" or '>' expected in " + property.Name + " instead of " +
                                 t.Describe());
            if (collection->Count() >= kMaxCollectionItems)
                Fail(t.Line, "More than " + std::to_string(kMaxCollectionItems) + " items in " +
                                 property.Name);
            const TNestingGuard nesting = Nest(t.Line);
            TCollectionItem* item = nullptr;
            Apply(property.Name, t.Line, [&] { item = collection->Add(); });
            std::string prefix = eventPath + "[" + std::to_string(item->Index()) + "].";
            while (!FLexer.Peek().IsWord("end"))
                ReadProperty(component, *item, prefix);
            FLexer.Next();
        }
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    Apply(property.Name, line, [&] { collection->EndUpdate(); });
}

void TLayoutReader::ReadEvent(TComponent& component, TPersistent& object,
                              const TPropertyInfo& property, const std::string& eventPath,
                              int line) {
    (void)line;
    TLayoutToken t = FLexer.Next();
    if (t.Kind != ltIdent)
        Fail(t.Line,
             "Bad value " + t.Describe() + " for " + property.Name + ": a handler name expected");
    const TMethodTable* table = FRoot->GetMethodTable();
    const std::any* handler = table != nullptr ? table->Find(t.Text) : nullptr;
    if (handler == nullptr)
        Fail(t.Line, "Unknown handler " + t.Text + " for " + property.Name + " (" +
                         FRoot->ClassName() + " has no such handler)");
    try {
        property.SetHandler(object, *handler);
    } catch (const std::bad_any_cast&) {
        Fail(t.Line, "Handler " + t.Text + " does not fit event " + property.Name);
    } catch (const std::exception& e) {
        Fail(t.Line, "Cannot set " + property.Name + ": " + e.what());
    }
    component.SetEventHandlerName(eventPath, t.Text);
}

void TLayoutReader::ResolveFixups() {
    for (auto& f : FFixups) {
        TComponent* target =
            SameText(f.Target, FRoot->Name()) ? FRoot : FRoot->FindComponent(f.Target);
        if (target == nullptr)
            Fail(f.Line, "Unknown component " + f.Target + " for " + f.Property->Name);
        Apply(f.Property->Name, f.Line, [&] { f.Property->SetComp(*f.Object, target); });
    }
    FFixups.clear();
}

void ReadLayout(TComponent& root, std::string_view text, const std::string& fileName) {
    TLayoutReader reader(text, fileName);
    reader.ReadRoot(root);
}

namespace {

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EReadError(path, 0, "Cannot open the layout file");
    // One byte more than a layout may hold is enough to refuse it (the lexer does).
    std::string text(kMaxLayoutBytes + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad())
        throw EReadError(path, 0, "Cannot read the layout file");
    text.resize(std::size_t(in.gcount()));
    return text;
}

} // namespace

void ReadLayoutFile(TComponent& root, const std::string& path) {
    std::string text = ReadFileText(path);
    ReadLayout(root, text, path);
}

TComponent* CreateFromLayout(TComponent* owner, std::string_view text,
                             const std::string& fileName) {
    TLayoutReader reader(text, fileName);
    return reader.CreateRoot(owner);
}
