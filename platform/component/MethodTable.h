#pragma once

#include <any>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/component/Component.h"

// The event handlers a form offers to its layout, by name ("FormShow", "fxClick"). Each handler
// is stored as the event type it fits (a TNotifyEvent, a key-press event...); a layout binding
// a handler to an event of another type is an error.
class TMethodTable {
public:
    template <class F> void Add(std::string name, F handler) {
        for (auto& entry : Entries)
            if (SameText(entry.first, name)) {
                entry.second = std::any(std::move(handler));
                return;
            }
        Entries.emplace_back(std::move(name), std::any(std::move(handler)));
    }
    const std::any* Find(std::string_view name) const {
        for (auto& entry : Entries)
            if (SameText(entry.first, name))
                return &entry.second;
        return nullptr;
    }
    int Count() const { return int(Entries.size()); }

private:
    std::vector<std::pair<std::string, std::any>> Entries;
};
