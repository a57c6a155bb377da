#include "editors/MouseTracking.h"
#include "platform/control/CustomControl.h"
#include "tests/platform/control/ControlTestFixture.h"

#include <functional>

namespace {

class TLeaveProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Leaves = 0;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSELEAVE)
            ++Leaves;
        TCustomControl::WndProc(m);
    }
};

class TCaller : public IcxMouseTrackingCaller {
public:
    int Leaves = 0;
    std::function<void()> OnLeave;
    void MouseTrackingCallerMouseLeave() override {
        ++Leaves;
        if (OnLeave)
            OnLeave();
    }
};

class TShapedCaller : public IcxMouseTrackingCaller2 {
public:
    int Leaves = 0;
    TRect Inside;
    void MouseTrackingCallerMouseLeave() override { ++Leaves; }
    bool PtInCaller(TPoint clientPoint) override { return Inside.Contains(clientPoint); }
};

class MouseTrackingTest : public TControlTest {
public:
    TForm* Form = nullptr;
    TLeaveProbe* Probe = nullptr;

    void SetUp() override {
        TControlTest::SetUp();
        Form = NewForm();
        Probe = new TLeaveProbe(Form);
        Probe->SetBounds(10, 10, 60, 20);
        Probe->SetParent(Form);
        Form->Show();
        Pump();
    }
    // A screen point from a point of the probe's client area.
    TPoint At(int x, int y) { return Probe->ClientToScreen(TPoint(x, y)); }
};

TEST_F(MouseTrackingTest, TheCallerHearsOnceWhenTheCursorLeavesTheBounds) {
    TCaller caller;
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, TRect(0, 0, 30, 20), &caller);
    BeginMouseTracking(Probe, TRect(0, 0, 30, 20), &caller); // already tracked: nothing new
    EXPECT_TRUE(IsMouseTracking(&caller));
    Desk->AdvanceTime(100);
    EXPECT_EQ(caller.Leaves, 0);

    // Still on the control, but outside the tracked part: the caller hears at the next tick and
    // the control is not told that the mouse left it.
    Desk->MouseMove(At(45, 5));
    int controlLeaves = Probe->Leaves;
    EXPECT_EQ(caller.Leaves, 0);
    Desk->AdvanceTime(cxMouseTrackingInterval);
    EXPECT_EQ(caller.Leaves, 1);
    EXPECT_EQ(Probe->Leaves, controlLeaves);
    EXPECT_FALSE(IsMouseTracking(&caller));
    Desk->AdvanceTime(100);
    EXPECT_EQ(caller.Leaves, 1);
}

TEST_F(MouseTrackingTest, LeavingTheControlAlsoTellsTheControl) {
    TCaller caller;
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, Probe->ClientRect(), &caller);
    Desk->MouseMove(Form->ClientToScreen(TPoint(150, 150)));
    int before = Probe->Leaves;
    Desk->AdvanceTime(cxMouseTrackingInterval);
    EXPECT_EQ(Probe->Leaves, before + 1);
    EXPECT_EQ(caller.Leaves, 1);
}

TEST_F(MouseTrackingTest, EndedTrackingStaysSilent) {
    TCaller caller;
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, Probe->ClientRect(), &caller);
    EndMouseTracking(&caller);
    EXPECT_FALSE(IsMouseTracking(&caller));
    Desk->MouseMove(Form->ClientToScreen(TPoint(150, 150)));
    Desk->AdvanceTime(100);
    EXPECT_EQ(caller.Leaves, 0);
}

TEST_F(MouseTrackingTest, ACallerThatEndsItsTrackingWhileTold) {
    TCaller caller;
    caller.OnLeave = [&] { EndMouseTracking(&caller); };
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, Probe->ClientRect(), &caller);
    Desk->MouseMove(Form->ClientToScreen(TPoint(150, 150)));
    Desk->AdvanceTime(50);
    EXPECT_EQ(caller.Leaves, 1);
    // It can be tracked again afterwards.
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, Probe->ClientRect(), &caller);
    EXPECT_TRUE(IsMouseTracking(&caller));
    EndMouseTracking(&caller);
}

TEST_F(MouseTrackingTest, TwoCallersAreTrackedApart) {
    TCaller left, right;
    Desk->MouseMove(At(5, 5));
    BeginMouseTracking(Probe, TRect(0, 0, 30, 20), &left);
    BeginMouseTracking(Probe, TRect(0, 0, 60, 20), &right);
    Desk->MouseMove(At(45, 5));
    Desk->AdvanceTime(50);
    EXPECT_EQ(left.Leaves, 1);
    EXPECT_EQ(right.Leaves, 0);
    EXPECT_TRUE(IsMouseTracking(&right));
    EndMouseTracking(&right);
}

TEST_F(MouseTrackingTest, AnExtendedCallerDecidesWhereInsideIs) {
    TShapedCaller caller;
    caller.Inside = TRect(0, 0, 60, 20);
    Desk->MouseMove(At(5, 5));
    // The bounds given say the left half only; the caller's own test wins.
    BeginMouseTracking(Probe, TRect(0, 0, 30, 20), &caller);
    Desk->MouseMove(At(45, 5));
    Desk->AdvanceTime(50);
    EXPECT_EQ(caller.Leaves, 0);
    caller.Inside = TRect(0, 0, 10, 20);
    Desk->AdvanceTime(cxMouseTrackingInterval);
    EXPECT_EQ(caller.Leaves, 1);
}

} // namespace
