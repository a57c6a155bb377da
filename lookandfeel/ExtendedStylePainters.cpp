#include "lookandfeel/ExtendedStylePainters.h"

#include "platform/core/Persistent.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

} // namespace

TcxExtendedStylePainters::TcxExtendedStylePainters() = default;
TcxExtendedStylePainters::~TcxExtendedStylePainters() = default;

bool TcxExtendedStylePainters::Register(const std::string& name,
                                        TcxCustomLookAndFeelPainterClass painter,
                                        std::unique_ptr<TPersistent> data) {
    if (FindInfoByName(name))
        return false;
    auto info = std::make_unique<TcxExtendedStylePainterInfo>();
    info->Name = name;
    info->Painter = painter;
    info->Data = std::move(data);
    FItems.push_back(std::move(info));
    Sort();
    Changed(painter);
    return true;
}

bool TcxExtendedStylePainters::Unregister(const std::string& name) {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [&](const auto& item) { return SameName(item->Name, name); });
    if (it == FItems.end())
        return false;
    std::unique_ptr<TcxExtendedStylePainterInfo> item = std::move(*it);
    FItems.erase(it);
    Changed(item->Painter);
    return true;
}

const TcxExtendedStylePainterInfo*
TcxExtendedStylePainters::FindInfoByName(const std::string& name) const {
    for (const auto& item : FItems) {
        if (SameName(item->Name, name))
            return item.get();
    }
    return nullptr;
}

TcxCustomLookAndFeelPainterClass
TcxExtendedStylePainters::GetPainterByName(const std::string& name) const {
    const TcxExtendedStylePainterInfo* info = FindInfoByName(name);
    return info ? info->Painter : nullptr;
}

std::string
TcxExtendedStylePainters::GetNameByPainter(TcxCustomLookAndFeelPainterClass painter) const {
    for (const auto& item : FItems) {
        if (item->Painter == painter)
            return item->Name;
    }
    return {};
}

TPersistent*
TcxExtendedStylePainters::GetPainterData(TcxCustomLookAndFeelPainterClass painter) const {
    for (const auto& item : FItems) {
        if (item->Painter == painter)
            return item->Data.get();
    }
    return nullptr;
}

void TcxExtendedStylePainters::AddListener(IcxLookAndFeelPainterListener* listener) {
    if (listener && !HasListener(listener))
        FListeners.push_back(listener);
}

void TcxExtendedStylePainters::RemoveListener(IcxLookAndFeelPainterListener* listener) {
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), listener), FListeners.end());
}

bool TcxExtendedStylePainters::HasListener(IcxLookAndFeelPainterListener* listener) const {
    return std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end();
}

void TcxExtendedStylePainters::Changed(TcxCustomLookAndFeelPainterClass painter) {
    // A listener may leave the list while it is told (its skin painter went away).
    for (int i = int(FListeners.size()) - 1; i >= 0; --i) {
        if (i < int(FListeners.size()))
            FListeners[std::size_t(i)]->PainterChanged(painter);
    }
}

// Sorted by name, case-sensitively in the locale's order.
void TcxExtendedStylePainters::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) {
        return std::strcoll(a->Name.c_str(), b->Name.c_str()) < 0;
    });
}
