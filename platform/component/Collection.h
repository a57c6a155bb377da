#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/core/Persistent.h"

class TCollection;

// An index outside a collection, or an item of the wrong class.
class ECollectionError : public Exception {
public:
    using Exception::Exception;
};

// One item of a collection (a title-bar button, a title-bar section). The collection owns it.
class TCollectionItem : public TPersistent {
public:
    TCollectionItem() = default;
    ~TCollectionItem() override = default;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    std::string ClassName() const override { return "TCollectionItem"; }

    TCollection* Collection() const { return FCollection; }
    // Position in the collection, -1 outside one.
    int Index() const;

protected:
    // Tells the collection that this item changed (or, with allItems, that the whole
    // collection did).
    void Changed(bool allItems = false);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
};

// An ordered list of items of one class, created by the collection itself (CreateItem).
// Changes reach Update(item) (nullptr: the whole collection), held back while an update is open
// and then reported once for the whole collection.
class TCollection : public TPersistent {
public:
    TCollection() = default;
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    std::string ClassName() const override { return "TCollection"; }

    int Count() const { return int(FItems.size()); }
    TCollectionItem* Items(int index) const;
    // Appends a new item made by CreateItem and returns it.
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    // Moves an item to another position.
    void Move(int from, int to);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items by copies of the source collection's items (each copied with Assign).
    bool Assign(const TPersistent& source) override;

protected:
    // The new, empty item of the collection's class.
    virtual std::unique_ptr<TCollectionItem> CreateItem();
    // A change of one item, or of the collection (nullptr).
    virtual void Update(TCollectionItem* item) { (void)item; }
    void Changed(TCollectionItem* item = nullptr);
    [[noreturn]] static void IndexError(int index);

private:
    friend class TCollectionItem;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FUpdateCount = 0;
    bool FPendingChange = false;
};

// A collection whose items are all of class Item.
template <class Item> class TCollectionOf : public TCollection {
public:
    Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
    Item* Add() { return static_cast<Item*>(TCollection::Add()); }

protected:
    std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<Item>(); }
};
