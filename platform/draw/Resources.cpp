#include "platform/draw/Resources.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// Modules live for the whole run; their addresses are the handles.
std::vector<std::unique_ptr<TResourceModule>>& Modules() {
    static std::vector<std::unique_ptr<TResourceModule>> modules;
    return modules;
}

HINSTANCE& CurrentInstance() {
    static HINSTANCE instance = nullptr;
    return instance;
}

TResourceModule* FindOrCreate(std::string_view name) {
    for (auto& m : Modules())
        if (SameText(m->Name, name))
            return m.get();
    Modules().push_back(std::make_unique<TResourceModule>());
    Modules().back()->Name = std::string(name);
    return Modules().back().get();
}

} // namespace

void RegisterResourceModule(const char* module, const TResourceEntry* entries, std::size_t count) {
    TResourceModule* m = FindOrCreate(module ? module : "main");
    m->Entries.insert(m->Entries.end(), entries, entries + count);
}

HMODULE FindResourceModule(std::string_view name) {
    for (auto& m : Modules())
        if (SameText(m->Name, name))
            return m.get();
    return nullptr;
}

HINSTANCE HInstance() {
    if (CurrentInstance())
        return CurrentInstance();
    return FindOrCreate("main");
}

void SetHInstance(HINSTANCE module) {
    CurrentInstance() = module;
}

std::optional<std::span<const std::uint8_t>> FindResource(HMODULE module, std::string_view name,
                                                          std::string_view type) {
    HMODULE m = module ? module : HInstance();
    for (const TResourceEntry& e : m->Entries)
        if (SameText(e.Name, name) && SameText(e.Type, type))
            return std::span<const std::uint8_t>(e.Data, e.Size);
    return std::nullopt;
}

std::span<const std::uint8_t> LoadResourceData(HMODULE module, std::string_view name,
                                               std::string_view type) {
    auto r = FindResource(module, name, type);
    if (!r)
        throw EResNotFound("Resource " + std::string(name) + " not found");
    return *r;
}
