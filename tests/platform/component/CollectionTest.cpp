#include <gtest/gtest.h>

#include "platform/component/Collection.h"

namespace {

class TItem : public TCollectionItem {
public:
    std::string ClassName() const override { return "TItem"; }
    bool Assign(const TPersistent& source) override {
        auto* other = dynamic_cast<const TItem*>(&source);
        if (other == nullptr)
            return false;
        SetValue(other->Value);
        return true;
    }
    void SetValue(int v) {
        if (v == Value)
            return;
        Value = v;
        Changed();
    }
    int Value = 0;
};

class TItems : public TCollectionOf<TItem> {
public:
    std::vector<int> Updates; // index of the changed item, -1 for the whole collection

protected:
    void Update(TCollectionItem* item) override {
        Updates.push_back(item != nullptr ? item->Index() : -1);
    }
};

TEST(CollectionTest, ItemsKnowTheirPlaceAndReportChanges) {
    TItems items;
    TItem* a = items.Add();
    TItem* b = items.Add();
    EXPECT_EQ(a->Collection(), &items);
    EXPECT_EQ(b->Index(), 1);
    items.Updates.clear();
    b->SetValue(5);
    EXPECT_EQ(items.Updates, std::vector<int>{1});
    items.Move(1, 0);
    EXPECT_EQ(b->Index(), 0);
    items.Delete(1);
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(items.Items(0), b);
    EXPECT_THROW(items.Items(1), ECollectionError);
    EXPECT_THROW(items.Delete(-1), ECollectionError);
}

TEST(CollectionTest, AssignCopiesItemsAndReportsOnce) {
    TItems source;
    source.Add()->SetValue(1);
    source.Add()->SetValue(2);
    TItems target;
    target.Add()->SetValue(9);
    target.Updates.clear();
    EXPECT_TRUE(target.Assign(source));
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Items(0)->Value, 1);
    EXPECT_EQ(target.Items(1)->Value, 2);
    EXPECT_NE(target.Items(0), source.Items(0));
    EXPECT_EQ(target.Updates, std::vector<int>{-1});
}

} // namespace
