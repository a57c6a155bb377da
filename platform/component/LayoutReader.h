#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/component/Component.h"
#include "platform/component/LayoutLexer.h"

class TClassInfo;
struct TPropertyInfo;

// The layout format (UTF-8 text; strings become GBK in the program):
//
//   object FormZuvo: TFormZuvo            # the root: the form the layout is read into
//     Caption = "Qorvin宠物查询器 beta0.3"  # string, with \r \n \t \" \\ \xHH escapes
//     Position = poDesktopCenter           # enumeration by name
//     Constraints.MinWidth = 130           # property of a nested object
//     Color = clBtnFace                    # colour by name ...
//     BorderColor = 8355711                # ... or by number (0x7F7F7F works too)
//     Font.Style = [fsBold]                # set
//     AutoSize = True                      # boolean
//     Picture = resource "BANNER"          # picture by resource name
//     Lines = (                            # string list, one string per line
//       "测试下"
//     )
//     TitleBarButtons = <                  # collection, one item block per item
//       item
//         ButtonType = suiClose
//       end
//     >
//     ActiveControl = dj                   # link to a component of the layout
//     OnShow = FormShow                    # event bound to a handler of the root, by name
//     object dj: TcxTextEdit               # a component owned by the root; nested blocks
//       ...                                #   are placed inside the enclosing one
//     end
//   end
//
// Reading: every component is created through the class registry, owned by the root, named,
// placed inside the enclosing component (SetParentComponent) and marked csLoading and
// csReading; its properties are applied in file order as they are read, and the components
// inside it are created, all within its ReadState. Links are resolved
// when the whole file has been read. Then csReading is cleared everywhere and Loaded is called
// once on every component in creation order (the root first, then each component before the
// ones inside it, in file order); Loaded clears csLoading. Any fault raises EReadError naming
// the file, the line and the offending word; the components created so far are destroyed and
// the root's flags are cleared. A layout beyond one of the limits above is such a fault.
// Limits on the structure of a layout (the lexer limits its size, names and strings). Objects
// and collection items each count one level of nesting.
inline constexpr int kMaxLayoutDepth = 32;
inline constexpr int kMaxLayoutComponents = 1024;
inline constexpr int kMaxCollectionItems = 1024;
inline constexpr int kMaxStringListLines = 65536;

class TLayoutReader {
public:
    TLayoutReader(std::string_view text, std::string fileName);
    ~TLayoutReader();
    TLayoutReader(const TLayoutReader&) = delete;
    TLayoutReader& operator=(const TLayoutReader&) = delete;

    // Reads the layout into an existing root, whose class must be the one the file names.
    void ReadRoot(TComponent& root);
    // Creates the root named by the file through the registry, owned by owner, and reads it.
    TComponent* CreateRoot(TComponent* owner);
    const TClassInfo* ReadObjectHeading(TLayoutToken& name, TLayoutToken& cls);

private:
    struct TFixup {
        TPersistent* Object;
        const TPropertyInfo* Property;
        std::string Target;
        int Line;
    };
    class TCreatedList;

    void ReadInto(TComponent& root);
    void ReadState(TComponent& component);
    void ReadBody(TComponent& component);
    void ReadChild(TComponent& parent);
    void ReadProperty(TComponent& component, TPersistent& holder, const std::string& eventPrefix);
    void ReadValue(TComponent& component, TPersistent& object, const TPropertyInfo& property,
                   const std::string& eventPath, int line);
    void ReadOrdinal(TPersistent& object, const TPropertyInfo& property, int line);
    void ReadSet(TPersistent& object, const TPropertyInfo& property, int line);
    void ReadStringList(TPersistent& object, const TPropertyInfo& property, int line);
    void ReadCollection(TComponent& component, TPersistent& object, const TPropertyInfo& property,
                        const std::string& eventPath, int line);
    void ReadEvent(TComponent& component, TPersistent& object, const TPropertyInfo& property,
                   const std::string& eventPath, int line);
    void ResolveFixups();
    // Opens one more level of nesting at line; the returned guard closes it.
    class TNestingGuard;
    [[nodiscard]] TNestingGuard Nest(int line);
    void FinishLoading();
    const TClassInfo& ClassOf(const TPersistent& object, int line) const;
    TLayoutToken Expect(TLayoutTokenKind kind, const char* what);
    void ExpectSymbol(char symbol);
    void ExpectWord(const char* word);
    // Runs a setter; its exceptions become EReadError at line.
    template <class F> void Apply(const std::string& name, int line, F&& setter);
    [[noreturn]] void Fail(int line, const std::string& message) const;

    TLayoutLexer FLexer;
    TComponent* FRoot = nullptr;
    std::vector<TComponent*> FLoadOrder;
    std::vector<TFixup> FFixups;
    TCreatedList* FCreated = nullptr;
    int FDepth = 0;
};

// Reads a layout into root (see TLayoutReader).
void ReadLayout(TComponent& root, std::string_view text, const std::string& fileName);
// Reads a layout file into root; a file that cannot be read raises EReadError.
void ReadLayoutFile(TComponent& root, const std::string& path);
// Creates the root a layout names, owned by owner, and reads it.
TComponent* CreateFromLayout(TComponent* owner, std::string_view text, const std::string& fileName);
