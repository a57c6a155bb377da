#include "platform/component/Collection.h"

#include <algorithm>

int TCollectionItem::Index() const {
    if (FCollection == nullptr)
        return -1;
    auto& items = FCollection->FItems;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == this)
            return int(i);
    return -1;
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection != nullptr)
        FCollection->Changed(allItems ? nullptr : this);
}

TCollection::~TCollection() {
    // Items go last first, like everything owned.
    while (!FItems.empty())
        FItems.pop_back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        IndexError(index);
    return FItems[std::size_t(index)].get();
}

std::unique_ptr<TCollectionItem> TCollection::CreateItem() {
    return std::make_unique<TCollectionItem>();
}

TCollectionItem* TCollection::Add() {
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        IndexError(index);
    std::unique_ptr<TCollectionItem> item = CreateItem();
    if (!item)
        throw ECollectionError(ClassName() + " created no item");
    item->FCollection = this;
    TCollectionItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    Changed();
    return raw;
}

void TCollection::Delete(int index) {
    if (index < 0 || index >= Count())
        IndexError(index);
    std::unique_ptr<TCollectionItem> item = std::move(FItems[std::size_t(index)]);
    FItems.erase(FItems.begin() + index);
    item->FCollection = nullptr;
    item.reset();
    Changed();
}

void TCollection::Clear() {
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TCollection::Move(int from, int to) {
    if (from < 0 || from >= Count())
        IndexError(from);
    if (to < 0 || to >= Count())
        IndexError(to);
    if (from == to)
        return;
    std::unique_ptr<TCollectionItem> item = std::move(FItems[std::size_t(from)]);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, std::move(item));
    Changed();
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && FPendingChange) {
        FPendingChange = false;
        Update(nullptr);
    }
}

void TCollection::Changed(TCollectionItem* item) {
    if (FUpdateCount > 0) {
        FPendingChange = true;
        return;
    }
    Update(item);
}

bool TCollection::Assign(const TPersistent& source) {
    auto* other = dynamic_cast<const TCollection*>(&source);
    if (other == nullptr)
        return false;
    if (other == this)
        return true;
    BeginUpdate();
    Clear();
    for (const auto& src : other->FItems) {
        TCollectionItem* item = Add();
        if (!item->Assign(*src)) {
            EndUpdate();
            throw ECollectionError("Cannot assign a " + src->ClassName() + " to a " +
                                   item->ClassName());
        }
    }
    EndUpdate();
    return true;
}

void TCollection::IndexError(int index) {
    throw ECollectionError("List index out of bounds (" + std::to_string(index) + ")");
}
