// Fuzzes the layout lexer and reader with the program's own control classes on the headless
// backend. The roots TFormZuvo and TFormTishi are plain forms offering every handler name of
// the program's two windows. Any violation aborts:
//
// - the lexer ends with a token of the end or an EReadError; its lines never go back, names and
//   strings stay within their limits, and a number reads back from its text;
// - reading raises nothing but EReadError, whose message starts with the file name and line;
// - a layout that reads is written out, and that text reads again and writes out the same;
// - a form that reads can be shown and painted.
#include "app/AppLayouts.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/LayoutLexer.h"
#include "platform/component/LayoutReader.h"
#include "platform/component/LayoutWriter.h"
#include "platform/component/MethodTable.h"
#include "platform/control/Application.h"
#include "platform/control/Form.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what, const std::string& detail = "") {
    if (!condition) {
        std::fprintf(stderr, "fuzz_layout: %s %s\n", what, detail.c_str());
        std::abort();
    }
}

class TFuzzForm : public TForm {
public:
    TFuzzForm(TComponent* owner, std::string className)
        : TForm(owner), FClassName(std::move(className)) {
        for (const char* name : {"FormShow", "fxClick", "kxClick", "xxClick", "Image1Click"})
            FHandlers.Add(name, TNotifyEvent([](TPersistent*) {}));
        for (const char* name : {"djKeyPress", "czlKeyPress", "qjnKeyPress", "hjnKeyPress",
                                 "qnKeyPress", "mbdjKeyPress"})
            FHandlers.Add(name, TKeyPressEvent([](TPersistent*, char&) {}));
    }
    std::string ClassName() const override { return FClassName; }
    const TMethodTable* GetMethodTable() const override { return &FHandlers; }

private:
    std::string FClassName;
    TMethodTable FHandlers;
};

THeadlessBackend* Backend = nullptr;

void Start() {
    Backend = &StartHeadlessWindowSystem();
    new TApplication(); // lives as long as the process
    Application->Initialize();
    RegisterAppControlClasses();
    for (const char* name : {"TFormZuvo", "TFormTishi"})
        TClassRegistry::Global().Register(name, "TForm", [name](TComponent* owner) {
            return static_cast<TComponent*>(new TFuzzForm(owner, name));
        });
}

long long NumberOf(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const bool hex =
        digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
    const unsigned long long magnitude =
        std::strtoull(digits.c_str() + (hex ? 2 : 0), nullptr, hex ? 16 : 10);
    return negative ? (long long)(0 - magnitude) : (long long)magnitude;
}

void CheckLexer(std::string_view text) {
    try {
        TLayoutLexer lexer(text, "fuzz.layout");
        int line = 1;
        while (true) {
            const TLayoutToken t = lexer.Next();
            Require(t.Line >= line, "the lexer's line went back");
            line = t.Line;
            if (t.Kind == ltEnd)
                return;
            if (t.Kind == ltIdent)
                Require(!t.Text.empty() && t.Text.size() <= kMaxLayoutNameLength, "bad name");
            if (t.Kind == ltString)
                Require(t.Text.size() <= kMaxLayoutStringBytes, "string past its limit");
            if (t.Kind == ltNumber)
                Require(NumberOf(t.Text) == t.Number, "number does not read back", t.Text);
        }
    } catch (const EReadError& e) {
        Require(e.Message().rfind("fuzz.layout(", 0) == 0, "message without file", e.Message());
    }
}

// The root a layout gives, or nullptr after a read error.
TComponent* Read(std::string_view text, const char* fileName) {
    try {
        return CreateFromLayout(Application, text, fileName);
    } catch (const EReadError& e) {
        Require(e.Message().rfind(std::string(fileName) + "(", 0) == 0, "message without file",
                e.Message());
    } catch (const std::exception& e) {
        Require(false, "an error other than EReadError:", e.what());
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckLexer(text);
    TComponent* root = Read(text, "fuzz.layout");
    if (root == nullptr)
        return 0;
    const std::string written = WriteLayout(*root);
    if (auto* form = dynamic_cast<TCustomForm*>(root)) {
        form->Show();
        Backend->Pump();
    }
    root->Free();
    Backend->Pump(); // windows destroyed meanwhile are freed
    TComponent* again = Read(written, "written.layout");
    Require(again != nullptr, "a written layout does not read", written);
    const std::string rewritten = WriteLayout(*again);
    again->Free();
    Backend->Pump();
    Require(rewritten == written, "a written layout reads back otherwise", written);
    return 0;
}
