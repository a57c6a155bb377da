#pragma once

#include "platform/core/Exception.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Named resources compiled into the program. Each resource table belongs to a module (the
// program's own is "main"); a generated source file registers its table at start-up (see
// cmake/EmbedResources.cmake). Names and types compare without regard to case.

// Resource types: bitmaps are stored as DIBs without file header; other files keep their bytes
// and take the upper-case file extension as type ("JPG", "CUR", "ICO"...).
inline constexpr std::string_view RT_BITMAP = "BITMAP";

struct TResourceEntry {
    const char* Name;
    const char* Type;
    const std::uint8_t* Data;
    std::size_t Size;
};

struct TResourceModule {
    std::string Name;
    std::vector<TResourceEntry> Entries;
};

// A module handle: a registered module, or nullptr for the program's own module.
using HMODULE = const TResourceModule*;
using HINSTANCE = HMODULE;

// A name that the module does not hold.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// Called by generated sources: registers (or extends) the module of that name.
void RegisterResourceModule(const char* module, const TResourceEntry* entries, std::size_t count);
// The registered module of that name, or nullptr.
HMODULE FindResourceModule(std::string_view name);
// The program's own module: the one set by SetHInstance, by default the module "main" (an empty
// module when nothing was registered under that name).
HINSTANCE HInstance();
void SetHInstance(HINSTANCE module);
// The bytes of a resource, or nothing. A null module means the program's own module.
std::optional<std::span<const std::uint8_t>> FindResource(HMODULE module, std::string_view name,
                                                          std::string_view type);
// The bytes of a resource; raises EResNotFound("Resource NAME not found") when it is missing.
std::span<const std::uint8_t> LoadResourceData(HMODULE module, std::string_view name,
                                               std::string_view type);
