#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/component/Component.h"

namespace {

// Records what happens to the components of a test: destruction, notifications.
struct TEventLog {
    std::vector<std::string> Events;
    bool Has(const std::string& e) const {
        return std::find(Events.begin(), Events.end(), e) != Events.end();
    }
    int CountOf(const std::string& e) const {
        return int(std::count(Events.begin(), Events.end(), e));
    }
};

class TTracked : public TComponent {
public:
    TTracked(TComponent* owner, TEventLog& log, const std::string& name)
        : TComponent(owner), Log(log) {
        SetName(name);
    }
    ~TTracked() override {
        DestroyComponents(); // owned components go while this one is still whole
        Log.Events.push_back("destroy " + Name() +
                             (ComponentState().Contains(csDestroying) ? "" : " (not marked)"));
        if (Link != nullptr)
            Log.Events.push_back(Name() + " still links " + Link->Name());
    }
    std::string ClassName() const override { return "TTracked"; }

    // A link to a component this one does not own, dropped when it goes.
    void SetLink(TComponent* other) {
        Link = other;
        if (other != nullptr)
            other->FreeNotification(this);
    }

    TComponent* Link = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        Log.Events.push_back(Name() + (operation == opInsert ? " insert " : " remove ") +
                             component->Name());
        if (operation == opRemove && component == Link)
            Link = nullptr;
    }

private:
    TEventLog& Log;
};

class ComponentTest : public ::testing::Test {
protected:
    TEventLog Log;
};

TEST_F(ComponentTest, OwnerDestroysOwnedLastCreatedFirst) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    auto* a = new TTracked(owner.get(), Log, "A");
    new TTracked(owner.get(), Log, "B");
    new TTracked(a, Log, "A1"); // owned by A, destroyed with it
    new TTracked(owner.get(), Log, "C");
    ASSERT_EQ(owner->ComponentCount(), 3);
    Log.Events.clear();
    owner.reset();
    std::vector<std::string> destroyed;
    for (auto& e : Log.Events)
        if (e.rfind("destroy ", 0) == 0)
            destroyed.push_back(e);
    EXPECT_EQ(destroyed, (std::vector<std::string>{"destroy C", "destroy B", "destroy A1",
                                                   "destroy A", "destroy Form"}));
}

TEST_F(ComponentTest, ComponentFreedDirectlyLeavesItsOwnerAndTellsSiblings) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    auto* a = new TTracked(owner.get(), Log, "A");
    auto* b = new TTracked(owner.get(), Log, "B");
    auto* c = new TTracked(owner.get(), Log, "C");
    Log.Events.clear();
    b->Free();
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(owner->Components(1), c);
    EXPECT_EQ(c->ComponentIndex(), 1);
    EXPECT_EQ(Log.CountOf("Form remove B"), 1);
    EXPECT_EQ(Log.CountOf("A remove B"), 1);
    EXPECT_EQ(Log.CountOf("C remove B"), 1);
    delete a; // a plain delete is as safe
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->FindComponent("A"), nullptr);
}

TEST_F(ComponentTest, InsertIsAnnouncedToOwnerAndSiblings) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    auto* a = new TTracked(owner.get(), Log, "A");
    (void)a;
    auto other = MakeComponent<TTracked>(nullptr, Log, "X");
    Log.Events.clear();
    owner->InsertComponent(other.release());
    EXPECT_TRUE(Log.Has("Form insert X"));
    EXPECT_TRUE(Log.Has("A insert X"));
    EXPECT_EQ(owner->ComponentCount(), 2);
}

TEST_F(ComponentTest, MovingToAnotherOwnerRemovesFromTheFirst) {
    auto first = MakeComponent<TTracked>(nullptr, Log, "First");
    auto second = MakeComponent<TTracked>(nullptr, Log, "Second");
    auto* a = new TTracked(first.get(), Log, "A");
    second->InsertComponent(a);
    EXPECT_EQ(first->ComponentCount(), 0);
    EXPECT_EQ(a->Owner(), second.get());
    first.reset();
    EXPECT_FALSE(Log.Has("destroy A"));
    second.reset();
    EXPECT_TRUE(Log.Has("destroy A"));
}

TEST_F(ComponentTest, FreeNotificationDropsTheLinkWhicheverGoesFirst) {
    auto formA = MakeComponent<TTracked>(nullptr, Log, "FormA");
    auto formB = MakeComponent<TTracked>(nullptr, Log, "FormB");
    auto* style = new TTracked(formA.get(), Log, "Style");
    auto* control = new TTracked(formB.get(), Log, "Control");
    control->SetLink(style);
    style->Free();
    EXPECT_EQ(control->Link, nullptr);
    EXPECT_EQ(Log.CountOf("Control remove Style"), 1);

    // The other way round: the listener goes first and the target must not call it later.
    auto* style2 = new TTracked(formA.get(), Log, "Style2");
    auto* control2 = new TTracked(formB.get(), Log, "Control2");
    control2->SetLink(style2);
    control2->Free();
    Log.Events.clear();
    style2->Free(); // would touch the freed listener without the two-way link
    EXPECT_FALSE(Log.Has("Control2 remove Style2"));
}

// A listener that looks at what it is told about, as a link holder may.
class TInspector : public TComponent {
public:
    using TComponent::TComponent;
    std::string Seen;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            Seen = dynamic_cast<TTracked*>(component) != nullptr ? "whole" : "partial";
    }
};

TEST_F(ComponentTest, FreeNotificationComesWhileTheFreedComponentIsWhole) {
    auto inspector = MakeComponent<TInspector>(nullptr);
    auto* target = new TTracked(nullptr, Log, "Target");
    inspector->FreeNotification(target);
    target->Free();
    EXPECT_EQ(inspector->Seen, "whole");
}

TEST_F(ComponentTest, RemoveFreeNotificationStopsTheNotice) {
    auto formA = MakeComponent<TTracked>(nullptr, Log, "FormA");
    auto formB = MakeComponent<TTracked>(nullptr, Log, "FormB");
    auto* target = new TTracked(formA.get(), Log, "Target");
    auto* listener = new TTracked(formB.get(), Log, "Listener");
    target->FreeNotification(listener);
    target->RemoveFreeNotification(listener);
    target->Free();
    EXPECT_FALSE(Log.Has("Listener remove Target"));
}

TEST_F(ComponentTest, SiblingsLinkedToEachOtherAreToldOnceDuringOwnerTeardown) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    auto* a = new TTracked(owner.get(), Log, "A");
    auto* b = new TTracked(owner.get(), Log, "B");
    a->SetLink(b); // B goes first (created last); A must not keep a dangling link
    Log.Events.clear();
    owner.reset();
    EXPECT_EQ(Log.CountOf("A remove B"), 1);
    EXPECT_FALSE(Log.Has("A still links B"));
}

TEST_F(ComponentTest, DestroyingIsMarkedBeforeDerivedDestructors) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    new TTracked(owner.get(), Log, "A");
    auto* b = new TTracked(owner.get(), Log, "B");
    b->Free();
    owner.reset();
    EXPECT_TRUE(Log.Has("destroy A"));
    EXPECT_TRUE(Log.Has("destroy B"));
    EXPECT_TRUE(Log.Has("destroy Form"));
    EXPECT_EQ(Log.CountOf("destroy B (not marked)") + Log.CountOf("destroy A (not marked)"), 0);
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    auto* a = new TTracked(owner.get(), Log, "Edit1");
    auto* b = new TTracked(owner.get(), Log, "");
    EXPECT_THROW(b->SetName("edit1"), EComponentError); // names ignore ASCII case
    for (const char* bad : {"1abc", "a b", "a-b", "名字"})
        EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
    b->SetName("_Edit2");
    EXPECT_EQ(owner->FindComponent("EDIT1"), a);
    EXPECT_EQ(owner->FindComponent("_edit2"), b);
    EXPECT_EQ(owner->FindComponent(""), nullptr);
    a->SetName("Edit1"); // renaming to its own name is fine
    EXPECT_EQ(&owner->FindComponentAs<TTracked>("Edit1"), a);
    EXPECT_THROW(owner->FindComponentAs<TTracked>("Missing"), EComponentError);
    EXPECT_THROW(owner->Components(2), EComponentError);
    EXPECT_THROW(owner->Components(-1), EComponentError);
}

TEST_F(ComponentTest, StateFlagsStartClearAndDesigningIsNeverSet) {
    auto owner = MakeComponent<TTracked>(nullptr, Log, "Form");
    EXPECT_TRUE(owner->ComponentState().Empty());
    EXPECT_FALSE(owner->ComponentState().Contains(csDesigning));
    owner->Updating();
    EXPECT_TRUE(owner->ComponentState().Contains(csUpdating));
    owner->Updated();
    EXPECT_TRUE(owner->ComponentState().Empty());
}

} // namespace
