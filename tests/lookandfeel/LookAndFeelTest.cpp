#include "lookandfeel/LookAndFeel.h"
#include "lookandfeel/ExtendedStylePainters.h"
#include "lookandfeel/FlatLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeelController.h"
#include "lookandfeel/Office11LookAndFeelPainter.h"
#include "lookandfeel/RadioButtonImageList.h"
#include "lookandfeel/StandardLookAndFeelPainter.h"
#include "lookandfeel/UltraFlatLookAndFeelPainter.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/control/WinControl.h"
#include "platform/window/WinApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// What OnChanged reported, one entry per call.
struct TEvents {
    std::vector<TcxLookAndFeelValues> Calls;

    void Watch(TcxLookAndFeel& lf) {
        lf.OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues v) { Calls.push_back(v); };
    }
    void Clear() { Calls.clear(); }
};

// A listener that is not a look-and-feel; it may act while it is told.
class TRecordingListener : public TPersistent, public IcxLookAndFeelNotificationListener {
public:
    std::vector<TcxLookAndFeelValues> Changes;
    int Destroyings = 0;
    std::function<void()> OnTold;

    TPersistent* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues v) override {
        Changes.push_back(v);
        if (OnTold)
            OnTold();
    }
    void MasterLookAndFeelDestroying(TcxLookAndFeel*) override { ++Destroyings; }
};

// A painter standing for a registered skin.
class TTestSkinPainter : public TcxUltraFlatLookAndFeelPainter {
public:
    static TcxCustomLookAndFeelPainterClass Class() {
        static const TTestSkinPainter cls;
        return &cls;
    }
    const char* ClassName() const override { return "TTestSkinPainter"; }
};

// The root is process-wide: every test leaves it as it found it.
class LookAndFeelTest : public ::testing::Test {
protected:
    TcxLookAndFeel& Root() { return *RootLookAndFeel(); }

    void TearDown() override {
        cxUseSkins = true;
        Root().Reset();
        TcxExtendedStylePainters& skins = *GetExtendedStylePainters();
        while (skins.Count() > 0)
            skins.Unregister(skins.Items(0).Name);
        EXPECT_EQ(Root().Kind(), lfUltraFlat);
    }
};

TEST_F(LookAndFeelTest, AFreshObjectResolvesToTheRootDefaults) {
    TcxLookAndFeel lf(nullptr);
    EXPECT_EQ(lf.Kind(), lfUltraFlat);
    EXPECT_FALSE(lf.NativeStyle());
    EXPECT_EQ(lf.SkinName(), "");
    EXPECT_TRUE(lf.AssignedValues().Empty());
    EXPECT_EQ(lf.GetActiveStyle(), lfsUltraFlat);
    EXPECT_EQ(lf.Painter(), TcxUltraFlatLookAndFeelPainter::Class());
    EXPECT_EQ(lf.GetMasterLookAndFeel(), &Root());
    EXPECT_TRUE(Root().IsRoot());
    EXPECT_EQ(Root().GetMasterLookAndFeel(), nullptr);
}

TEST_F(LookAndFeelTest, ARootKindChangeReachesOnlyTheObjectsThatDoNotSetTheKind) {
    TcxLookAndFeel free(nullptr), own(nullptr), style(nullptr), control(nullptr);
    own.SetKind(lfStandard);
    control.SetMasterLookAndFeel(&style); // control -> style -> root
    TEvents freeEvents, ownEvents, styleEvents, controlEvents;
    freeEvents.Watch(free);
    ownEvents.Watch(own);
    styleEvents.Watch(style);
    controlEvents.Watch(control);

    Root().SetKind(lfFlat);

    const std::vector<TcxLookAndFeelValues> once{{lfvKind}};
    EXPECT_EQ(freeEvents.Calls, once);
    EXPECT_EQ(styleEvents.Calls, once);
    EXPECT_EQ(controlEvents.Calls, once);
    EXPECT_TRUE(ownEvents.Calls.empty());
    EXPECT_EQ(control.Kind(), lfFlat);
    EXPECT_EQ(control.Painter(), TcxFlatLookAndFeelPainter::Class());
    EXPECT_EQ(own.Kind(), lfStandard);
    EXPECT_EQ(own.Painter(), TcxStandardLookAndFeelPainter::Class());
}

TEST_F(LookAndFeelTest, SettingTheResolvedValueMarksItAssignedWithoutAnEvent) {
    TcxLookAndFeel lf(nullptr);
    TEvents events;
    events.Watch(lf);
    lf.SetKind(lfUltraFlat);
    EXPECT_TRUE(events.Calls.empty());
    EXPECT_EQ(lf.AssignedValues(), TcxLookAndFeelValues{lfvKind});

    Root().SetKind(lfOffice11);
    EXPECT_TRUE(events.Calls.empty());
    EXPECT_EQ(lf.Kind(), lfUltraFlat);
}

TEST_F(LookAndFeelTest, ResetReturnsToTheMastersValuesWithOneEvent) {
    TcxLookAndFeel master(nullptr), lf(nullptr);
    master.SetKind(lfOffice11);
    lf.SetMasterLookAndFeel(&master);
    lf.SetKind(lfStandard);
    lf.SetNativeStyle(false); // equal to the inherited value: assigned, no change
    TEvents events;
    events.Watch(lf);

    lf.Reset();

    EXPECT_EQ(events.Calls, std::vector<TcxLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(lf.Kind(), lfOffice11);
    EXPECT_TRUE(lf.AssignedValues().Empty());
    lf.Reset();
    EXPECT_EQ(events.Calls.size(), 1u);
}

TEST_F(LookAndFeelTest, SetStyleTurnsNativeStyleOnOrSetsTheKind) {
    TcxLookAndFeel lf(nullptr);
    lf.SetKind(lfFlat);
    TEvents events;
    events.Watch(lf);

    lf.SetStyle(lfsNative);
    EXPECT_TRUE(lf.NativeStyle());
    EXPECT_EQ(lf.Kind(), lfFlat);
    EXPECT_EQ(events.Calls, std::vector<TcxLookAndFeelValues>{{lfvNativeStyle}});
    // No visual styles on this desktop: the kind's look is used and reported.
    EXPECT_EQ(lf.GetActiveStyle(), lfsFlat);
    EXPECT_EQ(lf.Painter(), TcxFlatLookAndFeelPainter::Class());
    EXPECT_EQ(lf.GetAvailablePainter(totButton), TcxFlatLookAndFeelPainter::Class());

    events.Clear();
    lf.SetStyle(lfsOffice11);
    EXPECT_FALSE(lf.NativeStyle());
    EXPECT_EQ(lf.Kind(), lfOffice11);
    EXPECT_EQ(events.Calls, (std::vector<TcxLookAndFeelValues>{{lfvNativeStyle}, {lfvKind}}));
    EXPECT_EQ(lf.GetActiveStyle(), lfsOffice11);
    EXPECT_EQ(lf.Painter(), TcxOffice11LookAndFeelPainter::Class());
}

TEST_F(LookAndFeelTest, AnExplicitPainterOverridesTheResolvedOne) {
    TcxLookAndFeel lf(nullptr);
    TEvents events;
    events.Watch(lf);
    lf.SetPainter(TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(lf.Painter(), TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(events.Calls, (std::vector<TcxLookAndFeelValues>{{lfvKind, lfvNativeStyle}}));
    lf.SetPainter(TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(events.Calls.size(), 1u);
    // The settings still resolve as before; only the painter is overridden.
    Root().SetKind(lfFlat);
    EXPECT_EQ(lf.Kind(), lfFlat);
    EXPECT_EQ(lf.Painter(), TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(lf.GetAvailablePainter(), TcxFlatLookAndFeelPainter::Class());
    lf.SetPainter(nullptr);
    EXPECT_EQ(lf.Painter(), TcxFlatLookAndFeelPainter::Class());
}

TEST_F(LookAndFeelTest, AListenerThatLeavesWhileToldDoesNotMakeTheNextOneBeSkipped) {
    TcxLookAndFeel master(nullptr);
    TRecordingListener first, second, third;
    for (auto* l : {&first, &second, &third})
        master.AddChangeListener(l);
    master.AddChangeListener(&second); // no duplicate
    EXPECT_EQ(master.ChangeListenerCount(), 3);
    first.OnTold = [&] { master.RemoveChangeListener(&first); };

    master.SetKind(lfStandard);

    EXPECT_EQ(first.Changes.size(), 1u);
    EXPECT_EQ(second.Changes, std::vector<TcxLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(third.Changes, std::vector<TcxLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(master.ChangeListenerCount(), 2);
    master.RemoveChangeListener(&second);
    master.RemoveChangeListener(&third);
}

TEST_F(LookAndFeelTest, ASlaveWhoseMasterIsDestroyedFallsBackToTheRoot) {
    TcxLookAndFeel lf(nullptr);
    TEvents events;
    events.Watch(lf);
    TRecordingListener other;
    {
        TcxLookAndFeel master(nullptr);
        master.SetKind(lfStandard);
        master.AddChangeListener(&other);
        lf.SetMasterLookAndFeel(&master);
        EXPECT_EQ(lf.Kind(), lfStandard);
        events.Clear();
    }
    EXPECT_EQ(events.Calls, std::vector<TcxLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(other.Destroyings, 1);
    EXPECT_EQ(lf.GetMasterLookAndFeel(), &Root());
    EXPECT_EQ(lf.Kind(), lfUltraFlat);
    Root().SetKind(lfFlat);
    EXPECT_EQ(lf.Kind(), lfFlat);
}

TEST_F(LookAndFeelTest, MasterRequestsThatWouldMakeNoSenseAreIgnored) {
    TcxLookAndFeel a(nullptr), b(nullptr);
    b.SetMasterLookAndFeel(&a);
    TEvents events;
    events.Watch(a);

    a.SetMasterLookAndFeel(&a);
    a.SetMasterLookAndFeel(&b); // b takes its values from a: a circle
    Root().SetMasterLookAndFeel(&a);
    a.SetMasterLookAndFeel(&Root()); // the root already is the master

    EXPECT_EQ(a.GetMasterLookAndFeel(), &Root());
    EXPECT_EQ(Root().GetMasterLookAndFeel(), nullptr);
    EXPECT_TRUE(events.Calls.empty());
    Root().SetKind(lfStandard);
    EXPECT_EQ(b.Kind(), lfStandard);
}

TEST_F(LookAndFeelTest, AssignCopiesTheValuesAndTheMasterAndReportsTheChangeOnce) {
    TcxLookAndFeel master(nullptr), source(nullptr), target(nullptr);
    master.SetKind(lfFlat);
    source.SetMasterLookAndFeel(&master);
    source.SetNativeStyle(true);
    TEvents events;
    events.Watch(target);

    EXPECT_TRUE(target.Assign(source));

    EXPECT_EQ(target.GetMasterLookAndFeel(), &master);
    EXPECT_EQ(target.AssignedValues(), TcxLookAndFeelValues{lfvNativeStyle});
    EXPECT_EQ(target.Kind(), lfFlat);
    EXPECT_TRUE(target.NativeStyle());
    EXPECT_EQ(events.Calls, (std::vector<TcxLookAndFeelValues>{{lfvKind, lfvNativeStyle}}));
    TRecordingListener notALookAndFeel;
    EXPECT_FALSE(target.Assign(notALookAndFeel));
}

TEST_F(LookAndFeelTest, NotifyChangedReachesEveryLookAndFeelBelowWithTheEmptySet) {
    TcxLookAndFeel top(nullptr), middle(nullptr), bottom(nullptr);
    middle.SetMasterLookAndFeel(&top);
    bottom.SetMasterLookAndFeel(&middle);
    TRecordingListener plain;
    top.AddChangeListener(&plain);
    TEvents topEvents, bottomEvents;
    topEvents.Watch(top);
    bottomEvents.Watch(bottom);

    top.NotifyChanged();

    EXPECT_EQ(topEvents.Calls, std::vector<TcxLookAndFeelValues>{{}});
    EXPECT_EQ(bottomEvents.Calls, std::vector<TcxLookAndFeelValues>{{}});
    EXPECT_TRUE(plain.Changes.empty());
    top.RemoveChangeListener(&plain);
}

TEST_F(LookAndFeelTest, ControllersEditTheRootAndTheLastOneLeavingResetsIt) {
    TcxLookAndFeel lf(nullptr);
    auto first = MakeComponent<TcxLookAndFeelController>(nullptr);
    auto second = MakeComponent<TcxLookAndFeelController>(nullptr);
    EXPECT_EQ(LookAndFeelControllerCount(), 2);
    // Only the root takes controllers.
    lf.AddChangeListener(first.get());
    EXPECT_EQ(lf.ChangeListenerCount(), 0);

    first->SetKind(lfFlat);
    second->SetNativeStyle(true);
    EXPECT_EQ(Root().Kind(), lfFlat);
    EXPECT_EQ(second->Kind(), lfFlat);
    EXPECT_EQ(lf.Kind(), lfFlat);

    first.reset();
    EXPECT_EQ(Root().Kind(), lfFlat);
    TEvents events;
    events.Watch(lf);
    second.reset();
    EXPECT_EQ(LookAndFeelControllerCount(), 0);
    EXPECT_EQ(Root().Kind(), lfUltraFlat);
    EXPECT_FALSE(Root().NativeStyle());
    EXPECT_TRUE(Root().AssignedValues().Empty());
    EXPECT_EQ(events.Calls, (std::vector<TcxLookAndFeelValues>{{lfvKind, lfvNativeStyle}}));
}

TEST_F(LookAndFeelTest, ARegisteredSkinNameSelectsItsPainterUnlessSkinsAreOffOrNativeStyleIsOn) {
    TcxExtendedStylePainters& skins = *GetExtendedStylePainters();
    TcxLookAndFeel lf(nullptr);
    lf.SetSkinName("Caramel");
    EXPECT_EQ(lf.SkinPainter(), nullptr); // not registered yet
    TEvents events;
    events.Watch(lf);

    EXPECT_TRUE(skins.Register("caramel", TTestSkinPainter::Class()));
    EXPECT_FALSE(skins.Register("CARAMEL", TcxFlatLookAndFeelPainter::Class()));
    // Registration alone reaches only look-and-feels that use a skin painter already.
    EXPECT_TRUE(events.Calls.empty());
    lf.Refresh();
    EXPECT_EQ(lf.Painter(), TTestSkinPainter::Class());

    cxUseSkins = false;
    lf.Refresh();
    EXPECT_EQ(lf.Painter(), TcxUltraFlatLookAndFeelPainter::Class());
    cxUseSkins = true;
    lf.SetNativeStyle(true);
    EXPECT_EQ(lf.SkinPainter(), nullptr);
    lf.SetNativeStyle(false);
    EXPECT_EQ(lf.Painter(), TTestSkinPainter::Class());

    // Taking the skin away tells the look-and-feel that uses it.
    events.Clear();
    EXPECT_TRUE(skins.Unregister("Caramel"));
    EXPECT_EQ(events.Calls, std::vector<TcxLookAndFeelValues>{TcxLookAndFeelValues::All()});
    EXPECT_EQ(lf.Painter(), TcxUltraFlatLookAndFeelPainter::Class());
    EXPECT_FALSE(skins.Unregister("Caramel"));
}

TEST_F(LookAndFeelTest, TheSkinRegistryKeepsItsItemsSortedByName) {
    TcxExtendedStylePainters& skins = *GetExtendedStylePainters();
    ASSERT_TRUE(skins.Register("Lilian", TTestSkinPainter::Class()));
    ASSERT_TRUE(skins.Register("Black", TcxFlatLookAndFeelPainter::Class()));
    ASSERT_TRUE(skins.Register("Coffee", TcxStandardLookAndFeelPainter::Class()));
    ASSERT_EQ(skins.Count(), 3);
    EXPECT_EQ(skins.Items(0).Name, "Black");
    EXPECT_EQ(skins.Items(1).Name, "Coffee");
    EXPECT_EQ(skins.Items(2).Name, "Lilian");
    EXPECT_EQ(skins.GetPainterByName("coffee"), TcxStandardLookAndFeelPainter::Class());
    EXPECT_EQ(skins.GetNameByPainter(TTestSkinPainter::Class()), "Lilian");
}

TEST_F(LookAndFeelTest, ARootSkinReachesTheObjectsBelowIt) {
    TcxExtendedStylePainters& skins = *GetExtendedStylePainters();
    ASSERT_TRUE(skins.Register("Caramel", TTestSkinPainter::Class()));
    TcxLookAndFeel lf(nullptr);
    TEvents events;
    events.Watch(lf);
    Root().SetSkinName("Caramel");
    EXPECT_EQ(events.Calls, std::vector<TcxLookAndFeelValues>{{lfvSkinName}});
    EXPECT_EQ(lf.SkinName(), "Caramel");
    EXPECT_EQ(lf.Painter(), TTestSkinPainter::Class());
}

// --- With a window system ------------------------------------------------------------------

class LookAndFeelDesktopTest : public LookAndFeelTest {
protected:
    void SetUp() override { StartHeadlessWindowSystem(); }
    void TearDown() override {
        const auto& defaults = TColorScheme::Defaults();
        std::vector<int> indices;
        for (int i = 0; i < COLOR_COUNT; ++i)
            indices.push_back(i);
        SetSysColors(COLOR_COUNT, indices.data(), defaults.data());
        ShutdownWindowSystem();
        LookAndFeelTest::TearDown();
    }
};

TEST_F(LookAndFeelDesktopTest, ASystemColourChangeRendersTheGlyphsBeforeAnyLookAndFeelReports) {
    TcxLookAndFeel a(nullptr), b(nullptr);
    b.SetMasterLookAndFeel(&a);
    TcxRadioButtonImageList& glyphs = TcxRadioButtonImageList::Instance();
    const int rendered = glyphs.RenderCount();
    std::vector<std::pair<TcxLookAndFeelValues, int>> seen;
    for (TcxLookAndFeel* lf : {&a, &b})
        lf->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues v) {
            seen.push_back({v, glyphs.RenderCount()});
        };

    const int index = COLOR_BTNFACE;
    const TColor white = clWhite;
    ASSERT_TRUE(SetSysColors(1, &index, &white));

    // Each object reports its own notifier's change; b also hears a's, as a slave does.
    ASSERT_GE(seen.size(), 2u);
    for (const auto& [values, renders] : seen) {
        EXPECT_EQ(values, TcxLookAndFeelValues{lfvNativeStyle});
        EXPECT_EQ(renders, rendered + 1);
    }
}

// A windowed control that owns a look-and-feel.
class TLookAndFeelHost : public TWinControl, public IcxLookAndFeelContainer {
public:
    explicit TLookAndFeelHost(TComponent* owner) : TWinControl(owner), FLookAndFeel(this) {}
    TcxLookAndFeel* GetLookAndFeel() override { return &FLookAndFeel; }

private:
    TcxLookAndFeel FLookAndFeel;
};

TEST_F(LookAndFeelDesktopTest, SetControlLookAndFeelWalksEveryWindowedControlBelow) {
    auto top = MakeComponent<TLookAndFeelHost>(nullptr);
    auto* plain = new TWinControl(top.get());
    plain->SetParent(top.get());
    auto* inner = new TLookAndFeelHost(top.get());
    inner->SetParent(plain);
    TcxLookAndFeel master(nullptr);
    master.SetKind(lfOffice11);

    SetControlLookAndFeel(top.get(), &master);
    EXPECT_EQ(top->GetLookAndFeel()->GetMasterLookAndFeel(), &master);
    EXPECT_EQ(inner->GetLookAndFeel()->Kind(), lfOffice11);

    SetControlLookAndFeel(top.get(), lfStandard, true);
    EXPECT_EQ(inner->GetLookAndFeel()->Kind(), lfStandard);
    EXPECT_TRUE(inner->GetLookAndFeel()->NativeStyle());
    EXPECT_EQ(inner->GetLookAndFeel()->AssignedValues(),
              (TcxLookAndFeelValues{lfvKind, lfvNativeStyle}));
}

} // namespace
